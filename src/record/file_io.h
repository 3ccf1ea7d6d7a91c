// Writing files so that a failure never costs the user an existing file,
// and the error texts of the system calls involved. Plain C++ (POSIX).
#pragma once

#include "base/result.h"

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace nyra {

// The system's text for an errno value.
std::string ErrnoText(int err);

// Closes the descriptor on every early return; where the result of close
// matters, the caller releases it and closes it itself.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// The calls of the writer that can fail once it has a file open, so that a
// test can make any one of them fail. Each returns and sets errno as the
// system call does; the real ones are SystemFileCalls().
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual ssize_t Write(int fd, const void* bytes, std::size_t size);                  // write(2)
    virtual ssize_t WriteAt(int fd, const void* bytes, std::size_t size, off_t offset);  // pwrite(2)
    virtual int Truncate(int fd, off_t size);                                            // ftruncate(2)
    virtual int SyncFile(int fd);                                                        // fsync(2)
    virtual int Close(int fd);                                                           // close(2)
    virtual int Rename(const char* from, const char* to);                                // rename(2)
    // Flushes a folder's entries to disk: open(2), fsync(2), close(2). A file
    // system that cannot flush folders, or a folder the user may write but
    // not read, counts as done: nothing more can be done there.
    virtual int SyncFolder(const char* folder);
};

FileCalls& SystemFileCalls();

// Where a save to `path` puts its bytes: `path` itself, or, when that is a
// symbolic link, the file at the end of its links. A link to nothing is a
// Problem. So is a link in a folder that anyone may write to but only owners
// may delete from (the system's temporary folder) when the link was made by
// someone other than the user, root or the folder's owner: the kernel
// refuses to follow such a link itself (protected_symlinks), and a program
// that reads links on its own must apply the rule for it. The Problem names
// the link and its target.
Result<std::string> SaveTarget(const std::string& path);

// How this process's temporary files begin: ".nyra-save-HOST-PID-"; six
// random letters follow. The host keeps other machines' files in a shared
// folder out of the clean-up; the process id is for people only.
std::string TemporaryFilePrefix(long pid);

// Writes `contents` to `path` atomically: a temporary file in the same
// folder, written, flushed to disk, renamed over the target, and the folder
// flushed. A failure leaves an existing file byte-identical and is returned
// with its reason. Saving through a symbolic link updates the file it points
// to (SaveTarget says which). A target or folder without any write
// permission bit is refused even for root, with one exception: a writable
// file in a read-only folder is rewritten in place (flushed and read back),
// the old bytes put back on failure.
//
// Before it writes, it removes the temporary files of earlier saves into the
// same folder that no save holds any longer (a save killed while writing):
// each save holds a flock on its temporary file while it writes, which the
// kernel drops however the save ends. Nothing else is removed.
Result<void> WriteFileAtomically(const std::string& path, std::string_view contents,
                                 FileCalls& calls = SystemFileCalls());

}  // namespace nyra
