// Blanks around a text, trimmed one way wherever the program reads text of
// its own (position texts, record lines, batch cells). Plain C++.
#pragma once

#include <string_view>

namespace nyra {

// Blanks are spaces and tabs; nothing else is trimmed.
constexpr std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace nyra
