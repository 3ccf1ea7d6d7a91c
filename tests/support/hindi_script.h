// How the program's Hindi is written, checked the same way for the sign
// texts and for the sentences: Devanagari, spelled one way. Plain C++.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nyra::test {

// The code points of a UTF-8 text, or nothing when it is not well-formed
// (a stray byte, a cut sequence, an overlong form, a surrogate).
inline std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || text.size() - i < length) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3Fu);
        }
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        codePoints.push_back(c);
        i += length;
    }
    return codePoints;
}

inline bool IsLatinLetter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }

inline bool IsDevanagariConsonant(char32_t c) { return c >= U'क' && c <= U'ह'; }

// क़ ख़ ग़ ज़ ड़ ढ़ फ़ य़ as single code points: text typed that way spells a word
// differently, byte for byte, from the letter followed by the nukta (the
// normal form, and what these texts use), so the two never compare equal.
inline bool IsNuktaLetterInOneCodePoint(char32_t c) { return c >= 0x958 && c <= 0x95F; }

// A nasal before a consonant of its own class, from ट to न and प to म, is
// a half letter here, as in the names चन्द्र, कुम्भ, सितम्बर; an anusvara
// there (चंद्र) would spell the same word a second way. After a vowel sign
// above the line (नींद, में, ऐंठन) the dot marks a nasal vowel and stays.
inline bool IsAnusvaraForAHalfNasal(const std::u32string& s, std::size_t i) {
    if (s[i] != U'ं' || i == 0 || i + 1 == s.size()) return false;
    const char32_t before = s[i - 1], after = s[i + 1];
    const bool afterConsonantSound = IsDevanagariConsonant(before) || before == U'ि' || before == U'ु' ||
                                     before == U'अ' || before == U'इ' || before == U'उ';
    const bool ownClass = (after >= U'ट' && after <= U'न') || (after >= U'प' && after <= U'म');
    return afterConsonantSound && ownClass;
}

inline std::string CodePointName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// What is wrong with how a Hindi text is written, one line each, or
// nothing: not UTF-8, empty, blanks at either end, a Latin letter, a
// character that is neither Devanagari nor one of `alsoAllowed`, a letter
// with its nukta in one code point, an anusvara for a half nasal.
inline std::vector<std::string> HindiWritingFaults(std::string_view text, std::u32string_view alsoAllowed) {
    std::vector<std::string> faults;
    const std::optional<std::u32string> codePoints = DecodeUtf8(text);
    if (!codePoints) return {"not UTF-8"};
    if (codePoints->empty()) return {"empty"};
    if (codePoints->front() == U' ' || codePoints->back() == U' ') faults.push_back("blank at an end");
    for (std::size_t i = 0; i < codePoints->size(); ++i) {
        const char32_t c = (*codePoints)[i];
        if (IsLatinLetter(c)) {
            faults.push_back(std::string("Latin letter '") + static_cast<char>(c) + "'");
        } else if (IsNuktaLetterInOneCodePoint(c)) {
            faults.push_back(CodePointName(c) + ": write the letter and then the nukta");
        } else if (!(c >= 0x900 && c <= 0x97F) && alsoAllowed.find(c) == std::u32string_view::npos) {
            faults.push_back("character " + CodePointName(c));
        }
        if (IsAnusvaraForAHalfNasal(*codePoints, i))
            faults.push_back("anusvara before " + CodePointName((*codePoints)[i + 1]) + ": write a half nasal");
    }
    return faults;
}

}  // namespace nyra::test
