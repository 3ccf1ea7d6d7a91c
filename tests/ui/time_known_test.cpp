// A birth time known only roughly, or not at all: the main window's "Time
// known" choice, carried by the calculate command to the result window's
// block of possible signs, and kept out of the record file.
#include "ui/frm_main.h"

#include "app/program_state.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "theme_support.h"
#include "ui/contrast.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>

namespace nyra {
namespace {

using namespace theme_test;
using report_test::MessageRecorder;
using report_test::SaveDialogStub;

// WCAG's level AA for normal text.

// The list's entries by position, as the user sees them.
enum Choice { kExactly, kWithin15Min, kWithin1Hour, kWithin2Hours, kNotKnown };

struct Birth {
    int year, month, day, hour, minute;
};

// At Greenwich, zone 0, the Moon entered Thula on 30 Dec 1999 at 21:37 and
// left it for Vrischika on 2 Jan 2000 at 09:08.
constexpr Birth kQuietMorning{2000, 1, 1, 6, 0};
constexpr Birth kJ2000Noon{2000, 1, 1, 12, 0};
constexpr Birth kBeforeTheChange{2000, 1, 2, 8, 0};
constexpr Birth kJustBeforeTheChange{2000, 1, 2, 9, 0};
constexpr Birth kAfterTheChange{2000, 1, 2, 10, 0};

template <class T>
QList<T*> Shown() {
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) found.append(t);
    return found;
}

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class TimeKnown : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Program();
        Program() = ProgramState{};
        main = new frmMain;
        main->show();
    }

    void TearDown() override {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        qDeleteAll(windows);
        Program() = saved_;
    }

    template <class T>
    static T* In(QWidget* window, const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // The whole entry at Greenwich, then the choice, then the calculate
    // button; the result window it opened.
    frmResult* Calculate(const Birth& when, Choice choice) {
        In<QLineEdit>(main, "txtName")->setText(QStringLiteral("Asha"));
        In<QComboBox>(main, "cboYear")->setCurrentText(QString::number(when.year));
        In<QComboBox>(main, "cboMonth")->setCurrentIndex(when.month - 1);
        In<QComboBox>(main, "cboDate")->setCurrentText(QString::number(when.day));
        In<QComboBox>(main, "cboHH")->setCurrentText(QString::number(when.hour));
        In<QComboBox>(main, "cboMM")->setCurrentText(QString::number(when.minute));
        for (const char* box : {"txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM"})
            In<QLineEdit>(main, box)->setText(QStringLiteral("0"));
        In<QComboBox>(main, "cboTimeKnown")->setCurrentIndex(choice);
        In<QPushButton>(main, "cmdRashi")->click();
        EXPECT_TRUE(messages.shown.empty());
        const QList<frmResult*> results = Shown<frmResult>();
        EXPECT_EQ(results.size(), 1);
        return results.value(0);
    }

    // Another calculation from a fresh main window, the first result gone.
    frmResult* Recalculate(const Birth& when, Choice choice) {
        for (frmResult* result : Shown<frmResult>()) result->close();
        RunDeferredDeletes();
        main = new frmMain;
        main->show();
        return Calculate(when, choice);
    }

    static std::string Text(frmResult* result, const char* label) {
        return In<QLabel>(result, label)->text().toStdString();
    }
    static bool BlockShown(frmResult* result) { return In<QFrame>(result, "fraTimeWindow")->isVisibleTo(result); }

    QPointer<frmMain> main;
    MessageRecorder messages;

private:
    ProgramState saved_;
};

TEST_F(TimeKnown, ChoiceBesideTheTimeStartsAtExactly) {
    auto* list = In<QComboBox>(main, "cboTimeKnown");
    const char* const entries[] = {"exactly", "within 15 min", "within 1 hour", "within 2 hours", "not known"};
    ASSERT_EQ(list->count(), static_cast<int>(std::size(entries)));
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->itemText(i).toStdString(), entries[i]) << i;
    EXPECT_EQ(list->currentIndex(), kExactly);
    EXPECT_FALSE(list->isEditable());

    auto* label = In<QLabel>(main, "lblTimeKnown");
    EXPECT_EQ(label->text().toStdString(), "Time known:");
    EXPECT_EQ(label->buddy(), list);
    // One sentence.
    const QString tip = list->toolTip();
    EXPECT_TRUE(tip.endsWith(u'.')) << tip.toStdString();
    EXPECT_EQ(tip.count(u'.'), 1) << tip.toStdString();

    // Beside the time of birth: on the hour list's line, after it.
    auto* hours = In<QComboBox>(main, "cboHH");
    const QRect hourBox(hours->mapTo(main, QPoint(0, 0)), hours->size());
    const QRect choiceBox(list->mapTo(main, QPoint(0, 0)), list->size());
    EXPECT_GT(choiceBox.left(), hourBox.right());
    EXPECT_LT(choiceBox.top(), hourBox.bottom());
    EXPECT_GT(choiceBox.bottom(), hourBox.top());
}

TEST_F(TimeKnown, ExactTimeShowsNoBlockAndComputesAsAlways) {
    frmResult* result = Calculate(kBeforeTheChange, kExactly);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Program().timeWindow, TimeWindow::Exact());
    EXPECT_FALSE(BlockShown(result));
    EXPECT_EQ(Text(result, "lblTimeWindow"), "");
    EXPECT_EQ(Text(result, "lblVedicName"), "Thula");
    EXPECT_EQ(In<QTabWidget>(result, "SST")->currentIndex(), 0);
}

// The choice changes nothing the calculation computes: the same birth, chart
// and description, and the tabs still describe the sign at the time entered.
TEST_F(TimeKnown, TabsDescribeTheSignAtTheTimeEntered) {
    Calculate(kAfterTheChange, kExactly);
    const ProgramState exact = Program();
    frmResult* result = Recalculate(kAfterTheChange, kWithin2Hours);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Program().birth, exact.birth);
    EXPECT_EQ(Program().chart.MoonLongitude, exact.chart.MoonLongitude);
    EXPECT_EQ(Program().description.VedicName, "Vrischika");
    EXPECT_EQ(Text(result, "lblVedicName"), "Vrischika");
    EXPECT_EQ(In<QLineEdit>(result, "txtEnglishName")->text().toStdString(), exact.description.EnglishName);
    EXPECT_EQ(In<QTabWidget>(result, "SST")->tabText(6).toStdString(), "Lucky for Vrischika");
}

struct WindowCase {
    const char* name;
    Birth birth;
    Choice choice;
    TimeWindow carried;
    const char* heading;
    const char* text;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class PossibleSigns : public TimeKnown, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(PossibleSigns, BlockAboveTheTabs) {
    frmResult* result = Calculate(GetParam().birth, GetParam().choice);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Program().timeWindow, GetParam().carried);
    ASSERT_TRUE(BlockShown(result));
    EXPECT_EQ(Text(result, "lblTimeWindowHeading"), GetParam().heading);
    EXPECT_EQ(Text(result, "lblTimeWindow"), GetParam().text);

    auto* block = In<QWidget>(result, "fraTimeWindow");
    auto* tabs = In<QTabWidget>(result, "SST");
    EXPECT_FALSE(tabs->isAncestorOf(block));
    const int blockBottom = block->mapTo(result, QPoint(0, block->height())).y();
    EXPECT_LE(blockBottom, tabs->mapTo(result, QPoint(0, 0)).y());
    EXPECT_GE(block->mapTo(result, QPoint(0, 0)).y(),
              In<QLabel>(result, "lblVedicName")->mapTo(result, QPoint(0, 0)).y());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PossibleSigns,
    ::testing::Values(
        WindowCase{"WithinAnHourInsideOneSign", kQuietMorning, kWithin1Hour, {false, 60},
                   "Time known within 1 hour of 06:00",
                   "The Moon stayed in Thula all through that window, so your Moon sign is certain."},
        // 06:00 to 10:00: 188 minutes of Thula, 52 of Vrischika.
        WindowCase{"WithinTwoHoursAcrossTheChange", kBeforeTheChange, kWithin2Hours, {false, 120},
                   "Time known within 2 hours of 08:00",
                   "Your birth time is not exact. Between 06:00 and 10:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 78%, Vrischika 22%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 08:00."},
        // 08:45 to 09:15: 23 minutes of Thula, 7 of Vrischika.
        WindowCase{"WithinFifteenMinutesAcrossTheChange", kJustBeforeTheChange, kWithin15Min, {false, 15},
                   "Time known within 15 min of 09:00",
                   "Your birth time is not exact. Between 08:45 and 09:15 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 77%, Vrischika 23%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 09:00."},
        // Entered after the change: the tabs describe the later sign.
        WindowCase{"AfterTheChangeTheTabsFollowTheLaterSign", kAfterTheChange, kWithin2Hours, {false, 120},
                   "Time known within 2 hours of 10:00",
                   "Your birth time is not exact. Between 08:00 and 12:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 28%, Vrischika 72%.\n"
                   "The descriptions below are for Vrischika, the Moon sign at the time entered, 10:00."},
        // The whole local day, whatever the time entered: 548 minutes of
        // Thula, 892 of Vrischika.
        WindowCase{"NotKnownTakesTheWholeDay", kBeforeTheChange, kNotKnown, {true, 0},
                   "Time not known: the whole day of birth",
                   "Your birth time is not known. Between 00:00 and 24:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 38%, Vrischika 62%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 08:00."},
        WindowCase{"NotKnownOnADayInsideOneSign", kJ2000Noon, kNotKnown, {true, 0},
                   "Time not known: the whole day of birth",
                   "The Moon stayed in Thula all through that day, so your Moon sign is certain."}),
    [](const auto& info) { return std::string(info.param.name); });

// The record holds the birth data only: a result from an unknown time saves
// the very bytes an exact one does, in the file's 15 lines.
TEST_F(TimeKnown, ChoiceNeverReachesTheRecordFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto saveRecord = [&folder](const char* name) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        SaveDialogStub dialog(path);
        frmSave report;
        report.show();
        report.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };

    Calculate(kBeforeTheChange, kNotKnown);
    ASSERT_EQ(Program().timeWindow, TimeWindow::WholeDay());
    const QByteArray unknown = saveRecord("unknown.moo");
    Recalculate(kBeforeTheChange, kExactly);
    const QByteArray exact = saveRecord("exact.moo");

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(exact.isEmpty());
    EXPECT_EQ(unknown, exact);
    EXPECT_EQ(exact.count("\r\n"), 15);
}

// A record knows nothing of the choice; opening one calculates at once with
// the choice the user can see beside the time.
TEST_F(TimeKnown, OpeningARecordKeepsTheChoiceOnScreen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    BirthRecord record;
    record.BirthName = "Asha";
    record.BirthYear = 2000;
    record.BirthMonth = 1;
    record.BirthDay = 2;
    record.BirthHour = 8;
    const QString path = folder.filePath(QStringLiteral("asha.moo"));
    ASSERT_TRUE(WriteBirthRecord(QFile::encodeName(path).toStdString(), record).ok());

    In<QComboBox>(main, "cboTimeKnown")->setCurrentIndex(kNotKnown);
    const frmMain::OpenPathHandler previous = frmMain::SetOpenPathHandler([path](QWidget*) { return path; });
    main->OpenBirthRecord();
    frmMain::SetOpenPathHandler(previous);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Program().birth, record);
    EXPECT_EQ(Program().timeWindow, TimeWindow::WholeDay());
    const QList<frmResult*> results = Shown<frmResult>();
    ASSERT_EQ(results.size(), 1);
    EXPECT_TRUE(BlockShown(results[0]));
    EXPECT_EQ(Text(results[0], "lblTimeWindowHeading"), "Time not known: the whole day of birth");
}

TEST_F(TimeKnown, BackBringsAnExactTimeAgain) {
    frmResult* result = Calculate(kBeforeTheChange, kWithin1Hour);
    ASSERT_NE(result, nullptr);
    In<QPushButton>(result, "cmdBack")->click();
    RunDeferredDeletes();
    const QList<frmMain*> mains = Shown<frmMain>();
    ASSERT_EQ(mains.size(), 1);
    main = mains[0];
    EXPECT_EQ(In<QComboBox>(main, "cboTimeKnown")->currentIndex(), kExactly);

    // And the next calculation from it is exact, with no block.
    result = Calculate(kBeforeTheChange, kExactly);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Program().timeWindow, TimeWindow::Exact());
    EXPECT_FALSE(BlockShown(result));
}

// --- The block on light and dark themes --------------------------------------

class BlockOnTheme : public TimeKnown, public ::testing::WithParamInterface<ThemeCase> {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setPalette(GetParam().palette());
        TimeKnown::SetUp();
    }
    void TearDown() override {
        TimeKnown::TearDown();
        QApplication::setPalette(saved_);
    }

private:
    QPalette saved_;
};

// Certain and uncertain look different, and both stay readable and on the
// theme's side, so that a pale box never glares on a dark window.
TEST_P(BlockOnTheme, ReadableAndTellsCertainFromUncertain) {
    frmResult* result = Calculate(kQuietMorning, kWithin1Hour);
    ASSERT_NE(result, nullptr);
    const Drawn certain = Measure(In<QFrame>(result, "fraTimeWindow"));
    result = Recalculate(kBeforeTheChange, kNotKnown);
    ASSERT_NE(result, nullptr);
    const Drawn uncertain = Measure(In<QFrame>(result, "fraTimeWindow"));

    const QColor window = result->palette().color(QPalette::Window);
    for (const Drawn& block : {certain, uncertain}) {
        EXPECT_GE(ContrastRatio(block.text, block.background), kMinimumTextContrast);
        EXPECT_NE(block.background, window);
        EXPECT_EQ(IsDark(block.background), IsDark(window));
    }
    EXPECT_NE(certain.background, uncertain.background);
}

INSTANTIATE_TEST_SUITE_P(Themes, BlockOnTheme,
                         ::testing::Values(ThemeCase{"Light", LightPalette}, ThemeCase{"Dark", DarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nyra
