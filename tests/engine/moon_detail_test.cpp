#include "engine/moon_detail.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nyra {
namespace {

// The Moon moves this far in about seven microseconds.
constexpr double kBoundaryToleranceDeg = 1e-9;
// Far from J2000 the longitude's last bit alone is worth more.
constexpr double kFarBoundaryToleranceDeg = 1e-6;
constexpr double kOneSecondInMinutes = 1.0 / 60.0;
constexpr double kMinutesPerCentury = 36525.0 * 1440.0;

BirthRecord J2000Noon() {
    return {.BirthName = {}, .BirthMonth = 1, .BirthDay = 1, .BirthYear = 2000, .BirthHour = 12};
}

double DistanceFromBoundary(double longitude, double boundary) {
    double d = std::fmod(longitude - boundary + 540.0, 360.0) - 180.0;
    return std::fabs(d);
}

struct NakshatraCase {
    const char* name;
    double longitude;
    int index;
    int pada;
    const char* lord;
};
void PrintTo(const NakshatraCase& c, std::ostream* os) { *os << c.name; }

class NakshatraAtTest : public ::testing::TestWithParam<NakshatraCase> {};

TEST_P(NakshatraAtTest, DividesTheZodiacIn27PartsOfFourQuarters) {
    const Nakshatra n = NakshatraAt(GetParam().longitude);
    EXPECT_EQ(n.index, GetParam().index);
    EXPECT_EQ(n.pada, GetParam().pada);
    EXPECT_EQ(n.name, kNakshatraNames[static_cast<std::size_t>(GetParam().index)]);
    EXPECT_EQ(n.lord, GetParam().lord);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Boundaries, NakshatraAtTest,
    ::testing::Values(NakshatraCase{"StartOfMesha", 0.0, 0, 1, "Ketu"},
                      NakshatraCase{"EndOfFirstPada", 10.0 / 3.0 - 1e-9, 0, 1, "Ketu"},
                      NakshatraCase{"SecondPada", 10.0 / 3.0 + 1e-9, 0, 2, "Ketu"},
                      NakshatraCase{"LastPadaOfAshwini", 40.0 / 3.0 - 1e-9, 0, 4, "Ketu"},
                      NakshatraCase{"BharaniStarts", 40.0 / 3.0, 1, 1, "Venus"},
                      NakshatraCase{"KrittikaStarts", 80.0 / 3.0, 2, 1, "Sun"},
                      NakshatraCase{"JustBeforeKrittika", 80.0 / 3.0 - 1e-9, 1, 4, "Venus"},
                      NakshatraCase{"Magha", 120.0 + 1.0, 9, 1, "Ketu"},
                      NakshatraCase{"Mula", 240.5, 18, 1, "Ketu"},
                      NakshatraCase{"EndOfRevati", 359.99, 26, 4, "Mercury"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(NakshatraLords, RepeatThreeTimesFromAshwini) {
    for (int i = 0; i < 27; ++i) {
        const Nakshatra n = NakshatraAt(i * 40.0 / 3.0 + 1.0);
        EXPECT_EQ(n.lord, kNakshatraLords[static_cast<std::size_t>(i % 9)]) << i;
    }
    EXPECT_EQ(NakshatraAt(300.0).name, "Dhanishta");
    EXPECT_EQ(NakshatraAt(300.0).lord, "Mars");
}

TEST(LocalTimeAt, GivesTheBirthClockTimeBackForTheBirthInstant) {
    BirthRecord b = J2000Noon();
    b.BirthYear = 1947;
    b.BirthMonth = 8;
    b.BirthDay = 15;
    b.BirthHour = 0;
    b.BirthMinute = 15;
    b.LonDegrees = 77;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    const EngineRecord chart = ComputeMoonChart(b);
    EXPECT_EQ(LocalTimeAt(chart.Centuries, chart), (LocalTime{1947, 8, 15, 0, 15}));
    EXPECT_EQ(LocalTimeAt(chart.Centuries - 30.0 / kMinutesPerCentury, chart), (LocalTime{1947, 8, 14, 23, 45}));
    EXPECT_EQ(FormatIsoMinute(LocalTime{1947, 8, 14, 23, 45}), "1947-08-14 23:45");
    EXPECT_EQ(FormatLongMinute(LocalTime{2000, 1, 2, 9, 51}), "2 Jan 2000 at 09:51");
}

TEST(FindSignSpan, J2000NoonLiesInThula) {
    const EngineRecord chart = ComputeMoonChart(J2000Noon());
    const Span sign = FindSignSpan(chart);
    EXPECT_EQ(sign.index, 6);
    EXPECT_EQ(SignSpanSentence(sign),
              "The Moon entered Thula on 30 Dec 1999 at 21:37 and leaves it on 2 Jan 2000 at 09:08 (local time).");
    EXPECT_EQ(SignChangeNotice(sign), "");
    EXPECT_EQ(NakshatraSpanSentence(FindNakshatraSpan(chart)),
              "Nakshatra Swati from 31 Dec 1999, 10:39 to 1 Jan 2000, 13:04");
    EXPECT_EQ(PositionInSignText(chart), "19\u00B0 27\u2032 44\u2033 in Thula");
    EXPECT_EQ(AyanamsaText(chart), "23\u00B0 51\u2032 13\u2033");
}

class SpanProperties : public ::testing::TestWithParam<int> {};

TEST_P(SpanProperties, CrossingsLieOnTheBoundariesWithTheMoonInsideBetween) {
    BirthRecord b = J2000Noon();
    b.BirthYear = 1985;
    b.BirthMonth = 5;
    b.BirthDay = static_cast<std::int16_t>(GetParam());
    b.BirthHour = 7;
    b.BirthMinute = 40;
    b.LonDegrees = 2;
    b.ZoneHours = 1;
    const EngineRecord chart = ComputeMoonChart(b);

    const Span sign = FindSignSpan(chart);
    EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(sign.entered.centuries), sign.index * 30.0), kBoundaryToleranceDeg);
    EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(sign.leaves.centuries), (sign.index + 1) * 30.0),
              kBoundaryToleranceDeg);
    EXPECT_LT(sign.entered.centuries, chart.Centuries);
    EXPECT_GT(sign.leaves.centuries, chart.Centuries);
    // A sign takes the Moon two to three days.
    const double days = (sign.leaves.centuries - sign.entered.centuries) * 36525.0;
    EXPECT_GT(days, 1.9);
    EXPECT_LT(days, 2.8);
    for (int i = 1; i < 10; ++i) {
        const double t = sign.entered.centuries + (sign.leaves.centuries - sign.entered.centuries) * i / 10.0;
        EXPECT_EQ(static_cast<int>(SiderealMoonAt(t) / 30.0), sign.index);
    }

    const Span nakshatra = FindNakshatraSpan(chart);
    EXPECT_EQ(nakshatra.index, NakshatraAt(chart.MoonLongitude).index);
    EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(nakshatra.entered.centuries), nakshatra.index * 40.0 / 3.0),
              kBoundaryToleranceDeg);
    EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(nakshatra.leaves.centuries), (nakshatra.index + 1) * 40.0 / 3.0),
              kBoundaryToleranceDeg);
    EXPECT_GE(nakshatra.entered.centuries, sign.entered.centuries - 1.5 / 36525.0);
}

INSTANTIATE_TEST_SUITE_P(DaysOfMay1985, SpanProperties, ::testing::Range(1, 31, 3));

TEST(FindSignSpan, BirthOnTheBoundaryLiesBetweenItsCrossings) {
    const EngineRecord chart = ComputeMoonChart(J2000Noon());
    const Span thula = FindSignSpan(chart);
    // The same clock and zone, at the instant the Moon leaves Thula: the
    // search starts on the boundary itself, on whichever side the last bit
    // puts the Moon.
    EngineRecord atChange = chart;
    ComputeMoonAt(thula.leaves.centuries, atChange);
    const Span span = FindSignSpan(atChange);
    EXPECT_TRUE(span.index == 6 || span.index == 7) << span.index;
    EXPECT_LE(span.entered.centuries, atChange.Centuries);
    EXPECT_GE(span.leaves.centuries, atChange.Centuries);
    EXPECT_LT(std::fabs(span.minutesFromNearerChange), kOneSecondInMinutes);
    EXPECT_TRUE(span.entered.local == thula.leaves.local || span.leaves.local == thula.leaves.local);
}

struct FarYearCase {
    const char* name;
    int year;
};
void PrintTo(const FarYearCase& c, std::ostream* os) { *os << c.name; }

class FarYears : public ::testing::TestWithParam<FarYearCase> {};

// The windows keep to 1901-2050, but a saved record or a batch row may hold
// any 16-bit year: the search must still end, with the birth between its
// crossings and those on the boundaries.
TEST_P(FarYears, CrossingsStillBracketTheBirth) {
    BirthRecord b = J2000Noon();
    b.BirthYear = static_cast<std::int16_t>(GetParam().year);
    for (int day = 1; day <= 28; day += 9) {
        b.BirthDay = static_cast<std::int16_t>(day);
        const EngineRecord chart = ComputeMoonChart(b);
        for (const bool nakshatra : {false, true}) {
            const Span span = nakshatra ? FindNakshatraSpan(chart) : FindSignSpan(chart);
            const double width = nakshatra ? 40.0 / 3.0 : 30.0;
            EXPECT_LE(span.entered.centuries, chart.Centuries);
            EXPECT_GE(span.leaves.centuries, chart.Centuries);
            EXPECT_LT((span.leaves.centuries - span.entered.centuries) * 36525.0, 3.0);
            EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(span.entered.centuries), span.index * width),
                      kFarBoundaryToleranceDeg);
            EXPECT_LT(DistanceFromBoundary(SiderealMoonAt(span.leaves.centuries), (span.index + 1) * width),
                      kFarBoundaryToleranceDeg);
        }
    }
}

// The engine's sidereal longitude stays within 0..360 only while the
// ayanamsa does: from about AD 190 to AD 24,900.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Years, FarYears,
                         ::testing::Values(FarYearCase{"Year200", 200}, FarYearCase{"Year1582", 1582},
                                           FarYearCase{"Year3000", 3000}, FarYearCase{"Year9999", 9999},
                                           FarYearCase{"Year24000", 24000}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SignChangeNotice, NamesTheNeighbourOnlyNearAChange) {
    const Span sign = FindSignSpan(ComputeMoonChart(J2000Noon()));

    // Born 72 minutes after the Moon entered Thula at 21:37.
    BirthRecord b = J2000Noon();
    b.BirthYear = 1999;
    b.BirthMonth = 12;
    b.BirthDay = 30;
    b.BirthHour = 22;
    b.BirthMinute = 49;
    const EngineRecord late = ComputeMoonChart(b);
    const Span after = FindSignSpan(late);
    EXPECT_EQ(after.index, sign.index);
    EXPECT_NEAR(after.minutesFromNearerChange, -72.0, 1.0);
    EXPECT_EQ(SignChangeNotice(after),
              "Born 1 h 12 min after the Moon entered Thula. If the birth time or time zone may be off by that much, "
              "the Moon sign may be Kanya.");

    // Half an hour before it leaves Thula at 09:08.
    b.BirthYear = 2000;
    b.BirthMonth = 1;
    b.BirthDay = 2;
    b.BirthHour = 8;
    b.BirthMinute = 38;
    const Span before = FindSignSpan(ComputeMoonChart(b));
    EXPECT_GT(before.minutesFromNearerChange, 0.0);
    EXPECT_EQ(SignChangeNotice(before),
              "Born 30 min before the Moon left Thula. If the birth time or time zone may be off by that much, "
              "the Moon sign may be Vrischika.");
}

TEST(NakshatraChangeNotice, UsesTheNakshatraNames) {
    const EngineRecord chart = ComputeMoonChart(J2000Noon());
    Span nakshatra = FindNakshatraSpan(chart);
    nakshatra.minutesFromNearerChange = -40.0;
    const std::string notice = NakshatraChangeNotice(nakshatra);
    EXPECT_EQ(
        notice.rfind("Born 40 min after the Moon entered " + std::string(NakshatraAt(chart.MoonLongitude).name), 0), 0u)
        << notice;
    EXPECT_NE(notice.find("the nakshatra may be "), std::string::npos);
    nakshatra.minutesFromNearerChange = 121.0;
    EXPECT_EQ(NakshatraChangeNotice(nakshatra), "");
}

}  // namespace
}  // namespace nyra
