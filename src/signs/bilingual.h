// A text, or a row of texts, in each language, the Hindi kept beside the
// English it renders so that the two are read, reviewed and changed
// together. Internal to src/signs.
#pragma once

#include "signs/language.h"

#include <cstddef>
#include <string_view>

namespace nyra::signs_detail {

template <typename T>
struct Bilingual {
    T english;
    T hindi;

    constexpr const T& operator[](Language language) const {
        return language == Language::Hindi ? hindi : english;
    }
};

// Characters (code points), not bytes: a Devanagari letter or vowel sign
// takes three bytes of UTF-8, so byte counts would put the two languages
// on different scales.
constexpr std::size_t CodePoints(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

} // namespace nyra::signs_detail
