// The sign and nakshatra change search as it was first written: brackets
// from the Moon's least and greatest motion, then false position with the
// reference series at every step. Kept only so the tests can hold the fast
// search to it, printed minute for printed minute.
#pragma once

#include "engine/moon_detail.h"

namespace nyra::reference {

Span FalsePositionSignSpan(const EngineRecord& chart);
Span FalsePositionNakshatraSpan(const EngineRecord& chart);

}  // namespace nyra::reference
