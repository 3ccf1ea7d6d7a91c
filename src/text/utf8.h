// The one test of well-formed UTF-8, which the quoting of echoed input and
// the batch tool's JSON strings share. In the header, so that the batch
// tool's per-byte loop keeps it inlined. Plain C++.
#pragma once

#include <cstddef>
#include <string_view>

namespace nyra {

// Bytes of the well-formed UTF-8 sequence at the start of `text`, or 0 when
// it is empty or its first byte begins none. The second byte's range
// depends on the first, as the Unicode standard's table of well-formed
// sequences gives it, which rules out overlong forms, surrogates and
// anything past U+10FFFF.
constexpr std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto inRange = [](unsigned char b, unsigned char first, unsigned char last) {
        return b >= first && b <= last;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char secondFirst = 0x80;
    unsigned char secondLast = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        if (lead == 0xE0) secondFirst = 0xA0;
        if (lead == 0xED) secondLast = 0x9F;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) secondFirst = 0x90;
        if (lead == 0xF4) secondLast = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || !inRange(byte(1), secondFirst, secondLast)) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!inRange(byte(i), 0x80, 0xBF)) return 0;
    return length;
}

}  // namespace nyra
