// Real write failures for tests: a tiny file system that fills up, and a
// file size limit that makes write() fail with EFBIG. Plain C++ (POSIX).
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

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

} // namespace nyra::test
