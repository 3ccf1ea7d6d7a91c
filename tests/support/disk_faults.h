// Write failures for tests: a tiny file system that fills up, a file size
// limit that makes write() fail with EFBIG, and a planted failure of any one
// call of the atomic writer. Plain C++ (POSIX).
#pragma once

#include "record/file_io.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace nyra::test {

// A tmpfs of `bytes` mounted on a fresh folder, unmounted and removed when
// it goes. Mounting needs the right to (root with CAP_SYS_ADMIN); where it
// is missing, mounted() is false and reason() says why.
class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "nyra-small-disk-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            reason_ = std::strerror(errno);
            return;
        }
        path_ = pattern;
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, options.c_str()) != 0) {
            reason_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        if (!path_.empty()) ::rmdir(path_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::string& path() const { return path_; }

    // Fills the disk with a file named "filler" until about `freeBytes`
    // (rounded to whole pages) stay free. False when it could not.
    bool Fill(std::size_t freeBytes) const {
        const std::string filler = path_ + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        const std::string block(4096, 'f');
        std::size_t written = 0;
        ssize_t n = 0;
        while ((n = ::write(fd, block.data(), block.size())) > 0) written += static_cast<std::size_t>(n);
        const bool full = n < 0 && errno == ENOSPC;
        const std::size_t keep = written > freeBytes ? written - freeBytes : 0;
        const bool ok = full && ::ftruncate(fd, static_cast<off_t>(keep)) == 0;
        ::close(fd);
        return ok;
    }

private:
    std::string path_;
    std::string reason_;
    bool mounted_ = false;
};

// Limits the size of every file this process writes while it lives, with
// SIGXFSZ ignored, so a write beyond the limit fails with EFBIG as a full
// disk would fail with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

// The atomic writer's calls (record/file_io.h), each of which a test can
// make fail.
enum class WriterCall { Write, WriteAt, Truncate, SyncFile, Close, Rename, SyncFolder };

// The `nth` call (from 1) of one kind fails with `error`: EIO as a failing
// disk, EINTR as a call that a signal interrupted.
struct PlantedFault {
    WriterCall call;
    int nth = 1;
    int error = EIO;
};

// The real calls but for the planted faults, which do nothing and set errno
// to their error. A failing close still closes, as close(2) does. Met() tells whether every fault was
// reached, so a test knows its fault was not planted where the writer never
// goes.
class FaultyDisk : public FileCalls {
public:
    explicit FaultyDisk(std::vector<PlantedFault> faults) : faults_(std::move(faults)), met_(faults_.size()) {}

    bool Met() const {
        for (bool met : met_)
            if (!met) return false;
        return true;
    }

    ssize_t Write(int fd, const void* bytes, std::size_t size) override {
        return Fails(WriterCall::Write) ? -1 : FileCalls::Write(fd, bytes, size);
    }
    ssize_t WriteAt(int fd, const void* bytes, std::size_t size, off_t offset) override {
        return Fails(WriterCall::WriteAt) ? -1 : FileCalls::WriteAt(fd, bytes, size, offset);
    }
    int Truncate(int fd, off_t size) override {
        return Fails(WriterCall::Truncate) ? -1 : FileCalls::Truncate(fd, size);
    }
    int SyncFile(int fd) override { return Fails(WriterCall::SyncFile) ? -1 : FileCalls::SyncFile(fd); }
    int Close(int fd) override {
        if (!Fails(WriterCall::Close)) return FileCalls::Close(fd);
        const int error = errno;
        FileCalls::Close(fd);
        errno = error;
        return -1;
    }
    int Rename(const char* from, const char* to) override {
        return Fails(WriterCall::Rename) ? -1 : FileCalls::Rename(from, to);
    }
    int SyncFolder(const char* folder) override {
        return Fails(WriterCall::SyncFolder) ? -1 : FileCalls::SyncFolder(folder);
    }

private:
    bool Fails(WriterCall call) {
        const int n = ++calls_[static_cast<std::size_t>(call)];
        for (std::size_t i = 0; i < faults_.size(); ++i) {
            if (faults_[i].call == call && faults_[i].nth == n) {
                met_[i] = true;
                errno = faults_[i].error;
                return true;
            }
        }
        return false;
    }

    std::vector<PlantedFault> faults_;
    std::vector<bool> met_;
    std::array<int, static_cast<std::size_t>(WriterCall::SyncFolder) + 1> calls_{};
};

}  // namespace nyra::test
