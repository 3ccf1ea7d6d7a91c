#include "engine/moon_detail.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nyra {
namespace {

constexpr double kDaysPerCentury = kDaysPerJulianCentury;
constexpr double kMinutesPerCentury = kDaysPerCentury * 1440.0;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;  // 13° 20'
constexpr double kPadaWidthDeg = 10.0 / 3.0;       // 3° 20'

// The Moon's sidereal motion stays within these bounds (it moves 11.8 to
// 15.4 degrees a day), which brackets a crossing from a single position.
constexpr double kSlowestDegPerCentury = 11.0 * kDaysPerCentury;
constexpr double kFastestDegPerCentury = 16.0 * kDaysPerCentury;
// Fallback search steps of a quarter of a day: the Moon moves 3 to 4
// degrees in that time, so a step can never jump over a boundary and back.
constexpr double kSearchStep = 0.25 / kDaysPerCentury;
constexpr int kMaxSearchSteps = 60;  // 15 days: far more than any span
// The search stops below a hundredth of a second (the Moon moves about
// 1.5e-6 degrees in that time) or on the boundary itself.
constexpr double kTimeLimit = 0.01 / 86400.0 / kDaysPerCentury;
constexpr double kAngleLimitDeg = 1e-9;

// Angle from `boundary` to `longitude`, in (-180, 180].
double SignedDistance(double longitude, double boundary) {
    double d = std::fmod(longitude - boundary, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

double DistanceAt(double t, double boundary) { return SignedDistance(SiderealMoonAt(t), boundary); }

// The instant between `before` (Moon short of the boundary) and `after`
// (Moon on or past it) when the Moon stands on the boundary: false position
// with the Illinois modification, which keeps the bracket and converges in
// a few steps; a step outside the bracket falls back to halving.
double SolveCrossing(double before, double after, double boundary) {
    double fBefore = DistanceAt(before, boundary);
    double fAfter = DistanceAt(after, boundary);
    int lastSide = 0;
    for (int i = 0; i < 200 && after - before > kTimeLimit; ++i) {
        double t = (before * fAfter - after * fBefore) / (fAfter - fBefore);
        if (!(t > before && t < after)) t = before + (after - before) / 2.0;
        const double f = DistanceAt(t, boundary);
        if (std::fabs(f) < kAngleLimitDeg) return t;
        if (f < 0.0) {
            before = t;
            fBefore = f;
            if (lastSide < 0) fAfter /= 2.0;
            lastSide = -1;
        } else {
            after = t;
            fAfter = f;
            if (lastSide > 0) fBefore /= 2.0;
            lastSide = 1;
        }
    }
    return before + (after - before) / 2.0;
}

// The Moon always moves forward, so the boundary was last crossed before t
// and will next be crossed after it.
double CrossingBefore(double t, double boundary) {
    const double past = DistanceAt(t, boundary);  // degrees since the crossing
    double before = t - std::max(past, 0.0) / kSlowestDegPerCentury - kSearchStep / 8.0;
    double after = t - std::max(past, 0.0) / kFastestDegPerCentury;
    if (DistanceAt(after, boundary) < 0.0) after = t;
    for (int i = 0; i < kMaxSearchSteps && DistanceAt(before, boundary) >= 0.0; ++i) {
        after = before;
        before -= kSearchStep;
    }
    return SolveCrossing(before, after, boundary);
}

double CrossingAfter(double t, double boundary) {
    const double ahead = -DistanceAt(t, boundary);  // degrees still to go
    double before = t + std::max(ahead, 0.0) / kFastestDegPerCentury;
    double after = t + std::max(ahead, 0.0) / kSlowestDegPerCentury + kSearchStep / 8.0;
    if (DistanceAt(before, boundary) >= 0.0) before = t;
    for (int i = 0; i < kMaxSearchSteps && DistanceAt(after, boundary) < 0.0; ++i) {
        before = after;
        after += kSearchStep;
    }
    return SolveCrossing(before, after, boundary);
}

Span FindSpan(const EngineRecord& chart, int index, double lowerDeg, double upperDeg) {
    Span span;
    span.index = index;
    const double t = chart.Centuries;
    span.entered.centuries = CrossingBefore(t, lowerDeg);
    span.leaves.centuries = CrossingAfter(t, std::fmod(upperDeg, 360.0));
    span.entered.local = LocalTimeAt(span.entered.centuries, chart);
    span.leaves.local = LocalTimeAt(span.leaves.centuries, chart);
    const double sinceEntered = (t - span.entered.centuries) * kMinutesPerCentury;
    const double untilLeaves = (span.leaves.centuries - t) * kMinutesPerCentury;
    span.minutesFromNearerChange = sinceEntered <= untilLeaves ? -sinceEntered : untilLeaves;
    return span;
}

// Civil date of a Julian day number (Meeus, Astronomical Algorithms, ch. 7).
void CalendarDate(long long dayNumber, int& year, int& month, int& day) {
    long long a = dayNumber;
    if (dayNumber >= 2299161) {
        const long long alpha = static_cast<long long>(std::floor((dayNumber - 1867216.25) / 36524.25));
        a = dayNumber + 1 + alpha - static_cast<long long>(std::floor(alpha / 4.0));
    }
    const long long b = a + 1524;
    const long long c = static_cast<long long>(std::floor((b - 122.1) / 365.25));
    const long long d = static_cast<long long>(std::floor(365.25 * c));
    const long long e = static_cast<long long>(std::floor((b - d) / 30.6001));
    day = static_cast<int>(b - d - static_cast<long long>(std::floor(30.6001 * e)));
    month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// The engine's position text with typographic marks and without the
// abbreviation: 19° 27′ 44″.
std::string DegreesMinutesSeconds(double longitudeDeg) {
    std::string text = FormatSignPosition(longitudeDeg);
    text.erase(text.find('"') + 1);
    std::string pretty;
    for (char c : text) {
        if (c == '\'')
            pretty += "\u2032";
        else if (c == '"')
            pretty += "\u2033";
        else
            pretty += c;
    }
    return pretty;
}

std::string Duration(double minutes) {
    const long long total = std::llround(std::fabs(minutes));
    const long long hours = total / 60;
    const long long rest = total % 60;
    if (hours == 0) return std::to_string(rest) + " min";
    return std::to_string(hours) + " h " + std::to_string(rest) + " min";
}

std::string ChangeNotice(const Span& span, int count, std::string_view what, std::string_view (*nameOf)(int)) {
    if (std::fabs(span.minutesFromNearerChange) > kNoticeMinutes) return {};
    const bool afterEntry = span.minutesFromNearerChange <= 0.0;
    const int neighbour = (span.index + (afterEntry ? count - 1 : 1)) % count;
    std::string text = "Born " + Duration(span.minutesFromNearerChange);
    text += afterEntry ? " after the Moon entered " : " before the Moon left ";
    text += nameOf(span.index);
    text += ". If the birth time or time zone may be off by that much, the ";
    text += what;
    text += " may be ";
    text += nameOf(neighbour);
    text += ".";
    return text;
}

std::string_view SignName(int index) { return RashiNames[static_cast<std::size_t>(index)].name; }
std::string_view NakshatraName(int index) { return kNakshatraNames[static_cast<std::size_t>(index)]; }

} // namespace

Nakshatra NakshatraAt(double siderealDeg) {
    Nakshatra n;
    n.index = std::clamp(static_cast<int>(std::floor(siderealDeg / kNakshatraWidthDeg)), 0, 26);
    const int quarter = static_cast<int>(std::floor(siderealDeg / kPadaWidthDeg));
    n.pada = std::clamp(quarter - 4 * n.index + 1, 1, 4);
    n.name = kNakshatraNames[static_cast<std::size_t>(n.index)];
    n.lord = kNakshatraLords[static_cast<std::size_t>(n.index % 9)];
    return n;
}

double SiderealMoonAt(double centuries) {
    EngineRecord r;
    ComputeMoonAt(centuries, r);
    return r.MoonLongitude;
}

LocalTime LocalTimeAt(double centuries, const EngineRecord& chart) {
    const double clockAheadHours = chart.LocalHours - chart.UniversalHours;
    const double julianDate = centuries * kDaysPerCentury + kJ2000JulianDate + clockAheadHours / 24.0;
    // Minutes since the start of the civil day of Julian day number 0.
    const long long minutes = std::llround((julianDate + 0.5) * 1440.0);
    const long long dayNumber = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    const long long minuteOfDay = minutes - dayNumber * 1440;
    LocalTime t;
    CalendarDate(dayNumber, t.year, t.month, t.day);
    t.hour = static_cast<int>(minuteOfDay / 60);
    t.minute = static_cast<int>(minuteOfDay % 60);
    return t;
}

Span FindSignSpan(const EngineRecord& chart) {
    const int sign = std::clamp(static_cast<int>(std::floor(chart.MoonLongitude / 30.0)), 0, 11);
    return FindSpan(chart, sign, sign * 30.0, (sign + 1) * 30.0);
}

Span FindNakshatraSpan(const EngineRecord& chart) {
    const int index = NakshatraAt(chart.MoonLongitude).index;
    return FindSpan(chart, index, index * kNakshatraWidthDeg, (index + 1) * kNakshatraWidthDeg);
}

std::string FormatIsoMinute(const LocalTime& t) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return buffer;
}

std::string FormatLongMinute(const LocalTime& t) {
    static constexpr auto kMonths = std::to_array<std::string_view>(
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
    static_assert(kMonths.size() == 12);
    const std::string_view month = t.month >= 1 && t.month <= 12 ? kMonths[static_cast<std::size_t>(t.month - 1)] : "?";
    return std::to_string(t.day) + " " + std::string(month) + " " + std::to_string(t.year) + " at " +
           TwoDigits(t.hour) + ":" + TwoDigits(t.minute);
}

std::string PositionInSignText(const EngineRecord& chart) {
    return DegreesMinutesSeconds(chart.MoonLongitude) + " in " + chart.RashiName;
}

std::string AyanamsaText(const EngineRecord& chart) { return DegreesMinutesSeconds(-chart.AyanamsaShift); }

std::string SignSpanSentence(const Span& sign) {
    const std::string name(SignName(sign.index));
    return "The Moon entered " + name + " on " + FormatLongMinute(sign.entered.local) + " and leaves it on " +
           FormatLongMinute(sign.leaves.local) + " (local time).";
}

std::string SignChangeNotice(const Span& sign) { return ChangeNotice(sign, 12, "Moon sign", SignName); }

std::string NakshatraChangeNotice(const Span& nakshatra) {
    return ChangeNotice(nakshatra, 27, "nakshatra", NakshatraName);
}

} // namespace nyra
