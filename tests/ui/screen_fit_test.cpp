// Windows on small and scaled screens: each fits, opens wholly on the
// screen over the window that opened it, and keeps tidy when enlarged;
// message boxes show their caption whole.
#include "ui/screen_fit.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/language_choice.h"
#include "ui/messages.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace nyra::test {
namespace {

// Bounds for a child process on a loaded machine; not what is tested.
constexpr int kChildDeadlineMs = 120000;
// Set in the environment of the test's own copy that runs on the screen
// of its row.
constexpr char kChildVariable[] = "NYRA_SCREEN_TEST_CHILD";

struct ScreenCase {
    const char* name;
    int widthPx, heightPx;  ///< The screen, in device pixels.
    const char* scale;      ///< QT_SCALE_FACTOR
    Language language;      ///< Of the windows' texts, whose length differs.
    /// The result window shows whole, only its tab pages scroll. At 150 %
    /// on 768 lines a notice may make it scroll a little as a whole, and so
    /// may Hindi on 600 lines.
    bool resultWhole;
};

void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.name; }

// Where the window would reach with a title bar of kTitleBarAllowancePx,
// where the platform draws a smaller one or none: a window manager keeps the
// client area where it was put and adds its title bar above it.
QRect WithTitleBar(const QWidget* window) {
    return window->frameGeometry().united(window->geometry().adjusted(0, -kTitleBarAllowancePx, 0, 0));
}

class SmallScreen : public WindowTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    // Runs this very test again in a copy of the test program whose only
    // screen is the row's, at the row's scale: a screen is fixed when the
    // program starts.
    void RunOnTheScreen() {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString config = folder.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                  R"( "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                       .arg(GetParam().widthPx)
                       .arg(GetParam().heightPx)
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(GetParam().scale));
        environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        const ::testing::TestInfo* me = ::testing::UnitTest::GetInstance()->current_test_info();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=%1.%2")
                         .arg(QString::fromLatin1(me->test_suite_name()), QString::fromLatin1(me->name()))});
        ASSERT_TRUE(child.waitForFinished(kChildDeadlineMs));
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    }
};

// The result window needs no scrolling as a whole: its tab pages scroll
// instead, the first one (seven lines) among them.
void ExpectOnlyPagesScroll(QWidget* result) {
    auto* whole = qobject_cast<QScrollArea*>(static_cast<QMainWindow*>(result)->centralWidget());
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(whole->horizontalScrollBar()->maximum(), 0);
    auto* line = result->findChild<QLineEdit*>(QStringLiteral("txtPartOfTheBody"));
    ASSERT_NE(line, nullptr);
    QScrollArea* page = nullptr;
    for (QWidget* w = line->parentWidget(); w && !page; w = w->parentWidget()) page = qobject_cast<QScrollArea*>(w);
    ASSERT_NE(page, nullptr);
    EXPECT_GT(page->verticalScrollBar()->maximum(), 0) << "the first page fits whole: the claim is not tested";
}

// Each window fits the screen with a title bar above it, and opens wholly on
// it; none needs a smaller minimum than the screen gives.
TEST_P(SmallScreen, EveryWindowFits) {
    if (!qEnvironmentVariableIsSet(kChildVariable)) return RunOnTheScreen();

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const double scale = QString::fromLatin1(GetParam().scale).toDouble();
    ASSERT_EQ(screen.width(), qRound(GetParam().widthPx / scale)) << "the child's screen is not the row's";
    ASSERT_TRUE(UseLanguage(GetParam().language));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const auto expectFits = [&screen, scale](QWidget* window, const char* name) {
        QTest::qWait(50);  // layouts that wait for the event loop
        EXPECT_TRUE(screen.contains(WithTitleBar(window)))
            << name << " at " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->width() << "x" << window->height() << " on " << screen.width() << "x" << screen.height();
        // And in the screen's own pixels, which a fractional scale rounds.
        const QRect reach = WithTitleBar(window);
        EXPECT_LE(qRound((reach.x() + reach.width()) * scale), GetParam().widthPx) << name;
        EXPECT_LE(qRound((reach.y() + reach.height()) * scale), GetParam().heightPx) << name;
        EXPECT_LE(window->minimumHeight() + kTitleBarAllowancePx, screen.height()) << name;
        EXPECT_LE(window->minimumWidth(), screen.width()) << name;
    };
    for (const auto& kind : Windows()) {
        QWidget* window = kind.open(dialogs);
        expectFits(window, kind.name);
        if (GetParam().resultWhole && qobject_cast<frmResult*>(window)) ExpectOnlyPagesScroll(window);
        delete window;
    }
    // A birth time known only within two hours adds its block above the
    // tabs; the window may then scroll, but it fits.
    auto* result = new frmResult(CalculationOf(NearAChange().birth, TimeWindow::PlusMinus(120)), dialogs);
    result->show();
    ASSERT_TRUE(result->findChild<QWidget*>(QStringLiteral("fraTimeWindow"))->isVisibleTo(result));
    expectFits(result, "frmResult with a time window");
    // Two notices (the change near the birth, another ayanamsa's sign) fold
    // to a line each on a netbook's few lines.
    auto* noticed = new frmResult(WithAyanamsa(NearAChange(), Ayanamsa::FaganBradley).value(), dialogs);
    noticed->show();
    expectFits(noticed, "frmResult with two notices");
    for (const char* name : {"lblSignNotice", "lblPreciseNotice"}) {
        const auto* label = noticed->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_TRUE(label && label->isVisibleTo(noticed)) << name;
        if (screen.height() < 640) {
            EXPECT_LT(label->height(), 2 * label->fontMetrics().lineSpacing()) << name;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, SmallScreen,
                         ::testing::Values(ScreenCase{"Netbook1024x600", 1024, 600, "1", Language::English, true},
                                           ScreenCase{"Laptop1366x768At150", 1366, 768, "1.5", Language::English, false},
                                           // Devanagari's taller lines leave the netbook a few
                                           // pixels short: the result window scrolls as a whole.
                                           ScreenCase{"Netbook1024x600Hindi", 1024, 600, "1", Language::Hindi, false},
                                           ScreenCase{"Laptop1366x768At150Hindi", 1366, 768, "1.5", Language::Hindi,
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Where a window goes: the arithmetic --------------------------------------------

// Frames as window managers draw them around a client area.
constexpr QMargins kNoFrameYet(0, kTitleBarAllowancePx, 0, 0);  // planned before mapping
constexpr QMargins kThinTitleBar(1, 20, 1, 5);                  // as openbox's default theme draws it
constexpr QMargins kTallTitleBar(4, 37, 4, 4);                  // a large theme

constexpr QRect kLaptop(0, 0, 1366, 768);
constexpr QRect kNetbook(0, 0, 1024, 600);
constexpr QRect kLaptopWithTopPanel(0, 27, 1366, 741);
constexpr QRect kSecondNetbook(1366, 0, 1024, 600);  // right of the laptop

// Where the frame ends up along one axis.
enum class Lies { Centred, AtNearEdge, AtFarEdge };

struct PlaceCase {
    const char* name;
    QRect free;  ///< The screen's free area.
    QMargins frame;
    QSize size;  ///< The client area.
    QRect over;  ///< The window it opens over.
    Lies across, down;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class Placing : public ::testing::TestWithParam<PlaceCase> {};

// Centred over its opener as far as the screen allows; moved no further
// than needed to bring the whole frame on the screen, and where it is too
// tall or wide, its title bar and left edge on the screen's.
TEST_P(Placing, WholeFrameOnTheFreeAreaTitleBarNeverAbove) {
    const PlaceCase& c = GetParam();
    const QRect client = PlacedClientArea(c.size, c.frame, c.over, c.free);
    EXPECT_EQ(client.size(), c.size);
    const QRect frame = client.marginsAdded(c.frame);
    EXPECT_GE(frame.top(), c.free.top()) << "title bar above the free area";
    EXPECT_GE(frame.left(), c.free.left());
    if (frame.height() <= c.free.height()) {
        EXPECT_LE(frame.bottom(), c.free.bottom());
    }
    if (frame.width() <= c.free.width()) {
        EXPECT_LE(frame.right(), c.free.right());
    }
    const auto expect = [](Lies lies, int centre, int wanted, int near, int nearEdge, int far, int farEdge) {
        switch (lies) {
        case Lies::Centred: EXPECT_LE(std::abs(centre - wanted), 1); break;
        case Lies::AtNearEdge: EXPECT_EQ(near, nearEdge); break;
        case Lies::AtFarEdge: EXPECT_EQ(far, farEdge); break;
        }
    };
    expect(c.across, frame.center().x(), c.over.center().x(), frame.left(), c.free.left(), frame.right(),
           c.free.right());
    expect(c.down, frame.center().y(), c.over.center().y(), frame.top(), c.free.top(), frame.bottom(), c.free.bottom());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Screens, Placing,
    ::testing::Values(
        // The result window with a notice or the possible signs, over the
        // main window: fits with either frame, the planned one exactly.
        PlaceCase{"LaptopResultPlanned", kLaptop, kNoFrameYet, {1000, 736}, {280, 88, 807, 592}, Lies::Centred,
                  Lies::AtNearEdge},
        PlaceCase{"LaptopResultThinFrame", kLaptop, kThinTitleBar, {1000, 736}, {280, 88, 807, 592}, Lies::Centred,
                  Lies::Centred},
        PlaceCase{"LaptopResult713ThinFrame", kLaptop, kThinTitleBar, {1000, 713}, {280, 88, 807, 592},
                  Lies::Centred, Lies::Centred},
        PlaceCase{"LaptopResultTallFrame", kLaptop, kTallTitleBar, {1000, 727}, {280, 88, 807, 592}, Lies::Centred,
                  Lies::AtNearEdge},
        // The main window at start-up, centred on the screen.
        PlaceCase{"NetbookMainPlanned", kNetbook, kNoFrameYet, {805, 567}, kNetbook, Lies::Centred, Lies::Centred},
        PlaceCase{"NetbookMainThinFrame", kNetbook, kThinTitleBar, {805, 567}, kNetbook, Lies::Centred,
                  Lies::Centred},
        PlaceCase{"NetbookTooTall", kNetbook, kThinTitleBar, {805, 640}, kNetbook, Lies::Centred, Lies::AtNearEdge},
        PlaceCase{"NetbookTooWideAndTall", kNetbook, kTallTitleBar, {1100, 700}, kNetbook, Lies::AtNearEdge,
                  Lies::AtNearEdge},
        // Over a window near a corner: pushed back from the far edges.
        PlaceCase{"OverTheBottomRightCorner", kNetbook, kThinTitleBar, {500, 300}, {800, 450, 400, 300},
                  Lies::AtFarEdge, Lies::AtFarEdge},
        PlaceCase{"OverAWindowAboveTheScreen", kNetbook, kThinTitleBar, {500, 300}, {10, -250, 400, 300},
                  Lies::AtNearEdge, Lies::AtNearEdge},
        // Free areas that do not start at 0.
        PlaceCase{"BelowATopPanel", kLaptopWithTopPanel, kThinTitleBar, {1000, 713}, kLaptopWithTopPanel,
                  Lies::Centred, Lies::Centred},
        PlaceCase{"BelowATopPanelTooTall", kLaptopWithTopPanel, kNoFrameYet, {1000, 736}, kLaptopWithTopPanel,
                  Lies::Centred, Lies::AtNearEdge},
        PlaceCase{"SecondScreenOverItsCorner", kSecondNetbook, kThinTitleBar, {500, 300}, {2300, 500, 200, 200},
                  Lies::AtFarEdge, Lies::AtFarEdge}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct KeepCase {
    const char* name;
    QRect client;   ///< Where the window is, its frame just known.
    QSize minimum;  ///< Its minimum size.
    QRect kept;     ///< Where it must go.
};

void PrintTo(const KeepCase& c, std::ostream* os) { *os << c.name; }

class KeepingOnScreen : public ::testing::TestWithParam<KeepCase> {};

// Once the frame is known a window shrinks and moves only as far as it must.
TEST_P(KeepingOnScreen, ChangesOnlyAsMuchAsTheFrameNeeds) {
    const KeepCase& c = GetParam();
    EXPECT_EQ(KeptWithin(c.client, c.minimum, kThinTitleBar, kNetbook), c.kept);
}

constexpr QSize kSmallMinimum(400, 300);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Frames, KeepingOnScreen,
    ::testing::Values(
        KeepCase{"Inside", {100, 20, 805, 567}, kSmallMinimum, {100, 20, 805, 567}},
        KeepCase{"TitleBarAboveTheScreen", {100, 0, 805, 567}, kSmallMinimum, {100, 20, 805, 567}},
        KeepCase{"BottomBorderBelowTheScreen", {100, 32, 805, 567}, kSmallMinimum, {100, 28, 805, 567}},
        KeepCase{"PastTheRightEdge", {300, 100, 805, 300}, kSmallMinimum, {218, 100, 805, 300}},
        KeepCase{"SideBordersPastBothEdges", {0, 27, 1024, 568}, kSmallMinimum, {1, 27, 1022, 568}},
        KeepCase{"TooTallShrinks", {100, 32, 805, 600}, kSmallMinimum, {100, 20, 805, 575}},
        KeepCase{"TooTallEvenAtItsMinimum", {100, 32, 805, 600}, {400, 590}, {100, 20, 805, 590}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A window that the window system puts with its title bar above the screen
// is brought down once its frame is known.
TEST(FrameCheck, AWindowShownAboveTheScreenComesDownOnceFramed) {
    QWidget window;
    PlaceNewWindow(&window, nullptr, QSize(300, 200));
    window.setGeometry(QRect(QPoint(40, -60), window.size()));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()))
        << window.frameGeometry().y();
}

// ---- Placement -----------------------------------------------------------------

class Placement : public WindowTest {
protected:
    // The main window, filled so that the calculation goes through.
    frmMain* FilledMainWindow() {
        auto* main = static_cast<frmMain*>(Open(kMainWindow));
        EnterBirth(main, {1901, 1, 1, 0, 0, 77 + 13 / 60.0, 330, 28 + 36 / 60.0});
        return main;
    }

    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static frmResult* OpenResult(frmMain* main) {
        Activate(main);
        return FindMoonSign(main);
    }
};

// Allowed difference between two centres: rounding of odd sizes.
constexpr int kCentreSlackPx = 2;

// Centred over it as far as the screen allows: the result window is the
// larger, and the test's screen (800 x 800) is narrower than it would like.
TEST_F(Placement, ResultOpensCentredOverTheMainWindow) {
    frmMain* main = FilledMainWindow();
    const QRect opener = main->frameGeometry();
    frmResult* result = OpenResult(main);
    ASSERT_NE(result, nullptr);
    const QRect placed = result->frameGeometry();
    EXPECT_TRUE(Screen().contains(WithTitleBar(result)));
    const bool roomLeft = placed.left() > Screen().left(), roomRight = placed.right() < Screen().right();
    if (roomLeft && roomRight) {
        EXPECT_LE(std::abs(placed.center().x() - opener.center().x()), kCentreSlackPx);
    }
    EXPECT_TRUE(opener.contains(placed.center()));
}

TEST_F(Placement, AWindowOpenedFromACornerStaysOnTheScreen) {
    frmMain* main = FilledMainWindow();
    main->move(Screen().bottomRight() - QPoint(main->width() / 3, main->height() / 3));
    frmResult* result = OpenResult(main);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(Screen().contains(WithTitleBar(result)));

    Activate(result);
    result->Back();
    const QList<frmMain*> back = ShownWindows<frmMain>();
    ASSERT_EQ(back.size(), 1);
    EXPECT_TRUE(Screen().contains(WithTitleBar(back[0])));
}

TEST_F(Placement, ReportOpensOverTheResultWithinTheScreen) {
    QWidget* result = Open(kResultWindow);
    result->move(Screen().topLeft());
    Activate(result);
    QRect report;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&report] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            report = modal->frameGeometry();
            modal->close();
        }
    });
    look.start(0);
    result->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    ASSERT_TRUE(report.isValid());
    EXPECT_TRUE(Screen().contains(report));
    EXPECT_TRUE(result->frameGeometry().contains(report.center()));
}

// ---- Message boxes and an enlarged main window ------------------------------------

// A title bar's caption is drawn larger than a window's text, beside an
// icon and buttons of about 32 px each.
constexpr int kTitleButtonsPx = 3 * 32;

TEST_F(Placement, MessageBoxShowsItsCaptionWhole) {
    int width = 0;
    QString caption;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            width = box->width();
            caption = box->windowTitle();
            box->close();
        }
    });
    look.start(0);
    SystemDialogs().Message(nullptr, QStringLiteral("Please Enter City"), MessageIcon::Information);
    ASSERT_EQ(caption, kAppTitle);
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    EXPECT_GE(width, QFontMetrics(title).horizontalAdvance(caption) + kTitleButtonsPx);
}

// Enlarged, the main window keeps its rows and its captions beside their
// boxes; the extra room goes below and to the right.
TEST_F(Placement, MainWindowStaysTidyWhenEnlarged) {
    QWidget* main = Open(kMainWindow);
    QTest::qWait(20);
    const auto at = [main](const char* name) {
        return main->findChild<QWidget*>(QLatin1String(name))->mapTo(main, QPoint(0, 0));
    };
    const auto right = [main, &at](const char* name) {
        return at(name).x() + main->findChild<QWidget*>(QLatin1String(name))->width();
    };
    const int rowsApart = at("txtMCity").y() - at("txtName").y();
    const int degreesGap = at("txtLatD").x() - right("lblLatDeg");
    const int hourGap = at("txtZoneHour").x() - right("lblZoneHour");
    const int boxesApart = at("cmdRashi").y() - at("txtZoneHour").y();

    main->resize(main->size() * 1.6);
    QTest::qWait(20);
    EXPECT_EQ(at("txtMCity").y() - at("txtName").y(), rowsApart);
    EXPECT_EQ(at("txtLatD").x() - right("lblLatDeg"), degreesGap);
    EXPECT_EQ(at("txtZoneHour").x() - right("lblZoneHour"), hourGap);
    EXPECT_EQ(at("cmdRashi").y() - at("txtZoneHour").y(), boxesApart);
}

}  // namespace
}  // namespace nyra::test
