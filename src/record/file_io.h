// Writing files so that a failure never costs the user an existing file,
// and the error texts of the system calls involved. Plain C++ (POSIX).
#pragma once

#include <optional>
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

// Writes `contents` to `path` atomically: a temporary file in the same
// folder, written, flushed to disk, renamed over the target, and the folder
// flushed. A failure leaves an existing file byte-identical and returns the
// reason. Saving through a symbolic link updates the file it points to. A
// target or folder without any write permission bit is refused even for
// root, with one exception: a writable file in a read-only folder is
// rewritten in place (flushed and read back), the old bytes put back on
// failure.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents);

} // namespace nyra
