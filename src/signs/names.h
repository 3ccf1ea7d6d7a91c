// The names of signs, nakshatras, planets and months in each language moved
// to engine/names.h, where the engine's own sentences reach them; this
// include keeps code that names them from the sign texts compiling.
#pragma once

#include "engine/names.h"
