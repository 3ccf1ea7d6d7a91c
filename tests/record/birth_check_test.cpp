// The one check of a birth's values under each caller's row of limits: the
// main window's lists and its calculate command, and the batch tool.
#include "record/birth_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace nyra {
namespace {

// 15 August 1947, 00:10, Delhi: within every row of limits.
BirthRecord Delhi() {
    // clang-format off
    return {.BirthName = {}, .BirthMonth = 8, .BirthDay = 15, .BirthYear = 1947, .BirthMinute = 10, .ZoneHours = 5,
            .ZoneMinutes = 30, .LonDegrees = 77, .LonMinutes = 13, .LatDegrees = 28, .LatMinutes = 39};
    // clang-format on
}

struct CheckCase {
    const char* name;
    const BirthLimits* limits;
    std::function<void(BirthRecord&)> change;
    const char* where;  ///< "" when accepted.
    const char* reason;
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class BirthCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BirthCheck, RefusesTheFirstValueOutsideTheCallersLimits) {
    BirthRecord birth = Delhi();
    GetParam().change(birth);
    const Result<void> checked = CheckBirthValues(birth, *GetParam().limits);
    if (*GetParam().where == '\0') {
        EXPECT_TRUE(checked.ok()) << checked.problem().Text();
    } else {
        ASSERT_FALSE(checked.ok());
        EXPECT_EQ(checked.problem(), (Problem{GetParam().where, GetParam().reason}));
    }
}

const BirthLimits* const kLists = &kWindowListLimits;
const BirthLimits* const kDate = &kWindowDateLimits;
const BirthLimits* const kBatch = &kBatchLimits;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, BirthCheck,
    ::testing::Values(
        // The main window's lists.
        CheckCase{"ListsTakeAnyDayOfTheDayList", kLists, [](BirthRecord& b) { b.BirthMonth = 4; b.BirthDay = 31; },
                  "", ""},
        CheckCase{"ListsMonth", kLists, [](BirthRecord& b) { b.BirthMonth = 13; }, "BirthMonth",
                  "\"13\" is not a month"},
        CheckCase{"ListsDay", kLists, [](BirthRecord& b) { b.BirthDay = 32; }, "BirthDay",
                  "\"32\" is not in the list (1 to 31)"},
        CheckCase{"ListsFirstYear", kLists, [](BirthRecord& b) { b.BirthYear = 1901; }, "", ""},
        CheckCase{"ListsYearBefore", kLists, [](BirthRecord& b) { b.BirthYear = 1900; }, "BirthYear",
                  "\"1900\" is not in the list (1901 to 2050)"},
        CheckCase{"ListsYearAfter", kLists, [](BirthRecord& b) { b.BirthYear = 2051; }, "BirthYear",
                  "\"2051\" is not in the list (1901 to 2050)"},
        CheckCase{"ListsHour", kLists, [](BirthRecord& b) { b.BirthHour = 24; }, "BirthHour",
                  "\"24\" is not in the list (0 to 23)"},
        CheckCase{"ListsMinute", kLists, [](BirthRecord& b) { b.BirthMinute = -1; }, "BirthMinute",
                  "\"-1\" is not in the list (0 to 59)"},
        CheckCase{"ListsLeaveThePlaceAlone", kLists, [](BirthRecord& b) { b.LonDegrees = 500; b.ZoneHours = 30; }, "",
                  ""},
        CheckCase{"ListsNameTheDayBeforeTheYear", kLists, [](BirthRecord& b) { b.BirthDay = 40; b.BirthYear = 1800; },
                  "BirthDay", "\"40\" is not in the list (1 to 31)"},
        // Its calculate command: the calendar too.
        CheckCase{"DateThirtyFirstOfApril", kDate, [](BirthRecord& b) { b.BirthMonth = 4; b.BirthDay = 31; },
                  "BirthDay", "\"31\" is not in the list (1 to 30)"},
        CheckCase{"DateLeapDay", kDate, [](BirthRecord& b) { b.BirthMonth = 2; b.BirthDay = 29; b.BirthYear = 1904; },
                  "", ""},
        // The batch tool.
        CheckCase{"BatchMonth", kBatch, [](BirthRecord& b) { b.BirthMonth = 0; }, "BirthMonth",
                  "\"0\" is not a month (1..12)"},
        CheckCase{"BatchFirstYear", kBatch, [](BirthRecord& b) { b.BirthYear = 1800; }, "", ""},
        CheckCase{"BatchLastYear", kBatch, [](BirthRecord& b) { b.BirthYear = 2399; }, "", ""},
        CheckCase{"BatchYear", kBatch, [](BirthRecord& b) { b.BirthYear = 2400; }, "BirthYear",
                  "\"2400\" is outside 1800..2399"},
        CheckCase{"BatchDayOfItsMonth", kBatch,
                  [](BirthRecord& b) { b.BirthMonth = 2; b.BirthDay = 29; b.BirthYear = 1900; },
                  "BirthDay", "\"29\" is not a day of February 1900 (1..28)"},
        CheckCase{"BatchNamesTheYearBeforeTheDay", kBatch, [](BirthRecord& b) { b.BirthDay = 40; b.BirthYear = 1700; },
                  "BirthYear", "\"1700\" is outside 1800..2399"},
        CheckCase{"BatchHour", kBatch, [](BirthRecord& b) { b.BirthHour = -1; }, "BirthHour",
                  "\"-1\" is not an hour (0..23)"},
        CheckCase{"BatchMinute", kBatch, [](BirthRecord& b) { b.BirthMinute = 60; }, "BirthMinute",
                  "\"60\" is not a minute (0..59)"},
        CheckCase{"BatchWidestPlace", kBatch,
                  [](BirthRecord& b) {
                      b.LonDegrees = -180;
                      b.LonMinutes = 0;
                      b.LatDegrees = 89;
                      b.LatMinutes = 59;
                      b.ZoneHours = -14;
                      b.ZoneMinutes = 59;
                  },
                  "", ""},
        CheckCase{"BatchLongitude", kBatch, [](BirthRecord& b) { b.LonDegrees = 180; b.LonMinutes = 1; }, "LonMinutes",
                  "\"1\" takes the longitude beyond 180 degrees"},
        CheckCase{"BatchLatitude", kBatch, [](BirthRecord& b) { b.LatDegrees = -91; }, "LatDegrees",
                  "\"-91\" is beyond 90 degrees of latitude"},
        CheckCase{"BatchZone", kBatch, [](BirthRecord& b) { b.ZoneHours = -15; }, "ZoneHours",
                  "\"-15\" is beyond 14 hours"},
        CheckCase{"BatchZoneMinutes", kBatch, [](BirthRecord& b) { b.ZoneMinutes = 60; }, "ZoneMinutes",
                  "\"60\" is beyond 59 minutes"},
        CheckCase{"BatchDateBeforePlace", kBatch, [](BirthRecord& b) { b.BirthHour = 24; b.ZoneHours = 15; },
                  "BirthHour", "\"24\" is not an hour (0..23)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
