// What a screen reader is told: a name for every control it can land on,
// the sign picture described, links as links, and the notices read out.
#include "ui/clickable_label.h"
#include "ui/frm_result.h"
#include "ui/sign_tabs.h"
#include "ui_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>

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
// is named so too, not by its entry (which Qt on Linux would make its name).
TEST_P(ControlName, SaysWhatTheControlIs) {
    QWidget* window = Open(GetParam().window);
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(Spoken(control, QAccessible::Name).toStdString(), GetParam().spoken);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, ControlName,
    ::testing::Values(NameCase{"NameBox", kMainWindow, "txtName", "Name"},
                      NameCase{"City", kMainWindow, "txtMCity", "City"},
                      NameCase{"DayList", kMainWindow, "cboDate", "Day of birth"},
                      NameCase{"MonthList", kMainWindow, "cboMonth", "Month of birth"},
                      NameCase{"YearList", kMainWindow, "cboYear", "Year of birth"},
                      NameCase{"HourList", kMainWindow, "cboHH", "Hour of birth"},
                      NameCase{"MinuteList", kMainWindow, "cboMM", "Minute of birth"},
                      NameCase{"SecondsList", kMainWindow, "cboSS", "Second of birth"},
                      NameCase{"ListByTheLabelBesideIt", kMainWindow, "cboTimeKnown", "Time known:"},
                      NameCase{"BasisList", kMainWindow, "cboBasis", "Calculate with"},
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
// clang-format on

// The entry stays the list's value, and a list with no name of its own is
// still named by it.
TEST_F(ControlName, AListsEntryIsItsValue) {
    QWidget* window = Open(kMainWindow);
    auto* hour = window->findChild<QComboBox*>(QStringLiteral("cboHH"));
    hour->setCurrentIndex(7);
    EXPECT_EQ(Spoken(hour, QAccessible::Value).toStdString(), "7");
    // A screen reader finds it as the selected one of the list's entries,
    // also while the entries are not open.
    hour->setCurrentIndex(9);
    EXPECT_EQ(hour->view()->selectionModel()->selectedIndexes().value(0).row(), 9);
    QComboBox unnamed;
    unnamed.addItem(QStringLiteral("Lahiri"));
    EXPECT_EQ(Spoken(&unnamed, QAccessible::Name).toStdString(), "Lahiri");
}

// The objects a screen reader can reach from `window`.
void Reachable(QAccessibleInterface* face, QObjectList& found) {
    if (!face) return;
    found.append(face->object());
    for (int i = 0; i < face->childCount(); ++i) Reachable(face->child(i), found);
}

struct PictureCase {
    const char* name;
    WindowIndex window;
    const char* picture;
    bool reached;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class Pictures : public WindowTest, public ::testing::WithParamInterface<PictureCase> {};

// The Moon that decorates a window is no object to land on; the sign's
// picture tells the sign and stays.
TEST_P(Pictures, OnlyThoseThatTellSomethingAreReached) {
    QWidget* window = Open(GetParam().window);
    if (GetParam().window == kResultWindow) window->findChild<QTabWidget*>()->setCurrentIndex(SignTabs::kAboutTab);
    QObject* picture = window->findChild<QLabel*>(QString::fromLatin1(GetParam().picture));
    ASSERT_NE(picture, nullptr);
    QObjectList found;
    Reachable(QAccessible::queryAccessibleInterface(window), found);
    // The walk reached where the picture is.
    EXPECT_TRUE(found.contains(picture->parent()));
    EXPECT_EQ(found.contains(picture), GetParam().reached);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Pictures,
    ::testing::Values(PictureCase{"MainMoon", kMainWindow, "picMain", false},
                      PictureCase{"AboutTabMoon", kResultWindow, "picAbout", false},
                      PictureCase{"AboutBoxMoon", kAboutBox, "Picture1", false},
                      PictureCase{"NoticeToneIcon", kResultWindow, "picTimeWindow", false},
                      PictureCase{"SignPicture", kResultWindow, "picRashi", true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The report reads as a document: a text that cannot be changed, read line
// by line, not one label of the whole report.
TEST_F(ControlName, ReportIsAReadOnlyDocument) {
    QWidget* window = Open(kReportWindow);
    QAccessibleInterface* report =
        QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(QStringLiteral("RTB")));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->role(), QAccessible::EditableText);
    EXPECT_TRUE(report->state().readOnly);
    EXPECT_FALSE(report->state().editable);
    EXPECT_TRUE(report->state().multiLine);
    QAccessibleTextInterface* text = report->textInterface();
    ASSERT_NE(text, nullptr);
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end).trimmed().toStdString(), "Common:");
    EXPECT_EQ(text->textAtOffset(end + 1, QAccessible::LineBoundary, &start, &end).trimmed().toStdString(),
              "Vedic Name: Thula");
}

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

}  // namespace
}  // namespace nyra::test
