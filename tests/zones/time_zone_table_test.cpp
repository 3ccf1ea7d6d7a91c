#include "zones/time_zone_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {
namespace {

constexpr std::string_view kIndianTime = "Indian Time, IST, +5.3";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The offset written after the last comma, in signed minutes east of
// Greenwich: "-3.5" is -210, "+10.0" is 600, "0.0" is 0. Only the test reads
// the texts; the program never does.
std::optional<int> WrittenOffsetMinutes(std::string_view text) {
    const auto comma = text.rfind(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view offset = text.substr(comma + 1);
    while (!offset.empty() && offset.front() == ' ') offset.remove_prefix(1);
    int sign = 1;
    if (!offset.empty() && (offset.front() == '+' || offset.front() == '-')) {
        sign = offset.front() == '-' ? -1 : 1;
        offset.remove_prefix(1);
    }
    const auto dot = offset.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 2 != offset.size()) return std::nullopt;
    int hours = 0;
    for (char c : offset.substr(0, dot)) {
        if (c < '0' || c > '9') return std::nullopt;
        hours = hours * 10 + (c - '0');
    }
    const char tenth = offset[dot + 1];
    if (tenth < '0' || tenth > '9') return std::nullopt;
    return sign * (hours * 60 + (tenth - '0') * 6);
}

int StoredOffsetMinutes(const TimeZoneRow& row) { return row.hour * 60 + row.minute; }

TEST(TimeZoneTable, RowsAreInCaseInsensitiveAlphabeticalOrder) {
    // Strictly increasing, so no text appears twice either.
    for (std::size_t i = 1; i < kTimeZoneTable.size(); ++i)
        EXPECT_LT(Lower(kTimeZoneTable[i - 1].text), Lower(kTimeZoneTable[i].text)) << "rows " << i - 1 << " and " << i;
}

TEST(TimeZoneTable, MinuteIsAHalfHourWithTheSignOfTheHour) {
    for (const auto& row : kTimeZoneTable) {
        SCOPED_TRACE(std::string(row.text));
        EXPECT_TRUE(row.minute == -30 || row.minute == 0 || row.minute == 30);
        if (row.minute > 0) {
            EXPECT_GT(row.hour, 0);
        }
        if (row.minute < 0) {
            EXPECT_LT(row.hour, 0);
        }
    }
}

TEST(TimeZoneTable, StoredPairIsTheWrittenOffsetReversedExceptIndianTime) {
    for (const auto& row : kTimeZoneTable) {
        SCOPED_TRACE(std::string(row.text));
        const auto written = WrittenOffsetMinutes(row.text);
        ASSERT_TRUE(written.has_value()) << "offset not written as [sign]H.D";
        if (row.text == kIndianTime) continue;
        EXPECT_EQ(StoredOffsetMinutes(row), -*written);
    }
}

TEST(TimeZoneTable, IndianTimeIsFiveAndAHalfHoursNotFivePointThree) {
    const auto* ist = std::find_if(kTimeZoneTable.begin(), kTimeZoneTable.end(),
                                   [](const TimeZoneRow& row) { return row.text == kIndianTime; });
    ASSERT_NE(ist, kTimeZoneTable.end());
    EXPECT_EQ(WrittenOffsetMinutes(ist->text), 318);  // what a parser of the text would get
    EXPECT_EQ(StoredOffsetMinutes(*ist), -330);
}

TEST(TimeZoneAt, ListPositionsOutsideTheTableAreNoRow) {
    EXPECT_EQ(TimeZoneAt(-1), nullptr);
    EXPECT_EQ(TimeZoneAt(71), nullptr);
}

// Rows at their list positions, with the pair the picker must write.
struct EdgeRow {
    const char* name;
    int row;
    std::string_view text;
    int hour;
    int minute;
};

class TimeZoneEdgeRows : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(TimeZoneEdgeRows, RowHoldsItsTextAndPair) {
    const EdgeRow& p = GetParam();
    const TimeZoneRow* row = TimeZoneAt(p.row);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text, p.text);
    EXPECT_EQ(row->hour, p.hour);
    EXPECT_EQ(row->minute, p.minute);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Named, TimeZoneEdgeRows,
    ::testing::Values(
        EdgeRow{"First", 0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        EdgeRow{"AzoresWithBlanks", 11, "Azores Time, AT, -2.0", 2, 0},
        EdgeRow{"GreenwichMeanTime", 29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        EdgeRow{"HawaiianStandard", 32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        EdgeRow{"IndianTime", 34, "Indian Time, IST, +5.3", -5, -30},
        EdgeRow{"DateLineWest", 36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        EdgeRow{"NewZealandSummerLargest", 46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        EdgeRow{"Newfoundland", 50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        EdgeRow{"SouthAustraliaDaylightSAD", 56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        EdgeRow{"SouthAustraliaDaylightSDT", 57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        EdgeRow{"UniversalTime", 61, "Universal Time, UT, 0.0", 0, 0},
        EdgeRow{"UssrZone10BeforeZone3", 62, "USSR Zone 10,UZ10,+11.0", -11, 0},
        EdgeRow{"Last", 70, "Yukon War Time,YWT,-8.0", 8, 0}),
    [](const ::testing::TestParamInfo<EdgeRow>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
