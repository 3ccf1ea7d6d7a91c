// Only one copy of the program runs per user: the first holds a lock file
// for its whole run.
#pragma once

#include <QLockFile>
#include <QString>

namespace nyra {

class SingleInstanceLock {
public:
    // The lock file lives in the user's runtime folder (the temporary folder
    // where there is none), so it never outlives a reboot.
    static QString DefaultPath();

    explicit SingleInstanceLock(const QString& lockFilePath = DefaultPath());

    // False only when a running copy holds the lock. A lock left behind by a
    // copy that has died does not count, nor one that cannot be written.
    bool Acquire();

private:
    QLockFile lock_;
};

} // namespace nyra
