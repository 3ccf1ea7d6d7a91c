#include "text/fill_in.h"

#include <cstddef>

namespace nyra {

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const int number = pattern[i + 1] - '0';
            if (number >= 1 && number <= static_cast<int>(values.size())) {
                text += values.begin()[number - 1];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

}  // namespace nyra
