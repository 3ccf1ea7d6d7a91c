#include "record/field_text.h"

#include <cstdio>

namespace nyra {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::optional<std::int16_t> ParseInt16(std::string_view text, std::string* reason) {
    const std::string_view trimmed = TrimBlanks(text);
    const auto fail = [&](std::string why) -> std::optional<std::int16_t> {
        if (reason != nullptr) *reason = std::move(why);
        return std::nullopt;
    };
    if (trimmed.empty()) return fail("missing value");

    std::string_view digits = trimmed;
    const bool negative = digits.front() == '-';
    if (negative || digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return fail(QuoteInput(trimmed) + " is not a whole number");

    long magnitude = 0;
    for (const char c : digits) {
        if (!IsDigit(c)) return fail(QuoteInput(trimmed) + " is not a whole number");
        // Stops growing once past any 16-bit size, so no count of digits
        // can overflow.
        if (magnitude <= kInt16Max + 1L) magnitude = magnitude * 10 + (c - '0');
    }
    const long value = negative ? -magnitude : magnitude;
    if (value < kInt16Min || value > kInt16Max) {
        return fail(QuoteInput(trimmed) + " is outside " + std::to_string(kInt16Min) + ".." +
                    std::to_string(kInt16Max));
    }
    return static_cast<std::int16_t>(value);
}

bool HasMinusSign(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    return !trimmed.empty() && trimmed.front() == '-';
}

std::string QuoteInput(std::string_view text) {
    bool cut = false;
    if (text.size() > kQuotedInputBytes) {
        std::size_t end = kQuotedInputBytes;
        while (end > 0 && IsUtf8Continuation(text[end])) --end;
        text = text.substr(0, end);
        cut = true;
    }
    std::string quoted(1, '"');
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (code < 0x20 || code == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", code);
            quoted += escaped;
        } else {
            quoted.push_back(c);
        }
    }
    if (cut) quoted += "...";
    quoted.push_back('"');
    return quoted;
}

} // namespace nyra
