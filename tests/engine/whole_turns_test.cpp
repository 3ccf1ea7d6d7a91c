// The chart brings the Moon's longitude into one turn with one jump where it
// once went turn by turn; its results must stay the same to the last bit.
#include "engine/ephemeris.h"
#include "engine/lunar_series.h"
#include "random_births.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace nyra {
namespace {

// The reduction as the chart first did it.
double TurnByTurn(double lonDeg) {
    while (lonDeg < 0.0) lonDeg = lonDeg + 360.0;
    while (lonDeg > 360.0) lonDeg = lonDeg - 360.0;
    return lonDeg;
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

double Up(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double Down(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

struct TurnCase {
    const char* name;
    double lonDeg;
};

class IntoOneTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(IntoOneTurn, LandsWhereTurnByTurnLands) {
    const double lon = GetParam().lonDeg;
    EXPECT_EQ(Bits(lunar::IntoOneTurn(lon)), Bits(TurnByTurn(lon)))
        << std::hexfloat << lon << " gives " << lunar::IntoOneTurn(lon) << ", turn by turn " << TurnByTurn(lon);
}

// L' is about -476,000 degrees in 1901 and +240,000 in 2050.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Longitudes, IntoOneTurn,
    testing::Values(TurnCase{"Zero", 0.0}, TurnCase{"ExactlyOneTurnStays", 360.0},
                    TurnCase{"TwoTurns", 720.0}, TurnCase{"JustBelowTwoTurns", Down(720.0)},
                    TurnCase{"ManyTurnsExactly", 360.0 * 668}, TurnCase{"JustAboveManyTurns", Up(360.0 * 668)},
                    TurnCase{"JustBelowManyTurns", Down(360.0 * 668)},
                    TurnCase{"ManyTurnsBelowZeroExactly", -360.0 * 1323},
                    TurnCase{"JustAboveManyTurnsBelowZero", Up(-360.0 * 1323)},
                    TurnCase{"JustBelowManyTurnsBelowZero", Down(-360.0 * 1323)},
                    TurnCase{"TinyNegativeRoundsUp", -1e-20}, TurnCase{"MinusTwoTurns", -720.0},
                    TurnCase{"JustAboveMinusTwoTurns", Up(-720.0)}, TurnCase{"Year1901", -476512.125},
                    TurnCase{"Year2050", 240852.40625}, TurnCase{"Year32767", 1.4768e8 + 0.3}),
    [](const testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(IntoOneTurnSweep, LandsWhereTurnByTurnLandsAcrossTheYears) {
    std::mt19937_64 random(360);
    int differing = 0;
    for (int i = 0; i < 50000; ++i) {
        // Whole turns from 1901 to 2050 and a fraction: near and exactly on
        // multiples of 360, and anywhere between.
        const double turns = static_cast<double>(static_cast<int>(random() % 2700)) - 1350.0;
        const double fraction = static_cast<double>(random() >> 11) * 0x1p-53 * (i % 3 == 0 ? 1e-9 : 360.0);
        for (const double lon : {turns * 360.0 + fraction, turns * 360.0 - fraction})
            if (Bits(lunar::IntoOneTurn(lon)) != Bits(TurnByTurn(lon))) ++differing;
    }
    EXPECT_EQ(differing, 0);
}

// FNV-1a over the bits of every number and the bytes of both texts of
// 20,000 charts. The value was taken from the chart as it stood before the
// one-jump reduction (turn by turn, commit 134bca3) on Debian 12's glibc,
// whose sine it depends on.
TEST(ComputeMoonChart, TwentyThousandChartsKeepTheirFingerprint) {
    constexpr std::uint64_t kRecordedFingerprint = 0x0fb6d84c941c6fff;
    std::uint64_t hash = 0xcbf29ce484222325;
    const auto mix = [&hash](std::uint64_t value) {
        hash ^= value;
        hash *= 0x100000001b3;
    };
    std::mt19937_64 random(2000);
    for (int i = 0; i < 20000; ++i) {
        const EngineRecord r = ComputeMoonChart(testing_births::RandomBirth(random));
        for (const double value : {r.LocalHours, r.ZoneOffset, r.Longitude, r.UniversalHours, r.DayNumber, r.Centuries,
                                   r.AyanamsaShift, r.MeanLongitude, r.MoonElongation, r.SunAnomaly, r.MoonAnomaly,
                                   r.MoonArgLatitude, r.EccentricityFactor, r.TropicalLongitude, r.MoonLongitude})
            mix(Bits(value));
        for (const char c : r.MoonPositionText + "|" + r.RashiName) mix(static_cast<unsigned char>(c));
    }
    EXPECT_EQ(hash, kRecordedFingerprint) << std::hex << hash;
}

}  // namespace
}  // namespace nyra
