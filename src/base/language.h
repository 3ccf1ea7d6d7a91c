// The languages the program writes its texts in, and a text kept in each of
// them. Every core library that words something for people takes a
// Language, English by default. Plain C++.
#pragma once

#include <array>

namespace nyra {

enum class Language { English, Hindi };

// Every language, for code that walks them all (tests, a language menu).
inline constexpr auto kLanguages = std::to_array({Language::English, Language::Hindi});

// A text, or a row of texts, in each language, the Hindi kept beside the
// English it renders so that the two are read, reviewed and changed
// together.
template <typename T>
struct Bilingual {
    T english;
    T hindi;

    constexpr const T& operator[](Language language) const {
        return language == Language::Hindi ? hindi : english;
    }
};

} // namespace nyra
