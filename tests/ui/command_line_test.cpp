// The desktop program started from outside, as a desktop entry or a shell
// starts it: a record named on its command line, --help and --version.
#include "engine/ephemeris.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"

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

namespace nyra {
namespace {

// Generous bounds for a loaded machine: they only keep a broken build from
// hanging the suite, they are not what the tests check.
constexpr int kProcessDeadlineMs = 60000;
// How long a program that has shown a message is watched for closing its
// main window or ending by itself. Not a speed figure: a fault shows at
// once, and a slow machine can only make the check miss it, never fail it.
constexpr int kSettleMs = 500;

BirthRecord Zoe() {
    BirthRecord r;
    r.BirthName = "Zo\u00EB";
    r.BirthMonth = 2;
    r.BirthDay = 29;
    r.BirthYear = 1904;
    r.BirthHour = 23;
    r.BirthMinute = 59;
    r.LonDegrees = 151;
    r.LonMinutes = 12;
    r.LonIsEast = kTrue;
    r.LatDegrees = 33;
    r.LatMinutes = 52;
    r.LatIsSouth = kTrue;
    r.ZoneHours = 10;
    return r;
}

// One run of the real program, without a screen and with its own runtime
// folder, so it meets no other copy but those of the test. Messages and the
// windows it shows come as lines on its stderr.
class RunningCopy {
public:
    RunningCopy(const QString& runtimeFolder, const QString& workingFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
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

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime_.isValid());
        ASSERT_TRUE(files_.isValid());
    }

    // A record in a folder whose name has a blank and a non-ASCII letter, as
    // users' folders have.
    QString WriteRecord(const BirthRecord& record, const QString& name) {
        const QString folder = files_.filePath(QStringLiteral("Birth r\u00E9cords"));
        if (!QDir().mkpath(folder)) return {};
        const QString path = QDir(folder).filePath(name);
        if (!WriteBirthRecord(QFile::encodeName(path).toStdString(), record).ok()) return {};
        return path;
    }

    std::unique_ptr<RunningCopy> Start(const QStringList& arguments) {
        auto program = std::make_unique<RunningCopy>(runtime_.path(), files_.path());
        if (!program->Start(arguments)) return nullptr;
        return program;
    }

    QTemporaryDir runtime_;
    QTemporaryDir files_;
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
    const QString path = WriteRecord(zoe, QStringLiteral("zo\u00EB.moo"));
    ASSERT_FALSE(path.isEmpty());
    auto program = Start({GetParam().argument(path, files_.path())});
    ASSERT_NE(program, nullptr);

    const QString expected = QStringLiteral("shown frmResult: %1 (%2)")
                                 .arg(QString::fromStdString(ComputeMoonChart(zoe).RashiName),
                                      QString::fromStdString(zoe.BirthName));
    EXPECT_TRUE(program->WaitForLine(expected)) << program->Errors().toStdString();
    EXPECT_TRUE(program->Running());
}

INSTANTIATE_TEST_SUITE_P(
    Naming, RecordOnCommandLine,
    ::testing::Values(
        NamingRow{"AbsolutePath", [](const QString& path, const QString&) { return path; }},
        NamingRow{"RelativeToTheCurrentFolder",
                  [](const QString& path, const QString& folder) { return QDir(folder).relativeFilePath(path); }},
        NamingRow{"FileAddress",
                  [](const QString& path, const QString&) { return QUrl::fromLocalFile(path).toString(); }}),
    [](const auto& info) { return std::string(info.param.name); });

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
        report_test::MessageRecorder messages;
        auto* window = new frmMain;
        window->show();
        const auto previous = frmMain::SetOpenPathHandler([&](QWidget*) { return absolutePath; });
        window->OpenBirthRecord();
        frmMain::SetOpenPathHandler(previous);
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        qDeleteAll(windows);
        return messages.shown.size() == 1 ? messages.shown[0].text : QString();
    }
};

TEST_P(BadRecordOnCommandLine, SaysWhatTheOpenCommandSaysAndKeepsTheMainWindow) {
    const BadFileRow& row = GetParam();
    const QString argument = QString::fromUtf8(row.argument);
    const QString path = QDir(files_.path()).absoluteFilePath(argument);
    switch (row.make) {
    case BadFileRow::Nothing: break;
    case BadFileRow::Record:
        ASSERT_TRUE(WriteBirthRecord(QFile::encodeName(path).toStdString(), Zoe()).ok());
        break;
    case BadFileRow::Folder: ASSERT_TRUE(QDir().mkpath(path)); break;
    case BadFileRow::Text: {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_GT(file.write("not a birth record\n"), 0);
        break;
    }
    }
    const QString message = OpenCommandMessage(path);
    ASSERT_FALSE(message.isEmpty()) << "the open command itself accepted the file";

    auto program = Start({argument});
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(program->WaitForLine(message)) << program->Errors().toStdString();
    program->Settle();
    EXPECT_TRUE(program->Running()) << program->Errors().toStdString();
    EXPECT_EQ(program->WindowLines(), QStringList{QStringLiteral("shown frmMain")})
        << program->Errors().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadRecordOnCommandLine,
    ::testing::Values(BadFileRow{"UpperCaseExtension", "zoe.MOO", BadFileRow::Record},
                      BadFileRow{"Missing", "missing.moo", BadFileRow::Nothing},
                      BadFileRow{"Folder", "folder.moo", BadFileRow::Folder},
                      BadFileRow{"NotARecord", "notes.moo", BadFileRow::Text}),
    [](const auto& info) { return std::string(info.param.name); });

// Arguments answered on the terminal without any window.
struct UsageRow {
    const char* name;
    QStringList arguments;
    int exitCode;
    bool onStdout;
    const char* text;  // Part of the answer.
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class CommandLineUsage : public CommandLine, public ::testing::WithParamInterface<UsageRow> {};

TEST_P(CommandLineUsage, AnswersWithoutOpeningAWindow) {
    const UsageRow& row = GetParam();
    auto program = Start(row.arguments);
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(program->Finish()) << "it kept running";
    EXPECT_EQ(program->ExitCode(), row.exitCode);
    const QString answer = row.onStdout ? program->Output() : program->Errors();
    EXPECT_TRUE(answer.contains(QString::fromUtf8(row.text))) << answer.toStdString();
    EXPECT_TRUE(program->WindowLines().isEmpty()) << program->Errors().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineUsage,
    ::testing::Values(
        UsageRow{"Version", {"--version"}, 0, true, "nyra-moonsign " NYRA_VERSION "\n"},
        UsageRow{"Help", {"--help"}, 0, true, " [options] [FILE.moo]\n"},
        UsageRow{"TwoFiles", {"a.moo", "b.moo"}, 1, false,
                 "nyra-moonsign: only one record file can be opened at a time\n"},
        UsageRow{"UnknownOption", {"--calculate"}, 1, false, "Unknown option 'calculate'."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLine, ARecordForASecondCopyMeetsTheRunningOne) {
    auto first = Start({});
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->WaitForLine(QStringLiteral("shown frmMain"))) << first->Errors().toStdString();

    const QString path = WriteRecord(Zoe(), QStringLiteral("zoe.moo"));
    ASSERT_FALSE(path.isEmpty());
    auto second = Start({path});
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->Finish()) << "the second copy kept running";
    EXPECT_EQ(second->ExitCode(), 0);
    EXPECT_TRUE(second->Lines().contains(QStringLiteral("Application is already running")))
        << second->Errors().toStdString();
    EXPECT_TRUE(second->WindowLines().isEmpty()) << second->Errors().toStdString();
    EXPECT_TRUE(first->Running());
}

} // namespace
} // namespace nyra
