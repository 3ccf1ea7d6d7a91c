// Only one copy of the program runs per user: the first holds a lock file
// for its whole run.
#pragma once

#include "base/result.h"

#include <QLockFile>
#include <QString>

namespace nyra {

class SingleInstanceLock {
public:
    // The lock file lives in the user's runtime folder (the temporary folder
    // where there is none), so it never outlives a reboot.
    static QString DefaultPath();

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
