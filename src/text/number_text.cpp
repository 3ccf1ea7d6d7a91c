#include "text/number_text.h"

#include "text/blanks.h"
#include "text/quoted_input.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace nyra {
namespace {

constexpr long kLowest = std::numeric_limits<std::int16_t>::min();
constexpr long kHighest = std::numeric_limits<std::int16_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Result<std::int16_t> ParseInt16(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return Problem{{}, "missing value"};
    if (!IsWholeNumberText(trimmed)) return Problem{{}, QuoteInput(trimmed) + " is not a whole number"};

    std::string_view digits = trimmed;
    const bool negative = digits.front() == '-';
    if (negative || digits.front() == '+') digits.remove_prefix(1);
    long magnitude = 0;
    for (const char c : digits) {
        // Stops growing once past any 16-bit size, so no count of digits
        // can overflow.
        if (magnitude <= kHighest + 1) magnitude = magnitude * 10 + (c - '0');
    }
    const long value = negative ? -magnitude : magnitude;
    if (value < kLowest || value > kHighest) {
        return Problem{
            {}, QuoteInput(trimmed) + " is outside " + std::to_string(kLowest) + ".." + std::to_string(kHighest)};
    }
    return static_cast<std::int16_t>(value);
}

bool IsWholeNumberText(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit);
}

bool HasMinusSign(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    return !trimmed.empty() && trimmed.front() == '-';
}

}  // namespace nyra
