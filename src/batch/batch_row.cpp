#include "batch/batch_row.h"

#include "atlas/atlas.h"
#include "batch/cell_text.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "engine/time_window_text.h"
#include "record/birth_check.h"
#include "signs/rashi_information.h"
#include "text/blanks.h"
#include "text/number_text.h"
#include "text/quoted_input.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace nyra {
namespace {

constexpr std::string_view kPlaceColumn = "Place";
constexpr auto kPlaceCells = std::to_array<std::string_view>({"ResolvedPlace", "TimeZoneId", "UtcOffset"});
constexpr auto kChartColumns = std::to_array<std::string_view>({
    "UniversalHours", "Centuries", "TropicalLongitude", "AyanamsaShift", "MoonLongitude", "MoonPositionText",
    "RashiName", "Nakshatra", "Pada", "NakshatraLord", "SignEntered", "SignLeaves", "MinutesFromSignChange",
});
constexpr auto kPreciseColumns =
    std::to_array<std::string_view>({"PreciseLongitude", "PreciseRashi", "PreciseAyanamsa", "SignsAgree"});
constexpr auto kWindowCells = std::to_array<std::string_view>({"PossibleSigns", "SignCertain"});

// A column the table must have unless a Place column stands in for it. The
// latitude is optional: it changes no result; so is the time window.
bool IsRequired(const RecordField& field) { return field.usedByEngine; }

// Control characters would break a cell or a row apart in the output, or
// garble a terminal: each becomes a blank. Tabs too, unless they are the
// separators of cells echoed as given.
std::string CleanCells(std::string_view text, bool keepTabs) {
    std::string cleaned(text);
    for (char& c : cleaned) {
        const auto code = static_cast<unsigned char>(c);
        if ((code < 0x20 || code == 0x7F) && !(keepTabs && c == '\t')) c = ' ';
    }
    return cleaned;
}
std::string Cell(std::string_view text) { return CleanCells(text, false); }

std::string ComputedHeader(const RowOptions& options, bool withPlace, bool withWindow) {
    std::string header;
    const auto add = [&](const auto& names) {
        for (std::string_view name : names) (header += '\t') += name;
    };
    if (withPlace) add(kPlaceCells);
    add(kChartColumns);
    if (options.precise) add(kPreciseColumns);
    if (withWindow) add(kWindowCells);
    if (options.describe) {
        for (const SignField& field : kSignFields) (header += '\t') += field.name;
    }
    return header;
}

void AppendTab(std::string& line) { line += '\t'; }
void AppendCell(std::string& line, std::string_view text) { (line += '\t') += text; }
void AppendFlagCell(std::string& line, bool value) { (line += '\t') += value ? '1' : '0'; }

// ------------------------------------------------------- computed cells

void AppendChartCells(std::string& line, const EngineRecord& chart) {
    const Nakshatra nakshatra = NakshatraAt(chart.MoonLongitude);
    const Span sign = FindSignSpan(chart);
    for (const double value : {chart.UniversalHours, chart.Centuries, chart.TropicalLongitude, chart.AyanamsaShift,
                               chart.MoonLongitude}) {
        AppendTab(line);
        AppendRoundTrip(line, value);
    }
    AppendCell(line, chart.MoonPositionText);
    AppendCell(line, chart.RashiName);
    AppendCell(line, nakshatra.name);
    AppendTab(line);
    AppendWhole(line, nakshatra.pada);
    AppendCell(line, nakshatra.lord);
    AppendTab(line);
    AppendIsoMinute(line, sign.entered.local);
    AppendTab(line);
    AppendIsoMinute(line, sign.leaves.local);
    AppendTab(line);
    AppendWhole(line, std::llround(sign.minutesFromNearerChange));
}

// Refuses the row when the precise Moon cannot be computed: an empty cell
// there would read as a result.
Result<void> AppendPreciseCells(std::string& line, const EngineRecord& chart, Ayanamsa ayanamsa,
                                bool& fallbackEphemeris) {
    const PreciseMoon moon = PreciseMoonAt(ChartJulianDayUt(chart), ayanamsa);
    if (!moon.ok()) {
        return Problem{std::string(kPreciseColumns[0]),
                       "Swiss Ephemeris could not compute the Moon: " + Cell(moon.error)};
    }
    const int preciseSign = SignOfLongitude(moon.siderealDeg);
    const std::string_view preciseRashi = RashiNames[static_cast<std::size_t>(preciseSign)].name;
    AppendTab(line);
    AppendLongitudeSixDecimals(line, moon.siderealDeg, preciseSign);
    AppendCell(line, preciseRashi);
    AppendTab(line);
    AppendSixDecimals(line, moon.ayanamsaDeg);
    AppendFlagCell(line, preciseRashi == chart.RashiName);
    fallbackEphemeris = moon.ephemeris == EphemerisSource::Moshier;
    return {};
}

void AppendDescriptionCells(std::string& line, const EngineRecord& chart) {
    const std::optional<SignDescription> description = DescribeMoonSign(chart.RashiName);
    for (const SignField& field : kSignFields) {
        AppendTab(line);
        if (description) line += Cell((*description).*field.member);
    }
}

// The computed cells, appended to `line` after the input's and the
// place's; `window` is the birth's time window, when the output has the
// window's columns.
RowResult WithComputedCells(std::string line, const BirthRecord& birth, const RowOptions& options,
                            const std::optional<TimeWindow>& window) {
    RowResult row;
    const EngineRecord chart = ComputeMoonChart(birth);
    AppendChartCells(line, chart);
    if (options.precise) {
        if (Result<void> precise = AppendPreciseCells(line, chart, options.ayanamsa, row.fallbackEphemeris); !precise)
            return {precise.problem(), row.fallbackEphemeris};
    }
    if (window) {
        const WindowResult signs = SignsInWindow(chart, *window);
        AppendCell(line, TimeWindowCell(signs));
        AppendFlagCell(line, signs.certain);
    }
    if (options.describe) AppendDescriptionCells(line, chart);
    row.line = std::move(line);
    return row;
}

// ------------------------------------------------------------------ a row

// The row's cells, split at tabs; no more than the header's count are kept
// however many the line has.
struct SplitRow {
    std::vector<std::string_view> cells;
    std::size_t count = 0;  ///< Cells the line has.
};

SplitRow SplitCells(std::string_view line, std::size_t keep) {
    SplitRow split;
    split.count = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
    std::size_t start = 0;
    while (split.cells.size() < keep) {
        const std::size_t tab = line.find('\t', start);
        split.cells.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return split;
}

Result<std::int16_t> ParseFlag(std::string_view text) {
    const Result<std::int16_t> value = ParseInt16(text);
    if (!value) return value;
    if (*value == 0) return kFalse;
    if (*value == 1 || *value == -1) return kTrue;
    return Problem{{}, QuoteInput(TrimBlanks(text)) + " is not a flag (0, 1 or -1)"};
}

// The birth record from the row's cells; a failure names the column.
struct ParsedRow {
    BirthRecord birth;
    bool zoneMinus = false;  ///< A zone cell carries a minus sign.
    std::optional<TimeWindow> window;  ///< With a TimeWindowMinutes column.
};

// One cell into `row`, as its layout field says.
Result<void> ParseCell(const RecordField& field, std::string_view cell, ParsedRow& row) {
    Result<std::int16_t> value = std::int16_t{0};
    switch (field.kind) {
    case RecordLineKind::Name:
        row.birth.BirthName = std::string(TrimBlanks(cell));
        return {};
    case RecordLineKind::TimeWindow: {
        Result<TimeWindow> window = ParseTimeWindowMinutes(cell);
        if (!window) return window.problem();
        row.window = *window;
        return {};
    }
    case RecordLineKind::Number:
    case RecordLineKind::ZoneSize:
        value = ParseInt16(cell);
        // Either zone cell's minus sign marks the zone, whichever comes
        // later in the row ("-0" hours and 30 minutes is half an hour ahead).
        if (field.kind == RecordLineKind::ZoneSize) row.zoneMinus = row.zoneMinus || HasMinusSign(cell);
        break;
    case RecordLineKind::Flag:
        value = ParseFlag(cell);
        break;
    }
    if (!value) return value.problem();
    row.birth.*field.member = *value;
    return {};
}

Result<ParsedRow> ParseCells(const TableLayout& layout, const std::vector<std::string_view>& cells) {
    ParsedRow row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const RecordField* field = layout.fields[i];
        if (field == nullptr) continue;  // Place
        if (Result<void> parsed = ParseCell(*field, cells[i], row); !parsed)
            return Problem{std::string(field->column), parsed.problem().reason};
    }
    return row;
}

Problem PlaceProblem(std::string reason) { return {std::string(kPlaceColumn), std::move(reason)}; }

// Fills the coordinates, zone and daylight saving of `birth` from the atlas
// for its date and clock time. Returns the place columns' cells.
Result<std::array<std::string, 3>> ResolvePlace(std::string_view text, BirthRecord& birth, const RowOptions& options) {
    const std::optional<Place> place = FindPlace(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!place) return PlaceProblem("no place matches " + QuoteInput(text));
    if (!options.zoneDatabaseReadable) return PlaceProblem("the time zone database could not be read");
    const Result<ZoneOffset> zone = ZoneOffsetOf(
        ResolveZone(place->timeZoneId, QDate(birth.BirthYear, birth.BirthMonth, birth.BirthDay), birth.BirthHour,
                    birth.BirthMinute));
    if (!zone) {
        return PlaceProblem("no time zone known for " + place->displayText().toStdString() +
                            " on that date and time");
    }
    const DegreesMinutes lon = SplitDegrees(place->longitudeDeg);
    const DegreesMinutes lat = SplitDegrees(place->latitudeDeg);
    birth.LonDegrees = static_cast<std::int16_t>(lon.degrees);
    birth.LonMinutes = static_cast<std::int16_t>(lon.minutes);
    birth.LonIsEast = place->longitudeDeg > 0.0 && !lon.negative && (lon.degrees || lon.minutes) ? kTrue : kFalse;
    birth.LatDegrees = static_cast<std::int16_t>(lat.degrees);
    birth.LatMinutes = static_cast<std::int16_t>(lat.minutes);
    birth.LatIsSouth = lat.negative ? kTrue : kFalse;
    // A zone ahead of universal time is marked as such, whatever the
    // longitude: Accra's twenty minutes ahead lie west of Greenwich.
    const int zoneMinutes = zone->zoneMinutesEast();
    StoreSignedZone(birth, std::abs(zoneMinutes) / 60, std::abs(zoneMinutes) % 60, zoneMinutes > 0);
    birth.DstOn = zone->dstOn ? kTrue : kFalse;
    return std::array<std::string, 3>{place->displayText().toStdString(), place->timeZoneId.toStdString(),
                                      FormatUtcOffset(zone->minutesEast * 60).toStdString()};
}

// One record column's cell: the record's own text for the zone, which
// keeps the minus sign it was saved with, and the window as a
// TimeWindowMinutes cell says it ("0" for an exact time).
std::string RecordCell(const RecordField& field, const SavedRecord& saved) {
    switch (field.kind) {
    case RecordLineKind::Name:
        return Cell(saved.birth.BirthName);
    case RecordLineKind::ZoneSize:
        return RecordLinesFrom(saved.birth)[static_cast<std::size_t>(RecordLineOf(field) - 1)];
    case RecordLineKind::Number:
    case RecordLineKind::Flag:
        return std::to_string(saved.birth.*field.member);
    case RecordLineKind::TimeWindow:
        return TimeWindowMinutesText(saved.timeKnown);
    }
    return {};
}

Result<TableLayout> ReadHeaderColumns(std::string_view line) {
    TableLayout layout;
    // Past the number of known columns, one more is enough to be refused as
    // unknown or repeated.
    const SplitRow split = SplitCells(line, kRecordLayout.size() + 2);
    for (const std::string_view cell : split.cells) {
        const std::string_view name = TrimBlanks(cell);
        const RecordField* field = RecordFieldNamed(name);
        if (field == nullptr && name != kPlaceColumn) return Problem{{}, "unknown column " + QuoteInput(name)};
        if (std::find(layout.names.begin(), layout.names.end(), name) != layout.names.end())
            return Problem{{}, "column " + QuoteInput(name) + " appears twice"};
        if (name == kPlaceColumn) layout.placeColumn = layout.names.size();
        if (field != nullptr && field->kind == RecordLineKind::TimeWindow) layout.windowColumn = layout.names.size();
        layout.names.emplace_back(name);
        layout.fields.push_back(field);
    }
    return layout;
}

} // namespace

Result<TableLayout> ReadTableHeader(std::string_view line) {
    Result<TableLayout> read = ReadHeaderColumns(line);
    if (!read) return read;
    TableLayout& layout = *read;
    const auto has = [&](const RecordField& f) {
        return std::find(layout.fields.begin(), layout.fields.end(), &f) != layout.fields.end();
    };
    layout.hasPlaceFields = true;
    for (const RecordField& field : kRecordLayout) {
        if (!IsRequired(field) || has(field)) continue;
        if (field.fromPlace) layout.hasPlaceFields = false;
        if (!(field.fromPlace && layout.placeColumn)) return Problem{{}, "missing column " + QuoteInput(field.column)};
    }
    return read;
}

std::string TableOutputHeader(const TableLayout& layout, const RowOptions& options) {
    std::string header;
    for (std::size_t i = 0; i < layout.names.size(); ++i) {
        if (i > 0) header += '\t';
        header += layout.names[i];
    }
    return header + ComputedHeader(options, layout.placeColumn.has_value(), layout.windowColumn.has_value());
}

std::string RecordOutputHeader(const RowOptions& options, bool withWindow) {
    std::string header;
    for (const RecordField* field : RecordFieldsInColumnOrder()) {
        if (field->kind == RecordLineKind::TimeWindow && !withWindow) continue;
        if (!header.empty()) header += '\t';
        header += field->column;
    }
    return header + ComputedHeader(options, false, withWindow);
}

RowResult ComputeTableRow(const TableLayout& layout, const RowOptions& options, std::string_view row) {
    // Cells
    const SplitRow split = SplitCells(row, layout.names.size());
    if (split.count != layout.names.size()) {
        const std::string counts =
            "expected " + std::to_string(layout.names.size()) + " fields, found " + std::to_string(split.count);
        if (split.count > layout.names.size()) return {Problem{{}, counts}};
        return {Problem{layout.names[split.count], "missing, " + counts}};
    }
    Result<ParsedRow> parsed = ParseCells(layout, split.cells);
    if (!parsed) return {parsed.problem()};
    BirthRecord& birth = parsed->birth;

    // The place stands in for the coordinates, zone and daylight saving,
    // which the atlas gives within their limits; the date is checked first,
    // as the zone is looked up for it.
    const std::string_view placeText =
        layout.placeColumn ? TrimBlanks(split.cells[*layout.placeColumn]) : std::string_view();
    const bool fromPlace = !placeText.empty();
    BirthLimits limits = kBatchLimits;
    limits.place = !fromPlace;
    if (Result<void> checked = CheckBirthValues(birth, limits); !checked) return {checked.problem()};
    std::array<std::string, 3> placeCells;
    if (fromPlace) {
        Result<std::array<std::string, 3>> cells = ResolvePlace(placeText, birth, options);
        if (!cells) return {cells.problem()};
        placeCells = std::move(*cells);
    } else if (layout.placeColumn && !layout.hasPlaceFields) {
        return {PlaceProblem("missing value (the table has no coordinates and zone to use instead)")};
    } else {
        // A negative zone is one east of Greenwich, as the picker writes it;
        // the check above leaves every size within 16 bits.
        StoreSignedZone(birth, birth.ZoneHours, birth.ZoneMinutes, parsed->zoneMinus);
    }

    // Output row: the input as given, then what was found and computed.
    std::string line = CleanCells(row, true);
    if (layout.placeColumn) {
        for (const std::string& cell : placeCells) (line += '\t') += Cell(cell);
    }
    return WithComputedCells(std::move(line), birth, options, parsed->window);
}

RowResult ComputeRecordRow(const Result<SavedRecord>& loaded, const RowOptions& options, bool withWindow) {
    if (!loaded) return {AtRecordLine(loaded.problem())};
    const BirthRecord& birth = loaded->birth;
    if (Result<void> checked = CheckBirthValues(birth, kBatchLimits); !checked)
        return {AtRecordLine(checked.problem())};

    std::string line;
    bool first = true;
    for (const RecordField* field : RecordFieldsInColumnOrder()) {
        if (field->kind == RecordLineKind::TimeWindow && !withWindow) continue;
        if (!first) line += '\t';
        line += RecordCell(*field, *loaded);
        first = false;
    }
    return WithComputedCells(std::move(line), birth, options,
                             withWindow ? std::optional<TimeWindow>(loaded->timeKnown) : std::nullopt);
}

} // namespace nyra
