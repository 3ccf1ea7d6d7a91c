// One row of the batch tool, from its input to its output line: the table
// header, the row's cells, the birth place and the computed cells. Each
// function depends on its arguments alone, so rows may be worked on in any
// order; writing and the exit status stay with the caller.
#pragma once

#include "precise/precise_moon.h"
#include "record/record_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

// Years whose charts the tool computes. Within them the engine's series,
// ayanamsa and sign-change search stay consistent with one another (checked
// at both ends); far outside they give rolled-over angles and slow searches.
inline constexpr int kBatchFirstYear = 1800;
inline constexpr int kBatchLastYear = 2399;
// The largest zone offsets in use anywhere, and the globe's own limits.
inline constexpr int kMaxZoneHours = 14;
inline constexpr int kMaxLongitudeDeg = 180;
inline constexpr int kMaxLatitudeDeg = 90;

// Which computed columns follow the input. In this order: the place's
// (with a Place column), the chart's, the precise Moon's, the time
// window's (with a TimeWindowMinutes column), the description's.
struct RowOptions {
    bool describe = false;  ///< The sign description's 27 fields too.
    bool precise = false;   ///< The Moon from Swiss Ephemeris beside the engine's.
    Ayanamsa ayanamsa = kDefaultAyanamsa;  ///< The precise columns' ayanamsa.
};

// The columns of one table, as its header names them.
struct TableLayout {
    std::vector<std::string> names;            ///< Trimmed, in the header's order.
    std::vector<const RecordField*> fields;    ///< Per column; null for Place and TimeWindowMinutes.
    std::optional<std::size_t> placeColumn;
    std::optional<std::size_t> windowColumn;   ///< TimeWindowMinutes.
    bool hasPlaceFields = false;  ///< Every required column a place can stand in for is there.
};

struct HeaderResult {
    std::optional<TableLayout> layout;
    std::string error;  ///< "unknown column \"x\"", when there is no layout.
};

// The header line without its line end and byte-order mark.
HeaderResult ReadTableHeader(std::string_view line);

// The whole output header, without its line end.
std::string TableOutputHeader(const TableLayout& layout, const RowOptions& options);
std::string RecordOutputHeader(const RowOptions& options);

// The output line (without its line end), or why the row is skipped.
struct RowResult {
    bool ok = false;
    std::string text;
    /// The precise columns came from the Moshier ephemeris built into Swiss
    /// Ephemeris, its files being missing.
    bool fallbackEphemeris = false;
};

// One table row without its line end. A reason names the column first
// ("BirthDay: ..."); the caller adds the line number.
RowResult ComputeTableRow(const TableLayout& layout, const RowOptions& options, std::string_view row);

// One record file as read. A reason names the record's line and column
// ("line 3: BirthDay: ..."); the caller adds the file name.
RowResult ComputeRecordRow(const RecordLoadResult& loaded, const RowOptions& options);

} // namespace nyra
