// One row of the batch tool, from its input to its output line: the table
// header, the row's cells, the birth place and the computed cells. Each
// function depends on its arguments alone, so rows may be worked on in any
// order; writing and the exit status stay with the caller.
#pragma once

#include "base/result.h"
#include "basis/moon_basis.h"
#include "precise/precise_moon.h"
#include "record/record_file.h"
#include "signs/language.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

// How the rows are written: a tab-separated table under a header line, or
// one JSON object a line whose keys are the header's names.
enum class RowFormat { Tsv, Jsonl };

// Which computed columns follow the input, how they are computed and
// written, and what the run found of the system. In this order: the
// place's (with a Place column), the chart's (the nakshatra's times among
// them), the precise Moon's, the time window's (with a TimeWindowMinutes
// column, or records of which one has a sixteenth line), the description's.
struct RowOptions {
    /// What the chart's columns come from: the classic formula, or Swiss
    /// Ephemeris with `ayanamsa`. The time window and the description follow it.
    BasisKind basis = BasisKind::Classic;
    bool describe = false;        ///< The sign description's 27 fields too.
    bool precise = false;         ///< Swiss Ephemeris' Moon beside the classic formula's (Classic basis only).
    bool nakshatraTimes = false;  ///< NakshatraEntered and NakshatraLeaves after SignLeaves.
    /// Swiss Ephemeris' ayanamsa, for the Precise basis or the precise columns.
    Ayanamsa ayanamsa = kDefaultAyanamsa;
    RowFormat format = RowFormat::Tsv;
    /// The names of signs, nakshatras and planets and the description's texts;
    /// column names, numbers and messages are English in either.
    Language language = Language::English;
    /// Whether the system's time zone database could be read (RunBatch asks
    /// ZoneDatabaseReadable once); without it a Place row is refused saying
    /// so, rather than blaming its date.
    bool zoneDatabaseReadable = true;
};

// The columns of one table, as its header names them.
struct TableLayout {
    std::vector<std::string> names;  ///< Trimmed, in the header's order.
    /// The output's columns: the input's names, then the computed ones. The
    /// header line joins them; a JSON line takes its keys from them.
    std::vector<std::string> output;
    std::vector<const RecordField*> fields;  ///< Per column; null for Place.
    std::optional<std::size_t> placeColumn;
    std::optional<std::size_t> windowColumn;  ///< TimeWindowMinutes.
    bool hasPlaceFields = false;              ///< Every required column a place can stand in for is there.
};

// The header line without its line end and byte-order mark, for a run with
// `options`. A refusal says what is wrong with the header as a whole
// ("unknown column \"x\"").
Result<TableLayout> ReadTableHeader(std::string_view line, const RowOptions& options);

// The columns of rows from records.
struct RecordLayout {
    /// TimeWindowMinutes follows the record's columns and PossibleSigns and
    /// SignCertain the computed ones.
    bool withWindow = false;
    std::vector<std::string> output;  ///< As TableLayout's.
};
RecordLayout RecordLayoutFor(const RowOptions& options, bool withWindow);

// The header line of an output, without its line end.
std::string OutputHeader(std::span<const std::string> columns);

// One row's outcome: the output line (without its line end), or why the row
// is skipped.
struct RowResult {
    Result<std::string> line = std::string();
    /// What the row's Swiss Ephemeris figures asked of the library: the Moon
    /// positions of the Precise basis (its time window's included), and
    /// whether any answer came from the Moshier theory built into the library
    /// because its files are missing (for the precise columns too, whose
    /// positions are not counted).
    LibraryUse library = {};
    /// Something the row was read past, said before it on standard error
    /// (a record's sixteenth line that holds no time window).
    std::optional<Problem> note = {};
};

// One table row without its line end. A Problem names the column as its
// `where` ("BirthDay"); the caller adds the line number.
RowResult ComputeTableRow(const TableLayout& layout, const RowOptions& options, std::string_view row);

// One record file as loaded, checked with kBatchLimits. A Problem names the
// record's line and column ("line 3: BirthDay"); the caller adds the file
// name. With the layout's window, the record's time window (exact for a
// record of fifteen lines) gives the window's columns, as a
// TimeWindowMinutes column would.
RowResult ComputeRecordRow(const Result<SavedRecord>& loaded, const RowOptions& options, const RecordLayout& layout);

}  // namespace nyra
