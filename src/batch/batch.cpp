#include "batch/batch.h"

#include "atlas/atlas.h"
#include "batch/batch_io.h"
#include "batch/ordered_pipeline.h"
#include "batch/row_cells.h"
#include "engine/time_window.h"
#include "record/birth_check.h"
#include "record/file_io.h"
#include "text/quoted_input.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <oneapi/tbb/info.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <utility>

namespace nyra {
namespace {

constexpr std::string_view kProgram = "nyra-moonsign-batch";
// Said once a run, after the program's name and the first row it concerns.
constexpr std::string_view kFallbackNote = "Swiss Ephemeris files not found; the Moshier theory was used from here on";
// Spreadsheets put this UTF-8 byte-order mark before the header.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Lines longer than this give their memory back once used: a few huge
// rows cannot keep their size in every buffer of the pipeline.
constexpr std::size_t kKeptLineCapacity = 4096;

// Paths and labels come from the command line: printable as they are, any
// other byte escaped, and never cut, so the file can still be found.
std::string Prefix(const std::string& label) { return label.empty() ? std::string() : EscapeInput(label) + ": "; }

// One line of a table on its way through the run.
struct TableItem {
    long long lineNumber = 0;
    LineRead read = LineRead::End;
    std::string line;
    RowResult row;
    std::size_t InputBytes() const { return line.size(); }
};

// One saved record file on its way through the run.
struct RecordItem {
    const std::string* path = nullptr;
    RowResult row;
    std::size_t InputBytes() const { return 0; }
};

// Whether any record loads with a time window (a sixteenth line for a time
// not known exactly): then every record's row gets the window's columns, so
// this is settled before the first row. Stops at the first such record;
// records of exact times alone are each read once more by their rows.
bool AnyRecordHasAWindow(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        const Result<SavedRecord> loaded = LoadSavedRecord(path);
        return loaded && loaded->timeKnown != TimeWindow::Exact();
    });
}

// One run over several inputs: the output header is written once and later
// tables must have the same columns. Rows are computed on `jobs` threads
// and written in input order; the memory used does not grow with the
// number of rows.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, int jobs, std::ostream& out, std::ostream& err)
        : options_(options), jobs_(jobs), out_(out), err_(err) {}

    // One table: header line, then rows. `label` prefixes messages when
    // several inputs are read ("" for one); `source` names the input in a
    // read error.
    void ProcessTable(std::streambuf& in, const std::string& label, const std::string& source);
    void ProcessTableFile(const std::string& path, bool several);
    // Saved record files, one row each.
    void ProcessRecordFiles(const std::vector<std::string>& paths);

    // Raises the exit status (never lowers it). Called by one thread at a
    // time; OutputFailed() may be asked from any.
    void Fail(int status) {
        status_ = std::max(status_, status);
        if (status_ == kBatchOutputFailed) outputFailed_.store(true, std::memory_order_relaxed);
    }
    bool OutputFailed() const { return outputFailed_.load(std::memory_order_relaxed); }
    // Flushes the output and gives the exit status.
    int Finish();

private:
    // The table's first line that is not empty, read as its header, with
    // the output header written or matched; nothing, after saying why,
    // when the table cannot be used. `lineNumber` counts the lines read.
    std::optional<TableLayout> ReadHeader(std::streambuf& in, const std::string& prefix, const std::string& source,
                                          long long& lineNumber);
    // False when the columns differ from those already written.
    bool UseHeader(const std::vector<std::string>& columns);
    void WriteLine(const std::string& line);
    // In JSON Lines, a refused row's object in its place (row_cells.h).
    void WriteRefusal(const std::string& file, long long line, const std::string& problem);
    // A row, after the note on the Moshier fallback if it is the first row
    // to use it; `where` names the row in the note ("line 7", "FILE: line
    // 7", "FILE.moo").
    template <typename Where>
    void WriteRow(const RowResult& row, const Where& where);

    const BatchOptions& options_;
    const int jobs_;
    std::ostream& out_;
    std::ostream& err_;
    int status_ = kBatchOk;
    std::atomic<bool> outputFailed_ = false;
    bool headerUsed_ = false;
    std::vector<std::string> writtenColumns_;  ///< The first input's output columns.
    bool fallbackNoted_ = false;
};

void BatchRun::WriteLine(const std::string& line) {
    out_.write(line.data(), static_cast<std::streamsize>(line.size()));
    out_.put('\n');
    if (!out_) Fail(kBatchOutputFailed);
}

void BatchRun::WriteRefusal(const std::string& file, long long line, const std::string& problem) {
    if (options_.columns.format == RowFormat::Jsonl) WriteLine(RefusedRowObject(file, line, problem));
}

template <typename Where>
void BatchRun::WriteRow(const RowResult& row, const Where& where) {
    // Once, at the first row written with the fallback's figures, so that
    // every run of the same input says it at the same place.
    if (row.library.usedMoshier && !fallbackNoted_) {
        err_ << kProgram << ": " << where() << ": " << kFallbackNote << '\n';
        fallbackNoted_ = true;
    }
    WriteLine(row.line.value());
}

bool BatchRun::UseHeader(const std::vector<std::string>& columns) {
    if (!headerUsed_) {
        headerUsed_ = true;
        writtenColumns_ = columns;
        // A JSON line names its own columns.
        if (options_.columns.format == RowFormat::Tsv) WriteLine(OutputHeader(columns));
        return true;
    }
    return columns == writtenColumns_;
}

int BatchRun::Finish() {
    if (!OutputFailed()) {
        out_.flush();
        if (!out_) Fail(kBatchOutputFailed);
    }
    if (OutputFailed()) ReportOutputFailure(out_.rdbuf() ? OutputError(*out_.rdbuf()) : 0, err_);
    return status_;
}

std::optional<TableLayout> BatchRun::ReadHeader(std::streambuf& in, const std::string& prefix,
                                                const std::string& source, long long& lineNumber) {
    std::string line;
    LineRead read = LineRead::End;
    while ((read = ReadTableLine(in, line)) != LineRead::End) {
        ++lineNumber;
        if (lineNumber == 1 && std::string_view(line).starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        if (read == LineRead::TooLong || !line.empty()) break;
    }
    if (read == LineRead::TooLong) {
        err_ << prefix << "line " << lineNumber << ": header longer than " << kMaxTableLineBytes << " bytes\n";
        Fail(kBatchFailed);
        return std::nullopt;
    }
    if (read == LineRead::End) {
        if (const int error = InputError(in)) {
            err_ << EscapeInput(source) << ": cannot be read: " << ErrnoText(error) << '\n';
        } else {
            err_ << prefix << "no header line\n";
        }
        Fail(kBatchFailed);
        return std::nullopt;
    }
    Result<TableLayout> header = ReadTableHeader(line, options_.columns);
    if (!header) {
        err_ << prefix << header.problem().Text() << '\n';
        Fail(kBatchFailed);
        return std::nullopt;
    }
    if (!UseHeader(header->output)) {
        err_ << prefix << "the columns differ from those of the first input\n";
        Fail(kBatchFailed);
        return std::nullopt;
    }
    return std::move(*header);
}

void BatchRun::ProcessTable(std::streambuf& in, const std::string& label, const std::string& source) {
    const std::string prefix = Prefix(label);
    long long lineNumber = 0;
    const std::optional<TableLayout> header = ReadHeader(in, prefix, source, lineNumber);
    if (!header) return;
    const TableLayout& layout = *header;

    // Rows: read in order, computed on any thread (parsing, place look-up
    // and the chart), written in order.
    const auto readRow = [&](TableItem& item) {
        if (item.line.capacity() > kKeptLineCapacity) std::string().swap(item.line);
        item.read = ReadTableLine(in, item.line);
        if (item.read == LineRead::End) return false;
        item.lineNumber = ++lineNumber;
        return true;
    };
    const auto computeRow = [&](TableItem& item) {
        if (item.read != LineRead::Line || item.line.empty()) return;
        try {
            item.row = ComputeTableRow(layout, options_.columns, item.line);
        } catch (const std::bad_alloc&) {
            item.row = {Problem{{}, "not enough memory for this row"}};
        }
    };
    const auto emitRow = [&](const TableItem& item) {
        const auto refuse = [&](const std::string& problem) {
            err_ << prefix << "line " << item.lineNumber << ": " << problem << '\n';
            Fail(kBatchRowErrors);
            WriteRefusal(label, item.lineNumber, problem);
        };
        if (item.read == LineRead::TooLong) {
            refuse("longer than " + std::to_string(kMaxTableLineBytes) + " bytes");
        } else if (item.line.empty()) {
            // A blank line between rows is no row.
        } else if (item.row.line) {
            WriteRow(item.row, [&] { return prefix + "line " + std::to_string(item.lineNumber); });
        } else {
            refuse(item.row.line.problem().Text());
        }
    };
    RunInOrder<TableItem>(jobs_, readRow, computeRow, emitRow, [this] { return OutputFailed(); });

    // With several jobs the rows may have been read a little past a failed
    // output, and a read error met there is reported as well.
    if (const int error = InputError(in)) {
        err_ << EscapeInput(source) << ": cannot be read: " << ErrnoText(error) << '\n';
        Fail(kBatchFailed);
    }
}

void BatchRun::ProcessTableFile(const std::string& path, bool several) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    int error = 0;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    }
    if (error != 0) {
        err_ << EscapeInput(path) << ": cannot be opened: " << ErrnoText(error) << '\n';
        Fail(kBatchFailed);
        return;
    }
    FdInBuffer in(fd.get());
    ProcessTable(in, several ? path : "", path);
}

void BatchRun::ProcessRecordFiles(const std::vector<std::string>& paths) {
    const RecordLayout layout = RecordLayoutFor(options_.columns, AnyRecordHasAWindow(paths));
    std::size_t next = 0;
    const auto readRecord = [&](RecordItem& item) {
        if (next == paths.size()) return false;
        item.path = &paths[next++];
        return true;
    };
    const auto computeRecord = [&](RecordItem& item) {
        try {
            item.row = ComputeRecordRow(LoadSavedRecord(*item.path), options_.columns, layout);
        } catch (const std::bad_alloc&) {
            item.row = {Problem{{}, "not enough memory for this record"}};
        }
    };
    const auto emitRecord = [&](const RecordItem& item) {
        if (!item.row.line) {
            err_ << EscapeInput(*item.path) << ": " << item.row.line.problem().Text() << '\n';
            Fail(kBatchRowErrors);
            WriteRefusal(*item.path, 0, item.row.line.problem().Text());
            return;
        }
        if (item.row.note) err_ << EscapeInput(*item.path) << ": " << item.row.note->Text() << '\n';
        UseHeader(layout.output);
        WriteRow(item.row, [&] { return EscapeInput(*item.path); });
    };
    RunInOrder<RecordItem>(jobs_, readRecord, computeRecord, emitRecord, [this] { return OutputFailed(); });
}

// "lahiri, kp, ... or yukteshwar", for the help and for messages.
std::string AyanamsaKeys(std::string_view lastJoin) {
    std::string keys;
    const auto ayanamsas = Ayanamsas();
    for (std::size_t i = 0; i < ayanamsas.size(); ++i) {
        if (i > 0) keys += i + 1 == ayanamsas.size() ? lastJoin : ", ";
        keys += ayanamsas[i].key;
    }
    return keys;
}

// Whether args[i] is the option `name`, which takes a value: "--name VALUE"
// (the next argument, which `i` then moves on to) or "--name=VALUE". The
// value is left empty when there is none.
bool IsOptionWithValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                       std::optional<std::string>& value) {
    const std::string& arg = args[i];
    value.reset();
    if (arg == name) {
        if (i + 1 < args.size()) value = args[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

Result<void> TakeAyanamsa(const std::optional<std::string>& value, RowOptions& columns) {
    const std::optional<Ayanamsa> ayanamsa = value ? AyanamsaFromKey(*value) : std::nullopt;
    if (!ayanamsa) {
        return Problem{{},
                       (value ? "unknown ayanamsa " + QuoteInput(*value) : "--ayanamsa needs a name") + " (" +
                           AyanamsaKeys(" or ") + ")"};
    }
    columns.ayanamsa = *ayanamsa;
    return {};
}

// An option's value chosen by its name.
template <typename T>
struct Choice {
    std::string_view key;
    T value;
};

constexpr auto kBasisChoices =
    std::to_array<Choice<BasisKind>>({{"classic", BasisKind::Classic}, {"precise", BasisKind::Precise}});
constexpr auto kFormatChoices =
    std::to_array<Choice<RowFormat>>({{"tsv", RowFormat::Tsv}, {"jsonl", RowFormat::Jsonl}});
constexpr auto kLanguageChoices = std::to_array<Choice<Language>>({{"en", Language::English}, {"hi", Language::Hindi}});
static_assert(kLanguageChoices.size() == kLanguages.size());

// "classic or precise"
template <typename T, std::size_t N>
std::string ChoiceKeys(const std::array<Choice<T>, N>& choices) {
    std::string keys;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) keys += i + 1 == N ? " or " : ", ";
        keys += choices[i].key;
    }
    return keys;
}

// The value `option` names, or a usage mistake naming `what` it is.
template <typename T, std::size_t N>
Result<void> TakeChoice(std::string_view option, std::string_view what, const std::optional<std::string>& value,
                        const std::array<Choice<T>, N>& choices, T& target) {
    for (const Choice<T>& choice : choices) {
        if (value && *value == choice.key) {
            target = choice.value;
            return {};
        }
    }
    return Problem{
        {},
        (value ? "unknown " + std::string(what) + " " + QuoteInput(*value) : std::string(option) + " needs a name") +
            " (" + ChoiceKeys(choices) + ")"};
}

std::optional<int> ParseJobs(const std::string& text) {
    int jobs = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (ec != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > kMaxJobs) return std::nullopt;
    return jobs;
}

Result<void> TakeJobs(const std::optional<std::string>& value, BatchOptions& options) {
    const std::optional<int> jobs = value ? ParseJobs(*value) : std::nullopt;
    if (!jobs) {
        return Problem{{},
                       "--jobs needs a whole number of threads 1.." + std::to_string(kMaxJobs) +
                           (value ? ", not " + QuoteInput(*value) : std::string())};
    }
    options.jobs = *jobs;
    return {};
}

// What the options ask must make sense together, unless they only ask for
// the help or the version.
Result<void> CheckTogether(const BatchOptions& options, bool ayanamsaGiven) {
    if (options.help || options.version) return {};
    if (options.records && options.inputs.empty()) return Problem{{}, "--records needs at least one record file"};
    const bool preciseBasis = options.columns.basis == BasisKind::Precise;
    // Both would be the same figures twice, one column agreeing with itself.
    if (options.columns.precise && preciseBasis) {
        return Problem{{},
                       "--precise sets Swiss Ephemeris beside the classic formula; with --basis precise "
                       "every column comes from Swiss Ephemeris already"};
    }
    // Without Swiss Ephemeris' figures the choice would change nothing, unseen.
    if (ayanamsaGiven && !options.columns.precise && !preciseBasis)
        return Problem{{}, "--ayanamsa chooses Swiss Ephemeris' ayanamsa; add --basis precise or --precise"};
    return {};
}

// How the tool is called and what it writes.
std::string UsageSynopsis() {
    return "Usage: nyra-moonsign-batch [OPTION...] [FILE...]\n"
           // clang-format off
           "       nyra-moonsign-batch [OPTION...] --records FILE.moo...\n"
           "       nyra-moonsign-batch --help | --version\n"
           // clang-format on
           "\n"
           "Computes the Moon sign of every row of a tab-separated table read from the\n"
           "FILEs, or from standard input when none is named, and writes a table to\n"
           "standard output: the input columns as given, then UniversalHours, Centuries,\n"
           "TropicalLongitude, AyanamsaShift, MoonLongitude (sidereal), MoonPositionText,\n"
           "RashiName, Nakshatra, Pada, NakshatraLord, SignEntered and SignLeaves (local\n"
           "clock time, YYYY-MM-DD HH:MM) and MinutesFromSignChange (to the nearer change;\n"
           "negative when it lies before the birth).\n";
}

// The table it reads and the values it accepts.
std::string UsageInput() {
    const auto span = [](const BirthLimits& limits) {
        return std::to_string(limits.firstYear) + ".." + std::to_string(limits.lastYear);
    };
    return "The first line names the columns, in any order (a UTF-8 byte-order mark\n"
           "before it is allowed). Required: BirthMonth BirthDay BirthYear BirthHour\n"
           "BirthMinute ZoneHours ZoneMinutes LonDegrees LonMinutes LonIsEast DstOn.\n"
           "Optional: BirthName LatDegrees LatMinutes LatIsSouth TimeWindowMinutes. Lines\n"
           "may end in LF or CR LF and hold at most " +
           std::to_string(kMaxTableLineBytes) +
           " bytes.\n"
           "Numbers are whole and fit 16 bits (blanks around them, a leading + or - and\n"
           "leading zeros are allowed); flags are 0 (false), 1 or -1 (true).\n"
           "Zones are sizes: the clock is ahead of universal time east of Greenwich,\n"
           "behind it west; a negative ZoneHours or ZoneMinutes (as the desktop\n"
           "program's zone picker writes them) always means ahead.\n"
           "\n"
           "Accepted values: years " +
           span(kBatchLimits) + " (wider than the desktop program's\n" + span(kWindowListLimits) +
           "), a day that its month has in that year, hours 0..23, minutes\n"
           "0..59, zones up to " +
           std::to_string(kMaxZoneHours) + " hours and 59 minutes, longitudes up to " +
           std::to_string(kMaxLongitudeDeg) +
           " and latitudes\n"
           "up to " +
           std::to_string(kMaxLatitudeDeg) + " degrees with minutes 0..59. The same holds for records.\n";
}

// The Place and TimeWindowMinutes columns, and records with a time window.
std::string UsagePlaceAndWindow() {
    return "A Place column (\"Madrid, Spain\", \"Pune\") may stand in for the coordinate,\n"
           "zone and DST columns: the place is found in the atlas and the zone and\n"
           "daylight saving in force there at the row's date and clock time are used;\n"
           "ResolvedPlace, TimeZoneId and UtcOffset are then written after the input.\n"
           "The change times of a Place row (SignEntered, SignLeaves and the\n"
           "nakshatra's) are on the clock in force there at each instant: a sign\n"
           "entered before a change of daylight saving reads as the clocks did then.\n"
           "Typed zone and DST columns give every time of their row the same offset.\n"
           "\n"
           "A TimeWindowMinutes column says how well the clock time is known: to within\n"
           "that many minutes either way (0.." +
           std::to_string(kMaxWindowMinutes) +
           "; 0 is exact), or day when it is\n"
           "not known at all (the whole local day). PossibleSigns (every sign the Moon was\n"
           "in during that window, in time order, with its share: \"Thula 35%; Vrischika\n"
           "65%\") and SignCertain (1 when one sign covers the whole window, else 0) are\n"
           "then written.\n"
           "\n"
           "A record saved with a birth time not known exactly has a sixteenth line\n"
           "holding its window in the same words. When any record read has one,\n"
           "TimeWindowMinutes follows the record's columns (0 for a record of fifteen\n"
           "lines, whose time is exact) and PossibleSigns and SignCertain are written.\n";
}

// The columns written, and the options.
std::string UsageOptions() {
    return "The columns written, in this order: the input's; the place's; the chart's\n"
           "(with the nakshatra's times after SignLeaves); the precise ones (--precise);\n"
           "PossibleSigns and SignCertain; the sign description's (--describe).\n"
           "\n"
           // clang-format off
           "  --basis NAME     what the chart's columns are computed with: classic (the\n"
           "                   default), the program's own formula, or precise, Swiss\n"
           "                   Ephemeris' apparent Moon with --ayanamsa's ayanamsa; the\n"
           "                   columns keep their names, and PossibleSigns, SignCertain\n"
           "                   and the description follow the basis' sign\n"
           "  --nakshatra-times\n"
           "                   also write NakshatraEntered and NakshatraLeaves (local\n"
           "                   clock time, YYYY-MM-DD HH:MM) after SignLeaves\n"
           "  --describe       also write the sign description's 27 fields as columns\n"
           "  --precise        also write the Moon from Swiss Ephemeris beside the classic\n"
           "                   formula's: PreciseLongitude (sidereal, degrees, six\n"
           "                   decimals, cut rather than rounded), PreciseRashi,\n"
           "                   PreciseAyanamsa (degrees, six decimals) and SignsAgree: the\n"
           "                   formula against the ephemeris, 1 when Swiss Ephemeris with\n"
           "                   Lahiri, the formula's own ayanamsa, puts the Moon in\n"
           "                   RashiName, else 0, whatever --ayanamsa; not with --basis\n"
           "                   precise, whose columns are Swiss Ephemeris' already\n"
           "  --ayanamsa NAME  Swiss Ephemeris' ayanamsa, for --basis precise or --precise\n"
           "                   (default " + std::string(InfoOf(kDefaultAyanamsa).key) + "), one of:\n"
           "                   " + AyanamsaKeys(", ") + "\n"
           "  --lang LANG      the language of the names of signs, nakshatras and planets\n"
           "                   (RashiName, Nakshatra, NakshatraLord, PreciseRashi, the\n"
           "                   signs in PossibleSigns) and of the description: en (the\n"
           "                   default) or hi (Hindi); column names, numbers,\n"
           "                   MoonPositionText and messages stay English\n"
           "  --format NAME    tsv (the default), a tab-separated table under a header\n"
           "                   line, or jsonl, one JSON object a row whose keys are the\n"
           "                   column names: a number or flag is a JSON number (an input\n"
           "                   cell as the tool reads it), any other cell a string as\n"
           "                   the table holds it (TimeWindowMinutes always one), every\n"
           "                   byte that is not UTF-8 written as U+FFFD; the change\n"
           "                   times in ISO 8601 with their offset\n"
           "                   (2026-03-27T05:06+00:00); a refused row as\n"
           "                   {\"line\": 7, \"problem\": \"...\"} in its place (\"file\"\n"
           "                   too when several files are read; a record file's\n"
           "                   {\"file\": ..., \"problem\": ...}), its message and the exit\n"
           "                   status as for a table\n"
           "  --jobs N         compute rows on N threads, 1.." + std::to_string(kMaxJobs) + " (default: one per\n"
           "                   core; 1 computes one row after another); the output is the\n"
           "                   same for every N\n"
           "  --records        read saved record files (.moo) instead of tables\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           // clang-format on
           "\n"
           "Swiss Ephemeris reads its files from " +
           std::string(kDefaultEphemerisFolder) +
           " (universal\n"
           "time 1800 to 2399). Without them it falls back to its built-in Moshier\n"
           "theory, which a note on standard error says once, before the first row it\n"
           "gave figures for. A row it cannot compute is refused, naming MoonLongitude\n"
           "(--basis precise), PossibleSigns or PreciseLongitude; so is a row whose\n"
           "universal time, or with --basis precise a change of its sign or nakshatra,\n"
           "falls outside the files' years.\n";
}

// Messages and the exit status.
std::string UsageMessagesAndStatus() {
    return "Control characters in a cell (a stray carriage return, an escape) become\n"
           "blanks in either format, so that a row stays one line of its columns.\n"
           "Messages quote the input they echo with every byte that is not printable\n"
           "UTF-8 written as \\xNN (\\r, \\n and \\t for those three).\n"
           "\n"
           "Exit status: 0 all rows written; 1 some rows or files skipped (reasons on\n"
           "standard error as 'line N: COLUMN: reason'); 2 bad usage, header or input\n"
           "that cannot be read; 3 the output could not be written (the reason on\n"
           "standard error; a reader that stops early, as head does, ends the run\n"
           "without a message).\n";
}

}  // namespace

std::string BatchUsage() {
    return UsageSynopsis() + "\n" + UsageInput() + "\n" + UsagePlaceAndWindow() + "\n" + UsageOptions() + "\n" +
           UsageMessagesAndStatus();
}

Result<BatchOptions> ParseBatchArguments(const std::vector<std::string>& args) {
    BatchOptions options;
    bool onlyFiles = false;
    bool ayanamsaGiven = false;
    std::optional<std::string> value;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        Result<void> taken;
        // After "--" every argument is a file, and so is "-" or any other
        // that does not start with '-'.
        if (onlyFiles || arg.size() < 2 || arg[0] != '-') {
            options.inputs.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--describe") {
            options.columns.describe = true;
        } else if (arg == "--precise") {
            options.columns.precise = true;
        } else if (arg == "--nakshatra-times") {
            options.columns.nakshatraTimes = true;
        } else if (IsOptionWithValue(args, i, "--basis", value)) {
            taken = TakeChoice("--basis", "basis", value, kBasisChoices, options.columns.basis);
        } else if (IsOptionWithValue(args, i, "--format", value)) {
            taken = TakeChoice("--format", "format", value, kFormatChoices, options.columns.format);
        } else if (IsOptionWithValue(args, i, "--lang", value)) {
            taken = TakeChoice("--lang", "language", value, kLanguageChoices, options.columns.language);
        } else if (IsOptionWithValue(args, i, "--ayanamsa", value)) {
            taken = TakeAyanamsa(value, options.columns);
            ayanamsaGiven = true;
        } else if (IsOptionWithValue(args, i, "--jobs", value)) {
            taken = TakeJobs(value, options);
        } else if (arg == "--records") {
            options.records = true;
        } else {
            taken = Problem{{}, "unknown option " + QuoteInput(arg)};
        }
        if (!taken) return taken.problem();
    }
    if (Result<void> together = CheckTogether(options, ayanamsaGiven); !together) return together.problem();
    return options;
}

int ReportOutputFailure(int errnoValue, std::ostream& err) {
    // A reader that has seen enough (head) is normal use, as for any filter.
    if (errnoValue != EPIPE) {
        err << kProgram << ": cannot write output: " << (errnoValue != 0 ? ErrnoText(errnoValue) : "write error")
            << '\n';
    }
    return kBatchOutputFailed;
}

int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    Result<BatchOptions> parsed = ParseBatchArguments(args);
    if (!parsed) {
        err << kProgram << ": " << parsed.problem().Text() << "\n\n" << BatchUsage();
        return kBatchFailed;
    }
    BatchOptions& options = *parsed;
    // Asked once, and only where a Place column can need it: a row's zone
    // cannot tell a missing database from a zone it does not know.
    if (!options.help && !options.version && !options.records)
        options.columns.zoneDatabaseReadable = ZoneDatabaseReadable();

    const int jobs = options.jobs > 0 ? options.jobs : std::max(1, oneapi::tbb::info::default_concurrency());
    BatchRun run(options, jobs, out, err);
    try {
        if (options.help) {
            out << BatchUsage();
        } else if (options.version) {
            out << kProgram << ' ' << NYRA_VERSION << '\n';
        } else if (options.records) {
            run.ProcessRecordFiles(options.inputs);
        } else if (options.inputs.empty()) {
            if (in.rdbuf() != nullptr) run.ProcessTable(*in.rdbuf(), "", "standard input");
        } else {
            for (const std::string& path : options.inputs) {
                if (run.OutputFailed()) break;
                run.ProcessTableFile(path, options.inputs.size() > 1);
            }
        }
    } catch (const std::bad_alloc&) {
        err << kProgram << ": out of memory\n";
        run.Fail(kBatchFailed);
    }
    return run.Finish();
}

}  // namespace nyra
