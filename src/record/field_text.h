// The text of one field, read the same way by the record reader, the batch
// tool and the main window's open: blanks, 16-bit numbers, and input quoted
// in messages. Plain C++.
#pragma once

#include "engine/blanks.h"
#include "engine/ephemeris.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {

// One rule for a 16-bit number wherever the program reads one:
//   - blanks around it are ignored;
//   - then at most one sign, '+' or '-', directly before the digits;
//   - then one or more decimal digits; leading zeros are allowed ("05" is 5,
//     "-0" is 0);
//   - nothing else: no blank after the sign or between digits, no fraction,
//     exponent, hexadecimal or digit grouping;
//   - the value lies within kInt16Min..kInt16Max.
// On failure `reason` (when given) says why, quoting the trimmed text:
// "missing value", "\"x\" is not a whole number",
// "\"32768\" is outside -32768..32767".
std::optional<std::int16_t> ParseInt16(std::string_view text, std::string* reason = nullptr);

// Whether the number text carries a minus sign ("-0" does): zone sizes keep
// it as their direction.
bool HasMinusSign(std::string_view text);

// Input shown in a message is cut to this many bytes, so a huge or binary
// line cannot flood the screen or a log.
inline constexpr std::size_t kQuotedInputBytes = 60;

// `text` in double quotes for a message: at most kQuotedInputBytes bytes (cut
// on a UTF-8 character boundary, "..." marking the cut) with control bytes
// written as \r, \n, \t or \xNN, never raw.
std::string QuoteInput(std::string_view text);

} // namespace nyra
