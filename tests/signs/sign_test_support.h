// Helpers shared by the sign knowledge base tests.
#pragma once

#include "base/language.h"
#include "signs/rashi_information.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

inline void PrintTo(Language language, std::ostream* os) {
    *os << (language == Language::Hindi ? "Hindi" : "English");
}

} // namespace nyra

namespace nyra::testing_support {

// The field called `name`, or a failed assertion and an empty text when the
// field table has no such name.
inline std::string FieldText(const SignDescription& description, std::string_view name) {
    for (const SignField& field : kSignFields) {
        if (field.name == name) return description.*field.member;
    }
    ADD_FAILURE() << "no sign field named " << name;
    return {};
}

inline constexpr std::array<std::string_view, 5> kParagraphFields = {
    "Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"};

inline bool IsParagraphField(std::string_view name) {
    for (std::string_view paragraph : kParagraphFields) {
        if (paragraph == name) return true;
    }
    return false;
}

// A list text split at its ", " separators.
inline std::vector<std::string> ListItems(std::string_view list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(", ", start);
        items.emplace_back(list.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 2;
    }
}

// The Hindi full stop, the danda.
inline constexpr std::string_view kDanda = "।";

// Sentences of a paragraph: each runs to a stop (English . ! ?, Hindi the
// danda ! ?) that ends the text or is followed by blanks. The blanks
// between sentences are not part of either.
inline std::vector<std::string> Sentences(std::string_view paragraph, Language language) {
    const auto stops = language == Language::Hindi
                           ? std::array<std::string_view, 3>{kDanda, "!", "?"}
                           : std::array<std::string_view, 3>{".", "!", "?"};
    std::vector<std::string> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i < paragraph.size(); ++i) {
        for (std::string_view stop : stops) {
            const std::size_t end = i + stop.size();
            if (paragraph.substr(i, stop.size()) != stop) continue;
            if (end != paragraph.size() && paragraph[end] != ' ') continue;
            sentences.emplace_back(paragraph.substr(start, end - start));
            start = end;
            while (start < paragraph.size() && paragraph[start] == ' ') ++start;
            i = start - 1;
            break;
        }
    }
    if (start < paragraph.size()) sentences.emplace_back(paragraph.substr(start));
    return sentences;
}

// The code points of a UTF-8 text, or nothing when it is not well-formed
// (a stray byte, a cut sequence, an overlong form, a surrogate).
inline std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                 : (lead >> 3) == 0x1E ? 4 : 0;
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

} // namespace nyra::testing_support
