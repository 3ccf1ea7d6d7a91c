// What the main window's zone note promises: the typed zone, DST box and
// longitude read as the calculation will read them.
#include "entry/zone_note.h"

#include "engine/ephemeris.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

namespace nyra {
namespace {

// UniversalHours is a sum of hours and minutes/60 taken from 16-bit fields;
// anything beyond rounding means a wrong zone.
constexpr double kHoursTolerance = 1e-9;

struct ZoneReadingCase {
    const char* name;
    const char* zoneHour;
    const char* zoneMinute;
    const char* lonDegrees;
    const char* lonMinutes;
    bool east;
    bool dst;
    int aheadMinutes;
    const char* note;
};

void PrintTo(const ZoneReadingCase& c, std::ostream* os) { *os << c.name; }

BirthEntry EntryWithZone(const ZoneReadingCase& c) {
    BirthEntry entry;
    entry.name = QStringLiteral("Asha");
    entry.monthIndex = 5;
    entry.day = QStringLiteral("15");
    entry.year = QStringLiteral("1990");
    entry.hour = QStringLiteral("12");
    entry.minute = QStringLiteral("0");
    entry.zoneHour = QString::fromLatin1(c.zoneHour);
    entry.zoneMinute = QString::fromLatin1(c.zoneMinute);
    entry.lonDegrees = QString::fromLatin1(c.lonDegrees);
    entry.lonMinutes = QString::fromLatin1(c.lonMinutes);
    entry.latDegrees = QStringLiteral("20");
    entry.latMinutes = QStringLiteral("0");
    entry.east = c.east;
    entry.dst = c.dst;
    return entry;
}

class ZoneReading : public ::testing::TestWithParam<ZoneReadingCase> {};

// The note promises what the calculation will do: the engine's own clock
// minus universal time must be the same offset.
TEST_P(ZoneReading, AgreesWithTheEngine) {
    const ZoneReadingCase& c = GetParam();
    const BirthEntry entry = EntryWithZone(c);
    EXPECT_EQ(ClockAheadMinutes(entry), c.aheadMinutes);
    EXPECT_EQ(TypedZoneNoteFor(entry).toStdString(), c.note);

    const auto converted = BirthRecordFromEntry(entry);
    ASSERT_TRUE(std::holds_alternative<BirthRecord>(converted));
    const EngineRecord chart = ComputeMoonChart(std::get<BirthRecord>(converted));
    EXPECT_NEAR(chart.LocalHours - chart.UniversalHours, c.aheadMinutes / 60.0, kHoursTolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, ZoneReading,
    ::testing::Values(
        ZoneReadingCase{"TypedEast", "5", "30", "77", "13", true, false, 330, "Clock ahead of UTC by 5:30"},
        ZoneReadingCase{"TypedWestWithDaylight", "5", "0", "74", "0", false, true, -240,
                        "West of Greenwich: clock behind UTC by 5:00, less 1:00 of daylight saving = behind UTC by "
                        "4:00. For a clock ahead of UTC, type the hours with a minus sign or pick the place."},
        // Madrid in summer typed as the size of its zone: read as behind UTC,
        // and the note says how to say ahead.
        ZoneReadingCase{"TypedWestAheadOfUtc", "1", "0", "3", "42", false, true, 0,
                        "West of Greenwich: clock behind UTC by 1:00, less 1:00 of daylight saving = on UTC. For a clock ahead of UTC, type the hours with a minus sign or pick the place."},
        ZoneReadingCase{"TypedWestHalfHourWithDaylight", "0", "30", "10", "0", false, true, 30,
                        "West of Greenwich: clock behind UTC by 0:30, less 1:00 of daylight saving = ahead of UTC by "
                        "0:30. For a clock ahead of UTC, type the hours with a minus sign or pick the place."},
        ZoneReadingCase{"MinusSignWestOfGreenwich", "-1", "0", "3", "42", false, true, 120,
                        "Clock ahead of UTC by 2:00"},
        ZoneReadingCase{"MinutesCarryTheSign", "0", "-20", "4", "54", true, false, 20, "Clock ahead of UTC by 0:20"},
        ZoneReadingCase{"BehindByMinutesOnly", "0", "25", "6", "15", false, false, -25,
                        "West of Greenwich: clock behind UTC by 0:25. For a clock ahead of UTC, type the hours with a minus sign or pick the place."},
        ZoneReadingCase{"DaylightOnAZeroZone", "0", "0", "0", "8", false, true, 60, "Clock ahead of UTC by 1:00"},
        ZoneReadingCase{"MeridianCountsAsWestWhateverTheChoice", "5", "0", "0", "0", true, false, -300,
                        "On the Greenwich meridian, read as west: clock behind UTC by 5:00. For a clock ahead of UTC, type the hours with a minus sign or pick the place."},
        ZoneReadingCase{"OnUtc", "0", "0", "0", "5", true, false, 0, "Clock on UTC"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct IncompleteZoneCase {
    const char* name;
    const char* zoneHour;
    const char* zoneMinute;
    const char* note;
};

void PrintTo(const IncompleteZoneCase& c, std::ostream* os) { *os << c.name; }

class IncompleteZone : public ::testing::TestWithParam<IncompleteZoneCase> {};

TEST_P(IncompleteZone, SaysWhatIsMissing) {
    BirthEntry entry;
    entry.zoneHour = QString::fromLatin1(GetParam().zoneHour);
    entry.zoneMinute = QString::fromLatin1(GetParam().zoneMinute);
    EXPECT_FALSE(ClockAheadMinutes(entry).has_value());
    EXPECT_EQ(TypedZoneNoteFor(entry).toStdString(), GetParam().note);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, IncompleteZone,
    ::testing::Values(
        IncompleteZoneCase{"BothBlank", "", " ", "Enter the time zone, or pick a place or a zone from TZ Help."},
        IncompleteZoneCase{"MinutesBlank", "5", "", "Enter both the hours and the minutes of the time zone."},
        IncompleteZoneCase{"PastedLetters", "five", "30", "The time zone boxes take whole numbers only."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
