// A second start hands the record it was given to the copy that runs, over
// a local socket beside the instance lock in the user's runtime folder.
//
// Only the path crosses: four bytes of its length (big-endian), then the
// path as the file system spells it, absolute and at most
// kMaxHandedPathBytes long. The running copy answers one byte once it has
// taken the path, and drops anything else unanswered. Both ends check that
// the other runs as the same user, beside the socket's user-only
// permissions.
#pragma once

#include "base/result.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace nyra {

// PATH_MAX less its terminating zero: no longer path can be opened.
inline constexpr qsizetype kMaxHandedPathBytes = 4095;

// How long a second start waits for the running copy to listen (it takes
// the lock a moment before) and to take the path; how long the running copy
// waits for a peer's whole path.
inline constexpr int kHandOverTimeoutMs = 5000;

// The socket beside the lock file `lockPath`.
QString HandOverSocketPath(const QString& lockPath);

// The running copy's end.
class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QObject* parent = nullptr);

    // Listens at `socketPath`, replacing whatever a copy that has ended left
    // there: the caller holds the instance lock, so no other copy listens.
    Result<void> Listen(const QString& socketPath);

signals:
    // An absolute path that another start of the user's handed over.
    void RecordHandedOver(const QString& path);

private:
    void Accept();
    void Read(QLocalSocket* peer);

    QLocalServer server_;
};

// A later start's end: hands `path` (absolute) to the copy listening at
// `socketPath`. Done once the copy has taken it; a Problem when no copy
// takes it within `timeoutMs`, or the path cannot be handed over.
Result<void> HandOverRecord(const QString& socketPath, const QString& path, int timeoutMs = kHandOverTimeoutMs);

}  // namespace nyra
