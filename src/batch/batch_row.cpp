#include "batch/batch_row.h"

#include "atlas/atlas.h"
#include "batch/cell_text.h"
#include "engine/civil_date.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "record/field_text.h"
#include "signs/rashi_information.h"

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
constexpr std::string_view kWindowColumn = "TimeWindowMinutes";
// The time is not known at all: the whole local day.
constexpr std::string_view kWholeDayWord = "day";
constexpr auto kWindowCells = std::to_array<std::string_view>({"PossibleSigns", "SignCertain"});
constexpr auto kMonthNames = std::to_array<std::string_view>({
    "January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
    "November", "December",
});
static_assert(kMonthNames.size() == 12);

// A column the table must have unless a Place column stands in for it. The
// latitude is optional: it changes no result.
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

// The computed cells, after the input's and the place's; `window` is the
// row's TimeWindowMinutes, when the table has that column. Refuses the row
// when the precise Moon cannot be computed: an empty cell there would read
// as a result.
void AppendComputedCells(const BirthRecord& birth, const RowOptions& options, const std::optional<TimeWindow>& window,
                         RowResult& row) {
    std::string& line = row.text;
    const EngineRecord chart = ComputeMoonChart(birth);
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

    if (options.precise) {
        const PreciseMoon moon = PreciseMoonAt(ChartJulianDayUt(chart), options.ayanamsa);
        if (!moon.ok()) {
            row = {false, std::string(kPreciseColumns[0]) + ": Swiss Ephemeris could not compute the Moon: " +
                              Cell(moon.error)};
            return;
        }
        const int preciseSign = SignOfLongitude(moon.siderealDeg);
        const std::string_view preciseRashi = RashiNames[static_cast<std::size_t>(preciseSign)].name;
        AppendTab(line);
        AppendLongitudeSixDecimals(line, moon.siderealDeg, preciseSign);
        AppendCell(line, preciseRashi);
        AppendTab(line);
        AppendSixDecimals(line, moon.ayanamsaDeg);
        AppendFlagCell(line, preciseRashi == chart.RashiName);
        row.fallbackEphemeris = moon.ephemeris == EphemerisSource::Moshier;
    }
    if (window) {
        const WindowResult signs = SignsInWindow(chart, *window);
        AppendCell(line, TimeWindowCell(signs));
        AppendFlagCell(line, signs.certain);
    }
    if (options.describe) {
        const std::optional<SignDescription> description = DescribeMoonSign(chart.RashiName);
        for (const SignField& field : kSignFields) {
            AppendTab(line);
            if (description) line += Cell((*description).*field.member);
        }
    }
}

// ------------------------------------------------------------ value checks

// A value the tool refuses, and the field it is in.
struct ValueProblem {
    const RecordField* field;
    std::string reason;
};

std::optional<ValueProblem> Refuse(std::int16_t BirthRecord::*member, int value, std::string why) {
    return ValueProblem{RecordFieldOf(member), QuoteInput(std::to_string(value)) + " " + std::move(why)};
}

// Built by appending: g++ 12 at -O3 takes "(" + std::to_string(...) for an
// overlapping copy and warns (-Wrestrict, a known false alarm).
std::string Range(int first, int last) {
    std::string text(1, '(');
    text += std::to_string(first);
    text += "..";
    text += std::to_string(last);
    text += ')';
    return text;
}

// The date and the clock time: a day its month has, in the documented years.
std::optional<ValueProblem> CheckDateAndTime(const BirthRecord& b) {
    if (b.BirthMonth < 1 || b.BirthMonth > 12)
        return Refuse(&BirthRecord::BirthMonth, b.BirthMonth, "is not a month " + Range(1, 12));
    if (b.BirthYear < kBatchFirstYear || b.BirthYear > kBatchLastYear)
        return Refuse(&BirthRecord::BirthYear, b.BirthYear,
                      "is outside " + std::to_string(kBatchFirstYear) + ".." + std::to_string(kBatchLastYear));
    const int days = DaysInMonth(b.BirthYear, b.BirthMonth);
    if (b.BirthDay < 1 || b.BirthDay > days) {
        return Refuse(&BirthRecord::BirthDay, b.BirthDay,
                      "is not a day of " + std::string(kMonthNames[static_cast<std::size_t>(b.BirthMonth - 1)]) +
                          " " + std::to_string(b.BirthYear) + " " + Range(1, days));
    }
    if (b.BirthHour < 0 || b.BirthHour > 23)
        return Refuse(&BirthRecord::BirthHour, b.BirthHour, "is not an hour " + Range(0, 23));
    if (b.BirthMinute < 0 || b.BirthMinute > 59)
        return Refuse(&BirthRecord::BirthMinute, b.BirthMinute, "is not a minute " + Range(0, 59));
    return std::nullopt;
}

// An angle given as degrees and minutes, whose signs the record does not
// fix: the sizes must stay within `limitDeg`.
std::optional<ValueProblem> CheckAngle(const BirthRecord& b, std::int16_t BirthRecord::*degrees,
                                       std::int16_t BirthRecord::*minutes, int limitDeg, const char* what) {
    const int deg = std::abs(static_cast<int>(b.*degrees));
    const int min = std::abs(static_cast<int>(b.*minutes));
    if (deg > limitDeg)
        return Refuse(degrees, b.*degrees, "is beyond " + std::to_string(limitDeg) + " degrees of " + what);
    if (min > 59) return Refuse(minutes, b.*minutes, "is beyond 59 minutes of arc");
    if (deg * 60 + min > limitDeg * 60)
        return Refuse(minutes, b.*minutes,
                      "takes the " + std::string(what) + " beyond " + std::to_string(limitDeg) + " degrees");
    return std::nullopt;
}

// The coordinates and the zone, as given (zone sizes may carry a minus sign).
std::optional<ValueProblem> CheckPlaceValues(const BirthRecord& b) {
    if (auto problem = CheckAngle(b, &BirthRecord::LonDegrees, &BirthRecord::LonMinutes, kMaxLongitudeDeg,
                                  "longitude"))
        return problem;
    if (auto problem = CheckAngle(b, &BirthRecord::LatDegrees, &BirthRecord::LatMinutes, kMaxLatitudeDeg,
                                  "latitude"))
        return problem;
    if (std::abs(static_cast<int>(b.ZoneHours)) > kMaxZoneHours)
        return Refuse(&BirthRecord::ZoneHours, b.ZoneHours, "is beyond " + std::to_string(kMaxZoneHours) + " hours");
    if (std::abs(static_cast<int>(b.ZoneMinutes)) > 59)
        return Refuse(&BirthRecord::ZoneMinutes, b.ZoneMinutes, "is beyond 59 minutes");
    return std::nullopt;
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

std::optional<std::int16_t> ParseFlag(std::string_view text, std::string& reason) {
    const std::optional<std::int16_t> value = ParseInt16(text, &reason);
    if (!value) return std::nullopt;
    if (*value == 0) return kFalse;
    if (*value == 1 || *value == -1) return kTrue;
    reason = QuoteInput(TrimBlanks(text)) + " is not a flag (0, 1 or -1)";
    return std::nullopt;
}

RowResult Skip(std::string reason) { return {false, std::move(reason)}; }
RowResult Skip(const ValueProblem& problem) { return {false, std::string(problem.field->column) + ": " + problem.reason}; }

// Whether the text has the shape of a whole number (a sign, then digits),
// however large: such a text is out of range rather than not a number.
bool IsDigitString(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A TimeWindowMinutes cell: whole minutes by the tool's one rule for
// numbers, 0..kMaxWindowMinutes, or the word for an unknown time.
std::optional<TimeWindow> ParseWindow(std::string_view cell, std::string& reason) {
    const std::string_view text = TrimBlanks(cell);
    if (text == kWholeDayWord) return TimeWindow::WholeDay();
    const std::string range = "0.." + std::to_string(kMaxWindowMinutes);
    if (text.empty()) {
        reason = "missing value (minutes " + range + ", or " + std::string(kWholeDayWord) + ")";
        return std::nullopt;
    }
    const std::optional<std::int16_t> minutes = ParseInt16(text);
    if (minutes && *minutes >= 0 && *minutes <= kMaxWindowMinutes) return TimeWindow::PlusMinus(*minutes);
    if (minutes || IsDigitString(text)) {
        reason = QuoteInput(text) + " is outside " + range + " minutes (" + std::string(kWholeDayWord) +
                 " stands for an unknown time)";
    } else {
        reason = QuoteInput(text) + " is neither a whole number of minutes nor " + std::string(kWholeDayWord);
    }
    return std::nullopt;
}

// The birth record from the row's cells; a failure names the column.
struct ParsedRow {
    BirthRecord birth;
    bool zoneMinus = false;  ///< A zone cell carries a minus sign.
    std::optional<TimeWindow> window;  ///< With a TimeWindowMinutes column.
};

std::optional<ParsedRow> ParseCells(const TableLayout& layout, const std::vector<std::string_view>& cells,
                                    std::string& reason) {
    ParsedRow row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i == layout.windowColumn) {
            std::string why;
            row.window = ParseWindow(cells[i], why);
            if (!row.window) {
                reason = std::string(kWindowColumn) + ": " + why;
                return std::nullopt;
            }
            continue;
        }
        const RecordField* field = layout.fields[i];
        if (field == nullptr) continue;  // Place
        std::optional<std::int16_t> value;
        std::string why;
        switch (field->kind) {
        case RecordLineKind::Name:
            row.birth.BirthName = std::string(TrimBlanks(cells[i]));
            continue;
        case RecordLineKind::Number:
        case RecordLineKind::ZoneSize:
            value = ParseInt16(cells[i], &why);
            if (field->kind == RecordLineKind::ZoneSize) row.zoneMinus = row.zoneMinus || HasMinusSign(cells[i]);
            break;
        case RecordLineKind::Flag:
            value = ParseFlag(cells[i], why);
            break;
        }
        if (!value) {
            reason = std::string(field->column) + ": " + why;
            return std::nullopt;
        }
        row.birth.*field->member = *value;
    }
    return row;
}

// Fills the coordinates, zone and daylight saving of `birth` from the atlas
// for its date and clock time. Returns the place columns' cells, or the reason.
std::optional<std::array<std::string, 3>> ResolvePlace(std::string_view text, BirthRecord& birth,
                                                       std::string& reason) {
    const std::optional<Place> place = FindPlace(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!place) {
        reason = "no place matches " + QuoteInput(text);
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

} // namespace

HeaderResult ReadTableHeader(std::string_view line) {
    HeaderResult result;
    TableLayout layout;
    // Past the number of known columns, one more is enough to be refused as
    // unknown or repeated.
    const SplitRow split = SplitCells(line, kRecordLayout.size() + 2);
    for (const std::string_view cell : split.cells) {
        const std::string_view name = TrimBlanks(cell);
        const RecordField* field = nullptr;
        if (name != kPlaceColumn && name != kWindowColumn) {
            const auto it = std::find_if(kRecordLayout.begin(), kRecordLayout.end(),
                                         [&](const RecordField& f) { return f.column == name; });
            if (it == kRecordLayout.end()) {
                result.error = "unknown column " + QuoteInput(name);
                return result;
            }
            field = &*it;
        }
        if (std::find(layout.names.begin(), layout.names.end(), name) != layout.names.end()) {
            result.error = "column " + QuoteInput(name) + " appears twice";
            return result;
        }
        if (name == kPlaceColumn) layout.placeColumn = layout.names.size();
        if (name == kWindowColumn) layout.windowColumn = layout.names.size();
        layout.names.emplace_back(name);
        layout.fields.push_back(field);
    }

    const auto has = [&](const RecordField& f) {
        return std::find(layout.fields.begin(), layout.fields.end(), &f) != layout.fields.end();
    };
    layout.hasPlaceFields = true;
    for (const RecordField& field : kRecordLayout) {
        if (!IsRequired(field) || has(field)) continue;
        if (field.fromPlace) layout.hasPlaceFields = false;
        if (!(field.fromPlace && layout.placeColumn)) {
            result.error = "missing column " + QuoteInput(field.column);
            return result;
        }
    }
    result.layout = std::move(layout);
    return result;
}

std::string TableOutputHeader(const TableLayout& layout, const RowOptions& options) {
    std::string header;
    for (std::size_t i = 0; i < layout.names.size(); ++i) {
        if (i > 0) header += '\t';
        header += layout.names[i];
    }
    return header + ComputedHeader(options, layout.placeColumn.has_value(), layout.windowColumn.has_value());
}

std::string RecordOutputHeader(const RowOptions& options) {
    std::string header;
    for (const RecordField* field : RecordFieldsInColumnOrder()) {
        if (!header.empty()) header += '\t';
        header += field->column;
    }
    return header + ComputedHeader(options, false, false);
}

RowResult ComputeTableRow(const TableLayout& layout, const RowOptions& options, std::string_view row) {
    // Cells
    const SplitRow split = SplitCells(row, layout.names.size());
    if (split.count != layout.names.size()) {
        const std::string counts =
            "expected " + std::to_string(layout.names.size()) + " fields, found " + std::to_string(split.count);
        if (split.count > layout.names.size()) return Skip(counts);
        return Skip(layout.names[split.count] + ": missing, " + counts);
    }
    std::string reason;
    std::optional<ParsedRow> parsed = ParseCells(layout, split.cells, reason);
    if (!parsed) return Skip(reason);
    BirthRecord& birth = parsed->birth;
    if (const auto problem = CheckDateAndTime(birth)) return Skip(*problem);

    // The place stands in for the coordinates, zone and daylight saving.
    std::array<std::string, 3> placeCells;
    bool fromPlace = false;
    if (layout.placeColumn) {
        const std::string_view placeText = TrimBlanks(split.cells[*layout.placeColumn]);
        if (!placeText.empty()) {
            const auto cells = ResolvePlace(placeText, birth, reason);
            if (!cells) return Skip(std::string(kPlaceColumn) + ": " + reason);
            placeCells = *cells;
            fromPlace = true;
        } else if (!layout.hasPlaceFields) {
            return Skip(std::string(kPlaceColumn) +
                        ": missing value (the table has no coordinates and zone to use instead)");
        }
    }
    if (!fromPlace) {
        if (const auto problem = CheckPlaceValues(birth)) return Skip(*problem);
        // A negative zone is one east of Greenwich, as the picker writes it;
        // the check above leaves every size within 16 bits.
        StoreSignedZone(birth, birth.ZoneHours, birth.ZoneMinutes, parsed->zoneMinus);
    }

    // Output row: the input as given, then what was found and computed.
    RowResult result{true, CleanCells(row, true)};
    if (layout.placeColumn) {
        for (const std::string& cell : placeCells) (result.text += '\t') += Cell(cell);
    }
    AppendComputedCells(birth, options, parsed->window, result);
    return result;
}

RowResult ComputeRecordRow(const RecordLoadResult& loaded, const RowOptions& options) {
    if (!loaded.record) return Skip(RecordProblemText(loaded.problem));
    const BirthRecord& birth = *loaded.record;
    for (const auto& check : {CheckDateAndTime, CheckPlaceValues}) {
        if (const auto problem = check(birth)) {
            return Skip(RecordProblemText(RecordProblem{RecordLineOf(*problem->field), problem->reason}));
        }
    }

    // The zone keeps the minus sign it was saved with.
    const RecordLines stored = RecordLinesFrom(birth);
    RowResult result{true, {}};
    for (const RecordField* field : RecordFieldsInColumnOrder()) {
        if (field != RecordFieldsInColumnOrder().front()) result.text += '\t';
        switch (field->kind) {
        case RecordLineKind::Name:
            result.text += Cell(birth.BirthName);
            break;
        case RecordLineKind::ZoneSize:
            result.text += stored[static_cast<std::size_t>(RecordLineOf(*field) - 1)];
            break;
        case RecordLineKind::Number:
        case RecordLineKind::Flag:
            result.text += std::to_string(birth.*field->member);
            break;
        }
    }
    AppendComputedCells(birth, options, std::nullopt, result);
    return result;
}

} // namespace nyra
