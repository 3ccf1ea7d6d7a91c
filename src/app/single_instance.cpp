#include "app/single_instance.h"

#include <QDir>
#include <QSysInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#endif

namespace nyra {
namespace {

// True when no process with this id exists on this machine.
bool IsProcessGone(qint64 pid) {
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

} // namespace

QString SingleInstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("nyra-moonsign.lock"));
}

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : lock_(lockFilePath) {
    // A running copy holds the lock however old it is; age alone never
    // makes it stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::Acquire() {
    if (lock_.tryLock(0)) return true;
    // A lock that can't be written at all (no runtime folder, a full disk)
    // says nothing about another copy: start rather than refuse.
    if (lock_.error() != QLockFile::LockFailedError) return true;

    // QLockFile normally clears a lock whose owner has died by itself; should
    // it not have (another start was clearing it at the same moment), look
    // once more before giving up.
    qint64 pid = 0;
    QString host, application;
    if (!lock_.getLockInfo(&pid, &host, &application)) return false;
    if (host != QSysInfo::machineHostName() || !IsProcessGone(pid)) return false;
    return lock_.removeStaleLockFile() && lock_.tryLock(0);
}

} // namespace nyra
