#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace nyra {
namespace {

// Generous bounds for a loaded machine: they only keep a broken build from
// hanging the suite, they are not what the tests check.
constexpr int kProcessDeadlineMs = 60000;

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("nyra-moonsign.lock"));

    auto first = std::make_unique<SingleInstanceLock>(path);
    ASSERT_TRUE(first->Acquire());
    SingleInstanceLock second(path);
    EXPECT_FALSE(second.Acquire());

    first.reset();
    SingleInstanceLock third(path);
    EXPECT_TRUE(third.Acquire());
}

TEST(SingleInstanceLock, AnUnwritableLockDoesNotKeepTheProgramFromStarting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SingleInstanceLock lock(folder.filePath(QStringLiteral("no-such-folder/nyra-moonsign.lock")));
    EXPECT_TRUE(lock.Acquire());
}

TEST(SingleInstanceLock, LivesInTheUsersRuntimeFolder) {
    const QString path = SingleInstanceLock::DefaultPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/nyra-moonsign.lock"))) << path.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(path));
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
    auto next = std::make_unique<QProcess>();
    next->setProcessEnvironment(environment);
    next->start(QStringLiteral(NYRA_DESKTOP_EXE), {});
    ASSERT_TRUE(next->waitForStarted(kProcessDeadlineMs));
    const qint64 nextPid = next->processId();
    running.push_back(std::move(next));
    QString owner;
    for (int waited = 0; waited < kProcessDeadlineMs; waited += 20) {
        QFile lock(LockPath());
        if (lock.open(QIODevice::ReadOnly)) owner = QString::fromLatin1(lock.readLine()).trimmed();
        if (owner == QString::number(nextPid) || running.back()->state() != QProcess::Running) break;
        QTest::qWait(20);
    }
    ASSERT_EQ(running.back()->state(), QProcess::Running) << running.back()->readAllStandardError().toStdString();
    ASSERT_EQ(owner, QString::number(nextPid));

    const std::optional<Ending> third = RunCopyToItsEnd();
    ASSERT_TRUE(third.has_value());
    EXPECT_TRUE(third->errors.contains(QStringLiteral("Application is already running")));
}

} // namespace
} // namespace nyra
