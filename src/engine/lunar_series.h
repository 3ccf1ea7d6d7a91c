// The Moon's longitude series, shared by the chart (ephemeris.cpp) and the
// search for sign and nakshatra changes (moon_detail.cpp), so the two always
// work from the same numbers. Internal to the engine.
#pragma once

#include <array>
#include <cmath>

namespace nyra::lunar {

// A mean element: degrees at J2000.0 plus degrees per Julian century.
struct MeanElement {
    double atEpochDeg;
    double degPerCentury;
};

// Linear in T, without the higher-order terms of the publication below.
inline constexpr MeanElement kMeanLongitude{218.3164591, 481267.88134236};  // L'
inline constexpr MeanElement kMoonElongation{297.8502042, 445267.1115168};  // D
inline constexpr MeanElement kSunAnomaly{357.5291092, 35999.0502909};       // M
inline constexpr MeanElement kMoonAnomaly{134.9634114, 477198.8676313};     // M'
inline constexpr MeanElement kMoonArgLatitude{93.2720993, 483202.0175273};  // F

// One periodic term of the Moon's longitude: coefficient (degrees) times the
// sine of D, M, M', F combined with these multipliers; `useE` marks terms
// that contain the Sun's anomaly and are scaled by the eccentricity factor.
struct LongitudeTerm {
    int d, m, mp, f;
    double coefficient;
    bool useE;
};

// The 25 largest terms of the truncated ELP-2000/82 lunar longitude series,
// as published in Meeus, Astronomical Algorithms (1991), table 47.A.
// The chart sums them in this order.
inline constexpr auto kLongitudeTerms = std::to_array<LongitudeTerm>({
    // D   M  M'   F   coefficient  ×E
    // clang-format off
    {2,  0, -1,  0,  1.274027, false},
    {0,  0,  1,  0,  6.288774, false},
    {2,  0,  0,  0,  0.658314, false},
    {0,  0,  2,  0,  0.213618, false},
    {0,  1,  0,  0, -0.185116, true},
    {0,  0,  0,  2, -0.114332, false},
    {2,  0, -2,  0,  0.058793, false},
    {2, -1, -1,  0,  0.057066, true},
    {2,  0,  1,  0,  0.053322, false},
    {2, -1,  0,  0,  0.045758, true},
    {0,  1, -1,  0, -0.040923, true},
    {1,  0,  0,  0, -0.034720, false},
    {0,  1,  1,  0, -0.030383, true},
    {2,  0,  0, -2,  0.015327, false},
    {0,  0,  1,  2, -0.012528, false},
    {0,  0,  1, -2,  0.010980, false},
    {4,  0, -1,  0,  0.010675, false},
    {0,  0,  3,  0,  0.010034, false},
    {4,  0, -2,  0,  0.008548, false},
    {2,  1, -1,  0, -0.007888, true},
    {2,  1,  0,  0, -0.006766, true},
    {1,  0, -1,  0, -0.005163, false},
    {1,  1,  0,  0,  0.004987, true},
    {2, -1,  1,  0,  0.004036, true},
    {2,  0,  2,  0,  0.003994, false},
    // clang-format on
});
static_assert(kLongitudeTerms.size() == 25);

// The eccentricity factor E = (1 − 0.002516 T) − T (T × 0.0000074).
inline constexpr double kEccentricityLinear = 0.002516;
inline constexpr double kEccentricityQuadratic = 0.0000074;

// A longitude brought into 0..360 as adding or subtracting 360 one turn at
// a time would bring it: a negative value ends in [0, 360), a positive one in
// (0, 360], so exactly 360 stays 360. L' grows by 481,268 degrees a century,
// and turn by turn cost over a thousand steps for a birth in 1901.
//
// From 720 degrees up, every turn taken off is exact (360 and each result
// are whole multiples of the value's last bit, and no result is larger), so
// one jump by whole turns lands bit for bit where the steps would have; the
// loops then settle a quotient rounded one turn off and values that need
// no jump, where a negative value's last step may round, as it always did.
inline double IntoOneTurn(double lonDeg) {
    if (lonDeg >= 720.0)
        lonDeg = lonDeg - 360.0 * (std::ceil(lonDeg / 360.0) - 1.0);
    else if (lonDeg <= -720.0)
        lonDeg = lonDeg - 360.0 * std::floor(lonDeg / 360.0);
    while (lonDeg < 0.0) lonDeg = lonDeg + 360.0;
    while (lonDeg > 360.0) lonDeg = lonDeg - 360.0;
    return lonDeg;
}

}  // namespace nyra::lunar
