// The program-wide records: the birth data of the last calculation, the
// chart computed from it and the description of its Moon sign, and how well
// the birth time was known. They live for the whole run and every
// calculation overwrites them.
#pragma once

#include "engine/ephemeris.h"
#include "engine/time_window.h"
#include "signs/rashi_information.h"

#include <string>

namespace nyra {

struct ProgramState {
    BirthRecord birth;
    EngineRecord chart;
    SignDescription description;
    // The place names typed for the calculation ("City, State, Country");
    // empty when none were, or when the entry came from a saved record,
    // which keeps no names. Shown only, never calculated with.
    std::string birthPlace;
    // The main window's "Time known" choice. Kept out of `birth`, which is
    // exactly what a record file holds: the file knows nothing of it.
    TimeWindow timeWindow;
};

ProgramState& Program();

} // namespace nyra
