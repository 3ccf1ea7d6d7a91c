// The line under the main window's zone frame: what the zone boxes, the DST
// box and the longitude will make of the clock time when the chart is
// calculated. QtCore only, so the reading can be checked against the engine.
#pragma once

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

} // namespace nyra
