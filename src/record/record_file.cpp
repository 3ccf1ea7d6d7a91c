#include "record/record_file.h"

#include "record/field_text.h"
#include "record/file_io.h"

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

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

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

} // namespace

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

RecordLines RecordLinesFrom(const BirthRecord& record) {
    RecordLines lines;
    for (std::size_t i = 0; i < kRecordLayout.size(); ++i) {
        const RecordField& field = kRecordLayout[i];
        switch (field.kind) {
        case RecordLineKind::Name:
            lines[i] = StoredName(record.BirthName);
            break;
        case RecordLineKind::Number:
            lines[i] = std::to_string(record.*field.member);
            break;
        case RecordLineKind::ZoneSize:
            lines[i] = ZoneLine(record, field.member);
            break;
        case RecordLineKind::Flag:
            lines[i] = FlagText(record.*field.member);
            break;
        }
    }
    return lines;
}

std::string EncodeRecordFile(const BirthRecord& record) {
    std::string file;
    for (const std::string& line : RecordLinesFrom(record)) {
        file += ScrambleRecordLine(line);
        file += "\r\n";
    }
    return file;
}

std::optional<std::string> WriteBirthRecord(const std::string& path, const BirthRecord& record) {
    if (const Result<void> written = WriteFileAtomically(path, EncodeRecordFile(record)); !written)
        return written.problem().reason;
    return std::nullopt;
}

RecordReadResult ReadBirthRecordFile(const std::string& path) {
    RecordReadResult result;
    // Non-blocking, so that a pipe or a terminal without data ends the read
    // instead of hanging the window; plain files are unaffected.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        result.error = ErrnoText(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        result.error = ErrnoText(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = ErrnoText(EISDIR);
        return result;
    }

    // Each line keeps one byte past the limit, for the CR that may precede
    // its LF; anything longer is cut to the limit at the line's end.
    RecordLines raw;
    const auto finishLine = [](std::string& line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxRecordLineBytes) line.resize(kMaxRecordLineBytes);
    };

    std::vector<char> buffer(64 * 1024);
    std::size_t total = 0;
    int lineIndex = 0;
    bool lineStarted = false;  // bytes since the last line end
    while (lineIndex < kRecordLineCount && total < kMaxRecordFileBytes) {
        const std::size_t want = std::min(buffer.size(), kMaxRecordFileBytes - total);
        const ssize_t n = ::read(fd.get(), buffer.data(), want);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) break;
            result.error = ErrnoText(errno);
            return result;
        }
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
        for (ssize_t i = 0; i < n && lineIndex < kRecordLineCount; ++i) {
            std::string& line = raw[static_cast<std::size_t>(lineIndex)];
            if (buffer[static_cast<std::size_t>(i)] == '\n') {
                finishLine(line);
                ++lineIndex;
                lineStarted = false;
            } else {
                if (line.size() <= kMaxRecordLineBytes) line.push_back(buffer[static_cast<std::size_t>(i)]);
                lineStarted = true;
            }
        }
    }
    // A last line without its line end still counts.
    if (lineIndex < kRecordLineCount && lineStarted) {
        finishLine(raw[static_cast<std::size_t>(lineIndex)]);
        ++lineIndex;
    }
    result.linesInFile = lineIndex;

    for (std::size_t i = 0; i < raw.size(); ++i) result.lines[i] = UnscrambleRecordLine(raw[i]);
    result.ok = true;
    return result;
}

namespace {

// The record from its lines, of which the file had `present`: an empty line
// past them is reported as missing rather than as empty.
std::optional<BirthRecord> RecordFromLines(const RecordLines& lines, int present, RecordProblem* problem) {
    const auto fail = [problem](const RecordField& field, std::string reason) -> std::optional<BirthRecord> {
        if (problem != nullptr) *problem = RecordProblem{RecordLineOf(field), std::move(reason)};
        return std::nullopt;
    };

    BirthRecord record;
    bool zoneMinus = false;
    for (std::size_t i = 0; i < kRecordLayout.size(); ++i) {
        const RecordField& field = kRecordLayout[i];
        const std::string& line = lines[i];
        switch (field.kind) {
        case RecordLineKind::Name:
            record.BirthName = line;
            break;
        case RecordLineKind::Number:
        case RecordLineKind::ZoneSize: {
            if (RecordLineOf(field) > present && line.empty()) {
                return fail(field, "missing, the file ends before this line");
            }
            std::string reason;
            const std::optional<std::int16_t> value = ParseInt16(line, &reason);
            if (!value) return fail(field, std::move(reason));
            record.*field.member = *value;
            if (field.kind == RecordLineKind::ZoneSize) zoneMinus = zoneMinus || HasMinusSign(line);
            break;
        }
        case RecordLineKind::Flag:
            record.*field.member = line == "1" ? kTrue : kFalse;
            break;
        }
    }

    // The record keeps the zone's sizes, and its direction as ZoneIsEast.
    if (!StoreSignedZone(record, record.ZoneHours, record.ZoneMinutes, zoneMinus)) {
        const auto* field = RecordFieldOf(record.ZoneHours == kInt16Min ? &BirthRecord::ZoneHours
                                                                        : &BirthRecord::ZoneMinutes);
        return fail(*field, QuoteInput(std::to_string(kInt16Min)) + " is outside " + std::to_string(kInt16Min + 1) +
                                ".." + std::to_string(kInt16Max));
    }
    return record;
}

} // namespace

std::string RecordProblemText(const RecordProblem& problem) {
    if (problem.line < 1 || problem.line > kRecordLineCount) return problem.reason;
    const RecordField& field = kRecordLayout[static_cast<std::size_t>(problem.line - 1)];
    return "line " + std::to_string(problem.line) + ": " + std::string(field.column) + ": " + problem.reason;
}

std::optional<BirthRecord> BirthRecordFromLines(const RecordLines& lines, RecordProblem* problem) {
    return RecordFromLines(lines, kRecordLineCount, problem);
}

std::optional<BirthRecord> BirthRecordFromLines(const RecordLines& lines, std::string* error) {
    RecordProblem problem;
    std::optional<BirthRecord> record = RecordFromLines(lines, kRecordLineCount, &problem);
    if (!record && error != nullptr) *error = RecordProblemText(problem);
    return record;
}

RecordLoadResult LoadBirthRecord(const std::string& path) {
    RecordLoadResult result;
    const RecordReadResult read = ReadBirthRecordFile(path);
    if (!read.ok) {
        result.problem.reason = read.error;
    } else if (read.linesInFile == 0) {
        result.problem.reason = "the file is empty";
    } else {
        result.record = RecordFromLines(read.lines, read.linesInFile, &result.problem);
    }
    return result;
}

} // namespace nyra
