// The calculation choices the program remembers between runs (QSettings).
#pragma once

#include "basis/moon_basis.h"
#include "precise/precise_moon.h"

namespace nyra {

// The person's two ayanamsas, chosen apart: the Swiss Ephemeris basis's,
// on the main window (and on the result window of that basis), and the
// precise second opinion's on the classic basis, on the result window. And
// the basis they calculate with. A missing or unknown setting (an older or
// hand-edited file) means the default: Lahiri, and the classic formula.
enum class AyanamsaUse { Basis, SecondOpinion };
Ayanamsa RememberedAyanamsa(AyanamsaUse use = AyanamsaUse::Basis);
void RememberAyanamsa(Ayanamsa ayanamsa, AyanamsaUse use = AyanamsaUse::Basis);
BasisKind RememberedBasis();
void RememberBasis(BasisKind basis);

}  // namespace nyra
