// The calculation choices the program remembers between runs (QSettings).
#pragma once

#include "basis/moon_basis.h"
#include "precise/precise_moon.h"

namespace nyra {

// The person's ayanamsa (the Precise basis's, and the precise second
// opinion's on the Classic basis), and the basis they calculate with. A
// missing or unknown setting (an older or hand-edited file) means the
// default: Lahiri, and the classic formula.
Ayanamsa RememberedAyanamsa();
void RememberAyanamsa(Ayanamsa ayanamsa);
BasisKind RememberedBasis();
void RememberBasis(BasisKind basis);

}  // namespace nyra
