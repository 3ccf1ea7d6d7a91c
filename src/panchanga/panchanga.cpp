#include "panchanga/panchanga.h"

#include "precise/library_session.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace nyra {
namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kSecondsPerDay = 86400.0;

// The Moon is asked at whole steps of this from the birth (each position
// with its motion) and taken between them from the cubic through the two
// around an instant. A cubic through two positions and their motions h
// apart strays by at most M4 h^4 / 384, where M4 bounds the fourth
// derivative: the library's sidereal Moon, sampled every 3.7 days from 1800
// to 2400 on its files and on Moshier, never exceeded 0.067 degrees a day^4.
// With 0.1 for M4 and h of 0.6 days that is 3.4e-5 degrees, and the motion's
// own error (1e-5 of itself, see precise_spans.cpp) adds under 2e-5: about
// 0.45 seconds of time at the slowest lead of the Moon over the Sun (10.47
// degrees a day). No tithi lasts longer than two steps (26.8 hours), so five
// positions, the birth's and two a side, hold every limb of the birth.
constexpr double kStepDays = 0.6;
constexpr double kMostFourthDerivative = 0.1;
static_assert(kMostFourthDerivative * kStepDays * kStepDays * kStepDays * kStepDays / 384.0 / 10.47 * kSecondsPerDay <
              kPanchangaCrossingSeconds / 2.0);

// The Sun is taken from the cubic through its positions at the birth and a
// day later: its longitude's fourth derivative (the Moon's pull on the
// Earth, 6.4″ over a month, above all) keeps that within 0.01″ over the few
// days a window reaches.
constexpr double kSunNodeDays = 1.0;

// Bounds on the two bodies, with room to spare: the Moon moves 11.76 to
// 15.40 degrees a day (precise_spans.cpp), the Sun 0.95 to 1.02.
constexpr double kSlowestMoonDegPerDay = 11.5;
constexpr double kSlowestSunDegPerDay = 0.94;
constexpr double kFastestSunDegPerDay = 1.03;

// The classic Moon's daily motion, by a central difference over this.
constexpr double kClassicStepDays = 0.01;

// A change is well inside the window's neighbour a minute past it: no limb
// lasts less than a few hours, a karana about two.
constexpr double kIntoNeighbourDays = 1.0 / kMinutesPerDay;
constexpr int kMostShares = 8;
// No limb is looked for farther than this from the instant asked.
constexpr int kMostSteps = 8;

// Angle from `fromDeg` to `deg`, in (-180, 180].
double SignedDistance(double deg, double fromDeg) {
    double d = std::fmod(deg - fromDeg, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

double Normalized(double deg) {
    const double d = std::fmod(deg, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// A longitude and its motion at `days` from the birth, unwrapped.
struct Node {
    double days = 0;
    double deg = 0;
    double degPerDay = 0;
};

// The cubic through two nodes, at `days`: its value and its slope.
std::pair<double, double> Hermite(const Node& a, const Node& b, double days) {
    const double h = b.days - a.days;
    const double s = (days - a.days) / h;
    const double s2 = s * s, s3 = s2 * s;
    const double value = (2 * s3 - 3 * s2 + 1) * a.deg + (s3 - 2 * s2 + s) * h * a.degPerDay +
                         (-2 * s3 + 3 * s2) * b.deg + (s3 - s2) * h * b.degPerDay;
    const double slope = ((6 * s2 - 6 * s) * a.deg + (3 * s2 - 4 * s + 1) * h * a.degPerDay +
                          (-6 * s2 + 6 * s) * b.deg + (3 * s2 - 2 * s) * h * b.degPerDay) /
                         h;
    return {value, slope};
}

// What a limb counts: the Moon's lead over the Sun, or their sum.
enum class Measure { Lead, Sum };

Measure MeasureOf(LimbKind kind) { return kind == LimbKind::Yoga ? Measure::Sum : Measure::Lead; }

double WidthOf(LimbKind kind) {
    switch (kind) {
    case LimbKind::Tithi: return kTithiWidthDeg;
    case LimbKind::Karana: return kKaranaWidthDeg;
    case LimbKind::Yoga: return kYogaWidthDeg;
    case LimbKind::Vara: break;
    }
    return 360.0;
}

// The Moon and the Sun around the birth, as the basis and the library give
// them, on one sidereal zero point: the Moon at whole steps from the birth,
// asked once each, the Sun from two positions.
class Sky {
public:
    Sky(const MoonReading& reading, precise::LibrarySession& library)
        : reading_(reading), library_(library), birthJulianDay_(ChartJulianDayUt(reading.chart)) {}

    double BirthJulianDay() const { return birthJulianDay_; }
    double BirthCenturies() const { return reading_.chart.Centuries; }

    // The Sun's two positions, the tropical zero point, and the Moon at the
    // birth: first of all.
    Result<void> Start() {
        for (const double days : {0.0, kSunNodeDays}) {
            const Result<Node> sun = SunAt(days);
            if (!sun) return sun.problem();
            sun_.push_back(*sun);
        }
        sun_[1].deg = sun_[0].deg + SignedDistance(sun_[1].deg, sun_[0].deg);
        if (reading_.basis.kind == BasisKind::Precise) {
            const Result<double> ayanamsa = library_.TrueAyanamsa(birthJulianDay_);
            if (!ayanamsa) return ayanamsa.problem();
            tropicalLessSiderealDeg_ = *ayanamsa;
        } else {
            tropicalLessSiderealDeg_ = -AyanamsaShiftAt(BirthCenturies());
        }
        const Result<Node> moon = MoonNode(0);
        if (!moon) return moon.problem();
        return {};
    }

    Node Sun(double days) const {
        const auto [deg, degPerDay] = Hermite(sun_[0], sun_[1], days);
        return {days, deg, degPerDay};
    }
    // The Sun's apparent tropical longitude, for its rising.
    double TropicalSunDeg(double days) const { return Normalized(Sun(days).deg + tropicalLessSiderealDeg_); }
    double SunDistanceAu() const { return sunDistanceAu_; }

    // The measure and its motion at `days`, unwrapped from its value at the
    // birth in 0..360.
    Result<Node> At(Measure m, double days) {
        // On a step (give or take its rounding) the Moon is that position.
        const double steps = days / kStepDays;
        const int step = static_cast<int>(std::floor(steps + 1e-9));
        const Result<Node> a = MoonNode(step);
        if (!a) return a.problem();
        double moonDeg = a->deg, moonDegPerDay = a->degPerDay;
        if (steps - step > 1e-9) {
            const Result<Node> b = MoonNode(step + 1);
            if (!b) return b.problem();
            std::tie(moonDeg, moonDegPerDay) = Hermite(*a, *b, days);
        }
        const Node sun = Sun(days);
        const double sign = m == Measure::Lead ? -1.0 : 1.0;
        const double atBirth = Normalized(moon_.at(0).deg + sign * sun_[0].deg);
        return Node{days, atBirth + (moonDeg - moon_.at(0).deg) + sign * (sun.deg - sun_[0].deg),
                    moonDegPerDay + sign * sun.degPerDay};
    }

    // Days from the birth at which the measure reaches `targetDeg`
    // (unwrapped, as At counts), looked for in the steps out from
    // `nearDays`.
    Result<double> ChangeAt(Measure m, double targetDeg, double nearDays) {
        int step = static_cast<int>(std::floor(nearDays / kStepDays));
        for (int tries = 0; tries < 2 * kMostSteps; ++tries) {
            const Result<Node> a = At(m, step * kStepDays);
            if (!a) return a.problem();
            if (targetDeg < a->deg) {
                --step;
                continue;
            }
            const Result<Node> b = At(m, (step + 1) * kStepDays);
            if (!b) return b.problem();
            if (targetDeg > b->deg) {
                ++step;
                continue;
            }
            // The measure rises through the step: Newton from the chord's
            // root, kept inside it.
            double days = a->days + (targetDeg - a->deg) / (b->deg - a->deg) * kStepDays;
            for (int i = 0; i < 12; ++i) {
                const Result<Node> at = At(m, std::clamp(days, a->days, b->days - 1e-12));
                if (!at) return at.problem();
                const double move = (targetDeg - at->deg) / at->degPerDay;
                days = std::clamp(days + move, a->days, b->days);
                if (std::fabs(move) < 1e-9) break;
            }
            return days;
        }
        return Problem{"", "the positions of the Moon and the Sun did not lead to a change of the panchanga"};
    }

private:
    Result<Node> SunAt(double days) {
        const double julianDay = birthJulianDay_ + days;
        const bool sidereal = reading_.basis.kind == BasisKind::Precise;
        const Result<precise::SunPosition> sun = library_.Sun(julianDay, sidereal);
        if (!sun) return sun.problem();
        if (!(sun->degPerDay >= kSlowestSunDegPerDay && sun->degPerDay <= kFastestSunDegPerDay))
            return Problem{"", "Swiss Ephemeris gave the Sun a daily motion that is not the Sun's"};
        if (days == 0.0) sunDistanceAu_ = sun->distanceAu;
        // The classic basis moves the library's tropical Sun to the engine's
        // ayanamsa (whose own motion, 50″ a year, is left out of the Sun's).
        const double deg = sidereal ? sun->longitudeDeg
                                    : Normalized(sun->longitudeDeg + AyanamsaShiftAt((julianDay - kJ2000JulianDate) /
                                                                                     kDaysPerJulianCentury));
        return Node{days, deg, sun->degPerDay};
    }

    // The Moon at `step` whole steps from the birth, asked once.
    Result<Node> MoonNode(int step) {
        if (const auto found = moon_.find(step); found != moon_.end()) return found->second;
        const double days = step * kStepDays;
        const double julianDay = birthJulianDay_ + days;
        Node node{days};
        if (reading_.basis.kind == BasisKind::Precise) {
            const Result<precise::MoonPosition> moon = library_.Moon(julianDay, true);
            if (!moon) return moon.problem();
            node.deg = moon->longitudeDeg;
            node.degPerDay = moon->degPerDay;
        } else {
            const double centuries = (julianDay - kJ2000JulianDate) / kDaysPerJulianCentury;
            const double h = kClassicStepDays / kDaysPerJulianCentury;
            node.deg = SiderealMoonAt(centuries);
            node.degPerDay =
                SignedDistance(SiderealMoonAt(centuries + h), SiderealMoonAt(centuries - h)) / (2.0 * kClassicStepDays);
        }
        if (!(node.degPerDay >= kSlowestMoonDegPerDay))
            return Problem{"", "the ephemeris gave the Moon a daily motion that is not the Moon's"};
        if (step != 0) node.deg = moon_.at(0).deg + UnwrappedFromBirth(node.deg - moon_.at(0).deg, days);
        moon_.emplace(step, node);
        return node;
    }

    // A Moon `days` from the birth lies about 13 degrees a day ahead; the
    // difference `deg` is taken modulo 360 nearest that.
    static double UnwrappedFromBirth(double deg, double days) {
        const double expected = 13.2 * days;
        return expected + SignedDistance(deg, expected);
    }

    const MoonReading& reading_;
    precise::LibrarySession& library_;
    double birthJulianDay_;
    std::vector<Node> sun_;
    double sunDistanceAu_ = 1.0;
    double tropicalLessSiderealDeg_ = 0;
    std::map<int, Node> moon_;
};

Crossing CrossingAtDays(const Sky& sky, double days, const EngineRecord& chart) {
    const double centuries = sky.BirthCenturies() + days / kDaysPerJulianCentury;
    return {centuries, LocalTimeAt(centuries, chart)};
}

// The tithi, yoga or karana at `days` from the birth, with its changes.
Result<Limb> LimbAt(Sky& sky, LimbKind kind, double days, const EngineRecord& chart) {
    const Measure m = MeasureOf(kind);
    const Result<Node> at = sky.At(m, days);
    if (!at) return at.problem();
    const double width = WidthOf(kind);
    const double lowerDeg = std::floor(at->deg / width) * width;
    const int count = static_cast<int>(std::lround(360.0 / width));
    Limb limb;
    limb.number = static_cast<int>(std::lround(Normalized(lowerDeg) / width)) % count + 1;
    const Result<double> began = sky.ChangeAt(m, lowerDeg, days);
    if (!began) return began.problem();
    const Result<double> ends = sky.ChangeAt(m, lowerDeg + width, days);
    if (!ends) return ends.problem();
    // The instant stays between its changes even on a boundary.
    limb.began = CrossingAtDays(sky, std::min(*began, days), chart);
    limb.ends = CrossingAtDays(sky, std::max(*ends, days), chart);
    return limb;
}

// The Sun's rising and setting at `place`, from the Sky's Sun.
class Horizon {
public:
    Horizon(const Sky& sky, const GeoPlace& place) : sky_(sky), place_(place) {}

    // The rising (or setting) nearest `nearDays`, in days from the birth;
    // nothing where the Sun stays above or below the horizon then.
    std::optional<double> Nearest(double nearDays, bool rise) const {
        // Meeus, Astronomical Algorithms ch. 15: the hour angle at which
        // the Sun's upper limb meets the horizon, refraction included,
        // then the instant the Sun reaches it, twice over as the Sun moves.
        constexpr double kRefractionDeg = 34.0 / 60.0;
        constexpr double kSemidiameterAtOneAuDeg = 959.63 / 3600.0;
        constexpr double kSiderealDegPerDay = 360.98564736629;
        const double altitudeDeg = -(kRefractionDeg + kSemidiameterAtOneAuDeg / sky_.SunDistanceAu());
        const double latRad = place_.northLatitudeDeg * DegToRad;
        double days = nearDays;
        for (int i = 0; i < 5; ++i) {
            const double julianDay = sky_.BirthJulianDay() + days;
            const double centuries = (julianDay - kJ2000JulianDate) / kDaysPerJulianCentury;
            // Mean obliquity (Meeus 22.2); nutation moves the risings by
            // well under a second.
            const double obliquityRad =
                (23.4392911 - 0.0130041667 * centuries - 1.6667e-7 * centuries * centuries) * DegToRad;
            const double lonRad = sky_.TropicalSunDeg(days) * DegToRad;
            const double rightAscensionDeg =
                Normalized(std::atan2(std::cos(obliquityRad) * std::sin(lonRad), std::cos(lonRad)) / DegToRad);
            const double declinationRad = std::asin(std::sin(obliquityRad) * std::sin(lonRad));
            const double cosHourAngle =
                (std::sin(altitudeDeg * DegToRad) - std::sin(latRad) * std::sin(declinationRad)) /
                (std::cos(latRad) * std::cos(declinationRad));
            if (!(cosHourAngle >= -1.0 && cosHourAngle <= 1.0)) return std::nullopt;
            const double hourAngleDeg = std::acos(cosHourAngle) / DegToRad;
            // Greenwich mean sidereal time (Meeus 12.4).
            const double d = julianDay - kJ2000JulianDate;
            const double siderealDeg = 280.46061837 + 360.98564736629 * d +
                                       centuries * centuries * (0.000387933 - centuries / 38710000.0) +
                                       place_.eastLongitudeDeg;
            const double wantedDeg = rightAscensionDeg + (rise ? -hourAngleDeg : hourAngleDeg);
            const double move = SignedDistance(wantedDeg, siderealDeg) / kSiderealDegPerDay;
            days += move;
            if (std::fabs(move) < 0.1 / kSecondsPerDay) return days;
        }
        return days;
    }

private:
    const Sky& sky_;
    GeoPlace place_;
};

// The day (sunrise to sunrise) an instant belongs to, in days from the birth.
struct SunDay {
    double sunrise = 0, nextSunrise = 0;
    std::optional<double> sunset;
};

std::optional<SunDay> SunDayAt(const Sky& sky, const GeoPlace& place, double days) {
    const Horizon horizon(sky, place);
    std::optional<double> rise = horizon.Nearest(days, true);
    if (!rise) return std::nullopt;
    std::optional<double> other = horizon.Nearest(*rise + (*rise > days ? -1.0 : 1.0), true);
    if (!other) return std::nullopt;
    SunDay day;
    day.sunrise = std::min(*rise, *other);
    day.nextSunrise = std::max(*rise, *other);
    // Outside the polar circles a day between sunrises lasts 24 hours
    // give or take a minute; anything else is a rising that lost its way.
    if (!(day.sunrise <= days && days < day.nextSunrise && day.nextSunrise - day.sunrise < 1.1)) return std::nullopt;
    const std::optional<double> set = horizon.Nearest(day.sunrise + 0.5, false);
    if (set && *set > day.sunrise && *set < day.nextSunrise) day.sunset = set;
    return day;
}

// The vara at an instant `days` from the birth: the weekday of the civil
// date of the sunrise before it, or of the instant's own civil date where
// the Sun did not rise.
Limb VaraAt(const Sky& sky, const GeoPlace& place, double days, const EngineRecord& chart,
            std::optional<SunDay>* sunDay = nullptr) {
    const std::optional<SunDay> day = SunDayAt(sky, place, days);
    if (sunDay) *sunDay = day;
    Limb vara;
    if (day) {
        vara.began = CrossingAtDays(sky, day->sunrise, chart);
        vara.ends = CrossingAtDays(sky, day->nextSunrise, chart);
    } else {
        // Midnight to midnight on the birth's clock.
        const LocalTime local = CrossingAtDays(sky, days, chart).local;
        const double midnight = days - (local.hour * 60.0 + local.minute) / kMinutesPerDay;
        vara.began = CrossingAtDays(sky, midnight, chart);
        vara.ends = CrossingAtDays(sky, midnight + 1.0, chart);
    }
    vara.number = WeekdayOf(vara.began.local.year, vara.began.local.month, vara.began.local.day);
    return vara;
}

long long ClockMinute(const LocalTime& t) {
    const auto day = static_cast<long long>(DayNumberFromDate(t.month, t.day, t.year));
    return day * 1440LL + t.hour * 60LL + t.minute;
}

}  // namespace

Paksha PakshaOf(int tithi) { return tithi <= 15 ? Paksha::Shukla : Paksha::Krishna; }

Karana KaranaOfHalfTithi(int halfTithi) {
    if (halfTithi <= 1) return Karana::Kimstughna;
    if (halfTithi >= 58) return static_cast<Karana>(static_cast<int>(Karana::Shakuni) + halfTithi - 58);
    return static_cast<Karana>((halfTithi - 2) % 7);
}

int WeekdayOf(int year, int month, int day) {
    // Julian day number 0 fell on a Monday.
    const auto number = static_cast<long long>(std::floor(DayNumberFromDate(month, day, year) + 0.5));
    return static_cast<int>(((number + 1) % 7 + 7) % 7);
}

GeoPlace PlaceOf(const BirthRecord& birth) {
    GeoPlace place;
    place.eastLongitudeDeg = birth.LonDegrees + birth.LonMinutes / 60.0;
    if (birth.LonIsEast == kFalse) place.eastLongitudeDeg = -place.eastLongitudeDeg;
    place.northLatitudeDeg = birth.LatDegrees + birth.LatMinutes / 60.0;
    if (birth.LatIsSouth != kFalse) place.northLatitudeDeg = -place.northLatitudeDeg;
    return place;
}

Result<Panchanga> ComputePanchanga(const MoonReading& reading, const GeoPlace& place) {
    precise::LibrarySession library(reading.basis.ayanamsa);
    Sky sky(reading, library);
    const Result<void> started = sky.Start();
    if (!started) return started.problem();
    const EngineRecord& chart = reading.chart;

    Panchanga result;
    result.basis = reading.basis;
    const Result<Node> lead = sky.At(Measure::Lead, 0.0);
    const Result<Node> sum = sky.At(Measure::Sum, 0.0);
    if (!lead || !sum) return (lead ? sum : lead).problem();
    result.sunSiderealDeg = Normalized(sky.Sun(0.0).deg);
    result.moonSiderealDeg = Normalized(lead->deg + result.sunSiderealDeg);
    for (const auto& [kind, limb] :
         {std::pair{LimbKind::Tithi, &result.tithi}, std::pair{LimbKind::Karana, &result.karana},
          std::pair{LimbKind::Yoga, &result.yoga}}) {
        Result<Limb> found = LimbAt(sky, kind, 0.0, chart);
        if (!found) return found.problem();
        *limb = *found;
    }
    result.paksha = PakshaOf(result.tithi.number);
    result.karanaName = KaranaOfHalfTithi(result.karana.number);

    std::optional<SunDay> day;
    result.vara = VaraAt(sky, place, 0.0, chart, &day);
    if (day) {
        result.sunrise = result.vara.began;
        if (day->sunset) result.sunset = CrossingAtDays(sky, *day->sunset, chart);
        result.tithiIsKshaya = result.tithi.began.centuries > result.vara.began.centuries &&
                               result.tithi.ends.centuries < result.vara.ends.centuries;
    }
    result.library = library.use();
    return result;
}

Result<PanchangaWindow> PanchangaInWindow(const MoonReading& reading, const GeoPlace& place, const TimeWindow& window) {
    const EngineRecord& chart = reading.chart;
    PanchangaWindow result;
    result.window = window;
    result.window.minutes = window.wholeDay ? 0 : std::clamp(window.minutes, 0, kMaxWindowMinutes);
    // The window's ends in days from the birth, as the time window counts.
    const double startDays = window.wholeDay ? -chart.LocalHours / 24.0 : -result.window.minutes / kMinutesPerDay;
    const double endDays = window.wholeDay ? startDays + 1.0 : result.window.minutes / kMinutesPerDay;
    const double birthCenturies = chart.Centuries;
    result.start = LocalTimeAt(birthCenturies + startDays / kDaysPerJulianCentury, chart);
    result.end = LocalTimeAt(birthCenturies + endDays / kDaysPerJulianCentury, chart);

    precise::LibrarySession library(reading.basis.ayanamsa);
    Sky sky(reading, library);
    const Result<void> started = sky.Start();
    if (!started) return started.problem();
    const auto daysOf = [&](const Crossing& c) { return (c.centuries - birthCenturies) * kDaysPerJulianCentury; };

    for (const LimbKind kind : {LimbKind::Tithi, LimbKind::Yoga, LimbKind::Karana, LimbKind::Vara}) {
        const auto limbAt = [&](double days) -> Result<Limb> {
            if (kind == LimbKind::Vara) return VaraAt(sky, place, days, chart);
            return LimbAt(sky, kind, days, chart);
        };
        Result<Limb> atBirth = limbAt(0.0);
        if (!atBirth) return atBirth.problem();
        std::vector<Limb> limbs{*atBirth};
        while (limbs.size() < kMostShares && daysOf(limbs.front().began) > startDays) {
            Result<Limb> before = limbAt(daysOf(limbs.front().began) - kIntoNeighbourDays);
            if (!before) return before.problem();
            before->ends = limbs.front().began;
            limbs.insert(limbs.begin(), *before);
        }
        while (limbs.size() < kMostShares && daysOf(limbs.back().ends) < endDays) {
            Result<Limb> after = limbAt(daysOf(limbs.back().ends) + kIntoNeighbourDays);
            if (!after) return after.problem();
            after->began = limbs.back().ends;
            limbs.push_back(*after);
        }
        std::vector<LimbShare>& shares = result.limbs[static_cast<int>(kind)];
        std::vector<int> minutes;
        for (std::size_t i = 0; i < limbs.size(); ++i) {
            const LocalTime from = i == 0 ? result.start : limbs[i].began.local;
            const LocalTime to = i + 1 == limbs.size() ? result.end : limbs[i].ends.local;
            const int span = static_cast<int>(ClockMinute(to) - ClockMinute(from));
            shares.push_back({limbs[i].number, from, to, span, 0});
            minutes.push_back(span);
        }
        const std::vector<int> percents = WholePercents(minutes);
        for (std::size_t i = 0; i < shares.size(); ++i) shares[i].percent = percents[i];
    }

    // The Moon's own path through the window, from the lead and the Sun.
    const Result<Node> first = sky.At(Measure::Lead, startDays);
    const Result<Node> last = sky.At(Measure::Lead, endDays);
    if (!first || !last) return (first ? last : first).problem();
    const double fromDeg = Normalized(first->deg + sky.Sun(startDays).deg);
    result.balance = DashaBalanceRanges(
        fromDeg, fromDeg + (last->deg + sky.Sun(endDays).deg) - (first->deg + sky.Sun(startDays).deg));
    result.library = library.use();
    return result;
}

}  // namespace nyra
