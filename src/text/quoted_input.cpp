#include "text/quoted_input.h"

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
    U'\u061C',                                                  // Arabic letter mark
    U'\u200E', U'\u200F',                                       // left-to-right and right-to-left marks
    U'\u2028', U'\u2029',                                       // line and paragraph separators
    U'\u202A', U'\u202B', U'\u202C', U'\u202D', U'\u202E',      // embeddings and overrides
    U'\u2066', U'\u2067', U'\u2068', U'\u2069',                 // isolates
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

bool InRange(unsigned char byte, unsigned char first, unsigned char last) { return byte >= first && byte <= last; }

// Well-formed sequences as the Unicode standard's table of them gives them:
// the second byte's range depends on the first, which rules out overlong
// forms, surrogates and anything past U+10FFFF.
Unit NextUnit(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {1, true, lead};

    std::size_t length = 0;
    unsigned char secondFirst = 0x80;
    unsigned char secondLast = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        if (lead == 0xE0) secondFirst = 0xA0;
        if (lead == 0xED) secondLast = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) secondFirst = 0x90;
        if (lead == 0xF4) secondLast = 0x8F;
    } else {
        return {};
    }
    if (text.size() < length || !InRange(byte(1), secondFirst, secondLast)) return {};
    char32_t character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!InRange(byte(i), 0x80, 0xBF)) return {};
        character = (character << 6) | (byte(i) & 0x3F);
    }
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

} // namespace

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

} // namespace nyra
