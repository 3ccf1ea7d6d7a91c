#include "record/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace nyra {
namespace {

// strerror_r comes in two flavours (GNU returns the text, POSIX fills the
// buffer); overloads on the return type accept either.
[[maybe_unused]] std::string StrerrorText(int, const char* buffer) { return buffer; }
[[maybe_unused]] std::string StrerrorText(const char* text, const char*) { return text; }

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;

// As many links as the kernel follows in one path before it says ELOOP.
constexpr int kMaxLinkHops = 40;

constexpr std::string_view kTemporaryStart = ".nyra-save-";
// mkostemp's "XXXXXX".
constexpr std::size_t kTemporaryRandomLetters = 6;
// Host names are at most 64 bytes (HOST_NAME_MAX on Linux).
constexpr std::size_t kMaxHostLetters = 64;

Problem Failure(int err) { return Problem{"", ErrnoText(err)}; }
Problem Failure(std::string reason) { return Problem{"", std::move(reason)}; }

std::string AsSentence(std::string text) {
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

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

bool WriteAll(FileCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.Write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteAllAt(FileCalls& calls, int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = calls.WriteAt(fd, bytes.data(), bytes.size(), offset);
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
Result<void> WriteInPlace(const std::string& target, std::string_view contents, FileCalls& calls) {
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (fd.get() < 0) return Failure(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return Failure(errno);
    if (!S_ISREG(st.st_mode)) return Failure("The file is not a regular file.");

    const auto oldSize = static_cast<std::size_t>(st.st_size);
    const std::size_t headSize = std::min(oldSize, contents.size());
    std::string oldHead;
    if (!ReadAt(fd.get(), headSize, 0, &oldHead)) return Failure(errno);
    if (oldHead.size() != headSize) return Failure("The file changed while it was being saved.");

    bool headWritten = false;
    // Every step is tried even when one fails (a disk that failed once may
    // fail again), and the user is told when the old file is not whole.
    const auto restore = [&](std::string reason) -> Result<void> {
        int restoreErr = 0;
        const auto note = [&restoreErr](bool done) {
            if (!done && restoreErr == 0) restoreErr = errno;
        };
        if (headWritten) note(WriteAllAt(calls, fd.get(), oldHead, 0));
        note(calls.Truncate(fd.get(), static_cast<off_t>(oldSize)) == 0);
        note(calls.SyncFile(fd.get()) == 0);
        if (restoreErr == 0) return Failure(std::move(reason));
        return Failure(AsSentence(std::move(reason)) + " The old contents could not be put back (" +
                       ErrnoText(restoreErr) + "), so the file may be damaged.");
    };

    if (contents.size() > oldSize) {
        if (!WriteAllAt(calls, fd.get(), contents.substr(oldSize), static_cast<off_t>(oldSize)) ||
            calls.SyncFile(fd.get()) != 0)
            return restore(ErrnoText(errno));
    }
    headWritten = true;
    if (!WriteAllAt(calls, fd.get(), contents.substr(0, headSize), 0)) return restore(ErrnoText(errno));
    if (contents.size() < oldSize && calls.Truncate(fd.get(), static_cast<off_t>(contents.size())) != 0)
        return restore(ErrnoText(errno));
    if (calls.SyncFile(fd.get()) != 0) return restore(ErrnoText(errno));

    // Read back what the disk holds rather than what the cache remembers:
    // the pages are clean after fsync, so dropping them is safe.
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
    std::string back;
    if (!ReadAt(fd.get(), contents.size() + 1, 0, &back)) return restore(ErrnoText(errno));
    if (back != contents) return restore("The file did not read back as written.");
    if (calls.Close(fd.release()) != 0) return Failure(errno);
    return {};
}

// The host name as it may stand in a file name: letters, digits, dots and
// dashes, at most kMaxHostLetters of them.
std::string HostNameForFiles() {
    char buffer[256] = "";
    if (::gethostname(buffer, sizeof buffer - 1) != 0 || buffer[0] == '\0') return "unknown-host";
    std::string host(buffer, std::min(std::strlen(buffer), kMaxHostLetters));
    for (char& c : host) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    }
    return host;
}

// The process id in the name of a temporary file this machine's saves made
// (".nyra-save-HOST-PID-XXXXXX"), or 0 for any other name.
long TemporaryFileOwner(std::string_view name, std::string_view host) {
    if (!name.starts_with(kTemporaryStart)) return 0;
    name.remove_prefix(kTemporaryStart.size());
    if (!name.starts_with(host) || name.size() <= host.size() || name[host.size()] != '-') return 0;
    name.remove_prefix(host.size() + 1);

    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || name.size() - dash - 1 != kTemporaryRandomLetters) return 0;
    const std::string_view random = name.substr(dash + 1);
    const std::string_view digits = name.substr(0, dash);
    const auto isAlnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!std::all_of(random.begin(), random.end(), isAlnum)) return 0;
    // Written by std::to_string: no sign, no leading zero, within a pid_t.
    if (digits.empty() || digits.size() > 10 || digits[0] == '0') return 0;
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) return 0;
    const long pid = std::strtol(std::string(digits).c_str(), nullptr, 10);
    return pid <= INT_MAX ? pid : 0;
}

// A save holds an exclusive flock on its temporary file from just after it
// makes it until the file is renamed or removed, and the kernel drops the
// lock however the save ends. So a temporary file nobody holds is
// abandoned, whatever process id its name carries: a save in another PID
// namespace (a sandbox sharing the host name and the folder) has ids this
// process cannot see. Only this machine's names, plain files and the user's
// own are looked at, and each is removed while its lock is held here, so a
// save cannot take it meanwhile. Failures are left alone; this is
// housekeeping, not the save.
void RemoveAbandonedTemporaries(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), &::closedir);
    if (!listing) return;
    const std::string host = HostNameForFiles();
    const int folderFd = ::dirfd(listing.get());
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(listing.get())) {
        if (TemporaryFileOwner(entry->d_name, host) != 0) candidates.emplace_back(entry->d_name);
    }
    for (const std::string& name : candidates) {
        const FileDescriptor fd(
            ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat held {};
        if (fd.get() < 0 || ::fstat(fd.get(), &held) != 0) continue;
        if (!S_ISREG(held.st_mode) || held.st_uid != ::geteuid()) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // a save is writing it
        struct stat named {};
        if (::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != held.st_dev ||
            named.st_ino != held.st_ino)
            continue;
        ::unlinkat(folderFd, name.c_str(), 0);
    }
}

// Makes the temporary file from `pattern` (mkostemp's) and takes its lock
// on a descriptor of its own, which stays open until the save is done:
// closing the written descriptor, which reports delayed write errors, must
// not free the file before it is renamed. Another save may have found the
// file unlocked in the moment between, and removed it: then again.
struct LockedTemporary {
    std::vector<char> path;  ///< Ended by a NUL.
    int fd = -1;             ///< Open for writing.
    int lock = -1;           ///< Holding the flock.
};

Result<LockedTemporary> MakeLockedTemporary(const std::string& pattern) {
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<char> path(pattern.begin(), pattern.end());
        path.push_back('\0');
        FileDescriptor fd(::mkostemp(path.data(), O_CLOEXEC));
        if (fd.get() < 0) return Failure(errno);
        FileDescriptor held(::open(path.data(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat mine {};
        struct stat heldStat {};
        if (held.get() >= 0 && ::flock(held.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(fd.get(), &mine) == 0 &&
            ::fstat(held.get(), &heldStat) == 0 && mine.st_dev == heldStat.st_dev && mine.st_ino == heldStat.st_ino) {
            return LockedTemporary{std::move(path), fd.release(), held.release()};
        }
        struct stat named {};
        if (::lstat(path.data(), &named) == 0 && ::fstat(fd.get(), &mine) == 0 && named.st_ino == mine.st_ino)
            ::unlink(path.data());
    }
    return Failure("Another save kept removing the temporary file.");
}

// The kernel's protected_symlinks rule: in a world-writable folder with the
// sticky bit, a link is followed only for its owner or the folder's owner.
// Root is trusted as well; anyone else may have planted it there.
Result<bool> IsPlantedLink(const struct stat& link, const std::string& folder) {
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) return Failure(errno);
    const bool shared = (folderStat.st_mode & S_ISVTX) != 0 && (folderStat.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != 0 && link.st_uid != folderStat.st_uid;
}

Problem PlantedLinkProblem(const std::string& link, const std::string& target) {
    return Failure(link + " is a link to " + target +
                   " that another user made in a shared folder, so it is not followed.");
}

Result<std::string> ReadLink(const std::string& path) {
    std::vector<char> buffer(PATH_MAX);
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return Failure(errno);
    if (static_cast<std::size_t>(n) == buffer.size()) return Failure(ENAMETOOLONG);
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

Result<std::string> FollowLinks(const std::string& path) {
    if (path.empty()) return Failure(ENOENT);
    std::string current = path;
    for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            // A new file; a link to nothing is not followed into one.
            if (errno == ENOENT && hops == 0) return current;
            return Failure(errno);
        }
        if (!S_ISLNK(st.st_mode)) return current;

        const std::string folder = FolderOf(current);
        const Result<std::string> text = ReadLink(current);
        if (!text) return text.problem();
        const std::string next = text->starts_with('/') ? *text : folder + "/" + *text;
        const Result<bool> planted = IsPlantedLink(st, folder);
        if (!planted) return planted.problem();
        if (*planted) return PlantedLinkProblem(current, next);
        current = next;
    }
    return Failure(ELOOP);
}

// What stands at the target's path: nothing yet, or a plain file that the
// user may replace.
struct TargetFile {
    bool exists = false;
    struct stat st {};
};

Result<TargetFile> CheckTarget(const std::string& target) {
    TargetFile file;
    if (::stat(target.c_str(), &file.st) == 0) {
        if (S_ISDIR(file.st.st_mode)) return Failure(EISDIR);
        // Renaming over a device or a pipe would replace it with a plain file.
        if (!S_ISREG(file.st.st_mode)) return Failure("The file is not a regular file.");
        // Root passes any permission check; honour what the bits say.
        if ((file.st.st_mode & kAnyWrite) == 0) return Failure("The file is read-only.");
        file.exists = true;
    } else if (errno != ENOENT) {
        return Failure(errno);
    }
    return file;
}

// Whether the user may not add files to `folder`, which must be one.
Result<bool> FolderIsReadOnly(const std::string& folder) {
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) return Failure(errno);
    if (!S_ISDIR(folderStat.st_mode)) return Failure(ENOTDIR);
    // The bits decide for root as for the file; anyone else is also asked
    // whether the folder lets them in (a group folder they are no member of).
    return (folderStat.st_mode & kAnyWrite) == 0 ||
           (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES);
}

// A temporary file in the target's folder, written, flushed and renamed
// over the target: a crash leaves either the old file or the new one.
Result<void> WriteAndRename(const std::string& target, const std::string& folder, std::string_view contents,
                            const TargetFile& existing, FileCalls& calls) {
    RemoveAbandonedTemporaries(folder);
    // Not the target's name: that may already be near the file system's
    // length limit.
    const std::string pattern = folder + "/" + TemporaryFilePrefix(::getpid()) + "XXXXXX";
    Result<LockedTemporary> made = MakeLockedTemporary(pattern);
    if (!made) return made.problem();
    std::vector<char> tempPath = std::move(made->path);
    FileDescriptor fd(made->fd);
    const FileDescriptor lock(made->lock);  // held until the file is renamed or removed

    const auto fail = [&](int err) -> Result<void> {
        ::unlink(tempPath.data());
        return Failure(err);
    };

    // mkstemp makes the file 0600; a saved record should look like any other
    // file the user saves, or like the one it replaces.
    const mode_t mode = existing.exists ? (existing.st.st_mode & kPermissionBits) : (0666 & ~CurrentUmask());
    if (::fchmod(fd.get(), mode) != 0) return fail(errno);
    if (existing.exists && (existing.st.st_uid != ::geteuid() || existing.st.st_gid != ::getegid())) {
        // Only root may hand a file to someone else; for anybody else the
        // file simply becomes theirs, as with any editor's save.
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), existing.st.st_uid, existing.st.st_gid);
    }

    if (!WriteAll(calls, fd.get(), contents)) return fail(errno);
    if (calls.SyncFile(fd.get()) != 0) return fail(errno);
    // close can report a delayed write error (network file systems).
    if (calls.Close(fd.release()) != 0) return fail(errno);
    if (calls.Rename(tempPath.data(), target.c_str()) != 0) return fail(errno);
    // Until the folder is on disk, a crash may bring back the old file or
    // none at all.
    if (calls.SyncFolder(folder.c_str()) != 0)
        return Failure("The file was written, but its folder could not be flushed to disk: " + ErrnoText(errno));
    return {};
}

Result<void> WriteToTarget(const std::string& target, std::string_view contents, FileCalls& calls) {
    const Result<TargetFile> existing = CheckTarget(target);
    if (!existing) return existing.problem();
    const std::string folder = FolderOf(target);
    const Result<bool> folderReadOnly = FolderIsReadOnly(folder);
    if (!folderReadOnly) return folderReadOnly.problem();
    if (*folderReadOnly) {
        if (!existing->exists) return Failure("The folder is read-only.");
        // A writable file in a folder the user may not change, such as a
        // shared folder of records: it was always possible to update it.
        return WriteInPlace(target, contents, calls);
    }
    return WriteAndRename(target, folder, contents, *existing, calls);
}

}  // namespace

std::string ErrnoText(int err) {
    char buffer[256] = "";
    return StrerrorText(strerror_r(err, buffer, sizeof buffer), buffer);
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

ssize_t FileCalls::Write(int fd, const void* bytes, std::size_t size) { return ::write(fd, bytes, size); }
ssize_t FileCalls::WriteAt(int fd, const void* bytes, std::size_t size, off_t offset) {
    return ::pwrite(fd, bytes, size, offset);
}
int FileCalls::Truncate(int fd, off_t size) { return ::ftruncate(fd, size); }
int FileCalls::SyncFile(int fd) { return ::fsync(fd); }
int FileCalls::Close(int fd) { return ::close(fd); }
int FileCalls::Rename(const char* from, const char* to) { return ::rename(from, to); }

int FileCalls::SyncFolder(const char* folder) {
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES ? 0 : -1;
    int result = ::fsync(fd);
    if (result != 0 && errno == EINVAL) result = 0;
    const int err = errno;
    ::close(fd);
    errno = err;
    return result;
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

Result<std::string> SaveTarget(const std::string& path) {
    Result<std::string> target = FollowLinks(path);
    if (!target) return target.problem().Within(path);
    return target;
}

std::string TemporaryFilePrefix(long pid) {
    return std::string(kTemporaryStart) + HostNameForFiles() + "-" + std::to_string(pid) + "-";
}

Result<void> WriteFileAtomically(const std::string& path, std::string_view contents, FileCalls& calls) {
    const Result<std::string> target = SaveTarget(path);
    if (!target) return target.problem();
    Result<void> written = WriteToTarget(*target, contents, calls);
    if (!written) return written.problem().Within(path);
    return written;
}

}  // namespace nyra
