// One check of a birth record's values, with a row of limits for each
// caller: the main window's lists, its calculate command, and the batch
// tool's tables and records. Beside the record layout, whose columns name
// what is refused. Plain C++.
#pragma once

#include "base/result.h"
#include "engine/birth_record.h"

namespace nyra {

// How far one caller takes a birth's values, and how it words a refusal.
struct BirthLimits {
    int firstYear;
    int lastYear;
    /// The day must be one its month has in that year; otherwise any of
    /// 1..31, as the main window's day list holds.
    bool dayOfItsMonth;
    /// The zone, longitude and latitude must lie within the globe's limits
    /// below; otherwise they are not checked (the main window takes any
    /// 16-bit value there).
    bool place;
    /// A refusal says "is not in the list (1 to 31)", as for the main
    /// window's lists, rather than naming the kind of value ("is not a day
    /// of April 1975 (1..30)").
    bool listWords;
};

// The main window's lists: the years it offers, any day of the day list
// (its calculate command checks the calendar).
inline constexpr BirthLimits kWindowListLimits{1901, 2050, false, false, true};
// The main window's calculate command: the same years, and a day its month has.
inline constexpr BirthLimits kWindowDateLimits{1901, 2050, true, false, true};
// The batch tool's tables and records. Within these years the engine's
// series, ayanamsa and sign-change search stay consistent with one another
// (its tests check both ends); far outside them they give rolled-over
// angles and slow searches.
inline constexpr BirthLimits kBatchLimits{1800, 2399, true, true, false};

// The largest zone offset in use anywhere, and the globe's own limits.
inline constexpr int kMaxZoneHours = 14;
inline constexpr int kMaxLongitudeDeg = 180;
inline constexpr int kMaxLatitudeDeg = 90;

// Checks the month, the day, the year, the hour and the minute (in the
// order of the record's lines, except that a day of its month is checked
// after the year it depends on), then with `place` the longitude, the
// latitude and the zone. The first value refused is the Problem: `where`
// is its record column ("BirthDay"), `reason` quotes the value ("\"31\" is
// not a day of April 1975 (1..30)", "\"32\" is not in the list (1 to 31)").
// Zone sizes are checked as given, with any minus sign.
Result<void> CheckBirthValues(const BirthRecord& birth, const BirthLimits& limits);

}  // namespace nyra
