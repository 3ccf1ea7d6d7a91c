#include "false_position_spans.h"

#include <algorithm>
#include <cmath>

namespace nyra::reference {
namespace {

constexpr double kDaysPerCentury = 36525.0;
constexpr double kMinutesPerCentury = kDaysPerCentury * 1440.0;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;

constexpr double kSlowestDegPerCentury = 11.0 * kDaysPerCentury;
constexpr double kFastestDegPerCentury = 16.0 * kDaysPerCentury;
constexpr double kSearchStep = 0.25 / kDaysPerCentury;
constexpr int kMaxSearchSteps = 60;
constexpr double kTimeLimit = 0.01 / 86400.0 / kDaysPerCentury;
constexpr double kAngleLimitDeg = 1e-9;

double SignedDistance(double longitude, double boundary) {
    double d = std::fmod(longitude - boundary, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

double DistanceAt(double t, double boundary) { return SignedDistance(SiderealMoonAt(t), boundary); }

// Illinois false position between `before` (Moon short of the boundary) and
// `after` (on or past it).
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

double CrossingBefore(double t, double boundary) {
    const double past = DistanceAt(t, boundary);
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
    const double ahead = -DistanceAt(t, boundary);
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

}  // namespace

Span FalsePositionSignSpan(const EngineRecord& chart) {
    const int sign = std::clamp(static_cast<int>(std::floor(chart.MoonLongitude / 30.0)), 0, 11);
    return FindSpan(chart, sign, sign * 30.0, (sign + 1) * 30.0);
}

Span FalsePositionNakshatraSpan(const EngineRecord& chart) {
    const int index = NakshatraAt(chart.MoonLongitude).index;
    return FindSpan(chart, index, index * kNakshatraWidthDeg, (index + 1) * kNakshatraWidthDeg);
}

}  // namespace nyra::reference
