// What the result window says of the precise second opinion: one line, a
// notice when it puts the Moon in another sign than the one described, and
// a tool tip on where the figure came from. Plain C++ (UTF-8).
#pragma once

#include "base/language.h"
#include "precise/precise_moon.h"

#include <string>
#include <string_view>

namespace nyra {

struct PreciseTexts {
    std::string line;     ///< "Precise position: 0° 38′ 01″ in Thula (Swiss Ephemeris, Lahiri) — same sign."
    std::string notice;   ///< Empty when both give the same sign or nothing could be computed.
    std::string toolTip;  ///< Where the figure came from, or the library's reason.
};

// `describedSign` is the Rashi name the descriptions are for, in English as
// the engine spells it ("Thula"); the texts name it in `language`. In Hindi
// the line reads "सटीक स्थिति: तुला राशि में 0° 38′ 01″ (Swiss Ephemeris,
// लाहिड़ी) — वही राशि।". The library's own reason for a failure is passed on
// as it came, in English.
PreciseTexts DescribePrecise(const PreciseMoon& moon, std::string_view describedSign,
                             Language language = Language::English);
// The same for `moon` with any ayanamsa, checked against `lahiri`, the same
// instant with Lahiri, the ayanamsa of the program's formula: the formula is
// blamed only where `lahiri` differs from it; where only `moon` does, the
// notice says the ayanamsa is what differs ("With Fagan/Bradley the Moon is
// in Vrishabha; the ayanamsa is what differs. ...").
PreciseTexts DescribePrecise(const PreciseMoon& moon, const PreciseMoon& lahiri, std::string_view describedSign,
                             Language language = Language::English);

}  // namespace nyra
