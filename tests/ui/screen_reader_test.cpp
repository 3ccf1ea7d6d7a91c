// What a screen reader is told: a name for every control it can land on,
// the sign picture described, links as links, and the notices read out.
#include "ui/clickable_label.h"
#include "ui/frm_result.h"
#include "window_set.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nyra {
namespace {

using window_test::WindowKind;
using window_test::Windows;
using window_test::WindowTest;

QString Spoken(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what).trimmed() : QString();
}

class ScreenReader : public WindowTest, public ::testing::WithParamInterface<WindowKind> {};

// Every control Tab can reach, on every tab page, has a name.
TEST_P(ScreenReader, NoFocusableControlIsNameless) {
    QWidget* window = GetParam().open();
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
    int window;  ///< Index into Windows().
    const char* control;
    const char* spoken;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class ControlName : public WindowTest, public ::testing::WithParamInterface<NameCase> {};

// Boxes take the caption beside them; where one caption serves several
// boxes or would not say which box it is, the name says it in full. A list
// is named by its entry on Linux, so there its description says it.
TEST_P(ControlName, SaysWhatTheControlIs) {
    QWidget* window = Windows()[static_cast<std::size_t>(GetParam().window)].open();
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    const bool list = qobject_cast<QComboBox*>(control) != nullptr;
    EXPECT_EQ(Spoken(control, list ? QAccessible::Description : QAccessible::Name).toStdString(), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlName,
    ::testing::Values(NameCase{"NameBox", 0, "txtName", "Name"},
                      NameCase{"City", 0, "txtMCity", "City"},
                      NameCase{"DayList", 0, "cboDate", "Date of Birth: day"},
                      NameCase{"YearList", 0, "cboYear", "Date of Birth: year"},
                      NameCase{"SecondsList", 0, "cboSS", "Time of Birth: second"},
                      NameCase{"LatitudeMinutes", 0, "txtLatM", "Latitude: minutes"},
                      NameCase{"LongitudeDegrees", 0, "txtLonD", "Longitude: degrees"},
                      NameCase{"ZoneHours", 0, "txtZoneHour", "Time Zone: hours"},
                      NameCase{"ZoneHelpLink", 0, "lblTZHelp", "TZ Help"},
                      NameCase{"OpenButton", 0, "cmdOpen", "Open Previously Saved Record"},
                      NameCase{"ResultBox", 1, "txtRullingPlanet", "Rulling Planet"},
                      NameCase{"ResultParagraph", 1, "txtLooks", "Looks"},
                      NameCase{"LuckyBox", 1, "txtLuckyDays", "Lucky Days for Thula"},
                      NameCase{"AyanamsaChooser", 1, "cboAyanamsa", "Ayanamsa for the precise position"},
                      NameCase{"Report", 2, "RTB", "Moon sign report"},
                      NameCase{"ExportButton", 2, "cmdExportPdf", "Export PDF..."},
                      NameCase{"ZoneList", 4, "lstTimeZone", "Time zones"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlName, SignPictureIsDescribed) {
    QWidget* window = Windows()[1].open();
    auto* picture = window->findChild<QLabel*>(QStringLiteral("picRashi"));
    EXPECT_EQ(Spoken(picture, QAccessible::Name).toStdString(), "Picture of Thula");
    EXPECT_EQ(Spoken(picture, QAccessible::Description).toStdString(), "The Balance, symbol of Thula");
}

// A link says it is one, and a screen reader's press opens it.
TEST_F(ControlName, LinkLabelsAreLinksThatCanBePressed) {
    QWidget* window = Windows()[0].open();
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
}

// ---- Notices -------------------------------------------------------------------

// A notice is no Tab stop, so it is named as a notice and repeated in the
// window's description, which a screen reader reads with the window. (The
// alert that reads it out at once needs a running screen reader to be
// seen; Qt passes no event on without one.)
TEST_F(ControlName, NoticesAreNamedAndDescribeTheWindow) {
    QWidget* window = Windows()[1].open();
    auto* notice = window->findChild<QLabel*>(QStringLiteral("lblSignNotice"));
    ASSERT_TRUE(notice->isVisibleTo(window));
    ASSERT_FALSE(notice->text().isEmpty());
    EXPECT_EQ(Spoken(notice, QAccessible::Name), QStringLiteral("Notice: ") + notice->text());
    EXPECT_TRUE(Spoken(window, QAccessible::Description).contains(notice->text()));
}

TEST_F(ControlName, NoNoticeNoDescription) {
    ProgramState& program = Program();
    program.birth.BirthDay = 31;  // mid-sign: no change near
    program.chart = ComputeMoonChart(program.birth);
    program.description = *DescribeMoonSign(program.chart.RashiName);
    QWidget* window = Windows()[1].open();
    ASSERT_FALSE(window->findChild<QWidget*>(QStringLiteral("fraSignNotice"))->isVisibleTo(window));
    EXPECT_TRUE(Spoken(window, QAccessible::Description).isEmpty());
}

} // namespace
} // namespace nyra
