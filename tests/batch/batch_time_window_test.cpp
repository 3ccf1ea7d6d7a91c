// The TimeWindowMinutes column: every sign the Moon was in while the birth
// time is uncertain, and the column's errors.
#include "batch_tool_support.h"
#include "text/quoted_input.h"

#include <gtest/gtest.h>

namespace nyra {
namespace {

using namespace batch_testing;

const std::vector<std::string> kWindowCells{"PossibleSigns", "SignCertain"};
const std::string kWindowHeader =
    "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
    "LonDegrees\tLonMinutes\tLonIsEast\tDstOn\tTimeWindowMinutes\n";

// Greenwich, on the clock of universal time. On this date the Moon enters
// Thula at 21:37 (the sign spans' minute: SignEntered of a birth just after).
std::string GreenwichRow(const std::string& date, const std::string& time, const std::string& window) {
    return date + "\t" + time + "\t0\t0\t0\t0\t0\t0\t" + window + "\n";
}
const std::string kChangeDate = "12\t30\t1999";

// --- The values ------------------------------------------------------------------

struct WindowCase {
    const char* name;
    std::string row;
    std::string possibleSigns;
    std::string certain;
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class WindowValues : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowValues, ListEverySignOfTheWindowWithItsShare) {
    const ToolRun r = RunTool(kWindowHeader + GetParam().row);
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "PossibleSigns"), GetParam().possibleSigns);
    EXPECT_EQ(Cell(lines[0], lines[1], "SignCertain"), GetParam().certain);
}

// Shares are whole percents of whole minutes, by largest remainder.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Windows, WindowValues,
    ::testing::Values(
        // 20:00..22:00: Kanya 97 minutes (80.8%), Thula 23 (19.2%).
        WindowCase{"HourEitherSideBeforeTheChange", GreenwichRow(kChangeDate, "21\t0", "60"), "Kanya 81%; Thula 19%",
                   "0"},
        // 21:00..23:00: Kanya 37 minutes (30.8%), Thula 83 (69.2%).
        WindowCase{"HourEitherSideAfterTheChange", GreenwichRow(kChangeDate, "22\t0", "60"), "Kanya 31%; Thula 69%",
                   "0"},
        // 00:00..24:00: Kanya 1297 minutes (90.07%), Thula 143 (9.93%).
        WindowCase{"WholeDay", GreenwichRow(kChangeDate, "22\t0", "day"), "Kanya 90%; Thula 10%", "0"},
        // 20:37..21:37 ends on the change's minute: Thula is listed, with none of it.
        WindowCase{"EndingOnTheChange", GreenwichRow(kChangeDate, "21\t7", "30"), "Kanya 100%; Thula 0%", "0"},
        WindowCase{"ExactTime", GreenwichRow(kChangeDate, "22\t0", "0"), "Thula 100%", "1"},
        WindowCase{"WidestWindowInsideOneSign", GreenwichRow("1\t1\t2000", "12\t0", "720"), "Thula 100%", "1"},
        WindowCase{"WholeDayInsideOneSign", "8\t15\t1947\t0\t0\t5\t30\t77\t13\t1\t0\tday\n", "Kataka 100%", "1"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- What the one rule for numbers accepts ---------------------------------------

struct SpellingCase {
    const char* name;
    std::string cell;
    std::string same;  // the plain spelling it must match
};
void PrintTo(const SpellingCase& c, std::ostream* os) { *os << c.name; }

class WindowSpelling : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(WindowSpelling, GivesTheSameSignsAsThePlainSpelling) {
    const ToolRun spelled = RunTool(kWindowHeader + GreenwichRow(kChangeDate, "21\t0", GetParam().cell));
    const ToolRun plain = RunTool(kWindowHeader + GreenwichRow(kChangeDate, "21\t0", GetParam().same));
    ASSERT_EQ(spelled.status, kBatchOk) << spelled.err;
    const auto s = Lines(spelled.out);
    const auto p = Lines(plain.out);
    for (const std::string& column : kWindowCells) EXPECT_EQ(Cell(s[0], s[1], column), Cell(p[0], p[1], column));
    // The input cell itself is echoed as given.
    EXPECT_EQ(Cell(s[0], s[1], "TimeWindowMinutes"), GetParam().cell);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cells, WindowSpelling,
                         ::testing::Values(SpellingCase{"PlusSign", "+60", "60"},
                                           SpellingCase{"LeadingZeros", "0060", "60"},
                                           SpellingCase{"Blanks", "  60 ", "60"},
                                           SpellingCase{"MinusZero", "-0", "0"},
                                           SpellingCase{"DayWithBlanks", " day ", "day"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Errors ---------------------------------------------------------------------------

struct BadWindowCase {
    const char* name;
    std::string cell;
    std::string reason;
};
void PrintTo(const BadWindowCase& c, std::ostream* os) { *os << c.name; }

class BadWindow : public ::testing::TestWithParam<BadWindowCase> {};

TEST_P(BadWindow, RefusesTheRowNamingTheColumn) {
    const ToolRun r =
        RunTool(kWindowHeader + GreenwichRow("1\t1\t2000", "12\t0", "0") +
                GreenwichRow("1\t1\t2000", "12\t0", GetParam().cell) + GreenwichRow("1\t1\t2000", "12\t0", "day"));
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_EQ(r.err, "line 3: TimeWindowMinutes: " + GetParam().reason + "\n");
    EXPECT_EQ(Lines(r.out).size(), 3u) << r.out;  // header and the two good rows
}

const std::string kOutside = " is outside 0..720 minutes (day stands for an unknown time)";
const std::string kNeither = " is neither a whole number of minutes nor day";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cells, BadWindow,
    ::testing::Values(BadWindowCase{"Negative", "-1", "\"-1\"" + kOutside},
                      BadWindowCase{"PastTwelveHours", "721", "\"721\"" + kOutside},
                      BadWindowCase{"PastSixteenBits", "99999", "\"99999\"" + kOutside},
                      BadWindowCase{"Empty", " ", "missing value (minutes 0..720, or day)"},
                      BadWindowCase{"Word", "soon", "\"soon\"" + kNeither},
                      BadWindowCase{"Fraction", "7.5", "\"7.5\"" + kNeither},
                      BadWindowCase{"WithUnit", "60 min", "\"60 min\"" + kNeither},
                      BadWindowCase{"TwoSigns", "+-5", "\"+-5\"" + kNeither},
                      BadWindowCase{"CapitalDay", "Day", "\"Day\"" + kNeither},
                      BadWindowCase{"ControlByte", "6\x01", "\"6\\x01\"" + kNeither}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(BadWindowOrder, TheFirstBadCellInHeaderOrderIsNamed) {
    const std::string header = "TimeWindowMinutes\t" + kHeader;
    const ToolRun windowFirst = RunTool(header + "x\t1\t32\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n");
    EXPECT_EQ(windowFirst.err, "line 2: TimeWindowMinutes: \"x\"" + kNeither + "\n");
    const ToolRun windowLast = RunTool(kWindowHeader + GreenwichRow("1\tx\t2000", "12\t0", "x"));
    EXPECT_EQ(windowLast.err, "line 2: BirthDay: \"x\" is not a whole number\n");
}

// --- Where the columns go, and nothing else changed --------------------------------------

struct LayoutCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> following;  // the names after MinutesFromSignChange
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class WindowLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(WindowLayout, AddsTwoCellsAfterTheChartAndPreciseOnesOnly) {
    const std::string rows = GreenwichRow(kChangeDate, "21\t0", "60") + GreenwichRow("2\t30\t2000", "0\t0", "5") +
                             GreenwichRow("1\t1\t2000", "12\t0", "day");
    const ToolRun with = RunTool(kWindowHeader + rows, GetParam().args);
    // The same table without the column.
    std::string withoutColumn = kHeader;
    for (const std::string& row : Lines(rows)) {
        auto cells = Cells(row);
        cells.pop_back();
        withoutColumn += Join(cells) + "\n";
    }
    const ToolRun without = RunTool(withoutColumn, GetParam().args);
    EXPECT_EQ(with.status, without.status);
    EXPECT_EQ(with.err, without.err);
    std::vector<std::string> added = kWindowCells;
    added.push_back("TimeWindowMinutes");
    EXPECT_EQ(WithoutColumns(with.out, added), without.out);

    const auto after = NamesFrom(Lines(with.out).at(0), "MinutesFromSignChange");
    ASSERT_GT(after.size(), GetParam().following.size());
    EXPECT_EQ(std::vector<std::string>(after.begin() + 1, after.begin() + 1 + GetParam().following.size()),
              GetParam().following);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Options, WindowLayout,
    ::testing::Values(LayoutCase{"Plain", {}, {"PossibleSigns", "SignCertain"}},
                      LayoutCase{"Precise",
                                 {"--precise"},
                                 {"PreciseLongitude", "PreciseRashi", "PreciseAyanamsa", "SignsAgree", "PossibleSigns",
                                  "SignCertain"}},
                      LayoutCase{"DescribedAfterwards", {"--describe"}, {"PossibleSigns", "SignCertain", "VedicName"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(WindowWithPlace, UsesTheZoneOfThePlaceAtTheBirth) {
    // Pune keeps India's 5:30 all year: the same window as the typed zone.
    const ToolRun place = RunTool(
        "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\tTimeWindowMinutes\n"
        "8\t15\t1947\t0\t0\tPune\tday\n");
    const ToolRun typed = RunTool(kWindowHeader + "8\t15\t1947\t0\t0\t5\t30\t73\t51\t1\t0\tday\n");
    ASSERT_EQ(place.status, kBatchOk) << place.err;
    const auto p = Lines(place.out);
    const auto t = Lines(typed.out);
    EXPECT_EQ(Cell(p[0], p[1], "UtcOffset"), "+05:30");
    EXPECT_EQ(Cell(p[0], p[1], "PossibleSigns"), Cell(t[0], t[1], "PossibleSigns"));
    EXPECT_EQ(Cell(p[0], p[1], "PossibleSigns"), "Kataka 100%");
}

}  // namespace
}  // namespace nyra
