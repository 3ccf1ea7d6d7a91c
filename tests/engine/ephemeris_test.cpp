#include "engine/ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nyra {
namespace {

// The published values are printed to 6 or 7 decimals.
constexpr double kSixDecimals = 0.5e-6;
constexpr double kSevenDecimals = 0.5e-7;

BirthRecord Birth(int year, int month, int day, int hour, int minute) {
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    return b;
}

BirthRecord Delhi1947() {
    BirthRecord b = Birth(1947, 8, 15, 0, 0);
    b.LonDegrees = 77;
    b.LonMinutes = 13;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    return b;
}

TEST(DegToRad, IsTheEnginesLiteralNotPiOver180) {
    EXPECT_EQ(DegToRad, 0.0174532925199433);
    EXPECT_NE(DegToRad, 3.14159265358979323846 / 180.0);
}

TEST(DayNumberFromDate, StandardJulianDayNumbers) {
    EXPECT_EQ(DayNumberFromDate(1, 1, 2000), 2451545.0);
    EXPECT_EQ(DayNumberFromDate(10, 15, 1582), 2299161.0);  // first Gregorian day
    EXPECT_EQ(DayNumberFromDate(10, 4, 1582), 2299160.0);   // last Julian day
    EXPECT_EQ(DayNumberFromDate(1, 1, 1901), 2415386.0);
    EXPECT_EQ(DayNumberFromDate(12, 31, 2050), 2470172.0);
    EXPECT_EQ(DayNumberFromDate(3, 1, 1900), 2415080.0);  // 1900 is no leap year
    EXPECT_EQ(DayNumberFromDate(2, 29, 2000), 2451604.0);
}

TEST(DayNumberFromDate, DayPastMonthEndCountsOn) {
    EXPECT_EQ(DayNumberFromDate(2, 30, 2001), DayNumberFromDate(3, 2, 2001));
    EXPECT_EQ(DayNumberFromDate(4, 31, 1990), DayNumberFromDate(5, 1, 1990));
}

TEST(DayNumberFromDate, ConsecutiveDaysAcrossTheRange) {
    // Walk every day from 1901 to 2050: each next date is one day later.
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = DayNumberFromDate(12, 31, 1900);
    for (int year = 1901; year <= 2050; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const double n = DayNumberFromDate(month, day, year);
                ASSERT_EQ(n, previous + 1) << year << "-" << month << "-" << day;
                previous = n;
            }
        }
    }
}

TEST(AyanamsaShiftAt, PublishedValues) {
    EXPECT_NEAR(AyanamsaShiftAt(0.0), -23.8537257, kSevenDecimals);
    EXPECT_NEAR(AyanamsaShiftAt(-1.0), -22.4666432, kSevenDecimals);
    EXPECT_NEAR(AyanamsaShiftAt(0.5), -24.5597842, kSevenDecimals);
}

struct PositionCase {
    const char* name;
    double longitude;
    const char* text;
};
void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class FormatSignPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FormatSignPositionTest, WritesDegreesMinutesSecondsAndSign) {
    EXPECT_EQ(FormatSignPosition(GetParam().longitude), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Positions, FormatSignPositionTest,
    ::testing::Values(
        PositionCase{"ZeroesAsSingleDigits", 90.25, "0\u00B0 15' 0\" Can"},
        PositionCase{"StartOfZodiac", 0.0, "0\u00B0 0' 0\" Ari"},
        PositionCase{"LastSecondOfPisces", 359.9999, "29\u00B0 59' 59\" Pis"},
        // 346.15 is not exact in binary: truncation gives 59 seconds, not 9' 0".
        PositionCase{"TruncationOnTheBinaryValue", 10.0 + -23.85 + 360.0, "16\u00B0 8' 59\" Pis"},
        PositionCase{"NegativeTakesTheMagnitude", -45.5, "15\u00B0 30' 0\" Tau"},
        PositionCase{"SignBoundary", 30.0, "0\u00B0 0' 0\" Tau"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RashiNameFromPosition, FindsTheSignFromTheLastThreeCharacters) {
    EXPECT_EQ(RashiNameFromPosition("19\u00B0 27' 44\" Lib"), "Thula");
    EXPECT_EQ(RashiNameFromPosition("  3\u00B0 59' 16\" Can  "), "Kataka");
    EXPECT_EQ(RashiNameFromPosition("0\u00B0 0' 0\" "), std::nullopt);
    EXPECT_EQ(RashiNameFromPosition("Li"), std::nullopt);
}

TEST(RashiNames, FollowTheAbbreviationsInZodiacOrder) {
    for (std::size_t k = 0; k < RashiNames.size(); ++k) {
        EXPECT_EQ(RashiNames[k].abbrev, SignAbbrevs.substr(3 * k, 3));
    }
    EXPECT_EQ(RashiNames[0].name, "Mesha");
    EXPECT_EQ(RashiNames[11].name, "Meena");
}

TEST(ComputeMoonChart, J2000Noon) {
    const EngineRecord r = ComputeMoonChart(Birth(2000, 1, 1, 12, 0));
    EXPECT_EQ(r.UniversalHours, 12.0);
    EXPECT_EQ(r.Centuries, 0.0);
    EXPECT_NEAR(r.TropicalLongitude, 223.316103, kSixDecimals);
    EXPECT_NEAR(r.AyanamsaShift, -23.853726, kSixDecimals);
    EXPECT_NEAR(r.MoonLongitude, 199.462377, kSixDecimals);
    EXPECT_EQ(r.MoonPositionText, "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(r.RashiName, "Thula");
}

TEST(ComputeMoonChart, IndependenceDayAtDelhi) {
    const EngineRecord r = ComputeMoonChart(Delhi1947());
    EXPECT_EQ(r.Longitude, -(77 + 13 / 60.0));
    EXPECT_EQ(r.ZoneOffset, 5.5);
    EXPECT_EQ(r.UniversalHours, -5.5);
    EXPECT_NEAR(r.MoonLongitude, 93.987823, kSixDecimals);
    EXPECT_EQ(r.MoonPositionText, "3\u00B0 59' 16\" Can");
    EXPECT_EQ(r.RashiName, "Kataka");
}

TEST(ComputeMoonChart, EasternZoneBeforeMidnightUtcStaysOnTheCivilDate) {
    BirthRecord b = Delhi1947();
    b.BirthMinute = 15;
    const EngineRecord r = ComputeMoonChart(b);
    EXPECT_EQ(r.UniversalHours, -5.25);
    EXPECT_EQ(r.DayNumber, DayNumberFromDate(8, 15, 1947));
    EXPECT_LT(r.Centuries, (r.DayNumber - 2451545.0 - 0.5) / 36525.0);
}

TEST(ComputeMoonChart, WesternZoneWithDaylightSaving) {
    BirthRecord b = Birth(1970, 7, 1, 9, 30);
    b.LonDegrees = 74;
    b.ZoneHours = 5;
    b.DstOn = kTrue;
    const EngineRecord r = ComputeMoonChart(b);
    EXPECT_EQ(r.ZoneOffset, 4.0);
    EXPECT_EQ(r.UniversalHours, 9.5 + 4.0);
}

TEST(ComputeMoonChart, WestOfGreenwichIsAlwaysBehindUtc) {
    BirthRecord b = Birth(1975, 7, 1, 12, 0);
    b.LonDegrees = 3;
    b.ZoneHours = 1;
    EXPECT_EQ(ComputeMoonChart(b).UniversalHours, 13.0);
}

TEST(ComputeMoonChart, ZoneMinutesAreAFractionOfAnHour) {
    BirthRecord b = Birth(1990, 1, 1, 12, 0);
    b.LonDegrees = 85;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 45;
    const EngineRecord r = ComputeMoonChart(b);
    EXPECT_EQ(r.ZoneOffset, 5.75);
    EXPECT_EQ(r.UniversalHours, 6.25);
}

TEST(ComputeMoonChart, GreenwichEastWithDaylightSavingCountsAsWest) {
    // 0° 0' East is -0.0, which is not below zero.
    BirthRecord b = Birth(2000, 6, 1, 12, 0);
    b.LonIsEast = kTrue;
    b.DstOn = kTrue;
    const EngineRecord r = ComputeMoonChart(b);
    EXPECT_EQ(r.ZoneOffset, -1.0);
    EXPECT_EQ(r.UniversalHours, 11.0);
}

TEST(ComputeMoonChart, NegativeSiderealSumIsBroughtIntoRangeOnce) {
    // Find a birth whose tropical longitude lies below the ayanamsa.
    for (int day = 1; day <= 28; ++day) {
        const EngineRecord r = ComputeMoonChart(Birth(2000, 1, day, 0, 0));
        if (r.TropicalLongitude < -r.AyanamsaShift) {
            EXPECT_EQ(r.MoonLongitude, (r.TropicalLongitude + r.AyanamsaShift) + 360.0);
            EXPECT_EQ(r.RashiName, "Meena");
            return;
        }
    }
    FAIL() << "no birth in January 2000 with the Moon in early tropical Aries";
}

TEST(ComputeMoonChart, SignIsTheThirtyDegreeSectorOfTheSiderealLongitude) {
    for (int day = 1; day <= 60; ++day) {
        for (int hour = 0; hour < 24; hour += 5) {
            const EngineRecord r = ComputeMoonChart(Birth(1987, 3, day, hour, 7));
            ASSERT_GE(r.MoonLongitude, 0.0);
            ASSERT_LT(r.MoonLongitude, 360.0);
            const auto sign = static_cast<std::size_t>(std::floor(r.MoonLongitude / 30.0));
            EXPECT_EQ(r.RashiName, RashiNames[sign].name) << r.MoonLongitude;
        }
    }
}

TEST(ComputeMoonChart, RepeatableAndBlindToNameLatitudeAndHemisphere) {
    const BirthRecord base = Delhi1947();
    const EngineRecord first = ComputeMoonChart(base);

    BirthRecord other = base;
    other.BirthName = "Somebody Else";
    other.LatDegrees = 28;
    other.LatMinutes = 39;
    other.LatIsSouth = kTrue;

    for (const BirthRecord& b : {base, other}) {
        const EngineRecord r = ComputeMoonChart(b);
        EXPECT_EQ(r.MoonLongitude, first.MoonLongitude);
        EXPECT_EQ(r.TropicalLongitude, first.TropicalLongitude);
        EXPECT_EQ(r.MoonPositionText, first.MoonPositionText);
        EXPECT_EQ(r.RashiName, first.RashiName);
    }
}

TEST(ComputeMoonChart, EveryWorkingQuantityIsFilled) {
    const EngineRecord r = ComputeMoonChart(Delhi1947());
    EXPECT_EQ(r.LocalHours, 0.0);
    EXPECT_EQ(r.DayNumber, 2432413.0);
    EXPECT_NE(r.MeanLongitude, 0.0);
    EXPECT_NE(r.MoonElongation, 0.0);
    EXPECT_NE(r.SunAnomaly, 0.0);
    EXPECT_NE(r.MoonAnomaly, 0.0);
    EXPECT_NE(r.MoonArgLatitude, 0.0);
    EXPECT_GT(r.EccentricityFactor, 1.0);  // T < 0 before J2000
    EXPECT_NEAR(r.MoonLongitude, r.TropicalLongitude + r.AyanamsaShift, 1e-9);
}

}  // namespace
}  // namespace nyra

namespace nyra {
namespace {

TEST(ComputeMoonChart, ZoneWrittenAsEastPutsTheClockAheadWhateverTheLongitude) {
    // Madrid lies west of Greenwich but keeps Central European time.
    BirthRecord madrid = Birth(1975, 7, 1, 12, 0);
    madrid.LonDegrees = 3;
    madrid.LonMinutes = 42;
    madrid.ZoneHours = 1;
    madrid.ZoneIsEast = kTrue;
    madrid.DstOn = kTrue;
    EXPECT_EQ(ComputeMoonChart(madrid).ZoneOffset, 2.0);
    EXPECT_EQ(ComputeMoonChart(madrid).UniversalHours, 10.0);

    // On an eastern longitude the flag changes nothing.
    BirthRecord delhi = Delhi1947();
    const EngineRecord plain = ComputeMoonChart(delhi);
    delhi.ZoneIsEast = kTrue;
    EXPECT_EQ(ComputeMoonChart(delhi).MoonLongitude, plain.MoonLongitude);
}

}  // namespace
}  // namespace nyra

namespace nyra {
namespace {

TEST(StoreSignedZone, KeepsSizesAndTakesAnyMinusSignAsEast) {
    BirthRecord r;
    ASSERT_TRUE(StoreSignedZone(r, -5, -30, false));
    EXPECT_EQ(r.ZoneHours, 5);
    EXPECT_EQ(r.ZoneMinutes, 30);
    EXPECT_EQ(r.ZoneIsEast, kTrue);
    ASSERT_TRUE(StoreSignedZone(r, 0, 0, true));  // "-0"
    EXPECT_EQ(r.ZoneIsEast, kTrue);
    ASSERT_TRUE(StoreSignedZone(r, 4, 0, false));
    EXPECT_EQ(r.ZoneIsEast, kFalse);
    EXPECT_FALSE(StoreSignedZone(r, -32768, 0, true));
    EXPECT_EQ(r.ZoneHours, 4);  // unchanged
}

}  // namespace
}  // namespace nyra
