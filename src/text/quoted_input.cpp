#include "text/quoted_input.h"

#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace nyra {
namespace {

// Characters that are well-formed but not shown as they are: the line and
// paragraph separators, which end a line, and the marks and embeddings that
// reorder the text after them, so that a message could read other than it
// is. C0, DEL and C1 are tested by their ranges.
constexpr auto kHiddenCharacters = std::to_array<char32_t>({
    U'\u061C',                                              // Arabic letter mark
    U'\u200E', U'\u200F',                                   // left-to-right and right-to-left marks
    U'\u2028', U'\u2029',                                   // line and paragraph separators
    U'\u202A', U'\u202B', U'\u202C', U'\u202D', U'\u202E',  // embeddings and overrides
    U'\u2066', U'\u2067', U'\u2068', U'\u2069',             // isolates
});
static_assert(kHiddenCharacters.size() == 14);

bool IsPrintable(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
    return std::find(kHiddenCharacters.begin(), kHiddenCharacters.end(), c) == kHiddenCharacters.end();
}

// One step through the text: a character and its bytes, or a single byte
// that begins no well-formed UTF-8 sequence.
struct Unit {
    std::size_t bytes = 1;
    bool wellFormed = false;
    char32_t character = 0;
};

// The character of a well-formed sequence: the lead byte's bits below its
// length marker, then six bits from each continuation byte.
Unit NextUnit(std::string_view text) {
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0) return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        character = (character << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return {length, true, character};
}

void AppendEscaped(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char c : bytes) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            const auto code = static_cast<unsigned char>(c);
            out += "\\x";
            out.push_back(kHex[code >> 4]);
            out.push_back(kHex[code & 0xF]);
        }
    }
}

// Escapes units of `text` while they fit within `limit` input bytes;
// returns how many bytes were taken.
std::size_t AppendUnits(std::string& out, std::string_view text, std::size_t limit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const Unit unit = NextUnit(text.substr(at));
        if (at + unit.bytes > limit) break;
        const std::string_view bytes = text.substr(at, unit.bytes);
        if (unit.wellFormed && IsPrintable(unit.character)) {
            out += bytes;
        } else {
            AppendEscaped(out, bytes);
        }
        at += unit.bytes;
    }
    return at;
}

}  // namespace

std::string EscapeInput(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendUnits(escaped, text, text.size());
    return escaped;
}

std::string QuoteInput(std::string_view text) {
    std::string quoted(1, '"');
    if (AppendUnits(quoted, text, kQuotedInputBytes) < text.size()) quoted += "...";
    quoted.push_back('"');
    return quoted;
}

}  // namespace nyra
