// The program-wide records: the birth data of the last calculation, the
// chart computed from it and the description of its Moon sign. They live
// for the whole run and every calculation overwrites them.
#pragma once

#include "engine/ephemeris.h"
#include "signs/rashi_information.h"

namespace nyra {

struct ProgramState {
    BirthRecord birth;
    EngineRecord chart;
    SignDescription description;
};

ProgramState& Program();

} // namespace nyra
