// The saved record file (.moo): fifteen scrambled text lines holding one
// BirthRecord. Plain C++.
#pragma once

#include "engine/ephemeris.h"
#include "record/record_layout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {

// Every byte of a stored line is the text's byte raised by this offset. With
// 11 or less no byte of valid UTF-8 (at most 0xF4) is raised past 255, so
// names in any script survive.
inline constexpr int kRecordOffset = 7;

// Longest stored line the reader accepts; the rest of a longer line is
// skipped, so a huge or binary file cannot exhaust memory.
inline constexpr std::size_t kMaxRecordLineBytes = 4096;

// The reader stops after this many bytes even when it has not met fifteen
// line ends, so an endless device or a huge file returns promptly. A file the
// program writes stays far below it: fifteen lines of at most
// kMaxRecordLineBytes.
inline constexpr std::size_t kMaxRecordFileBytes = 1024 * 1024;

using RecordLines = std::array<std::string, kRecordLineCount>;

// Raise every byte by kRecordOffset; a byte that would pass 255 is left out.
std::string ScrambleRecordLine(std::string_view text);
// Lower every byte by kRecordOffset; a byte that would fall below 0 is left out.
std::string UnscrambleRecordLine(std::string_view stored);

// The fifteen plain (unscrambled) lines of a record, in the order of
// kRecordLayout. Numbers in decimal without padding or plus sign; zone sizes
// of a zone east of Greenwich with a minus sign (on the hours when both are
// zero: "-0"); flags "1" or "0". The name loses its control characters (two
// of them would scramble into CR and LF and split the file) and is cut, at a
// character boundary, to what the reader keeps.
RecordLines RecordLinesFrom(const BirthRecord& record);

// The whole file's bytes: every line scrambled and ended by CR LF.
std::string EncodeRecordFile(const BirthRecord& record);

// Writes the record to `path` with WriteFileAtomically (record/file_io.h):
// a failed save leaves an existing file as it was. Returns the reason on
// failure.
std::optional<std::string> WriteBirthRecord(const std::string& path, const BirthRecord& record);

struct RecordReadResult {
    bool ok = false;
    std::string error;  ///< Why the file could not be read, when !ok.
    RecordLines lines;  ///< Unscrambled; a line the file lacks is empty.
    int linesInFile = 0;  ///< Lines the file has, up to fifteen; 0 when it is empty.
};

// Reads at most fifteen lines (CR LF, or a bare LF) of at most
// kMaxRecordLineBytes each and unscrambles them. A folder, a missing or
// unreadable file is a failure with its reason.
RecordReadResult ReadBirthRecordFile(const std::string& path);

// Why a record cannot be used.
struct RecordProblem {
    int line = 0;        ///< 1..15, or 0 when the problem is the file as a whole.
    std::string reason;  ///< "\"x\" is not a whole number", "the file is empty"
};

// "line 2: BirthMonth: reason", or the reason alone for the whole file.
std::string RecordProblemText(const RecordProblem& problem);

// Turns the plain lines back into a record, read as kRecordLayout says:
// numbers by ParseInt16 (record/field_text.h), a minus sign on either zone
// line as a zone east of Greenwich, flags true exactly when their line is
// "1", the name as it is. On failure `problem` gets the first line that
// cannot be read. Values are not checked against any calendar or list.
std::optional<BirthRecord> BirthRecordFromLines(const RecordLines& lines, RecordProblem* problem = nullptr);
// The same with the problem as RecordProblemText.
std::optional<BirthRecord> BirthRecordFromLines(const RecordLines& lines, std::string* error);

struct RecordLoadResult {
    std::optional<BirthRecord> record;
    RecordProblem problem;  ///< When there is no record.
};

// Reads and converts a whole record file: a file that cannot be read, an
// empty file and a line the file lacks are problems too.
RecordLoadResult LoadBirthRecord(const std::string& path);

} // namespace nyra
