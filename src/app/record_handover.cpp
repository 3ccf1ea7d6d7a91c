#include "app/record_handover.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace nyra {
namespace {

constexpr qsizetype kLengthBytes = 4;
constexpr char kTaken = '\x01';
// Between attempts to reach a copy that is still starting.
constexpr int kConnectRetryMs = 50;

// The peer's user as the kernel saw it connect, not as the peer says.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == ::geteuid();
}

// Why `path` cannot be handed over as it is spelt in `bytes`; empty when it can.
std::string PathProblem(const QByteArray& bytes) {
    if (bytes.isEmpty() || !bytes.startsWith('/')) return "it is not an absolute path";
    if (bytes.size() > kMaxHandedPathBytes)
        return "the path is longer than " + std::to_string(kMaxHandedPathBytes) + " bytes";
    if (bytes.contains('\0')) return "the path holds a zero byte";
    return {};
}

}  // namespace

QString HandOverSocketPath(const QString& lockPath) {
    return QFileInfo(lockPath).dir().filePath(QStringLiteral("nyra-moonsign.socket"));
}

HandOverServer::HandOverServer(QObject* parent) : QObject(parent) {
    // Other users may not even connect; the peer check below is the second lock.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HandOverServer::Accept);
}

Result<void> HandOverServer::Listen(const QString& socketPath) {
    QLocalServer::removeServer(socketPath);
    if (!server_.listen(socketPath)) return Problem{socketPath.toStdString(), server_.errorString().toStdString()};
    return {};
}

void HandOverServer::Accept() {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        if (!PeerIsThisUser(*peer)) {
            peer->abort();
            peer->deleteLater();
            continue;
        }
        // A peer that floods is not read beyond one whole message, and one
        // that stalls is dropped.
        peer->setReadBufferSize(kLengthBytes + kMaxHandedPathBytes + 1);
        QTimer::singleShot(kHandOverTimeoutMs, peer, [peer] {
            peer->abort();
            peer->deleteLater();
        });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { Read(peer); });
        Read(peer);
    }
}

void HandOverServer::Read(QLocalSocket* peer) {
    if (peer->bytesAvailable() < kLengthBytes) return;
    std::array<uchar, kLengthBytes> length{};
    peer->peek(reinterpret_cast<char*>(length.data()), kLengthBytes);
    const quint32 size = qFromBigEndian<quint32>(length.data());
    const auto refuse = [peer] {
        peer->abort();
        peer->deleteLater();
    };
    if (size == 0 || size > kMaxHandedPathBytes) return refuse();
    const qsizetype whole = kLengthBytes + static_cast<qsizetype>(size);
    if (peer->bytesAvailable() < whole) return;
    if (peer->bytesAvailable() > whole) return refuse();

    const QByteArray bytes = peer->read(whole).mid(kLengthBytes);
    if (!PathProblem(bytes).empty()) return refuse();
    peer->write(&kTaken, 1);
    peer->flush();
    peer->disconnectFromServer();
    emit RecordHandedOver(QFile::decodeName(bytes));
}

Result<void> HandOverRecord(const QString& socketPath, const QString& path, int timeoutMs) {
    const QByteArray bytes = QFile::encodeName(path);
    if (const std::string problem = PathProblem(bytes); !problem.empty()) return Problem{path.toStdString(), problem};
    const auto failure = [&socketPath](const QString& reason) {
        return Problem{socketPath.toStdString(), reason.toStdString()};
    };

    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy takes the lock a moment before it listens.
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
        if (deadline.hasExpired()) return failure(socket.errorString());
        QThread::msleep(kConnectRetryMs);
    }
    if (!PeerIsThisUser(socket))
        return failure(
            QCoreApplication::translate("nyra::RecordHandover", "the program listening there runs as another user"));

    QByteArray message(kLengthBytes, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), message.data());
    message += bytes;
    if (socket.write(message) != message.size()) return failure(socket.errorString());
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return failure(socket.errorString());
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return failure(
                QCoreApplication::translate("nyra::RecordHandover", "the running copy did not take the file"));
    }
    char answer = 0;
    if (!socket.getChar(&answer) || answer != kTaken)
        return failure(QCoreApplication::translate("nyra::RecordHandover", "the running copy did not take the file"));
    return {};
}

}  // namespace nyra
