#include "panchanga/dasha.h"

#include "precise/precise_moon.h"

#include <algorithm>
#include <cmath>

namespace nyra {
namespace {

constexpr double kNakshatraWidthDeg = 40.0 / 3.0;
constexpr int kLords = static_cast<int>(kDashaYears.size());

// The sidereal year is the one of Newcomb's tables at J1900 (365.25636
// days, given to six places as almanacs quote it); the savana year is
// twelve months of thirty civil days.
constexpr auto kDashaYearRows = std::to_array<DashaYearInfo>({
    // clang-format off
    {DashaYear::Julian,    "365.25",     365.25},
    {DashaYear::Gregorian, "365.2425",   365.2425},
    {DashaYear::Sidereal,  "365.256363", 365.256363},
    {DashaYear::Savana,    "360",        360.0},
    // clang-format on
});
static_assert(kDashaYearRows.size() == 4);
static_assert(kDashaYearRows[0].id == kDefaultDashaYear);

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < kDashaYearRows.size(); ++i)
        if (static_cast<std::size_t>(kDashaYearRows[i].id) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum());

double Normalized(double deg) {
    const double d = std::fmod(deg, 360.0);
    return d < 0 ? d + 360.0 : d;
}

int NakshatraOf(double deg) {
    return std::clamp(static_cast<int>(std::floor(Normalized(deg) / kNakshatraWidthDeg)), 0, 26);
}

DashaPeriod PeriodOf(int lord, double startJulianDay, double endJulianDay, const EngineRecord& chart) {
    return {lord, startJulianDay, endJulianDay,
            LocalTimeAt((startJulianDay - kJ2000JulianDate) / kDaysPerJulianCentury, chart)};
}

// The antardashas of a mahadasha of `lord` that would start at `start`.
std::array<DashaPeriod, 9> AntardashasOf(int lord, double startJulianDay, double yearDays, const EngineRecord& chart) {
    std::array<DashaPeriod, 9> parts;
    double yearsIn = 0;
    for (int k = 0; k < kLords; ++k) {
        const int sub = (lord + k) % kLords;
        const double from = startJulianDay + yearsIn * yearDays;
        yearsIn += kDashaYears[lord] * static_cast<double>(kDashaYears[sub]) / kDashaCycleYears;
        parts[k] = PeriodOf(sub, from, startJulianDay + yearsIn * yearDays, chart);
    }
    return parts;
}

}  // namespace

std::span<const DashaYearInfo> DashaYears() { return kDashaYearRows; }

const DashaYearInfo& InfoOf(DashaYear year) { return kDashaYearRows[static_cast<std::size_t>(year)]; }

std::optional<DashaYear> DashaYearFromKey(std::string_view key) {
    for (const DashaYearInfo& row : kDashaYearRows)
        if (row.key == key) return row.id;
    return std::nullopt;
}

double DashaBalanceYears(double siderealDeg) {
    const int nakshatra = NakshatraOf(siderealDeg);
    const double toRunDeg = (nakshatra + 1) * kNakshatraWidthDeg - Normalized(siderealDeg);
    return kDashaYears[nakshatra % kLords] * std::clamp(toRunDeg / kNakshatraWidthDeg, 0.0, 1.0);
}

Dasha ComputeDasha(double siderealDeg, const EngineRecord& chart, DashaYear year) {
    const double yearDays = InfoOf(year).days;
    const double birth = ChartJulianDayUt(chart);
    Dasha dasha;
    dasha.year = year;
    dasha.nakshatra = NakshatraOf(siderealDeg);
    dasha.lord = dasha.nakshatra % kLords;
    dasha.balanceYears = DashaBalanceYears(siderealDeg);

    // Where the first mahadasha would have begun, before the birth.
    double start = birth - (kDashaYears[dasha.lord] - dasha.balanceYears) * yearDays;
    for (int k = 0; k < kLords; ++k) {
        const int lord = (dasha.lord + k) % kLords;
        const double end = start + kDashaYears[lord] * yearDays;
        Mahadasha& maha = dasha.mahadashas[k];
        maha.period = PeriodOf(lord, k == 0 ? birth : start, end, chart);
        maha.antardashas = AntardashasOf(lord, start, yearDays, chart);
        start = end;
    }
    return dasha;
}

std::optional<RunningDasha> DashaRunningAt(const Dasha& dasha, double julianDayUt) {
    for (int m = 0; m < kLords; ++m) {
        const Mahadasha& maha = dasha.mahadashas[m];
        if (julianDayUt < maha.period.startJulianDay || julianDayUt >= maha.period.endJulianDay) continue;
        for (int a = 0; a < kLords; ++a) {
            const DashaPeriod& part = maha.antardashas[a];
            if (julianDayUt >= part.startJulianDay && julianDayUt < part.endJulianDay) return RunningDasha{m, a};
        }
        // Rounding at the very end of the mahadasha: its last antardasha.
        return RunningDasha{m, kLords - 1};
    }
    return std::nullopt;
}

std::vector<BalanceRange> DashaBalanceRanges(double fromDeg, double toDeg) {
    std::vector<BalanceRange> ranges;
    const int first = static_cast<int>(std::floor(fromDeg / kNakshatraWidthDeg));
    const int last = static_cast<int>(std::floor(toDeg / kNakshatraWidthDeg));
    for (int n = first; n <= last; ++n) {
        const int lord = ((n % 27 + 27) % 27) % kLords;
        BalanceRange range{lord, static_cast<double>(kDashaYears[lord]), 0.0};
        if (n == first) range.mostYears = DashaBalanceYears(fromDeg);
        if (n == last) range.leastYears = DashaBalanceYears(toDeg);
        ranges.push_back(range);
    }
    return ranges;
}

}  // namespace nyra
