// Language moved to base/language.h, where every core library reaches it;
// this include keeps code that names it from the sign texts compiling.
#pragma once

#include "base/language.h"
