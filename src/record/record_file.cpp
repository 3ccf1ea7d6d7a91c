#include "record/record_file.h"

#include "engine/time_window_text.h"
#include "record/file_io.h"
#include "text/blanks.h"
#include "text/number_text.h"
#include "text/quoted_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace nyra {
namespace {

constexpr std::size_t kMostLines = kRecordLayout.size();

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string StoredName(std::string_view name) {
    std::string kept;
    kept.reserve(name.size());
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x20) kept.push_back(c);
    }
    if (kept.size() > kMaxRecordLineBytes) {
        std::size_t cut = kMaxRecordLineBytes;
        while (cut > 0 && IsUtf8Continuation(kept[cut])) --cut;
        kept.resize(cut);
    }
    return kept;
}

std::string FlagText(std::int16_t flag) {
    // Files from elsewhere may hold 1 instead of -1; any nonzero value is true.
    return flag != 0 ? "1" : "0";
}

// Zone sizes are stored with the minus sign they were entered with, so a
// zone east of Greenwich reads back as it was typed or picked. When both are
// zero the sign goes on the hours ("-0") so it is not lost.
std::string ZoneLine(const BirthRecord& record, std::int16_t BirthRecord::*member) {
    const std::int16_t size = record.*member;
    const bool bothZero = record.ZoneHours == 0 && record.ZoneMinutes == 0;
    const bool signHere = size != 0 || (bothZero && member == &BirthRecord::ZoneHours);
    const std::string digits = std::to_string(std::abs(static_cast<int>(size)));
    return record.ZoneIsEast != 0 && signHere ? "-" + digits : digits;
}

// Empty for an exact time, so that its record keeps fifteen lines; a window
// the reader would refuse is written as SignsInWindow reads it.
std::string WindowLine(const TimeWindow& window) {
    if (window.wholeDay) return TimeWindowMinutesText(window);
    if (window.minutes <= 0) return {};
    return TimeWindowMinutesText(TimeWindow::PlusMinus(std::min(window.minutes, kMaxWindowMinutes)));
}

// The file's lines as they come, each cut to kMaxRecordLineBytes, until
// kMostLines line ends have been met.
class LineSplitter {
public:
    bool Full() const { return count_ == kMostLines; }
    int Count() const { return static_cast<int>(count_); }
    std::array<std::string, kMostLines>& Lines() { return lines_; }
    const std::array<bool, kMostLines>& TooLong() const { return tooLong_; }

    void Take(const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size && !Full(); ++i) {
            std::string& line = lines_[count_];
            if (bytes[i] == '\n') {
                EndLine();
            } else {
                // One byte past the limit is kept, for the CR that may precede
                // the LF; anything longer is cut to the limit at the line's end.
                if (line.size() <= kMaxRecordLineBytes) line.push_back(bytes[i]);
                started_ = true;
            }
        }
    }

    // A last line without its line end still counts.
    void Finish() {
        if (!Full() && started_) EndLine();
    }

private:
    void EndLine() {
        std::string& line = lines_[count_];
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxRecordLineBytes) {
            line.resize(kMaxRecordLineBytes);
            tooLong_[count_] = true;
        }
        ++count_;
        started_ = false;
    }

    std::array<std::string, kMostLines> lines_;
    std::array<bool, kMostLines> tooLong_{};
    std::size_t count_ = 0;
    bool started_ = false;  // bytes since the last line end
};

Problem SystemProblem(int err) { return {{}, ErrnoText(err)}; }

// Reads until the splitter is full, the file ends or kMaxRecordFileBytes
// have come. A pipe or terminal without data ends the read (the descriptor
// is non-blocking).
Result<void> ReadInto(int fd, LineSplitter& splitter) {
    std::vector<char> buffer(64 * 1024);
    std::size_t total = 0;
    while (!splitter.Full() && total < kMaxRecordFileBytes) {
        const std::size_t want = std::min(buffer.size(), kMaxRecordFileBytes - total);
        const ssize_t n = ::read(fd, buffer.data(), want);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) break;
            return SystemProblem(errno);
        }
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
        splitter.Take(buffer.data(), static_cast<std::size_t>(n));
    }
    splitter.Finish();
    return {};
}

// The value of one line into `saved`; a line the file lacks (beyond
// `present`) is missing rather than empty.
Result<void> ReadLine(const RecordField& field, const std::string& line, bool tooLong, int present, SavedRecord& saved,
                      bool& zoneMinus) {
    const auto refuse = [&field](std::string reason) { return Problem{std::string(field.column), std::move(reason)}; };
    if (tooLong) return refuse("longer than " + std::to_string(kMaxRecordLineBytes) + " bytes");
    switch (field.kind) {
    case RecordLineKind::Name: saved.birth.BirthName = line; break;
    case RecordLineKind::Number:
    case RecordLineKind::ZoneSize: {
        if (RecordLineOf(field) > present && line.empty()) return refuse("missing, the file ends before this line");
        const Result<std::int16_t> value = ParseInt16(line);
        if (!value) return refuse(value.problem().reason);
        saved.birth.*field.member = *value;
        if (field.kind == RecordLineKind::ZoneSize) zoneMinus = zoneMinus || HasMinusSign(line);
        break;
    }
    case RecordLineKind::Flag: saved.birth.*field.member = line == "1" ? kTrue : kFalse; break;
    case RecordLineKind::TimeWindow: {
        // Optional: an exact time has no such line (or an empty one).
        if (TrimBlanks(line).empty()) break;
        const Result<TimeWindow> window = ParseTimeWindowMinutes(line);
        if (window) {
            saved.timeKnown = *window;
        } else if (IsWholeNumberText(line)) {
            // A number out of range ("721", "-5") was meant as a window.
            return refuse(window.problem().reason);
        } else {
            // Other text is no window at all: lines after the fifteenth
            // were free for other programs.
            saved.unreadLine =
                refuse(QuoteInput(TrimBlanks(line)) + " was not understood; the time was taken as exact");
        }
        break;
    }
    }
    return {};
}

}  // namespace

std::string ScrambleRecordLine(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) + kRecordOffset;
        if (code <= 255) stored.push_back(static_cast<char>(code));
    }
    return stored;
}

std::string UnscrambleRecordLine(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (const char c : stored) {
        const int code = static_cast<unsigned char>(c) - kRecordOffset;
        if (code >= 0) text.push_back(static_cast<char>(code));
    }
    return text;
}

RecordLines RecordLinesFrom(const BirthRecord& record, const TimeWindow& timeKnown) {
    RecordLines lines;
    for (std::size_t i = 0; i < kRecordLayout.size(); ++i) {
        const RecordField& field = kRecordLayout[i];
        switch (field.kind) {
        case RecordLineKind::Name: lines[i] = StoredName(record.BirthName); break;
        case RecordLineKind::Number: lines[i] = std::to_string(record.*field.member); break;
        case RecordLineKind::ZoneSize: lines[i] = ZoneLine(record, field.member); break;
        case RecordLineKind::Flag: lines[i] = FlagText(record.*field.member); break;
        case RecordLineKind::TimeWindow: lines[i] = WindowLine(timeKnown); break;
        }
    }
    return lines;
}

std::string EncodeRecordFile(const BirthRecord& record, const TimeWindow& timeKnown) {
    const RecordLines lines = RecordLinesFrom(record, timeKnown);
    const std::size_t count = lines[kTimeWindowLine - 1].empty() ? kRecordLineCount : kTimeWindowLine;
    std::string file;
    for (std::size_t i = 0; i < count; ++i) {
        file += ScrambleRecordLine(lines[i]);
        file += "\r\n";
    }
    return file;
}

Result<void> WriteBirthRecord(const std::string& path, const BirthRecord& record, const TimeWindow& timeKnown) {
    if (Result<void> written = WriteFileAtomically(path, EncodeRecordFile(record, timeKnown)); !written)
        return Problem{{}, written.problem().reason};
    return {};
}

Result<RecordFileLines> ReadRecordFileLines(const std::string& path) {
    // Non-blocking, so that a pipe or a terminal without data ends the read
    // instead of hanging the window; plain files are unaffected.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return SystemProblem(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return SystemProblem(errno);
    if (S_ISDIR(st.st_mode)) return SystemProblem(EISDIR);

    LineSplitter splitter;
    if (Result<void> read = ReadInto(fd.get(), splitter); !read) return read.problem();
    RecordFileLines file;
    file.linesInFile = splitter.Count();
    for (std::size_t i = 0; i < kMostLines; ++i) file.lines[i] = UnscrambleRecordLine(splitter.Lines()[i]);
    file.tooLong = splitter.TooLong();
    return file;
}

Result<SavedRecord> SavedRecordFromLines(const RecordFileLines& file) {
    SavedRecord saved;
    bool zoneMinus = false;
    for (std::size_t i = 0; i < kRecordLayout.size(); ++i) {
        if (Result<void> read =
                ReadLine(kRecordLayout[i], file.lines[i], file.tooLong[i], file.linesInFile, saved, zoneMinus);
            !read)
            return read.problem();
    }

    // The record keeps the zone's sizes, and its direction as ZoneIsEast.
    BirthRecord& birth = saved.birth;
    if (!StoreSignedZone(birth, birth.ZoneHours, birth.ZoneMinutes, zoneMinus)) {
        const RecordField* field =
            RecordFieldOf(birth.ZoneHours == kInt16Min ? &BirthRecord::ZoneHours : &BirthRecord::ZoneMinutes);
        return Problem{std::string(field->column), QuoteInput(std::to_string(kInt16Min)) + " is outside " +
                                                       std::to_string(kInt16Min + 1) + ".." +
                                                       std::to_string(kInt16Max)};
    }
    return saved;
}

Result<SavedRecord> LoadSavedRecord(const std::string& path) {
    const Result<RecordFileLines> read = ReadRecordFileLines(path);
    if (!read) return read.problem();
    if (read->linesInFile == 0) return Problem{{}, "the file is empty"};
    return SavedRecordFromLines(*read);
}

Problem AtRecordLine(const Problem& problem) {
    const RecordField* field = RecordFieldNamed(problem.where);
    if (field == nullptr) return problem;
    return {"line " + std::to_string(RecordLineOf(*field)) + ": " + problem.where, problem.reason};
}

}  // namespace nyra
