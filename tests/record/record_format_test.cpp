#include "record/record_file.h"

#include <gtest/gtest.h>

#include <string>

namespace nyra {
namespace {

// ---------------------------------------------------------------- scrambling

TEST(Scramble, EveryByteThatFitsRoundTrips) {
    std::string all;
    for (int code = 0; code <= 255 - RecordOffset; ++code) all.push_back(static_cast<char>(code));
    const std::string stored = ScrambleRecordLine(all);
    ASSERT_EQ(stored.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(stored[i]), static_cast<unsigned char>(all[i]) + RecordOffset)
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

TEST(EncodeRecordFile, ExtremeNumbersHaveNoPaddingOrPlus) {
    BirthRecord r;
    r.BirthYear = -32768;
    r.BirthDay = 32767;
    r.BirthMonth = 0;
    const RecordLines lines = RecordLinesFrom(r);
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[2], "32767");
    EXPECT_EQ(lines[3], "-32768");
}

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

struct BadLineCase {
    const char* name;
    int line;  ///< 1-based, as in the message
    const char* text;
    const char* error;
};

class BadNumberLine : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(BadNumberLine, IsReportedWithItsLineNumber) {
    RecordLines lines = ValidLines();
    lines[static_cast<std::size_t>(GetParam().line - 1)] = GetParam().text;
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, GetParam().error);
    EXPECT_FALSE(BirthRecordFromLines(lines, nullptr).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Record, BadNumberLine,
    ::testing::Values(BadLineCase{"NonNumeric", 2, "March", "line 2: not a whole number"},
                      BadLineCase{"Fraction", 3, "5.5", "line 3: not a whole number"},
                      BadLineCase{"JustAboveInt16", 4, "32768", "line 4: out of range"},
                      BadLineCase{"JustBelowInt16", 5, "-32769", "line 5: out of range"},
                      BadLineCase{"ManyDigits", 6, "99999999999999999999999", "line 6: out of range"},
                      BadLineCase{"PlusSign", 7, "+5", "line 7: not a whole number"},
                      BadLineCase{"BlankInside", 8, "1 3", "line 8: not a whole number"},
                      BadLineCase{"LoneMinus", 9, "-", "line 9: not a whole number"},
                      BadLineCase{"DoubleMinus", 10, "--3", "line 10: not a whole number"},
                      BadLineCase{"Hexadecimal", 11, "0x1F", "line 11: not a whole number"},
                      BadLineCase{"Empty", 12, "", "line 12: empty"},
                      BadLineCase{"OnlyBlanks", 12, "  ", "line 12: empty"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BirthRecordFromLines, FirstBadLineIsReported) {
    RecordLines lines = ValidLines();
    lines[9] = "x";
    lines[4] = "y";
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, "line 5: not a whole number");
}

TEST(BirthRecordFromLines, AcceptsBlanksAroundAndTheInt16Limits) {
    RecordLines lines = ValidLines();
    lines[1] = " 12\t";
    lines[3] = "-32768";
    lines[4] = "32767";
    lines[5] = "007";
    lines[10] = "-0";
    const auto r = BirthRecordFromLines(lines, nullptr);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->BirthMonth, 12);
    EXPECT_EQ(r->BirthYear, -32768);
    EXPECT_EQ(r->BirthHour, 32767);
    EXPECT_EQ(r->BirthMinute, 7);
    EXPECT_EQ(r->ZoneHours, 0);
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

    for (const BirthRecord& r : {Ann(), typed, onlyMinutes, zero}) {
        const auto back = BirthRecordFromLines(RecordLinesFrom(r), nullptr);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, r);
    }
}

TEST(ZoneLines, OldFilesWithoutSignReadAsTyped) {
    RecordLines lines = ValidLines();
    lines[10] = "5";
    lines[11] = "30";
    const auto r = BirthRecordFromLines(lines, nullptr);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->ZoneIsEast, kFalse);
    EXPECT_EQ(r->ZoneHours, 5);
    lines[10] = "-32768";
    std::string error;
    EXPECT_FALSE(BirthRecordFromLines(lines, &error).has_value());
    EXPECT_EQ(error, "line 11: out of range");
}

TEST(BirthRecordFromLines, NameIsTakenAsIs) {
    RecordLines lines = ValidLines();
    lines[0] = "  12 \t";
    const auto r = BirthRecordFromLines(lines, nullptr);
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
        const auto r = BirthRecordFromLines(lines, nullptr);
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
