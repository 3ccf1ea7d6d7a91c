// A birth time known only roughly, or not at all: the main window's "Time
// known" choice, carried in the calculation to the result window's block
// of possible signs, and kept out of the record file. (The block's
// sentences are checked in tests/calculation.)
#include "ui/frm_main.h"

#include "calculation/calculation_text.h"
#include "record/record_file.h"
#include "theme_support.h"
#include "ui/contrast.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>

namespace nyra::test {
namespace {

using namespace theme_test;

// The list's entries by position, as the user sees them.
enum Choice { kExactly, kWithin15Min, kWithin1Hour, kWithin2Hours, kNotKnown };

// At Greenwich, zone 0, the Moon entered Thula on 30 Dec 1999 at 21:37 and
// left it for Vrischika on 2 Jan 2000 at 09:08.
constexpr BirthAt kQuietMorning{2000, 1, 1, 6, 0};
constexpr BirthAt kBeforeTheChange{2000, 1, 2, 8, 0};

class TimeKnown : public WindowTest {
protected:
    void SetUp() override { main = static_cast<frmMain*>(Open(kMainWindow)); }

    // The whole entry, then the choice, then the calculate button; the
    // result window it opened.
    frmResult* Calculate(const BirthAt& when, Choice choice) {
        EnterBirth(main, when);
        Child<QComboBox>(main, "cboTimeKnown")->setCurrentIndex(choice);
        frmResult* result = FindMoonSign(main);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_NE(result, nullptr);
        return result;
    }

    static bool BlockShown(frmResult* result) { return ShownIn(result, "fraTimeWindow"); }

    frmMain* main = nullptr;
};

TEST_F(TimeKnown, ChoiceBesideTheTimeStartsAtExactly) {
    auto* list = Child<QComboBox>(main, "cboTimeKnown");
    const char* const entries[] = {"exactly", "within 15 min", "within 1 hour", "within 2 hours", "not known"};
    ASSERT_EQ(list->count(), static_cast<int>(std::size(entries)));
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->itemText(i).toStdString(), entries[i]) << i;
    EXPECT_EQ(list->currentIndex(), kExactly);
    EXPECT_FALSE(list->isEditable());

    auto* label = Child<QLabel>(main, "lblTimeKnown");
    EXPECT_EQ(label->text().toStdString(), "Time known:");
    EXPECT_EQ(label->buddy(), list);
    // One sentence.
    const QString tip = list->toolTip();
    EXPECT_TRUE(tip.endsWith(u'.')) << tip.toStdString();
    EXPECT_EQ(tip.count(u'.'), 1) << tip.toStdString();

    // Beside the time of birth: on the hour list's line, after it.
    auto* hours = Child<QComboBox>(main, "cboHH");
    const QRect hourBox(hours->mapTo(main, QPoint(0, 0)), hours->size());
    const QRect choiceBox(list->mapTo(main, QPoint(0, 0)), list->size());
    EXPECT_GT(choiceBox.left(), hourBox.right());
    EXPECT_LT(choiceBox.top(), hourBox.bottom());
    EXPECT_GT(choiceBox.bottom(), hourBox.top());
}

TEST_F(TimeKnown, ExactTimeShowsNoBlockAndComputesAsAlways) {
    frmResult* result = Calculate(kBeforeTheChange, kExactly);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->calculation().timeKnown, TimeWindow::Exact());
    EXPECT_TRUE(result->calculation().TimeIsExact());
    EXPECT_FALSE(BlockShown(result));
    EXPECT_EQ(TextOf(result, "lblTimeWindow"), "");
    EXPECT_EQ(TextOf(result, "lblVedicName"), "Thula");
    EXPECT_EQ(Child<QTabWidget>(result, "SST")->currentIndex(), 0);
}

struct WindowCase {
    const char* name;
    Choice choice;
    TimeWindow carried;
    const char* headline;  ///< What the sign's name reads.
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class PossibleSigns : public TimeKnown, public ::testing::WithParamInterface<WindowCase> {};

// Each choice reaches the calculation, and the block above the tabs shows
// what the calculation makes of it.
TEST_P(PossibleSigns, BlockAboveTheTabs) {
    frmResult* result = Calculate(kBeforeTheChange, GetParam().choice);
    ASSERT_NE(result, nullptr);
    const Calculation& calculation = result->calculation();
    EXPECT_EQ(calculation.timeKnown, GetParam().carried);
    ASSERT_TRUE(calculation.possibleSigns.has_value());
    ASSERT_TRUE(BlockShown(result));
    EXPECT_EQ(TextOf(result, "lblTimeWindowHeading"), TimeWindowHeading(calculation));
    EXPECT_EQ(TextOf(result, "lblTimeWindow"), TimeWindowText(calculation));

    auto* block = Child<QWidget>(result, "fraTimeWindow");
    auto* tabs = Child<QTabWidget>(result, "SST");
    EXPECT_FALSE(tabs->isAncestorOf(block));
    const int blockBottom = block->mapTo(result, QPoint(0, block->height())).y();
    EXPECT_LE(blockBottom, tabs->mapTo(result, QPoint(0, 0)).y());
    EXPECT_GE(block->mapTo(result, QPoint(0, 0)).y(),
              Child<QLabel>(result, "lblVedicName")->mapTo(result, QPoint(0, 0)).y());
    // The headline leads with the possible signs; the exact figures say
    // which clock time they are for; no notice of a change near that time.
    EXPECT_EQ(TextOf(result, "lblVedicName"), GetParam().headline);
    EXPECT_TRUE(TextOf(result, "lblMoonPosition").starts_with("At 08:00, the clock time used: Moon at "))
        << TextOf(result, "lblMoonPosition");
    EXPECT_FALSE(ShownIn(result, "fraSignNotice"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PossibleSigns,
                         ::testing::Values(WindowCase{"Within15Min", kWithin15Min, TimeWindow::PlusMinus(15), "Thula"},
                                           WindowCase{"Within1Hour", kWithin1Hour, TimeWindow::PlusMinus(60), "Thula"},
                                           WindowCase{"Within2Hours", kWithin2Hours, TimeWindow::PlusMinus(120),
                                                      "Thula or Vrischika"},
                                           WindowCase{"NotKnown", kNotKnown, TimeWindow::WholeDay(),
                                                      "Thula or Vrischika"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A record of an exact time keeps the fifteen lines older readers know, byte
// for byte; one of a time not known exactly adds a sixteenth saying how well
// it was known, and opening it gives the choice back, whatever the list
// showed before.
TEST_F(TimeKnown, TheRecordKeepsTheChoiceAndOpeningGivesItBack) {
    const auto saveRecord = [this](const TimeWindow& timeKnown, const char* name) {
        const Calculation calculation = CalculationOf(Birth(kBeforeTheChange), timeKnown);
        dialogs.savePath = Scratch(QString::fromLatin1(name));
        frmSave report(calculation, dialogs);
        report.show();
        Child<QPushButton>(&report, "cmdSave")->click();
        return FileBytes(dialogs.savePath);
    };
    const QByteArray exact = saveRecord(TimeWindow::Exact(), "exact.moo");
    const QByteArray hour = saveRecord(TimeWindow::PlusMinus(60), "hour.moo");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(exact, QByteArray::fromStdString(EncodeRecordFile(Birth(kBeforeTheChange))));
    EXPECT_EQ(exact.count("\r\n"), 15);
    EXPECT_EQ(hour.count("\r\n"), 16);
    EXPECT_TRUE(hour.startsWith(exact));

    const struct {
        const char* file;
        int shownBefore;
        TimeWindow reopened;
    } cases[] = {{"hour.moo", kNotKnown, TimeWindow::PlusMinus(60)}, {"exact.moo", kNotKnown, TimeWindow::Exact()}};
    for (const auto& c : cases) {
        auto* window = new frmMain(dialogs);
        window->show();
        Child<QComboBox>(window, "cboTimeKnown")->setCurrentIndex(c.shownBefore);
        dialogs.openPath = Scratch(QString::fromLatin1(c.file));
        window->OpenBirthRecord();
        EXPECT_TRUE(dialogs.messages.empty()) << c.file;
        const QList<frmResult*> results = ShownWindows<frmResult>();
        ASSERT_EQ(results.size(), 1) << c.file;
        EXPECT_EQ(results[0]->calculation().timeKnown, c.reopened) << c.file;
        results[0]->close();
        RunDeferredDeletes();
    }
}

TEST_F(TimeKnown, BackBringsAnExactTimeAgain) {
    frmResult* result = Calculate(kBeforeTheChange, kWithin1Hour);
    ASSERT_NE(result, nullptr);
    Child<QPushButton>(result, "cmdBack")->click();
    RunDeferredDeletes();
    const QList<frmMain*> mains = ShownWindows<frmMain>();
    ASSERT_EQ(mains.size(), 1);
    main = mains[0];
    EXPECT_EQ(Child<QComboBox>(main, "cboTimeKnown")->currentIndex(), kExactly);

    // And the next calculation from it is exact, with no block.
    EnterBirth(main, kBeforeTheChange);
    result = FindMoonSign(main);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->calculation().TimeIsExact());
    EXPECT_FALSE(BlockShown(result));
}

// --- The block on light and dark themes --------------------------------------

class BlockOnTheme : public WindowTest, public ::testing::WithParamInterface<ThemeCase> {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setPalette(GetParam().palette());
    }
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setPalette(saved_);
    }

    // The block as drawn on a result window for `calculation`.
    Drawn Block(const Calculation& calculation) {
        auto* result = new frmResult(calculation, dialogs);
        result->show();
        EXPECT_TRUE(ShownIn(result, "fraTimeWindow"));
        window = result->palette().color(QPalette::Window);
        return Measure(Child<QFrame>(result, "fraTimeWindow"));
    }

    QColor window;

private:
    QPalette saved_;
};

// Certain and uncertain look different, and both stay readable and on the
// theme's side, so that a pale box never glares on a dark window.
TEST_P(BlockOnTheme, ReadableAndTellsCertainFromUncertain) {
    const Drawn certain = Block(CalculationOf(Birth(kQuietMorning), TimeWindow::PlusMinus(60)));
    const Drawn uncertain = Block(CalculationOf(Birth(kBeforeTheChange), TimeWindow::WholeDay()));
    for (const Drawn& block : {certain, uncertain}) {
        EXPECT_GE(ContrastRatio(block.text, block.background), kMinimumTextContrast);
        EXPECT_NE(block.background, window);
        EXPECT_EQ(IsDark(block.background), IsDark(window));
    }
    EXPECT_NE(certain.background, uncertain.background);
    // Good news in blue, a warning in amber, whichever the theme.
    EXPECT_GT(certain.background.blue(), certain.background.red()) << certain.background.name().toStdString();
    EXPECT_GT(uncertain.background.red(), uncertain.background.blue()) << uncertain.background.name().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Themes, BlockOnTheme,
                         ::testing::Values(ThemeCase{"Light", LightPalette}, ThemeCase{"Dark", DarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
