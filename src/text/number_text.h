// The one rule for a 16-bit number wherever the program reads one: record
// lines, batch cells, the time window's minutes. Plain C++.
#pragma once

#include "base/result.h"

#include <cstdint>
#include <string_view>

namespace nyra {

// A 16-bit number as text:
//   - blanks around it are ignored;
//   - then at most one sign, '+' or '-', directly before the digits;
//   - then one or more decimal digits; leading zeros are allowed ("05" is 5,
//     "-0" is 0);
//   - nothing else: no blank after the sign or between digits, no fraction,
//     exponent, hexadecimal or digit grouping;
//   - the value lies within -32768..32767.
// A refusal quotes the trimmed text: "missing value", "\"x\" is not a whole
// number", "\"32768\" is outside -32768..32767". Its `where` is left to the
// caller, which knows the field.
Result<std::int16_t> ParseInt16(std::string_view text);

// Whether the text has the form ParseInt16 reads, whatever the value's
// size: " -5 " and "40000" have it, "", "4.5" and "- 5" do not.
bool IsWholeNumberText(std::string_view text);

// Whether the number text carries a minus sign after its blanks ("-0" and
// " -5" do): zone sizes keep it as their direction.
bool HasMinusSign(std::string_view text);

}  // namespace nyra
