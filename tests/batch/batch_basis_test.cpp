// --basis precise and --nakshatra-times: the chart's columns from Swiss
// Ephemeris, held to the library itself; what a row costs it; the note on
// its Moshier fallback and the files' years; the options' usage.
#include "../precise/ephemeris_folder.h"
#include "batch_tool_support.h"
#include "record/record_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace nyra {
namespace {

using namespace batch_testing;

constexpr double kSecondsPerDay = 86400.0;
constexpr double kPadaWidthDeg = 10.0 / 3.0;  // signs and nakshatras end on padas' ends
// The row's instant is read back from its Centuries cell, whose last digit
// moves the Moon by far less than this.
constexpr double kSameLongitudeDeg = 1e-7;
// Rows whose Moon is nearer a boundary than this may name either side.
constexpr double kBoundaryDeg = 1.0 / 3600.0;
// A printed change time lies within a minute of the library's crossing.
constexpr double kCrossingSeconds = 60.0;
// What a row with --basis precise --nakshatra-times may ask of the library.
constexpr int kMostMoonPositionsPerRow = 10;

const std::vector<std::string> kNakshatraTimes{"NakshatraEntered", "NakshatraLeaves"};

// Births of 1801..2398 (their changes inside the files' years), any zone,
// side and daylight saving; at Greenwich on its own clock when `greenwich`.
std::string RandomRows(int count, unsigned seed, bool greenwich = false) {
    std::mt19937 random(seed);
    const auto any = [&](int first, int last) {
        return std::to_string(std::uniform_int_distribution(first, last)(random));
    };
    std::string rows;
    for (int i = 0; i < count; ++i) {
        rows += any(1, 12) + "\t" + any(1, 28) + "\t" + any(1801, 2398) + "\t" + any(0, 23) + "\t" + any(0, 59) + "\t";
        rows += greenwich ? "0\t0\t0\t0\t0\t0\n"
                          : any(-14, 14) + "\t" + any(0, 59) + "\t" + any(0, 179) + "\t" + any(0, 59) + "\t" +
                                any(0, 1) + "\t" + any(0, 1) + "\n";
    }
    return rows;
}

double JulianDayOfRow(const std::string& header, const std::string& row) {
    return kJ2000JulianDate + std::stod(Cell(header, row, "Centuries")) * kDaysPerJulianCentury;
}

// --- The columns ------------------------------------------------------------------

struct LayoutCase {
    const char* name;
    std::vector<std::string> args;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class NakshatraTimes : public test::InstalledEphemerisAfterEachTest,
                       public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(NakshatraTimes, FollowSignLeavesAndLeaveEveryOtherColumnAsItWas) {
    const std::string table = kHeader + kJ2000 + "2\t30\t2000\t0\t0\t0\t0\t0\t0\t0\t0\n" + kDelhi;
    const ToolRun without = RunTool(table, GetParam().args);
    std::vector<std::string> args = GetParam().args;
    args.push_back("--nakshatra-times");
    const ToolRun with = RunTool(table, args);
    EXPECT_EQ(with.status, without.status);
    EXPECT_EQ(with.err, without.err);
    EXPECT_EQ(WithoutColumns(with.out, kNakshatraTimes), without.out);
    const auto lines = Lines(with.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto names = NamesFrom(lines[0], "SignLeaves");
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
              (std::vector<std::string>{"SignLeaves", "NakshatraEntered", "NakshatraLeaves", "MinutesFromSignChange"}));
    // J2000's Moon is in Swati, which it entered about 25 hours before.
    EXPECT_EQ(Cell(lines[0], lines[1], "NakshatraEntered").substr(0, 13), "1999-12-31 10");
    EXPECT_EQ(Cell(lines[0], lines[1], "NakshatraLeaves").substr(0, 13), "2000-01-01 13");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bases, NakshatraTimes,
                         ::testing::Values(LayoutCase{"Classic", {}}, LayoutCase{"Precise", {"--basis", "precise"}},
                                           LayoutCase{"ClassicWithPreciseColumns", {"--precise", "--describe"}}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using PreciseBasis = test::InstalledEphemerisAfterEachTest;

TEST_F(PreciseBasis, KeepsTheColumnsNamesAndOrder) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"--describe", "--nakshatra-times"}}) {
        std::vector<std::string> args = options;
        const ToolRun classic = RunTool(kHeader + kJ2000, args);
        args.insert(args.end(), {"--basis", "precise"});
        const ToolRun precise = RunTool(kHeader + kJ2000, args);
        ASSERT_EQ(precise.status, kBatchOk) << precise.err;
        EXPECT_EQ(Lines(precise.out).at(0), Lines(classic.out).at(0));
    }
}

// --- The values, against the library -----------------------------------------------

class PreciseBasisValues : public test::InstalledEphemerisAfterEachTest,
                           public ::testing::WithParamInterface<Ayanamsa> {};

TEST_P(PreciseBasisValues, AreSwissEphemerisMoonAtTheRowsInstant) {
    const Ayanamsa ayanamsa = GetParam();
    // 3:37 UT on 13 October 1958: the classic formula leaves the Moon 27″
    // short of Thula, the library puts it 1′ into it (Lahiri).
    const std::string table =
        kHeader + "10\t13\t1958\t3\t37\t0\t0\t0\t0\t0\t0\n" + RandomRows(60, 2300 + static_cast<unsigned>(ayanamsa));
    const ToolRun r = RunTool(table, {"--basis", "precise", "--nakshatra-times", "--describe", "--ayanamsa",
                                      std::string(InfoOf(ayanamsa).key)});
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 62u);
    if (ayanamsa == Ayanamsa::Lahiri) {
        EXPECT_EQ(Cell(lines[0], lines[1], "RashiName"), "Thula");
    }
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const auto cell = [&](const char* column) { return Cell(lines[0], lines[row], column); };
        SCOPED_TRACE(lines[row].substr(0, lines[row].find("\t", 20)));
        const PreciseMoon moon = PreciseMoonAt(JulianDayOfRow(lines[0], lines[row]), ayanamsa);
        ASSERT_TRUE(moon.ok()) << moon.error;
        EXPECT_NEAR(std::stod(cell("MoonLongitude")), moon.siderealDeg, kSameLongitudeDeg);
        EXPECT_NEAR(std::stod(cell("TropicalLongitude")), moon.tropicalDeg, kSameLongitudeDeg);
        EXPECT_NEAR(std::stod(cell("AyanamsaShift")), -moon.ayanamsaDeg, kSameLongitudeDeg);
        EXPECT_EQ(cell("MoonPositionText"), FormatSignPosition(std::stod(cell("MoonLongitude"))));
        const double padaEndsDeg = std::remainder(moon.siderealDeg, kPadaWidthDeg);
        if (std::fabs(padaEndsDeg) <= kBoundaryDeg) continue;
        const Nakshatra nakshatra = NakshatraAt(moon.siderealDeg);
        const std::string sign(RashiNames.at(static_cast<std::size_t>(moon.siderealDeg / 30.0)).name);
        EXPECT_EQ(cell("RashiName"), sign);
        EXPECT_EQ(cell("VedicName"), sign);  // the description follows the sign
        EXPECT_EQ(cell("Nakshatra"), nakshatra.name);
        EXPECT_EQ(cell("Pada"), std::to_string(nakshatra.pada));
        EXPECT_EQ(cell("NakshatraLord"), nakshatra.lord);
    }
}

INSTANTIATE_TEST_SUITE_P(Ayanamsas, PreciseBasisValues, ::testing::ValuesIn(test::EveryAyanamsa()),
                         test::AyanamsaTestName);

// The time window on the basis: its changes are the basis' own (the
// library's Kanya ends at 21:36 on 30 December 1999, the classic formula's
// at 21:37), so are its shares.
struct WindowCase {
    const char* name;
    std::string row;  ///< At Greenwich, ending in TimeWindowMinutes.
    std::vector<std::string> args;
    std::string possibleSigns;
    std::string certain;
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class PreciseWindow : public test::InstalledEphemerisAfterEachTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(PreciseWindow, FollowsTheBasisChanges) {
    const ToolRun r =
        RunTool(kHeader.substr(0, kHeader.size() - 1) + "\tTimeWindowMinutes\n" + GetParam().row, GetParam().args);
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Cell(lines[0], lines[1], "PossibleSigns"), GetParam().possibleSigns);
    EXPECT_EQ(Cell(lines[0], lines[1], "SignCertain"), GetParam().certain);
}

const std::string kBeforeThula = "12\t30\t1999\t21\t0\t0\t0\t0\t0\t0\t0\t60\n";
const std::string kEndOfKanya1958 = "10\t13\t1958\t3\t37\t0\t0\t0\t0\t0\t0\t";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Windows, PreciseWindow,
    ::testing::Values(
        // 20:00..22:00: Kanya 97 minutes and Thula 23 by the classic formula,
        // 96 and 24 by the library.
        WindowCase{"ClassicHour", kBeforeThula, {}, "Kanya 81%; Thula 19%", "0"},
        WindowCase{"PreciseHour", kBeforeThula, {"--basis", "precise"}, "Kanya 80%; Thula 20%", "0"},
        WindowCase{"PreciseWhereTheBasesDisagree", kEndOfKanya1958 + "5\n", {"--basis", "precise"},
                   "Kanya 30%; Thula 70%", "0"},
        // Raman's ayanamsa, 87′ smaller, has the Moon in Thula since 18:47.
        WindowCase{"RamanInsideOneSign", kBeforeThula, {"--basis", "precise", "--ayanamsa", "raman"}, "Thula 100%",
                   "1"},
        WindowCase{"RamanWholeDay", kEndOfKanya1958 + "day\n", {"--basis", "precise", "--ayanamsa", "raman"},
                   "Kanya 5%; Thula 95%", "0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Degrees the library's Moon is past `boundaryDeg` at `julianDayUt`, in
// (-180, 180].
double PastBoundary(double julianDayUt, double boundaryDeg) {
    const PreciseMoon moon = PreciseMoonAt(julianDayUt);
    double d = std::remainder(moon.siderealDeg - boundaryDeg, 360.0);
    return d <= -180.0 ? d + 360.0 : d;
}

// The library's crossing of `boundaryDeg` within `days` of `julianDayUt`,
// by halving; it is alone there (no sign or nakshatra is crossed twice in
// a quarter of a day).
double LibraryCrossing(double julianDayUt, double boundaryDeg) {
    double shortOf = julianDayUt - 0.25;
    double pastIt = julianDayUt + 0.25;
    EXPECT_LT(PastBoundary(shortOf, boundaryDeg), 0.0);
    EXPECT_GE(PastBoundary(pastIt, boundaryDeg), 0.0);
    while ((pastIt - shortOf) * kSecondsPerDay > 0.01) {
        const double mid = shortOf + (pastIt - shortOf) / 2.0;
        (PastBoundary(mid, boundaryDeg) < 0.0 ? shortOf : pastIt) = mid;
    }
    return shortOf + (pastIt - shortOf) / 2.0;
}

// "2000-01-02 09:51" at Greenwich, on universal time, as a Julian day.
double JulianDayOfMinute(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    char dash1 = 0, dash2 = 0, colon = 0;
    std::istringstream(text) >> year >> dash1 >> month >> dash2 >> day >> hour >> colon >> minute;
    return DayNumberFromDate(month, day, year) - 0.5 + (hour + minute / 60.0) / 24.0;
}

TEST_F(PreciseBasis, ChangeTimesAreWithinAMinuteOfTheLibrarysCrossings) {
    const ToolRun r = RunTool(kHeader + RandomRows(12, 24, true), {"--basis", "precise", "--nakshatra-times"});
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 13u);
    const struct {
        const char* column;
        double widthDeg;
        bool upper;  // the boundary it leaves by
    } crossings[] = {{"SignEntered", 30.0, false},
                     {"SignLeaves", 30.0, true},
                     {"NakshatraEntered", 40.0 / 3.0, false},
                     {"NakshatraLeaves", 40.0 / 3.0, true}};
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const double moonDeg = PreciseMoonAt(JulianDayOfRow(lines[0], lines[row])).siderealDeg;
        for (const auto& crossing : crossings) {
            const double boundaryDeg =
                (std::floor(moonDeg / crossing.widthDeg) + (crossing.upper ? 1 : 0)) * crossing.widthDeg;
            const double printed = JulianDayOfMinute(Cell(lines[0], lines[row], crossing.column));
            EXPECT_NEAR((printed - LibraryCrossing(printed, std::fmod(boundaryDeg, 360.0))) * kSecondsPerDay, 0.0,
                        kCrossingSeconds)
                << crossing.column << ", row " << row;
        }
    }
}

TEST_F(PreciseBasis, ARowAsksTheLibraryForAtMostTenMoonPositions) {
    RowOptions options;
    options.basis = BasisKind::Precise;
    options.nakshatraTimes = true;
    const Result<TableLayout> layout = ReadTableHeader(kHeader.substr(0, kHeader.size() - 1), options);
    ASSERT_TRUE(layout.ok());
    int most = 0;
    for (const Ayanamsa ayanamsa : test::EveryAyanamsa()) {
        options.ayanamsa = ayanamsa;
        for (const std::string& row : Lines(RandomRows(300, 7 + static_cast<unsigned>(ayanamsa)))) {
            const RowResult result = ComputeTableRow(*layout, options, row);
            ASSERT_TRUE(result.line.ok()) << result.line.problem().Text();
            EXPECT_GT(result.library.moonPositions, 0) << row;
            most = std::max(most, result.library.moonPositions);
        }
    }
    EXPECT_LE(most, kMostMoonPositionsPerRow);
    // The classic formula asks nothing of it.
    options.basis = BasisKind::Classic;
    EXPECT_EQ(ComputeTableRow(*layout, options, kJ2000.substr(0, kJ2000.size() - 1)).library.moonPositions, 0);
}

// --- The Moshier fallback and the files' years ---------------------------------------

// The tool's output and messages in one stream, as a terminal shows them.
std::string Combined(const std::string& input, const std::vector<std::string>& args, int& status) {
    std::istringstream in(input);
    std::ostringstream both;
    status = RunBatch(args, in, both, both);
    return both.str();
}

const std::string kBadRow = "1\tx\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n";
// 1 January 1800 at 00:00 on a clock 14:59 ahead: 31 Dec 1799, 09:01 UT.
const std::string kBefore1800 = "1\t1\t1800\t0\t0\t-14\t59\t0\t0\t0\t0\n";
const std::string kNote =
    "nyra-moonsign-batch: line 4: Swiss Ephemeris files not found; the Moshier theory was used from here on";

struct FallbackCase {
    const char* name;
    std::vector<std::string> args;
    std::string column;  ///< What a row the library cannot compute names.
};
void PrintTo(const FallbackCase& c, std::ostream* os) { *os << c.name; }

class MoshierFallback : public test::InstalledEphemerisAfterEachTest,
                        public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(MoshierFallback, IsNotedOnceBeforeTheFirstRowItGaveForEveryJobs) {
    // Refused rows first: neither a bad cell nor an instant before the
    // files' years is the fallback's.
    const std::string table =
        kHeader + kBadRow + kBefore1800 + kJ2000 + kDelhi + GeneratedTable(300).substr(kHeader.size());
    const std::string outside = "line 3: " + GetParam().column +
                                ": Swiss Ephemeris could not compute the Moon: universal time 31 Dec 1799 at 09:01 "
                                "is outside the ephemeris files' years 1800\u20132399";
    for (const bool filesMissing : {false, true}) {
        SCOPED_TRACE(filesMissing ? "files missing" : "files installed");
        test::EmptyFolder empty;
        SetEphemerisFolder(filesMissing ? empty.path() : std::string(kDefaultEphemerisFolder));
        std::vector<std::string> args = GetParam().args;
        args.insert(args.end(), {"--jobs", "1"});
        int status = 0;
        const std::string one = Combined(table, args, status);
        EXPECT_EQ(status, kBatchRowErrors);
        const auto lines = Lines(one);
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(lines[1], "line 2: BirthDay: \"x\" is not a whole number");
        EXPECT_EQ(lines[2], outside);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.find("Moshier") != std::string::npos; }),
                  filesMissing ? 1 : 0);
        if (filesMissing) {
            EXPECT_EQ(lines[3], kNote);
        }
        EXPECT_EQ(lines[filesMissing ? 4 : 3].substr(0, kJ2000.size() - 1), kJ2000.substr(0, kJ2000.size() - 1));
        for (const char* jobs : {"2", "8"}) {
            args.back() = jobs;
            int manyStatus = 0;
            EXPECT_TRUE(Combined(table, args, manyStatus) == one) << "--jobs " << jobs << " places a message elsewhere";
            EXPECT_EQ(manyStatus, status);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bases, MoshierFallback,
    ::testing::Values(FallbackCase{"PreciseColumns", {"--precise"}, "PreciseLongitude"},
                      FallbackCase{"PreciseBasis", {"--basis", "precise", "--nakshatra-times"}, "MoonLongitude"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PreciseBasis, TheFallbackNoteNamesTheRecordItCameWith) {
    test::EmptyFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::string path = folder.path() + "/delhi.moo";
    BirthRecord delhi;
    delhi.BirthYear = 1947;
    delhi.BirthMonth = 8;
    delhi.BirthDay = 15;
    ASSERT_TRUE(WriteBirthRecord(path, delhi).ok());
    SetEphemerisFolder(folder.path());
    const ToolRun r = RunTool("", {"--basis", "precise", "--records", path, path});
    EXPECT_EQ(r.status, kBatchOk);
    EXPECT_EQ(r.err, "nyra-moonsign-batch: " + path +
                         ": Swiss Ephemeris files not found; the Moshier theory was used from here on\n");
}

// --- Usage -------------------------------------------------------------------------------

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;  // empty: accepted
};
void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class NewOptions : public ::testing::TestWithParam<UsageCase> {};

TEST_P(NewOptions, AreCheckedBeforeAnyRow) {
    ExpectArgumentsOutcome(RunTool(kHeader + kJ2000, GetParam().args), GetParam().message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arguments, NewOptions,
    ::testing::Values(
        UsageCase{"BasisClassic", {"--basis", "classic"}, ""},
        UsageCase{"BasisPreciseWithAyanamsa", {"--basis=precise", "--ayanamsa", "kp"}, ""},
        UsageCase{"AyanamsaBeforeTheBasis", {"--ayanamsa=kp", "--basis", "precise"}, ""},
        UsageCase{"UnknownBasis", {"--basis", "exact"}, "unknown basis \"exact\" (classic or precise)"},
        UsageCase{"BasisNamesAreExact", {"--basis", "Precise"}, "unknown basis \"Precise\" (classic or precise)"},
        UsageCase{"NoBasis", {"--basis"}, "--basis needs a name (classic or precise)"},
        UsageCase{"PreciseColumnsOnThePreciseBasis",
                  {"--basis", "precise", "--precise"},
                  "--precise sets Swiss Ephemeris beside the classic formula; with --basis precise every column "
                  "comes from Swiss Ephemeris already"},
        UsageCase{"AyanamsaOnTheClassicBasis",
                  {"--basis", "classic", "--ayanamsa", "kp"},
                  "--ayanamsa chooses Swiss Ephemeris' ayanamsa; add --basis precise or --precise"},
        UsageCase{"Tsv", {"--format=tsv"}, ""},
        UsageCase{"UnknownFormat", {"--format", "json"}, "unknown format \"json\" (tsv or jsonl)"},
        UsageCase{"NoFormat", {"--format"}, "--format needs a name (tsv or jsonl)"},
        UsageCase{"Hindi", {"--lang", "hi"}, ""},
        UsageCase{"English", {"--lang=en"}, ""},
        UsageCase{"UnknownLanguage", {"--lang", "hindi"}, "unknown language \"hindi\" (en or hi)"},
        UsageCase{"NoLanguage", {"--lang"}, "--lang needs a name (en or hi)"},
        UsageCase{"NakshatraTimesTakeNoValue", {"--nakshatra-times=1"}, "unknown option \"--nakshatra-times=1\""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(NewOptionsHelp, NamesEveryChoice) {
    const std::string help = RunTool("", {"--help"}).out;
    for (const char* word : {"--basis", "classic", "precise", "--nakshatra-times", "NakshatraEntered",
                             "NakshatraLeaves", "--format", "tsv", "jsonl", "--lang", "en", "hi", "U+FFFD", "Moshier"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace nyra
