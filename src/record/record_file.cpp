#include "record/record_file.h"

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

// Parses a whole decimal integer within 16 bits; surrounding blanks are
// allowed, blanks inside, a plus sign and a fraction are not.
std::optional<std::string> ParseInt16(std::string_view text, std::int16_t* value) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::string("empty");

    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::string("not a whole number");

    long magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::string("not a whole number");
        // Capped so that any number of digits cannot overflow.
        if (magnitude <= 32768) magnitude = magnitude * 10 + (c - '0');
    }
    const long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT16_MIN || signedValue > INT16_MAX) return std::string("out of range");
    *value = static_cast<std::int16_t>(signedValue);
    return std::nullopt;
}

} // namespace

std::string ScrambleRecordLine(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) + RecordOffset;
        if (code <= 255) stored.push_back(static_cast<char>(code));
    }
    return stored;
}

std::string UnscrambleRecordLine(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (const char c : stored) {
        const int code = static_cast<unsigned char>(c) - RecordOffset;
        if (code >= 0) text.push_back(static_cast<char>(code));
    }
    return text;
}

// Zone sizes are stored with the minus sign they were entered with, so a
// zone east of Greenwich reads back as it was typed or picked. When both are
// zero the sign goes on the hours ("-0") so it is not lost.
std::string ZoneLine(std::int16_t magnitude, bool east, bool signHere) {
    const std::string digits = std::to_string(std::abs(static_cast<int>(magnitude)));
    return east && signHere ? "-" + digits : digits;
}

RecordLines RecordLinesFrom(const BirthRecord& record) {
    const bool zoneEast = record.ZoneIsEast != 0;
    const bool bothZero = record.ZoneHours == 0 && record.ZoneMinutes == 0;
    return {
        StoredName(record.BirthName),
        std::to_string(record.BirthMonth),
        std::to_string(record.BirthDay),
        std::to_string(record.BirthYear),
        std::to_string(record.BirthHour),
        std::to_string(record.BirthMinute),
        std::to_string(record.LonDegrees),
        std::to_string(record.LonMinutes),
        std::to_string(record.LatDegrees),
        std::to_string(record.LatMinutes),
        ZoneLine(record.ZoneHours, zoneEast, record.ZoneHours != 0 || bothZero),
        ZoneLine(record.ZoneMinutes, zoneEast, record.ZoneMinutes != 0),
        FlagText(record.LonIsEast),
        FlagText(record.LatIsSouth),
        FlagText(record.DstOn),
    };
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
    return WriteFileAtomically(path, EncodeRecordFile(record));
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
            } else if (line.size() <= kMaxRecordLineBytes) {
                line.push_back(buffer[static_cast<std::size_t>(i)]);
            }
        }
    }
    // A last line without its line end still counts.
    if (lineIndex < kRecordLineCount) finishLine(raw[static_cast<std::size_t>(lineIndex)]);

    for (std::size_t i = 0; i < raw.size(); ++i) result.lines[i] = UnscrambleRecordLine(raw[i]);
    result.ok = true;
    return result;
}

std::optional<BirthRecord> BirthRecordFromLines(const RecordLines& lines, std::string* error) {
    BirthRecord record;
    record.BirthName = lines[0];

    // In file order, lines 2 to 12.
    std::int16_t* const numbers[] = {
        &record.BirthMonth, &record.BirthDay,   &record.BirthYear,  &record.BirthHour,
        &record.BirthMinute, &record.LonDegrees, &record.LonMinutes, &record.LatDegrees,
        &record.LatMinutes, &record.ZoneHours,  &record.ZoneMinutes,
    };
    static_assert(std::size(numbers) == kRecordLineCount - 4);
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        if (auto problem = ParseInt16(lines[i + 1], numbers[i])) {
            if (error != nullptr) *error = "line " + std::to_string(i + 2) + ": " + *problem;
            return std::nullopt;
        }
    }

    // A minus sign on either zone line marks a zone east of Greenwich; the
    // record keeps the sizes.
    const bool minus = lines[10].find('-') != std::string::npos || lines[11].find('-') != std::string::npos;
    if (!StoreSignedZone(record, record.ZoneHours, record.ZoneMinutes, minus)) {
        if (error != nullptr) *error = "line " + std::string(record.ZoneHours == -32768 ? "11" : "12") + ": out of range";
        return std::nullopt;
    }

    const auto flag = [](const std::string& line) { return line == "1" ? kTrue : kFalse; };
    record.LonIsEast = flag(lines[12]);
    record.LatIsSouth = flag(lines[13]);
    record.DstOn = flag(lines[14]);
    return record;
}

} // namespace nyra
