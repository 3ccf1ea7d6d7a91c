#include "batch/batch.h"

#include "batch/batch_io.h"
#include "batch_tool_support.h"
#include "record/record_file.h"
#include "text/quoted_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace nyra {
namespace {

using namespace batch_testing;

TEST(BatchTable, ComputesEveryRowWithFullPrecision) {
    const ToolRun r = RunTool(kHeader + kJ2000 + kDelhi);
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "Centuries"), "0");
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), "12");
    EXPECT_EQ(Cell(lines[0], lines[1], "MoonPositionText"), "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Thula");
    EXPECT_EQ(Cell(lines[0], lines[2], "UniversalHours"), "-5.5");
    EXPECT_EQ(Cell(lines[0], lines[2], "RashiName"), "Kataka");
    // 17 significant digits reproduce the double exactly.
    const double sidereal = std::stod(Cell(lines[0], lines[1], "MoonLongitude"));
    EXPECT_NEAR(sidereal, 199.462377, 0.5e-6);
    EXPECT_GE(Cell(lines[0], lines[1], "MoonLongitude").size(), 17u);
}

TEST(BatchTable, KeepsInputColumnsAsGivenInAnyOrder) {
    const std::string header =
        "DstOn\tBirthName\tLonIsEast\tLonMinutes\tLonDegrees\tZoneMinutes\tZoneHours\t"
        "BirthMinute\tBirthHour\tBirthYear\tBirthDay\tBirthMonth\tLatDegrees\r\n";
    const ToolRun r = RunTool(header + "0\t Ann Lee \t1\t13\t77\t30\t5\t0\t0\t1947\t15\t8\t28\r\n");
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("0\t Ann Lee \t1\t13\t77\t30\t5\t0\t0\t1947\t15\t8\t28\t", 0), 0u) << lines[1];
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Kataka");
    EXPECT_EQ(lines[0].find('\r'), std::string::npos);
}

TEST(BatchTable, MoonDetailColumnsFollowRashiName) {
    const ToolRun r = RunTool(kHeader + kJ2000);
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    const auto names = Cells(lines[0]);
    const auto rashi = std::find(names.begin(), names.end(), "RashiName");
    ASSERT_NE(rashi, names.end());
    EXPECT_EQ(std::vector<std::string>(rashi + 1, names.end()),
              (std::vector<std::string>{"Nakshatra", "Pada", "NakshatraLord", "SignEntered", "SignLeaves",
                                        "MinutesFromSignChange"}));
    EXPECT_EQ(Cell(lines[0], lines[1], "Nakshatra"), "Swati");
    EXPECT_EQ(Cell(lines[0], lines[1], "Pada"), "4");
    EXPECT_EQ(Cell(lines[0], lines[1], "NakshatraLord"), "Rahu");
    EXPECT_EQ(Cell(lines[0], lines[1], "SignEntered"), "1999-12-30 21:37");
    EXPECT_EQ(Cell(lines[0], lines[1], "SignLeaves"), "2000-01-02 09:08");
    // Leaves 21 h 8 min after the birth; entered 38 h 23 min before it.
    EXPECT_EQ(Cell(lines[0], lines[1], "MinutesFromSignChange"), "1268");
}

TEST(BatchTable, NegativeZoneMeansAheadOfUtcWhateverTheLongitude) {
    // Madrid, 3° 42' west, on Central European summer time.
    const ToolRun r = RunTool(kHeader + "7\t1\t1975\t12\t0\t-1\t0\t3\t42\t0\t1\n" +
                              "7\t1\t1975\t12\t0\t1\t0\t3\t42\t0\t1\n" + "7\t1\t1975\t12\t0\t-32768\t0\t3\t42\t0\t1\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find("line 4: ZoneHours"), std::string::npos) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), "10");
    EXPECT_EQ(Cell(lines[0], lines[2], "UniversalHours"), "12");  // typed sizes keep the longitude rule
}

TEST(BatchTable, FlagsAcceptZeroOneAndMinusOne) {
    const ToolRun plusOne = RunTool(kHeader + kDelhi);
    std::string minusOneRow = kDelhi;
    minusOneRow.replace(minusOneRow.find("\t1\t0\n"), 5, "\t-1\t0\n");
    const ToolRun minusOne = RunTool(kHeader + minusOneRow);
    ASSERT_EQ(minusOne.status, kBatchOk) << minusOne.err;
    EXPECT_EQ(Cell(Lines(plusOne.out)[0], Lines(plusOne.out)[1], "MoonLongitude"),
              Cell(Lines(minusOne.out)[0], Lines(minusOne.out)[1], "MoonLongitude"));
}

struct BadRow {
    const char* name;
    std::string row;
    std::string message;
};
void PrintTo(const BadRow& c, std::ostream* os) { *os << c.name; }

class BatchBadRow : public ::testing::TestWithParam<BadRow> {};

TEST_P(BatchBadRow, IsReportedAndSkippedWhileOtherRowsAreWritten) {
    const ToolRun r = RunTool(kHeader + kJ2000 + GetParam().row + "\n" + kDelhi);
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_EQ(r.err, GetParam().message + "\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Thula");
    EXPECT_EQ(Cell(lines[0], lines[2], "RashiName"), "Kataka");
}

// Month, day, year, hour, minute, zone hours and minutes, longitude degrees
// and minutes, east, DST.
std::string Row(const std::string& date, const std::string& time = "12\t0",
                const std::string& place = "0\t0\t0\t0\t0\t0") {
    return date + "\t" + time + "\t" + place;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, BatchBadRow,
    ::testing::Values(
        BadRow{"NotANumber", Row("1\tx\t2000"), "line 3: BirthDay: \"x\" is not a whole number"},
        BadRow{"Fraction", Row("1\t1\t2000", "12.5\t0"), "line 3: BirthHour: \"12.5\" is not a whole number"},
        BadRow{"TwoSigns", Row("1\t1\t2000", "+-5\t0"), "line 3: BirthHour: \"+-5\" is not a whole number"},
        BadRow{"PastSixteenBits", Row("1\t1\t32768"), "line 3: BirthYear: \"32768\" is outside -32768..32767"},
        BadRow{"HugeNumber", Row("1\t1\t2000", "12\t0", "0\t0\t99999999999999999999\t0\t0\t0"),
               "line 3: LonDegrees: \"99999999999999999999\" is outside -32768..32767"},
        BadRow{"EmptyField", Row("1\t1\t2000", "\t0"), "line 3: BirthHour: missing value"},
        BadRow{"BadFlag", Row("1\t1\t2000", "12\t0", "0\t0\t0\t0\t2\t0"),
               "line 3: LonIsEast: \"2\" is not a flag (0, 1 or -1)"},
        BadRow{"TooFewFields", "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0",
               "line 3: DstOn: missing, expected 11 fields, found 10"},
        BadRow{"TooManyFields", Row("1\t1\t2000") + "\t0", "line 3: expected 11 fields, found 12"},
        BadRow{"ControlBytesAreEscaped", Row(std::string("1\tx\ry\x01\x00z", 8) + "\t2000"),
               "line 3: BirthDay: \"x\\ry\\x01\\x00z\" is not a whole number"},
        BadRow{"LongCellIsCut", Row("1\t" + std::string(5000, '7') + "x\t2000"),
               "line 3: BirthDay: \"" + std::string(kQuotedInputBytes, '7') + "...\" is not a whole number"},
        BadRow{"ThirtyFirstOfApril", Row("4\t31\t1975"), "line 3: BirthDay: \"31\" is not a day of April 1975 (1..30)"},
        BadRow{"TwentyNinthFebruary1901", Row("2\t29\t1901"),
               "line 3: BirthDay: \"29\" is not a day of February 1901 (1..28)"},
        BadRow{"TwentyNinthFebruary1900", Row("2\t29\t1900"),
               "line 3: BirthDay: \"29\" is not a day of February 1900 (1..28)"},
        BadRow{"TwentyNinthFebruary2100", Row("2\t29\t2100"),
               "line 3: BirthDay: \"29\" is not a day of February 2100 (1..28)"},
        BadRow{"DayZero", Row("1\t0\t2000"), "line 3: BirthDay: \"0\" is not a day of January 2000 (1..31)"},
        BadRow{"MonthZero", Row("0\t1\t2000"), "line 3: BirthMonth: \"0\" is not a month (1..12)"},
        BadRow{"MonthThirteen", Row("13\t1\t2000"), "line 3: BirthMonth: \"13\" is not a month (1..12)"},
        BadRow{"YearBeforeTheRange", Row("12\t31\t1799"), "line 3: BirthYear: \"1799\" is outside 1800..2399"},
        BadRow{"YearAfterTheRange", Row("1\t1\t2400"), "line 3: BirthYear: \"2400\" is outside 1800..2399"},
        BadRow{"YearOneHundred", Row("1\t1\t100"), "line 3: BirthYear: \"100\" is outside 1800..2399"},
        BadRow{"HourPastTheClock", Row("1\t1\t2000", "24\t0"), "line 3: BirthHour: \"24\" is not an hour (0..23)"},
        BadRow{"NegativeHour", Row("1\t1\t2000", "-1\t0"), "line 3: BirthHour: \"-1\" is not an hour (0..23)"},
        BadRow{"MinutePastTheClock", Row("1\t1\t2000", "12\t60"),
               "line 3: BirthMinute: \"60\" is not a minute (0..59)"},
        BadRow{"ZonePastFourteenHours", Row("1\t1\t2000", "12\t0", "15\t0\t0\t0\t0\t0"),
               "line 3: ZoneHours: \"15\" is beyond 14 hours"},
        BadRow{"ZoneEastPastFourteenHours", Row("1\t1\t2000", "12\t0", "-15\t0\t0\t0\t0\t0"),
               "line 3: ZoneHours: \"-15\" is beyond 14 hours"},
        BadRow{"ZoneMinutesPast59", Row("1\t1\t2000", "12\t0", "5\t60\t0\t0\t0\t0"),
               "line 3: ZoneMinutes: \"60\" is beyond 59 minutes"},
        BadRow{"LongitudePast180", Row("1\t1\t2000", "12\t0", "0\t0\t181\t0\t0\t0"),
               "line 3: LonDegrees: \"181\" is beyond 180 degrees of longitude"},
        BadRow{"LongitudeMinutesPast180", Row("1\t1\t2000", "12\t0", "0\t0\t180\t1\t0\t0"),
               "line 3: LonMinutes: \"1\" takes the longitude beyond 180 degrees"},
        BadRow{"LongitudeMinutesPast59", Row("1\t1\t2000", "12\t0", "0\t0\t10\t60\t0\t0"),
               "line 3: LonMinutes: \"60\" is beyond 59 minutes of arc"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Rows at the edges of what is accepted give the same chart as the plain
// form of the same birth.
struct EdgeRow {
    const char* name;
    std::string row;
    std::string plain;  ///< The same birth written plainly; "" for itself.
};
void PrintTo(const EdgeRow& c, std::ostream* os) { *os << c.name; }

class BatchEdgeRow : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(BatchEdgeRow, IsComputed) {
    const std::string plain = GetParam().plain.empty() ? GetParam().row : GetParam().plain;
    const ToolRun r = RunTool(kHeader + GetParam().row + "\n" + plain + "\n");
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "MoonLongitude"), Cell(lines[0], lines[2], "MoonLongitude"));
    EXPECT_NE(Cell(lines[0], lines[1], "RashiName"), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, BatchEdgeRow,
    ::testing::Values(EdgeRow{"LeapDay2000", Row("2\t29\t2000"), ""}, EdgeRow{"LeapDay1904", Row("2\t29\t1904"), ""},
                      EdgeRow{"ThirtyFirstOfDecember", Row("12\t31\t1975"), ""},
                      EdgeRow{"FirstMinuteOfTheRange", Row("1\t1\t1800", "0\t0"), ""},
                      EdgeRow{"LastMinuteOfTheRange", Row("12\t31\t2399", "23\t59"), ""},
                      EdgeRow{"WidestZones", Row("1\t1\t2000", "12\t0", "14\t59\t179\t59\t1\t1"), ""},
                      EdgeRow{"WidestZoneEast", Row("1\t1\t2000", "12\t0", "-14\t59\t180\t0\t0\t0"), ""},
                      EdgeRow{"PlusSignAndLeadingZeros", Row("+08\t05\t1947", " +0\t00", "05\t30\t077\t13\t1\t0"),
                              Row("8\t5\t1947", "0\t0", "5\t30\t77\t13\t1\t0")}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(BatchTable, EmptyLinesAreSkippedButCounted) {
    const ToolRun r = RunTool(kHeader + "\n\r\n" + kJ2000 + "\n1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find("line 6: BirthDay"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 2u);
}

TEST(BatchTable, LatitudeIsCheckedWhenGiven) {
    const std::string header = "LatDegrees\tLatMinutes\t" + kHeader;
    const ToolRun r = RunTool(header + "90\t0\t" + kJ2000 + "91\t0\t" + kJ2000 + "90\t1\t" + kJ2000);
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_EQ(r.err,
              "line 3: LatDegrees: \"91\" is beyond 90 degrees of latitude\n"
              "line 4: LatMinutes: \"1\" takes the latitude beyond 90 degrees\n");
    EXPECT_EQ(Lines(r.out).size(), 2u);
}

TEST(BatchTable, EchoedCellsKeepEveryOutputLineOneRow) {
    const std::string header = "BirthName\t" + kHeader;
    const ToolRun r = RunTool(header +
                              std::string("A\rB\x0b"
                                          "C\x00"
                                          "D\x7f\t",
                                          9) +
                              kJ2000);
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "BirthName"), "A B C D ");
    EXPECT_EQ(Cells(lines[1]).size(), Cells(lines[0]).size());
}

TEST(BatchHeader, UnknownMissingOrRepeatedColumnStopsWithStatus2) {
    const struct {
        std::string input;
        std::string message;
    } cases[] = {
        {"Birthmonth\t" + kHeader.substr(kHeader.find('\t') + 1) + kJ2000, "unknown column \"Birthmonth\""},
        {kHeader.substr(0, kHeader.rfind('\t')) + "\n" + kJ2000, "missing column \"DstOn\""},
        {"DstOn\t" + kHeader + kJ2000, "column \"DstOn\" appears twice"},
        {"\n\r\n", "no header line"},
        {"", "no header line"},
        {"Birth\rMonth\t" + kHeader + kJ2000, "unknown column \"Birth\\rMonth\""},
    };
    for (const auto& c : cases) {
        const ToolRun r = RunTool(c.input);
        EXPECT_EQ(r.status, kBatchFailed) << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST(BatchOptions, DescribeAppendsTheSignFields) {
    const ToolRun r = RunTool(kHeader + kJ2000, {"--describe"});
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    const auto names = Cells(lines[0]);
    const auto rashi = std::find(names.begin(), names.end(), "RashiName");
    ASSERT_NE(rashi, names.end());
    ASSERT_GE(names.end() - rashi, 28);
    EXPECT_EQ(*(names.end() - 27), "VedicName");
    EXPECT_EQ(names.back(), "NotCompatibleWith");
    EXPECT_EQ(Cells(lines[1]).size(), names.size());
    EXPECT_EQ(Cell(lines[0], lines[1], "VedicName"), "Thula");
    EXPECT_EQ(Cell(lines[0], lines[1], "EnglishName"), "Libra");
}

TEST(BatchOptions, HelpAndVersion) {
    const ToolRun help = RunTool("", {"--help"});
    EXPECT_EQ(help.status, kBatchOk);
    EXPECT_NE(help.out.find("Usage: nyra-moonsign-batch"), std::string::npos);
    EXPECT_NE(help.out.find("years 1800..2399"), std::string::npos);
    EXPECT_NE(help.out.find("3 the output could not be written"), std::string::npos);
    const ToolRun version = RunTool("", {"--version"});
    EXPECT_EQ(version.status, kBatchOk);
    EXPECT_EQ(version.out, "nyra-moonsign-batch 2.10\n");
}

// An argument the tool does not know is echoed quoted, so that a stray
// escape sequence or line end cannot reach the terminal.
struct UnknownOptionCase {
    const char* name;
    std::string arg;
    std::string message;
};
void PrintTo(const UnknownOptionCase& c, std::ostream* os) { *os << c.name; }

class UnknownOption : public ::testing::TestWithParam<UnknownOptionCase> {};

TEST_P(UnknownOption, IsRefusedQuoted) {
    ExpectArgumentsOutcome(RunTool(kHeader + kJ2000, {GetParam().arg}), GetParam().message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arguments, UnknownOption,
    ::testing::Values(
        UnknownOptionCase{"Plain", "--frobnicate", "unknown option \"--frobnicate\""},
        UnknownOptionCase{"EscapeSequence", "--\x1b[2J", "unknown option \"--\\x1b[2J\""},
        UnknownOptionCase{"LineEnd", "-x\nline 2: forged", "unknown option \"-x\\nline 2: forged\""},
        UnknownOptionCase{"NotUtf8", "--\x80\xff", "unknown option \"--\\x80\\xff\""},
        UnknownOptionCase{"Long", "--" + std::string(100, 'x'),
                          "unknown option \"--" + std::string(kQuotedInputBytes - 2, 'x') + "...\""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// After "--" every argument is a file, however it starts; before it, "-"
// and an empty argument are files too.
TEST(BatchOptions, FilesAfterTheEndOfOptions) {
    const Result<BatchOptions> parsed = ParseBatchArguments({"-", "--describe", "", "--", "--precise", "-"});
    ASSERT_TRUE(parsed) << parsed.problem().Text();
    EXPECT_EQ(parsed->inputs, (std::vector<std::string>{"-", "", "--precise", "-"}));
    EXPECT_TRUE(parsed->columns.describe);
    EXPECT_FALSE(parsed->columns.precise);
}

// A fresh folder per test, so runs of the suite side by side never meet.
class BatchFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "nyra-batch-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& content) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    std::string WriteRecordLines(const std::string& name, const RecordLines& lines) {
        std::string file;
        for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
        return Write(name, file);
    }

    std::filesystem::path dir_;
};

TEST_F(BatchFiles, SeveralTablesShareOneHeaderAndNameTheirFile) {
    const std::string a = Write("a.tsv", kHeader + kJ2000);
    const std::string b = Write("b.tsv", kHeader + "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n" + kDelhi);
    const ToolRun r = RunTool("", {a, b, (dir_ / "missing.tsv").string()});
    EXPECT_EQ(r.status, kBatchFailed);
    EXPECT_NE(r.err.find(b + ": line 2: BirthDay"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("missing.tsv: cannot be opened: No such file or directory"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 3u);
}

// An output whose every write fails, as a closed stream would.
class BrokenOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

// A cell of an output row (1 is the first after the header), by column.
struct CellCheck {
    std::size_t row;
    const char* column;
    const char* value;
};

// Whole inputs: the exit status is the worst any of them reached, in any
// order, and every row is one output row or one message.
struct InputsCase {
    const char* name;
    std::vector<std::string> tables;  ///< Contents of each input; "<folder>" for a folder.
    int status;
    std::string err;                          ///< Exact; FILE1, FILE2 stand for the inputs' paths, escaped.
    std::size_t outLines;                     ///< Header included.
    std::vector<std::string> options = {};    ///< Before the inputs.
    bool brokenOutput = false;                ///< Every write of the output fails.
    std::vector<std::string> rowStarts = {};  ///< How output rows 1, 2, ... start.
    std::vector<CellCheck> cells = {};
};
void PrintTo(const InputsCase& c, std::ostream* os) { *os << c.name; }

class BatchInputs : public BatchFiles, public ::testing::WithParamInterface<InputsCase> {};

TEST_P(BatchInputs, GiveTheirStatusMessagesAndRows) {
    const InputsCase& c = GetParam();
    std::vector<std::string> args = c.options;
    std::vector<std::string> paths;
    for (const std::string& table : c.tables) {
        // An escape byte in every name, which no message may pass on raw.
        const std::string name = "t" + std::to_string(paths.size() + 1) + "\x1b.in";
        if (table == "<folder>") {
            std::filesystem::create_directory(dir_ / name);
            paths.push_back((dir_ / name).string());
        } else {
            paths.push_back(Write(name, table));
        }
        args.push_back(paths.back());
    }
    std::istringstream in;
    std::ostringstream out, err;
    BrokenOutput broken;
    std::ostream brokenOut(&broken);
    const int status = RunBatch(args, in, c.brokenOutput ? brokenOut : out, err);

    std::string expectedErr = c.err;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string mark = "FILE" + std::to_string(i + 1);
        for (std::size_t at; (at = expectedErr.find(mark)) != std::string::npos;)
            expectedErr.replace(at, mark.size(), EscapeInput(paths[i]));
    }
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(err.str(), expectedErr);
    const auto lines = Lines(out.str());
    EXPECT_EQ(lines.size(), c.outLines);
    for (std::size_t i = 0; i < c.rowStarts.size() && i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i + 1].substr(0, c.rowStarts[i].size()), c.rowStarts[i]) << "row " << i + 1;
    for (const CellCheck& cell : c.cells) {
        ASSERT_LT(cell.row, lines.size()) << cell.column;
        EXPECT_EQ(Cell(lines[0], lines[cell.row], cell.column), cell.value) << "row " << cell.row;
    }
}

const std::string kBadRowTable = kHeader + "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n" + kJ2000;
const std::string kBadHeaderTable = "Nonsense\n" + kJ2000;
const std::string kByteOrderMark = "\xEF\xBB\xBF";
// A row exactly at the line limit: the name pads it.
const std::string kNamedHeader = "BirthName\t" + kHeader;
std::string NamedRowOfBytes(std::size_t bytes) { return std::string(bytes - kJ2000.size(), 'n') + "\t" + kJ2000; }
// The same row ended by CR LF: the CR is no part of the line's bytes.
std::string NamedCrLfRowOfBytes(std::size_t bytes) {
    std::string row = NamedRowOfBytes(bytes);
    return row.insert(row.size() - 1, "\r");
}

// Two records whose every number differs from the others, and whose flags
// differ pair by pair between the two: a column echoed in another's place
// shows.
BirthRecord Ravi() {
    // clang-format off
    return {.BirthName = "Ravi", .BirthMonth = 11, .BirthDay = 23, .BirthYear = 1988, .BirthHour = 4,
            .BirthMinute = 17, .ZoneHours = 5, .ZoneMinutes = 45, .LonDegrees = 85, .LonMinutes = 19,
            .LatDegrees = 27, .LatMinutes = 42, .LonIsEast = kTrue, .ZoneIsEast = kTrue};
    // clang-format on
}
BirthRecord Luz() {
    // clang-format off
    return {.BirthName = "Luz", .BirthMonth = 6, .BirthDay = 9, .BirthYear = 2012, .BirthHour = 21, .BirthMinute = 3,
            .ZoneHours = 4, .ZoneMinutes = 0, .LonDegrees = 58, .LonMinutes = 22, .LatDegrees = 34, .LatMinutes = 36,
            .LatIsSouth = kTrue};
    // clang-format on
}

// Births whose minutes from the change and crossing times have a fraction
// past a half: the Moon entered Makara at 00:59:10 on 2 March 2000 and
// leaves Vrishabha at 08:25:43 on 13 March, both universal time.
const std::string kRoundingTable =
    kHeader + "3\t2\t2000\t6\t0\t0\t0\t0\t0\t0\t0\n" + "3\t13\t2000\t6\t0\t0\t0\t0\t0\t0\t0\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tables, BatchInputs,
    ::testing::Values(
        InputsCase{"ByteOrderMarkBeforeTheHeader", {kByteOrderMark + kHeader + kJ2000}, kBatchOk, "", 2},
        InputsCase{"CrLfWithABlankFirstLine", {"\r\n" + kHeader.substr(0, kHeader.size() - 1) + "\r\n" +
                                               kJ2000.substr(0, kJ2000.size() - 1) + "\r\n"},
                   kBatchOk, "", 2},
        InputsCase{"EmptyFile", {""}, kBatchFailed, "no header line\n", 0},
        InputsCase{"Folder", {"<folder>"}, kBatchFailed, "FILE1: cannot be opened: Is a directory\n", 0},
        InputsCase{"BadRowThenBadHeader", {kBadRowTable, kBadHeaderTable}, kBatchFailed,
                   "FILE1: line 2: BirthDay: \"x\" is not a whole number\nFILE2: unknown column \"Nonsense\"\n", 2},
        InputsCase{"BadHeaderThenBadRow", {kBadHeaderTable, kBadRowTable}, kBatchFailed,
                   "FILE1: unknown column \"Nonsense\"\nFILE2: line 2: BirthDay: \"x\" is not a whole number\n", 2},
        InputsCase{"LineAtTheLimit", {kNamedHeader + NamedRowOfBytes(65536)}, kBatchOk, "", 2},
        InputsCase{"LineOverTheLimit", {kNamedHeader + NamedRowOfBytes(65537) + "n\t" + kJ2000}, kBatchRowErrors,
                   "line 2: longer than 65536 bytes\n", 2},
        InputsCase{"CrLfLineAtTheLimit", {kNamedHeader + NamedCrLfRowOfBytes(65536) + "n\t" + kJ2000},
                   kBatchOk, "", 3},
        InputsCase{"CrLfLineOverTheLimit", {kNamedHeader + NamedCrLfRowOfBytes(65537) + "n\t" + kJ2000},
                   kBatchRowErrors, "line 2: longer than 65536 bytes\n", 2},
        InputsCase{"HugeLineOfTabs", {kHeader + std::string(3'000'000, '\t') + "\n" + kJ2000}, kBatchRowErrors,
                   "line 2: longer than 65536 bytes\n", 2},
        InputsCase{"RowOfManyTabs", {kHeader + std::string(60'000, '\t') + "\n" + kJ2000}, kBatchRowErrors,
                   "line 2: expected 11 fields, found 60001\n", 2},
        InputsCase{"BadHeaderThenGoodTable", {kBadHeaderTable, kHeader + kJ2000}, kBatchFailed,
                   "FILE1: unknown column \"Nonsense\"\n", 2},
        InputsCase{"BadRowThenGoodTable", {kBadRowTable, kHeader + kJ2000}, kBatchRowErrors,
                   "FILE1: line 2: BirthDay: \"x\" is not a whole number\n", 3},
        InputsCase{"OutputFailsAfterABadHeader", {kBadHeaderTable, kHeader + kJ2000}, kBatchOutputFailed,
                   "FILE1: unknown column \"Nonsense\"\nnyra-moonsign-batch: cannot write output: write error\n", 0,
                   {}, true},
        InputsCase{"OutputFailsBeforeABadHeader", {kHeader + kJ2000, kBadHeaderTable}, kBatchOutputFailed,
                   "nyra-moonsign-batch: cannot write output: write error\n", 0, {}, true},
        InputsCase{"RecordsEchoEveryColumn", {EncodeRecordFile(Ravi()), EncodeRecordFile(Luz())}, kBatchOk, "", 3,
                   {"--records"}, false,
                   {"Ravi\t11\t23\t1988\t4\t17\t-5\t-45\t85\t19\t27\t42\t-1\t0\t0\t",
                    "Luz\t6\t9\t2012\t21\t3\t4\t0\t58\t22\t34\t36\t0\t-1\t0\t"}},
        InputsCase{"BadRecordBetweenGoodOnes", {EncodeRecordFile(Ravi()), "", EncodeRecordFile(Luz())},
                   kBatchRowErrors, "FILE2: the file is empty\n", 3, {"--records"}, false,
                   {"Ravi\t11\t", "Luz\t6\t"}},
        InputsCase{"RoundedToTheNearestMinute", {kRoundingTable}, kBatchOk, "", 3, {}, false, {},
                   {{1, "SignEntered", "2000-03-02 00:59"}, {1, "MinutesFromSignChange", "-301"},
                    {2, "SignLeaves", "2000-03-13 08:26"}, {2, "MinutesFromSignChange", "146"}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

BirthRecord Zoe() {
    // clang-format off
    return {.BirthName = "Zo\u00EB \u674E", .BirthMonth = 8, .BirthDay = 31, .BirthYear = 1947, .BirthHour = 1,
            .BirthMinute = 2, .ZoneHours = 5, .ZoneMinutes = 30, .LonDegrees = 77, .LonMinutes = 13, .LatDegrees = 28,
            .LatMinutes = 39, .LonIsEast = kTrue, .LatIsSouth = kFalse, .DstOn = kTrue, .ZoneIsEast = kTrue};
    // clang-format on
}

TEST_F(BatchFiles, RecordsAreReadAsRowsWithEveryFieldInItsColumn) {
    const std::string good = (dir_ / "zoe.moo").string();
    ASSERT_TRUE(WriteBirthRecord(good, Zoe()).ok());
    const std::string bad = Write("bad.moo", "");

    const ToolRun r = RunTool("", {"--records", good, bad, "--describe"});
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_EQ(r.err, bad + ": the file is empty\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    // The columns of records have always come in this order.
    EXPECT_EQ(lines[0].rfind("BirthName\tBirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\t"
                             "ZoneMinutes\tLonDegrees\tLonMinutes\tLatDegrees\tLatMinutes\tLonIsEast\tLatIsSouth\t"
                             "DstOn\tUniversalHours\t",
                             0),
              0u);
    EXPECT_EQ(lines[1].rfind("Zo\u00EB \u674E\t8\t31\t1947\t1\t2\t-5\t-30\t77\t13\t28\t39\t-1\t0\t-1\t", 0), 0u)
        << lines[1];
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Kumbha");
    EXPECT_EQ(Cell(lines[0], lines[1], "EnglishName"), "Aquarius");
}

struct BadRecordCase {
    const char* name;
    int line;  ///< 1-based
    std::string text;
    const char* message;   ///< After "PATH: ".
    bool written = false;  ///< The row is still written, after the message.
};
void PrintTo(const BadRecordCase& c, std::ostream* os) { *os << c.name; }

class BatchBadRecord : public BatchFiles, public ::testing::WithParamInterface<BadRecordCase> {};

TEST_P(BatchBadRecord, IsReportedWithItsLineAndColumn) {
    const std::string good = (dir_ / "zoe.moo").string();
    ASSERT_TRUE(WriteBirthRecord(good, Zoe()).ok());
    RecordLines lines = RecordLinesFrom(Zoe());
    lines[static_cast<std::size_t>(GetParam().line - 1)] = GetParam().text;
    const std::string bad = WriteRecordLines("bad.moo", lines);

    const ToolRun r = RunTool("", {"--records", bad, good});
    EXPECT_EQ(r.status, GetParam().written ? kBatchOk : kBatchRowErrors);
    EXPECT_EQ(r.err, bad + ": " + GetParam().message + "\n");
    EXPECT_EQ(Lines(r.out).size(), GetParam().written ? 3u : 2u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Records, BatchBadRecord,
    ::testing::Values(
        BadRecordCase{"MonthNotANumber", 2, "x", "line 2: BirthMonth: \"x\" is not a whole number"},
        BadRecordCase{"ThirtyFirstOfApril", 2, "4", "line 3: BirthDay: \"31\" is not a day of April 1947 (1..30)"},
        BadRecordCase{"MonthThirteen", 2, "13", "line 2: BirthMonth: \"13\" is not a month (1..12)"},
        BadRecordCase{"YearPastTheRange", 4, "2400", "line 4: BirthYear: \"2400\" is outside 1800..2399"},
        BadRecordCase{"HourPastTheClock", 5, "25", "line 5: BirthHour: \"25\" is not an hour (0..23)"},
        BadRecordCase{"LatitudePast90", 9, "95", "line 9: LatDegrees: \"95\" is beyond 90 degrees of latitude"},
        BadRecordCase{"ZonePast14Hours", 11, "-20", "line 11: ZoneHours: \"20\" is beyond 14 hours"},
        BadRecordCase{"ZoneMinutesMissing", 12, "", "line 12: ZoneMinutes: missing value"},
        BadRecordCase{"MinuteLongerThanALine", 6, std::string(4095, '0') + "59",
                      "line 6: BirthMinute: longer than 4096 bytes"},
        BadRecordCase{"WindowLongerThanALine", 16, std::string(4094, '0') + "720",
                      "line 16: TimeWindowMinutes: longer than 4096 bytes"},
        BadRecordCase{"WindowNotAWindow", 16, "junk",
                      "line 16: TimeWindowMinutes: \"junk\" was not understood; the time was taken as exact", true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Records of births whose time was not known exactly: their window gives
// the window's columns for every record, exactly as a TimeWindowMinutes
// column of a table gives them, a record of fifteen lines counting as exact.
TEST_F(BatchFiles, RecordsWithATimeWindowGetItsColumns) {
    const std::string exact = (dir_ / "exact.moo").string();
    const std::string hour = (dir_ / "hour.moo").string();
    const std::string day = (dir_ / "day.moo").string();
    ASSERT_TRUE(WriteBirthRecord(exact, Ravi()).ok());
    ASSERT_TRUE(WriteBirthRecord(hour, Luz(), TimeWindow::PlusMinus(60)).ok());
    ASSERT_TRUE(WriteBirthRecord(day, Zoe(), TimeWindow::WholeDay()).ok());

    for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"--precise", "--describe"}}) {
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--records", exact, hour, day});
        const ToolRun records = RunTool("", args);
        ASSERT_EQ(records.status, kBatchOk) << records.err;
        const auto lines = Lines(records.out);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(NamesFrom(lines[0], "DstOn").at(1), "TimeWindowMinutes");

        EXPECT_EQ(Cell(lines[0], lines[1], "TimeWindowMinutes"), "0");
        EXPECT_EQ(Cell(lines[0], lines[1], "SignCertain"), "1");
        EXPECT_EQ(Cell(lines[0], lines[2], "TimeWindowMinutes"), "60");
        EXPECT_EQ(Cell(lines[0], lines[3], "TimeWindowMinutes"), "day");

        // The same births as a table of the records' own columns.
        const std::string inputColumns = lines[0].substr(0, lines[0].find("\tUniversalHours"));
        const std::size_t width = Cells(inputColumns).size();
        std::string table = inputColumns + "\n";
        for (std::size_t row = 1; row < lines.size(); ++row) {
            const auto cells = Cells(lines[row]);
            table += Join({cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(width)}) + "\n";
        }
        const ToolRun tabled = RunTool(table, options);
        ASSERT_EQ(tabled.status, kBatchOk) << tabled.err;
        EXPECT_EQ(tabled.out, records.out);
    }
}

TEST_F(BatchFiles, RecordsOfExactTimesKeepTheirColumns) {
    const std::string path = (dir_ / "exact.moo").string();
    ASSERT_TRUE(WriteBirthRecord(path, Ravi()).ok());
    const ToolRun r = RunTool("", {"--records", path});
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const std::string header = Lines(r.out).at(0);
    EXPECT_EQ(NamesFrom(header, "DstOn").at(1), "UniversalHours");
    EXPECT_EQ(header.find("TimeWindowMinutes"), std::string::npos);
    EXPECT_EQ(header.find("PossibleSigns"), std::string::npos);
}

// ------------------------------------------------------------------ output

TEST_F(BatchFiles, OutputThatCannotBeWrittenEndsWithStatus3) {
    const std::string table = Write("t.tsv", kHeader + kJ2000 + "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n");
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const struct {
        const char* name;
        std::streambuf* buffer;
        std::string message;
    } outputs[] = {
        {"FullDevice", new FdOutBuffer(fd), "nyra-moonsign-batch: cannot write output: No space left on device\n"},
        {"BrokenStream", new BrokenOutput, "nyra-moonsign-batch: cannot write output: write error\n"},
    };
    for (const auto& output : outputs) {
        std::istringstream in;
        std::ostream out(output.buffer);
        std::ostringstream err;
        EXPECT_EQ(RunBatch({table}, in, out, err), kBatchOutputFailed) << output.name;
        const std::string said = err.str();
        ASSERT_GE(said.size(), output.message.size()) << output.name;
        EXPECT_EQ(said.substr(said.size() - output.message.size()), output.message) << output.name;
        delete output.buffer;
    }
    ::close(fd);
}

// The real executable under a shell, as scripts run it.
struct ProgramResult {
    int status;  ///< As the shell reports it: 128 + N for a signal N.
    std::string out;
    std::string err;
};

ProgramResult RunProgram(const std::string& arguments, const std::string& reader, const std::filesystem::path& dir,
                         void (*sigpipe)(int)) {
    const std::string errPath = (dir / "stderr").string();
    const std::string statusPath = (dir / "status").string();
    // The status of the tool itself, not of the reader after it.
    std::string command =
        "{ " + std::string(NYRA_BATCH_EXE) + " " + arguments + " 2>" + errPath + "; echo $? >" + statusPath + "; }";
    if (!reader.empty()) command += " | " + reader;
    const auto previous = std::signal(SIGPIPE, sigpipe);
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    if (pipe != nullptr) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    std::signal(SIGPIPE, previous);
    std::ifstream statusFile(statusPath);
    int status = -1;
    statusFile >> status;
    std::ifstream errFile(errPath, std::ios::binary);
    return {status, out, std::string(std::istreambuf_iterator<char>(errFile), {})};
}

struct ProgramCase {
    const char* name;
    std::string arguments;  ///< TABLE stands for a table of many good rows, DIR for the test folder.
    std::string reader;     ///< What reads the output through a pipe, if anything.
    void (*sigpipe)(int);   ///< How the tool finds SIGPIPE.
    int status;
    std::string err;
    std::string firstOut;  ///< The start of standard output.
};
void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }

class BatchProgram : public BatchFiles, public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(BatchProgram, EndsWithItsStatusAndMessage) {
    std::string table = kHeader;
    // Far more than a pipe holds, so a reader that stops early is noticed.
    for (int i = 0; i < 4000; ++i) table += kJ2000;
    table += "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n";
    const std::string tablePath = Write("many.tsv", table);
    std::string arguments = GetParam().arguments;
    for (const auto& [mark, value] :
         {std::pair<std::string, std::string>{"TABLE", tablePath}, {"DIR", dir_.string()}}) {
        for (std::size_t at; (at = arguments.find(mark)) != std::string::npos;)
            arguments.replace(at, mark.size(), value);
    }
    std::string err = GetParam().err;
    for (std::size_t at; (at = err.find("DIR")) != std::string::npos;) err.replace(at, 3, dir_.string());

    const ProgramResult r = RunProgram(arguments, GetParam().reader, dir_, GetParam().sigpipe);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.err, err);
    EXPECT_EQ(r.out.substr(0, GetParam().firstOut.size()), GetParam().firstOut);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Exit, BatchProgram,
    ::testing::Values(
        ProgramCase{"RowErrors", "< TABLE", "tail -1", SIG_DFL, kBatchRowErrors,
                    "line 4002: BirthDay: \"x\" is not a whole number\n", "1\t1\t2000\t"},
        ProgramCase{"FullDevice", "TABLE >/dev/full", "", SIG_DFL, kBatchOutputFailed,
                    "nyra-moonsign-batch: cannot write output: No space left on device\n", ""},
        ProgramCase{"HelpToAFullDevice", "--help >/dev/full", "", SIG_DFL, kBatchOutputFailed,
                    "nyra-moonsign-batch: cannot write output: No space left on device\n", ""},
        ProgramCase{"ReaderStopsEarly", "TABLE", "head -1", SIG_DFL, 128 + SIGPIPE, "", "BirthMonth\t"},
        ProgramCase{"ReaderStopsEarlyWithSigpipeIgnored", "TABLE", "head -1", SIG_IGN, kBatchOutputFailed, "",
                    "BirthMonth\t"},
        ProgramCase{"FolderAsTable", "DIR", "", SIG_DFL, kBatchFailed, "DIR: cannot be opened: Is a directory\n", ""},
        ProgramCase{"Version", "--version", "", SIG_DFL, kBatchOk, "", "nyra-moonsign-batch 2.10\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
