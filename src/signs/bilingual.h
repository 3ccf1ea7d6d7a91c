// Length measure for the Bilingual tables of the sign texts. Internal to
// src/signs.
#pragma once

#include "base/language.h"

#include <cstddef>
#include <string_view>

namespace nyra::signs_detail {

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

}  // namespace nyra::signs_detail
