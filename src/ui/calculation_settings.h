// The calculation choices the program remembers between runs (QSettings).
#pragma once

#include "precise/precise_moon.h"

namespace nyra {

// The ayanamsa of the precise second opinion; the default when none was
// stored or the stored one is unknown (an older or hand-edited file).
Ayanamsa RememberedAyanamsa();
void RememberAyanamsa(Ayanamsa ayanamsa);

} // namespace nyra
