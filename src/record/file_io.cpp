#include "record/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace nyra {
namespace {

// strerror_r comes in two flavours (GNU returns the text, POSIX fills the
// buffer); overloads on the return type accept either.
[[maybe_unused]] std::string StrerrorText(int, const char* buffer) { return buffer; }
[[maybe_unused]] std::string StrerrorText(const char* text, const char*) { return text; }

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;

// umask() can only be read by changing it, which would race with any other
// thread creating a file meanwhile; Linux reports it here since 4.7.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            char* end = nullptr;
            const unsigned long mask = std::strtoul(line.c_str() + 6, &end, 8);
            if (end != line.c_str() + 6) return static_cast<mode_t>(mask) & kPermissionBits;
        }
    }
    return S_IWGRP | S_IWOTH;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

// Reads up to `size` bytes from `offset`; fewer only at the end of the file.
bool ReadAt(int fd, std::size_t size, off_t offset, std::string* bytes) {
    bytes->assign(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes->data() + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes->resize(done);
    return true;
}

// The last resort for a writable file in a folder that cannot take a
// temporary file beside it. The file can only be changed where it lies, so
// the order of the steps is what keeps it whole on failure: the part beyond
// the old end goes first (it alone needs new space, and cutting it off
// again restores the old file), and only then are the old bytes overwritten,
// which needs no new space on the file systems the program meets. Any later
// failure puts the old bytes back.
std::optional<std::string> WriteInPlace(const std::string& target, std::string_view contents) {
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (fd.get() < 0) return ErrnoText(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ErrnoText(errno);
    if (!S_ISREG(st.st_mode)) return std::string("The file is not a regular file.");

    const auto oldSize = static_cast<std::size_t>(st.st_size);
    const std::size_t headSize = std::min(oldSize, contents.size());
    std::string oldHead;
    if (!ReadAt(fd.get(), headSize, 0, &oldHead)) return ErrnoText(errno);
    if (oldHead.size() != headSize) return std::string("The file changed while it was being saved.");

    bool headWritten = false;
    // Best effort: a disk that failed once may fail again.
    const auto restore = [&](int err) -> std::optional<std::string> {
        if (headWritten) WriteAllAt(fd.get(), oldHead, 0);
        [[maybe_unused]] const int cut = ::ftruncate(fd.get(), static_cast<off_t>(oldSize));
        ::fsync(fd.get());
        return ErrnoText(err);
    };

    if (contents.size() > oldSize) {
        if (!WriteAllAt(fd.get(), contents.substr(oldSize), static_cast<off_t>(oldSize)) || ::fsync(fd.get()) != 0)
            return restore(errno);
    }
    headWritten = true;
    if (!WriteAllAt(fd.get(), contents.substr(0, headSize), 0)) return restore(errno);
    if (contents.size() < oldSize && ::ftruncate(fd.get(), static_cast<off_t>(contents.size())) != 0)
        return restore(errno);
    if (::fsync(fd.get()) != 0) return restore(errno);

    // Read back what the disk holds rather than what the cache remembers:
    // the pages are clean after fsync, so dropping them is safe.
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
    std::string back;
    if (!ReadAt(fd.get(), contents.size() + 1, 0, &back)) return restore(errno);
    if (back != contents) {
        restore(EIO);
        return std::string("The file did not read back as written.");
    }
    if (::close(fd.release()) != 0) return ErrnoText(errno);
    return std::nullopt;
}

// Where the new contents go. Saving through a symbolic link updates the
// file it points to and keeps the link.
std::optional<std::string> ResolveTarget(const std::string& path, std::string* target) {
    struct stat st {};
    *target = path;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) return ErrnoText(errno);
        *target = resolved;
        std::free(resolved);
    }
    return std::nullopt;
}

std::optional<std::string> WriteToResolvedTarget(const std::string& target, std::string_view contents) {
    struct stat existing {};
    bool exists = false;
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) return ErrnoText(EISDIR);
        // Renaming over a device or a pipe would replace it with a plain file.
        if (!S_ISREG(existing.st_mode)) return std::string("The file is not a regular file.");
        // Root passes any permission check; honour what the bits say.
        if ((existing.st_mode & kAnyWrite) == 0) return std::string("The file is read-only.");
        exists = true;
    } else if (errno != ENOENT) {
        return ErrnoText(errno);
    }

    const std::string folder = FolderOf(target);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) return ErrnoText(errno);
    if (!S_ISDIR(folderStat.st_mode)) return ErrnoText(ENOTDIR);
    // The bits decide for root as for the file; anyone else is also asked
    // whether the folder lets them in (a group folder they are no member of).
    const bool folderReadOnly = (folderStat.st_mode & kAnyWrite) == 0 ||
                                (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES);
    if (folderReadOnly) {
        if (!exists) return std::string("The folder is read-only.");
        // A writable file in a folder the user may not change, such as a
        // shared folder of records: it was always possible to update it.
        return WriteInPlace(target, contents);
    }

    // A short fixed name: the target's own name may already be near the
    // file system's length limit.
    std::string pattern = folder + "/.nyra-save-XXXXXX";
    std::vector<char> tempPath(pattern.begin(), pattern.end());
    tempPath.push_back('\0');
    FileDescriptor fd(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (fd.get() < 0) return ErrnoText(errno);

    const auto fail = [&](int err) -> std::optional<std::string> {
        ::unlink(tempPath.data());
        return ErrnoText(err);
    };

    // mkstemp makes the file 0600; a saved record should look like any other
    // file the user saves, or like the one it replaces.
    const mode_t mode = exists ? (existing.st_mode & kPermissionBits) : (0666 & ~CurrentUmask());
    if (::fchmod(fd.get(), mode) != 0) return fail(errno);
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        // Only root may hand a file to someone else; for anybody else the
        // file simply becomes theirs, as with any editor's save.
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), existing.st_uid, existing.st_gid);
    }

    if (!WriteAll(fd.get(), contents)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    // close can report a delayed write error (network file systems).
    if (::close(fd.release()) != 0) return fail(errno);
    if (::rename(tempPath.data(), target.c_str()) != 0) return fail(errno);

    // Make the rename itself durable. The new file is already in place, so a
    // failure here is no reason to report the save as failed.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

} // namespace

std::string ErrnoText(int err) {
    char buffer[256] = "";
    return StrerrorText(strerror_r(err, buffer, sizeof buffer), buffer);
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents) {
    if (path.empty()) return ErrnoText(ENOENT);
    std::string target;
    if (auto error = ResolveTarget(path, &target)) return error;
    return WriteToResolvedTarget(target, contents);
}

} // namespace nyra
