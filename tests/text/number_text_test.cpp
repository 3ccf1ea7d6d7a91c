#include "text/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace nyra {
namespace {

struct NumberTextCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> value;
    const char* reason;  ///< When refused.
};
void PrintTo(const NumberTextCase& c, std::ostream* os) { *os << c.name; }

class NumberText : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberText, FollowsTheOneRule) {
    const Result<std::int16_t> parsed = ParseInt16(GetParam().text);
    ASSERT_EQ(parsed.ok(), GetParam().value.has_value()) << (parsed ? "" : parsed.problem().reason);
    if (parsed) {
        EXPECT_EQ(*parsed, *GetParam().value);
    } else {
        EXPECT_EQ(parsed.problem(), (Problem{"", GetParam().reason}));
    }
    // The form alone: taken, or refused for its size only.
    const bool tooLarge = std::string_view(GetParam().reason).find(" is outside ") != std::string_view::npos;
    EXPECT_EQ(IsWholeNumberText(GetParam().text), parsed.ok() || tooLarge);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Text, NumberText,
    ::testing::Values(
        NumberTextCase{"Plain", "7", 7, ""},
        NumberTextCase{"LeadingZeros", "05", 5, ""},
        NumberTextCase{"PlusSign", "+8", 8, ""},
        NumberTextCase{"MinusZero", "-0", 0, ""},
        NumberTextCase{"BlanksAround", " \t12 \t", 12, ""},
        NumberTextCase{"BlanksBeforeAMinus", " \t-12", -12, ""},
        NumberTextCase{"Lowest", "-32768", -32768, ""},
        NumberTextCase{"Highest", "+032767", 32767, ""},
        NumberTextCase{"Empty", "", std::nullopt, "missing value"},
        NumberTextCase{"OnlyBlanks", " \t ", std::nullopt, "missing value"},
        NumberTextCase{"Word", "March", std::nullopt, "\"March\" is not a whole number"},
        NumberTextCase{"Fraction", " 5.5 ", std::nullopt, "\"5.5\" is not a whole number"},
        NumberTextCase{"BlankAfterSign", "- 5", std::nullopt, "\"- 5\" is not a whole number"},
        NumberTextCase{"BlankInside", "1 3", std::nullopt, "\"1 3\" is not a whole number"},
        NumberTextCase{"TwoSigns", "+-5", std::nullopt, "\"+-5\" is not a whole number"},
        NumberTextCase{"LoneSign", "-", std::nullopt, "\"-\" is not a whole number"},
        NumberTextCase{"Exponent", "1e3", std::nullopt, "\"1e3\" is not a whole number"},
        NumberTextCase{"Hexadecimal", "0x1F", std::nullopt, "\"0x1F\" is not a whole number"},
        NumberTextCase{"NotUtf8", "1\x80", std::nullopt, "\"1\\x80\" is not a whole number"},
        NumberTextCase{"JustAbove", "32768", std::nullopt, "\"32768\" is outside -32768..32767"},
        NumberTextCase{"JustBelow", "-32769", std::nullopt, "\"-32769\" is outside -32768..32767"},
        NumberTextCase{"ManyDigits", "99999999999999999999999", std::nullopt,
                       "\"99999999999999999999999\" is outside -32768..32767"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The sign is what a zone size keeps as its direction, so it must be seen
// past blanks and on a zero.
TEST(HasMinusSign, SeesTheSignAfterBlanksAndOnZero) {
    for (const char* text : {"-0", " -0", "\t-5 ", "-00"}) EXPECT_TRUE(HasMinusSign(text)) << text;
    for (const char* text : {"0", "+0", " 5", "", " ", "5-"}) EXPECT_FALSE(HasMinusSign(text)) << text;
}

}  // namespace
}  // namespace nyra
