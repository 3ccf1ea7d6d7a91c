// The Vimshottari dasha of a birth: the lord of the Moon's nakshatra opens
// the 120-year cycle, with what is left of its period in the part of the
// nakshatra still to run; then the mahadashas follow in the fixed order,
// each divided into nine antardashas (bhuktis) in the same order from its
// own lord, each as long as its share of 120 years. Values only: lords as
// numbers, instants, years.
#pragma once

#include "engine/ephemeris.h"
#include "engine/moon_detail.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace nyra {

// Years of each lord's mahadasha, in kNakshatraLords' order: Ketu, Venus,
// Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury (Parashara's Vimshottari
// scheme, as every almanac gives it).
inline constexpr auto kDashaYears = std::to_array<int>({7, 20, 6, 10, 7, 18, 16, 19, 17});
static_assert(kDashaYears.size() == kNakshatraLords.size());
inline constexpr int kDashaCycleYears = 120;

// How many days a dasha year has: tools differ mostly here.
enum class DashaYear { Julian, Gregorian, Sidereal, Savana };
inline constexpr DashaYear kDefaultDashaYear = DashaYear::Julian;

struct DashaYearInfo {
    DashaYear id;
    std::string_view key;  ///< For command lines and settings: "365.25", "360", ...
    double days;           ///< Days in one year of the dasha.
};

// Every year length offered, the default first.
std::span<const DashaYearInfo> DashaYears();
const DashaYearInfo& InfoOf(DashaYear year);
// Nothing for a key that names no year length (keys are matched exactly).
std::optional<DashaYear> DashaYearFromKey(std::string_view key);

// One period of the dasha.
struct DashaPeriod {
    int lord = 0;               ///< 0 (Ketu) .. 8 (Mercury), as kNakshatraLords.
    double startJulianDay = 0;  ///< Universal time.
    double endJulianDay = 0;    ///< Universal time; the next period's start.
    LocalTime start;            ///< Clock time at the birth place of the start.
};

struct Mahadasha {
    DashaPeriod period;
    /// Its nine antardashas from its own lord. Those of the first mahadasha
    /// start where the whole period would have, before the birth: the ones
    /// that ended before it are there too.
    std::array<DashaPeriod, 9> antardashas;
};

struct Dasha {
    DashaYear year = kDefaultDashaYear;
    int nakshatra = 0;        ///< The birth nakshatra 0 (Ashwini) .. 26 (Revati).
    int lord = 0;             ///< Its lord, who opens the cycle.
    double balanceYears = 0;  ///< What is left of the first mahadasha at the birth, in dasha years.
    /// The nine mahadashas from the birth; the first starts at the birth
    /// (its period's start) and would have started `balanceYears` short of
    /// its full length earlier.
    std::array<Mahadasha, 9> mahadashas;
};

// Years of the birth lord's period still to run when the Moon is at
// `siderealDeg`: the part of its nakshatra still to run, of that lord's years.
double DashaBalanceYears(double siderealDeg);

// The dasha of a birth whose Moon is at `siderealDeg` at `chart`'s instant;
// dates in `chart`'s clock.
Dasha ComputeDasha(double siderealDeg, const EngineRecord& chart, DashaYear year = kDefaultDashaYear);

// The mahadasha and antardasha (indexes into Dasha's arrays) running at an
// instant; nothing before the birth or after the ninth mahadasha.
struct RunningDasha {
    int mahadasha = 0;
    int antardasha = 0;
};
std::optional<RunningDasha> DashaRunningAt(const Dasha& dasha, double julianDayUt);

// A part of the nakshatras the Moon ran through in a time window, with the
// dasha balance it gives: the larger at the earlier instant.
struct BalanceRange {
    int lord = 0;           ///< 0 (Ketu) .. 8 (Mercury).
    double mostYears = 0;   ///< At the earliest instant of the window in that nakshatra.
    double leastYears = 0;  ///< At the latest.
};

// The balances over a window in which the Moon ran (unwrapped) from
// `fromDeg` to `toDeg` (toDeg - fromDeg below 360).
std::vector<BalanceRange> DashaBalanceRanges(double fromDeg, double toDeg);

}  // namespace nyra
