#include "precise/precise_spans.h"

#include "precise/library_session.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace nyra {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;

// Bounds on the library's sidereal Moon, measured on its files from 1800 to
// 2400 every 0.713 days and on its Moshier theory every 7.13 days: the Moon
// moves 11.76 to 15.40 degrees a day, its motion changes by at most 0.52
// degrees a day per day, and the daily motion the library reports stays
// within 1e-5 of itself of what its positions do. Each with room to spare.
constexpr double kSlowestDegPerDay = 11.5;
constexpr double kFastestDegPerDay = 15.7;
constexpr double kMostDegPerDayPerDay = 0.6;
constexpr double kMotionRelativeError = 1e-4;

// No sign takes the Moon longer than this: the bracket of every search.
constexpr double kLongestDays = 30.0 / kSlowestDegPerDay;

// A Newton step from a library position is taken as the crossing once the
// step is provably this close to it.
constexpr double kAcceptDays = 0.05 / kSecondsPerDay;
static_assert(kAcceptDays * 20.0 <= kPreciseCrossingSeconds / kSecondsPerDay);

// Bisecting the bracket to kAcceptDays takes 23 halvings; past this the
// library's positions are not those of any Moon.
constexpr int kMostPositionsPerCrossing = 40;

// The files' years end just before their last instant: the last position
// asked is this much earlier (the Julian day's last bit is 5e-10 days).
constexpr double kShortOfTheEndDays = 1e-6;

// A limit this close to the files' own edge is that edge (a whole day that
// starts on 1 Jan 1800 at 00:00 universal time, give or take the rounding
// of its Julian day): a crossing beyond it is beyond the limit, not outside
// the files.
constexpr double kSameEdgeDays = 1e-5;

// Positions closer together than this make poor nodes: the daily motion the
// library reports differs from its positions' own by up to 1e-5 of itself,
// and the divided differences between close nodes blow that up (nodes a
// fortieth of a day apart put some estimates minutes off). A quintic
// through three positions at least a quarter day apart strays from the
// Moon by about a second of arc over five days.
constexpr double kDistinctNodeDays = 0.25;
constexpr std::size_t kNodes = 3;

// Angle from `fromDeg` to `deg`, in (-180, 180].
double SignedDistance(double deg, double fromDeg) {
    double d = std::fmod(deg - fromDeg, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

// One library position, `days` from the origin, its longitude unwrapped
// around the origin's so that it runs on past 360 or below 0.
struct Sample {
    double days = 0;
    double deg = 0;
    double degPerDay = 0;
};

// How far Newton's step from a position `behindDeg` short of (or past) a
// boundary can land from the true crossing, in days: the Moon's bending
// over the distance, which is at most behindDeg / kSlowestDegPerDay, plus
// the library's motion's own small error.
double NewtonErrorBoundDays(double behindDeg, double degPerDay) {
    const double distanceDays = std::fabs(behindDeg) / kSlowestDegPerDay;
    return kMostDegPerDayPerDay / (2.0 * degPerDay) * distanceDays * distanceDays + kMotionRelativeError * distanceDays;
}

// The root of the Hermite polynomial through `nodes` (their longitudes and
// motions) for the longitude `boundaryDeg`, by Newton's method from `start`;
// `start` itself when the polynomial will not settle.
double HermiteRoot(const std::vector<const Sample*>& nodes, double boundaryDeg, double start) {
    std::array<double, 2 * kNodes> z{};
    std::array<double, 2 * kNodes> c{};
    const std::size_t n = 2 * nodes.size();
    for (std::size_t i = 0; i < n; ++i) {
        z[i] = nodes[i / 2]->days;
        c[i] = nodes[i / 2]->deg - boundaryDeg;
    }
    // Divided differences, each node twice: its motion stands in for the
    // first difference between the two copies.
    for (std::size_t i = n - 1; i >= 1; --i)
        c[i] = i % 2 == 1 ? nodes[i / 2]->degPerDay : (c[i] - c[i - 1]) / (z[i] - z[i - 1]);
    for (std::size_t j = 2; j < n; ++j)
        for (std::size_t i = n - 1; i >= j; --i) c[i] = (c[i] - c[i - 1]) / (z[i] - z[i - j]);

    double x = start;
    for (int iteration = 0; iteration < 12; ++iteration) {
        double p = c[n - 1];
        double slope = 0.0;
        for (std::size_t i = n - 1; i-- > 0;) {
            slope = slope * (x - z[i]) + p;
            p = p * (x - z[i]) + c[i];
        }
        if (!(slope >= kSlowestDegPerDay / 2.0)) return start;
        const double step = p / slope;
        x -= step;
        if (!(std::fabs(x) <= 2.0 * kLongestDays)) return start;
        if (std::fabs(step) < 1e-9) break;
    }
    return x;
}

// How far from the origin, in days, crossings are wanted exactly: one
// beyond is given as the limit, once a position shows that it lies beyond.
struct DayLimits {
    double before = -std::numeric_limits<double>::infinity();
    double after = std::numeric_limits<double>::infinity();
};

// The Moon around one instant, the origin, as the library gives it: the
// positions asked so far, and the crossings found from them.
class MoonNear {
public:
    MoonNear(precise::LibrarySession& library, double originJulianDayUt, DayLimits limits = {})
        : library_(library),
          originJulianDayUt_(originJulianDayUt),
          limits_{std::min(limits.before, 0.0), std::max(limits.after, 0.0)},
          // The files' years, as days from the origin; their end is not theirs.
          first_(kEphemerisFirstJulianDayUt - originJulianDayUt),
          last_(kEphemerisEndJulianDayUt - originJulianDayUt - kShortOfTheEndDays),
          earliest_(std::max(first_, limits_.before)),
          latest_(std::min(last_, limits_.after)),
          beforeIsLimit_(limits_.before >= first_ - kSameEdgeDays),
          afterIsLimit_(limits_.after <= last_ + kSameEdgeDays) {}

    // The origin's own position, first of all.
    Result<Sample> Origin() {
        Result<Sample> origin = SampleAt(0.0);
        if (origin) originDeg_ = origin->deg;
        return origin;
    }

    // A first position where the Moon's present motion would take it to
    // `boundaryDeg`, the farthest crossing on its side: a node for the
    // interpolation of every crossing between it and the origin.
    Result<void> Prime(double boundaryDeg) {
        const Sample& origin = samples_.front();
        const double days = std::clamp((boundaryDeg - origin.deg) / origin.degPerDay, -kLongestDays, kLongestDays);
        const Result<Sample> sample = SampleAt(std::clamp(days, earliest_, latest_));
        if (!sample) return sample.problem();
        return {};
    }

    // Days from the origin to the crossing of `boundaryDeg` (unwrapped: below
    // the origin's longitude for a crossing before it), or the limit it lies
    // beyond; `what` names it for a failure ("the Moon's entry into Dhanus").
    Result<double> CrossingOf(double boundaryDeg, const std::string& what) {
        for (const Found& found : found_)
            if (std::fabs(found.boundaryDeg - boundaryDeg) < 1e-9) return found.days;
        Result<double> days = Search(boundaryDeg, what);
        if (days) found_.push_back({boundaryDeg, *days});
        return days;
    }

private:
    struct Found {
        double boundaryDeg;
        double days;
    };

    Result<Sample> SampleAt(double days) {
        const Result<precise::MoonPosition> at = library_.Moon(originJulianDayUt_ + days, true);
        if (!at) return at.problem();
        if (!(at->degPerDay >= kSlowestDegPerDay && at->degPerDay <= kFastestDegPerDay)) {
            return Problem{"", "Swiss Ephemeris gave the Moon a daily motion of " + std::to_string(at->degPerDay) +
                                   " degrees, which is not the Moon's"};
        }
        const double deg =
            samples_.empty() ? at->longitudeDeg : originDeg_ + SignedDistance(at->longitudeDeg, originDeg_);
        samples_.push_back({days, deg, at->degPerDay});
        return samples_.back();
    }

    const Sample& Nearest(double days) const {
        return *std::min_element(samples_.begin(), samples_.end(), [days](const Sample& a, const Sample& b) {
            return std::fabs(a.days - days) < std::fabs(b.days - days);
        });
    }

    // Where the positions so far put the crossing, judged near `days`.
    double Estimate(double boundaryDeg, double days) const {
        std::vector<const Sample*> byDistance;
        for (const Sample& s : samples_) byDistance.push_back(&s);
        std::sort(byDistance.begin(), byDistance.end(), [days](const Sample* a, const Sample* b) {
            return std::fabs(a->days - days) < std::fabs(b->days - days);
        });
        std::vector<const Sample*> nodes;
        for (const Sample* s : byDistance) {
            if (nodes.size() == kNodes) break;
            const bool distinct = std::none_of(nodes.begin(), nodes.end(), [s](const Sample* node) {
                return std::fabs(node->days - s->days) < kDistinctNodeDays;
            });
            if (distinct) nodes.push_back(s);
        }
        const Sample& nearest = *nodes.front();
        return HermiteRoot(nodes, boundaryDeg, nearest.days - (nearest.deg - boundaryDeg) / nearest.degPerDay);
    }

    Result<double> Search(double boundaryDeg, const std::string& what) {
        const double originDeg = samples_.front().deg;
        if (boundaryDeg == originDeg) return 0.0;
        const bool forward = boundaryDeg > originDeg;
        // The crossing lies in (lo, hi]: the Moon is short of the boundary
        // at lo and on or past it at hi.
        double lo = forward ? 0.0 : -kLongestDays;
        double hi = forward ? kLongestDays : 0.0;
        for (const Sample& s : samples_) {
            if (s.deg < boundaryDeg)
                lo = std::max(lo, s.days);
            else
                hi = std::min(hi, s.days);
        }

        double estimate = Estimate(boundaryDeg, (boundaryDeg - originDeg) / samples_.front().degPerDay);
        for (int asked = 0; asked <= kMostPositionsPerCrossing; ++asked) {
            // Beyond what is wanted, or beyond the files.
            if (hi <= earliest_) {
                if (beforeIsLimit_) return limits_.before;
                return precise::OutsideEphemerisYears(what);
            }
            if (lo >= latest_) {
                if (afterIsLimit_) return limits_.after;
                return precise::OutsideEphemerisYears(what);
            }
            // Newton's step from the position nearest the estimate, if it
            // provably lands close enough, and where a crossing is wanted:
            // often the origin's own for a crossing minutes away, else a
            // position taken near the last estimate.
            const Sample& near = Nearest(estimate);
            const double behindDeg = near.deg - boundaryDeg;
            const double landed = near.days - behindDeg / near.degPerDay;
            const bool wanted =
                landed >= std::max(lo, earliest_) - kAcceptDays && landed <= std::min(hi, latest_) + kAcceptDays;
            if (wanted && NewtonErrorBoundDays(behindDeg, near.degPerDay) <= kAcceptDays)
                return std::clamp(landed, lo, hi);

            const double inside = estimate > lo && estimate < hi ? estimate : lo + (hi - lo) / 2.0;
            const double at = std::clamp(inside, earliest_, latest_);
            const Result<Sample> sample = SampleAt(at);
            if (!sample) return sample.problem();
            if (sample->deg < boundaryDeg)
                lo = std::max(lo, at);
            else
                hi = std::min(hi, at);
            estimate = Estimate(boundaryDeg, at);
        }
        return Problem{"", "the Moon's positions from Swiss Ephemeris did not lead to " + what};
    }

    precise::LibrarySession& library_;
    double originJulianDayUt_;
    DayLimits limits_;
    double first_, last_;                // the files' years
    double earliest_, latest_;           // the files' years within the limits
    bool beforeIsLimit_, afterIsLimit_;  // a limit, not the files, ends the search
    double originDeg_ = 0;
    std::vector<Sample> samples_;
    std::vector<Found> found_;
};

struct Division {
    WindowOf of;
    int index;
    double lowerDeg;
    double upperDeg;
};

Division DivisionAt(double siderealDeg, WindowOf of) {
    if (of == WindowOf::Signs) {
        const int sign = SignOfLongitude(siderealDeg);
        return {of, sign, sign * 30.0, (sign + 1) * 30.0};
    }
    const int index = NakshatraAt(siderealDeg).index;
    return {of, index, index * kNakshatraWidthDeg, (index + 1) * kNakshatraWidthDeg};
}

Result<double> EnteredDays(MoonNear& moon, const Division& d) {
    return moon.CrossingOf(d.lowerDeg, "the Moon's entry into " + std::string(SignOrNakshatraName(d.of, d.index)));
}

Result<double> LeavesDays(MoonNear& moon, const Division& d) {
    return moon.CrossingOf(d.upperDeg, "the Moon's exit from " + std::string(SignOrNakshatraName(d.of, d.index)));
}

// The span of `d` around an origin at `originCenturies`, told in the clock of
// `chart`.
Result<Span> SpanOf(MoonNear& moon, const Division& d, const EngineRecord& chart, double originCenturies) {
    const Result<double> entered = EnteredDays(moon, d);
    if (!entered) return entered.problem();
    const Result<double> leaves = LeavesDays(moon, d);
    if (!leaves) return leaves.problem();
    Span span;
    span.index = d.index;
    // The origin stays between its crossings even on a boundary.
    const double enteredDays = std::min(*entered, 0.0);
    const double leavesDays = std::max(*leaves, 0.0);
    span.entered.centuries = originCenturies + enteredDays / kDaysPerJulianCentury;
    span.leaves.centuries = originCenturies + leavesDays / kDaysPerJulianCentury;
    span.entered = CrossingAt(span.entered.centuries, chart);
    span.leaves = CrossingAt(span.leaves.centuries, chart);
    const double sinceEntered = -enteredDays * 1440.0;
    const double untilLeaves = leavesDays * 1440.0;
    span.minutesFromNearerChange = sinceEntered <= untilLeaves ? -sinceEntered : untilLeaves;
    return span;
}

Result<Span> SpanAround(MoonNear& moon, WindowOf of, const EngineRecord& chart, double originCenturies) {
    const Result<Sample> origin = moon.Origin();
    if (!origin) return origin.problem();
    const Division division = DivisionAt(origin->deg, of);
    for (const double boundaryDeg : {division.upperDeg, division.lowerDeg}) {
        const Result<void> primed = moon.Prime(boundaryDeg);
        if (!primed) return primed.problem();
    }
    return SpanOf(moon, division, chart, originCenturies);
}

}  // namespace

Result<PreciseChart> PreciseChartOf(const EngineRecord& chart, Ayanamsa ayanamsa) {
    precise::LibrarySession library(ayanamsa);
    const double julianDayUt = ChartJulianDayUt(chart);
    MoonNear moon(library, julianDayUt);
    const Result<Sample> birth = moon.Origin();
    if (!birth) return birth.problem();
    const Result<double> ayanamsaDeg = library.TrueAyanamsa(julianDayUt);
    if (!ayanamsaDeg) return ayanamsaDeg.problem();

    const Division sign = DivisionAt(birth->deg, WindowOf::Signs);
    const Division nakshatra = DivisionAt(birth->deg, WindowOf::Nakshatras);
    // A position near the farther crossing on each side, then each crossing
    // from an interpolation between those and the birth: usually the one
    // position that checks it is all a crossing needs.
    const Division& endsLater = sign.upperDeg > nakshatra.upperDeg ? sign : nakshatra;
    const Division& beganEarlier = sign.lowerDeg < nakshatra.lowerDeg ? sign : nakshatra;
    for (const double boundaryDeg : {endsLater.upperDeg, beganEarlier.lowerDeg}) {
        const Result<void> primed = moon.Prime(boundaryDeg);
        if (!primed) return primed.problem();
    }
    const Division& endsSooner = &endsLater == &sign ? nakshatra : sign;
    const Division& beganLater = &beganEarlier == &sign ? nakshatra : sign;
    for (const auto& [division, entry] : {std::pair{&endsLater, false}, std::pair{&beganEarlier, true},
                                          std::pair{&endsSooner, false}, std::pair{&beganLater, true}}) {
        const Result<double> found = entry ? EnteredDays(moon, *division) : LeavesDays(moon, *division);
        if (!found) return found.problem();
    }

    PreciseChart result;
    const Result<Span> signSpan = SpanOf(moon, sign, chart, chart.Centuries);
    if (!signSpan) return signSpan.problem();
    const Result<Span> nakshatraSpan = SpanOf(moon, nakshatra, chart, chart.Centuries);
    if (!nakshatraSpan) return nakshatraSpan.problem();
    result.siderealDeg = birth->deg;
    result.degPerDay = birth->degPerDay;
    result.ayanamsaDeg = *ayanamsaDeg;
    result.sign = *signSpan;
    result.nakshatra = *nakshatraSpan;
    result.library = library.use();
    return result;
}

Result<Span> PreciseSpanAt(const EngineRecord& chart, double centuries, WindowOf of, Ayanamsa ayanamsa,
                           double fromCenturies, double toCenturies, LibraryUse& use) {
    precise::LibrarySession library(ayanamsa);
    const DayLimits limits{(fromCenturies - centuries) * kDaysPerJulianCentury,
                           (toCenturies - centuries) * kDaysPerJulianCentury};
    MoonNear moon(library, kJ2000JulianDate + centuries * kDaysPerJulianCentury, limits);
    Result<Span> span = SpanAround(moon, of, chart, centuries);
    use += library.use();
    return span;
}

}  // namespace nyra
