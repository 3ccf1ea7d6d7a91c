#include "text/quoted_input.h"

#include <gtest/gtest.h>

#include <string>

namespace nyra {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string escaped;
};
void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class Escape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escape, KeepsPrintableUtf8AndWritesEveryOtherByteAsHex) {
    EXPECT_EQ(EscapeInput(GetParam().text), GetParam().escaped);
    EXPECT_EQ(QuoteInput(GetParam().text), "\"" + GetParam().escaped + "\"");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Text, Escape,
    ::testing::Values(
        EscapeCase{"Ascii", "Madrid, Spain", "Madrid, Spain"},
        EscapeCase{"NamesInAnyScript", "Zo\u00EB \u674E \U0001F319 \u0938\u093F",
                   "Zo\u00EB \u674E \U0001F319 \u0938\u093F"},
        EscapeCase{"BackslashStays", "a\\x41", "a\\x41"},
        EscapeCase{"ControlBytes", std::string("a\rb\x00" "c\x1b\x7f\td\n", 10), "a\\rb\\x00c\\x1b\\x7f\\td\\n"},
        EscapeCase{"TerminalEscapeSequence", "\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
        // A record unscrambled with the wrong offset gives bytes like these.
        EscapeCase{"StrayContinuationByte", "1\x80", "1\\x80"},
        EscapeCase{"LeadByteAtTheEnd", "\xC3", "\\xc3"},
        EscapeCase{"LeadByteBeforeAscii", "\xC3" "A", "\\xc3A"},
        EscapeCase{"CutThreeByteSequence", "\xE6\x9D" "x", "\\xe6\\x9dx"},
        EscapeCase{"OverlongSlash", "\xC0\xAF", "\\xc0\\xaf"},
        EscapeCase{"OverlongThreeBytes", "\xE0\x80\xAF", "\\xe0\\x80\\xaf"},
        EscapeCase{"Surrogate", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
        EscapeCase{"PastTheLastCodePoint", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
        EscapeCase{"LastCodePoint", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        EscapeCase{"FiveByteForm", "\xF8\x88\x80\x80\x80", "\\xf8\\x88\\x80\\x80\\x80"},
        EscapeCase{"C1Control", "a\u0085b", "a\\xc2\\x85b"},
        EscapeCase{"NoBreakSpaceIsPrintable", "a\u00A0b", "a\u00A0b"},
        EscapeCase{"LineSeparator", "a\u2028b", "a\\xe2\\x80\\xa8b"},
        EscapeCase{"RightToLeftOverride", "\u202Eevil", "\\xe2\\x80\\xaeevil"},
        EscapeCase{"FirstStrongIsolate", "\u2068x\u2069", "\\xe2\\x81\\xa8x\\xe2\\x81\\xa9"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Every one- and two-byte input: what comes out is printable UTF-8, so a
// second pass leaves it as it is, and no control byte or stray byte past
// 0x7F is ever let through.
TEST(Escape, NothingRawComesThroughForAnyTwoBytes) {
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string text(1, static_cast<char>(first));
            if (second >= 0) text.push_back(static_cast<char>(second));
            const std::string escaped = EscapeInput(text);
            ASSERT_EQ(EscapeInput(escaped), escaped) << first << " " << second;
            for (const char c : escaped) {
                const auto code = static_cast<unsigned char>(c);
                ASSERT_FALSE(code < 0x20 || code == 0x7F) << first << " " << second;
            }
            if (first >= 0x80 && second < 0x80) {
                EXPECT_EQ(escaped.substr(0, 2), "\\x") << first << " " << second;
            }
        }
    }
}

TEST(QuoteInput, CutsLongInputOnACharacterBoundary) {
    const std::string full(kQuotedInputBytes, 'x');
    EXPECT_EQ(QuoteInput(full), "\"" + full + "\"");
    EXPECT_EQ(QuoteInput(full + "y"), "\"" + full + "...\"");
    // 59 ASCII bytes, then a two-byte letter across the limit: it is left
    // out whole.
    const std::string across = std::string(kQuotedInputBytes - 1, 'x') + "\u00EB" + std::string(1000, 'y');
    EXPECT_EQ(QuoteInput(across), "\"" + std::string(kQuotedInputBytes - 1, 'x') + "...\"");
    // A byte that is no UTF-8 counts as one: it fits in the last place.
    const std::string stray = std::string(kQuotedInputBytes - 1, 'x') + "\x80\x80";
    EXPECT_EQ(QuoteInput(stray), "\"" + std::string(kQuotedInputBytes - 1, 'x') + "\\x80...\"");
}

}  // namespace
}  // namespace nyra
