// Input echoed in a message, written so that it cannot garble a terminal,
// a log or a dialog: printable UTF-8 as it is, every other byte as \xNN.
// The batch tool, the record reader and the main window's open all quote
// with it. Plain C++.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nyra {

// Input shown in quotes is cut to this many of its bytes, so a huge or
// binary line cannot flood the screen or a log.
inline constexpr std::size_t kQuotedInputBytes = 60;

// `text` with every character that is well-formed UTF-8 and printable kept
// as it is, and every other byte written as \xNN (lower-case hex): control
// characters (C0, DEL, C1), the line and paragraph separators and the
// bidirectional controls that reorder what follows, and bytes that are not
// UTF-8 (a stray 0x80, a cut or overlong sequence, a surrogate). CR, LF and
// tab are written \r, \n and \t, as they are the common ones. Nothing is
// cut, and a backslash stays as it is. The result is always valid UTF-8
// without control characters; a text it leaves unchanged is one a message
// may show as it is.
std::string EscapeInput(std::string_view text);

// `text` escaped as above in double quotes, for a message: at most
// kQuotedInputBytes bytes of it, cut on a character boundary, "..." marking
// the cut.
std::string QuoteInput(std::string_view text);

}  // namespace nyra
