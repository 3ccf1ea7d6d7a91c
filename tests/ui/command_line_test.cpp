// The desktop program started from outside, as a desktop entry or a shell
// starts it: a record named on its command line, also for a copy already
// running, --help and --version.
#include "engine/ephemeris.h"
#include "record/record_file.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace nyra::test {
namespace {

// Generous bounds for a loaded machine: they only keep a broken build from
// hanging the suite, they are not what the tests check.
constexpr int kProcessDeadlineMs = 60000;
// How long a program that has shown a message is watched for closing its
// main window or ending by itself. Not a speed figure: a fault shows at
// once, and a slow machine can only make the check miss it, never fail it.
constexpr int kSettleMs = 500;

BirthRecord Asha() {
    BirthRecord r;
    r.BirthName = "Asha";
    r.BirthMonth = 8;
    r.BirthDay = 15;
    r.BirthYear = 1947;
    r.LonDegrees = 77;
    r.LonMinutes = 13;
    r.LonIsEast = kTrue;
    r.LatDegrees = 28;
    r.LatMinutes = 36;
    r.ZoneHours = 5;
    r.ZoneMinutes = 30;
    return r;
}

// The window trace's line for the result window of `record`.
QString ResultLine(const BirthRecord& record) {
    return QStringLiteral("shown frmResult: %1 (%2)")
        .arg(QString::fromStdString(ComputeMoonChart(record).RashiName), QString::fromStdString(record.BirthName));
}

// Offscreen: windows without a screen. None: as over ssh or on a console,
// where the window system cannot be reached at all.
enum class Display { Offscreen, None };

// One run of the real program, without a screen and with its own runtime
// folder, so it meets no other copy but those of the test. Messages and the
// windows it shows come as lines on its stderr.
class RunningCopy {
public:
    RunningCopy(const QString& runtimeFolder, const QString& workingFolder, Display display,
                const QString& locale = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!locale.isEmpty()) environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (display == Display::None) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        // The user's own settings stay out of the test, and the test out of them.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtimeFolder);
        environment.insert(QStringLiteral("NYRA_MESSAGES_TO_STDERR"), QStringLiteral("1"));
        environment.insert(QStringLiteral("NYRA_WINDOWS_TO_STDERR"), QStringLiteral("1"));
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(workingFolder);
    }

    ~RunningCopy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kProcessDeadlineMs);
        }
    }

    void OutputTo(const QString& file) { process_.setStandardOutputFile(file); }

    bool Start(const QStringList& arguments) {
        process_.start(QStringLiteral(NYRA_DESKTOP_EXE), arguments);
        return process_.waitForStarted(kProcessDeadlineMs);
    }

    // Waits for a line of stderr; false when the program ends or the deadline
    // passes first.
    bool WaitForLine(const QString& line) {
        for (int waited = 0; waited < kProcessDeadlineMs; waited += 20) {
            if (Lines().contains(line)) return true;
            if (process_.state() == QProcess::NotRunning) return false;
            process_.waitForReadyRead(20);
        }
        return false;
    }

    // Runs to the end; false when it does not end by itself.
    bool Finish() {
        if (process_.waitForFinished(kProcessDeadlineMs)) return true;
        process_.kill();
        process_.waitForFinished(kProcessDeadlineMs);
        return false;
    }

    void Settle() { QTest::qWait(kSettleMs); }

    bool Running() const { return process_.state() == QProcess::Running; }
    int ExitCode() const { return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1; }
    QString Output() { return output_ += QString::fromUtf8(process_.readAllStandardOutput()); }
    QString Errors() { return errors_ += QString::fromUtf8(process_.readAllStandardError()); }
    QStringList Lines() { return Errors().split(QLatin1Char('\n')); }
    // The window lines of the trace, in order ("shown frmMain", ...).
    QStringList WindowLines() {
        QStringList lines = Lines();
        lines.removeIf([](const QString& l) { return !l.startsWith("shown ") && !l.startsWith("hidden "); });
        return lines;
    }

private:
    QProcess process_;
    QString output_;
    QString errors_;
};

class CommandLine : public WindowTest {
protected:
    // A record in a folder whose name has a blank and a non-ASCII letter, as
    // users' folders have.
    QString WriteRecordFile(const BirthRecord& record, const QString& name) {
        const QString folder = Scratch(QStringLiteral("Birth r\u00E9cords"));
        if (!QDir().mkpath(folder)) return {};
        return WriteRecord(QDir(folder).filePath(name), record);
    }

    std::unique_ptr<RunningCopy> Start(const QStringList& arguments, Display display = Display::Offscreen,
                                       const QString& locale = {}) {
        auto program = std::make_unique<RunningCopy>(ScratchFolder(), ScratchFolder(), display, locale);
        if (!program->Start(arguments)) return nullptr;
        return program;
    }
};

// What the file names the record by: each must reach the same file.
struct NamingRow {
    const char* name;
    std::function<QString(const QString& path, const QString& workingFolder)> argument;
};

void PrintTo(const NamingRow& row, std::ostream* os) { *os << row.name; }

class RecordOnCommandLine : public CommandLine, public ::testing::WithParamInterface<NamingRow> {};

TEST_P(RecordOnCommandLine, OpensTheResultOfThatRecord) {
    const BirthRecord zoe = Zoe();
    const QString path = WriteRecordFile(zoe, QStringLiteral("zo\u00EB.moo"));
    ASSERT_FALSE(path.isEmpty());
    auto program = Start({GetParam().argument(path, ScratchFolder())});
    ASSERT_NE(program, nullptr);

    EXPECT_TRUE(program->WaitForLine(ResultLine(zoe))) << program->Errors().toStdString();
    EXPECT_TRUE(program->Running());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Naming, RecordOnCommandLine,
    ::testing::Values(
        NamingRow{"AbsolutePath", [](const QString& path, const QString&) { return path; }},
        NamingRow{"RelativeToTheCurrentFolder",
                  [](const QString& path, const QString& folder) { return QDir(folder).relativeFilePath(path); }},
        NamingRow{"FileAddress",
                  [](const QString& path, const QString&) { return QUrl::fromLocalFile(path).toString(); }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A file the open command refuses: the argument as given, and the file (if
// any) to make first, relative to the working folder.
struct BadFileRow {
    const char* name;
    const char* argument;
    enum { Nothing, Record, Folder, Text } make;
};

void PrintTo(const BadFileRow& row, std::ostream* os) { *os << row.name; }

class BadRecordOnCommandLine : public CommandLine, public ::testing::WithParamInterface<BadFileRow> {
protected:
    // The message the main window's open command gives for the same file,
    // chosen in its dialog, which hands over an absolute path.
    QString OpenCommandMessage(const QString& absolutePath) {
        dialogs.openPath = absolutePath;
        static_cast<frmMain*>(Open(kMainWindow))->OpenBirthRecord();
        return dialogs.messages.size() == 1 ? dialogs.messages[0].text : QString();
    }
};

TEST_P(BadRecordOnCommandLine, SaysWhatTheOpenCommandSaysAndKeepsTheMainWindow) {
    const BadFileRow& row = GetParam();
    const QString argument = QString::fromUtf8(row.argument);
    const QString path = QDir(ScratchFolder()).absoluteFilePath(argument);
    switch (row.make) {
    case BadFileRow::Nothing: break;
    case BadFileRow::Record: WriteRecord(path, Zoe()); break;
    case BadFileRow::Folder: ASSERT_TRUE(QDir().mkpath(path)); break;
    case BadFileRow::Text: WriteFile(path, "not a birth record\n"); break;
    }
    const QString message = OpenCommandMessage(path);
    ASSERT_FALSE(message.isEmpty()) << "the open command itself accepted the file";

    auto program = Start({argument});
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(program->WaitForLine(message)) << program->Errors().toStdString();
    program->Settle();
    EXPECT_TRUE(program->Running()) << program->Errors().toStdString();
    EXPECT_EQ(program->WindowLines(), QStringList{QStringLiteral("shown frmMain")}) << program->Errors().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, BadRecordOnCommandLine,
    ::testing::Values(BadFileRow{"UpperCaseExtension", "zoe.MOO", BadFileRow::Record},
                      BadFileRow{"Missing", "missing.moo", BadFileRow::Nothing},
                      BadFileRow{"Folder", "folder.moo", BadFileRow::Folder},
                      BadFileRow{"NotARecord", "notes.moo", BadFileRow::Text}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Arguments answered on the terminal without any window, and without the
// window system: no display is reachable.
struct UsageRow {
    const char* name;
    QStringList arguments;
    int exitCode;
    bool onStdout;
    const char* text;  // Part of the answer; a mistake is followed by the usage.
    const char* locale = "C";
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class CommandLineUsage : public CommandLine, public ::testing::WithParamInterface<UsageRow> {};

constexpr const char* kUsageLine = "Usage: nyra-moonsign [options] [FILE.moo]\n";

TEST_P(CommandLineUsage, AnswersWithoutTheWindowSystem) {
    const UsageRow& row = GetParam();
    auto program = Start(row.arguments, Display::None, QString::fromLatin1(row.locale));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(program->Finish()) << "it kept running";
    EXPECT_EQ(program->ExitCode(), row.exitCode) << program->Errors().toStdString();
    const QString answer = row.onStdout ? program->Output() : program->Errors();
    EXPECT_TRUE(answer.contains(QString::fromUtf8(row.text))) << answer.toStdString();
    if (row.exitCode != 0 && QLatin1String(row.locale) == "C") {
        EXPECT_TRUE(answer.contains(QString::fromUtf8(kUsageLine))) << answer.toStdString();
    }
    EXPECT_TRUE(program->WindowLines().isEmpty()) << program->Errors().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineUsage,
    ::testing::Values(
        UsageRow{"Version", {"--version"}, 0, true, "nyra-moonsign " NYRA_VERSION "\n"},
        UsageRow{"Help", {"--help"}, 0, true, kUsageLine},
        UsageRow{"HelpWithQtsOptions", {"--help-all"}, 0, true, "--platform <name[:options]>"},
        UsageRow{"QtsOwnOptions", {"-platform", "offscreen", "-style", "fusion", "-v"}, 0, true,
                 "nyra-moonsign " NYRA_VERSION "\n"},
        UsageRow{"TwoFiles", {"a.moo", "b.moo"}, 1, false,
                 "nyra-moonsign: only one record file can be opened at a time\n"},
        UsageRow{"UnknownOption", {"--calculate"}, 1, false, "nyra-moonsign: Unknown option 'calculate'."},
        UsageRow{"MissingValue", {"a.moo", "-platform"}, 1, false, "Missing value after '-platform'."},
        UsageRow{"HelpInTheLocalesLanguage", {"--help"}, 0, true, "उपयोग: nyra-moonsign [विकल्प] [FILE.moo]\n", "hi_IN.UTF-8"},
        UsageRow{"MistakeInTheLocalesLanguage", {"a.moo", "b.moo"}, 1, false, "nyra-moonsign: एक बार में केवल एक रिकॉर्ड फ़ाइल खोली जा सकती है\n\nउपयोग: ", "hi_IN.UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// An answer that never reached its reader is no success, and says why.
TEST_F(CommandLine, AnAnswerIntoAFullDiskFails) {
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
        RunningCopy program(ScratchFolder(), ScratchFolder(), Display::None);
        program.OutputTo(QStringLiteral("/dev/full"));
        ASSERT_TRUE(program.Start({option}));
        ASSERT_TRUE(program.Finish());
        EXPECT_EQ(program.ExitCode(), 1) << option.toStdString();
        EXPECT_EQ(program.Errors(), QStringLiteral("nyra-moonsign: cannot write output: No space left on device\n"));
    }
}

class SecondStart : public CommandLine {
protected:
    // A first copy, showing the result of `record` when there is one, else
    // its main window.
    std::unique_ptr<RunningCopy> StartFirst(const std::optional<BirthRecord>& record) {
        const QString path = record ? WriteRecordFile(*record, QStringLiteral("first.moo")) : QString();
        auto first = Start(record ? QStringList{path} : QStringList{});
        if (!first) return nullptr;
        if (!first->WaitForLine(record ? ResultLine(*record) : QStringLiteral("shown frmMain"))) {
            ADD_FAILURE() << first->Errors().toStdString();
            return nullptr;
        }
        return first;
    }

    // A second start handing `argument` over: it ends at once and quietly.
    void HandOver(const QString& argument) {
        auto second = Start({argument});
        ASSERT_NE(second, nullptr);
        ASSERT_TRUE(second->Finish()) << "the second copy kept running";
        EXPECT_EQ(second->ExitCode(), 0) << second->Errors().toStdString();
        EXPECT_EQ(second->Errors(), QString());
    }
};

TEST_F(SecondStart, HandsItsRecordToTheMainWindow) {
    auto first = StartFirst(std::nullopt);
    ASSERT_NE(first, nullptr);
    HandOver(WriteRecordFile(Zoe(), QStringLiteral("zoe.moo")));
    EXPECT_TRUE(first->WaitForLine(ResultLine(Zoe()))) << first->Errors().toStdString();
    first->Settle();
    EXPECT_EQ(first->WindowLines(), (QStringList{"shown frmMain", ResultLine(Zoe()), "hidden frmMain"}));
}

TEST_F(SecondStart, HandsItsRecordToTheResultWindow) {
    auto first = StartFirst(Asha());
    ASSERT_NE(first, nullptr);
    // As typed in a shell, relative to the second start's folder.
    const QString zoe = WriteRecordFile(Zoe(), QStringLiteral("zoe.moo"));
    HandOver(QDir(ScratchFolder()).relativeFilePath(zoe));
    EXPECT_TRUE(first->WaitForLine(QStringLiteral("hidden frmResult"))) << first->Errors().toStdString();
    first->Settle();
    EXPECT_EQ(first->WindowLines(), (QStringList{"shown frmMain", ResultLine(Asha()), "hidden frmMain",
                                                 ResultLine(Zoe()), "hidden frmResult"}));
    EXPECT_TRUE(first->Running());
}

TEST_F(SecondStart, AnUnusableRecordLeavesTheResultWindowWithTheMessage) {
    auto first = StartFirst(Asha());
    ASSERT_NE(first, nullptr);
    const QString missing = QDir(ScratchFolder()).filePath(QStringLiteral("missing.moo"));
    HandOver(missing);
    EXPECT_TRUE(first->WaitForLine(
        QStringLiteral("Could not open \"%1\": No such file or directory.").arg(QDir::toNativeSeparators(missing))))
        << first->Errors().toStdString();
    first->Settle();
    EXPECT_EQ(first->WindowLines(), (QStringList{"shown frmMain", ResultLine(Asha()), "hidden frmMain"}));
    EXPECT_TRUE(first->Running());
}

}  // namespace
}  // namespace nyra::test
