// A strict reader of the batch tool's JSON lines, for its tests and its
// fuzzer: one object whose values are strings or numbers, as RFC 8259 spells
// them, in valid UTF-8. Anything else in a line is a fault of the writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nyra::batch_testing {

struct JsonValue {
    bool isNumber = false;
    std::string text;  ///< A number as written; a string decoded to UTF-8.
};
using JsonObject = std::vector<std::pair<std::string, JsonValue>>;

class JsonLineReader {
public:
    explicit JsonLineReader(std::string_view line) : rest_(line) {}

    // The object in the line, or nothing with why in error().
    std::optional<JsonObject> Object() {
        JsonObject object;
        if (!Take('{')) return Fail("no '{'");
        if (!Take('}')) {
            do {
                std::optional<std::string> key = String();
                if (!key) return std::nullopt;
                if (!Take(':')) return Fail("no ':' after a key");
                std::optional<JsonValue> value = Value();
                if (!value) return std::nullopt;
                object.emplace_back(std::move(*key), std::move(*value));
            } while (Take(','));
            if (!Take('}')) return Fail("no '}' or ','");
        }
        if (!rest_.empty()) return Fail("bytes after the object");
        return object;
    }
    const std::string& error() const { return error_; }

private:
    std::nullopt_t Fail(const std::string& why) {
        if (error_.empty()) error_ = why + " at \"" + std::string(rest_.substr(0, 20)) + "\"";
        return std::nullopt;
    }
    bool Take(char c) {
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    bool TakeDigits() {
        std::size_t n = 0;
        while (n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9') ++n;
        rest_.remove_prefix(n);
        return n > 0;
    }

    std::optional<JsonValue> Value() {
        if (!rest_.empty() && rest_.front() == '"') {
            std::optional<std::string> text = String();
            if (!text) return std::nullopt;
            return JsonValue{false, std::move(*text)};
        }
        const std::string_view start = rest_;
        Take('-');
        if (!Take('0') && !(!rest_.empty() && rest_.front() >= '1' && rest_.front() <= '9' && TakeDigits()))
            return Fail("neither a string nor a number");
        if (Take('.') && !TakeDigits()) return Fail("no digits after '.'");
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!TakeDigits()) return Fail("no digits in the exponent");
        }
        return JsonValue{true, std::string(start.substr(0, start.size() - rest_.size()))};
    }

    static void AppendUtf8(std::string& out, char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    std::optional<char32_t> Hex4() {
        if (rest_.size() < 4) return std::nullopt;
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = rest_[static_cast<std::size_t>(i)];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<char32_t>(digit);
        }
        rest_.remove_prefix(4);
        return value;
    }

    // Bytes of the well-formed UTF-8 character at the front, or 0.
    std::size_t Utf8Length() const {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(rest_[i]); };
        const std::uint8_t lead = byte(0);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || rest_.size() < length) return 0;
        for (std::size_t i = 1; i < length; ++i)
            if ((byte(i) & 0xC0) != 0x80) return 0;
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) || (lead == 0xF0 && byte(1) < 0x90) ||
            (lead == 0xF4 && byte(1) > 0x8F))
            return 0;
        return length;
    }

    std::optional<std::string> String() {
        if (!Take('"')) return Fail("no string");
        std::string text;
        while (!Take('"')) {
            if (rest_.empty()) return Fail("an unended string");
            const char c = rest_.front();
            if (static_cast<std::uint8_t>(c) < 0x20) return Fail("a raw control character");
            if (c != '\\') {
                const std::size_t length = Utf8Length();
                if (length == 0) return Fail("bytes that are not UTF-8");
                text += rest_.substr(0, length);
                rest_.remove_prefix(length);
                continue;
            }
            rest_.remove_prefix(1);
            if (rest_.empty()) return Fail("an unended escape");
            const char escaped = rest_.front();
            rest_.remove_prefix(1);
            switch (escaped) {
            case '"':
            case '\\':
            case '/': text += escaped; break;
            case 'b': text += '\b'; break;
            case 'f': text += '\f'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 't': text += '\t'; break;
            case 'u': {
                std::optional<char32_t> c1 = Hex4();
                if (!c1) return Fail("a bad \\u escape");
                if (*c1 >= 0xD800 && *c1 <= 0xDBFF) {
                    if (!Take('\\') || !Take('u')) return Fail("a lone high surrogate");
                    std::optional<char32_t> c2 = Hex4();
                    if (!c2 || *c2 < 0xDC00 || *c2 > 0xDFFF) return Fail("a lone high surrogate");
                    *c1 = 0x10000 + ((*c1 - 0xD800) << 10) + (*c2 - 0xDC00);
                } else if (*c1 >= 0xDC00 && *c1 <= 0xDFFF) {
                    return Fail("a lone low surrogate");
                }
                AppendUtf8(text, *c1);
                break;
            }
            default: return Fail("an unknown escape");
            }
        }
        return text;
    }

    std::string_view rest_;
    std::string error_;
};

inline std::optional<JsonObject> ReadJsonLine(std::string_view line, std::string* error = nullptr) {
    JsonLineReader reader(line);
    std::optional<JsonObject> object = reader.Object();
    if (!object && error) *error = reader.error();
    return object;
}

}  // namespace nyra::batch_testing
