#include "engine/time_window.h"

#include "../support/birth_at.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace nyra {
namespace {

using test::At;
using test::ClockMinute;

constexpr double kMinutesPerCentury = 36525.0 * 1440.0;
// A whole percent is its exact share rounded down or up.
constexpr double kPercentTolerance = 1.0;

BirthRecord Birth(int year, int month, int day, int hour, int minute) {
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    return b;
}

// 1° east with a zone 4 minutes ahead: the Moon leaves Thula on 2 Jan 2000
// at 09:12 by this clock.
BirthRecord FourMinutesEast(int day, int hour, int minute) {
    BirthRecord b = Birth(2000, 1, day, hour, minute);
    b.LonDegrees = 1;
    b.LonIsEast = kTrue;
    b.ZoneMinutes = 4;
    return b;
}

BirthRecord India(int year, int month, int day, int hour, int minute) {
    BirthRecord b = Birth(year, month, day, hour, minute);
    b.LonDegrees = 77;
    b.LonMinutes = 13;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    return b;
}

WindowResult InWindow(WindowOf of, const EngineRecord& chart, const TimeWindow& window) {
    return of == WindowOf::Signs ? SignsInWindow(chart, window) : NakshatrasInWindow(chart, window);
}

struct WindowCase {
    const char* name;
    BirthRecord birth;
    WindowOf of;
    TimeWindow window;
    const char* start;
    const char* end;
    const char* cell;
    const char* sentence;
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class WindowCases : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowCases, ListEverySignWithItsShare) {
    const WindowCase& c = GetParam();
    const WindowResult result = InWindow(c.of, ComputeMoonChart(c.birth), c.window);
    EXPECT_EQ(FormatIsoMinute(result.start), c.start);
    EXPECT_EQ(FormatIsoMinute(result.end), c.end);
    EXPECT_EQ(TimeWindowCell(result), c.cell);
    EXPECT_EQ(TimeWindowSentence(result), c.sentence);
    EXPECT_EQ(result.certain, result.shares.size() == 1);
    ASSERT_EQ(result.changes.size() + 1, result.shares.size());
    for (std::size_t i = 0; i < result.changes.size(); ++i) {
        EXPECT_EQ(result.changes[i].local, result.shares[i].to);
        EXPECT_EQ(result.changes[i].local, result.shares[i + 1].from);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, WindowCases,
    ::testing::Values(
        WindowCase{"ExactTimeIsCertainAndSaysNothing", FourMinutesEast(2, 9, 30), WindowOf::Signs, TimeWindow::Exact(),
                   "2000-01-02 09:30", "2000-01-02 09:30", "Vrischika 100%", ""},
        WindowCase{"OneChange", FourMinutesEast(2, 9, 30), WindowOf::Signs, TimeWindow::PlusMinus(60),
                   "2000-01-02 08:30", "2000-01-02 10:30", "Thula 35%; Vrischika 65%",
                   "Your birth time is not exact. Between 08:30 and 10:30 the Moon was in Thula until 09:12 and "
                   "then in Vrischika: Thula 35%, Vrischika 65%."},
        WindowCase{"NoChange", FourMinutesEast(2, 12, 0), WindowOf::Signs, TimeWindow::PlusMinus(120),
                   "2000-01-02 10:00", "2000-01-02 14:00", "Vrischika 100%",
                   "The Moon stayed in Vrischika all through that window, so your Moon sign is certain."},
        // The Moon leaves Thula at 09:12:02 by this clock.
        WindowCase{"EndsSecondsBeforeTheChange", FourMinutesEast(2, 8, 12), WindowOf::Signs, TimeWindow::PlusMinus(60),
                   "2000-01-02 07:12", "2000-01-02 09:12", "Thula 100%",
                   "The Moon stayed in Thula all through that window, so your Moon sign is certain."},
        WindowCase{"StartsSecondsBeforeTheChange", FourMinutesEast(2, 10, 12), WindowOf::Signs,
                   TimeWindow::PlusMinus(60), "2000-01-02 09:12", "2000-01-02 11:12", "Thula 0%; Vrischika 100%",
                   "Your birth time is not exact. Between 09:12 and 11:12 the Moon was in Thula until 09:12 and "
                   "then in Vrischika: Thula 0%, Vrischika 100%."},
        // It enters Dhanus at 08:08:43 Indian time.
        WindowCase{"EndsSecondsAfterTheChange", India(2001, 1, 21, 7, 9), WindowOf::Signs, TimeWindow::PlusMinus(60),
                   "2001-01-21 06:09", "2001-01-21 08:09", "Vrischika 100%; Dhanus 0%",
                   "Your birth time is not exact. Between 06:09 and 08:09 the Moon was in Vrischika until 08:09 and "
                   "then in Dhanus: Vrischika 100%, Dhanus 0%."},
        WindowCase{"StartsSecondsAfterTheChange", India(2001, 1, 21, 9, 9), WindowOf::Signs, TimeWindow::PlusMinus(60),
                   "2001-01-21 08:09", "2001-01-21 10:09", "Dhanus 100%",
                   "The Moon stayed in Dhanus all through that window, so your Moon sign is certain."},
        // It enters Thula at 00:00:11: a birth at 00:00 is Kanya.
        WindowCase{"DayStartsSecondsBeforeTheChange", India(2016, 5, 19, 0, 0), WindowOf::Signs,
                   TimeWindow::WholeDay(), "2016-05-19 00:00", "2016-05-20 00:00", "Kanya 0%; Thula 100%",
                   "Your birth time is not known. Between 00:00 and 24:00 the Moon was in Kanya until 00:00 and "
                   "then in Thula: Kanya 0%, Thula 100%."},
        WindowCase{"OneMinutePastTheChange", FourMinutesEast(2, 8, 12), WindowOf::Signs, TimeWindow::PlusMinus(61),
                   "2000-01-02 07:11", "2000-01-02 09:13", "Thula 99%; Vrischika 1%",
                   "Your birth time is not exact. Between 07:11 and 09:13 the Moon was in Thula until 09:12 and "
                   "then in Vrischika: Thula 99%, Vrischika 1%."},
        WindowCase{"WholeDayWithAChange", FourMinutesEast(2, 17, 45), WindowOf::Signs, TimeWindow::WholeDay(),
                   "2000-01-02 00:00", "2000-01-03 00:00", "Thula 38%; Vrischika 62%",
                   "Your birth time is not known. Between 00:00 and 24:00 the Moon was in Thula until 09:12 and "
                   "then in Vrischika: Thula 38%, Vrischika 62%."},
        WindowCase{"WholeDayInOneSign", FourMinutesEast(1, 0, 0), WindowOf::Signs, TimeWindow::WholeDay(),
                   "2000-01-01 00:00", "2000-01-02 00:00", "Thula 100%",
                   "The Moon stayed in Thula all through that day, so your Moon sign is certain."},
        WindowCase{"AcrossMidnight", India(2001, 5, 4, 0, 0), WindowOf::Signs, TimeWindow::PlusMinus(60),
                   "2001-05-03 23:00", "2001-05-04 01:00", "Simha 51%; Kanya 49%",
                   "Your birth time is not exact. Between 23:00 and 01:00 the Moon was in Simha until 00:01 and "
                   "then in Kanya: Simha 51%, Kanya 49%."},
        WindowCase{"NakshatraChangesTwiceInADay", India(2001, 1, 6, 12, 0), WindowOf::Nakshatras,
                   TimeWindow::WholeDay(), "2001-01-06 00:00", "2001-01-07 00:00", "Bharani 4%; Krittika 95%; Rohini 1%",
                   "Your birth time is not known. Between 00:00 and 24:00 the Moon was in Bharani until 01:01, "
                   "then in Krittika until 23:47 and then in Rohini: Bharani 4%, Krittika 95%, Rohini 1%."},
        WindowCase{"NakshatraCertain", India(2001, 1, 6, 12, 0), WindowOf::Nakshatras, TimeWindow::PlusMinus(120),
                   "2001-01-06 10:00", "2001-01-06 14:00", "Krittika 100%",
                   "The Moon stayed in Krittika all through that window, so your nakshatra is certain."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct PercentCase {
    const char* name;
    std::vector<int> parts;
    std::vector<int> percents;
};
void PrintTo(const PercentCase& c, std::ostream* os) { *os << c.name; }

class WholePercentCases : public ::testing::TestWithParam<PercentCase> {};

TEST_P(WholePercentCases, AddUpTo100ByLargestRemainder) {
    EXPECT_EQ(WholePercents(GetParam().parts), GetParam().percents);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Splits, WholePercentCases,
    ::testing::Values(PercentCase{"ThirdsFavourTheEarliest", {480, 480, 480}, {34, 33, 33}},
                      PercentCase{"OneThirdTwoThirds", {1, 2}, {33, 67}},
                      PercentCase{"HalfTieGoesToTheLargerPart", {99, 101}, {49, 51}},
                      PercentCase{"HalfTieGoesToTheLargerPartFirst", {101, 99}, {51, 49}},
                      PercentCase{"Sevenths", {1, 1, 1, 1, 1, 1, 1}, {15, 15, 14, 14, 14, 14, 14}},
                      PercentCase{"LargestRemainderNotLargestPart", {61, 1366, 13}, {4, 95, 1}},
                      PercentCase{"OneMinuteOfADayRoundsToNothing", {1, 1439}, {0, 100}},
                      PercentCase{"NothingAtAll", {0, 0}, {100, 0}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Random births all over the world and the years the program takes: every
// window is covered by its shares without gap, and every change agrees to
// the minute with the span a birth on either side of it is shown.
class RandomBirths : public ::testing::TestWithParam<WindowOf> {};

TEST_P(RandomBirths, SharesCoverTheWindowAndChangesAgreeWithTheSpans) {
    const WindowOf of = GetParam();
    Span (*const findSpan)(const EngineRecord&) = of == WindowOf::Signs ? FindSignSpan : FindNakshatraSpan;
    std::mt19937 random(20240917);
    auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    for (int n = 0; n < 300; ++n) {
        BirthRecord b = Birth(uniform(1901, 2050), uniform(1, 12), uniform(1, 28), uniform(0, 23), uniform(0, 59));
        b.ZoneHours = static_cast<std::int16_t>(uniform(0, 13));
        b.ZoneMinutes = static_cast<std::int16_t>(15 * uniform(0, 3));
        b.LonDegrees = static_cast<std::int16_t>(uniform(0, 179));
        b.LonIsEast = uniform(0, 1) ? kTrue : kFalse;
        b.ZoneIsEast = uniform(0, 3) == 0 ? kTrue : kFalse;
        b.DstOn = uniform(0, 1) ? kTrue : kFalse;
        const EngineRecord chart = ComputeMoonChart(b);
        const bool wholeDay = n % 3 == 0;
        const TimeWindow window =
            wholeDay ? TimeWindow::WholeDay() : TimeWindow::PlusMinus(uniform(1, kMaxWindowMinutes));
        const WindowResult result = InWindow(of, chart, window);
        SCOPED_TRACE(FormatIsoMinute(LocalTimeAt(chart.Centuries, chart)) + " " + TimeWindowCell(result));

        const long long birthMinute = ClockMinute(LocalTimeAt(chart.Centuries, chart));
        const long long start = ClockMinute(result.start);
        const long long end = ClockMinute(result.end);
        if (wholeDay) {
            EXPECT_EQ(start, birthMinute - (b.BirthHour * 60 + b.BirthMinute));
            EXPECT_EQ(end - start, 1440);
        } else {
            EXPECT_EQ(start, birthMinute - window.minutes);
            EXPECT_EQ(end, birthMinute + window.minutes);
        }

        ASSERT_FALSE(result.shares.empty());
        EXPECT_EQ(result.shares.front().from, result.start);
        EXPECT_EQ(result.shares.back().to, result.end);
        int percentSum = 0;
        for (std::size_t i = 0; i < result.shares.size(); ++i) {
            const WindowShare& share = result.shares[i];
            if (i > 0) {
                EXPECT_EQ(share.from, result.shares[i - 1].to);
            }
            EXPECT_EQ(share.minutes, ClockMinute(share.to) - ClockMinute(share.from));
            EXPECT_GE(share.minutes, 0);
            EXPECT_NEAR(share.percent, 100.0 * share.minutes / static_cast<double>(end - start), kPercentTolerance);
            percentSum += share.percent;

            // A birth inside the share (a minute clear of a change rounded
            // onto its ends) is in its sign, and its span shows the changes.
            if (share.minutes < 2) continue;
            const double offset = (ClockMinute(share.from) + ClockMinute(share.to)) / 2 - birthMinute;
            const Span span =
                findSpan(ComputeMoonChart(At(b, LocalTimeAt(chart.Centuries + offset / kMinutesPerCentury, chart))));
            EXPECT_EQ(span.index, share.index);
            if (i > 0) {
                EXPECT_EQ(span.entered.local, share.from);
            }
            if (i + 1 < result.shares.size()) {
                EXPECT_EQ(span.leaves.local, share.to);
            }
        }
        // Births at the window's first and last minute are in its first and
        // last sign: a change seconds inside the window is not lost.
        EXPECT_EQ(findSpan(ComputeMoonChart(At(b, result.start))).index, result.shares.front().index);
        EXPECT_EQ(findSpan(ComputeMoonChart(At(b, result.end))).index, result.shares.back().index);
        EXPECT_EQ(percentSum, 100);
        EXPECT_EQ(result.certain, result.shares.size() == 1);

        // The whole day is the same as noon ±12 hours on the same date.
        if (wholeDay) {
            BirthRecord noon = b;
            noon.BirthHour = 12;
            noon.BirthMinute = 0;
            const WindowResult around = InWindow(of, ComputeMoonChart(noon), TimeWindow::PlusMinus(720));
            EXPECT_EQ(FormatIsoMinute(around.start), FormatIsoMinute(result.start));
            EXPECT_EQ(TimeWindowCell(around), TimeWindowCell(result));
        }

        // An exact time has the birth's own sign.
        const WindowResult exact = InWindow(of, chart, TimeWindow::Exact());
        ASSERT_EQ(exact.shares.size(), 1u);
        EXPECT_EQ(exact.shares[0].index, findSpan(chart).index);
        EXPECT_TRUE(exact.certain);
    }
}

INSTANTIATE_TEST_SUITE_P(Both, RandomBirths, ::testing::Values(WindowOf::Signs, WindowOf::Nakshatras),
                         [](const auto& info) { return info.param == WindowOf::Signs ? "Signs" : "Nakshatras"; });

}  // namespace
}  // namespace nyra
