// The chart engine: from a birth record to the Moon's sidereal longitude and
// the Moon sign (Rashi). Plain C++, no state: every run is a pure function of
// its BirthRecord.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {

// Flags are 16-bit integers: 0 is false, -1 is true.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The range of every number field of a BirthRecord.
inline constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();

// The engine's time argument T counts Julian centuries from J2000.0.
inline constexpr double kJ2000JulianDate = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// The birth data of one calculation, as typed on the main window.
struct BirthRecord {
    std::string BirthName;        ///< Free text, trimmed; never enters the computation.
    std::int16_t BirthMonth = 0;  ///< Civil month 1..12.
    std::int16_t BirthDay = 0;    ///< Day of the month 1..31 (a day past the month's end counts on).
    std::int16_t BirthYear = 0;   ///< Gregorian year; 1901..2050 from the main window.
    std::int16_t BirthHour = 0;   ///< Local clock hour 0..23.
    std::int16_t BirthMinute = 0; ///< Local clock minute 0..59.
    std::int16_t ZoneHours = 0;   ///< Size of the zone offset, whole hours (a magnitude).
    std::int16_t ZoneMinutes = 0; ///< Size of the zone offset, minutes (a magnitude).
    std::int16_t LonDegrees = 0;  ///< Size of the longitude, degrees.
    std::int16_t LonMinutes = 0;  ///< Size of the longitude, arc minutes.
    std::int16_t LatDegrees = 0;  ///< Size of the latitude, degrees (not used by the engine).
    std::int16_t LatMinutes = 0;  ///< Size of the latitude, arc minutes (not used by the engine).
    std::int16_t LonIsEast = kFalse;  ///< Flag: the place is east of Greenwich.
    std::int16_t LatIsSouth = kFalse; ///< Flag: the place is south of the equator.
    std::int16_t DstOn = kFalse;      ///< Flag: one hour of daylight saving was in force.
    /// Flag: the zone was written with a minus sign (as the picker and the
    /// atlas write zones east of Greenwich): the clock runs ahead of
    /// universal time whatever the longitude. Typed zones leave it false.
    std::int16_t ZoneIsEast = kFalse;

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};

// Everything one run computes, in the order the run writes it.
struct EngineRecord {
    double LocalHours = 0;     ///< Clock time of birth, hours.
    double ZoneOffset = 0;     ///< Zone size in hours, one more or less for daylight saving.
    double Longitude = 0;      ///< Degrees, west positive, east negative.
    double UniversalHours = 0; ///< Universal time of birth, hours; may lie outside 0..24.
    double DayNumber = 0;      ///< Julian day number of the civil birth date.
    double Centuries = 0;      ///< Julian centuries from J2000.0 to the birth instant.
    double AyanamsaShift = 0;  ///< Minus the ayanamsa, degrees (about -22.5 .. -24.6).
    double MeanLongitude = 0;  ///< The Moon's mean longitude L', degrees.
    double MoonElongation = 0; ///< D, radians.
    double SunAnomaly = 0;     ///< M, radians.
    double MoonAnomaly = 0;    ///< M', radians.
    double MoonArgLatitude = 0;     ///< F, radians.
    double EccentricityFactor = 0;  ///< E, applied to terms containing M.
    double TropicalLongitude = 0;   ///< Geocentric ecliptic longitude of the Moon, 0..360 degrees.
    double MoonLongitude = 0;       ///< Sidereal longitude of the Moon, 0..360 degrees.
    std::string MoonPositionText;   ///< Position within the sign, e.g. 19° 27' 44" Lib.
    std::string RashiName;          ///< The Moon sign's Sanskrit name, "Mesha" .. "Meena".
};

// The literal is part of the engine's definition: pi/180 differs in the last
// bits and would move results by up to 1e-10 degrees.
inline constexpr double DegToRad = 0.0174532925199433;

// Sign k (0 = Aries .. 11 = Pisces) is the three characters from 3k.
inline constexpr std::string_view SignAbbrevs = "AriTauGemCanLeoVirLibScoSagCapAquPis";

struct RashiNameRow {
    std::string_view abbrev;
    std::string_view name;
};
inline constexpr auto RashiNames = std::to_array<RashiNameRow>({
    {"Ari", "Mesha"},  {"Tau", "Vrishabha"}, {"Gem", "Mithuna"},   {"Can", "Kataka"},
    {"Leo", "Simha"},  {"Vir", "Kanya"},     {"Lib", "Thula"},     {"Sco", "Vrischika"},
    {"Sag", "Dhanus"}, {"Cap", "Makara"},    {"Aqu", "Kumbha"},    {"Pis", "Meena"},
});
static_assert(RashiNames.size() * 3 == SignAbbrevs.size());

// Stores a zone written as the picker and the atlas write it: the sizes of
// the hours and minutes, and a minus sign on either ("-0" too) as
// ZoneIsEast. Returns false, changing nothing, when a size does not fit
// 16 bits (-32768 has none).
bool StoreSignedZone(BirthRecord& record, int hours, int minutes, bool minusSign);

// Julian day number of a civil date (Julian calendar before 1582-10-15,
// Gregorian from then on). A day past the end of its month counts on.
double DayNumberFromDate(int month, int day, int year);

// Minus the ayanamsa, degrees, at T Julian centuries from J2000.0.
double AyanamsaShiftAt(double centuries);

// The position within its sign of a longitude in degrees, with the sign's
// abbreviation at the end: 19° 27' 44" Lib.
std::string FormatSignPosition(double longitudeDeg);

// The Sanskrit name of the sign whose abbreviation ends the trimmed
// position text, or nothing when no sign matches.
std::optional<std::string_view> RashiNameFromPosition(std::string_view positionText);

// The Moon's tropical and sidereal longitude at an instant, by the engine's
// own series and ayanamsa. `record` receives the working quantities.
void ComputeMoonAt(double centuries, EngineRecord& record);

// The whole run: birth instant, Moon longitude, ayanamsa, position text and
// Moon sign.
EngineRecord ComputeMoonChart(const BirthRecord& birth);

} // namespace nyra
