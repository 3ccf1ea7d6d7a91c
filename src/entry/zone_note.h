// The line under the main window's zone frame: what the zone boxes, the DST
// box and the longitude will make of the clock time when the chart is
// calculated. QtCore only, so the reading can be checked against the engine.
#pragma once

#include "atlas/atlas.h"
#include "entry/entry_validation.h"

#include <QString>

#include <optional>

namespace nyra {

// How many minutes the clock runs ahead of universal time (negative: behind)
// as the calculation will read the entry's zone boxes, DST box and longitude;
// nothing while either zone box is blank or not a number.
std::optional<int> ClockAheadMinutes(const BirthEntry& entry);

// The note for a zone the user typed or took from the picker: "Clock ahead
// of UTC by 5:30", or what is missing.
QString TypedZoneNoteFor(const BirthEntry& entry);

// What the zone boxes and the DST box are set to for an atlas place's zone,
// written the way the time zone picker writes zones: a clock ahead of UTC
// as negative numbers, one behind as positive ones ("-5" and "-30" for
// India, "5" and "0" for New York); with no whole hours the minutes carry
// the sign ("0" and "-20"). The DST box is ticked only for exactly one hour
// of daylight saving, the zone boxes then holding the standard offset; any
// other saving is folded into the zone boxes. Zone plus the DST hour is
// always the true offset at that local time. A zone with no data fills
// nothing.
struct ZoneBoxes {
    QString zoneHourText;
    QString zoneMinuteText;
    bool dst = false;
    QString note;  ///< ZoneNote: the line shown under the zone.
};
ZoneBoxes ZoneBoxesFor(const ZoneAtLocalTime& zone);

}  // namespace nyra
