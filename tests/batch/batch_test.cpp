#include "batch/batch.h"

#include "record/record_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace nyra {
namespace {

struct BatchResult {
    int status;
    std::string out;
    std::string err;
};

BatchResult RunTool(const std::string& input, std::vector<std::string> args = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunBatch(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string Cell(const std::string& header, const std::string& row, const std::string& column) {
    const auto names = Cells(header);
    const auto values = Cells(row);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == column) return i < values.size() ? values[i] : "<missing>";
    return "<no column " + column + ">";
}

const std::string kHeader =
    "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
    "LonDegrees\tLonMinutes\tLonIsEast\tDstOn\n";
const std::string kJ2000 = "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n";
const std::string kDelhi = "8\t15\t1947\t0\t0\t5\t30\t77\t13\t1\t0\n";

TEST(BatchTable, ComputesEveryRowWithFullPrecision) {
    const BatchResult r = RunTool(kHeader + kJ2000 + kDelhi);
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
    const std::string header = "DstOn\tBirthName\tLonIsEast\tLonMinutes\tLonDegrees\tZoneMinutes\tZoneHours\t"
                               "BirthMinute\tBirthHour\tBirthYear\tBirthDay\tBirthMonth\tLatDegrees\r\n";
    const BatchResult r = RunTool(header + "0\t Ann Lee \t1\t13\t77\t30\t5\t0\t0\t1947\t15\t8\t28\r\n");
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("0\t Ann Lee \t1\t13\t77\t30\t5\t0\t0\t1947\t15\t8\t28\t", 0), 0u) << lines[1];
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Kataka");
    EXPECT_EQ(lines[0].find('\r'), std::string::npos);
}

TEST(BatchTable, MoonDetailColumnsFollowRashiName) {
    const BatchResult r = RunTool(kHeader + kJ2000);
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
    const BatchResult r = RunTool(kHeader + "7\t1\t1975\t12\t0\t-1\t0\t3\t42\t0\t1\n" +
                                  "7\t1\t1975\t12\t0\t1\t0\t3\t42\t0\t1\n" +
                                  "7\t1\t1975\t12\t0\t-32768\t0\t3\t42\t0\t1\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find("line 4: ZoneHours"), std::string::npos) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), "10");
    EXPECT_EQ(Cell(lines[0], lines[2], "UniversalHours"), "12");  // typed sizes keep the longitude rule
}

TEST(BatchTable, FlagsAcceptZeroOneAndMinusOne) {
    const BatchResult plusOne = RunTool(kHeader + kDelhi);
    std::string minusOneRow = kDelhi;
    minusOneRow.replace(minusOneRow.find("\t1\t0\n"), 5, "\t-1\t0\n");
    const BatchResult minusOne = RunTool(kHeader + minusOneRow);
    ASSERT_EQ(minusOne.status, kBatchOk) << minusOne.err;
    EXPECT_EQ(Cell(Lines(plusOne.out)[0], Lines(plusOne.out)[1], "MoonLongitude"),
              Cell(Lines(minusOne.out)[0], Lines(minusOne.out)[1], "MoonLongitude"));
}

struct BadRow {
    const char* name;
    const char* row;
    const char* message;
};
void PrintTo(const BadRow& c, std::ostream* os) { *os << c.name; }

class BatchBadRow : public ::testing::TestWithParam<BadRow> {};

TEST_P(BatchBadRow, IsReportedAndSkippedWhileOtherRowsAreWritten) {
    const BatchResult r = RunTool(kHeader + kJ2000 + GetParam().row + "\n" + kDelhi);
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Thula");
    EXPECT_EQ(Cell(lines[0], lines[2], "RashiName"), "Kataka");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchBadRow,
    ::testing::Values(
        BadRow{"NotANumber", "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0", "line 3: BirthDay: \"x\" is not a whole number"},
        BadRow{"Fraction", "1\t1\t2000\t12.5\t0\t0\t0\t0\t0\t0\t0", "line 3: BirthHour: \"12.5\" is not a whole number"},
        BadRow{"PastSixteenBits", "1\t1\t32768\t12\t0\t0\t0\t0\t0\t0\t0", "line 3: BirthYear: \"32768\" is outside"},
        BadRow{"HugeNumber", "1\t1\t2000\t12\t0\t0\t0\t99999999999999999999\t0\t0\t0", "line 3: LonDegrees:"},
        BadRow{"EmptyField", "1\t1\t2000\t\t0\t0\t0\t0\t0\t0\t0", "line 3: BirthHour: missing value"},
        BadRow{"BadFlag", "1\t1\t2000\t12\t0\t0\t0\t0\t0\t2\t0", "line 3: LonIsEast: \"2\" is not a flag"},
        BadRow{"TooFewFields", "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0", "line 3: expected 11 fields, found 10"},
        BadRow{"TooManyFields", "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0\t0\t0", "line 3: expected 11 fields, found 12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchTable, EmptyLinesAreSkippedButCounted) {
    const BatchResult r = RunTool(kHeader + "\n\r\n" + kJ2000 + "\n1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find("line 6: BirthDay"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 2u);
}

TEST(BatchHeader, UnknownMissingOrRepeatedColumnStopsWithStatus2) {
    const struct {
        std::string header;
        std::string message;
    } cases[] = {
        {"Birthmonth\t" + kHeader.substr(kHeader.find('\t') + 1), "unknown column \"Birthmonth\""},
        {kHeader.substr(0, kHeader.rfind('\t')) + "\n", "missing column \"DstOn\""},
        {"DstOn\t" + kHeader, "column \"DstOn\" appears twice"},
        {"", "no header line"},
    };
    for (const auto& c : cases) {
        const BatchResult r = RunTool(c.header.empty() ? "\n\n" : c.header + kJ2000);
        EXPECT_EQ(r.status, kBatchFailed) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(BatchOptions, DescribeAppendsTheSignFields) {
    const BatchResult r = RunTool(kHeader + kJ2000, {"--describe"});
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

TEST(BatchOptions, HelpAndBadOptions) {
    const BatchResult help = RunTool("", {"--help"});
    EXPECT_EQ(help.status, kBatchOk);
    EXPECT_NE(help.out.find("Usage: nyra-moonsign-batch"), std::string::npos);
    const BatchResult bad = RunTool("", {"--frobnicate"});
    EXPECT_EQ(bad.status, kBatchFailed);
    EXPECT_NE(bad.err.find("unknown option --frobnicate"), std::string::npos);
}

class BatchFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("nyra-batch-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& content) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    std::filesystem::path dir_;
};

TEST_F(BatchFiles, SeveralTablesShareOneHeaderAndNameTheirFile) {
    const std::string a = Write("a.tsv", kHeader + kJ2000);
    const std::string b = Write("b.tsv", kHeader + "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n" + kDelhi);
    const BatchResult r = RunTool("", {a, b, (dir_ / "missing.tsv").string()});
    EXPECT_EQ(r.status, kBatchFailed);
    EXPECT_NE(r.err.find(b + ": line 2: BirthDay"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("missing.tsv: cannot be opened"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 3u);
}

TEST_F(BatchFiles, RecordsAreReadAsRows) {
    BirthRecord birth;
    birth.BirthName = "Zo\u00EB \u674E";
    birth.BirthMonth = 8;
    birth.BirthDay = 15;
    birth.BirthYear = 1947;
    birth.ZoneHours = 5;
    birth.ZoneMinutes = 30;
    birth.LonDegrees = 77;
    birth.LonMinutes = 13;
    birth.LonIsEast = kTrue;
    const std::string good = (dir_ / "zoe.moo").string();
    ASSERT_FALSE(WriteBirthRecord(good, birth).has_value());
    const std::string bad = Write("bad.moo", "");

    const BatchResult r = RunTool("", {"--records", good, bad, "--describe"});
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find(bad + ": "), std::string::npos) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "BirthName"), birth.BirthName);
    EXPECT_EQ(Cell(lines[0], lines[1], "LonIsEast"), "-1");
    EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Kataka");
    EXPECT_EQ(Cell(lines[0], lines[1], "EnglishName"), "Cancer");
}

TEST(BatchProgram, ExitStatusAndStreamsOfTheRealExecutable) {
    const std::string dir = std::filesystem::temp_directory_path().string();
    const std::string input = dir + "/nyra-batch-program.tsv";
    std::ofstream(input) << kHeader << kJ2000 << "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n";
    const std::string command = std::string(NYRA_BATCH_EXE) + " < " + input + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), kBatchRowErrors);
    EXPECT_EQ(Lines(out).size(), 2u);
    std::filesystem::remove(input);
}

} // namespace
} // namespace nyra

namespace nyra {
namespace {

TEST(BatchPlace, ResolvesCoordinatesZoneAndDaylightSavingFromTheAtlas) {
    const std::string header = "BirthName\tBirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\n";
    const BatchResult r = RunTool(header + "Ana\t7\t1\t1975\t12\t0\tMadrid, Spain\n" +
                                  "Ravi\t5\t1\t1943\t12\t0\tKolkata\n" +
                                  "Nobody\t1\t1\t1990\t12\t0\tXqzzyville\n" +
                                  "Mary\t7\t1\t1944\t12\t0\tLondon, United Kingdom\n");
    EXPECT_EQ(r.status, kBatchRowErrors);
    EXPECT_NE(r.err.find("line 4: Place: no place matches \"Xqzzyville\""), std::string::npos) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Cell(lines[0], lines[1], "TimeZoneId"), "Europe/Madrid");
    EXPECT_EQ(Cell(lines[0], lines[1], "UtcOffset"), "+02:00");
    EXPECT_EQ(Cell(lines[0], lines[1], "UniversalHours"), "10");
    EXPECT_EQ(Cell(lines[0], lines[2], "TimeZoneId"), "Asia/Kolkata");
    EXPECT_EQ(Cell(lines[0], lines[2], "UtcOffset"), "+06:30");
    EXPECT_EQ(Cell(lines[0], lines[2], "UniversalHours"), "5.5");
    EXPECT_EQ(Cell(lines[0], lines[3], "UtcOffset"), "+02:00");  // double summer time
    EXPECT_EQ(Cell(lines[0], lines[3], "UniversalHours"), "10");
    EXPECT_NE(Cell(lines[0], lines[1], "ResolvedPlace").find("Madrid"), std::string::npos);
}

} // namespace
} // namespace nyra
