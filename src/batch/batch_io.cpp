#include "batch/batch_io.h"

#include <unistd.h>

#include <cerrno>

namespace nyra {
namespace {

// Large enough that a table of short rows costs few system calls.
constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

FdInBuffer::FdInBuffer(int fd) : fd_(fd), buffer_(kBufferBytes) {
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

FdInBuffer::int_type FdInBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (error_ != 0) return traits_type::eof();
    while (true) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
            return traits_type::to_int_type(*gptr());
        }
        if (n == 0) return traits_type::eof();
        if (errno == EINTR) continue;
        error_ = errno;
        return traits_type::eof();
    }
}

FdOutBuffer::FdOutBuffer(int fd) : fd_(fd), buffer_(kBufferBytes) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutBuffer::~FdOutBuffer() {
    if (fd_ >= 0) Drain();
}

bool FdOutBuffer::Drain() {
    const char* next = pbase();
    const char* const end = pptr();
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (error_ != 0 || fd_ < 0) {
        if (error_ == 0) error_ = EBADF;
        return false;
    }
    while (next < end) {
        const ssize_t n = ::write(fd_, next, static_cast<std::size_t>(end - next));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            return false;
        }
        next += n;
    }
    return true;
}

FdOutBuffer::int_type FdOutBuffer::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FdOutBuffer::sync() { return Drain() ? 0 : -1; }

int FdOutBuffer::Close() {
    if (fd_ < 0) return error_;
    Drain();
    if (::close(fd_) != 0 && error_ == 0 && errno != EINTR) error_ = errno;
    fd_ = -1;
    return error_;
}

LineRead ReadTableLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    using Traits = std::streambuf::traits_type;
    for (Traits::int_type c = in.sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = in.sbumpc()) {
        any = true;
        if (c == '\n') break;
        // One byte past the limit is kept for the CR that may end the line.
        if (line.size() <= kMaxTableLineBytes) {
            line.push_back(Traits::to_char_type(c));
        } else {
            tooLong = true;
        }
    }
    if (!any) return LineRead::End;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (tooLong || line.size() > kMaxTableLineBytes) {
        line.clear();
        return LineRead::TooLong;
    }
    return LineRead::Line;
}

int InputError(const std::streambuf& in) {
    const auto* fd = dynamic_cast<const FdInBuffer*>(&in);
    return fd != nullptr ? fd->Error() : 0;
}

int OutputError(const std::streambuf& out) {
    const auto* fd = dynamic_cast<const FdOutBuffer*>(&out);
    return fd != nullptr ? fd->Error() : 0;
}

}  // namespace nyra
