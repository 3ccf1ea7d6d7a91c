// Only one copy of the program runs per user: the first holds a lock file
// for its whole run.
#pragma once

#include "base/result.h"

#include <QLockFile>
#include <QString>

namespace nyra {

class SingleInstanceLock {
public:
    // The lock file lives in PrivateFolder(), as the hand-over socket does.
    static QString DefaultPath();
    // A folder of this user's alone, so that no other user can put a file,
    // a lock or a socket where the program looks for its own: the runtime
    // folder (which never outlives a reboot); where there is none, or it is
    // not private, nyra-moonsign-UID in the temporary folder, made here;
    // failing that, nyra-moonsign in the user's cache folder. Each is taken
    // only once checked to be a folder the user owns that no one else may
    // write. Failing all, a path that cannot be written.
    static QString PrivateFolder();
    static bool IsPrivateFolder(const QString& folder);

    explicit SingleInstanceLock(const QString& lockFilePath = DefaultPath());

    enum class Holder { ThisCopy, RunningCopy };

    // Takes the lock unless a running copy of the program holds it. A lock
    // that names no running copy is replaced: one whose process has ended,
    // and a damaged one (empty, unreadable, a folder or a link in its
    // place). A lock that cannot be written at all (no runtime folder, a
    // full disk) says nothing about another copy and counts as taken. A
    // Problem (where: the lock's path) when a stale lock cannot be replaced.
    Result<Holder> Acquire();

    const QString& path() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace nyra
