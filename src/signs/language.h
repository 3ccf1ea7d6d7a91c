// The languages the sign texts and the names beside them are written in.
// Plain C++.
#pragma once

#include <array>

namespace nyra {

enum class Language { English, Hindi };

// Every language, for code that walks them all (tests, a language menu).
inline constexpr auto kLanguages = std::to_array({Language::English, Language::Hindi});

} // namespace nyra
