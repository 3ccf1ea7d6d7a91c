// Helpers shared by the sign knowledge base tests.
#pragma once

#include "base/language.h"
#include "signs/rashi_information.h"

#include "../support/hindi_script.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

inline void PrintTo(Language language, std::ostream* os) { *os << (language == Language::Hindi ? "Hindi" : "English"); }

}  // namespace nyra

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

inline constexpr std::array<std::string_view, 5> kParagraphFields = {"Looks", "Nature", "CareerAndFinance",
                                                                     "LoveAndDomesticLife", "Health"};

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
    const auto stops = language == Language::Hindi ? std::array<std::string_view, 3>{kDanda, "!", "?"}
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

using test::DecodeUtf8;

}  // namespace nyra::testing_support
