// What a screen reader is told: a name for every control it can land on,
// the sign picture described, links as links, and the notices read out.
#include "ui/clickable_label.h"
#include "ui/frm_result.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nyra::test {
namespace {

QString Spoken(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what).trimmed() : QString();
}

class ScreenReader : public WindowTest, public ::testing::WithParamInterface<WindowKind> {};

// Every control Tab can reach, on every tab page, has a name.
TEST_P(ScreenReader, NoFocusableControlIsNameless) {
    QWidget* window = GetParam().open(dialogs);
    int controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
        ++controls;
        EXPECT_FALSE(Spoken(w, QAccessible::Name).isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString() << " has no name";
    }
    EXPECT_GT(controls, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, ScreenReader, ::testing::ValuesIn(Windows()),
                         [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
    const char* name;
    WindowIndex window;
    const char* control;
    const char* spoken;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class ControlName : public WindowTest, public ::testing::WithParamInterface<NameCase> {};

// Boxes take the caption beside them; where one caption serves several
// boxes or would not say which box it is, the name says it in full. A list
// is named by its entry on Linux, so there its description says it.
TEST_P(ControlName, SaysWhatTheControlIs) {
    QWidget* window = Open(GetParam().window);
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    const bool list = qobject_cast<QComboBox*>(control) != nullptr;
    EXPECT_EQ(Spoken(control, list ? QAccessible::Description : QAccessible::Name).toStdString(), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlName,
    ::testing::Values(NameCase{"NameBox", kMainWindow, "txtName", "Name"},
                      NameCase{"City", kMainWindow, "txtMCity", "City"},
                      NameCase{"DayList", kMainWindow, "cboDate", "Date of Birth: day"},
                      NameCase{"YearList", kMainWindow, "cboYear", "Date of Birth: year"},
                      NameCase{"SecondsList", kMainWindow, "cboSS", "Time of Birth: second"},
                      NameCase{"LatitudeMinutes", kMainWindow, "txtLatM", "Latitude: minutes"},
                      NameCase{"LongitudeDegrees", kMainWindow, "txtLonD", "Longitude: degrees"},
                      NameCase{"ZoneHours", kMainWindow, "txtZoneHour", "Time Zone: hours"},
                      NameCase{"ZoneHelpLink", kMainWindow, "lblTZHelp", "TZ Help"},
                      NameCase{"OpenButton", kMainWindow, "cmdOpen", "Open Previously Saved Record"},
                      NameCase{"ResultBox", kResultWindow, "txtRullingPlanet", "Rulling Planet"},
                      NameCase{"ResultParagraph", kResultWindow, "txtLooks", "Looks"},
                      NameCase{"LuckyBox", kResultWindow, "txtLuckyDays", "Lucky Days for Thula"},
                      NameCase{"AyanamsaChooser", kResultWindow, "cboAyanamsa", "Ayanamsa for the precise position"},
                      NameCase{"Report", kReportWindow, "RTB", "Moon sign report"},
                      NameCase{"ExportButton", kReportWindow, "cmdExportPdf", "Export PDF..."},
                      NameCase{"ZoneList", kZonePicker, "lstTimeZone", "Time zones"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlName, SignPictureIsDescribed) {
    QWidget* window = Open(kResultWindow);
    auto* picture = window->findChild<QLabel*>(QStringLiteral("picRashi"));
    EXPECT_EQ(Spoken(picture, QAccessible::Name).toStdString(), "Picture of Thula");
    EXPECT_EQ(Spoken(picture, QAccessible::Description).toStdString(), "The Balance, symbol of Thula");
}

// A link says it is one, and a screen reader's press opens it.
TEST_F(ControlName, LinkLabelsAreLinksThatCanBePressed) {
    UrlRecorder browser;
    QWidget* window = Open(kMainWindow);
    auto* link = window->findChild<ClickableLabel*>(QStringLiteral("lblFullBrand"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Link);
    EXPECT_TRUE(face->state().focusable);
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy opened(link, &ClickableLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(browser.opened.size(), 1);
}

// ---- Notices -------------------------------------------------------------------

// A notice is no Tab stop, so it is named as a notice and repeated in the
// window's description, which a screen reader reads with the window. (The
// alert that reads it out at once needs a running screen reader to be
// seen; Qt passes no event on without one.)
TEST_F(ControlName, NoticesAreNamedAndDescribeTheWindow) {
    QWidget* window = Open(kResultWindow);
    auto* notice = window->findChild<QLabel*>(QStringLiteral("lblSignNotice"));
    ASSERT_TRUE(notice->isVisibleTo(window));
    ASSERT_FALSE(notice->text().isEmpty());
    EXPECT_EQ(Spoken(notice, QAccessible::Name), QStringLiteral("Notice: ") + notice->text());
    EXPECT_TRUE(Spoken(window, QAccessible::Description).contains(notice->text()));
}

TEST_F(ControlName, NoNoticeNoDescription) {
    // 31 Dec 1999: mid-sign, no change near.
    QWidget* window = new frmResult(CalculationOf(Birth({1999, 12, 31, 22, 49})), dialogs);
    window->show();
    ASSERT_FALSE(window->findChild<QWidget*>(QStringLiteral("fraSignNotice"))->isVisibleTo(window));
    EXPECT_TRUE(Spoken(window, QAccessible::Description).isEmpty());
}

} // namespace
} // namespace nyra::test
