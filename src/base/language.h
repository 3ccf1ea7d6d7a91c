// The languages the program writes its texts in, and a text kept in each of
// them. Every core library that words something for people takes a
// Language, English by default. Plain C++.
#pragma once

#include <array>
#include <string_view>

namespace nyra {

enum class Language { English, Hindi };

// Every language, for code that walks them all (tests, a language menu).
inline constexpr auto kLanguages = std::to_array({Language::English, Language::Hindi});

// The language's ISO 639-1 code, as locales and translation files name it
// ("hi" in hi_IN and in nyra_hi.qm).
constexpr std::string_view LanguageCode(Language language) { return language == Language::Hindi ? "hi" : "en"; }

// The language's name in its own words, as a menu of languages lists it.
constexpr std::string_view LanguageOwnName(Language language) {
    return language == Language::Hindi ? "हिन्दी" : "English";
}

// A text, or a row of texts, in each language, the Hindi kept beside the
// English it renders so that the two are read, reviewed and changed
// together.
template <typename T>
struct Bilingual {
    T english;
    T hindi;

    constexpr const T& operator[](Language language) const { return language == Language::Hindi ? hindi : english; }
};

}  // namespace nyra
