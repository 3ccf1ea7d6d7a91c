// The precise change times against a bisection on the library's own
// longitude that shares nothing with the search (PreciseMoonAt, quarter-day
// steps, then halving), what a chart costs the library, and the edges of
// the files' years.
#include "precise/precise_spans.h"

#include "../engine/random_births.h"
#include "ephemeris_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <random>
#include <string>

namespace nyra {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;
// The reference halves its bracket down to this.
constexpr double kReferenceSeconds = 0.01;
// The search stops within a twentieth of a second of the crossing, well
// inside the second it promises: held to that, a search that lands on the
// wrong side of its last position is caught, though it would still print
// the same minutes.
constexpr double kSearchSeconds = 0.05 + kReferenceSeconds;
// What a chart with both spans may ask of the library.
constexpr int kMostMoonPositionsPerChart = 10;
// What the search asks when its interpolation holds: the birth, a first
// position near each side's farther crossing, and one position to check
// each of the four crossings (100,000 random births of 1800-2399 never
// needed more). A poorer interpolation needs more.
constexpr int kInterpolatedMoonPositions = 7;

using PreciseSpans = test::InstalledEphemerisAfterEachTest;

double JulianDayOf(double centuries) { return kJ2000JulianDate + centuries * kDaysPerJulianCentury; }

// Degrees from `boundaryDeg` to the library's Moon at `julianDayUt`, in
// (-180, 180]: negative while the Moon is short of the boundary.
double PastBoundary(double julianDayUt, double boundaryDeg, Ayanamsa ayanamsa) {
    const PreciseMoon moon = PreciseMoonAt(julianDayUt, ayanamsa);
    EXPECT_TRUE(moon.ok()) << moon.error;
    double d = std::remainder(moon.siderealDeg - boundaryDeg, 360.0);
    if (d <= -180.0) d += 360.0;
    return d;
}

// The library's crossing of `boundaryDeg` nearest before (`forward` false)
// or after `julianDayUt`.
double ReferenceCrossing(double julianDayUt, double boundaryDeg, bool forward, Ayanamsa ayanamsa) {
    constexpr double kStepDays = 0.25;  // 3 to 4 degrees of the Moon's motion
    double shortOf = julianDayUt, pastIt = julianDayUt;
    if (forward) {
        while (PastBoundary(pastIt, boundaryDeg, ayanamsa) < 0.0) pastIt += kStepDays;
        shortOf = pastIt - kStepDays;
    } else {
        while (PastBoundary(shortOf, boundaryDeg, ayanamsa) >= 0.0) shortOf -= kStepDays;
        pastIt = shortOf + kStepDays;
    }
    while ((pastIt - shortOf) * kSecondsPerDay > kReferenceSeconds) {
        const double mid = shortOf + (pastIt - shortOf) / 2.0;
        (PastBoundary(mid, boundaryDeg, ayanamsa) < 0.0 ? shortOf : pastIt) = mid;
    }
    return shortOf + (pastIt - shortOf) / 2.0;
}

// The clock minute a crossing prints, when a second either way of the
// reference would print the same one.
std::optional<LocalTime> ClearMinute(double julianDayUt, const EngineRecord& chart) {
    const auto at = [&](double seconds) {
        return LocalTimeAt((julianDayUt + seconds / kSecondsPerDay - kJ2000JulianDate) / kDaysPerJulianCentury, chart);
    };
    const LocalTime minute = at(0.0);
    if (!(at(-kPreciseCrossingSeconds) == minute && at(kPreciseCrossingSeconds) == minute)) return std::nullopt;
    return minute;
}

// A span against the reference: both crossings within a second, the same
// printed minutes, and the minutes to the nearer change.
void ExpectSpanMatchesTheLibrary(const Span& span, double widthDeg, const EngineRecord& chart, Ayanamsa ayanamsa,
                                 const std::string& what) {
    const double birth = ChartJulianDayUt(chart);
    const double entered = ReferenceCrossing(birth, span.index * widthDeg, false, ayanamsa);
    const double leaves = ReferenceCrossing(birth, std::fmod((span.index + 1) * widthDeg, 360.0), true, ayanamsa);
    EXPECT_NEAR(JulianDayOf(span.entered.centuries) * kSecondsPerDay, entered * kSecondsPerDay, kSearchSeconds)
        << what << " entered";
    EXPECT_NEAR(JulianDayOf(span.leaves.centuries) * kSecondsPerDay, leaves * kSecondsPerDay, kSearchSeconds)
        << what << " leaves";
    if (const auto minute = ClearMinute(entered, chart)) {
        EXPECT_EQ(FormatIsoMinute(span.entered.local), FormatIsoMinute(*minute)) << what << " entered";
    }
    if (const auto minute = ClearMinute(leaves, chart)) {
        EXPECT_EQ(FormatIsoMinute(span.leaves.local), FormatIsoMinute(*minute)) << what << " leaves";
    }
    const double sinceEntered = (birth - entered) * 1440.0;
    const double untilLeaves = (leaves - birth) * 1440.0;
    EXPECT_NEAR(span.minutesFromNearerChange, sinceEntered <= untilLeaves ? -sinceEntered : untilLeaves,
                kPreciseCrossingSeconds / 60.0)
        << what;
}

// --- Change times ------------------------------------------------------------------

class SpansOfEachAyanamsa : public PreciseSpans, public ::testing::WithParamInterface<Ayanamsa> {};

TEST_P(SpansOfEachAyanamsa, EveryChangeLiesWithinASecondOfTheLibrarysCrossing) {
    constexpr int kBirths = 25;
    std::mt19937_64 random(1947 + static_cast<unsigned>(GetParam()));
    for (int i = 0; i < kBirths; ++i) {
        const EngineRecord chart = ComputeMoonChart(testing_births::RandomBirth(random));
        const Result<PreciseChart> moon = PreciseChartOf(chart, GetParam());
        ASSERT_TRUE(moon.ok()) << moon.problem().Text();
        const std::string what =
            "birth " + std::to_string(i) + " at " + FormatIsoMinute(LocalTimeAt(chart.Centuries, chart));
        EXPECT_EQ(moon->sign.index, SignOfLongitude(moon->siderealDeg)) << what;
        EXPECT_EQ(moon->nakshatra.index, NakshatraAt(moon->siderealDeg).index) << what;
        ExpectSpanMatchesTheLibrary(moon->sign, 30.0, chart, GetParam(), what + ", sign");
        ExpectSpanMatchesTheLibrary(moon->nakshatra, kNakshatraWidthDeg, chart, GetParam(), what + ", nakshatra");
        EXPECT_LE(moon->library.moonPositions, kMostMoonPositionsPerChart) << what;
        EXPECT_FALSE(moon->library.usedMoshier) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Schools, SpansOfEachAyanamsa, ::testing::ValuesIn(test::EveryAyanamsa()),
                         test::AyanamsaTestName);

// The same chart at another instant, with the same clock: what a birth at
// that moment would have been.
EngineRecord ChartAtInstant(const EngineRecord& chart, double centuries) {
    EngineRecord at = chart;
    const double hours = (centuries - chart.Centuries) * kDaysPerJulianCentury * 24.0;
    at.UniversalHours += hours;
    at.LocalHours += hours;
    ComputeMoonAt(centuries, at);
    return at;
}

TEST_F(PreciseSpans, ABirthOnAChangeLiesBetweenItsCrossings) {
    BirthRecord noon;
    noon.BirthYear = 2000;
    noon.BirthMonth = 1;
    noon.BirthDay = 1;
    noon.BirthHour = 12;
    const EngineRecord j2000 = ComputeMoonChart(noon);
    const Result<PreciseChart> moon = PreciseChartOf(j2000, kDefaultAyanamsa);
    ASSERT_TRUE(moon.ok()) << moon.problem().Text();
    for (const Crossing& change : {moon->sign.entered, moon->sign.leaves, moon->nakshatra.entered}) {
        const EngineRecord atChange = ChartAtInstant(j2000, change.centuries);
        const Result<PreciseChart> there = PreciseChartOf(atChange, kDefaultAyanamsa);
        ASSERT_TRUE(there.ok()) << there.problem().Text();
        for (const Span& span : {there->sign, there->nakshatra}) {
            EXPECT_LE(span.entered.centuries, atChange.Centuries);
            EXPECT_GE(span.leaves.centuries, atChange.Centuries);
        }
        // On the boundary itself, whichever side the last bit puts the Moon.
        const Span& crossed = change.centuries == moon->nakshatra.entered.centuries ? there->nakshatra : there->sign;
        EXPECT_LT(std::fabs(crossed.minutesFromNearerChange), kPreciseCrossingSeconds / 60.0);
        EXPECT_TRUE(crossed.entered.local == change.local || crossed.leaves.local == change.local)
            << FormatIsoMinute(change.local);
    }
}

// Births minutes from a change, whose nearer crossing is found from the
// birth's own position: each span still matches the library.
struct NearChangeCase {
    const char* name;
    bool nakshatra;
    bool entered;          ///< From the change the Moon made (else the one it makes next).
    double offsetMinutes;  ///< After the entry, or before the exit.
};

void PrintTo(const NearChangeCase& c, std::ostream* os) { *os << c.name; }

class NearAChange : public PreciseSpans, public ::testing::WithParamInterface<NearChangeCase> {};

TEST_P(NearAChange, ItsSpansMatchTheLibrary) {
    const NearChangeCase& c = GetParam();
    BirthRecord noon;
    noon.BirthYear = 2000;
    noon.BirthMonth = 1;
    noon.BirthDay = 1;
    noon.BirthHour = 12;
    const EngineRecord j2000 = ComputeMoonChart(noon);
    const Result<PreciseChart> moon = PreciseChartOf(j2000, kDefaultAyanamsa);
    ASSERT_TRUE(moon.ok()) << moon.problem().Text();
    const Span& span = c.nakshatra ? moon->nakshatra : moon->sign;
    const double offset = c.offsetMinutes / (kDaysPerJulianCentury * 1440.0);
    const EngineRecord birth =
        ChartAtInstant(j2000, c.entered ? span.entered.centuries + offset : span.leaves.centuries - offset);
    const Result<PreciseChart> there = PreciseChartOf(birth, kDefaultAyanamsa);
    ASSERT_TRUE(there.ok()) << there.problem().Text();
    EXPECT_NEAR(std::fabs((c.nakshatra ? there->nakshatra : there->sign).minutesFromNearerChange), c.offsetMinutes,
                kSearchSeconds / 60.0);
    ExpectSpanMatchesTheLibrary(there->sign, 30.0, birth, kDefaultAyanamsa, "sign");
    ExpectSpanMatchesTheLibrary(there->nakshatra, kNakshatraWidthDeg, birth, kDefaultAyanamsa, "nakshatra");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    J2000, NearAChange,
    ::testing::Values(NearChangeCase{"SignEnteredThreeMinutesAgo", false, true, 3.0},
                      NearChangeCase{"SignLeavesInFiveMinutes", false, false, 5.0},
                      NearChangeCase{"NakshatraEnteredHalfAMinuteAgo", true, true, 0.5},
                      NearChangeCase{"NakshatraLeavesInSixMinutes", true, false, 6.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Cost -----------------------------------------------------------------------------

// Any birth of the files' years, any zone and place, each ayanamsa in turn.
TEST_F(PreciseSpans, AChartWithBothSpansAsksAtMostTenMoonPositions) {
    constexpr int kBirths = 3000;
    std::mt19937_64 random(2399);
    int most = 0;
    int fewest = kMostMoonPositionsPerChart;
    for (int i = 0; i < kBirths; ++i) {
        BirthRecord b = testing_births::RandomBirth(random);
        b.BirthYear = static_cast<std::int16_t>(1801 + random() % 597);
        const auto ayanamsa = static_cast<Ayanamsa>(i % static_cast<int>(Ayanamsas().size()));
        const Result<PreciseChart> moon = PreciseChartOf(ComputeMoonChart(b), ayanamsa);
        ASSERT_TRUE(moon.ok()) << moon.problem().Text();
        most = std::max(most, moon->library.moonPositions);
        fewest = std::min(fewest, moon->library.moonPositions);
    }
    EXPECT_LE(most, kMostMoonPositionsPerChart);
    EXPECT_LE(most, kInterpolatedMoonPositions);
    // The birth and a first position on each side, at least: a count that
    // misses calls would show fewer.
    EXPECT_GE(fewest, 3);
}

// --- Without the files, and at their edges ----------------------------------------------

TEST_F(PreciseSpans, WithoutTheFilesEveryPositionIsMoshiersAndSaysSo) {
    test::EmptyFolder empty;
    ASSERT_FALSE(empty.path().empty());
    SetEphemerisFolder(empty.path());
    BirthRecord b;
    b.BirthYear = 1969;
    b.BirthMonth = 7;
    b.BirthDay = 20;
    b.BirthHour = 21;
    b.BirthMinute = 45;
    b.LonDegrees = 74;
    b.ZoneHours = 5;
    const EngineRecord chart = ComputeMoonChart(b);
    const Result<PreciseChart> moon = PreciseChartOf(chart, kDefaultAyanamsa);
    ASSERT_TRUE(moon.ok()) << moon.problem().Text();
    EXPECT_TRUE(moon->library.usedMoshier);
    EXPECT_EQ(moon->library.source(), EphemerisSource::Moshier);
    EXPECT_EQ(EphemerisNote(moon->library.source()), "(Swiss Ephemeris, Moshier theory: ephemeris files not found)");
    // The search is the same on the fallback's positions.
    ExpectSpanMatchesTheLibrary(moon->sign, 30.0, chart, kDefaultAyanamsa, "Moshier sign");

    SetEphemerisFolder(kDefaultEphemerisFolder);
    const Result<PreciseChart> files = PreciseChartOf(chart, kDefaultAyanamsa);
    ASSERT_TRUE(files.ok()) << files.problem().Text();
    EXPECT_FALSE(files->library.usedMoshier);
    EXPECT_EQ(EphemerisNote(files->library.source()), "(Swiss Ephemeris)");
}

// Births at the ends of the years the batch tool takes: ones whose universal
// time is already outside, and ones inside whose nakshatra began or sign
// ends outside.
// Each is refused with the range, naming what lies outside, and none is taken
// for missing files.
struct EdgeBirth {
    const char* name;
    int year, month, day, hour, minute;
    int zoneHours, zoneMinutes;  ///< Signed as the picker writes them: minus is ahead of universal time.
    const char* refusal;
};

void PrintTo(const EdgeBirth& c, std::ostream* os) { *os << c.name; }

class EdgeOfTheFiles : public PreciseSpans, public ::testing::WithParamInterface<EdgeBirth> {};

TEST_P(EdgeOfTheFiles, IsRefusedWithTheRangeNotAFallback) {
    const EdgeBirth& c = GetParam();
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(c.year);
    b.BirthMonth = static_cast<std::int16_t>(c.month);
    b.BirthDay = static_cast<std::int16_t>(c.day);
    b.BirthHour = static_cast<std::int16_t>(c.hour);
    b.BirthMinute = static_cast<std::int16_t>(c.minute);
    ASSERT_TRUE(StoreSignedZone(b, c.zoneHours, c.zoneMinutes, false));
    const Result<PreciseChart> moon = PreciseChartOf(ComputeMoonChart(b), kDefaultAyanamsa);
    ASSERT_FALSE(moon.ok());
    EXPECT_EQ(moon.problem().Text(), c.refusal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, EdgeOfTheFiles,
    ::testing::Values(
        EdgeBirth{"FirstMinuteFarEast", 1800, 1, 1, 0, 0, -14, -59,
                  "universal time 31 Dec 1799 at 09:01 is outside the ephemeris files' years 1800\u20132399"},
        EdgeBirth{"LastMinuteFarWest", 2399, 12, 31, 23, 59, 14, 59,
                  "universal time 1 Jan 2400 at 14:58 is outside the ephemeris files' years 1800\u20132399"},
        EdgeBirth{"NakshatraBeganIn1799", 1800, 1, 1, 6, 0, 0, 0,
                  "the Moon's entry into Purva Bhadrapada is outside the ephemeris files' years 1800\u20132399"},
        EdgeBirth{"SignEndsIn2400", 2399, 12, 31, 12, 0, 0, 0,
                  "the Moon's exit from Makara is outside the ephemeris files' years 1800\u20132399"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
