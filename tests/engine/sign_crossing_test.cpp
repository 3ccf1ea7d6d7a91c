// When the Moon entered and leaves its sign and nakshatra, checked against
// references that share nothing with the search: a plain bisection on the
// engine's own longitude, and the standard library's calendar.
#include "engine/moon_detail.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ostream>
#include <string>

namespace nyra {
namespace {

constexpr double kSecondsPerCentury = kDaysPerJulianCentury * 86400.0;
constexpr double kMinutesPerCentury = kDaysPerJulianCentury * 1440.0;
// The search may stop a little short of the boundary; a second is far
// below the printed minute and far above what a sound search leaves.
constexpr double kCrossingToleranceSeconds = 1.0;
constexpr double kMinutesTolerance = 1e-3;
constexpr double kBisectionStep = 0.25 / kDaysPerJulianCentury;  // the Moon moves 3 to 4 degrees
// The Unix epoch, 1970-01-01 00:00, as a Julian date.
constexpr double kUnixEpochJulianDate = 2440587.5;

// Degrees from `boundaryDeg` to the Moon at T, in (-180, 180]: negative while
// the Moon is short of the boundary.
double PastBoundary(double t, double boundaryDeg) {
    double d = std::remainder(SiderealMoonAt(t) - boundaryDeg, 360.0);
    if (d <= -180.0) d += 360.0;
    return d;
}

// The crossing of `boundaryDeg` nearest before (`forward` false) or after T,
// by stepping a quarter day at a time and then halving.
double ReferenceCrossing(double t, double boundaryDeg, bool forward) {
    double shortOf = t, pastIt = t;
    if (forward) {
        while (PastBoundary(pastIt, boundaryDeg) < 0.0) pastIt += kBisectionStep;
        shortOf = pastIt - kBisectionStep;
    } else {
        while (PastBoundary(shortOf, boundaryDeg) >= 0.0) shortOf -= kBisectionStep;
        pastIt = shortOf + kBisectionStep;
    }
    for (;;) {
        const double mid = shortOf + (pastIt - shortOf) / 2.0;
        if (mid <= shortOf || mid >= pastIt) return pastIt;
        (PastBoundary(mid, boundaryDeg) < 0.0 ? shortOf : pastIt) = mid;
    }
}

// Clock time at the birth place for T, by the standard library's calendar.
LocalTime ReferenceLocalTime(double t, const EngineRecord& chart) {
    using namespace std::chrono;
    const double clockAheadHours = chart.LocalHours - chart.UniversalHours;
    const double julianDate = t * kDaysPerJulianCentury + kJ2000JulianDate + clockAheadHours / 24.0;
    const auto minute = static_cast<long long>(std::llround((julianDate - kUnixEpochJulianDate) * 1440.0));
    const sys_days day = floor<days>(sys_time<minutes>(minutes(minute)));
    const long long ofDay = minute - duration_cast<minutes>(day.time_since_epoch()).count();
    const year_month_day date(day);
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(ofDay / 60),
            static_cast<int>(ofDay % 60)};
}

// Both times, for a failure message.
std::string Pair(const LocalTime& actual, const LocalTime& expected) {
    return FormatIsoMinute(actual) + " (reference " + FormatIsoMinute(expected) + ")";
}

struct CrossingBirth {
    const char* name;
    int year, month, day;
    int zoneHours, zoneMinutes;  ///< West positive, as the picker writes them.
    int lonDegrees;
    bool east;
};
void PrintTo(const CrossingBirth& c, std::ostream* os) { *os << c.name; }

EngineRecord ChartOf(const CrossingBirth& c) {
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(c.year);
    b.BirthMonth = static_cast<std::int16_t>(c.month);
    b.BirthDay = static_cast<std::int16_t>(c.day);
    b.BirthHour = 12;
    StoreSignedZone(b, c.zoneHours, c.zoneMinutes, false);
    b.LonDegrees = static_cast<std::int16_t>(c.lonDegrees);
    b.LonIsEast = c.east ? kTrue : kFalse;
    return ComputeMoonChart(b);
}

class Crossings : public ::testing::TestWithParam<CrossingBirth> {};

TEST_P(Crossings, MatchTheReferenceInTimeAndInLocalDate) {
    static const char* const kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const EngineRecord chart = ChartOf(GetParam());
    for (const bool nakshatra : {false, true}) {
        const Span span = nakshatra ? FindNakshatraSpan(chart) : FindSignSpan(chart);
        const double width = nakshatra ? 40.0 / 3.0 : 30.0;
        const double upperDeg = std::fmod((span.index + 1) * width, 360.0);
        const double entered = ReferenceCrossing(chart.Centuries, span.index * width, false);
        const double leaves = ReferenceCrossing(chart.Centuries, upperDeg, true);
        const char* what = nakshatra ? "nakshatra" : "sign";
        EXPECT_NEAR(span.entered.centuries * kSecondsPerCentury, entered * kSecondsPerCentury,
                    kCrossingToleranceSeconds)
            << what;
        EXPECT_NEAR(span.leaves.centuries * kSecondsPerCentury, leaves * kSecondsPerCentury, kCrossingToleranceSeconds)
            << what;
        for (const Crossing& crossing : {span.entered, span.leaves}) {
            const LocalTime& local = crossing.local;
            const LocalTime expected = ReferenceLocalTime(crossing.centuries, chart);
            EXPECT_TRUE(local == expected) << what << ": " << Pair(local, expected);
            ASSERT_TRUE(local.month >= 1 && local.month <= 12) << FormatIsoMinute(local);
            EXPECT_NE(FormatLongMinute(local).find(std::string(" ") + kMonthAbbreviations[local.month - 1] + " "),
                      std::string::npos)
                << FormatLongMinute(local);
        }
        const double sinceEntered = (chart.Centuries - entered) * kMinutesPerCentury;
        const double untilLeaves = (leaves - chart.Centuries) * kMinutesPerCentury;
        EXPECT_NEAR(span.minutesFromNearerChange, sinceEntered <= untilLeaves ? -sinceEntered : untilLeaves,
                    kMinutesTolerance)
            << what;
    }
}

// Noon on the 14th of every month, so that every month holds crossings, in a
// leap year east of Greenwich and a common year west of it; and births whose
// crossings fall across the end of February and of the year.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryMonth, Crossings,
    ::testing::Values(
        CrossingBirth{"Jan2024East", 2024, 1, 14, -9, -30, 138, true},
        CrossingBirth{"Feb2024East", 2024, 2, 14, -9, -30, 138, true},
        CrossingBirth{"Mar2024East", 2024, 3, 14, -9, -30, 138, true},
        CrossingBirth{"Apr2024East", 2024, 4, 14, -9, -30, 138, true},
        CrossingBirth{"May2024East", 2024, 5, 14, -9, -30, 138, true},
        CrossingBirth{"Jun2024East", 2024, 6, 14, -9, -30, 138, true},
        CrossingBirth{"Jul2024East", 2024, 7, 14, -9, -30, 138, true},
        CrossingBirth{"Aug2024East", 2024, 8, 14, -9, -30, 138, true},
        CrossingBirth{"Sep2024East", 2024, 9, 14, -9, -30, 138, true},
        CrossingBirth{"Oct2024East", 2024, 10, 14, -9, -30, 138, true},
        CrossingBirth{"Nov2024East", 2024, 11, 14, -9, -30, 138, true},
        CrossingBirth{"Dec2024East", 2024, 12, 14, -9, -30, 138, true},
        CrossingBirth{"Jan1999West", 1999, 1, 14, 8, 0, 122, false},
        CrossingBirth{"Feb1999West", 1999, 2, 14, 8, 0, 122, false},
        CrossingBirth{"Mar1999West", 1999, 3, 14, 8, 0, 122, false},
        CrossingBirth{"Apr1999West", 1999, 4, 14, 8, 0, 122, false},
        CrossingBirth{"May1999West", 1999, 5, 14, 8, 0, 122, false},
        CrossingBirth{"Jun1999West", 1999, 6, 14, 8, 0, 122, false},
        CrossingBirth{"Jul1999West", 1999, 7, 14, 8, 0, 122, false},
        CrossingBirth{"Aug1999West", 1999, 8, 14, 8, 0, 122, false},
        CrossingBirth{"Sep1999West", 1999, 9, 14, 8, 0, 122, false},
        CrossingBirth{"Oct1999West", 1999, 10, 14, 8, 0, 122, false},
        CrossingBirth{"Nov1999West", 1999, 11, 14, 8, 0, 122, false},
        CrossingBirth{"Dec1999West", 1999, 12, 14, 8, 0, 122, false},
        CrossingBirth{"LeapDay2000", 2000, 2, 29, 0, 0, 0, false},
        CrossingBirth{"EndOfFebruary1901", 1901, 2, 27, -5, -30, 77, true},
        CrossingBirth{"NewYearsEve2049", 2049, 12, 31, -13, 0, 175, true},
        CrossingBirth{"NewYearsDay1950", 1950, 1, 1, 10, 0, 150, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The notice near a change ---------------------------------------------------

// A birth this many minutes from a crossing of the sign the Moon was in at
// J2000.0 noon (Thula, entered 30 Dec 1999 21:37 and left 2 Jan 2000 09:08,
// universal time): after the entry, or before the exit.
struct NoticeCase {
    const char* name;
    bool afterEntry;
    double minutes;
    const char* born;  ///< How the notice starts; "" for no notice.
};
void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

class NearAChange : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(NearAChange, GetsANoticeOnlyWithinTwoHours) {
    BirthRecord noon;
    noon.BirthYear = 2000;
    noon.BirthMonth = 1;
    noon.BirthDay = 1;
    noon.BirthHour = 12;
    const EngineRecord j2000 = ComputeMoonChart(noon);
    const Span thula = FindSignSpan(j2000);
    const NoticeCase& c = GetParam();
    const double t = c.afterEntry ? thula.entered.centuries + c.minutes / kMinutesPerCentury
                                  : thula.leaves.centuries - c.minutes / kMinutesPerCentury;
    EngineRecord birth = j2000;
    ComputeMoonAt(t, birth);

    const Span sign = FindSignSpan(birth);
    ASSERT_EQ(sign.index, thula.index);
    EXPECT_NEAR(sign.minutesFromNearerChange, c.afterEntry ? -c.minutes : c.minutes, kMinutesTolerance);
    const std::string rest = c.afterEntry ? "after the Moon entered Thula. If the birth time or time zone may be "
                                            "off by that much, the Moon sign may be Kanya."
                                          : "before the Moon left Thula. If the birth time or time zone may be "
                                            "off by that much, the Moon sign may be Vrischika.";
    EXPECT_EQ(SignChangeNotice(sign), *c.born ? c.born + rest : "");
}

// Fractions of .3 and .7 tell rounding from cutting off.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    J2000Thula, NearAChange,
    ::testing::Values(NoticeCase{"HalfAnHourAfterEntry", true, 30.7, "Born 31 min "},
                      NoticeCase{"JustUnderTwoHoursAfterEntry", true, 119.3, "Born 1 h 59 min "},
                      NoticeCase{"JustOverTwoHoursAfterEntry", true, 120.7, ""},
                      NoticeCase{"HoursAfterEntryStillNearerIt", true, 600.0, ""},
                      NoticeCase{"HoursBeforeExitStillNearerIt", false, 600.0, ""},
                      NoticeCase{"AMomentBeforeExit", false, 0.7, "Born 1 min "},
                      NoticeCase{"AnHourBeforeExit", false, 65.3, "Born 1 h 5 min "}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
