#include "batch/batch.h"

#include "atlas/atlas.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "record/record_file.h"
#include "signs/rashi_information.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace nyra {
namespace {

enum class Kind { Integer, Flag, Text, Place };

// Input columns and where each goes in the birth record.
struct InputColumn {
    std::string_view name;
    Kind kind;
    bool required;
    bool fromPlace;                    // a Place column can stand in for it
    std::int16_t BirthRecord::*field;  // null for BirthName and Place
};

// The first fifteen are the birth record's fields, in its order.
constexpr std::size_t kRecordColumnCount = 15;
constexpr std::array<InputColumn, 16> kInputColumns{{
    {"BirthName", Kind::Text, false, false, nullptr},
    {"BirthMonth", Kind::Integer, true, false, &BirthRecord::BirthMonth},
    {"BirthDay", Kind::Integer, true, false, &BirthRecord::BirthDay},
    {"BirthYear", Kind::Integer, true, false, &BirthRecord::BirthYear},
    {"BirthHour", Kind::Integer, true, false, &BirthRecord::BirthHour},
    {"BirthMinute", Kind::Integer, true, false, &BirthRecord::BirthMinute},
    {"ZoneHours", Kind::Integer, true, true, &BirthRecord::ZoneHours},
    {"ZoneMinutes", Kind::Integer, true, true, &BirthRecord::ZoneMinutes},
    {"LonDegrees", Kind::Integer, true, true, &BirthRecord::LonDegrees},
    {"LonMinutes", Kind::Integer, true, true, &BirthRecord::LonMinutes},
    {"LatDegrees", Kind::Integer, false, true, &BirthRecord::LatDegrees},
    {"LatMinutes", Kind::Integer, false, true, &BirthRecord::LatMinutes},
    {"LonIsEast", Kind::Flag, true, true, &BirthRecord::LonIsEast},
    {"LatIsSouth", Kind::Flag, false, true, &BirthRecord::LatIsSouth},
    {"DstOn", Kind::Flag, true, true, &BirthRecord::DstOn},
    {"Place", Kind::Place, false, false, nullptr},
}};

// "text" in double quotes, for messages.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

constexpr std::array<std::string_view, 3> kPlaceColumns{"ResolvedPlace", "TimeZoneId", "UtcOffset"};

// Fills the coordinates, zone and daylight saving of `birth` from the atlas
// for its date and clock time. Returns the place columns' cells, or the reason.
std::optional<std::array<std::string, 3>> ResolvePlace(std::string_view text, BirthRecord& birth,
                                                       std::string& reason) {
    const std::optional<Place> place = FindPlace(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!place) {
        reason = "no place matches " + Quoted(text);
        return std::nullopt;
    }
    const ZoneAtLocalTime resolved =
        ResolveZone(place->timeZoneId, QDate(birth.BirthYear, birth.BirthMonth, birth.BirthDay), birth.BirthHour,
                    birth.BirthMinute);
    if (!resolved.valid) {
        reason = "no time zone known for " + place->displayText().toStdString() + " on that date and time";
        return std::nullopt;
    }
    const ZoneEntry zone = ZoneEntryFor(resolved);
    const DegreesMinutes lon = SplitDegrees(place->longitudeDeg);
    const DegreesMinutes lat = SplitDegrees(place->latitudeDeg);
    birth.LonDegrees = static_cast<std::int16_t>(lon.degrees);
    birth.LonMinutes = static_cast<std::int16_t>(lon.minutes);
    birth.LonIsEast = place->longitudeDeg > 0.0 && !lon.negative && (lon.degrees || lon.minutes) ? kTrue : kFalse;
    birth.LatDegrees = static_cast<std::int16_t>(lat.degrees);
    birth.LatMinutes = static_cast<std::int16_t>(lat.minutes);
    birth.LatIsSouth = lat.negative ? kTrue : kFalse;
    StoreSignedZone(birth, zone.zoneHourText.toInt(), zone.zoneMinuteText.toInt(),
                    zone.zoneHourText.startsWith(u'-') || zone.zoneMinuteText.startsWith(u'-'));
    birth.DstOn = zone.dst ? kTrue : kFalse;
    return std::array<std::string, 3>{place->displayText().toStdString(), place->timeZoneId.toStdString(),
                                      FormatUtcOffset(resolved.utcOffsetSeconds).toStdString()};
}

constexpr std::array<std::string_view, 13> kChartColumns{
    "UniversalHours", "Centuries",  "TropicalLongitude", "AyanamsaShift",
    "MoonLongitude",  "MoonPositionText", "RashiName",
    "Nakshatra", "Pada", "NakshatraLord", "SignEntered", "SignLeaves", "MinutesFromSignChange",
};

std::string_view StripCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A whole decimal number within 16 bits, or the reason it is not.
std::optional<std::int16_t> ParseInt16(std::string_view text, std::string& reason) {
    text = TrimBlanks(text);
    if (text.empty()) {
        reason = "missing value";
        return std::nullopt;
    }
    if (text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc() && end == text.data() + text.size() && (value < -32768 || value > 32767))) {
        reason = Quoted(text) + " is outside -32768..32767";
        return std::nullopt;
    }
    if (ec != std::errc() || end != text.data() + text.size()) {
        reason = Quoted(text) + " is not a whole number";
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> ParseFlag(std::string_view text, std::string& reason) {
    const auto value = ParseInt16(text, reason);
    if (!value) return std::nullopt;
    if (*value == 0) return kFalse;
    if (*value == 1 || *value == -1) return kTrue;
    reason = Quoted(TrimBlanks(text)) + " is not a flag (0, 1 or -1)";
    return std::nullopt;
}

std::string FormatDouble(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// Table cells can hold no tab or line break.
std::string CellText(std::string_view text) {
    std::string cell(text);
    std::replace_if(cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return cell;
}

std::string ComputedHeader(const BatchOptions& options, bool withPlace) {
    std::string header;
    if (withPlace) {
        for (std::string_view name : kPlaceColumns) (header += '\t') += name;
    }
    for (std::string_view name : kChartColumns) (header += '\t') += name;
    if (options.describe) {
        for (const SignField& field : kSignFields) (header += '\t') += field.name;
    }
    return header;
}

void WriteComputedCells(const BirthRecord& birth, const BatchOptions& options, std::string& line) {
    const EngineRecord chart = ComputeMoonChart(birth);
    const Nakshatra nakshatra = NakshatraAt(chart.MoonLongitude);
    const Span sign = FindSignSpan(chart);
    for (const std::string& cell :
         {FormatDouble(chart.UniversalHours), FormatDouble(chart.Centuries), FormatDouble(chart.TropicalLongitude),
          FormatDouble(chart.AyanamsaShift), FormatDouble(chart.MoonLongitude), chart.MoonPositionText,
          chart.RashiName, std::string(nakshatra.name), std::to_string(nakshatra.pada), std::string(nakshatra.lord),
          FormatIsoMinute(sign.entered.local), FormatIsoMinute(sign.leaves.local),
          std::to_string(std::llround(sign.minutesFromNearerChange))}) {
        (line += '\t') += cell;
    }
    if (options.describe) {
        const std::optional<SignDescription> description = DescribeMoonSign(chart.RashiName);
        for (const SignField& field : kSignFields) {
            line += '\t';
            if (description) line += CellText((*description).*field.member);
        }
    }
}

std::string Prefix(const std::string& label) { return label.empty() ? std::string() : label + ": "; }

} // namespace

std::string BatchUsage() {
    return "Usage: nyra-moonsign-batch [--describe] [FILE...]\n"
           "       nyra-moonsign-batch [--describe] --records FILE.moo...\n"
           "\n"
           "Computes the Moon sign of every row of a tab-separated table read from the\n"
           "FILEs, or from standard input when none is named, and writes a table to\n"
           "standard output: the input columns as given, then UniversalHours, Centuries,\n"
           "TropicalLongitude, AyanamsaShift, MoonLongitude (sidereal), MoonPositionText,\n"
           "RashiName, Nakshatra, Pada, NakshatraLord, SignEntered and SignLeaves (local\n"
           "clock time, YYYY-MM-DD HH:MM) and MinutesFromSignChange (to the nearer change;\n"
           "negative when it lies before the birth).\n"
           "\n"
           "The first line names the columns, in any order. Required: BirthMonth BirthDay\n"
           "BirthYear BirthHour BirthMinute ZoneHours ZoneMinutes LonDegrees LonMinutes\n"
           "LonIsEast DstOn. Optional: BirthName LatDegrees LatMinutes LatIsSouth.\n"
           "Numbers are whole and fit 16 bits; flags are 0 (false), 1 or -1 (true).\n"
           "Zones are sizes: the clock is ahead of universal time east of Greenwich,\n"
           "behind it west; a negative ZoneHours or ZoneMinutes (as the desktop\n"
           "program's zone picker writes them) always means ahead.\n"
           "\n"
           "A Place column (\"Madrid, Spain\", \"Pune\") may stand in for the coordinate,\n"
           "zone and DST columns: the place is found in the atlas and the zone and\n"
           "daylight saving in force there at the row's date and clock time are used;\n"
           "ResolvedPlace, TimeZoneId and UtcOffset are then written after the input.\n"
           "\n"
           "  --describe  also write the sign description's 27 fields as columns\n"
           "  --records   read saved record files (.moo) instead of tables\n"
           "  --help      show this text\n"
           "\n"
           "Exit status: 0 all rows written; 1 some rows or files skipped (reasons on\n"
           "standard error as 'line N: COLUMN: reason'); 2 bad usage or header.\n";
}

bool ParseBatchArguments(const std::vector<std::string>& args, BatchOptions& options, bool& help,
                         std::string& error) {
    help = false;
    bool onlyFiles = false;
    for (const std::string& arg : args) {
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            help = true;
        } else if (!onlyFiles && arg == "--describe") {
            options.describe = true;
        } else if (!onlyFiles && arg == "--records") {
            options.records = true;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (options.records && options.inputs.empty() && !help) {
        error = "--records needs at least one record file";
        return false;
    }
    return true;
}

BatchRun::BatchRun(const BatchOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {}

void BatchRun::Fail(int status) { status_ = std::max(status_, status); }

void BatchRun::WriteOutputHeader(const std::vector<std::string>& inputColumns, bool withPlace) {
    std::string header;
    for (std::size_t i = 0; i < inputColumns.size(); ++i) {
        if (i > 0) header += '\t';
        header += inputColumns[i];
    }
    header += ComputedHeader(options_, withPlace);
    if (!headerWritten_) {
        out_ << header << '\n';
        headerWritten_ = true;
        writtenHeader_ = header;
    }
}

void BatchRun::ProcessTable(std::istream& in, const std::string& label) {
    const std::string prefix = Prefix(label);
    std::string line;
    long long lineNumber = 0;

    // Header: the first line that is not empty.
    std::vector<std::string> columns;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!StripCarriageReturn(line).empty()) break;
    }
    const std::string_view headerLine = StripCarriageReturn(line);
    if (headerLine.empty()) {
        err_ << prefix << "no header line\n";
        Fail(kBatchFailed);
        return;
    }

    // Column position -> input column, and which columns were seen.
    std::vector<const InputColumn*> layout;
    for (std::string_view name : SplitTabs(headerLine)) {
        const std::string_view trimmed = TrimBlanks(name);
        const auto it = std::find_if(kInputColumns.begin(), kInputColumns.end(),
                                     [&](const InputColumn& c) { return c.name == trimmed; });
        if (it == kInputColumns.end()) {
            err_ << prefix << "unknown column \"" << trimmed << "\"\n";
            Fail(kBatchFailed);
            return;
        }
        if (std::find(layout.begin(), layout.end(), &*it) != layout.end()) {
            err_ << prefix << "column \"" << trimmed << "\" appears twice\n";
            Fail(kBatchFailed);
            return;
        }
        layout.push_back(&*it);
        columns.emplace_back(trimmed);
    }
    const auto placeColumn = std::find_if(layout.begin(), layout.end(),
                                          [](const InputColumn* c) { return c->kind == Kind::Place; });
    const bool withPlace = placeColumn != layout.end();
    for (const InputColumn& column : kInputColumns) {
        if (column.required && !(withPlace && column.fromPlace) &&
            std::find(layout.begin(), layout.end(), &column) == layout.end()) {
            err_ << prefix << "missing column \"" << column.name << "\"\n";
            Fail(kBatchFailed);
            return;
        }
    }

    if (headerWritten_) {
        std::string header;
        for (std::size_t i = 0; i < columns.size(); ++i) (header += (i ? "\t" : "")) += columns[i];
        if (header + ComputedHeader(options_, withPlace) != writtenHeader_) {
            err_ << prefix << "the columns differ from those of the first input\n";
            Fail(kBatchFailed);
            return;
        }
    }
    WriteOutputHeader(columns, withPlace);

    std::string output;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string_view text = StripCarriageReturn(line);
        if (text.empty()) continue;

        const std::vector<std::string_view> fields = SplitTabs(text);
        if (fields.size() != layout.size()) {
            err_ << prefix << "line " << lineNumber << ": expected " << layout.size() << " fields, found "
                 << fields.size() << '\n';
            Fail(kBatchRowErrors);
            continue;
        }

        BirthRecord birth;
        bool good = true;
        bool zoneMinus = false;
        for (std::size_t i = 0; i < fields.size() && good; ++i) {
            const InputColumn& column = *layout[i];
            std::string reason;
            std::optional<std::int16_t> value;
            switch (column.kind) {
            case Kind::Text:
                birth.BirthName = std::string(TrimBlanks(fields[i]));
                continue;
            case Kind::Place:
                continue;
            case Kind::Integer:
                value = ParseInt16(fields[i], reason);
                if (column.field == &BirthRecord::ZoneHours || column.field == &BirthRecord::ZoneMinutes)
                    zoneMinus = zoneMinus || TrimBlanks(fields[i]).starts_with('-');
                break;
            case Kind::Flag:
                value = ParseFlag(fields[i], reason);
                break;
            }
            if (!value) {
                err_ << prefix << "line " << lineNumber << ": " << column.name << ": " << reason << '\n';
                good = false;
            } else {
                birth.*column.field = *value;
            }
        }
        if (!good) {
            Fail(kBatchRowErrors);
            continue;
        }
        // A place stands in for the coordinates, zone and daylight saving.
        std::array<std::string, 3> placeCells;
        bool zoneFromPlace = false;
        if (withPlace) {
            const std::string_view placeText =
                TrimBlanks(fields[static_cast<std::size_t>(placeColumn - layout.begin())]);
            std::string reason;
            std::optional<std::array<std::string, 3>> cells;
            if (!placeText.empty()) {
                cells = ResolvePlace(placeText, birth, reason);
                zoneFromPlace = true;
            } else {
                const bool complete = std::all_of(kInputColumns.begin(), kInputColumns.end(), [&](const InputColumn& c) {
                    return !c.required || !c.fromPlace || std::find(layout.begin(), layout.end(), &c) != layout.end();
                });
                if (complete) cells.emplace();
                reason = "missing value (the table has no coordinates and zone to use instead)";
            }
            if (!cells) {
                err_ << prefix << "line " << lineNumber << ": Place: " << reason << '\n';
                Fail(kBatchRowErrors);
                continue;
            }
            placeCells = *cells;
        }

        // A negative zone is one east of Greenwich, as the picker writes it.
        if (!zoneFromPlace && !StoreSignedZone(birth, birth.ZoneHours, birth.ZoneMinutes, zoneMinus)) {
            err_ << prefix << "line " << lineNumber << ": "
                 << (birth.ZoneHours == -32768 ? "ZoneHours" : "ZoneMinutes")
                 << ": \"-32768\" is outside -32767..32767\n";
            Fail(kBatchRowErrors);
            continue;
        }

        output.assign(text);
        if (withPlace) {
            for (const std::string& cell : placeCells) (output += '\t') += CellText(cell);
        }
        WriteComputedCells(birth, options_, output);
        output += '\n';
        out_ << output;
    }
}

void BatchRun::ProcessRecordFile(const std::string& path) {
    const RecordReadResult read = ReadBirthRecordFile(path);
    std::string error;
    std::optional<BirthRecord> birth;
    if (!read.ok) {
        error = read.error;
    } else {
        birth = BirthRecordFromLines(read.lines, &error);
    }
    if (!birth) {
        err_ << path << ": " << error << '\n';
        Fail(kBatchRowErrors);
        return;
    }

    std::vector<std::string> columns;
    for (std::size_t i = 0; i < kRecordColumnCount; ++i) columns.emplace_back(kInputColumns[i].name);
    WriteOutputHeader(columns, false);

    // The zone keeps the minus sign it was saved with.
    const RecordLines stored = RecordLinesFrom(*birth);
    std::string line = CellText(birth->BirthName);
    for (std::size_t i = 1; i < kRecordColumnCount; ++i) {
        const InputColumn& column = kInputColumns[i];
        line += '\t';
        if (column.field == &BirthRecord::ZoneHours)
            line += stored[10];
        else if (column.field == &BirthRecord::ZoneMinutes)
            line += stored[11];
        else
            line += std::to_string((*birth).*column.field);
    }
    WriteComputedCells(*birth, options_, line);
    out_ << line << '\n';
}

int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    BatchOptions options;
    bool help = false;
    std::string error;
    if (!ParseBatchArguments(args, options, help, error)) {
        err << "nyra-moonsign-batch: " << error << "\n\n" << BatchUsage();
        return kBatchFailed;
    }
    if (help) {
        out << BatchUsage();
        return kBatchOk;
    }

    BatchRun run(options, out, err);
    if (options.records) {
        for (const std::string& path : options.inputs) run.ProcessRecordFile(path);
    } else if (options.inputs.empty()) {
        run.ProcessTable(in, "");
    } else {
        const bool several = options.inputs.size() > 1;
        for (const std::string& path : options.inputs) {
            std::ifstream file(path, std::ios::binary);
            if (!file) {
                err << path << ": cannot be opened\n";
                run.Fail(kBatchFailed);
                continue;
            }
            run.ProcessTable(file, several ? path : "");
        }
    }
    out.flush();
    return run.ExitStatus();
}

} // namespace nyra
