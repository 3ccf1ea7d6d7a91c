// Birth records anywhere within the batch tool's documented ranges (years,
// clock, zone, longitude) through the chart and its change-time searches.
// The sign agrees with the longitude; each span brackets the birth, with the
// Moon on the span's boundaries at its crossings and the span as long as the
// Moon's speed allows; the crossings' clock times are real dates on either
// side of the birth; a window of birth time is covered by contiguous shares
// of consecutive signs that add up to 100 percent.
#include "../support/birth_at.h"
#include "fuzz_check.h"

#include "engine/civil_date.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "record/birth_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace nyra {
namespace {

constexpr double kDaysPerCentury = 36525.0;
// As the engine tests: the search stops within a hundredth of a second,
// when the Moon moves about 1.5e-6 degrees.
constexpr double kBoundaryToleranceDeg = 1e-6;
// The Moon's sidereal speed stays within 11.8 to 15.4 degrees a day; a span
// outside these lengths ends at a crossing other than its own.
constexpr double kSlowestDegPerDay = 11.7;
constexpr double kFastestDegPerDay = 15.5;
constexpr double kNakshatraWidthDeg = 40.0 / 3.0;

BirthRecord RecordFrom(FuzzedDataProvider& input) {
    BirthRecord b;
    b.BirthYear = input.ConsumeIntegralInRange<std::int16_t>(kBatchLimits.firstYear, kBatchLimits.lastYear);
    b.BirthMonth = input.ConsumeIntegralInRange<std::int16_t>(1, 12);
    b.BirthDay =
        static_cast<std::int16_t>(input.ConsumeIntegralInRange<int>(1, DaysInMonth(b.BirthYear, b.BirthMonth)));
    b.BirthHour = input.ConsumeIntegralInRange<std::int16_t>(0, 23);
    b.BirthMinute = input.ConsumeIntegralInRange<std::int16_t>(0, 59);
    b.ZoneHours = input.ConsumeIntegralInRange<std::int16_t>(0, kMaxZoneHours);
    b.ZoneMinutes = input.ConsumeIntegralInRange<std::int16_t>(0, 59);
    b.ZoneIsEast = input.ConsumeBool() ? kTrue : kFalse;
    const int lonMinutes = input.ConsumeIntegralInRange<int>(0, kMaxLongitudeDeg * 60);
    b.LonDegrees = static_cast<std::int16_t>(lonMinutes / 60);
    b.LonMinutes = static_cast<std::int16_t>(lonMinutes % 60);
    b.LonIsEast = input.ConsumeBool() ? kTrue : kFalse;
    b.DstOn = input.ConsumeBool() ? kTrue : kFalse;
    return b;
}

std::string Describe(const BirthRecord& b) {
    char text[160];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d zone %s%d:%02d%s lon %d %d' %s", b.BirthYear,
                  b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute, b.ZoneIsEast ? "-" : "", b.ZoneHours,
                  b.ZoneMinutes, b.DstOn ? " DST" : "", b.LonDegrees, b.LonMinutes, b.LonIsEast ? "E" : "W");
    return text;
}

bool IsRealTime(const LocalTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 &&
           t.hour <= 23 && t.minute >= 0 && t.minute <= 59;
}

double DegreesFromBoundary(double centuries, double boundaryDeg) {
    const double d = std::fmod(std::fabs(SiderealMoonAt(centuries) - boundaryDeg), 360.0);
    return std::min(d, 360.0 - d);
}

void CheckSpan(const BirthRecord& birth, const EngineRecord& chart, const Span& span, int expectedIndex,
               double widthDeg, std::string_view what) {
    const std::string where = Describe(birth) + ", " + std::string(what) + " " + std::to_string(span.index) + ": ";
    const LocalTime born{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour, birth.BirthMinute};
    const double t = chart.Centuries;
    NYRA_FUZZ_CHECK(span.index == expectedIndex, where + "the Moon stands in " + std::to_string(expectedIndex));
    NYRA_FUZZ_CHECK(span.entered.centuries <= t && t < span.leaves.centuries,
                    where + "does not bracket the birth: " + FormatIsoMinute(span.entered.local) + " .. " +
                        FormatIsoMinute(span.leaves.local));
    const double lowerDeg = span.index * widthDeg;
    NYRA_FUZZ_CHECK(DegreesFromBoundary(span.entered.centuries, lowerDeg) < kBoundaryToleranceDeg,
                    where + "entered off its boundary");
    NYRA_FUZZ_CHECK(DegreesFromBoundary(span.leaves.centuries, lowerDeg + widthDeg) < kBoundaryToleranceDeg,
                    where + "leaves off its boundary");
    const double days = (span.leaves.centuries - span.entered.centuries) * kDaysPerCentury;
    NYRA_FUZZ_CHECK(days >= widthDeg / kFastestDegPerDay && days <= widthDeg / kSlowestDegPerDay,
                    where + "lasts " + std::to_string(days) + " days");
    // Rounded to the minute, a crossing before a birth on a whole minute
    // is never after it; ISO texts compare as the times do.
    NYRA_FUZZ_CHECK(IsRealTime(span.entered.local) && IsRealTime(span.leaves.local),
                    where + FormatIsoMinute(span.entered.local) + " .. " + FormatIsoMinute(span.leaves.local));
    NYRA_FUZZ_CHECK(FormatIsoMinute(span.entered.local) <= FormatIsoMinute(born) &&
                        FormatIsoMinute(born) <= FormatIsoMinute(span.leaves.local),
                    where + FormatIsoMinute(span.entered.local) + " .. " + FormatIsoMinute(span.leaves.local));
}

using test::ClockMinute;

void CheckWindow(const BirthRecord& birth, const WindowResult& result, int birthIndex, int count) {
    const std::string where = Describe(birth) + ", window " +
                              (result.window.wholeDay ? std::string("day") : std::to_string(result.window.minutes)) +
                              ": ";
    NYRA_FUZZ_CHECK(!result.shares.empty(), where + "no share");
    NYRA_FUZZ_CHECK(result.changes.size() + 1 == result.shares.size(), where + "changes and shares disagree");
    NYRA_FUZZ_CHECK(result.certain == (result.shares.size() == 1), where + "certain");
    const LocalTime born{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour, birth.BirthMinute};
    const long long length = result.window.wholeDay ? 1440 : 2LL * result.window.minutes;
    NYRA_FUZZ_CHECK(ClockMinute(result.end) - ClockMinute(result.start) == length,
                    where + FormatIsoMinute(result.start) + " .. " + FormatIsoMinute(result.end));
    if (result.window.wholeDay) {
        NYRA_FUZZ_CHECK((result.start == LocalTime{born.year, born.month, born.day, 0, 0}),
                        where + "the day starts at " + FormatIsoMinute(result.start));
    }
    NYRA_FUZZ_CHECK(result.shares.front().from == result.start && result.shares.back().to == result.end,
                    where + "the shares do not fill the window");
    int percent = 0;
    bool birthListed = false;
    for (std::size_t i = 0; i < result.shares.size(); ++i) {
        const WindowShare& share = result.shares[i];
        percent += share.percent;
        birthListed = birthListed || share.index == birthIndex;
        NYRA_FUZZ_CHECK(share.minutes == ClockMinute(share.to) - ClockMinute(share.from) && share.minutes >= 0,
                        where + std::string(share.name) + " " + std::to_string(share.minutes) + " minutes");
        if (i == 0) continue;
        const WindowShare& before = result.shares[i - 1];
        NYRA_FUZZ_CHECK(share.index == (before.index + 1) % count, where + "a sign skipped or repeated");
        NYRA_FUZZ_CHECK(share.from == before.to && share.from == result.changes[i - 1].local,
                        where + "a gap between shares");
    }
    NYRA_FUZZ_CHECK(percent == 100, where + "percents add up to " + std::to_string(percent));
    NYRA_FUZZ_CHECK(birthListed, where + "the birth's own sign is not listed");
}

}  // namespace
}  // namespace nyra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nyra;
    FuzzedDataProvider input(data, size);
    const BirthRecord birth = RecordFrom(input);
    const TimeWindow window = input.ConsumeBool()
                                  ? TimeWindow::WholeDay()
                                  : TimeWindow::PlusMinus(input.ConsumeIntegralInRange(0, kMaxWindowMinutes));

    const EngineRecord chart = ComputeMoonChart(birth);
    const std::string where = Describe(birth) + ": ";
    NYRA_FUZZ_CHECK(std::isfinite(chart.Centuries), where + "centuries");
    NYRA_FUZZ_CHECK(chart.MoonLongitude >= 0.0 && chart.MoonLongitude < 360.0,
                    where + "longitude " + std::to_string(chart.MoonLongitude));
    const int sign = static_cast<int>(std::floor(chart.MoonLongitude / 30.0));
    NYRA_FUZZ_CHECK(chart.RashiName == RashiNames[static_cast<std::size_t>(sign)].name,
                    where + "longitude " + std::to_string(chart.MoonLongitude) + " in " + chart.RashiName);

    const int nakshatra = static_cast<int>(std::floor(chart.MoonLongitude / kNakshatraWidthDeg));
    CheckSpan(birth, chart, FindSignSpan(chart), sign, 30.0, "sign");
    CheckSpan(birth, chart, FindNakshatraSpan(chart), nakshatra, kNakshatraWidthDeg, "nakshatra");
    CheckWindow(birth, SignsInWindow(chart, window), sign, 12);
    CheckWindow(birth, NakshatrasInWindow(chart, window), nakshatra, 27);
    return 0;
}
