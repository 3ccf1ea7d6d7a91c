#include "engine/moon_detail.h"

#include "engine/lunar_series.h"
#include "engine/names.h"
#include "text/fill_in.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace nyra {
namespace {

constexpr double kDaysPerCentury = kDaysPerJulianCentury;
constexpr double kMinutesPerCentury = kDaysPerCentury * 1440.0;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;  // 13° 20'
constexpr double kPadaWidthDeg = 10.0 / 3.0;       // 3° 20'

// Angle from `boundary` to `longitude`, in (-180, 180].
double SignedDistance(double longitude, double boundary) {
    double d = std::fmod(longitude - boundary, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

// A point on the unit circle: cos and sin of an angle. Products add angles,
// which is how the series' 25 arguments come from four sine-cosine pairs.
struct UnitTurn {
    double cos = 1.0;
    double sin = 0.0;
};

UnitTurn operator*(UnitTurn a, UnitTurn b) { return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin}; }

UnitTurn Inverse(UnitTurn a) { return {a.cos, -a.sin}; }

UnitTurn TurnOf(double angleRad) { return {std::cos(angleRad), std::sin(angleRad)}; }

constexpr std::size_t kTermCount = lunar::kLongitudeTerms.size();

// How fast a term's argument turns, radians per day.
constexpr double ArgumentRadPerDay(const lunar::LongitudeTerm& term) {
    return (term.d * lunar::kMoonElongation.degPerCentury + term.m * lunar::kSunAnomaly.degPerCentury +
            term.mp * lunar::kMoonAnomaly.degPerCentury + term.f * lunar::kMoonArgLatitude.degPerCentury) *
           DegToRad / kDaysPerCentury;
}

// The unit turns of D, M, M' and 2F, and the powers of them the table's
// multipliers reach, each at index multiplier + offset.
struct ArgumentTurns {
    static constexpr int kD = 0, kM = 1, kMp = 3, kF = 2;
    std::array<UnitTurn, 5> d;   // D^0 .. D^4
    std::array<UnitTurn, 3> m;   // M^-1 .. M^1
    std::array<UnitTurn, 7> mp;  // M'^-3 .. M'^3
    std::array<UnitTurn, 5> f;   // F^-2 and F^2 at the ends; F's odd multiples are never used
};

constexpr bool MultipliersInReach() {
    for (const lunar::LongitudeTerm& term : lunar::kLongitudeTerms)
        if (term.d < 0 || term.d > 4 || term.m < -1 || term.m > 1 || term.mp < -3 || term.mp > 3 ||
            (term.f != -2 && term.f != 0 && term.f != 2))
            return false;
    return true;
}
static_assert(MultipliersInReach());

// The turn of term I's argument: a product of the powers its nonzero
// multipliers pick, D and M first so that terms sharing them share the work.
template <std::size_t I>
UnitTurn TermTurn(const ArgumentTurns& a) {
    constexpr lunar::LongitudeTerm term = lunar::kLongitudeTerms[I];
    UnitTurn z;
    bool unit = true;
    const auto times = [&](const UnitTurn& factor) {
        z = unit ? factor : z * factor;
        unit = false;
    };
    if constexpr (term.d != 0) times(a.d[term.d + ArgumentTurns::kD]);
    if constexpr (term.m != 0) times(a.m[term.m + ArgumentTurns::kM]);
    if constexpr (term.mp != 0) times(a.mp[term.mp + ArgumentTurns::kMp]);
    if constexpr (term.f != 0) times(a.f[term.f + ArgumentTurns::kF]);
    return z;
}

// The series at one instant, term by term: each coefficient (times E where
// the table says so) times the sine and, when asked, the cosine of its
// argument, and the sines' sum in the chart's order. The sum agrees with the chart's to about
// 1e-11 degrees, a ten-millionth of a second of the Moon's motion: products
// of unit turns round differently from 25 separate sines, whose own
// arguments carry rounding of that size.
struct SeriesTerms {
    std::array<double, kTermCount> sine{};
    std::array<double, kTermCount> cosine{};
    double sum = 0.0;
};

template <bool kCosines, std::size_t I>
void AddTerm(const ArgumentTurns& a, double e, SeriesTerms& terms) {
    constexpr lunar::LongitudeTerm term = lunar::kLongitudeTerms[I];
    const UnitTurn z = TermTurn<I>(a);
    double value = term.coefficient * z.sin;
    if constexpr (term.useE) value = value * e;
    terms.sine[I] = value;
    if constexpr (kCosines) terms.cosine[I] = (term.useE ? term.coefficient * e : term.coefficient) * z.cos;
    terms.sum = terms.sum + value;
}

template <bool kCosines, std::size_t... I>
void AddTerms(const ArgumentTurns& a, double e, SeriesTerms& terms, std::index_sequence<I...>) {
    (AddTerm<kCosines, I>(a, e, terms), ...);  // left to right: table order
}

// Only the derivatives at the birth need the cosines.
template <bool kCosines>
SeriesTerms SeriesTermsAt(double t) {
    // The chart's own arguments, rounded the chart's way.
    const double d = (lunar::kMoonElongation.atEpochDeg + lunar::kMoonElongation.degPerCentury * t) * DegToRad;
    const double m = (lunar::kSunAnomaly.atEpochDeg + lunar::kSunAnomaly.degPerCentury * t) * DegToRad;
    const double mp = (lunar::kMoonAnomaly.atEpochDeg + lunar::kMoonAnomaly.degPerCentury * t) * DegToRad;
    const double f = (lunar::kMoonArgLatitude.atEpochDeg + lunar::kMoonArgLatitude.degPerCentury * t) * DegToRad;
    const double e = (1.0 - lunar::kEccentricityLinear * t) - t * (t * lunar::kEccentricityQuadratic);

    ArgumentTurns a;
    a.d[1] = TurnOf(d);
    a.d[2] = a.d[1] * a.d[1];
    a.d[3] = a.d[2] * a.d[1];
    a.d[4] = a.d[2] * a.d[2];
    a.m[2] = TurnOf(m);
    a.m[0] = Inverse(a.m[2]);
    a.mp[4] = TurnOf(mp);
    a.mp[5] = a.mp[4] * a.mp[4];
    a.mp[6] = a.mp[5] * a.mp[4];
    a.mp[2] = Inverse(a.mp[4]);
    a.mp[1] = Inverse(a.mp[5]);
    a.mp[0] = Inverse(a.mp[6]);
    a.f[4] = TurnOf(2.0 * f);
    a.f[0] = Inverse(a.f[4]);

    SeriesTerms terms;
    AddTerms<kCosines>(a, e, terms, std::make_index_sequence<kTermCount>{});
    return terms;
}

double SiderealFromSum(double t, double sum) {
    const double meanLongitude = lunar::kMeanLongitude.atEpochDeg + lunar::kMeanLongitude.degPerCentury * t;
    return lunar::IntoOneTurn(meanLongitude + sum) + AyanamsaShiftAt(t);
}

// The mean motion less the ayanamsa's, degrees per day. The ayanamsa's
// periodic part and the slow change of E are left out of every rate here:
// a few parts in a million of the Moon's motion, they only make Newton's
// last step a little less than perfect.
double MeanDegPerDay(double t) {
    const double ayanamsaDegPerCentury = (5025.64 + 2.0 * 1.11 * t) / 3600.0;
    return (lunar::kMeanLongitude.degPerCentury - ayanamsaDegPerCentury) / kDaysPerCentury;
}

// Near an instant, the Moon's sidereal longitude as a Taylor polynomial in
// days: the k-th derivative of c sin(x + w h) is c w^k sin(x + k 90°).
constexpr int kTaylorOrder = 10;
using TaylorWeights = std::array<std::array<double, kTaylorOrder + 1>, kTermCount>;
constexpr TaylorWeights kTaylorWeights = [] {
    TaylorWeights weights{};
    for (std::size_t i = 0; i < kTermCount; ++i) {
        const double w = ArgumentRadPerDay(lunar::kLongitudeTerms[i]);
        double power = 1.0;  // w^k / k!
        for (int k = 0; k <= kTaylorOrder; ++k) {
            weights[i][static_cast<std::size_t>(k)] = power;
            power = power * w / (k + 1);
        }
    }
    return weights;
}();

using Polynomial = std::array<double, kTaylorOrder + 1>;  // degrees per day^k

Polynomial LongitudeAround(double t) {
    const SeriesTerms terms = SeriesTermsAt<true>(t);
    // Term by term, so that the sums of the ten orders run side by side.
    Polynomial sum{};
    for (std::size_t i = 0; i < kTermCount; ++i)
        for (std::size_t k = 1; k <= kTaylorOrder; ++k)
            sum[k] += (k % 2 == 0 ? terms.sine[i] : terms.cosine[i]) * kTaylorWeights[i][k];
    Polynomial p{};
    p[0] = SiderealFromSum(t, terms.sum);
    // sin, cos, -sin, -cos, ... for the 0th, 1st, 2nd, 3rd derivative.
    for (std::size_t k = 1; k <= kTaylorOrder; ++k) p[k] = k % 4 < 2 ? sum[k] : -sum[k];
    p[1] += MeanDegPerDay(t);
    return p;
}

// Bounds on the Moon's motion that the series cannot leave: the mean motion
// (13.18 degrees a day) plus or minus the fastest every term could turn at
// once, with room for the eccentricity factor (within 1.25 for any 16-bit
// year) and the ayanamsa (under 2 degrees a century). They bracket a
// crossing from the distance alone.
constexpr double kSlowestDegPerDay = 10.0;
constexpr double kFastestDegPerDay = 17.0;
constexpr double kLongestSearchDays = 30.0 / kSlowestDegPerDay;  // a whole sign at the slowest
constexpr double Abs(double x) { return x < 0 ? -x : x; }
constexpr bool BoundsHold() {
    double most = 0.0;
    for (const lunar::LongitudeTerm& term : lunar::kLongitudeTerms)
        most += Abs(term.coefficient) * Abs(ArgumentRadPerDay(term)) * (term.useE ? 1.25 : 1.0);
    const double mean = lunar::kMeanLongitude.degPerCentury / kDaysPerCentury;
    const double ayanamsa = 2.0 / kDaysPerCentury;
    return mean - most - ayanamsa > kSlowestDegPerDay && mean + most + ayanamsa < kFastestDegPerDay;
}
static_assert(BoundsHold());

// Newton's method is done once a step is this short: the Moon's motion
// bends so gently (its rate changes by at most half a degree a day, against
// at least ten) that the error left after a step of s days is below
// s * s / 40 days, here under a ten-millionth of a second.
constexpr double kConvergedDays = 0.5 / 86400.0;

// How far the Taylor polynomial can stray from the series over a whole
// sign's search, in degrees: each term's next Taylor term at its largest.
// Below about 3.5e-5 degrees (a third of a second of the Moon's motion at
// its slowest) the polynomial's root is close enough for a single Newton
// step to finish; the slow changes of E and the ayanamsa the polynomial
// leaves out add a few milliseconds more.
constexpr double TaylorRemainderDeg() {
    double bound = 0.0;
    for (const lunar::LongitudeTerm& term : lunar::kLongitudeTerms) {
        double next = Abs(term.coefficient) * (term.useE ? 1.25 : 1.0);
        for (int k = 1; k <= kTaylorOrder + 1; ++k) next = next * Abs(ArgumentRadPerDay(term)) * kLongestSearchDays / k;
        bound += next;
    }
    return bound;
}
static_assert(TaylorRemainderDeg() / kSlowestDegPerDay < 0.7 * kConvergedDays);

constexpr int kMaxSteps = 60;  // halving a three-day bracket reaches a microsecond in 40
constexpr double kPolynomialSolvedDays = 0.001 / 86400.0;

double Evaluate(const Polynomial& p, double h) {
    double value = p[kTaylorOrder];
    for (std::size_t k = kTaylorOrder; k-- > 0;) value = value * h + p[k];
    return value;
}

double Slope(const Polynomial& p, double h) {
    double value = kTaylorOrder * p[kTaylorOrder];
    for (std::size_t k = kTaylorOrder - 1; k >= 1; --k) value = value * h + static_cast<double>(k) * p[k];
    return value;
}

double Instant(double t, double days) { return t + days / kDaysPerCentury; }

// When the Moon stands on `boundary`, seen from the polynomial `around` the
// birth at `t`: its root is the first guess, within a third of a second,
// and one Newton step with the full series finishes it. The step is kept
// inside the bracket the bounds on the motion give, halving whenever it
// would leave it; the search goes on until a step is short, however far
// the guess.
double CrossingInstant(double t, const Polynomial& around, double boundary, bool before) {
    const double distance = SignedDistance(around[0], boundary);
    const double toGo = before ? std::max(distance, 0.0) : std::max(-distance, 0.0);
    if (toGo == 0.0) return t;
    // Days from the birth; lo is short of the boundary, hi on or past it.
    double lo = before ? -toGo / kSlowestDegPerDay - kConvergedDays : toGo / kFastestDegPerDay;
    double hi = before ? -toGo / kFastestDegPerDay : toGo / kSlowestDegPerDay + kConvergedDays;

    Polynomial p = around;
    p[0] = distance;
    // Newton's method on the polynomial, started with a cheap step on its
    // quadratic part. Each step squares the error (times at most a fortieth
    // a day, as above), so after a step of s days under s * s / 40 remain:
    // once that is under a millisecond, the step with the full series takes
    // the rest.
    double h = (before ? -toGo : toGo) / p[1];
    h = h - (p[0] + h * (p[1] + h * p[2])) / (p[1] + 2.0 * h * p[2]);
    for (int i = 0; i < 8; ++i) {
        const double step = Evaluate(p, h) / Slope(p, h);
        h -= step;
        if (step * step / 40.0 < kPolynomialSolvedDays) break;
    }
    if (!(h > lo && h < hi)) h = lo + (hi - lo) / 2.0;

    for (int i = 0; i < kMaxSteps; ++i) {
        const double x = Instant(t, h);
        const double f = SignedDistance(SiderealFromSum(x, SeriesTermsAt<false>(x).sum), boundary);
        if (f == 0.0) return x;
        if (f < 0.0)
            lo = h;
        else
            hi = h;
        // The polynomial's slope stands in for the series' own rate: they
        // differ by a few parts in a million within the search.
        const double step = f / Slope(p, h);
        if (std::fabs(step) < kConvergedDays) return Instant(t, h - step);
        h -= step;
        if (!(h > lo && h < hi)) h = lo + (hi - lo) / 2.0;
        if (hi - lo < kConvergedDays) break;
    }
    return Instant(t, h);
}

Span FindSpan(const EngineRecord& chart, int index, double lowerDeg, double upperDeg) {
    Span span;
    span.index = index;
    const double t = chart.Centuries;
    const Polynomial around = LongitudeAround(t);
    // The search polishes to a ten-millionth of a second; these keep the
    // birth between its crossings even when it lies on a boundary.
    span.entered.centuries = std::min(CrossingInstant(t, around, lowerDeg, true), t);
    span.leaves.centuries = std::max(CrossingInstant(t, around, std::fmod(upperDeg, 360.0), false), t);
    span.entered = CrossingAt(span.entered.centuries, chart);
    span.leaves = CrossingAt(span.leaves.centuries, chart);
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

// "2 Jan 2000"; Hindi has no short month names in common use.
std::string DayMonthYear(const LocalTime& t, Language language) {
    static constexpr auto kMonths = std::to_array<std::string_view>(
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
    static_assert(kMonths.size() == 12);
    std::string_view month = "?";
    if (t.month >= 1 && t.month <= 12) {
        month = language == Language::English ? kMonths[static_cast<std::size_t>(t.month - 1)]
                                              : MonthName(t.month, language);
    }
    return std::to_string(t.day) + " " + std::string(month) + " " + std::to_string(t.year);
}

std::string ClockText(const LocalTime& t) { return TwoDigits(t.hour) + ":" + TwoDigits(t.minute); }

// "1 h 12 min", "2 h 0 min", "45 min". Hindi leaves out zero minutes and
// counts hours in the form they take before बाद and पहले: "1 घण्टे 12
// मिनट", "2 घण्टे", "45 मिनट".
std::string Duration(double minutes, Language language) {
    const long long total = std::llround(std::fabs(minutes));
    const std::string hours = std::to_string(total / 60);
    const std::string rest = std::to_string(total % 60);
    if (language == Language::Hindi) {
        if (total / 60 == 0) return rest + " मिनट";
        if (total % 60 == 0) return hours + " घण्टे";
        return hours + " घण्टे " + rest + " मिनट";
    }
    if (total / 60 == 0) return rest + " min";
    return hours + " h " + rest + " min";
}

// The notices, by what changes and which change is nearer: %1 the time
// from it, %2 the sign or nakshatra of the birth, %3 its neighbour across
// that change.
struct NoticeWords {
    Bilingual<std::string_view> afterEntry, beforeLeaving;
};

constexpr NoticeWords kSignNotice{
    .afterEntry =
        {"Born %1 after the Moon entered %2. If the birth time or time zone may be off by that much, the Moon sign "
         "may be %3.",
         "आपका जन्म चन्द्रमा के %2 राशि में आने के %1 बाद हुआ। यदि जन्म के समय या समय क्षेत्र में इतनी भूल सम्भव "
         "है, तो आपकी चन्द्र राशि %3 भी हो सकती है।"},
    .beforeLeaving =
        {"Born %1 before the Moon left %2. If the birth time or time zone may be off by that much, the Moon sign "
         "may be %3.",
         "आपका जन्म चन्द्रमा के %2 राशि से निकलने से %1 पहले हुआ। यदि जन्म के समय या समय क्षेत्र में इतनी भूल "
         "सम्भव है, तो आपकी चन्द्र राशि %3 भी हो सकती है।"},
};

constexpr NoticeWords kNakshatraNotice{
    .afterEntry =
        {"Born %1 after the Moon entered %2. If the birth time or time zone may be off by that much, the nakshatra "
         "may be %3.",
         "आपका जन्म चन्द्रमा के %2 नक्षत्र में आने के %1 बाद हुआ। यदि जन्म के समय या समय क्षेत्र में इतनी भूल "
         "सम्भव है, तो आपका नक्षत्र %3 भी हो सकता है।"},
    .beforeLeaving =
        {"Born %1 before the Moon left %2. If the birth time or time zone may be off by that much, the nakshatra "
         "may be %3.",
         "आपका जन्म चन्द्रमा के %2 नक्षत्र से निकलने से %1 पहले हुआ। यदि जन्म के समय या समय क्षेत्र में इतनी "
         "भूल सम्भव है, तो आपका नक्षत्र %3 भी हो सकता है।"},
};

std::string ChangeNotice(const Span& span, int count, const NoticeWords& words,
                         std::string_view (*nameOf)(int, Language), Language language) {
    if (std::fabs(span.minutesFromNearerChange) > kNoticeMinutes) return {};
    const bool afterEntry = span.minutesFromNearerChange <= 0.0;
    const int neighbour = (span.index + (afterEntry ? count - 1 : 1)) % count;
    return FillIn(
        (afterEntry ? words.afterEntry : words.beforeLeaving)[language],
        {Duration(span.minutesFromNearerChange, language), nameOf(span.index, language), nameOf(neighbour, language)});
}

constexpr Bilingual<std::string_view> kLongMinute{"%1 at %2", "%1 को %2 बजे"};
constexpr Bilingual<std::string_view> kPositionInSign{"%1 in %2", "%2 राशि में %1"};
constexpr Bilingual<std::string_view> kEngineAyanamsa{kAyanamsaName, "लाहिड़ी (चित्रपक्ष)"};
// %1 the sign, %2 and %3 when the Moon entered and left it (FormatLongMinute).
constexpr Bilingual<std::string_view> kSignSpan{"The Moon entered %1 on %2 and leaves it on %3 (local time).",
                                                "चन्द्रमा %1 राशि में %2 आया और %3 उससे निकला (स्थानीय समय)।"};
// %1 the nakshatra, %2 and %3 its day and clock time.
constexpr Bilingual<std::string_view> kNakshatraSpan{"Nakshatra %1 from %2 to %3", "%1 नक्षत्र %2 से %3 तक"};

}  // namespace

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

namespace {

LocalTime LocalTimeOfJulianDate(double julianDate) {
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

}  // namespace

LocalTime LocalTimeAt(double centuries, const EngineRecord& chart) {
    const double clockAheadHours = chart.LocalHours - chart.UniversalHours;
    return LocalTimeOfJulianDate(centuries * kDaysPerCentury + kJ2000JulianDate + clockAheadHours / 24.0);
}

LocalTime ClockTimeAt(double centuries, int minutesEast) {
    return LocalTimeOfJulianDate(centuries * kDaysPerCentury + kJ2000JulianDate + minutesEast / 1440.0);
}

int BirthClockMinutesEast(const EngineRecord& chart) {
    return static_cast<int>(std::lround((chart.LocalHours - chart.UniversalHours) * 60.0));
}

Crossing CrossingAt(double centuries, const EngineRecord& chart) {
    return {centuries, LocalTimeAt(centuries, chart), BirthClockMinutesEast(chart)};
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

std::string FormatLongMinute(const LocalTime& t, Language language) {
    return FillIn(kLongMinute[language], {DayMonthYear(t, language), ClockText(t)});
}

std::string PositionInSignText(const EngineRecord& chart, Language language) {
    return FillIn(kPositionInSign[language],
                  {DegreesMinutesSeconds(chart.MoonLongitude), SignNameFor(chart.RashiName, language)});
}

std::string PositionInSignText(double siderealDeg, Language language) {
    const int sign = std::clamp(static_cast<int>(std::floor(siderealDeg / 30.0)), 0, 11);
    return FillIn(kPositionInSign[language], {DegreesMinutesSeconds(siderealDeg), SignName(sign, language)});
}

std::string DegreesMinutesSecondsText(double deg) { return DegreesMinutesSeconds(deg); }

std::string AyanamsaText(const EngineRecord& chart) { return DegreesMinutesSeconds(-chart.AyanamsaShift); }

std::string_view EngineAyanamsaName(Language language) { return kEngineAyanamsa[language]; }

std::string SignSpanSentence(const Span& sign, Language language) {
    return FillIn(kSignSpan[language], {SignName(sign.index, language), FormatLongMinute(sign.entered.local, language),
                                        FormatLongMinute(sign.leaves.local, language)});
}

std::string NakshatraSpanSentence(const Span& nakshatra, Language language) {
    const auto when = [language](const LocalTime& t) { return DayMonthYear(t, language) + ", " + ClockText(t); };
    return FillIn(kNakshatraSpan[language], {NakshatraName(nakshatra.index, language), when(nakshatra.entered.local),
                                             when(nakshatra.leaves.local)});
}

std::string SignChangeNotice(const Span& sign, Language language) {
    return ChangeNotice(sign, 12, kSignNotice, SignName, language);
}

std::string NakshatraChangeNotice(const Span& nakshatra, Language language) {
    return ChangeNotice(nakshatra, 27, kNakshatraNotice, NakshatraName, language);
}

}  // namespace nyra
