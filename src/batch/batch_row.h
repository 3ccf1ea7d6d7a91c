// One row of the batch tool, from its input to its output line: the table
// header, the row's cells, the birth place and the computed cells. Each
// function depends on its arguments alone, so rows may be worked on in any
// order; writing and the exit status stay with the caller.
#pragma once

#include "base/result.h"
#include "precise/precise_moon.h"
#include "record/record_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

// Which computed columns follow the input, and what the run found of the
// system. In this order: the place's (with a Place column), the chart's, the
// precise Moon's, the time window's (with a TimeWindowMinutes column, or
// records of which one has a sixteenth line), the description's.
struct RowOptions {
    bool describe = false;  ///< The sign description's 27 fields too.
    bool precise = false;   ///< The Moon from Swiss Ephemeris beside the engine's.
    Ayanamsa ayanamsa = kDefaultAyanamsa;  ///< The precise columns' ayanamsa.
    /// Whether the system's time zone database could be read (RunBatch asks
    /// ZoneDatabaseReadable once); without it a Place row is refused saying
    /// so, rather than blaming its date.
    bool zoneDatabaseReadable = true;
};

// The columns of one table, as its header names them.
struct TableLayout {
    std::vector<std::string> names;            ///< Trimmed, in the header's order.
    std::vector<const RecordField*> fields;    ///< Per column; null for Place.
    std::optional<std::size_t> placeColumn;
    std::optional<std::size_t> windowColumn;   ///< TimeWindowMinutes.
    bool hasPlaceFields = false;  ///< Every required column a place can stand in for is there.
};

// The header line without its line end and byte-order mark. A refusal says
// what is wrong with the header as a whole ("unknown column \"x\"").
Result<TableLayout> ReadTableHeader(std::string_view line);

// The whole output header, without its line end.
std::string TableOutputHeader(const TableLayout& layout, const RowOptions& options);
// For records; `withWindow` adds TimeWindowMinutes to the record's columns
// and PossibleSigns and SignCertain to the computed ones.
std::string RecordOutputHeader(const RowOptions& options, bool withWindow);

// One row's outcome: the output line (without its line end), or why the row
// is skipped.
struct RowResult {
    Result<std::string> line = std::string();
    /// The precise columns came from the Moshier ephemeris built into Swiss
    /// Ephemeris, its files being missing.
    bool fallbackEphemeris = false;
};

// One table row without its line end. A Problem names the column as its
// `where` ("BirthDay"); the caller adds the line number.
RowResult ComputeTableRow(const TableLayout& layout, const RowOptions& options, std::string_view row);

// One record file as loaded, checked with kBatchLimits. A Problem names the
// record's line and column ("line 3: BirthDay"); the caller adds the file
// name. With `withWindow` its time window (exact for a record of fifteen
// lines) gives the window's columns, as a TimeWindowMinutes column would.
RowResult ComputeRecordRow(const Result<SavedRecord>& loaded, const RowOptions& options, bool withWindow);

} // namespace nyra
