#include "record/record_file.h"

#include "record/field_text.h"

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
    EXPECT_EQ(ScrambleRecordLine("a\xf9" "b\xff" "c"), "hij");
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
    BirthRecord r;
    r.BirthName = "Ann";
    r.BirthMonth = 3;
    r.BirthDay = 9;
    r.BirthYear = 1985;
    r.BirthHour = 14;
    r.BirthMinute = 5;
    r.LonDegrees = 77;
    r.LonMinutes = 13;
    r.LatDegrees = 28;
    r.LatMinutes = 39;
    r.ZoneHours = 5;
    r.ZoneMinutes = 30;
    r.ZoneIsEast = kTrue;
    r.LonIsEast = kTrue;
    r.LatIsSouth = kFalse;
    r.DstOn = kTrue;
    return r;
}

TEST(EncodeRecordFile, PlainLinesInFileOrder) {
    const RecordLines expected = {"Ann", "3",  "9",  "1985", "14", "5",  "77", "13",
                                  "28",  "39", "-5", "-30",  "1",  "0",  "1"};
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

INSTANTIATE_TEST_SUITE_P(Record, FlagText,
                         ::testing::Values(FlagCase{"False", 0, "0"}, FlagCase{"TrueMinusOne", -1, "1"},
                                           FlagCase{"TruePlusOne", 1, "1"}, FlagCase{"OtherNonzero", 5, "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

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

INSTANTIATE_TEST_SUITE_P(Record, LongName,
                         ::testing::Values(LongNameCase{"Ascii", "ab", kMaxRecordLineBytes},
                                           LongNameCase{"TwoByte", "\u00eb", kMaxRecordLineBytes},
                                           LongNameCase{"ThreeByte", "\u674e", 4095},
                                           LongNameCase{"FourByte", "\U0001F319", kMaxRecordLineBytes}),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------ one number rule

struct NumberTextCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> value;
    const char* reason;  ///< When refused.
};
void PrintTo(const NumberTextCase& c, std::ostream* os) { *os << c.name; }

class NumberText : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberText, FollowsTheOneRule) {
    std::string reason;
    EXPECT_EQ(ParseInt16(GetParam().text, &reason), GetParam().value);
    if (!GetParam().value) {
        EXPECT_EQ(reason, GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Record, NumberText,
    ::testing::Values(
        NumberTextCase{"Plain", "7", 7, ""},
        NumberTextCase{"LeadingZeros", "05", 5, ""},
        NumberTextCase{"PlusSign", "+8", 8, ""},
        NumberTextCase{"MinusZero", "-0", 0, ""},
        NumberTextCase{"BlanksAround", " \t12 \t", 12, ""},
        NumberTextCase{"Lowest", "-32768", -32768, ""},
        NumberTextCase{"Highest", "+032767", 32767, ""},
        NumberTextCase{"Empty", "", std::nullopt, "missing value"},
        NumberTextCase{"OnlyBlanks", " \t ", std::nullopt, "missing value"},
        NumberTextCase{"Word", "March", std::nullopt, "\"March\" is not a whole number"},
        NumberTextCase{"Fraction", " 5.5 ", std::nullopt, "\"5.5\" is not a whole number"},
        NumberTextCase{"BlankAfterSign", "- 5", std::nullopt, "\"- 5\" is not a whole number"},
        NumberTextCase{"BlankInside", "1 3", std::nullopt, "\"1 3\" is not a whole number"},
        NumberTextCase{"TwoSigns", "+-5", std::nullopt, "\"+-5\" is not a whole number"},
        NumberTextCase{"LoneSign", "-", std::nullopt, "\"-\" is not a whole number"},
        NumberTextCase{"Exponent", "1e3", std::nullopt, "\"1e3\" is not a whole number"},
        NumberTextCase{"Hexadecimal", "0x1F", std::nullopt, "\"0x1F\" is not a whole number"},
        NumberTextCase{"JustAbove", "32768", std::nullopt, "\"32768\" is outside -32768..32767"},
        NumberTextCase{"JustBelow", "-32769", std::nullopt, "\"-32769\" is outside -32768..32767"},
        NumberTextCase{"ManyDigits", "99999999999999999999999", std::nullopt,
                       "\"99999999999999999999999\" is outside -32768..32767"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuoteInput, EscapesControlBytesAndCutsLongInputOnACharacterBoundary) {
    EXPECT_EQ(QuoteInput(std::string("a\rb\x00" "c\x1b\x7f\td\n", 10)), "\"a\\rb\\x00c\\x1b\\x7f\\td\\n\"");
    EXPECT_EQ(QuoteInput(std::string(kQuotedInputBytes, 'x')), "\"" + std::string(kQuotedInputBytes, 'x') + "\"");
    // 59 ASCII bytes, then a two-byte letter across the limit: it is left
    // out whole.
    const std::string across = std::string(kQuotedInputBytes - 1, 'x') + "\u00eb" + std::string(1000, 'y');
    EXPECT_EQ(QuoteInput(across), "\"" + std::string(kQuotedInputBytes - 1, 'x') + "...\"");
}

// ------------------------------------------------------------ lines to record

RecordLines ValidLines() { return RecordLinesFrom(Ann()); }

TEST(BirthRecordFromLines, ReversesRecordLinesFrom) {
    for (BirthRecord r : {Ann(), BirthRecord{}}) {
        std::string error;
        const auto back = BirthRecordFromLines(RecordLinesFrom(r), &error);
        ASSERT_TRUE(back.has_value()) << error;
        EXPECT_EQ(*back, r);
    }
}

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
        std::string error;
        const auto back = BirthRecordFromLines(lines, &error);
        ASSERT_TRUE(back.has_value()) << error;
        EXPECT_EQ(*back, r);
    }
}

TEST_P(NumberLine, ABadValueIsReportedWithItsLineAndColumn) {
    const NumberLineCase& c = GetParam();
    RecordLines lines = ValidLines();
    lines[static_cast<std::size_t>(c.line - 1)] = "1\r2";
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, "line " + std::to_string(c.line) + ": " + c.column + ": \"1\\r2\" is not a whole number");
}

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

TEST(BirthRecordFromLines, FirstBadLineIsReported) {
    RecordLines lines = ValidLines();
    lines[9] = "x";
    lines[4] = "y";
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, "line 5: BirthHour: \"y\" is not a whole number");
}

TEST(BirthRecordFromLines, ReadsNumbersByTheOneRule) {
    RecordLines lines = ValidLines();
    lines[1] = " 12\t";
    lines[2] = "05";
    lines[4] = "+8";
    lines[10] = "-0";
    const auto r = BirthRecordFromLines(lines);
    ASSERT_TRUE(r.has_value());
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
    const auto east = BirthRecordFromLines(minutesOnly);
    ASSERT_TRUE(east.has_value());
    EXPECT_EQ(east->ZoneIsEast, kTrue);
    EXPECT_EQ(east->ZoneMinutes, 0);

    for (const BirthRecord& r : {Ann(), typed, onlyMinutes, zero}) {
        const auto back = BirthRecordFromLines(RecordLinesFrom(r));
        ASSERT_TRUE(back.has_value());
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
        const auto back = BirthRecordFromLines(lines);
        ASSERT_TRUE(back.has_value()) << hours << " " << minutes;
        EXPECT_EQ(*back, east) << hours << " " << minutes;
    }
}

TEST(ZoneLines, OldFilesWithoutSignReadAsTyped) {
    RecordLines lines = ValidLines();
    lines[10] = "5";
    lines[11] = "30";
    const auto r = BirthRecordFromLines(lines);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->ZoneIsEast, kFalse);
    EXPECT_EQ(r->ZoneHours, 5);
    lines[10] = "-32768";
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, "line 11: ZoneHours: \"-32768\" is outside -32767..32767");
}

TEST(BirthRecordFromLines, NameIsTakenAsIs) {
    RecordLines lines = ValidLines();
    lines[0] = "  12 \t";
    const auto r = BirthRecordFromLines(lines);
    ASSERT_TRUE(r.has_value());
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
        const auto r = BirthRecordFromLines(lines);
        ASSERT_TRUE(r.has_value());
        const std::int16_t flags[] = {r->LonIsEast, r->LatIsSouth, r->DstOn};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(flags[i], i + 12 == line ? GetParam().value : kFalse) << "line " << line + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Record, FlagLine,
                         ::testing::Values(FlagLineCase{"One", "1", kTrue}, FlagLineCase{"Zero", "0", kFalse},
                                           FlagLineCase{"MinusOne", "-1", kFalse},
                                           FlagLineCase{"BlankBefore", " 1", kFalse},
                                           FlagLineCase{"Word", "True", kFalse},
                                           FlagLineCase{"Empty", "", kFalse}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nyra
