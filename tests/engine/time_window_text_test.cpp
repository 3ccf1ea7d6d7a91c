#include "engine/time_window_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nyra {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<TimeWindow> window;
    std::string reason;  ///< When refused.
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class TimeWindowWords : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TimeWindowWords, AreMinutesByTheNumberRuleOrDay) {
    const Result<TimeWindow> parsed = ParseTimeWindowMinutes(GetParam().text);
    ASSERT_EQ(parsed.ok(), GetParam().window.has_value()) << (parsed ? "" : parsed.problem().reason);
    if (parsed) {
        EXPECT_EQ(*parsed, *GetParam().window);
    } else {
        EXPECT_EQ(parsed.problem(), (Problem{"", GetParam().reason}));
    }
}

const std::string kOutside = " is outside 0..720 minutes (day stands for an unknown time)";
const std::string kNeither = " is neither a whole number of minutes nor day";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Words, TimeWindowWords,
    ::testing::Values(
        ParseCase{"ZeroIsExact", "0", TimeWindow::Exact(), ""},
        ParseCase{"MinusZeroIsExact", "-0", TimeWindow::Exact(), ""},
        ParseCase{"BlanksAround", " \t15 ", TimeWindow::PlusMinus(15), ""},
        ParseCase{"SignAndZeros", "+0060", TimeWindow::PlusMinus(60), ""},
        ParseCase{"Widest", "720", TimeWindow::PlusMinus(720), ""},
        ParseCase{"Day", "\tday ", TimeWindow::WholeDay(), ""},
        ParseCase{"Empty", " ", std::nullopt, "missing value (minutes 0..720, or day)"},
        ParseCase{"TooWide", "721", std::nullopt, "\"721\"" + kOutside},
        ParseCase{"Negative", "-5", std::nullopt, "\"-5\"" + kOutside},
        ParseCase{"PastSixteenBits", "99999999999", std::nullopt, "\"99999999999\"" + kOutside},
        ParseCase{"Fraction", "1.5", std::nullopt, "\"1.5\"" + kNeither},
        ParseCase{"CapitalDay", "Day", std::nullopt, "\"Day\"" + kNeither},
        ParseCase{"NotUtf8", "6\xFF", std::nullopt, "\"6\\xff\"" + kNeither}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TimeWindowWords, ReadBackWhatIsWritten) {
    for (const TimeWindow window : {TimeWindow::Exact(), TimeWindow::PlusMinus(1), TimeWindow::PlusMinus(120),
                                    TimeWindow::PlusMinus(kMaxWindowMinutes), TimeWindow::WholeDay()}) {
        const std::string text = TimeWindowMinutesText(window);
        const Result<TimeWindow> back = ParseTimeWindowMinutes(text);
        ASSERT_TRUE(back.ok()) << text;
        EXPECT_EQ(*back, window) << text;
    }
    EXPECT_EQ(TimeWindowMinutesText(TimeWindow::WholeDay()), "day");
    EXPECT_EQ(TimeWindowMinutesText(TimeWindow::PlusMinus(60)), "60");
}

}  // namespace
}  // namespace nyra
