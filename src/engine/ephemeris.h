// The chart engine: from a birth record to the Moon's sidereal longitude and
// the Moon sign (Rashi). Plain C++, no state: every run is a pure function of
// its BirthRecord.
#pragma once

#include "engine/birth_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {

// The engine's time argument T counts Julian centuries from J2000.0.
inline constexpr double kJ2000JulianDate = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// Everything one run computes, in the order the run writes it.
struct EngineRecord {
    double LocalHours = 0;          ///< Clock time of birth, hours.
    double ZoneOffset = 0;          ///< Zone size in hours, one more or less for daylight saving.
    double Longitude = 0;           ///< Degrees, west positive, east negative.
    double UniversalHours = 0;      ///< Universal time of birth, hours; may lie outside 0..24.
    double DayNumber = 0;           ///< Julian day number of the civil birth date.
    double Centuries = 0;           ///< Julian centuries from J2000.0 to the birth instant.
    double AyanamsaShift = 0;       ///< Minus the ayanamsa, degrees (about -22.5 .. -24.6).
    double MeanLongitude = 0;       ///< The Moon's mean longitude L', degrees.
    double MoonElongation = 0;      ///< D, radians.
    double SunAnomaly = 0;          ///< M, radians.
    double MoonAnomaly = 0;         ///< M', radians.
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
    // clang-format off
    {"Ari", "Mesha"},  {"Tau", "Vrishabha"}, {"Gem", "Mithuna"},   {"Can", "Kataka"},
    {"Leo", "Simha"},  {"Vir", "Kanya"},     {"Lib", "Thula"},     {"Sco", "Vrischika"},
    {"Sag", "Dhanus"}, {"Cap", "Makara"},    {"Aqu", "Kumbha"},    {"Pis", "Meena"},
    // clang-format on
});
static_assert(RashiNames.size() * 3 == SignAbbrevs.size());

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

}  // namespace nyra
