// One calculation, carried whole from the entry to every output: the birth
// as entered, where its place came from, how well its time is known, and
// everything computed from them. The result window, the report, a saved
// record, the printed page and the PDF all show this one value. Plain C++.
#pragma once

#include "calculation/birth_place.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "precise/precise_moon.h"
#include "signs/rashi_information.h"

#include <optional>
#include <string>

namespace nyra {

// The Moon at birth beyond its sign.
struct MoonDetails {
    Nakshatra nakshatra;
    Span sign;           ///< The sign's entry and exit.
    Span nakshatraSpan;  ///< The nakshatra's entry and exit.
};

struct Calculation {
    BirthRecord birth;
    BirthPlace place;
    TimeWindow timeKnown;
    EngineRecord chart;
    MoonDetails moon;
    /// Every sign of the stretch of time the birth may lie in; nothing for
    /// an exact time.
    std::optional<WindowResult> possibleSigns;
    /// The precise second opinion, for `preciseAyanamsa`.
    PreciseMoon precise;
    Ayanamsa preciseAyanamsa = kDefaultAyanamsa;
    /// The description of chart.RashiName.
    SignDescription description;

    bool TimeIsExact() const { return !possibleSigns.has_value(); }
};

// Everything a calculation starts from.
struct CalculationInput {
    BirthRecord birth;
    BirthPlace place;
    TimeWindow timeKnown;
    Ayanamsa preciseAyanamsa = kDefaultAyanamsa;
};

// Computes the chart, the Moon's details, the possible signs of a time not
// known exactly, the precise second opinion and the sign's description.
Calculation Calculate(const CalculationInput& input);

// The same calculation with the second opinion for another ayanamsa.
Calculation WithPreciseAyanamsa(Calculation calculation, Ayanamsa ayanamsa);

} // namespace nyra
