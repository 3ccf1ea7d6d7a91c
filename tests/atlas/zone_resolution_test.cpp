#include "atlas/atlas.h"
#include "entry/zone_note.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTimeZone>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace nyra {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

QDateTime Utc(int year, int month, int day, int hour, int minute) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

// How the calculation reads the zone boxes, written out independently of the
// atlas: only magnitudes count; a minus sign in either box puts the clock
// ahead of UTC, otherwise the longitude's side decides; the DST hour always
// moves the clock one hour further ahead. Returns minutes ahead of UTC.
int MinutesAheadFromBoxes(const ZoneBoxes& entry, bool eastLongitude) {
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = std::abs(entry.zoneHourText.toInt(&hoursOk));
    const int minutes = std::abs(entry.zoneMinuteText.toInt(&minutesOk));
    EXPECT_TRUE(hoursOk && minutesOk) << entry.zoneHourText.toStdString() << " " << entry.zoneMinuteText.toStdString();
    const bool minus = entry.zoneHourText.startsWith(u'-') || entry.zoneMinuteText.startsWith(u'-');
    const bool ahead = minus || eastLongitude;
    return (ahead ? 1 : -1) * (hours * 60 + minutes) + (entry.dst ? 60 : 0);
}

TEST(ZoneData, TheSystemTimeZoneDatabaseIsThere) {
    // Everything below reads Debian's tzdata through QtCore.
    EXPECT_TRUE(QDir(QStringLiteral("/usr/share/zoneinfo")).exists());
    for (const char* id : {"Asia/Kolkata", "Europe/London", "America/New_York", "Pacific/Apia"})
        EXPECT_TRUE(QTimeZone::isTimeZoneIdAvailable(id)) << id;
    EXPECT_TRUE(ZoneDatabaseReadable());
}

// ---------------------------------------------------------------------------
// Births whose clock time and offset are known from history. Each row checks
// the offset in force, the universal time it gives, and the box values the
// atlas writes, which through the calculation's own reading must give the
// same offset.

struct HistoricalCase {
    const char* name;
    const char* zoneId;
    QDate date;
    int hour;
    int minute;
    bool east;          // Side of the birthplace's longitude.
    int offsetSeconds;  // Clock minus UTC at that clock time.
    QDateTime utc;
    const char* zoneHourText;
    const char* zoneMinuteText;
    bool dst;
};

std::ostream& operator<<(std::ostream& out, const HistoricalCase& c) { return out << c.name; }

class HistoricalBirths : public testing::TestWithParam<HistoricalCase> {};

TEST_P(HistoricalBirths, OffsetInForce) {
    const HistoricalCase& c = GetParam();
    const ZoneAtLocalTime zone = ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute);
    ASSERT_TRUE(zone.valid);
    EXPECT_EQ(zone.utcOffsetSeconds, c.offsetSeconds);
    EXPECT_EQ(zone.utc, c.utc);
    EXPECT_EQ(zone.daylightSeconds, zone.utcOffsetSeconds - zone.standardOffsetSeconds);
    EXPECT_FALSE(zone.nonexistent);
    EXPECT_FALSE(zone.ambiguous);
    EXPECT_FALSE(zone.abbreviation.isEmpty());
}

TEST_P(HistoricalBirths, BoxValues) {
    const HistoricalCase& c = GetParam();
    const ZoneBoxes entry = ZoneBoxesFor(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    EXPECT_EQ(entry.zoneHourText.toStdString(), c.zoneHourText);
    EXPECT_EQ(entry.zoneMinuteText.toStdString(), c.zoneMinuteText);
    EXPECT_EQ(entry.dst, c.dst);
}

TEST_P(HistoricalBirths, BoxesGiveTheOffsetInForce) {
    const HistoricalCase& c = GetParam();
    const ZoneBoxes entry = ZoneBoxesFor(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    EXPECT_EQ(MinutesAheadFromBoxes(entry, c.east) * kMinute, c.offsetSeconds);
}

// The typed offset says the same as the boxes, without their texts: the
// whole offset, and the DST box's hour apart.
TEST_P(HistoricalBirths, TypedOffset) {
    const HistoricalCase& c = GetParam();
    const Result<ZoneOffset> offset =
        ZoneOffsetOf(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    ASSERT_TRUE(offset.ok()) << offset.problem().Text();
    EXPECT_EQ(offset->timeZoneId.toStdString(), c.zoneId);
    EXPECT_EQ(offset->minutesEast * kMinute, c.offsetSeconds);
    EXPECT_EQ(offset->dstOn, c.dst);
    const int boxMinutes = std::abs(std::atoi(c.zoneHourText)) * 60 + std::abs(std::atoi(c.zoneMinuteText));
    const bool boxAhead = c.zoneHourText[0] == '-' || c.zoneMinuteText[0] == '-';
    EXPECT_EQ(offset->zoneMinutesEast(), boxAhead ? boxMinutes : -boxMinutes);
}

TEST(ZoneOffset, OfAnUnknownZoneIsAProblemNamingIt) {
    const Result<ZoneOffset> offset =
        ZoneOffsetOf(ResolveZone(QStringLiteral("Mars/Olympus_Mons"), {2000, 1, 1}, 12, 0));
    ASSERT_FALSE(offset.ok());
    EXPECT_EQ(offset.problem(), (Problem{"Mars/Olympus_Mons", "no time zone data for that date and time"}));
}

// What the typed-zone note says about the atlas's boxes is the offset the
// atlas found.
TEST_P(HistoricalBirths, TypedNoteAgreesWithTheAtlas) {
    const HistoricalCase& c = GetParam();
    const ZoneBoxes entry = ZoneBoxesFor(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    const bool minus = entry.zoneHourText.startsWith(u'-') || entry.zoneMinuteText.startsWith(u'-');
    const QString typed =
        TypedZoneNote(entry.zoneHourText.toInt(), entry.zoneMinuteText.toInt(), minus, c.east, entry.dst);
    const int minutes = std::abs(c.offsetSeconds) / kMinute;
    const QString size = QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    const QString expected = c.offsetSeconds > 0   ? QStringLiteral("Clock ahead of UTC by ") + size
                             : c.offsetSeconds < 0 ? QStringLiteral("Clock behind UTC by ") + size
                                                   : QStringLiteral("Clock on UTC");
    EXPECT_EQ(typed.toStdString(), expected.toStdString());
}

// Offsets from the IANA time zone database (tzdata 2025b) as Qt reads it.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, HistoricalBirths,
    testing::Values(
        // Spain on Central European time with summer time: +1 + 1.
        HistoricalCase{"Madrid1975Summer", "Europe/Madrid", {1975, 7, 1}, 12, 0, false,
                       2 * kHour, Utc(1975, 7, 1, 10, 0), "-1", "0", true},
        // Wartime India: IST with one hour of saving, 1942-09-01 to 1945-10-15.
        HistoricalCase{"Kolkata1943WarTime", "Asia/Kolkata", {1943, 5, 1}, 12, 0, true,
                       6 * kHour + 30 * kMinute, Utc(1943, 5, 1, 5, 30), "-5", "-30", true},
        HistoricalCase{"Kolkata2000", "Asia/Kolkata", {2000, 1, 1}, 12, 0, true,
                       5 * kHour + 30 * kMinute, Utc(2000, 1, 1, 6, 30), "-5", "-30", false},
        // British Double Summer Time: two hours of saving, so no DST tick.
        HistoricalCase{"London1944DoubleSummer", "Europe/London", {1944, 7, 1}, 12, 0, false,
                       2 * kHour, Utc(1944, 7, 1, 10, 0), "-2", "0", false},
        // British Standard Time 1968-71: +1 all year as the standard offset.
        HistoricalCase{"London1970Winter", "Europe/London", {1970, 1, 15}, 12, 0, false,
                       1 * kHour, Utc(1970, 1, 15, 11, 0), "-1", "0", false},
        HistoricalCase{"NewYork1970Summer", "America/New_York", {1970, 7, 1}, 12, 0, false,
                       -4 * kHour, Utc(1970, 7, 1, 16, 0), "5", "0", true},
        // Beyond the explicit transitions: the zone's recurring rule.
        HistoricalCase{"NewYork2040Summer", "America/New_York", {2040, 7, 1}, 12, 0, false,
                       -4 * kHour, Utc(2040, 7, 1, 16, 0), "5", "0", true},
        // Nepal moved from +5:30 to +5:45 in 1986.
        HistoricalCase{"Kathmandu1990", "Asia/Kathmandu", {1990, 1, 1}, 12, 0, true,
                       5 * kHour + 45 * kMinute, Utc(1990, 1, 1, 6, 15), "-5", "-45", false},
        HistoricalCase{"Adelaide2000Summer", "Australia/Adelaide", {2000, 1, 15}, 12, 0, true,
                       10 * kHour + 30 * kMinute, Utc(2000, 1, 15, 1, 30), "-9", "-30", true},
        // Samoa crossed the date line at the end of 2011: -11 before, +13 after.
        HistoricalCase{"Apia2011BeforeDateLine", "Pacific/Apia", {2011, 6, 1}, 12, 0, false,
                       -11 * kHour, Utc(2011, 6, 1, 23, 0), "11", "0", false},
        HistoricalCase{"Apia2012AfterDateLine", "Pacific/Apia", {2012, 6, 1}, 12, 0, false,
                       13 * kHour, Utc(2012, 5, 31, 23, 0), "-13", "0", false},
        // Lord Howe Island saves half an hour: all of it goes into the zone.
        HistoricalCase{"LordHowe2000HalfHourSaving", "Australia/Lord_Howe", {2000, 1, 15}, 12, 0, true,
                       11 * kHour, Utc(2000, 1, 15, 1, 0), "-11", "0", false},
        HistoricalCase{"Kiritimati2000", "Pacific/Kiritimati", {2000, 1, 1}, 12, 0, false,
                       14 * kHour, Utc(1999, 12, 31, 22, 0), "-14", "0", false},
        // Irish winter time is IST less one hour of "negative" saving.
        HistoricalCase{"Dublin2000Winter", "Europe/Dublin", {2000, 1, 15}, 12, 0, false,
                       0, Utc(2000, 1, 15, 12, 0), "0", "0", false},
        // Ghana's twenty minutes of summer time (1920-42, 1 September to 31
        // December), west of Greenwich: ahead by less than an hour, so only
        // the minutes can carry the sign.
        HistoricalCase{"Accra1930Autumn", "Africa/Accra", {1930, 10, 1}, 12, 0, false,
                       20 * kMinute, Utc(1930, 10, 1, 11, 40), "0", "-20", false},
        // Irish Summer Time 1916: Dublin Mean Time plus one hour, so ahead in
        // all, but the boxes hold the mean time, behind.
        HistoricalCase{"Dublin1916Summer", "Europe/Dublin", {1916, 7, 1}, 12, 0, false,
                       35 * kMinute, Utc(1916, 7, 1, 11, 25), "0", "25", true},
        // Dublin Mean Time, -0:25:21, to the nearest minute; the minutes carry the sign.
        HistoricalCase{"Dublin1910MeanTime", "Europe/Dublin", {1910, 1, 1}, 12, 0, false,
                       -25 * kMinute, Utc(1910, 1, 1, 12, 25), "0", "25", false},
        // Amsterdam summer time 1930: +0:19:32 mean time plus one hour.
        HistoricalCase{"Amsterdam1930Summer", "Europe/Amsterdam", {1930, 7, 1}, 12, 0, true,
                       1 * kHour + 20 * kMinute, Utc(1930, 7, 1, 10, 40), "0", "-20", true},
        // Local mean time of Kolkata, +5:53:28, before any zone.
        HistoricalCase{"Kolkata1850MeanTime", "Asia/Kolkata", {1850, 1, 1}, 12, 0, true,
                       5 * kHour + 53 * kMinute, Utc(1850, 1, 1, 6, 7), "-5", "-53", false},
        HistoricalCase{"Utc", "UTC", {2000, 1, 1}, 0, 0, false,
                       0, Utc(2000, 1, 1, 0, 0), "0", "0", false}),
    [](const testing::TestParamInfo<HistoricalCase>& info) { return std::string(info.param.name); });
// clang-format on

// ---------------------------------------------------------------------------
// Clock times that a change of clocks skipped or repeated, and the minutes
// on either side of each change.

enum class Kind { Ordinary, Skipped, Repeated };

struct ClockChangeCase {
    const char* name;
    const char* zoneId;
    QDate date;
    int hour;
    int minute;
    bool east;  // Side of the zone's longitude.
    Kind kind;
    int offsetSeconds;       // The one used.
    int otherOffsetSeconds;  // After the jump, or the second occurrence's; unused when Ordinary.
    QDateTime utc;
};

std::ostream& operator<<(std::ostream& out, const ClockChangeCase& c) { return out << c.name; }

class ClockChanges : public testing::TestWithParam<ClockChangeCase> {};

TEST_P(ClockChanges, OffsetAndFlags) {
    const ClockChangeCase& c = GetParam();
    const ZoneAtLocalTime zone = ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute);
    ASSERT_TRUE(zone.valid);
    EXPECT_EQ(zone.nonexistent, c.kind == Kind::Skipped);
    EXPECT_EQ(zone.ambiguous, c.kind == Kind::Repeated);
    EXPECT_EQ(zone.utcOffsetSeconds, c.offsetSeconds);
    if (c.kind != Kind::Ordinary) {
        EXPECT_EQ(zone.otherOffsetSeconds, c.otherOffsetSeconds);
    }
    EXPECT_EQ(zone.utc, c.utc);
}

TEST_P(ClockChanges, BoxesGiveTheOffsetUsed) {
    const ClockChangeCase& c = GetParam();
    const ZoneBoxes entry = ZoneBoxesFor(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    EXPECT_EQ(MinutesAheadFromBoxes(entry, c.east) * kMinute, c.offsetSeconds);
}

TEST_P(ClockChanges, NoteSaysWhatHappened) {
    const ClockChangeCase& c = GetParam();
    const QString note = ZoneNote(ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute));
    EXPECT_EQ(note.contains(QStringLiteral("did not exist (clocks went forward)")), c.kind == Kind::Skipped)
        << note.toStdString();
    EXPECT_EQ(note.contains(QStringLiteral("happened twice (clocks went back)")), c.kind == Kind::Repeated)
        << note.toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, ClockChanges,
    testing::Values(
        // Britain, 28 March 2021: 01:00 GMT became 02:00 BST.
        ClockChangeCase{"LondonSpringBeforeGap", "Europe/London", {2021, 3, 28}, 0, 59, false, Kind::Ordinary,
                        0, 0, Utc(2021, 3, 28, 0, 59)},
        ClockChangeCase{"LondonSpringGapStart", "Europe/London", {2021, 3, 28}, 1, 0, false, Kind::Skipped,
                        0, kHour, Utc(2021, 3, 28, 1, 0)},
        ClockChangeCase{"LondonSpringInGap", "Europe/London", {2021, 3, 28}, 1, 30, false, Kind::Skipped,
                        0, kHour, Utc(2021, 3, 28, 1, 30)},
        ClockChangeCase{"LondonSpringAfterGap", "Europe/London", {2021, 3, 28}, 2, 0, false, Kind::Ordinary,
                        kHour, 0, Utc(2021, 3, 28, 1, 0)},
        // Britain, 31 October 2021: 02:00 BST became 01:00 GMT.
        ClockChangeCase{"LondonAutumnBeforeRepeat", "Europe/London", {2021, 10, 31}, 0, 59, false, Kind::Ordinary,
                        kHour, 0, Utc(2021, 10, 30, 23, 59)},
        ClockChangeCase{"LondonAutumnRepeatStart", "Europe/London", {2021, 10, 31}, 1, 0, false, Kind::Repeated,
                        kHour, 0, Utc(2021, 10, 31, 0, 0)},
        ClockChangeCase{"LondonAutumnInRepeat", "Europe/London", {2021, 10, 31}, 1, 30, false, Kind::Repeated,
                        kHour, 0, Utc(2021, 10, 31, 0, 30)},
        ClockChangeCase{"LondonAutumnAfterRepeat", "Europe/London", {2021, 10, 31}, 2, 0, false, Kind::Ordinary,
                        0, 0, Utc(2021, 10, 31, 2, 0)},
        ClockChangeCase{"BerlinSpringInGap", "Europe/Berlin", {2021, 3, 28}, 2, 30, true, Kind::Skipped,
                        kHour, 2 * kHour, Utc(2021, 3, 28, 1, 30)},
        ClockChangeCase{"BerlinAutumnInRepeat", "Europe/Berlin", {2021, 10, 31}, 2, 30, true, Kind::Repeated,
                        2 * kHour, kHour, Utc(2021, 10, 31, 0, 30)},
        ClockChangeCase{"NewYorkSpringInGap", "America/New_York", {2021, 3, 14}, 2, 30, false, Kind::Skipped,
                        -5 * kHour, -4 * kHour, Utc(2021, 3, 14, 7, 30)},
        ClockChangeCase{"NewYorkAutumnInRepeat", "America/New_York", {2021, 11, 7}, 1, 30, false, Kind::Repeated,
                        -4 * kHour, -5 * kHour, Utc(2021, 11, 7, 5, 30)},
        // Southern summer ends in April: 03:00 ACDT became 02:00 ACST.
        ClockChangeCase{"AdelaideAutumnInRepeat", "Australia/Adelaide", {2021, 4, 4}, 2, 30, true, Kind::Repeated,
                        10 * kHour + 30 * kMinute, 9 * kHour + 30 * kMinute, Utc(2021, 4, 3, 16, 0)},
        // Samoa left out Friday 30 December 2011 altogether.
        ClockChangeCase{"ApiaSkippedDay", "Pacific/Apia", {2011, 12, 30}, 12, 0, false, Kind::Skipped,
                        -10 * kHour, 14 * kHour, Utc(2011, 12, 30, 22, 0)},
        ClockChangeCase{"ApiaDayAfterSkip", "Pacific/Apia", {2011, 12, 31}, 0, 0, false, Kind::Ordinary,
                        14 * kHour, 0, Utc(2011, 12, 30, 10, 0)}),
    [](const testing::TestParamInfo<ClockChangeCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ClockChangeNotes, SkippedTimeInFull) {
    EXPECT_EQ(ZoneNote(ResolveZone(QStringLiteral("Europe/Berlin"), {2021, 3, 28}, 2, 30)),
              QStringLiteral("Europe/Berlin: UTC+01:00 on 28 March 2021 \u2014 02:30 did not exist "
                             "(clocks went forward); UTC+01:00 used"));
}

TEST(ClockChangeNotes, RepeatedTimeInFull) {
    EXPECT_EQ(ZoneNote(ResolveZone(QStringLiteral("Europe/London"), {2021, 10, 31}, 1, 30)),
              QStringLiteral("Europe/London: UTC+01:00 on 31 October 2021 (daylight saving) \u2014 "
                             "01:30 happened twice (clocks went back); the first, UTC+01:00, used"));
}

TEST(ZoneNotes, WarTimeInFull) {
    EXPECT_EQ(ZoneNote(ResolveZone(QStringLiteral("Asia/Kolkata"), {1943, 5, 1}, 12, 0)),
              QStringLiteral("Asia/Kolkata: UTC+06:30 on 1 May 1943 (daylight saving)"));
}

TEST(ZoneNotes, SavingOtherThanOneHourIsNamed) {
    // The DST box stays clear, so the note has to explain the summer offset.
    EXPECT_EQ(ZoneNote(ResolveZone(QStringLiteral("Europe/London"), {1944, 7, 1}, 12, 0)),
              QStringLiteral("Europe/London: UTC+02:00 on 1 July 1944 (daylight saving of 2:00 included)"));
}

// ---------------------------------------------------------------------------
// Whatever the zone and date, the boxes must give the offset in force, the
// DST box must mean exactly one hour of saving, and the universal time must
// show the asked clock time again in that zone.

struct SweepZone {
    const char* zoneId;
    bool east;  // Side of the zone's longitude.
};

std::ostream& operator<<(std::ostream& out, const SweepZone& z) { return out << z.zoneId; }

class EveryDateAgrees : public testing::TestWithParam<SweepZone> {};

TEST_P(EveryDateAgrees, FromNineteenOhOneToTwentyFifty) {
    const QString zoneId = QString::fromLatin1(GetParam().zoneId);
    const QTimeZone qtZone(zoneId.toUtf8());
    ASSERT_TRUE(qtZone.isValid());
    int checked = 0;
    for (int year = 1901; year <= 2050; year += 3) {
        for (int month = 1; month <= 12; ++month) {
            for (int hour : {2, 12}) {
                const QDate date(year, month, 1 + (year + month) % 28);
                const ZoneAtLocalTime zone = ResolveZone(zoneId, date, hour, 30);
                ASSERT_TRUE(zone.valid) << date.toString(Qt::ISODate).toStdString();
                const ZoneBoxes entry = ZoneBoxesFor(zone);
                EXPECT_EQ(MinutesAheadFromBoxes(entry, GetParam().east) * kMinute, zone.utcOffsetSeconds)
                    << entry.note.toStdString();
                if (entry.dst) {
                    EXPECT_EQ(zone.daylightSeconds, kHour) << entry.note.toStdString();
                }
                if (!zone.nonexistent) {
                    // Mean-time offsets were rounded, so allow the half minute.
                    const QDateTime backToLocal = zone.utc.toTimeZone(qtZone);
                    const qint64 drift = QDateTime(date, QTime(hour, 30), qtZone.utc())
                                             .secsTo(QDateTime(backToLocal.date(), backToLocal.time(), qtZone.utc()));
                    EXPECT_LE(std::abs(drift), 30) << entry.note.toStdString();
                }
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 50 * 12 * 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Atlas, EveryDateAgrees,
                         testing::Values(SweepZone{"Europe/London", false},
                                         SweepZone{"America/New_York", false},
                                         SweepZone{"Asia/Kolkata", true},
                                         SweepZone{"Australia/Adelaide", true},
                                         SweepZone{"Australia/Lord_Howe", true},
                                         SweepZone{"Pacific/Apia", false},
                                         SweepZone{"Europe/Dublin", false},
                                         SweepZone{"America/St_Johns", false},
                                         SweepZone{"Asia/Kathmandu", true},
                                         SweepZone{"Europe/Moscow", true},
                                         SweepZone{"Africa/Casablanca", false},
                                         SweepZone{"Europe/Amsterdam", true}),
                         [](const testing::TestParamInfo<SweepZone>& info) {
                             std::string name = info.param.zoneId;
                             for (char& c : name)
                                 if (c == '/') c = '_';
                             return name;
                         });
// clang-format on

// ---------------------------------------------------------------------------

struct InvalidCase {
    const char* name;
    const char* zoneId;
    QDate date;
    int hour;
    int minute;
};

std::ostream& operator<<(std::ostream& out, const InvalidCase& c) { return out << c.name; }

class InvalidRequests : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidRequests, AreMarkedAndFillNoBox) {
    const InvalidCase& c = GetParam();
    const ZoneAtLocalTime zone = ResolveZone(QString::fromLatin1(c.zoneId), c.date, c.hour, c.minute);
    EXPECT_FALSE(zone.valid);
    const ZoneBoxes entry = ZoneBoxesFor(zone);
    EXPECT_TRUE(entry.zoneHourText.isEmpty());
    EXPECT_TRUE(entry.zoneMinuteText.isEmpty());
    EXPECT_FALSE(entry.dst);
    EXPECT_FALSE(entry.note.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, InvalidRequests,
    testing::Values(InvalidCase{"UnknownZone", "Mars/Olympus_Mons", {2000, 1, 1}, 12, 0},
                    InvalidCase{"EmptyZone", "", {2000, 1, 1}, 12, 0},
                    InvalidCase{"NoSuchDate", "Europe/London", QDate(2001, 2, 29), 12, 0},
                    InvalidCase{"NullDate", "Europe/London", QDate(), 12, 0},
                    InvalidCase{"Hour24", "Europe/London", {2000, 1, 1}, 24, 0},
                    InvalidCase{"NegativeHour", "Europe/London", {2000, 1, 1}, -1, 0},
                    InvalidCase{"Minute60", "Europe/London", {2000, 1, 1}, 12, 60}),
    [](const testing::TestParamInfo<InvalidCase>& info) { return std::string(info.param.name); });
// clang-format on

// ---------------------------------------------------------------------------

struct OffsetTextCase {
    const char* name;
    int seconds;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const OffsetTextCase& c) { return out << c.name; }

class UtcOffsetText : public testing::TestWithParam<OffsetTextCase> {};

TEST_P(UtcOffsetText, Formats) { EXPECT_EQ(FormatUtcOffset(GetParam().seconds).toStdString(), GetParam().text); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, UtcOffsetText,
    testing::Values(OffsetTextCase{"India", 19800, "+05:30"}, OffsetTextCase{"NewYorkSummer", -14400, "-04:00"},
                    OffsetTextCase{"Zero", 0, "+00:00"}, OffsetTextCase{"Nepal", 20700, "+05:45"},
                    OffsetTextCase{"Kiritimati", 50400, "+14:00"},
                    OffsetTextCase{"Newfoundland", -12600, "-03:30"},
                    // Mean times, to the nearest minute.
                    OffsetTextCase{"DublinMeanTime", -1521, "-00:25"},
                    OffsetTextCase{"KolkataMeanTime", 21208, "+05:53"},
                    OffsetTextCase{"AmsterdamMeanTime", 1172, "+00:20"},
                    OffsetTextCase{"UnderHalfMinuteBehind", -29, "+00:00"}),
    [](const testing::TestParamInfo<OffsetTextCase>& info) { return std::string(info.param.name); });
// clang-format on

struct TypedCase {
    const char* name;
    int hours;
    int minutes;
    bool minusSign;
    bool east;
    bool dst;
    const char* note;
};

std::ostream& operator<<(std::ostream& out, const TypedCase& c) { return out << c.name; }

class TypedZones : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedZones, SayWhatTheCalculationUses) {
    const TypedCase& c = GetParam();
    EXPECT_EQ(TypedZoneNote(c.hours, c.minutes, c.minusSign, c.east, c.dst).toStdString(), c.note);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, TypedZones,
    testing::Values(
        TypedCase{"IndiaTypedEast", 5, 30, false, true, false, "Clock ahead of UTC by 5:30"},
        TypedCase{"IndiaPickedEast", -5, -30, true, true, false, "Clock ahead of UTC by 5:30"},
        // A minus sign means ahead of UTC even where West is chosen: Madrid
        // and Samoa lie west of Greenwich with clocks ahead of it.
        TypedCase{"MinusSignBeatsWest", -1, 0, true, false, false, "Clock ahead of UTC by 1:00"},
        TypedCase{"SamoaPicked", -13, 0, true, false, false, "Clock ahead of UTC by 13:00"},
        TypedCase{"MinusOnMinutesOnly", 0, -20, true, false, false, "Clock ahead of UTC by 0:20"},
        TypedCase{"NewYorkWinter", 5, 0, false, false, false, "Clock behind UTC by 5:00"},
        TypedCase{"NewYorkSummer", 5, 0, false, false, true, "Clock behind UTC by 4:00"},
        TypedCase{"AdelaideSummer", -9, -30, true, true, true, "Clock ahead of UTC by 10:30"},
        TypedCase{"Greenwich", 0, 0, false, false, false, "Clock on UTC"},
        // Daylight saving always puts the clock ahead, on the meridian too.
        TypedCase{"LondonSummer", 0, 0, false, false, true, "Clock ahead of UTC by 1:00"},
        TypedCase{"OneBehindWithDst", 1, 0, false, false, true, "Clock on UTC"},
        TypedCase{"DublinMeanTime", 0, 25, false, false, false, "Clock behind UTC by 0:25"}),
    [](const testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra

namespace nyra {
namespace {

TEST(SplitDegrees, RoundsToTheNearestArcMinuteAndKeepsTheSide) {
    const DegreesMinutes chennai = SplitDegrees(80.2785);
    EXPECT_EQ(chennai.degrees, 80);
    EXPECT_EQ(chennai.minutes, 17);
    EXPECT_FALSE(chennai.negative);
    const DegreesMinutes west = SplitDegrees(-3.99999);  // rounds up into the next degree
    EXPECT_EQ(west.degrees, 4);
    EXPECT_EQ(west.minutes, 0);
    EXPECT_TRUE(west.negative);
    EXPECT_FALSE(SplitDegrees(-0.001).negative);
}

}  // namespace
}  // namespace nyra
