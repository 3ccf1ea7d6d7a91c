#include "ui/frm_time_zone.h"

#include "ui/frm_main.h"
#include "ui/screen_fit.h"
#include "zones/time_zone_table.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace nyra {
namespace {

// A picker over a window of its own, with every zone it hands over kept.
class TimeZonePicker : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<QWidget>();
        picker = std::make_unique<frmTimeZone>(main.get());
        QObject::connect(picker.get(), &frmTimeZone::ZoneChosen, [this](SignedZone zone) { chosen.push_back(zone); });
        list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        useZone = picker->findChild<QPushButton*>(QStringLiteral("cmdUseZone"));
        quit = picker->findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        ASSERT_NE(list, nullptr);
        ASSERT_NE(useZone, nullptr);
        ASSERT_NE(quit, nullptr);
    }

    void TearDown() override {
        picker.reset();
        main.reset();
    }

    void Open() {
        picker->show();
        ASSERT_TRUE(picker->isVisible());
    }

    int RowOf(const QString& text) const {
        const auto found = list->findItems(text, Qt::MatchExactly);
        return found.size() == 1 ? list->row(found.front()) : -1;
    }

    void DoubleClickRow(int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        // What a mouse delivers: press and release, then the second press
        // arrives as the double-click.
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }

    void ExpectClosedWithoutAZone() const {
        EXPECT_TRUE(chosen.empty());
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(picker->result(), QDialog::Rejected);
    }

    void ExpectLoadedFresh() const {
        ASSERT_EQ(list->count(), 71);
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->text().toStdString(), kTimeZoneTable[static_cast<std::size_t>(i)].text);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_TRUE(list->currentItem() == nullptr || !list->currentItem()->isSelected());
        EXPECT_FALSE(useZone->isEnabled());
    }

    std::unique_ptr<QWidget> main;
    std::unique_ptr<frmTimeZone> picker;
    std::vector<SignedZone> chosen;
    QListWidget* list = nullptr;
    QPushButton* useZone = nullptr;
    QPushButton* quit = nullptr;
};

TEST_F(TimeZonePicker, OpeningListsTheSeventyOneZonesInTableOrderNoneSelected) {
    Open();
    ExpectLoadedFresh();
    EXPECT_EQ(picker->windowTitle().toStdString(), "Nyra Moon Sign v2.10");
}

TEST_F(TimeZonePicker, SecondOpeningShowsEachRowOnceNoneSelected) {
    Open();
    list->setCurrentRow(20);
    picker->PickZone();
    ASSERT_FALSE(picker->isVisible());
    Open();
    ExpectLoadedFresh();
}

TEST_F(TimeZonePicker, DoubleClickWithoutSelectionOnlyCloses) {
    Open();
    picker->PickZone();
    EXPECT_TRUE(chosen.empty());
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(TimeZonePicker, QuitHandsOverNoZone) {
    Open();
    list->setCurrentRow(34);
    QTest::mouseClick(quit, Qt::LeftButton);
    ExpectClosedWithoutAZone();
}

TEST_F(TimeZonePicker, CloseBoxHandsOverNoZone) {
    Open();
    list->setCurrentRow(34);
    picker->close();
    ExpectClosedWithoutAZone();
}

// Enter and Escape act like Quit even while the list has a row highlighted
// and the keyboard focus: the list must not turn Enter into a pick.
class TimeZonePickerKeys : public TimeZonePicker, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(TimeZonePickerKeys, KeyClosesWithoutPicking) {
    Open();
    list->setCurrentRow(34);
    ASSERT_EQ(list->selectedItems().size(), 1);
    list->setFocus();
    QTest::keyClick(list, GetParam());
    ExpectClosedWithoutAZone();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, TimeZonePickerKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape),
                         [](const ::testing::TestParamInfo<Qt::Key>& info) {
                             switch (info.param) {
                             case Qt::Key_Return: return std::string("Return");
                             case Qt::Key_Enter: return std::string("Enter");
                             default: return std::string("Escape");
                             }
                         });
// clang-format on

struct Pick {
    const char* name;
    const char* text;
    int hour;
    int minute;
    friend void PrintTo(const Pick& pick, std::ostream* os) { *os << pick.text; }
};

class TimeZonePickerPicks : public TimeZonePicker, public ::testing::WithParamInterface<Pick> {};

TEST_P(TimeZonePickerPicks, DoubleClickHandsOverTheRowsOffsetAndCloses) {
    const Pick& p = GetParam();
    Open();
    const int row = RowOf(QString::fromUtf8(p.text));
    ASSERT_GE(row, 0) << p.text;
    DoubleClickRow(row);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen.front().hour, p.hour);
    EXPECT_EQ(chosen.front().minute, p.minute);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Zones, TimeZonePickerPicks,
    ::testing::Values(
        // Five and a half hours, not 5.3.
        Pick{"IndianTime", "Indian Time, IST, +5.3", -5, -30},
        Pick{"Newfoundland", "Newfoundland Standard Time,NST,-3.5", 3, 30},
        Pick{"HawaiianDaylight", "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        Pick{"HawaiianStandard", "Hawaiian Standard Time,HST,-10.5", 10, 30},
        Pick{"GreenwichMeanTime", "Greenwich Mean Time,GMT,0.0", 0, 0},
        Pick{"UniversalTime", "Universal Time, UT, 0.0", 0, 0},
        Pick{"NewZealandSummerLargest", "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        Pick{"DateLineWest", "Int'l Date Line West,IDLW,-12.0", 12, 0},
        Pick{"SouthAustraliaDaylightSAD", "South Australia Daylight Time,SAD,+10.5", -10, -30},
        Pick{"SouthAustraliaDaylightSDT", "South Australia Daylight Time,SDT,+10.5", -10, -30},
        Pick{"LastRow", "Yukon War Time,YWT,-8.0", 8, 0}),
    [](const ::testing::TestParamInfo<Pick>& info) { return std::string(info.param.name); });
// clang-format on

// ---- Without a mouse ---------------------------------------------------------------------

enum class Way { Space, UseZone };

std::string NameOf(Way way) { return way == Way::Space ? "Space" : "UseZone"; }
void PrintTo(Way way, std::ostream* os) { *os << NameOf(way); }

class TimeZonePickerWithoutMouse : public TimeZonePicker, public ::testing::WithParamInterface<Way> {};

// Space on the highlighted row, or Use Zone, picks it as a double-click does.
TEST_P(TimeZonePickerWithoutMouse, PicksTheHighlightedRow) {
    Open();
    const int row = RowOf(QStringLiteral("Australian Central Daylight Time,ACDT,+10.5"));
    list->setFocus();
    list->setCurrentRow(row);
    ASSERT_EQ(list->selectedItems().size(), 1);
    if (GetParam() == Way::Space) {
        QTest::keyClick(list, Qt::Key_Space);
    } else {
        QTest::mouseClick(useZone, Qt::LeftButton);
    }
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen.front(), (SignedZone{-10, -30}));
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Ways, TimeZonePickerWithoutMouse, ::testing::Values(Way::Space, Way::UseZone),
                         [](const auto& info) { return NameOf(info.param); });

// With nothing highlighted there is nothing to use: Space highlights the
// row with the focus, as in any list, and the picker stays open.
TEST_F(TimeZonePicker, SpaceWithNothingHighlightedDoesNotClose) {
    Open();
    list->setFocus();
    ASSERT_TRUE(list->selectedItems().isEmpty());
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(chosen.empty());
    EXPECT_TRUE(picker->isVisible());
}

TEST_F(TimeZonePicker, UseZoneIsAvailableOnlyWhileARowIsHighlighted) {
    Open();
    EXPECT_FALSE(useZone->isEnabled());
    list->setCurrentRow(5);
    EXPECT_TRUE(useZone->isEnabled());
    list->clearSelection();
    EXPECT_FALSE(useZone->isEnabled());
}

// What a screen reader says on reaching the list: how to use a zone.
TEST_F(TimeZonePicker, ListTellsHowToPick) {
    Open();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(face, nullptr);
    const QString description = face->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QStringLiteral("Space"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("Use Zone"))) << description.toStdString();
}

// ---- Into the main window -------------------------------------------------------------------

// The main window's boxes take the offset as plain numbers, "-30" whole
// although a user can type only two characters there; the daylight box and
// the East/West choice stay the user's own.
TEST(TimeZonePickerOnMainWindow, ChosenZoneFillsTheZoneBoxes) {
    {
        frmMain main;
        main.show();
        auto* dst = main.findChild<QCheckBox*>(QStringLiteral("chkDST"));
        auto* west = main.findChild<QRadioButton*>(QStringLiteral("optLong(1)"));
        ASSERT_NE(dst, nullptr);
        ASSERT_NE(west, nullptr);
        dst->setChecked(true);
        west->setChecked(true);
        const struct {
            const char* text;
            const char* hour;
            const char* minute;
        } rows[] = {
            {"Indian Time, IST, +5.3", "-5", "-30"},
            {"Australian Central Daylight Time,ACDT,+10.5", "-10", "-30"},
            {"Alaska/Hawaii Daylight Time,AHDT,-9.0", "9", "0"},
        };
        for (const auto& row : rows) {
            QTimer chooser;
            chooser.setSingleShot(true);
            QObject::connect(&chooser, &QTimer::timeout, [&row] {
                auto* picker = qobject_cast<frmTimeZone*>(QApplication::activeModalWidget());
                ASSERT_NE(picker, nullptr);
                auto* list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
                const auto found = list->findItems(QString::fromUtf8(row.text), Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1);
                list->setCurrentItem(found.front());
                QTest::keyClick(list, Qt::Key_Space);
                if (picker->isVisible()) picker->close();
            });
            chooser.start(0);
            QTest::mouseClick(main.findChild<QLabel*>(QStringLiteral("lblTZHelp")), Qt::LeftButton);
            EXPECT_EQ(main.findChild<QLineEdit*>(QStringLiteral("txtZoneHour"))->text().toStdString(), row.hour);
            EXPECT_EQ(main.findChild<QLineEdit*>(QStringLiteral("txtZoneMinute"))->text().toStdString(), row.minute);
        }
        EXPECT_TRUE(dst->isChecked());
        EXPECT_TRUE(west->isChecked());
    }
}

// ---- Layout ------------------------------------------------------------------------------

TEST_F(TimeZonePicker, ClientAreaAndControlSizes) {
    Open();
    EXPECT_EQ(picker->size(), QSize(329, 232));
    EXPECT_EQ(picker->minimumSize(), picker->maximumSize());
    EXPECT_EQ(list->geometry(), QRect(0, 0, 329, 210));
    // Use Zone and Quit side by side directly beneath the list (sharing its
    // last pixel row), together full width and wholly inside the client area.
    EXPECT_EQ(useZone->geometry().united(quit->geometry()), QRect(0, 209, 329, 23));
    EXPECT_EQ(useZone->geometry().right() + 1, quit->x());
    EXPECT_EQ(useZone->geometry().top(), quit->geometry().top());
    EXPECT_EQ(useZone->height(), quit->height());
    EXPECT_TRUE(quit->isDefault());
}

TEST_F(TimeZonePicker, OpensCentredOnTheScreenNotOnTheMainWindow) {
    main->setGeometry(0, 0, 100, 100);
    main->show();
    Open();
    const QRect screen = picker->screen()->availableGeometry();
    // Centred with the title bar a window manager will add above it.
    const QRect framed = picker->geometry().adjusted(0, -kTitleBarAllowancePx, 0, 0);
    const QPoint offset = framed.center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

}  // namespace
}  // namespace nyra
