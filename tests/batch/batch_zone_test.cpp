// Zones in the batch tool: the signs of typed zones, zones the atlas gives
// for a Place, and a machine without the time zone database.
#include "batch_tool_support.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace nyra {
namespace {

using namespace batch_testing;

// ------------------------------------------------------------ typed zones

// Noon, three degrees west of Greenwich, where the longitude alone would put
// the clock behind universal time: only a minus sign says it is ahead.
struct TypedZoneCase {
    const char* name;
    std::string header;  ///< The zone columns, in this order.
    std::string zone;    ///< Their cells.
    const char* universalHours;
};
void PrintTo(const TypedZoneCase& c, std::ostream* os) { *os << c.name; }

class TypedZoneSign : public ::testing::TestWithParam<TypedZoneCase> {};

TEST_P(TypedZoneSign, AMinusSignOnEitherCellMeansAhead) {
    const TypedZoneCase& c = GetParam();
    const ToolRun r =
        RunTool("BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\t" + c.header +
                "\tLonDegrees\tLonMinutes\tLonIsEast\tDstOn\n" + "1\t1\t2000\t12\t0\t" + c.zone + "\t3\t0\t0\t0\n");
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), c.universalHours);
}

const std::string kHoursFirst = "ZoneHours\tZoneMinutes";
const std::string kMinutesFirst = "ZoneMinutes\tZoneHours";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, TypedZoneSign,
    ::testing::Values(
        TypedZoneCase{"NoSignIsBehindWestOfGreenwich", kHoursFirst, "0\t30", "12.5"},
        // Ahead by less than an hour: the sign can only sit on the minutes,
        // or on a zero of hours.
        TypedZoneCase{"MinusOnTheMinutes", kHoursFirst, "0\t-30", "11.5"},
        TypedZoneCase{"MinusZeroHours", kHoursFirst, "-0\t30", "11.5"},
        TypedZoneCase{"BlanksBeforeTheMinus", kHoursFirst, " -0\t30", "11.5"},
        TypedZoneCase{"MinusOnBoth", kHoursFirst, "-0\t-30", "11.5"},
        // The second zone cell, without a sign, must not undo the first's.
        TypedZoneCase{"MinusZeroMinutesBeforeTheHours", kMinutesFirst, "-0\t1", "11"},
        TypedZoneCase{"MinusZeroHoursAfterTheMinutes", kMinutesFirst, "30\t-0", "11.5"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ------------------------------------------------------- zones of places

// The zone in force at the place and time, with its direction kept whole:
// zones ahead of universal time by less than an hour, west of Greenwich
// (Accra's twenty minutes of summer time; Dublin's mean time, with and
// without the summer hour), and one east of it.
struct PlaceZoneCase {
    const char* name;
    std::string row;  ///< Month, day, year, hour, minute, place.
    const char* zoneId;
    const char* utcOffset;
    const char* universalHours;
};
void PrintTo(const PlaceZoneCase& c, std::ostream* os) { *os << c.name; }

class PlaceZone : public ::testing::TestWithParam<PlaceZoneCase> {};

TEST_P(PlaceZone, GivesTheOffsetInForceWithItsSign) {
    const PlaceZoneCase& c = GetParam();
    const ToolRun r = RunTool("BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\n" + c.row + "\n");
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "TimeZoneId"), c.zoneId);
    EXPECT_EQ(Cell(lines[0], lines[1], "UtcOffset"), c.utcOffset);
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), c.universalHours);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Places, PlaceZone,
    ::testing::Values(
        PlaceZoneCase{"AccraTwentyMinutesAhead", "10\t1\t1930\t12\t0\tAccra", "Africa/Accra", "+00:20",
                      "11.666666666666666"},
        PlaceZoneCase{"AccraOnUniversalTime", "1\t15\t1930\t12\t0\tAccra", "Africa/Accra", "+00:00", "12"},
        PlaceZoneCase{"DublinMeanTimeBehind", "1\t1\t1910\t12\t0\tDublin", "Europe/Dublin", "-00:25",
                      "12.416666666666666"},
        PlaceZoneCase{"DublinSummerHourAhead", "7\t1\t1916\t12\t0\tDublin", "Europe/Dublin", "+00:35",
                      "11.416666666666666"},
        PlaceZoneCase{"AmsterdamEastOfGreenwich", "1\t15\t1930\t12\t0\tAmsterdam", "Europe/Amsterdam", "+00:20",
                      "11.666666666666666"},
        PlaceZoneCase{"MadridSummer", "7\t1\t1975\t12\t0\tMadrid, Spain", "Europe/Madrid", "+02:00", "10"},
        PlaceZoneCase{"KolkataWartime", "5\t1\t1943\t12\t0\tKolkata", "Asia/Kolkata", "+06:30", "5.5"},
        PlaceZoneCase{"LondonDoubleSummerTime", "7\t1\t1944\t12\t0\tLondon, United Kingdom", "Europe/London",
                      "+02:00", "10"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A change on the other side of a change of the clocks reads as the clocks
// did then (the table's cell is the JSON's without T and offset); a typed
// zone keeps its offset. 02:30 on 29 March is read as after the jump.
struct ClockChangeCase {
    const char* name;
    std::string row;  ///< After "BirthMonth BirthDay BirthYear BirthHour BirthMinute".
    const char* column;
    std::string json;
};
void PrintTo(const ClockChangeCase& c, std::ostream* os) { *os << c.name; }

class ChangeTime : public ::testing::TestWithParam<ClockChangeCase> {};

TEST_P(ChangeTime, IsOnTheClockOfItsInstant) {
    const ClockChangeCase& c = GetParam();
    const std::string typed = c.row.find('L') == std::string::npos
                                  ? "ZoneHours\tZoneMinutes\tLonDegrees\tLonMinutes\tLonIsEast\tDstOn"
                                  : "Place";
    const std::string table = "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\t" + typed + "\n" + c.row + "\n";
    const ToolRun tsv = RunTool(table, {"--nakshatra-times"});
    ASSERT_EQ(Lines(tsv.out).size(), 2u) << tsv.err;
    EXPECT_EQ(Cell(Lines(tsv.out)[0], Lines(tsv.out)[1], c.column), c.json.substr(0, 10) + " " + c.json.substr(11, 5));
    EXPECT_NE(RunTool(table, {"--nakshatra-times", "--format", "jsonl"})
                  .out.find("\"" + std::string(c.column) + "\":\"" + c.json + "\""),
              std::string::npos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Clocks, ChangeTime,
    ::testing::Values(
        ClockChangeCase{"SignEnteredBeforeClocksWentForward", "3\t29\t2026\t2\t30\tLondon", "SignEntered", "2026-03-27T04:08+00:00"},
        ClockChangeCase{"NakshatraEnteredBeforeClocksWentForward", "3\t29\t2026\t2\t30\tLondon", "NakshatraEntered", "2026-03-28T09:23+00:00"},
        ClockChangeCase{"SignLeavesAfterClocksWentBack", "10\t24\t2026\t12\t0\tLondon", "SignLeaves", "2026-10-25T13:53+00:00"},
        ClockChangeCase{"TypedZoneKeepsItsOffset", "3\t29\t2026\t2\t30\t0\t0\t0\t7\t0\t1", "SignEntered", "2026-03-27T05:08+01:00"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PlaceZone, ARowThePlaceCannotServeSaysWhy) {
    const std::string header = "BirthName\tBirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\n";
    const ToolRun r = RunTool(header + "Ana\t7\t1\t1975\t12\t0\tMadrid, Spain\n" +
                              "Nobody\t1\t1\t1990\t12\t0\tXqzzyville\n" + "Ana\t2\t30\t1975\t12\t0\tMadrid\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_EQ(r.err,
              "line 3: Place: no place matches \"Xqzzyville\"\n"
              "line 4: BirthDay: \"30\" is not a day of February 1975 (1..28)\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(Cell(lines[0], lines[1], "ResolvedPlace").find("Madrid"), std::string::npos);
}

// ------------------------------------------- without a time zone database

const std::string kPlaceHeader =
    "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\tZoneHours\t"
    "ZoneMinutes\tLonDegrees\tLonMinutes\tLonIsEast\tDstOn\n";

TEST(NoZoneDatabase, PlaceRowsSaySoAndTypedZonesStillWork) {
    RowOptions without;
    without.zoneDatabaseReadable = false;
    const Result<TableLayout> layout = ReadTableHeader(kPlaceHeader.substr(0, kPlaceHeader.size() - 1), without);
    ASSERT_TRUE(layout.ok()) << layout.problem().Text();

    const RowResult place = ComputeTableRow(*layout, without, "7\t1\t1975\t12\t0\tMadrid, Spain\t0\t0\t0\t0\t0\t0");
    ASSERT_FALSE(place.line.ok());
    EXPECT_EQ(place.line.problem(), (Problem{"Place", "the time zone database could not be read"}));
    // A place the atlas does not know is still named as such.
    const RowResult unknown = ComputeTableRow(*layout, without, "7\t1\t1975\t12\t0\tXqzzyville\t0\t0\t0\t0\t0\t0");
    ASSERT_FALSE(unknown.line.ok());
    EXPECT_EQ(unknown.line.problem().reason, "no place matches \"Xqzzyville\"");
    const RowResult typed = ComputeTableRow(*layout, without, "7\t1\t1975\t12\t0\t\t-1\t0\t3\t42\t0\t1");
    EXPECT_TRUE(typed.line.ok()) << typed.line.problem().Text();
}

// The real thing, where the system lets a test hide the database: the tool
// itself, run with an empty folder mounted over it in a mount namespace of
// its own (root, or unprivileged user namespaces, are needed for that).
TEST(NoZoneDatabase, TheToolTellsWhenTheSystemHasNone) {
    std::string folder = (std::filesystem::temp_directory_path() / "nyra-no-zoneinfo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::filesystem::path empty = std::filesystem::path(folder) / "empty";
    const std::filesystem::path table = std::filesystem::path(folder) / "place.tsv";
    std::filesystem::create_directory(empty);
    std::ofstream(table) << kPlaceHeader << "7\t1\t1975\t12\t0\tMadrid, Spain\t0\t0\t0\t0\t0\t0\n";

    const std::string hide = "mount --bind " + empty.string() +
                             " /usr/share/zoneinfo && { [ ! -d /usr/lib/zoneinfo ] "
                             "|| mount --bind " +
                             empty.string() + " /usr/lib/zoneinfo; }";
    const auto run = [&](const std::string& command) {
        std::string out;
        if (FILE* pipe = popen(("unshare -rm sh -c '" + hide + " && " + command + "' 2>&1").c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    };
    const bool hidden = run("echo hidden") == "hidden\n";
    const std::string said = hidden ? run(std::string(NYRA_BATCH_EXE) + " " + table.string() + " >/dev/null") : "";
    std::filesystem::remove_all(folder);
    if (!hidden) GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(said, "line 2: Place: the time zone database could not be read\n");
}

}  // namespace
}  // namespace nyra
