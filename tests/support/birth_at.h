// A birth record by its clock time at a place, as the main window would
// store it, for the tests that need one birth or another. Plain C++.
#pragma once

#include "engine/ephemeris.h"
#include "engine/moon_detail.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace nyra::test {

struct BirthAt {
    int year, month, day, hour, minute;
    double lonDeg = 0;    ///< East positive.
    int zoneMinutes = 0;  ///< Clock ahead of UTC.
    double latDeg = 0;    ///< North positive; not calculated with.
};

inline BirthRecord Birth(const BirthAt& at, const char* name = "Asha Rao") {
    const auto field = [](long value) { return static_cast<std::int16_t>(value); };
    BirthRecord b;
    b.BirthName = name;
    b.BirthYear = field(at.year);
    b.BirthMonth = field(at.month);
    b.BirthDay = field(at.day);
    b.BirthHour = field(at.hour);
    b.BirthMinute = field(at.minute);
    const double lon = std::abs(at.lonDeg);
    b.LonDegrees = field(static_cast<long>(lon));
    b.LonMinutes = field(std::lround((lon - std::floor(lon)) * 60));
    b.LonIsEast = at.lonDeg > 0 ? kTrue : kFalse;
    const double lat = std::abs(at.latDeg);
    b.LatDegrees = field(static_cast<long>(lat));
    b.LatMinutes = field(std::lround((lat - std::floor(lat)) * 60));
    b.LatIsSouth = at.latDeg < 0 ? kTrue : kFalse;
    const int zone = std::abs(at.zoneMinutes);
    b.ZoneHours = field(zone / 60);
    b.ZoneMinutes = field(zone % 60);
    // A clock ahead of UTC west of Greenwich, or behind it to the east, is
    // only said by the zone's own sign.
    if (at.zoneMinutes > 0 && at.lonDeg <= 0) b.ZoneIsEast = kTrue;
    return b;
}

// The same birth at another clock time, same place and zone.
inline BirthRecord At(BirthRecord b, const LocalTime& t) {
    b.BirthYear = static_cast<std::int16_t>(t.year);
    b.BirthMonth = static_cast<std::int16_t>(t.month);
    b.BirthDay = static_cast<std::int16_t>(t.day);
    b.BirthHour = static_cast<std::int16_t>(t.hour);
    b.BirthMinute = static_cast<std::int16_t>(t.minute);
    return b;
}

// Minutes of a clock reading from the day count's origin, to compare and
// subtract clock times across days.
inline long long ClockMinute(const LocalTime& t) {
    return static_cast<long long>(DayNumberFromDate(t.month, t.day, t.year)) * 1440 + t.hour * 60 + t.minute;
}

}  // namespace nyra::test
