#include "entry/entry_validation.h"

#include <gtest/gtest.h>

#include <tuple>

#include <functional>
#include <ostream>
#include <string>

namespace nyra {
namespace {

// A complete entry that passes every check: 15 March 1980, 77° 13' E,
// 28° 39' N, zone 5:30.
BirthEntry ValidEntry() {
    BirthEntry e;
    e.name = QStringLiteral("Asha");
    e.monthIndex = 2;
    e.day = QStringLiteral("15");
    e.year = QStringLiteral("1980");
    e.hour = QStringLiteral("6");
    e.minute = QStringLiteral("45");
    e.zoneHour = QStringLiteral("5");
    e.zoneMinute = QStringLiteral("30");
    e.lonDegrees = QStringLiteral("77");
    e.lonMinutes = QStringLiteral("13");
    e.latDegrees = QStringLiteral("28");
    e.latMinutes = QStringLiteral("39");
    return e;
}

// ---- Required boxes -------------------------------------------------------

struct RequiredCase {
    const char* name;
    std::function<void(BirthEntry&)> change;
    const char* message;  // nullptr: accepted
    EntryBox focus;
};

void PrintTo(const RequiredCase& c, std::ostream* os) { *os << c.name; }

class RequiredBoxes : public ::testing::TestWithParam<RequiredCase> {};

TEST_P(RequiredBoxes, FirstFailingCheckIsReported) {
    BirthEntry entry = ValidEntry();
    GetParam().change(entry);
    const std::optional<EntryProblem> problem = FindEntryProblem(entry);
    if (!GetParam().message) {
        EXPECT_FALSE(problem.has_value()) << problem->message.toStdString();
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message.toStdString(), GetParam().message);
    EXPECT_EQ(problem->icon, MessageIcon::Stop);
    ASSERT_TRUE(problem->focus.has_value());
    EXPECT_EQ(*problem->focus, GetParam().focus);
}

const QString kNone;
const QString kBlanks = QStringLiteral("   ");

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Checks, RequiredBoxes,
    ::testing::Values(
        RequiredCase{"NameBlankWinsOverEverything",
                     [](BirthEntry& e) {
                         e = BirthEntry{};
                         e.day = QStringLiteral("31");
                         e.monthIndex = 3;
                     },
                     "Please Enter Name", EntryBox::Name},
        RequiredCase{"NameOfBlanksIsEmpty", [](BirthEntry& e) { e.name = kBlanks; }, "Please Enter Name",
                     EntryBox::Name},
        RequiredCase{"ZoneMinuteMissing", [](BirthEntry& e) { e.zoneMinute = kNone; },
                     "Please Enter Hour and Minute of Time Zone", EntryBox::ZoneHour},
        RequiredCase{"ZoneHourMissing", [](BirthEntry& e) { e.zoneHour = kBlanks; },
                     "Please Enter Hour and Minute of Time Zone", EntryBox::ZoneHour},
        RequiredCase{"ZoneBeforeCoordinates",
                     [](BirthEntry& e) {
                         e.zoneHour = kNone;
                         e.lonDegrees = kNone;
                     },
                     "Please Enter Hour and Minute of Time Zone", EntryBox::ZoneHour},
        RequiredCase{"LongitudeDegrees", [](BirthEntry& e) { e.lonDegrees = kNone; },
                     "Please Enter Degree of Longitude", EntryBox::LonDegrees},
        RequiredCase{"LongitudeMinutes", [](BirthEntry& e) { e.lonMinutes = kBlanks; },
                     "Please Enter Minute of Longitude", EntryBox::LonMinutes},
        RequiredCase{"LatitudeDegrees", [](BirthEntry& e) { e.latDegrees = kNone; },
                     "Please Enter Degree of Latitude", EntryBox::LatDegrees},
        RequiredCase{"LatitudeMinutes", [](BirthEntry& e) { e.latMinutes = kNone; },
                     "Please Enter Minute of Latitude", EntryBox::LatMinutes},
        RequiredCase{"ZeroZoneIsGiven",
                     [](BirthEntry& e) {
                         e.zoneHour = QStringLiteral("0");
                         e.zoneMinute = QStringLiteral("0");
                     },
                     nullptr, EntryBox::Name},
        RequiredCase{"NoRangeCheckOnCoordinates", [](BirthEntry& e) { e.lonMinutes = QStringLiteral("99"); },
                     nullptr, EntryBox::Name}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The checks in the order the user is told about them, each with what makes
// it fail; the last makes a date check fail.
struct OrderedCheck {
    const char* message;
    void (*spoil)(BirthEntry&);
};
const OrderedCheck kChecksInOrder[] = {
    {"Please Enter Name", [](BirthEntry& e) { e.name = kBlanks; }},
    {"Please Enter Hour and Minute of Time Zone", [](BirthEntry& e) { e.zoneHour = kNone; }},
    {"Please Enter Hour and Minute of Time Zone", [](BirthEntry& e) { e.zoneMinute = kNone; }},
    {"Please Enter Degree of Longitude", [](BirthEntry& e) { e.lonDegrees = kNone; }},
    {"Please Enter Minute of Longitude", [](BirthEntry& e) { e.lonMinutes = kNone; }},
    {"Please Enter Degree of Latitude", [](BirthEntry& e) { e.latDegrees = kNone; }},
    {"Please Enter Minute of Latitude", [](BirthEntry& e) { e.latMinutes = kNone; }},
    {"Please Enter Correct Date Or Month!",
     [](BirthEntry& e) {
         e.monthIndex = 1;
         e.day = QStringLiteral("30");
     }},
};

TEST(RequiredBoxes, OfTwoFailingChecksTheEarlierIsReported) {
    for (std::size_t first = 0; first < std::size(kChecksInOrder); ++first) {
        for (std::size_t second = first + 1; second < std::size(kChecksInOrder); ++second) {
            BirthEntry entry = ValidEntry();
            kChecksInOrder[second].spoil(entry);
            kChecksInOrder[first].spoil(entry);
            const std::optional<EntryProblem> problem = FindEntryProblem(entry);
            ASSERT_TRUE(problem.has_value()) << first << " and " << second;
            EXPECT_EQ(problem->message.toStdString(), kChecksInOrder[first].message) << first << " and " << second;
        }
    }
}

// ---- Calendar ---------------------------------------------------------------

constexpr const char* kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDayMessage = "Please Enter Correct Date Or Month !";

struct DateCase {
    const char* name;
    int month;  // 1..12
    int day;
    int year;
    const char* message;  // nullptr: accepted
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }

class Calendar : public ::testing::TestWithParam<DateCase> {};

TEST_P(Calendar, DayMustExistInItsMonth) {
    BirthEntry entry = ValidEntry();
    entry.monthIndex = GetParam().month - 1;
    entry.day = QString::number(GetParam().day);
    entry.year = QString::number(GetParam().year);
    const std::optional<EntryProblem> problem = FindEntryProblem(entry);
    if (!GetParam().message) {
        EXPECT_FALSE(problem.has_value()) << problem->message.toStdString();
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message.toStdString(), GetParam().message);
    EXPECT_EQ(problem->icon, MessageIcon::Information);
    EXPECT_FALSE(problem->focus.has_value());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Checks, Calendar,
    ::testing::Values(DateCase{"Feb29In2000", 2, 29, 2000, nullptr},
                      DateCase{"Feb29In1904", 2, 29, 1904, nullptr},
                      DateCase{"Feb28In1901", 2, 28, 1901, nullptr},
                      DateCase{"Feb29In1901", 2, 29, 1901, kFebruaryMessage},
                      DateCase{"Feb29In2050", 2, 29, 2050, kFebruaryMessage},
                      DateCase{"Feb30In2000", 2, 30, 2000, kFebruaryMessage},
                      DateCase{"Feb31In2000", 2, 31, 2000, kFebruaryMessage},
                      DateCase{"Apr31", 4, 31, 1980, kThirtyDayMessage},
                      DateCase{"Jun31", 6, 31, 1980, kThirtyDayMessage},
                      DateCase{"Sep31", 9, 31, 1980, kThirtyDayMessage},
                      DateCase{"Nov31", 11, 31, 1980, kThirtyDayMessage},
                      DateCase{"Apr30", 4, 30, 1980, nullptr},
                      DateCase{"Mar31", 3, 31, 1980, nullptr},
                      DateCase{"Dec31", 12, 31, 2050, nullptr},
                      DateCase{"Jan31", 1, 31, 1901, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The year list is where the four-year rule the window promises and the
// calendar it shares with the batch tool must agree.
TEST(Calendar, TwentyNinthOfFebruaryInEveryYearOfTheList) {
    BirthEntry entry = ValidEntry();
    entry.monthIndex = 1;
    entry.day = QStringLiteral("29");
    for (int year = 1901; year <= 2050; ++year) {
        entry.year = QString::number(year);
        EXPECT_EQ(FindEntryProblem(entry).has_value(), year % 4 != 0) << year;
    }
}

// ---- Text to 16-bit integers ---------------------------------------------

struct NumberCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> value;
    std::optional<std::int16_t> magnitude;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class TextToNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumber, NearestWithHalvesToEven) {
    const QString text = QString::fromLatin1(GetParam().text);
    EXPECT_EQ(TextToInt16(text), GetParam().value);
    EXPECT_EQ(TextToInt16Magnitude(text), GetParam().magnitude);
}

using I = std::optional<std::int16_t>;
const I kRefused = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Conversions, TextToNumber,
    ::testing::Values(NumberCase{"Plain", "77", I(77), I(77)},
                      NumberCase{"Blanks", "  13 ", I(13), I(13)},
                      NumberCase{"Negative", "-30", I(-30), I(30)},
                      NumberCase{"HalfDownToEven", "2.5", I(2), I(2)},
                      NumberCase{"HalfUpToEven", "3.5", I(4), I(4)},
                      NumberCase{"NegativeHalf", "-2.5", I(-2), I(2)},
                      NumberCase{"Fraction", "12.7", I(13), I(13)},
                      NumberCase{"Largest", "32767", I(32767), I(32767)},
                      NumberCase{"Smallest", "-32768", I(-32768), kRefused},
                      NumberCase{"TooLarge", "32768", kRefused, kRefused},
                      NumberCase{"RoundsPastTheTop", "32767.5", kRefused, kRefused},
                      NumberCase{"Letters", "abc", kRefused, kRefused},
                      NumberCase{"TrailingLetters", "12abc", kRefused, kRefused},
                      NumberCase{"Empty", "", kRefused, kRefused},
                      NumberCase{"Infinity", "inf", kRefused, kRefused},
                      NumberCase{"NotANumber", "nan", kRefused, kRefused},
                      NumberCase{"HugeDigitRun", "123456789012345678901234567890", kRefused, kRefused}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Entry to record ---------------------------------------------------------

TEST(BirthRecordFromEntry, FillsEveryField) {
    BirthEntry entry = ValidEntry();
    entry.name = QStringLiteral("  Asha Rao ");
    entry.east = false;
    entry.south = true;
    entry.dst = true;
    const auto converted = BirthRecordFromEntry(entry);
    ASSERT_TRUE(std::holds_alternative<BirthRecord>(converted));
    const BirthRecord& r = std::get<BirthRecord>(converted);
    EXPECT_EQ(r.BirthName, "Asha Rao");
    EXPECT_EQ(r.BirthMonth, 3);
    EXPECT_EQ(r.BirthDay, 15);
    EXPECT_EQ(r.BirthYear, 1980);
    EXPECT_EQ(r.BirthHour, 6);
    EXPECT_EQ(r.BirthMinute, 45);
    EXPECT_EQ(r.LonDegrees, 77);
    EXPECT_EQ(r.LonMinutes, 13);
    EXPECT_EQ(r.LatDegrees, 28);
    EXPECT_EQ(r.LatMinutes, 39);
    EXPECT_EQ(r.ZoneHours, 5);
    EXPECT_EQ(r.ZoneMinutes, 30);
    EXPECT_EQ(r.LonIsEast, kFalse);
    EXPECT_EQ(r.LatIsSouth, kTrue);
    EXPECT_EQ(r.DstOn, kTrue);
    EXPECT_EQ(r.ZoneIsEast, kFalse);  // typed digits carry no direction
}

TEST(BirthRecordFromEntry, ZoneIsStoredAsItsSize) {
    BirthEntry entry = ValidEntry();
    entry.zoneHour = QStringLiteral("-5");
    entry.zoneMinute = QStringLiteral("-30");
    const auto converted = BirthRecordFromEntry(entry);
    ASSERT_TRUE(std::holds_alternative<BirthRecord>(converted));
    EXPECT_EQ(std::get<BirthRecord>(converted).ZoneHours, 5);
    EXPECT_EQ(std::get<BirthRecord>(converted).ZoneMinutes, 30);
    EXPECT_EQ(std::get<BirthRecord>(converted).LonIsEast, kTrue);
    EXPECT_EQ(std::get<BirthRecord>(converted).ZoneIsEast, kTrue);
}

TEST(BirthRecordFromEntry, AMinusSignInEitherZoneBoxMeansEastOfGreenwich) {
    for (const auto& [hour, minute, east] : {std::tuple{"0", "-30", true}, std::tuple{"-0", "0", true},
                                             std::tuple{" -1", "0", true}, std::tuple{"1", "0", false}}) {
        BirthEntry entry = ValidEntry();
        entry.east = false;
        entry.zoneHour = QString::fromLatin1(hour);
        entry.zoneMinute = QString::fromLatin1(minute);
        const auto converted = BirthRecordFromEntry(entry);
        ASSERT_TRUE(std::holds_alternative<BirthRecord>(converted));
        EXPECT_EQ(std::get<BirthRecord>(converted).ZoneIsEast, east ? kTrue : kFalse) << hour << " " << minute;
    }
}

TEST(BirthRecordFromEntry, EastAndNorthAreTheDefaults) {
    BirthEntry entry = ValidEntry();
    const auto converted = BirthRecordFromEntry(entry);
    ASSERT_TRUE(std::holds_alternative<BirthRecord>(converted));
    EXPECT_EQ(std::get<BirthRecord>(converted).LonIsEast, -1);
    EXPECT_EQ(std::get<BirthRecord>(converted).LatIsSouth, 0);
    EXPECT_EQ(std::get<BirthRecord>(converted).DstOn, 0);
}

struct UnstorableCase {
    const char* name;
    std::function<void(BirthEntry&)> change;
    const char* message;
    EntryBox focus;
};

void PrintTo(const UnstorableCase& c, std::ostream* os) { *os << c.name; }

class UnstorableValue : public ::testing::TestWithParam<UnstorableCase> {};

TEST_P(UnstorableValue, IsRefusedNamingTheBox) {
    BirthEntry entry = ValidEntry();
    GetParam().change(entry);
    const auto converted = BirthRecordFromEntry(entry);
    ASSERT_TRUE(std::holds_alternative<EntryProblem>(converted));
    const EntryProblem& problem = std::get<EntryProblem>(converted);
    EXPECT_EQ(problem.message.toStdString(), GetParam().message);
    EXPECT_EQ(problem.icon, MessageIcon::Stop);
    ASSERT_TRUE(problem.focus.has_value());
    EXPECT_EQ(*problem.focus, GetParam().focus);
}

// The message names what the box is for, never what 16 bits could hold.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    PastedText, UnstorableValue,
    ::testing::Values(
        UnstorableCase{"LettersInLongitude", [](BirthEntry& e) { e.lonDegrees = QStringLiteral("east"); },
                       "The value in Degree of Longitude is not a whole number from 0 to 180.",
                       EntryBox::LonDegrees},
        UnstorableCase{"TooLargeLatitudeMinutes", [](BirthEntry& e) { e.latMinutes = QStringLiteral("40000"); },
                       "The value in Minute of Latitude is not a whole number from 0 to 59.",
                       EntryBox::LatMinutes},
        UnstorableCase{"ZoneHourSizeTooLarge", [](BirthEntry& e) { e.zoneHour = QStringLiteral("-32768"); },
                       "The value in Hour of Time Zone is not a whole number from 0 to 14.",
                       EntryBox::ZoneHour},
        UnstorableCase{"ZoneMinuteLetters", [](BirthEntry& e) { e.zoneMinute = QStringLiteral("3O"); },
                       "The value in Minute of Time Zone is not a whole number from 0 to 59.",
                       EntryBox::ZoneMinute},
        UnstorableCase{"FirstInFillOrderIsReported",
                       [](BirthEntry& e) {
                           e.zoneHour = QStringLiteral("x");
                           e.lonMinutes = QStringLiteral("1-3");
                           e.latDegrees = QStringLiteral("y");
                       },
                       "The value in Minute of Longitude is not a whole number from 0 to 59.",
                       EntryBox::LonMinutes}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The boxes in the order the record's fields are filled, each with its
// title in the message.
struct NumberBox {
    QString BirthEntry::*text;
    const char* title;
    EntryBox box;
};
const NumberBox kBoxesInFillOrder[] = {
    {&BirthEntry::lonDegrees, "Degree of Longitude", EntryBox::LonDegrees},
    {&BirthEntry::lonMinutes, "Minute of Longitude", EntryBox::LonMinutes},
    {&BirthEntry::latDegrees, "Degree of Latitude", EntryBox::LatDegrees},
    {&BirthEntry::latMinutes, "Minute of Latitude", EntryBox::LatMinutes},
    {&BirthEntry::zoneHour, "Hour of Time Zone", EntryBox::ZoneHour},
    {&BirthEntry::zoneMinute, "Minute of Time Zone", EntryBox::ZoneMinute},
};

TEST(UnstorableValue, OfTwoTheFirstFilledIsReported) {
    for (std::size_t first = 0; first < std::size(kBoxesInFillOrder); ++first) {
        for (std::size_t second = first + 1; second < std::size(kBoxesInFillOrder); ++second) {
            BirthEntry entry = ValidEntry();
            entry.*kBoxesInFillOrder[first].text = QStringLiteral("70000");
            entry.*kBoxesInFillOrder[second].text = QStringLiteral("1e");
            const auto converted = BirthRecordFromEntry(entry);
            ASSERT_TRUE(std::holds_alternative<EntryProblem>(converted)) << first << " and " << second;
            const EntryProblem& problem = std::get<EntryProblem>(converted);
            EXPECT_TRUE(problem.message.contains(QLatin1String(kBoxesInFillOrder[first].title)))
                << problem.message.toStdString();
            EXPECT_EQ(problem.focus, kBoxesInFillOrder[first].box) << first << " and " << second;
        }
    }
}

// ---- Key filter ----------------------------------------------------------------

struct KeyCase {
    const char* name;
    int key;
    const char* text;
    int length;
    int selected;
    int limit;
    KeyVerdict verdict;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class NumericKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKey, Verdict) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(JudgeNumericKey(c.key, QString::fromLatin1(c.text), c.length, c.selected, c.limit), c.verdict);
}

constexpr int kHourLimit = 3;
constexpr int kMinuteLimit = 2;
constexpr int kNoLimit = 0;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, NumericKey,
    ::testing::Values(
        KeyCase{"Digit", Qt::Key_7, "7", 0, 0, kNoLimit, KeyVerdict::Pass},
        KeyCase{"Zero", Qt::Key_0, "0", 5, 0, kNoLimit, KeyVerdict::Pass},
        KeyCase{"Letter", Qt::Key_A, "a", 0, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Minus", Qt::Key_Minus, "-", 0, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Point", Qt::Key_Period, ".", 1, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Space", Qt::Key_Space, " ", 1, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Enter", Qt::Key_Return, "\r", 1, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Escape", Qt::Key_Escape, "\x1b", 1, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"ControlCharacter", Qt::Key_V, "\x16", 1, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"DigitsWithLetter", Qt::Key_1, "1a", 0, 0, kNoLimit, KeyVerdict::NotANumber},
        KeyCase{"Backspace", Qt::Key_Backspace, "\b", 3, 0, kHourLimit, KeyVerdict::Pass},
        KeyCase{"ArrowHasNoText", Qt::Key_Left, "", 3, 0, kHourLimit, KeyVerdict::Pass},
        KeyCase{"TabMovesOn", Qt::Key_Tab, "\t", 1, 0, kNoLimit, KeyVerdict::Pass},
        KeyCase{"DeleteDeletes", Qt::Key_Delete, "\x7f", 1, 0, kNoLimit, KeyVerdict::Pass},
        KeyCase{"ThirdHourDigit", Qt::Key_1, "1", 2, 0, kHourLimit, KeyVerdict::Pass},
        KeyCase{"FourthHourDigit", Qt::Key_1, "1", 3, 0, kHourLimit, KeyVerdict::TooLong},
        KeyCase{"FourthOverSelection", Qt::Key_1, "1", 3, 1, kHourLimit, KeyVerdict::Pass},
        KeyCase{"SecondMinuteDigit", Qt::Key_1, "1", 1, 0, kMinuteLimit, KeyVerdict::Pass},
        KeyCase{"ThirdMinuteDigit", Qt::Key_1, "1", 2, 0, kMinuteLimit, KeyVerdict::TooLong},
        KeyCase{"LetterAtLimitStillSaysNumbers", Qt::Key_A, "a", 2, 0, kMinuteLimit, KeyVerdict::NotANumber},
        KeyCase{"NoLimitOnCoordinates", Qt::Key_1, "1", 12, 0, kNoLimit, KeyVerdict::Pass}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Chords and pastes ---------------------------------------------------------

struct ChordCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    const char* text;  ///< The key's text.
    int length;
    int limit;
    KeyVerdict verdict;
};

void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.name; }

class NumericChord : public ::testing::TestWithParam<ChordCase> {};

TEST_P(NumericChord, Verdict) {
    const ChordCase& c = GetParam();
    EXPECT_TRUE(IsKeyChord(c.modifiers));
    EXPECT_EQ(JudgeNumericChord(c.modifiers, QString::fromLatin1(c.text), c.length, 0, c.limit), c.verdict);
}

// The box's own commands are never "Only Numbers Are Accepted".
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Chords, NumericChord,
    ::testing::Values(ChordCase{"SelectAll", Qt::ControlModifier, "\x01", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"SelectAllAsALetter", Qt::ControlModifier, "a", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"Copy", Qt::ControlModifier, "\x03", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"Cut", Qt::ControlModifier, "\x18", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"Undo", Qt::ControlModifier, "\x1a", 2, kHourLimit, KeyVerdict::Pass},
                      ChordCase{"Redo", Qt::ControlModifier | Qt::ShiftModifier, "Z", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"WordLeftHasNoText", Qt::ControlModifier, "", 2, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"AltLetterWouldTypeIt", Qt::AltModifier, "q", 0, kNoLimit, KeyVerdict::Dropped},
                      ChordCase{"MetaLetterWouldTypeIt", Qt::MetaModifier, "q", 0, kNoLimit, KeyVerdict::Dropped},
                      ChordCase{"ControlAltLetterWouldTypeIt", Qt::ControlModifier | Qt::AltModifier, "e", 0,
                                kNoLimit, KeyVerdict::Dropped},
                      ChordCase{"AltDigitTypesIt", Qt::AltModifier, "5", 0, kNoLimit, KeyVerdict::Pass},
                      ChordCase{"AltDigitPastTheLimit", Qt::AltModifier, "5", 2, kMinuteLimit, KeyVerdict::TooLong}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct PasteCase {
    const char* name;
    const char* pasted;
    int length;
    int selected;
    int limit;
    const char* inserted;  ///< nullptr: refused
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class NumericPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(NumericPaste, InsertsDigitsOnly) {
    const PasteCase& c = GetParam();
    const std::optional<QString> inserted = DigitsToPaste(QString::fromLatin1(c.pasted), c.length, c.selected, c.limit);
    if (!c.inserted) {
        EXPECT_FALSE(inserted.has_value()) << inserted->toStdString();
        return;
    }
    ASSERT_TRUE(inserted.has_value());
    EXPECT_EQ(inserted->toStdString(), c.inserted);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pastes, NumericPaste,
    ::testing::Values(PasteCase{"Digits", "45", 0, 0, kNoLimit, "45"},
                      PasteCase{"CopiedWithItsLineEnd", " 45\n", 0, 0, kNoLimit, "45"},
                      PasteCase{"Empty", "", 1, 0, kNoLimit, ""},
                      PasteCase{"Fraction", "4.5", 0, 0, kNoLimit, nullptr},
                      PasteCase{"MinusSign", "-5", 0, 0, kNoLimit, nullptr},
                      PasteCase{"Blanks", "  ", 0, 0, kNoLimit, nullptr},
                      PasteCase{"DigitsAroundABlank", "4 5", 0, 0, kNoLimit, nullptr},
                      PasteCase{"Words", "forty", 0, 0, kNoLimit, nullptr},
                      PasteCase{"FillsTheHourBox", "123", 0, 0, kHourLimit, "123"},
                      PasteCase{"PastTheHourBox", "1234", 0, 0, kHourLimit, nullptr},
                      PasteCase{"PastTheMinutesAlreadyThere", "45", 1, 0, kMinuteLimit, nullptr},
                      PasteCase{"OverTheSelection", "45", 2, 2, kMinuteLimit, "45"},
                      PasteCase{"NoLimitOnCoordinates", "1234567", 3, 0, kNoLimit, "1234567"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
