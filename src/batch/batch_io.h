// The batch tool's reading and writing on file descriptors: buffered, and
// keeping the system's error so that a failed read or write is reported
// rather than taken for the end of the data. Plain C++ (POSIX).
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

namespace nyra {

// Reads a descriptor it does not own. A read error ends the data, and
// Error() keeps its errno.
class FdInBuffer : public std::streambuf {
public:
    explicit FdInBuffer(int fd);
    int Error() const { return error_; }

protected:
    int_type underflow() override;

private:
    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// Writes a descriptor. After the first failed write nothing more is written
// and every further write fails; Error() keeps the errno of that first one.
class FdOutBuffer : public std::streambuf {
public:
    explicit FdOutBuffer(int fd);
    FdOutBuffer(const FdOutBuffer&) = delete;
    FdOutBuffer& operator=(const FdOutBuffer&) = delete;
    ~FdOutBuffer() override;
    int Error() const { return error_; }
    // Writes what is buffered and closes the descriptor; close can report a
    // write that failed late (a full disk over the network). Returns the
    // errno of the first failure, or 0.
    int Close();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// A table line longer than this (without its line end) is refused, so one
// huge line cannot exhaust memory; no real birth row comes near it.
inline constexpr std::size_t kMaxTableLineBytes = 64 * 1024;

enum class LineRead { Line, TooLong, End };

// Reads one line ended by LF (or by the end of the data) into `line`
// without its line end; a CR before the LF is dropped. A line longer than
// kMaxTableLineBytes is read to its end but not kept, and gives TooLong.
LineRead ReadTableLine(std::streambuf& in, std::string& line);

// The errno kept by one of the buffers above, or 0 for any other buffer.
int InputError(const std::streambuf& in);
int OutputError(const std::streambuf& out);

}  // namespace nyra
