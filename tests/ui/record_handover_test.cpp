// The socket over which a second start hands its record to the running
// copy: what crosses, what is dropped, and who may hand anything over.
#include "app/record_handover.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>

namespace nyra {
namespace {

// Generous bounds for a loaded machine: they only keep a broken build from
// hanging the suite, they are not what the tests check.
constexpr int kDeadlineMs = 30000;
// Another user, as on Debian: nobody.
constexpr uid_t kOtherUser = 65534;

QByteArray Message(const QByteArray& path, quint32 length) {
    QByteArray message(4, '\0');
    qToBigEndian(length, message.data());
    return message + path;
}
QByteArray Message(const QByteArray& path) { return Message(path, static_cast<quint32>(path.size())); }

QByteArray LongPath(qsizetype bytes) { return '/' + QByteArray(bytes - 1, 'a'); }

// The running copy's end in this process, its event loop turned while the
// other end works on a thread of its own.
class HandOver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime_.isValid());
        QObject::connect(&server_, &HandOverServer::RecordHandedOver, [this](const QString& p) { handed_.append(p); });
        const Result<void> listening = server_.Listen(Socket());
        ASSERT_TRUE(listening.ok()) << listening.problem().Text();
    }

    QString Socket() const { return QDir(runtime_.path()).filePath(QStringLiteral("nyra-moonsign.socket")); }

    template <typename Work>
    auto WhileServing(Work work) {
        auto done = std::async(std::launch::async, work);
        for (int waited = 0; waited < kDeadlineMs; waited += 10) {
            if (done.wait_for(std::chrono::seconds(0)) == std::future_status::ready) break;
            QTest::qWait(10);
        }
        return done.get();
    }

    // Sends `message` as a peer that does not follow the rules and returns
    // what came back before the running copy closed.
    QByteArray Exchange(const QByteArray& message) {
        const QByteArray socketPath = QFile::encodeName(Socket());
        return WhileServing([socketPath, message] {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path, socketPath.constData(), static_cast<std::size_t>(socketPath.size()));
            QByteArray reply;
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                ::send(fd, message.constData(), static_cast<std::size_t>(message.size()), MSG_NOSIGNAL) ==
                    message.size()) {
                ::shutdown(fd, SHUT_WR);
                char byte = 0;
                while (::read(fd, &byte, 1) == 1) reply.append(byte);
            }
            ::close(fd);
            return reply;
        });
    }

    QTemporaryDir runtime_;
    HandOverServer server_;
    QStringList handed_;
};

class PathsThatCross : public HandOver, public ::testing::WithParamInterface<QByteArray> {};

TEST_P(PathsThatCross, ArriveAsSent) {
    const QString path = QFile::decodeName(GetParam());
    const Result<void> handed = WhileServing([&] { return HandOverRecord(Socket(), path); });
    ASSERT_TRUE(handed.ok()) << handed.problem().Text();
    EXPECT_EQ(handed_, QStringList{path});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HandOver, PathsThatCross,
                         ::testing::Values("/home/asha/Birth r\xC3\xA9" "cords/zo\xC3\xAB.moo",
                                           "/home/asha/two\nlines.moo", LongPath(kMaxHandedPathBytes)));
// clang-format on

struct DroppedRow {
    const char* name;
    QByteArray message;
};

void PrintTo(const DroppedRow& row, std::ostream* os) { *os << row.name; }

class DroppedMessage : public HandOver, public ::testing::WithParamInterface<DroppedRow> {};

TEST_P(DroppedMessage, GetsNoAnswerAndOpensNothing) {
    EXPECT_EQ(Exchange(GetParam().message), QByteArray());
    EXPECT_EQ(handed_, QStringList());
    // The running copy still takes a proper path afterwards.
    EXPECT_EQ(Exchange(Message("/zoe.moo")), QByteArray(1, '\x01'));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HandOver, DroppedMessage,
    ::testing::Values(DroppedRow{"Empty", Message({})},
                      DroppedRow{"TooLong", Message(LongPath(kMaxHandedPathBytes + 1))},
                      DroppedRow{"LengthBeyondTheLimit", Message("/zoe.moo", 1u << 31)},
                      DroppedRow{"Relative", Message("zoe.moo")},
                      DroppedRow{"ZeroByte", Message(QByteArray("/zoe.moo\0/etc", 13))},
                      DroppedRow{"MoreThanTheLengthSays", Message("/zoe.moo", 7) + "o"},
                      DroppedRow{"CutShort", Message("/zoe.moo", 20)},
                      DroppedRow{"HalfALength", QByteArray(2, '\0')}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct RefusedRow {
    const char* name;
    QByteArray path;
    const char* reason;
};

void PrintTo(const RefusedRow& row, std::ostream* os) { *os << row.name; }

class RefusedPath : public ::testing::TestWithParam<RefusedRow> {};

// Refused before any copy is asked: there is none at the socket.
TEST_P(RefusedPath, IsNotHandedOver) {
    const QString path = QFile::decodeName(GetParam().path);
    const Result<void> handed = HandOverRecord(QStringLiteral("/nonexistent/nyra-moonsign.socket"), path, kDeadlineMs);
    ASSERT_FALSE(handed.ok());
    EXPECT_EQ(handed.problem(), (Problem{path.toStdString(), GetParam().reason}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HandOverRecord, RefusedPath,
    ::testing::Values(RefusedRow{"Relative", "zoe.moo", "it is not an absolute path"},
                      RefusedRow{"TooLong", LongPath(kMaxHandedPathBytes + 1), "the path is longer than 4095 bytes"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(HandOverRecord, WithNoCopyListeningSaysSo) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString socket = QDir(runtime.path()).filePath(QStringLiteral("nyra-moonsign.socket"));
    const Result<void> handed = HandOverRecord(socket, QStringLiteral("/zoe.moo"), 200);
    ASSERT_FALSE(handed.ok());
    EXPECT_EQ(handed.problem().where, socket.toStdString());
}

// A copy that answers anything but "taken" has not taken the file.
TEST(HandOverRecord, AnyOtherAnswerIsNoHandOver) {
    QTemporaryDir runtime;
    const QString socket = QDir(runtime.path()).filePath(QStringLiteral("nyra-moonsign.socket"));
    QLocalServer copy;
    ASSERT_TRUE(copy.listen(socket));
    QObject::connect(&copy, &QLocalServer::newConnection, [&copy] { copy.nextPendingConnection()->write("\x02"); });
    auto handed = std::async(std::launch::async, [&] { return HandOverRecord(socket, QStringLiteral("/zoe.moo")); });
    while (handed.wait_for(std::chrono::seconds(0)) != std::future_status::ready) QTest::qWait(10);
    EXPECT_EQ(handed.get().problem(), (Problem{socket.toStdString(), "the running copy did not take the file"}));
}

// Even where another user can reach the socket (here on purpose), the
// running copy takes nothing from them.
TEST_F(HandOver, AnotherUserHandsNothingOver) {
    ASSERT_EQ(::chmod(QFile::encodeName(runtime_.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Socket()).constData(), 0777), 0);
    const QByteArray socketPath = QFile::encodeName(Socket());
    const QByteArray message = Message("/home/asha/zoe.moo");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<std::size_t>(socketPath.size()));

    enum : int { kAnswered = 0, kNoAnswer = 2, kNoConnection = 3, kNotTheOtherUser = 4 };
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        // Only calls that are safe after fork in a process with threads.
        if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0) ::_exit(kNotTheOtherUser);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) ::_exit(kNoConnection);
        if (::send(fd, message.constData(), static_cast<std::size_t>(message.size()), MSG_NOSIGNAL) != message.size())
            ::_exit(kNoAnswer);
        char byte = 0;
        ::_exit(::read(fd, &byte, 1) == 1 ? kAnswered : kNoAnswer);
    }
    int status = -1;
    for (int waited = 0; waited < kDeadlineMs && ::waitpid(other, &status, WNOHANG) == 0; waited += 10)
        QTest::qWait(10);

    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNotTheOtherUser) GTEST_SKIP() << "cannot become another user";
    EXPECT_EQ(WEXITSTATUS(status), kNoAnswer);
    EXPECT_EQ(handed_, QStringList());
}

}  // namespace
}  // namespace nyra
