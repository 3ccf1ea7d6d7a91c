// --format jsonl: each row one JSON object with the table's columns as keys
// and its cells as values, numbers as numbers.
#include "../precise/ephemeris_folder.h"
#include "../support/birth_at.h"
#include "batch_tool_support.h"
#include "json_line.h"
#include "record/record_file.h"
#include "record/record_layout.h"
#include "text/blanks.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace nyra {
namespace {

using namespace batch_testing;

// The computed columns a table writes as numbers (flags too).
const std::set<std::string> kComputedNumbers{
    "UniversalHours",        "Centuries",        "TropicalLongitude", "AyanamsaShift", "MoonLongitude", "Pada",
    "MinutesFromSignChange", "PreciseLongitude", "PreciseAyanamsa",   "SignsAgree",    "SignCertain"};

bool IsInputNumber(const std::string& column) {
    const RecordField* field = RecordFieldNamed(column);
    return field != nullptr && (field->kind == RecordLineKind::Number || field->kind == RecordLineKind::ZoneSize ||
                                field->kind == RecordLineKind::Flag);
}

// One JSON value against the table's cell of the same column.
void ExpectSameValue(const std::string& column, const std::string& cell, const JsonValue& value) {
    SCOPED_TRACE(column + ": table \"" + cell + "\", JSON " + value.text);
    if (kComputedNumbers.contains(column)) {
        EXPECT_TRUE(value.isNumber);
        EXPECT_EQ(value.text, cell);
        return;
    }
    // Change times: ISO 8601 with the clock's offset.
    if (column.ends_with("Entered") || column.ends_with("Leaves")) {
        ASSERT_FALSE(value.isNumber);
        EXPECT_EQ(value.text.substr(0, 16), cell.substr(0, 10) + "T" + cell.substr(11));
        EXPECT_TRUE(std::regex_match(value.text.substr(16), std::regex("[+-][01][0-9]:[0-5][0-9]")));
        return;
    }
    // Input cells the tool reads as numbers: the value read, a minus sign kept.
    const Result<std::int16_t> number = ParseInt16(cell);
    if (IsInputNumber(column)) {
        ASSERT_TRUE(value.isNumber);
        ASSERT_TRUE(number);
        EXPECT_EQ(std::stod(value.text), *number);
        EXPECT_EQ(std::signbit(std::stod(value.text)), HasMinusSign(cell));
        return;
    }
    EXPECT_FALSE(value.isNumber);
    EXPECT_EQ(value.text, cell);
}

// Every optional column: typed rows and Place rows, names needing escapes,
// numbers spelled every way the tool reads, windows of minutes and days, and
// a refused row.
const std::string kEveryColumnTable =
    "BirthName\tBirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\tLonDegrees\t"
    "LonMinutes\tLonIsEast\tDstOn\tLatDegrees\tLatMinutes\tLatIsSouth\tTimeWindowMinutes\tPlace\n"
    "Asha \"A\" \\ \x01 x\t8\t15\t1947\t0\t0\t5\t30\t77\t13\t1\t0\t28\t39\t0\tday\t\n"
    "Zo\u00EB \u674E\t+08\t05\t1947\t 23 \t00\t-0\t30\t003\t42\t0\t0\t40\t25\t-1\t 15 \t\n"
    "\t3\t15\t1990\t8\t30\t0\t0\t0\t0\t0\t0\t0\t0\t0\t60\tPune\n"
    "Luz\t7\t1\t1975\t12\t0\t0\t0\t0\t0\t-1\t0\t0\t0\t0\t0\tMadrid, Spain\n"
    "Bad\t2\t30\t2000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\n"
    "Change\t12\t30\t1999\t21\t0\t0\t0\t0\t0\t0\t0\t51\t28\t0\t60\t\n";

// Each JSON line against the table row the same run writes as a table.
void ExpectTheTablesValues(const ToolRun& table, const ToolRun& json, std::size_t rowCount) {
    EXPECT_EQ(json.status, table.status);
    EXPECT_EQ(json.err, table.err);
    const auto rows = Lines(table.out);
    const auto objects = Lines(json.out);
    const auto refusals = Lines(table.err);
    ASSERT_EQ(rows.size(), rowCount + 1) << table.err;  // and the header
    // A refused row's object stands in its place: {"line":N,"problem":...}.
    ASSERT_EQ(objects.size(), rowCount + refusals.size());
    const auto columns = Cells(rows[0]);
    std::size_t row = 0;
    for (const std::string& line : objects) {
        SCOPED_TRACE(line);
        std::string error;
        const auto object = ReadJsonLine(line, &error);
        ASSERT_TRUE(object) << error;
        const std::string refused =
            object->size() == 2 ? "line " + (*object)[0].second.text + ": " + (*object)[1].second.text : "";
        if (std::find(refusals.begin(), refusals.end(), refused) != refusals.end()) continue;
        ASSERT_LT(++row, rows.size());
        const auto cells = Cells(rows[row]);
        ASSERT_EQ(object->size(), columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            EXPECT_EQ((*object)[c].first, columns[c]);
            ExpectSameValue(columns[c], cells[c], (*object)[c].second);
        }
    }
}

ToolRun RunInFormat(const std::string& input, std::vector<std::string> args, const char* format) {
    args.insert(args.begin(), {"--format", format});
    return RunTool(input, args);
}

struct JsonCase {
    const char* name;
    std::vector<std::string> args;
};
void PrintTo(const JsonCase& c, std::ostream* os) { *os << c.name; }

class JsonLines : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonLines, HoldTheTablesValuesUnderItsColumnNames) {
    const ToolRun table = RunInFormat(kEveryColumnTable, GetParam().args, "tsv");
    EXPECT_EQ(table.status, kBatchRowErrors);
    ExpectTheTablesValues(table, RunInFormat(kEveryColumnTable, GetParam().args, "jsonl"), 5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Options, JsonLines,
    ::testing::Values(JsonCase{"Classic", {}},
                      JsonCase{"ClassicWithEverything", {"--precise", "--ayanamsa", "kp", "--nakshatra-times", "--describe"}},
                      JsonCase{"PreciseInHindi",
                               {"--basis", "precise", "--ayanamsa", "raman", "--nakshatra-times", "--describe", "--lang",
                                "hi", "--jobs", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(JsonLinesOfRecords, HoldTheTablesValues) {
    test::EmptyFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::string ahead = folder.path() + "/ahead.moo";
    const std::string window = folder.path() + "/window.moo";
    // A zone ahead of universal time west of Greenwich is saved with its sign.
    ASSERT_TRUE(WriteBirthRecord(ahead, test::Birth({1975, 7, 1, 12, 0, -3.7, 120, 40.4})).ok());
    ASSERT_TRUE(WriteBirthRecord(window, test::Birth({1999, 12, 30, 21, 0}), TimeWindow::PlusMinus(60)).ok());
    const std::vector<std::string> args{"--describe", "--records", ahead, window};
    ExpectTheTablesValues(RunInFormat("", args, "tsv"), RunInFormat("", args, "jsonl"), 2);
}

}  // namespace
}  // namespace nyra
