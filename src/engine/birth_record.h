// The birth data of one calculation: what the main window's entry gives,
// what a record file holds and what a batch row describes. Plain C++.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace nyra {

// Flags are 16-bit integers: 0 is false, -1 is true.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The range of every number field of a BirthRecord.
inline constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();

// The birth data of one calculation, as typed on the main window.
struct BirthRecord {
    std::string BirthName;             ///< Free text, trimmed; never enters the computation.
    std::int16_t BirthMonth = 0;       ///< Civil month 1..12.
    std::int16_t BirthDay = 0;         ///< Day of the month 1..31 (a day past the month's end counts on).
    std::int16_t BirthYear = 0;        ///< Gregorian year; 1901..2050 from the main window.
    std::int16_t BirthHour = 0;        ///< Local clock hour 0..23.
    std::int16_t BirthMinute = 0;      ///< Local clock minute 0..59.
    std::int16_t ZoneHours = 0;        ///< Size of the zone offset, whole hours (a magnitude).
    std::int16_t ZoneMinutes = 0;      ///< Size of the zone offset, minutes (a magnitude).
    std::int16_t LonDegrees = 0;       ///< Size of the longitude, degrees.
    std::int16_t LonMinutes = 0;       ///< Size of the longitude, arc minutes.
    std::int16_t LatDegrees = 0;       ///< Size of the latitude, degrees (not used by the engine).
    std::int16_t LatMinutes = 0;       ///< Size of the latitude, arc minutes (not used by the engine).
    std::int16_t LonIsEast = kFalse;   ///< Flag: the place is east of Greenwich.
    std::int16_t LatIsSouth = kFalse;  ///< Flag: the place is south of the equator.
    std::int16_t DstOn = kFalse;       ///< Flag: one hour of daylight saving was in force.
    /// Flag: the zone was written with a minus sign (as the picker and the
    /// atlas write zones east of Greenwich): the clock runs ahead of
    /// universal time whatever the longitude. Typed zones leave it false.
    std::int16_t ZoneIsEast = kFalse;

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};

// Stores a zone written as the picker and the atlas write it: the sizes of
// the hours and minutes, and a minus sign on either ("-0" too) as
// ZoneIsEast. Returns false, changing nothing, when a size does not fit
// 16 bits (-32768 has none).
bool StoreSignedZone(BirthRecord& record, int hours, int minutes, bool minusSign);

}  // namespace nyra
