#include "record/record_file.h"

#include <gtest/gtest.h>

#include <string>

namespace nyra {
namespace {

// ---------------------------------------------------------------- scrambling

TEST(Scramble, EveryByteThatFitsRoundTrips) {
    std::string all;
    for (int code = 0; code <= 255 - kRecordOffset; ++code) all.push_back(static_cast<char>(code));
    const std::string stored = ScrambleRecordLine(all);
    ASSERT_EQ(stored.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(stored[i]), static_cast<unsigned char>(all[i]) + kRecordOffset)
            << "byte " << i;
    }
    EXPECT_EQ(UnscrambleRecordLine(stored), all);
}

TEST(Scramble, NamesInAnyScriptSurvive) {
    const std::string name = "Zo\u00eb \u00d1\u00fa\u00f1ez \u674e\u5c0f\u9f8d";
    const std::string stored = ScrambleRecordLine(name);
    EXPECT_EQ(stored.size(), name.size());
    EXPECT_NE(stored, name);
    EXPECT_EQ(UnscrambleRecordLine(stored), name);
}

TEST(Scramble, BytesThatWouldPass255AreLeftOut) {
    EXPECT_EQ(ScrambleRecordLine("a\xf9"
                                 "b\xff"
                                 "c"),
              "hij");
    EXPECT_EQ(ScrambleRecordLine("\xf8"), "\xff");
}

TEST(Scramble, StoredBytesBelowTheOffsetAreLeftOut) {
    EXPECT_EQ(UnscrambleRecordLine(std::string("h\x00i\x06j", 5)), "abc");
    EXPECT_EQ(UnscrambleRecordLine("\x07"), std::string(1, '\0'));
}

TEST(Scramble, PrintableTextNeverTurnsIntoALineEnd) {
    std::string printable;
    for (int code = 0x20; code <= 0x7e; ++code) printable.push_back(static_cast<char>(code));
    const std::string stored = ScrambleRecordLine(printable);
    EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos);
}

// ------------------------------------------------------------------ encoding

BirthRecord Ann() {
    // clang-format off
    return {.BirthName = "Ann", .BirthMonth = 3, .BirthDay = 9, .BirthYear = 1985, .BirthHour = 14, .BirthMinute = 5,
            .ZoneHours = 5, .ZoneMinutes = 30, .LonDegrees = 77, .LonMinutes = 13, .LatDegrees = 28, .LatMinutes = 39,
            .LonIsEast = kTrue, .LatIsSouth = kFalse, .DstOn = kTrue, .ZoneIsEast = kTrue};
    // clang-format on
}

TEST(EncodeRecordFile, PlainLinesInFileOrder) {
    // clang-format off
    const RecordLines expected = {"Ann", "3",  "9",  "1985", "14", "5",  "77", "13",
                                  "28",  "39", "-5", "-30",  "1",  "0",  "1"};
    // clang-format on
    EXPECT_EQ(RecordLinesFrom(Ann()), expected);
}

TEST(EncodeRecordFile, ExactBytes) {
    // Worked by hand: digit d is stored as '7' + d, '-' as '4', 'A' as 'H',
    // 'n' as 'u'. Longitude (77 13) before latitude (28 39), zone (-5 -30)
    // after both, then East, South, DST.
    const std::string expected =
        "Huu\r\n"
        ":\r\n"
        "@\r\n"
        "8@?<\r\n"
        "8;\r\n"
        "<\r\n"
        ">>\r\n"
        "8:\r\n"
        "9?\r\n"
        ":@\r\n"
        "4<\r\n"
        "4:7\r\n"
        "8\r\n"
        "7\r\n"
        "8\r\n";
    EXPECT_EQ(EncodeRecordFile(Ann()), expected);
}

struct FlagCase {
    const char* name;
    std::int16_t value;
    const char* text;
};

class FlagText : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagText, NonzeroIsOne) {
    BirthRecord r;
    r.LonIsEast = r.LatIsSouth = r.DstOn = GetParam().value;
    const RecordLines lines = RecordLinesFrom(r);
    EXPECT_EQ(lines[12], GetParam().text);
    EXPECT_EQ(lines[13], GetParam().text);
    EXPECT_EQ(lines[14], GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, FlagText,
                         ::testing::Values(FlagCase{"False", 0, "0"}, FlagCase{"TrueMinusOne", -1, "1"},
                                           FlagCase{"TruePlusOne", 1, "1"}, FlagCase{"OtherNonzero", 5, "1"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(EncodeRecordFile, ControlCharactersInTheNameCannotSplitTheFile) {
    // 3 and 6 would be stored as LF and CR.
    BirthRecord r = Ann();
    r.BirthName = "A\x03n\x06n\r\n\t.";
    EXPECT_EQ(RecordLinesFrom(r)[0], "Ann.");
    const std::string file = EncodeRecordFile(r);
    std::size_t lineEnds = 0;
    for (std::size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 1)) ++lineEnds;
    EXPECT_EQ(lineEnds, static_cast<std::size_t>(kRecordLineCount));
}

struct LongNameCase {
    const char* name;
    const char* character;
    std::size_t expectedBytes;
};

class LongName : public ::testing::TestWithParam<LongNameCase> {};

TEST_P(LongName, IsCutToTheReadersLimitOnACharacterBoundary) {
    BirthRecord r;
    for (int i = 0; i < 3000; ++i) r.BirthName += GetParam().character;
    const std::string stored = RecordLinesFrom(r)[0];
    EXPECT_EQ(stored.size(), GetParam().expectedBytes);
    EXPECT_EQ(stored, r.BirthName.substr(0, stored.size()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, LongName,
                         ::testing::Values(LongNameCase{"Ascii", "ab", kMaxRecordLineBytes},
                                           LongNameCase{"TwoByte", "\u00eb", kMaxRecordLineBytes},
                                           LongNameCase{"ThreeByte", "\u674e", 4095},
                                           LongNameCase{"FourByte", "\U0001F319", kMaxRecordLineBytes}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ------------------------------------------------------------ lines to record

RecordLines ValidLines() { return RecordLinesFrom(Ann()); }

// The birth read from the lines; a refusal as the batch tool words it.
Result<BirthRecord> BirthFromLines(const RecordLines& lines) {
    const Result<SavedRecord> saved = SavedRecordFromLines({lines, kTimeWindowLine});
    if (!saved) return AtRecordLine(saved.problem());
    return saved->birth;
}
std::string Why(const Result<BirthRecord>& read) { return read ? "" : read.problem().Text(); }

TEST(SavedRecordFromLines, ReversesRecordLinesFrom) {
    for (BirthRecord r : {Ann(), BirthRecord{}}) {
        const auto back = BirthFromLines(RecordLinesFrom(r));
        ASSERT_TRUE(back.ok()) << Why(back);
        EXPECT_EQ(*back, r);
    }
}

// ------------------------------------------------------ the sixteenth line

// How well the time was known: no line for an exact time, so its file is
// the fifteen lines it always was; otherwise the window in TimeWindowMinutes
// words.
struct WindowLineCase {
    const char* name;
    TimeWindow written;
    const char* line;  ///< Plain; "" for no sixteenth line.
    TimeWindow read;   ///< What the line reads back as.
};
void PrintTo(const WindowLineCase& c, std::ostream* os) { *os << c.name; }

class WindowLine : public ::testing::TestWithParam<WindowLineCase> {};

TEST_P(WindowLine, IsWrittenOnlyForATimeNotKnownExactlyAndReadsBack) {
    const WindowLineCase& c = GetParam();
    const RecordLines lines = RecordLinesFrom(Ann(), c.written);
    EXPECT_EQ(lines[kTimeWindowLine - 1], c.line);
    const std::string fifteen = EncodeRecordFile(Ann());
    const std::string file = EncodeRecordFile(Ann(), c.written);
    const std::string sixteenth = *c.line ? ScrambleRecordLine(c.line) + "\r\n" : "";
    EXPECT_EQ(file, fifteen + sixteenth);
    const Result<SavedRecord> back = SavedRecordFromLines({lines, kTimeWindowLine});
    ASSERT_TRUE(back.ok()) << back.problem().Text();
    EXPECT_EQ(*back, (SavedRecord{Ann(), c.read}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Record, WindowLine,
    ::testing::Values(WindowLineCase{"Exact", TimeWindow::Exact(), "", TimeWindow::Exact()},
                      WindowLineCase{"OneMinute", TimeWindow::PlusMinus(1), "1", TimeWindow::PlusMinus(1)},
                      WindowLineCase{"TwoHours", TimeWindow::PlusMinus(120), "120", TimeWindow::PlusMinus(120)},
                      WindowLineCase{"Widest", TimeWindow::PlusMinus(720), "720", TimeWindow::PlusMinus(720)},
                      WindowLineCase{"WholeDay", TimeWindow::WholeDay(), "day", TimeWindow::WholeDay()},
                      // As SignsInWindow reads them: never a line the reader refuses.
                      WindowLineCase{"WiderIsNarrowed", TimeWindow::PlusMinus(900), "720", TimeWindow::PlusMinus(720)},
                      WindowLineCase{"NegativeIsExact", TimeWindow::PlusMinus(-5), "", TimeWindow::Exact()}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(WindowLine, ExactBytesOfAnHourEitherWay) {
    // '6' is stored as '=', '0' as '7'.
    EXPECT_EQ(EncodeRecordFile(Ann(), TimeWindow::PlusMinus(60)), EncodeRecordFile(Ann()) + "=7\r\n");
}

struct BadWindowLineCase {
    const char* name;
    const char* line;
    std::string message;    ///< "" when read as an exact time.
    std::string note = {};  ///< What an exact time read past the line says.
};
void PrintTo(const BadWindowLineCase& c, std::ostream* os) { *os << c.name; }

class BadWindowLine : public ::testing::TestWithParam<BadWindowLineCase> {};

TEST_P(BadWindowLine, IsRefusedNamingTheLine) {
    RecordLines lines = ValidLines();
    lines[kTimeWindowLine - 1] = GetParam().line;
    const Result<SavedRecord> read = SavedRecordFromLines({lines, kTimeWindowLine});
    if (GetParam().message.empty()) {
        ASSERT_TRUE(read.ok()) << read.problem().Text();
        EXPECT_EQ(read->timeKnown, TimeWindow::Exact());
        EXPECT_EQ(read->unreadLine ? AtRecordLine(*read->unreadLine).Text() : "", GetParam().note);
    } else {
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(AtRecordLine(read.problem()).Text(), GetParam().message);
    }
}

const std::string kOutside = " is outside 0..720 minutes (day stands for an unknown time)";
const std::string kNotUnderstood = " was not understood; the time was taken as exact";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Record, BadWindowLine,
    ::testing::Values(
        BadWindowLineCase{"Word", "soon", "", "line 16: TimeWindowMinutes: \"soon\"" + kNotUnderstood},
        BadWindowLineCase{"Fraction", " 1.5 ", "", "line 16: TimeWindowMinutes: \"1.5\"" + kNotUnderstood},
        BadWindowLineCase{"TooWide", "721", "line 16: TimeWindowMinutes: \"721\"" + kOutside},
        BadWindowLineCase{"Negative", "-1", "line 16: TimeWindowMinutes: \"-1\"" + kOutside},
        BadWindowLineCase{"Empty", "", ""},
        BadWindowLineCase{"Blanks", " \t", ""},
        BadWindowLineCase{"Zero", "0", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Every number line: its place in the file, the column a message names, and
// the field it fills, at both 16-bit edges (a zone size has no -32768).
struct NumberLineCase {
    const char* column;
    int line;  ///< 1-based, as in messages
    std::int16_t BirthRecord::*field;
    int lowest;
};
void PrintTo(const NumberLineCase& c, std::ostream* os) { *os << c.column; }

class NumberLine : public ::testing::TestWithParam<NumberLineCase> {};

TEST_P(NumberLine, HoldsItsFieldAtTheSixteenBitEdges) {
    const NumberLineCase& c = GetParam();
    const std::size_t index = static_cast<std::size_t>(c.line - 1);
    for (const int value : {c.lowest, 32767}) {
        BirthRecord r = Ann();
        r.ZoneIsEast = kFalse;
        r.*c.field = static_cast<std::int16_t>(value);
        const RecordLines lines = RecordLinesFrom(r);
        EXPECT_EQ(lines[index], std::to_string(value));
        const auto back = BirthFromLines(lines);
        ASSERT_TRUE(back.ok()) << Why(back);
        EXPECT_EQ(*back, r);
    }
}

TEST_P(NumberLine, ABadValueIsReportedWithItsLineAndColumn) {
    const NumberLineCase& c = GetParam();
    RecordLines lines = ValidLines();
    lines[static_cast<std::size_t>(c.line - 1)] = "1\r2";
    EXPECT_EQ(Why(BirthFromLines(lines)),
              "line " + std::to_string(c.line) + ": " + c.column + ": \"1\\r2\" is not a whole number");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Record, NumberLine,
    ::testing::Values(NumberLineCase{"BirthMonth", 2, &BirthRecord::BirthMonth, -32768},
                      NumberLineCase{"BirthDay", 3, &BirthRecord::BirthDay, -32768},
                      NumberLineCase{"BirthYear", 4, &BirthRecord::BirthYear, -32768},
                      NumberLineCase{"BirthHour", 5, &BirthRecord::BirthHour, -32768},
                      NumberLineCase{"BirthMinute", 6, &BirthRecord::BirthMinute, -32768},
                      NumberLineCase{"LonDegrees", 7, &BirthRecord::LonDegrees, -32768},
                      NumberLineCase{"LonMinutes", 8, &BirthRecord::LonMinutes, -32768},
                      NumberLineCase{"LatDegrees", 9, &BirthRecord::LatDegrees, -32768},
                      NumberLineCase{"LatMinutes", 10, &BirthRecord::LatMinutes, -32768},
                      NumberLineCase{"ZoneHours", 11, &BirthRecord::ZoneHours, 0},
                      NumberLineCase{"ZoneMinutes", 12, &BirthRecord::ZoneMinutes, 0}),
    [](const auto& info) { return std::string(info.param.column); });
// clang-format on

TEST(SavedRecordFromLines, FirstBadLineIsReported) {
    RecordLines lines = ValidLines();
    lines[9] = "x";
    lines[4] = "y";
    EXPECT_EQ(Why(BirthFromLines(lines)), "line 5: BirthHour: \"y\" is not a whole number");
}

TEST(SavedRecordFromLines, ReadsNumbersByTheOneRule) {
    RecordLines lines = ValidLines();
    lines[1] = " 12\t";
    lines[2] = "05";
    lines[4] = "+8";
    lines[10] = "-0";
    const auto r = BirthFromLines(lines);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->BirthMonth, 12);
    EXPECT_EQ(r->BirthDay, 5);
    EXPECT_EQ(r->BirthHour, 8);
    EXPECT_EQ(r->ZoneHours, 0);
    EXPECT_EQ(r->ZoneIsEast, kTrue);
}

TEST(ZoneLines, CarryTheMinusSignOfAZoneEastOfGreenwich) {
    BirthRecord typed = Ann();
    typed.ZoneIsEast = kFalse;
    EXPECT_EQ(RecordLinesFrom(typed)[10], "5");
    EXPECT_EQ(RecordLinesFrom(typed)[11], "30");

    BirthRecord onlyMinutes = Ann();
    onlyMinutes.ZoneHours = 0;
    EXPECT_EQ(RecordLinesFrom(onlyMinutes)[10], "0");
    EXPECT_EQ(RecordLinesFrom(onlyMinutes)[11], "-30");

    BirthRecord zero = Ann();
    zero.ZoneHours = 0;
    zero.ZoneMinutes = 0;
    EXPECT_EQ(RecordLinesFrom(zero)[10], "-0");
    EXPECT_EQ(RecordLinesFrom(zero)[11], "0");

    // A minus sign on the minutes line alone, even on a zero, still marks
    // the direction.
    RecordLines minutesOnly = RecordLinesFrom(typed);
    minutesOnly[10] = "0";
    minutesOnly[11] = "-0";
    const auto east = BirthFromLines(minutesOnly);
    ASSERT_TRUE(east.ok());
    EXPECT_EQ(east->ZoneIsEast, kTrue);
    EXPECT_EQ(east->ZoneMinutes, 0);

    for (const BirthRecord& r : {Ann(), typed, onlyMinutes, zero}) {
        const auto back = BirthFromLines(RecordLinesFrom(r));
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(*back, r);
    }
}

// The largest zone sizes, east of Greenwich: the minus sign on both lines,
// or on either line alone.
TEST(ZoneLines, HoldTheLargestSizesWithTheSignOnEitherLine) {
    BirthRecord east = Ann();
    east.ZoneHours = 32767;
    east.ZoneMinutes = 32767;
    EXPECT_EQ(RecordLinesFrom(east)[10], "-32767");
    EXPECT_EQ(RecordLinesFrom(east)[11], "-32767");
    for (const auto& [hours, minutes] : {std::pair{"-32767", "32767"}, std::pair{"32767", "-32767"}}) {
        RecordLines lines = ValidLines();
        lines[10] = hours;
        lines[11] = minutes;
        const auto back = BirthFromLines(lines);
        ASSERT_TRUE(back.ok()) << hours << " " << minutes;
        EXPECT_EQ(*back, east) << hours << " " << minutes;
    }
}

TEST(ZoneLines, OldFilesWithoutSignReadAsTyped) {
    RecordLines lines = ValidLines();
    lines[10] = "5";
    lines[11] = "30";
    const auto r = BirthFromLines(lines);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->ZoneIsEast, kFalse);
    EXPECT_EQ(r->ZoneHours, 5);
    lines[10] = "-32768";
    EXPECT_EQ(Why(BirthFromLines(lines)), "line 11: ZoneHours: \"-32768\" is outside -32767..32767");
}

TEST(SavedRecordFromLines, NameIsTakenAsIs) {
    RecordLines lines = ValidLines();
    lines[0] = "  12 \t";
    const auto r = BirthFromLines(lines);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->BirthName, "  12 \t");
}

struct FlagLineCase {
    const char* name;
    const char* text;
    std::int16_t value;
};

class FlagLine : public ::testing::TestWithParam<FlagLineCase> {};

TEST_P(FlagLine, IsTrueExactlyForOne) {
    for (std::size_t line : {12u, 13u, 14u}) {
        RecordLines lines = ValidLines();
        lines[12] = lines[13] = lines[14] = "0";
        lines[line] = GetParam().text;
        const auto r = BirthFromLines(lines);
        ASSERT_TRUE(r.ok());
        const std::int16_t flags[] = {r->LonIsEast, r->LatIsSouth, r->DstOn};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(flags[i], i + 12 == line ? GetParam().value : kFalse) << "line " << line + 1;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, FlagLine,
                         ::testing::Values(FlagLineCase{"One", "1", kTrue}, FlagLineCase{"Zero", "0", kFalse},
                                           FlagLineCase{"MinusOne", "-1", kFalse},
                                           FlagLineCase{"BlankBefore", " 1", kFalse},
                                           FlagLineCase{"Word", "True", kFalse},
                                           FlagLineCase{"Empty", "", kFalse}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
