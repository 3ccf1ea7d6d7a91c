#include "ui/frm_time_zone.h"

#include "ui/messages.h"
#include "zones/time_zone_table.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace nyra {
namespace {

// The two zone boxes of a main window, with the typing limits the main
// window gives them, and the daylight box and East/West choice beside them
// that a pick must leave alone.
class TimeZonePicker : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<QWidget>();
        txtZoneHour = new QLineEdit(QStringLiteral("7"), main.get());
        txtZoneHour->setMaxLength(3);
        txtZoneMinute = new QLineEdit(QStringLiteral("15"), main.get());
        txtZoneMinute->setMaxLength(2);
        chkDST = new QCheckBox(main.get());
        chkDST->setChecked(true);
        optEast = new QRadioButton(main.get());
        optEast->setChecked(true);
        picker = std::make_unique<frmTimeZone>(txtZoneHour, txtZoneMinute, main.get());
        list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        quit = picker->findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        ASSERT_NE(list, nullptr);
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

    void ExpectFieldsUntouched() const {
        EXPECT_EQ(txtZoneHour->text().toStdString(), "7");
        EXPECT_EQ(txtZoneMinute->text().toStdString(), "15");
    }

    void ExpectLoadedFresh() const {
        ASSERT_EQ(list->count(), 71);
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->text().toStdString(), kTimeZoneTable[static_cast<std::size_t>(i)].text);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_TRUE(list->currentItem() == nullptr || !list->currentItem()->isSelected());
    }

    std::unique_ptr<QWidget> main;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    QRadioButton* optEast = nullptr;
    std::unique_ptr<frmTimeZone> picker;
    QListWidget* list = nullptr;
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
    picker->lstTimeZone_DblClick();
    ASSERT_FALSE(picker->isVisible());
    Open();
    ExpectLoadedFresh();
}

TEST_F(TimeZonePicker, DoubleClickWithoutSelectionOnlyCloses) {
    Open();
    picker->lstTimeZone_DblClick();
    ExpectFieldsUntouched();
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(TimeZonePicker, QuitChangesNothing) {
    Open();
    list->setCurrentRow(34);
    QTest::mouseClick(quit, Qt::LeftButton);
    ExpectFieldsUntouched();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Rejected);
}

TEST_F(TimeZonePicker, CloseBoxChangesNothing) {
    Open();
    list->setCurrentRow(34);
    picker->close();
    ExpectFieldsUntouched();
    EXPECT_FALSE(picker->isVisible());
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
    ExpectFieldsUntouched();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(Keys, TimeZonePickerKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape),
                         [](const ::testing::TestParamInfo<Qt::Key>& info) {
                             switch (info.param) {
                             case Qt::Key_Return: return std::string("Return");
                             case Qt::Key_Enter: return std::string("Enter");
                             default: return std::string("Escape");
                             }
                         });

struct Pick {
    const char* name;
    const char* text;
    const char* hour;
    const char* minute;
    friend void PrintTo(const Pick& pick, std::ostream* os) { *os << pick.text; }
};

class TimeZonePickerPicks : public TimeZonePicker, public ::testing::WithParamInterface<Pick> {};

TEST_P(TimeZonePickerPicks, DoubleClickWritesThePairAndCloses) {
    const Pick& p = GetParam();
    Open();
    const int row = RowOf(QString::fromUtf8(p.text));
    ASSERT_GE(row, 0) << p.text;
    DoubleClickRow(row);
    EXPECT_EQ(txtZoneHour->text().toStdString(), p.hour);
    EXPECT_EQ(txtZoneMinute->text().toStdString(), p.minute);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    // Daylight saving stays the user's own choice, as does East/West.
    EXPECT_TRUE(chkDST->isChecked());
    EXPECT_TRUE(optEast->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Zones, TimeZonePickerPicks,
    ::testing::Values(
        // Five and a half hours, not 5.3; all three characters of "-30"
        // although the minute box takes only two from the keyboard.
        Pick{"IndianTime", "Indian Time, IST, +5.3", "-5", "-30"},
        Pick{"Newfoundland", "Newfoundland Standard Time,NST,-3.5", "3", "30"},
        Pick{"HawaiianStandard", "Hawaiian Standard Time,HST,-10.5", "10", "30"},
        Pick{"GreenwichMeanTime", "Greenwich Mean Time,GMT,0.0", "0", "0"},
        Pick{"UniversalTime", "Universal Time, UT, 0.0", "0", "0"},
        Pick{"NewZealandSummerLargest", "New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
        Pick{"DateLineWest", "Int'l Date Line West,IDLW,-12.0", "12", "0"},
        Pick{"SouthAustraliaDaylightSAD", "South Australia Daylight Time,SAD,+10.5", "-10", "-30"},
        Pick{"SouthAustraliaDaylightSDT", "South Australia Daylight Time,SDT,+10.5", "-10", "-30"},
        Pick{"LastRow", "Yukon War Time,YWT,-8.0", "8", "0"}),
    [](const ::testing::TestParamInfo<Pick>& info) { return std::string(info.param.name); });

TEST_F(TimeZonePicker, ClientAreaAndControlSizes) {
    Open();
    EXPECT_EQ(picker->size(), QSize(329, 232));
    EXPECT_EQ(picker->minimumSize(), picker->maximumSize());
    EXPECT_EQ(list->geometry(), QRect(0, 0, 329, 210));
    EXPECT_EQ(quit->width(), 329);
    EXPECT_EQ(quit->height(), 23);
    EXPECT_EQ(quit->x(), 0);
    // Directly beneath the list (sharing its last pixel row) and wholly inside
    // the client area.
    EXPECT_EQ(quit->y(), list->geometry().bottom());
    EXPECT_EQ(quit->geometry().bottom(), picker->rect().bottom());
}

TEST_F(TimeZonePicker, OpensCentredOnTheScreenNotOnTheMainWindow) {
    main->setGeometry(0, 0, 100, 100);
    main->show();
    Open();
    const QRect screen = picker->screen()->availableGeometry();
    const QPoint offset = picker->frameGeometry().center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

} // namespace
} // namespace nyra
