// One calculation, carried whole from the entry to every output: the birth
// as entered, where its place came from, how well its time is known, and
// everything computed from them. The result window, the report, a saved
// record, the printed page and the PDF all show this one value. Plain C++.
#pragma once

#include "base/result.h"
#include "basis/moon_basis.h"
#include "calculation/birth_place.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "engine/zone_clock.h"
#include "precise/precise_moon.h"
#include "signs/rashi_information.h"

#include <optional>
#include <string>

namespace nyra {

struct Calculation {
    BirthRecord birth;
    BirthPlace place;
    TimeWindow timeKnown;
    /// The atlas zone's clock around the birth, on which the sign's and the
    /// nakshatra's change times are read; empty for a typed zone, whose
    /// offset they keep.
    ZoneClock clock = {};
    /// What every figure the windows name comes from: the classic formula,
    /// or Swiss Ephemeris with the chosen ayanamsa.
    Basis basis;
    /// The person's ayanamsa: the Precise basis's, and on the Classic basis
    /// the one of the precise second opinion.
    Ayanamsa ayanamsa = kDefaultAyanamsa;
    /// The classic formula's run: the birth instant and its clock on either
    /// basis, and the formula's own figure, the second opinion on Precise.
    EngineRecord chart;
    /// The Moon on `basis`: position, sign, nakshatra and their changes.
    MoonReading moon;
    /// Every sign of the stretch of time the birth may lie in, on `basis`;
    /// nothing for an exact time.
    std::optional<WindowResult> possibleSigns;
    /// Swiss Ephemeris for `ayanamsa`: the second opinion on Classic.
    PreciseMoon precise;
    /// Swiss Ephemeris with Lahiri, the classic formula's own ayanamsa: what
    /// the formula is checked against, so that a difference of ayanamsas is
    /// never taken for the formula's. `precise` again when that is Lahiri.
    PreciseMoon preciseLahiri;
    /// The description of the sign on `basis`.
    SignDescription description;

    /// "Mesha" .. "Meena": the sign on `basis`.
    std::string RashiName() const { return std::string(moon.rashiName); }
    bool TimeIsExact() const { return !possibleSigns.has_value(); }
    /// Some figure of the Precise basis came from the library's Moshier
    /// fallback, its files being missing.
    bool UsedMoshier() const { return moon.library.usedMoshier; }
};

// Everything a calculation starts from.
struct CalculationInput {
    BirthRecord birth;
    BirthPlace place;
    TimeWindow timeKnown;
    BasisKind basis = BasisKind::Classic;
    Ayanamsa ayanamsa = kDefaultAyanamsa;
    ZoneClock clock = {};  ///< ZoneClockAround (atlas/atlas.h) for an atlas zone.
};

// Computes the Moon on the chosen basis with its details, the possible signs
// of a time not known exactly, the second opinion and the sign's
// description. Fails only where Swiss Ephemeris cannot compute the Moon.
Result<Calculation> Calculate(const CalculationInput& input);

// What `calculation` was made from.
CalculationInput InputOf(const Calculation& calculation);

// The same calculation for another ayanamsa: on the Precise basis
// everything anew, on the Classic basis the second opinion.
Result<Calculation> WithAyanamsa(const Calculation& calculation, Ayanamsa ayanamsa);

}  // namespace nyra
