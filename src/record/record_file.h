// The saved record file (.moo): fifteen scrambled text lines holding one
// BirthRecord, and a sixteenth when the birth time was not known exactly.
// Plain C++.
#pragma once

#include "base/result.h"
#include "engine/birth_record.h"
#include "engine/time_window.h"
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

// Longest stored line the reader accepts. A longer line is refused rather
// than read cut (4,095 zeros and "59" are no minute 5); the reader keeps
// only this much of it, so a huge or binary file cannot exhaust memory.
inline constexpr std::size_t kMaxRecordLineBytes = 4096;

// The reader stops after this many bytes even when it has not met sixteen
// line ends, so an endless device or a huge file returns promptly. A file the
// program writes stays far below it: sixteen lines of at most
// kMaxRecordLineBytes.
inline constexpr std::size_t kMaxRecordFileBytes = 1024 * 1024;

// One text per row of kRecordLayout; the sixteenth is empty for an exact time.
using RecordLines = std::array<std::string, kRecordLayout.size()>;

// A record as saved: the birth, and how well its clock time was known.
struct SavedRecord {
    BirthRecord birth;
    TimeWindow timeKnown;  ///< Exact for a record of fifteen lines.
    /// A sixteenth line that holds no time window (another program's text):
    /// the record is read with an exact time, and this says so, its `where`
    /// the line's column.
    std::optional<Problem> unreadLine = {};

    friend bool operator==(const SavedRecord&, const SavedRecord&) = default;
};

// Raise every byte by kRecordOffset; a byte that would pass 255 is left out.
std::string ScrambleRecordLine(std::string_view text);
// Lower every byte by kRecordOffset; a byte that would fall below 0 is left out.
std::string UnscrambleRecordLine(std::string_view stored);

// The plain (unscrambled) lines of a record, in the order of kRecordLayout.
// Numbers in decimal without padding or plus sign; zone sizes of a zone east
// of Greenwich with a minus sign (on the hours when both are zero: "-0");
// flags "1" or "0". The name loses its control characters (two of them
// would scramble into CR and LF and split the file) and is cut, at a
// character boundary, to what the reader keeps. The sixteenth line holds a
// time not known exactly in TimeWindowMinutes words ("60", "day"; a window
// wider than kMaxWindowMinutes as that, as SignsInWindow narrows it) and is
// empty for an exact time.
RecordLines RecordLinesFrom(const BirthRecord& record, const TimeWindow& timeKnown = TimeWindow::Exact());

// The whole file's bytes: every line scrambled and ended by CR LF; fifteen
// lines for an exact time, byte for byte what the program always wrote, and
// sixteen otherwise.
std::string EncodeRecordFile(const BirthRecord& record, const TimeWindow& timeKnown = TimeWindow::Exact());

// Writes the record to `path` with WriteFileAtomically (record/file_io.h):
// a failed save leaves an existing file as it was. The Problem's reason is
// the system's (or the writer's) text; it has no `where`.
Result<void> WriteBirthRecord(const std::string& path, const BirthRecord& record,
                              const TimeWindow& timeKnown = TimeWindow::Exact());

// A record file's lines as read.
struct RecordFileLines {
    RecordLines lines;    ///< Unscrambled; a line the file lacks is empty.
    int linesInFile = 0;  ///< Lines the file has, up to sixteen; 0 when it is empty.
    /// Lines that held more than kMaxRecordLineBytes, kept cut in `lines`.
    std::array<bool, kRecordLayout.size()> tooLong{};
};

// Reads at most sixteen lines (CR LF, or a bare LF) of at most
// kMaxRecordLineBytes each and unscrambles them; lines past the sixteenth
// are not read. A folder, a missing or unreadable file is a Problem with the
// system's reason.
Result<RecordFileLines> ReadRecordFileLines(const std::string& path);

// Turns a file's plain lines back into a record, read as kRecordLayout says:
// numbers by ParseInt16 (text/number_text.h), a minus sign on either zone
// line as a zone east of Greenwich, flags true exactly when their line is
// "1", the name as it is; the sixteenth line by ParseTimeWindowMinutes, an
// empty or absent one being an exact time, and one that is neither a number
// nor "day" an exact time noted in `unreadLine` (records written elsewhere
// may carry more lines). A line longer than kMaxRecordLineBytes is refused.
// A number line past the file's
// `linesInFile` is missing rather than empty. The first line that cannot be
// read is the Problem, its `where` the line's column ("BirthDay";
// AtRecordLine names the line too). Values are not checked against any
// calendar or list (record/birth_check.h does that).
Result<SavedRecord> SavedRecordFromLines(const RecordFileLines& file);

// Reads and converts a whole record file: a file that cannot be read, an
// empty file and a line the file lacks are problems too.
Result<SavedRecord> LoadSavedRecord(const std::string& path);

// A record's problem as messages name it: `where` "line 3: BirthDay" for
// the problem of a line, as it was for the whole file.
Problem AtRecordLine(const Problem& problem);

}  // namespace nyra
