#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>

namespace nyra {
namespace {

// Generous bounds for a loaded machine: they only keep a broken build from
// hanging the suite, they are not what the tests check.
constexpr int kProcessDeadlineMs = 60000;

using Holder = SingleInstanceLock::Holder;

// Who holds the lock after Acquire; a Problem's where and reason in the text.
std::string Outcome(const Result<Holder>& taken) {
    if (!taken) return taken.problem().Text();
    return *taken == Holder::ThisCopy ? "this copy" : "a running copy";
}

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("nyra-moonsign.lock"));

    auto first = std::make_unique<SingleInstanceLock>(path);
    ASSERT_EQ(Outcome(first->Acquire()), "this copy");
    SingleInstanceLock second(path);
    EXPECT_EQ(Outcome(second.Acquire()), "a running copy");

    first.reset();
    SingleInstanceLock third(path);
    EXPECT_EQ(Outcome(third.Acquire()), "this copy");
}

TEST(SingleInstanceLock, AnUnwritableLockDoesNotKeepTheProgramFromStarting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SingleInstanceLock lock(folder.filePath(QStringLiteral("no-such-folder/nyra-moonsign.lock")));
    EXPECT_EQ(Outcome(lock.Acquire()), "this copy");
}

// A process that waits for the end of the tests, holding no lock: one of
// this very program (the tests), or of `sleep`.
class IdleProcess {
public:
    enum Program { ThisOne, Another };
    explicit IdleProcess(Program program) : pid_(::fork()) {
        if (pid_ == 0) {
            if (program == Another) ::execlp("sleep", "sleep", "3600", static_cast<char*>(nullptr));
            for (;;) ::pause();
        }
    }
    ~IdleProcess() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    IdleProcess(const IdleProcess&) = delete;
    IdleProcess& operator=(const IdleProcess&) = delete;
    pid_t pid() const { return pid_; }

private:
    pid_t pid_;
};

// A lock record as QLockFile writes one: process id, program, host.
QByteArray LockRecord(qint64 pid, const QString& program) {
    return QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
}

// The file name of the program process `pid` runs ("self": this one).
QString ProgramOf(const QString& pid) {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
}
QString ThisProgram() { return ProgramOf(QStringLiteral("self")); }

struct LeftLockRow {
    const char* name;
    // Puts what a start finds in the lock's place; false when it cannot.
    std::function<bool(const QString& path)> leave;
    const char* outcome;  ///< %1 stands for the lock's path.
};

void PrintTo(const LeftLockRow& row, std::ostream* os) { *os << row.name; }

bool LeaveFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The lock of a copy that has ended.
bool LeaveLockOfEndedCopy(const QString& path) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    return LeaveFile(path, LockRecord(ended, ThisProgram()));
}

class LeftLock : public ::testing::TestWithParam<LeftLockRow> {};

// Only a running copy of this program keeps another from starting; what
// else is left in the lock's place is replaced, or named when it cannot be.
TEST_P(LeftLock, KeepsTheProgramFromStartingOnlyWhenACopyRuns) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("nyra-moonsign.lock"));
    ASSERT_TRUE(GetParam().leave(path));

    SingleInstanceLock lock(path);
    const Result<Holder> taken = lock.Acquire();

    EXPECT_EQ(Outcome(taken), QString::fromUtf8(GetParam().outcome).replace(QStringLiteral("%1"), path).toStdString());
    if (taken.ok() && *taken == Holder::ThisCopy) {
        QFile record(path);
        ASSERT_TRUE(record.open(QIODevice::ReadOnly));
        EXPECT_EQ(record.readLine().trimmed(), QByteArray::number(::getpid())) << "the lock names another process";
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SingleInstanceLock, LeftLock,
    ::testing::Values(
        LeftLockRow{"Empty", [](const QString& p) { return LeaveFile(p, {}); }, "this copy"},
        LeftLockRow{"Garbage", [](const QString& p) { return LeaveFile(p, "\x7f\x01 not a lock\n"); }, "this copy"},
        LeftLockRow{"EmptyFolder", [](const QString& p) { return QDir().mkdir(p); }, "this copy"},
        LeftLockRow{"LinkToNothing", [](const QString& p) { return QFile::link(p + QStringLiteral(".gone"), p); },
                    "this copy"},
        LeftLockRow{"EndedProcess", LeaveLockOfEndedCopy, "this copy"},
        // Another start is removing the same lock (it holds the .rmlock), so
        // QLockFile leaves it to this copy's own look at the process.
        LeftLockRow{"EndedProcessWhileAnotherStartRemovesIt",
                    [](const QString& p) {
                        return LeaveFile(p + QStringLiteral(".rmlock"), LockRecord(::getpid(), ThisProgram())) &&
                               LeaveLockOfEndedCopy(p);
                    },
                    "this copy"},
        // A process id used again, by a program that gives its own name.
        LeftLockRow{"ProcessOfAnotherProgram",
                    [](const QString& p) {
                        static IdleProcess other(IdleProcess::Another);
                        const QString pid = QString::number(other.pid());
                        for (int waited = 0; waited < 30000 && ProgramOf(pid) != QLatin1String("sleep"); waited += 10)
                            QTest::qWait(10);
                        return LeaveFile(p, LockRecord(other.pid(), ProgramOf(pid)));
                    },
                    "this copy"},
        LeftLockRow{"ThisProcessItself",
                    [](const QString& p) { return LeaveFile(p, LockRecord(::getpid(), ThisProgram())); }, "this copy"},
        // Named by a running copy that holds no flock on it (a file system without flock).
        LeftLockRow{"RunningCopyWithoutFlock",
                    [](const QString& p) {
                        static IdleProcess copy(IdleProcess::ThisOne);
                        return LeaveFile(p, LockRecord(copy.pid(), ThisProgram()));
                    },
                    "a running copy"},
        // Nothing inside a folder is ever removed.
        LeftLockRow{"FolderWithFiles",
                    [](const QString& p) { return QDir().mkdir(p) && LeaveFile(p + QStringLiteral("/keep"), "k"); },
                    "%1: Directory not empty"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SingleInstanceLock, LivesInTheUsersRuntimeFolder) {
    const QString path = SingleInstanceLock::DefaultPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/nyra-moonsign.lock"))) << path.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(path));
}

// Without XDG_RUNTIME_DIR, in a temporary folder everyone writes (as /tmp),
// folders another user made first where the lock would go: it still lands,
// with the socket beside it, in a folder of this user's alone.
TEST(SingleInstanceLock, WithoutARuntimeFolderLivesInAPrivateOneAnotherUserCannotTake) {
    if (::geteuid() != 0) GTEST_SKIP() << "making another user's folder needs root";
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), tmp = qgetenv("TMPDIR"), cache = qgetenv("XDG_CACHE_HOME");
    const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    for (const QStringList& madeByAnother :
         {QStringList{QStringLiteral("runtime-") + user},
          {QStringLiteral("runtime-") + user, QStringLiteral("nyra-moonsign-%1").arg(::geteuid())}}) {
        QTemporaryDir temp, home;
        ASSERT_EQ(::chmod(QFile::encodeName(temp.path()).constData(), 01777), 0);
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path()));
        for (const QString& name : madeByAnother) {
            const QByteArray path = QFile::encodeName(QDir(temp.path()).filePath(name));
            ASSERT_TRUE(::mkdir(path.constData(), 0700) == 0 && ::chown(path.constData(), 65534, 65534) == 0);
        }
        const QString folder = QFileInfo(SingleInstanceLock::DefaultPath()).path();
        for (const auto& [name, value] :
             {std::pair{"XDG_RUNTIME_DIR", runtime}, {"TMPDIR", tmp}, {"XDG_CACHE_HOME", cache}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        EXPECT_TRUE(SingleInstanceLock::IsPrivateFolder(folder)) << folder.toStdString();
        EXPECT_NE(QDir(folder), QDir(temp.path()));
    }
}

// The desktop program run as a separate process without a screen, with its
// own runtime folder so it meets no other copy but those of the test.
class DesktopProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        // The user's own settings stay out of the test, and the test out of them.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
        environment.insert(QStringLiteral("NYRA_MESSAGES_TO_STDERR"), QStringLiteral("1"));
    }

    void TearDown() override {
        for (auto& p : running) {
            p->kill();
            p->waitForFinished(kProcessDeadlineMs);
        }
    }

    QString LockPath() const { return QDir(runtime.path()).filePath(QStringLiteral("nyra-moonsign.lock")); }

    // Starts a copy and waits until it holds the lock.
    QProcess* StartFirstCopy() {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(NYRA_DESKTOP_EXE), {});
        if (!process->waitForStarted(kProcessDeadlineMs)) return nullptr;
        for (int waited = 0; waited < kProcessDeadlineMs && !QFile::exists(LockPath()); waited += 20) {
            if (process->state() != QProcess::Running) return nullptr;
            QTest::qWait(20);
        }
        running.push_back(std::move(process));
        return QFile::exists(LockPath()) ? running.back().get() : nullptr;
    }

    // Starts a copy and waits until the lock names it, over whatever was
    // in the lock's place. False when it does not take the lock and run.
    bool StartTakingOverTheLock() {
        auto next = std::make_unique<QProcess>();
        next->setProcessEnvironment(environment);
        next->start(QStringLiteral(NYRA_DESKTOP_EXE), {});
        if (!next->waitForStarted(kProcessDeadlineMs)) return false;
        const QString nextPid = QString::number(next->processId());
        running.push_back(std::move(next));
        for (int waited = 0; waited < kProcessDeadlineMs; waited += 20) {
            QFile lock(LockPath());
            if (lock.open(QIODevice::ReadOnly) && QString::fromLatin1(lock.readLine()).trimmed() == nextPid)
                return true;
            if (running.back()->state() != QProcess::Running) {
                ADD_FAILURE() << running.back()->readAllStandardError().toStdString();
                return false;
            }
            QTest::qWait(20);
        }
        return false;
    }

    struct Ending {
        int exitCode;
        QString errors;
    };

    // Runs a copy to its end; nothing when it does not end by itself.
    std::optional<Ending> RunCopyToItsEnd() {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(NYRA_DESKTOP_EXE), {});
        if (!process.waitForFinished(kProcessDeadlineMs)) {
            process.kill();
            process.waitForFinished(kProcessDeadlineMs);
            return std::nullopt;
        }
        return Ending{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment;
    std::vector<std::unique_ptr<QProcess>> running;
};

TEST_F(DesktopProgram, SecondStartSaysSoAndEnds) {
    QProcess* first = StartFirstCopy();
    ASSERT_NE(first, nullptr);

    const std::optional<Ending> second = RunCopyToItsEnd();
    ASSERT_TRUE(second.has_value()) << "the second copy kept running";
    EXPECT_EQ(second->exitCode, 0);
    EXPECT_TRUE(second->errors.contains(QStringLiteral("Application is already running")))
        << second->errors.toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(DesktopProgram, LockOfACrashedCopyDoesNotBlock) {
    QProcess* crashed = StartFirstCopy();
    ASSERT_NE(crashed, nullptr);
    crashed->kill();  // SIGKILL: no clean-up, the lock file stays behind
    ASSERT_TRUE(crashed->waitForFinished(kProcessDeadlineMs));
    ASSERT_TRUE(QFile::exists(LockPath()));

    // The next start takes over the lock, as a third start then shows.
    ASSERT_TRUE(StartTakingOverTheLock());
    const std::optional<Ending> third = RunCopyToItsEnd();
    ASSERT_TRUE(third.has_value());
    EXPECT_TRUE(third->errors.contains(QStringLiteral("Application is already running")));
}

TEST_F(DesktopProgram, ADamagedLockDoesNotKeepTheProgramFromStarting) {
    QFile empty(LockPath());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_TRUE(StartTakingOverTheLock());
}

TEST_F(DesktopProgram, ALockThatCannotBeReplacedIsNamed) {
    ASSERT_TRUE(QDir().mkpath(LockPath() + QStringLiteral("/inside")));
    const std::optional<Ending> start = RunCopyToItsEnd();
    ASSERT_TRUE(start.has_value()) << "the copy kept running";
    EXPECT_EQ(start->exitCode, 1);
    EXPECT_TRUE(start->errors.contains(QStringLiteral("The lock file \"%1\" names no running copy of the program but "
                                                      "cannot be replaced: Directory not empty.")
                                           .arg(LockPath())))
        << start->errors.toStdString();
    EXPECT_TRUE(QFileInfo::exists(LockPath() + QStringLiteral("/inside")));
}

}  // namespace
}  // namespace nyra
