#include "app/single_instance.h"

#include "record/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace nyra {
namespace {

// Attempts to take a lock that a stale one kept from us: another start may
// be replacing the same stale lock at the same moment.
constexpr int kLockAttempts = 3;

// The file name of the program a process runs, "" when it cannot be told.
// A program replaced on disk while it runs (an upgrade) still counts.
QString ProgramOf(const QString& pid) {
    QString program = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
    program.remove(QStringLiteral(" (deleted)"));
    return program;
}

// Whether `pid` is another process on this machine running this program.
bool IsRunningCopy(qint64 pid) {
    if (pid <= 0 || pid == ::getpid()) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    const QString program = ProgramOf(QString::number(pid));
    // A process of the user's whose program cannot be read: assume the worst.
    return program.isEmpty() || program == ProgramOf(QStringLiteral("self"));
}

// Outcome of looking at the lock that kept us from taking it.
enum class Stale { Removed, HeldByRunningCopy };

// A running copy holds an exclusive flock on its lock for as long as it
// runs (QLockFile takes one beside the file), and the kernel drops it when
// the process ends however it ends. Failing that (a file system without
// flock), the lock's own record names the copy. Anything else in the lock's
// place is removed: a folder only when it is empty, never anything inside.
Result<Stale> RemoveIfStale(const QString& path, const QLockFile& lock) {
    const QByteArray name = QFile::encodeName(path);
    FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return Stale::Removed;  // by another start, just now
        // A link in the lock's place: nothing can hold a lock through it.
        if (errno != ELOOP) return Problem{path.toStdString(), ErrnoText(errno)};
        if (::unlink(name.constData()) != 0 && errno != ENOENT) return Problem{path.toStdString(), ErrnoText(errno)};
        return Stale::Removed;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return Stale::HeldByRunningCopy;

    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0) return Problem{path.toStdString(), ErrnoText(errno)};
    qint64 pid = 0;
    QString host, application;
    if (S_ISREG(opened.st_mode) && lock.getLockInfo(&pid, &host, &application) && host == QSysInfo::machineHostName() &&
        IsRunningCopy(pid))
        return Stale::HeldByRunningCopy;

    // Only what was looked at goes: another start may have put a fresh lock
    // in its place meanwhile.
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return Stale::Removed;
    if ((S_ISDIR(opened.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData())) != 0 && errno != ENOENT)
        return Problem{path.toStdString(), ErrnoText(errno)};
    return Stale::Removed;
}

}  // namespace

QString SingleInstanceLock::DefaultPath() {
    return QDir(PrivateFolder()).filePath(QStringLiteral("nyra-moonsign.lock"));
}

bool SingleInstanceLock::IsPrivateFolder(const QString& folder) {
    struct stat st {};
    // lstat: a link in the folder's place could lead anywhere.
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString SingleInstanceLock::PrivateFolder() {
    // Qt checks the runtime folder too, but where XDG_RUNTIME_DIR is unset
    // it makes one in the temporary folder, and another user may have made
    // that one first.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (IsPrivateFolder(runtime)) return runtime;
    // Our own, made for this user alone; one someone else made first is
    // refused, and so is the temporary folder itself, which everyone writes.
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("nyra-moonsign-%1").arg(::geteuid()));
    (void)::mkdir(QFile::encodeName(own).constData(), 0700);
    if (IsPrivateFolder(own)) return own;
    // The user's cache folder, which no other user can have made.
    const QString cache = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                              .filePath(QStringLiteral("nyra-moonsign"));
    QDir().mkpath(cache);
    QFile::setPermissions(cache, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (IsPrivateFolder(cache)) return cache;
    // Nowhere private: the lock cannot be written, so this copy runs alone
    // without one rather than under another user's control.
    return own + QStringLiteral("/not-private");
}

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : path_(lockFilePath), lock_(lockFilePath) {
    // A running copy holds the lock however old it is; age alone never
    // makes it stale.
    lock_.setStaleLockTime(0);
}

Result<SingleInstanceLock::Holder> SingleInstanceLock::Acquire() {
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        // QLockFile would read whatever stands in the lock's place, and a
        // pipe there would stop the start for good.
        struct stat st {};
        const bool plainFile = ::lstat(QFile::encodeName(path_).constData(), &st) != 0 || S_ISREG(st.st_mode);
        if (plainFile) {
            if (lock_.tryLock(0)) return Holder::ThisCopy;
            if (lock_.error() != QLockFile::LockFailedError) return Holder::ThisCopy;
        }
        const Result<Stale> stale = RemoveIfStale(path_, lock_);
        if (!stale) return stale.problem();
        if (*stale == Stale::HeldByRunningCopy) return Holder::RunningCopy;
    }
    // Other starts keep taking it first: one of them runs.
    return Holder::RunningCopy;
}

}  // namespace nyra
