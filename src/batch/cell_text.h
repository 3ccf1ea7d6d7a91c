// Numbers as the batch tool writes them into its cells, appended to the
// line being built: to_chars instead of printf, which costs several times
// as much on a row of a dozen numbers.
#pragma once

#include "engine/moon_detail.h"

#include <string>

namespace nyra {

// As printf's "%.17g" writes it (the tool's cells have always been written
// that way, and 17 significant digits read back as the very same double).
void AppendRoundTrip(std::string& line, double value);

// A whole number in decimal.
void AppendWhole(std::string& line, long long value);

// Six decimals, rounded to the nearest as printf's "%.6f" does.
void AppendSixDecimals(std::string& line, double value);

// A longitude of 0..360 degrees to six decimals, cut rather than rounded and
// kept inside `sign` (0..11), the sign the caller names beside it:
// 179.9999996 in Kanya reads 179.999999, never 180.000000 (the first degree
// of Thula).
void AppendLongitudeSixDecimals(std::string& line, double longitudeDeg, int sign);

// A clock time as FormatIsoMinute writes it, "2000-01-02 09:51".
void AppendIsoMinute(std::string& line, const LocalTime& t);

}  // namespace nyra
