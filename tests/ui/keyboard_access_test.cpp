// Every command within reach of the keyboard: access keys that answer at
// one press, Enter on a focused button, and the link labels as Tab stops
// that open with Enter or Space.
#include "ui/calculation_settings.h"
#include "ui/clickable_label.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace nyra::test {
namespace {

// Who answers each access key within one scope: a window (its menu bar and
// its controls answer the same Alt+key) or one menu.
using KeyOwners = std::map<std::string, QStringList>;

void Note(KeyOwners& owners, const QString& text, const QString& owner) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty()) owners[key.toString().toStdString()].append(owner);
}

// Widgets of `window` itself (not of its menus) that the program has not
// hidden. Those on tabs out of view count: their keys would clash too.
QList<QWidget*> ControlsOf(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)) &&
            !qobject_cast<QTabBar*>(w->parentWidget()))
            controls.append(w);
    return controls;
}

std::map<std::string, KeyOwners> AccessKeysOf(QWidget* window) {
    std::map<std::string, KeyOwners> scopes;
    KeyOwners& own = scopes["window"];
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        // Hidden items too: the menu bar answers their access keys all the
        // same.
        for (QAction* item : main->menuBar()->actions()) Note(own, item->text(), item->objectName());
        for (QMenu* menu : main->menuBar()->findChildren<QMenu*>())
            for (QAction* item : menu->actions())
                if (item->isVisible()) Note(scopes[menu->objectName().toStdString()], item->text(), item->objectName());
    }
    for (QWidget* control : ControlsOf(window)) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) Note(own, button->text(), button->objectName());
        if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            Note(own, label->text(), label->objectName());
        if (auto* frame = qobject_cast<QGroupBox*>(control)) Note(own, frame->title(), frame->objectName());
        if (auto* tabs = qobject_cast<QTabBar*>(control))
            for (int i = 0; i < tabs->count(); ++i) Note(own, tabs->tabText(i), tabs->tabText(i));
    }
    return scopes;
}

class AccessKeys : public WindowTest, public ::testing::WithParamInterface<WindowKind> {};

TEST_P(AccessKeys, NoTwoCommandsShareOneWithinAScope) {
    QWidget* window = GetParam().open(dialogs);
    int keys = 0;
    for (const auto& [scope, owners] : AccessKeysOf(window)) {
        for (const auto& [key, who] : owners) {
            ++keys;
            EXPECT_EQ(who.size(), 1) << scope << ": " << key << " is answered by "
                                     << who.join(QStringLiteral(", ")).toStdString();
        }
    }
    // The about box has no access key at all; every other window has some.
    if (std::string(GetParam().name) != "frmAbout") {
        EXPECT_GT(keys, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, AccessKeys, ::testing::ValuesIn(Windows()),
                         [](const auto& info) { return std::string(info.param.name); });

class OnePress : public WindowTest {};

// A button's access key clicks it after its pressed look has shown (100 ms
// in Qt); ample on a loaded machine, and only a bound on waiting.
constexpr int kButtonAnimationMs = 5000;

// Alt+O once: the record's file dialog opens, as the button's caption
// promises (the unavailable "Make Money &Online" must not take the press).
TEST_F(OnePress, AltOOpensASavedRecord) {
    QWidget* window = Open(kMainWindow);
    Activate(window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    // An access key presses its button the way a click looks: a moment
    // later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs.openDialogs > 0; }, kButtonAnimationMs));
    EXPECT_EQ(dialogs.openDialogs, 1);
}

TEST_F(OnePress, AltXExportsAndAltPPrintsTheReport) {
    QWidget* window = Open(kReportWindow);
    Activate(window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.saveRequests.empty(); }, kButtonAnimationMs));
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix.toStdString(), "pdf");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.printed.isEmpty(); }, kButtonAnimationMs));
    EXPECT_TRUE(dialogs.saveRequests.size() == 1u && dialogs.printed.size() == 1);
}

// ---- Enter on a focused button -------------------------------------------------

struct ButtonCase {
    const char* name;
    WindowIndex window;
    const char* button;
    Qt::Key key;
};

void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.name; }

class EnterOnButton : public WindowTest, public ::testing::WithParamInterface<ButtonCase> {};

// Each button's own command is tested elsewhere; here only that Enter
// presses it exactly once. What the commands open is answered by stand-ins
// or closed at once.
TEST_P(EnterOnButton, PressesIt) {
    UrlRecorder browser;
    QWidget* window = Open(GetParam().window);
    Activate(window);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [window] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) modal->close();
    });
    closer.start(0);
    QPointer<QPushButton> button = window->findChild<QPushButton*>(QString::fromLatin1(GetParam().button));
    ASSERT_NE(button, nullptr);
    QSignalSpy pressed(button.data(), &QPushButton::clicked);
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, GetParam().key);
    EXPECT_EQ(pressed.size(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryWindow, EnterOnButton,
    ::testing::Values(ButtonCase{"MainFindLatitude", kMainWindow, "cmdBrowser", Qt::Key_Return},
                      ButtonCase{"MainOpen", kMainWindow, "cmdOpen", Qt::Key_Return},
                      ButtonCase{"MainFindMoonSignKeypad", kMainWindow, "cmdRashi", Qt::Key_Enter},
                      ButtonCase{"ResultBack", kResultWindow, "cmdBack", Qt::Key_Return},
                      ButtonCase{"ResultSave", kResultWindow, "cmdSave", Qt::Key_Return},
                      ButtonCase{"ReportSave", kReportWindow, "cmdSave", Qt::Key_Return},
                      ButtonCase{"ReportPrint", kReportWindow, "cmdPrint", Qt::Key_Return},
                      ButtonCase{"ReportExport", kReportWindow, "cmdExportPdf", Qt::Key_Enter},
                      ButtonCase{"AboutOk", kAboutBox, "cmdOK", Qt::Key_Return},
                      ButtonCase{"PickerQuit", kZonePicker, "cmdQuit", Qt::Key_Return}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Enter in the report itself presses no button: only a focused button takes
// Enter, the dialog still has no default one.
TEST_F(EnterOnButton, EnterInTheReportPressesNothing) {
    QWidget* window = Open(kReportWindow);
    Activate(window);
    QWidget* report = window->findChild<QWidget*>(QStringLiteral("RTB"));
    report->setFocus();
    QTest::keyClick(report, Qt::Key_Return);
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_TRUE(dialogs.printed.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

// ---- Link labels and the Tab order ---------------------------------------------

// The names of the controls Tab visits from the first one, once round.
QStringList TabStops(QWidget* window) {
    QStringList stops;
    QWidget* first = window->focusWidget();
    for (QWidget* w = window->nextInFocusChain(); !first && w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled()) first = w;
    if (!first) return stops;
    first->setFocus(Qt::TabFocusReason);
    QWidget* at = first;
    do {
        stops.append(at->objectName());
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at && at != first && stops.size() < 200);
    return stops;
}

class LinkLabels : public WindowTest, public ::testing::WithParamInterface<WindowKind> {};

TEST_P(LinkLabels, EachIsATabStopAndOpensWithEnterOrSpace) {
    QWidget* window = GetParam().open(dialogs);
    Activate(window);
    const QStringList stops = TabStops(window);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [window] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) modal->close();
    });
    closer.start(0);
    UrlRecorder browser;
    for (ClickableLabel* link : window->findChildren<ClickableLabel*>()) {
        if (!link->isVisibleTo(window)) continue;
        const std::string name = link->objectName().toStdString();
        EXPECT_TRUE(stops.contains(link->objectName())) << name << " is not reached with Tab";
        QSignalSpy opened(link, &ClickableLabel::clicked);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            link->setFocus(Qt::TabFocusReason);
            QTest::keyClick(link, key);
        }
        EXPECT_EQ(opened.size(), 3) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, LinkLabels, ::testing::ValuesIn(Windows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkLabels, FocusedLinkShowsAFrame) {
    QWidget* window = Open(kMainWindow);
    Activate(window);
    auto* help = window->findChild<ClickableLabel*>(QStringLiteral("lblTZHelp"));
    window->findChild<QWidget*>(QStringLiteral("txtName"))->setFocus();
    const QImage unfocused = help->grab().toImage();
    help->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(help->hasFocus());
    const QImage focused = help->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    // The frame runs round the label's edge; its text stays where it was.
    int changedOnEdge = 0;
    for (int x = 0; x < focused.width(); ++x)
        for (int y : {0, focused.height() - 1}) changedOnEdge += focused.pixel(x, y) != unfocused.pixel(x, y);
    EXPECT_GT(changedOnEdge, focused.width() / 2);
}

// ---- Tab order ------------------------------------------------------------------

// The controls Tab visits, once round from where the window opens its focus;
// the tab bar's scroll buttons, which come and go with the width, left out.
QStringList TabCycle(QWidget* window) {
    QStringList stops;
    QWidget* first = QApplication::focusWidget();
    QWidget* at = first;
    while (at && stops.size() < 200) {
        if (!at->objectName().startsWith(QStringLiteral("Scroll"))) stops.append(at->objectName());
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (!at || at == first || at->window() != window) break;
    }
    return stops;
}

struct TabOrderCase {
    const char* name;
    WindowIndex window;
    QStringList stops;
};

void PrintTo(const TabOrderCase& c, std::ostream* os) { *os << c.name; }

class TabOrder : public WindowTest, public ::testing::WithParamInterface<TabOrderCase> {};

// As the screen reads, top to bottom and left to right, each frame's
// controls together; the window opens on its first entry, its tabs, its
// report or its OK.
TEST_P(TabOrder, FollowsTheScreen) {
    // The ayanamsa list takes part only on the Precise basis.
    RememberBasis(BasisKind::Precise);
    QWidget* window = Open(GetParam().window);
    Activate(window);
    const QStringList stops = TabCycle(window);
    EXPECT_EQ(stops.join(u' ').toStdString(), GetParam().stops.join(u' ').toStdString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryWindow, TabOrder,
    ::testing::Values(
        TabOrderCase{"Main", kMainWindow,
                     QStringLiteral("txtName cboDate cboMonth cboYear cboHH cboMM cboSS cboTimeKnown cboBasis "
                                    "cboAyanamsa txtMCity txtMState txtMCountry cmdBrowser optLat(0) txtLatD txtLatM "
                                    "optLong(0) txtLonD txtLonM chkDST lblTZHelp txtZoneHour txtZoneMinute cmdOpen "
                                    "cmdRashi lblCobrand lblFullBrand")
                         .split(u' ')},
        TabOrderCase{"Result", kResultWindow,
                     // Opened on its tabs, then round to the ayanamsa list.
                     QStringLiteral("qt_tabwidget_tabbar txtTypeOfSign txtGender txtBarren txtSignCaste "
                                    "txtSignPosition txtConstituentCharacter txtPartOfTheBody cmdBack cmdSave Label61 "
                                    "Label1 lblFullBrand cboAyanamsa txtEnglishName txtRullingPlanet txtSymbol "
                                    "txtInbornNature txtSignColor")
                         .split(u' ')},
        TabOrderCase{"Report", kReportWindow,
                     QStringLiteral("RTB cmdExportPdf cmdPrint cmdSave lblFullBrand lblCobrand Label14 Label3")
                         .split(u' ')},
        TabOrderCase{"About", kAboutBox, QStringLiteral("cmdOK lblCoBrand lblHomePage").split(u' ')}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
