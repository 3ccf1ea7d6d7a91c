#include "atlas/atlas.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace nyra {
namespace {

constexpr qint64 kSecondsPerDay = 86400;
// No zone has ever been more than about 15 hours from UTC, so every instant
// that a local clock time can stand for lies within a day of that clock time
// read as UTC; two days each side leaves room for the transitions that bound
// those instants.
constexpr qint64 kSearchWindowSeconds = 2 * kSecondsPerDay;
// The engine knows whole minutes only; the DST box stands for exactly this.
constexpr int kDstBoxSeconds = 3600;

// Half a minute away from zero: local mean time 5:53:28 becomes 5:53,
// Amsterdam's 0:19:32 becomes 0:20 and Dublin's -0:25:21 becomes -0:25.
int RoundToMinute(int seconds) {
    const int minutes = seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60);
    return minutes * 60;
}

QDateTime UtcAt(qint64 secondsSinceEpoch) { return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, QTimeZone::utc()); }

// A stretch of UTC during which one offset is in force.
struct Period {
    qint64 startUtc;  // Seconds since the epoch; the first period is open to the past.
    int offsetSeconds;
};

// The offsets in force around a local clock time, as consecutive periods
// that each differ from the one before.
std::vector<Period> PeriodsAround(const QTimeZone& zone, qint64 localAsUtc) {
    const QDateTime from = UtcAt(localAsUtc - kSearchWindowSeconds);
    const QDateTime to = UtcAt(localAsUtc + kSearchWindowSeconds);
    std::vector<Period> periods{{std::numeric_limits<qint64>::min(), zone.offsetFromUtc(from)}};
    if (!zone.hasTransitions()) return periods;
    for (const QTimeZone::OffsetData& transition : zone.transitions(from, to)) {
        const qint64 at = transition.atUtc.toSecsSinceEpoch();
        // Some transitions change only the name or the daylight flag.
        if (at <= periods.back().startUtc || transition.offsetFromUtc == periods.back().offsetSeconds) continue;
        periods.push_back({at, transition.offsetFromUtc});
    }
    return periods;
}

// The periods in which some instant shows the clock reading `localAsUtc`
// (u + offset(u) equals it). Periods run in time order, so their hits come
// earliest first: two for a reading the clock passed twice.
std::vector<std::size_t> PeriodsShowing(const std::vector<Period>& periods, qint64 localAsUtc) {
    std::vector<std::size_t> hits;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const qint64 end = i + 1 < periods.size() ? periods[i + 1].startUtc : std::numeric_limits<qint64>::max();
        const qint64 instant = localAsUtc - periods[i].offsetSeconds;
        if (instant >= periods[i].startUtc && instant < end) hits.push_back(i);
    }
    return hits;
}

// The period before the jump forward that skipped the clock reading
// `localAsUtc`; periods.size() when no jump skipped it.
std::size_t PeriodBeforeJumpOver(const std::vector<Period>& periods, qint64 localAsUtc) {
    std::size_t before = periods.size();
    for (std::size_t i = 0; i + 1 < periods.size(); ++i) {
        const qint64 jumpAt = periods[i + 1].startUtc;
        if (localAsUtc >= jumpAt + periods[i].offsetSeconds && localAsUtc < jumpAt + periods[i + 1].offsetSeconds)
            before = i;
    }
    return before;
}

// The Moon stays less than three days in a sign; with a day's window on
// either side of the birth, five days cover every time a span can name.
constexpr qint64 kClockDays = 5;
constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kJ2000Julian = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;

qint64 SecondsSinceEpochOf(double centuries) {
    return static_cast<qint64>(
        std::llround((centuries * kDaysPerCentury + kJ2000Julian - kUnixEpochJulianDate) * kSecondsPerDay));
}

double CenturiesOf(qint64 secondsSinceEpoch) {
    return (static_cast<double>(secondsSinceEpoch) / kSecondsPerDay + kUnixEpochJulianDate - kJ2000Julian) /
           kDaysPerCentury;
}

QString ClockText(int hour, int minute) {
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

// Hours and minutes of a magnitude, "5:30".
QString HoursMinutesText(int seconds) {
    const int minutes = std::abs(RoundToMinute(seconds)) / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

ZoneAtLocalTime ResolveZone(const QString& timeZoneId, QDate date, int hour, int minute) {
    ZoneAtLocalTime result;
    result.timeZoneId = timeZoneId;
    result.date = date;
    result.hour = hour;
    result.minute = minute;
    if (timeZoneId.isEmpty() || !date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59) return result;
    const QTimeZone zone(timeZoneId.toUtf8());
    if (!zone.isValid()) return result;

    // The clock reading as if it were UTC; an instant u shows this reading
    // when u + offset(u) equals it.
    const qint64 localAsUtc = QDateTime(date, QTime(hour, minute), QTimeZone::utc()).toSecsSinceEpoch();
    const std::vector<Period> periods = PeriodsAround(zone, localAsUtc);
    const std::vector<std::size_t> hits = PeriodsShowing(periods, localAsUtc);

    int exactOffset = 0;
    qint64 describedInstant = 0;  // Where the standard offset and the name are read.
    if (!hits.empty()) {
        exactOffset = periods[hits[0]].offsetSeconds;
        describedInstant = localAsUtc - exactOffset;
        if (hits.size() > 1) {
            result.ambiguous = true;
            result.otherOffsetSeconds = RoundToMinute(periods[hits[1]].offsetSeconds);
        }
    } else {
        // No instant shows this reading: the clock jumped over it. Read it
        // with the offset from before the jump, as a clock not yet put
        // forward would have.
        const std::size_t before = PeriodBeforeJumpOver(periods, localAsUtc);
        if (before == periods.size()) return result;
        result.nonexistent = true;
        exactOffset = periods[before].offsetSeconds;
        result.otherOffsetSeconds = RoundToMinute(periods[before + 1].offsetSeconds);
        describedInstant = periods[before + 1].startUtc - 1;
    }

    const QDateTime described = UtcAt(describedInstant);
    result.utcOffsetSeconds = RoundToMinute(exactOffset);
    result.standardOffsetSeconds = RoundToMinute(zone.standardTimeOffset(described));
    result.daylightSeconds = result.utcOffsetSeconds - result.standardOffsetSeconds;
    result.abbreviation = zone.abbreviation(described);
    result.utc = UtcAt(localAsUtc - result.utcOffsetSeconds);
    result.valid = true;
    return result;
}

Result<ZoneOffset> ZoneOffsetOf(const ZoneAtLocalTime& zone) {
    if (!zone.valid) return Problem{zone.timeZoneId.toStdString(), "no time zone data for that date and time"};
    ZoneOffset offset;
    offset.timeZoneId = zone.timeZoneId;
    offset.minutesEast = zone.utcOffsetSeconds / 60;
    offset.dstOn = zone.daylightSeconds == kDstBoxSeconds;
    return offset;
}

bool ZoneDatabaseReadable() {
    // Every release of the database has this zone, and Qt knows it only
    // from there: its own fixed zones are "UTC" and "UTC+05:30" alike.
    return QTimeZone(QByteArrayLiteral("Etc/UTC")).isValid();
}

// The notes are shown under the main window's zone, in the language shown.
QString ZoneNote(const ZoneAtLocalTime& zone) {
    const Result<ZoneOffset> offset = ZoneOffsetOf(zone);
    if (!offset) {
        return QCoreApplication::translate("nyra::ZoneNote", "%1: no time zone data for that date and time")
            .arg(zone.timeZoneId.isEmpty() ? QCoreApplication::translate("nyra::ZoneNote", "No time zone")
                                           : zone.timeZoneId);
    }
    //: The locale whose month names the zone note's dates are written with ("hi_IN" in Hindi); its digits must be Western.
    const QLocale dates(QCoreApplication::translate("nyra::ZoneNote", "C"));
    QString note = QCoreApplication::translate("nyra::ZoneNote", "%1: UTC%2 on %3")
                       .arg(zone.timeZoneId, FormatUtcOffset(zone.utcOffsetSeconds),
                            dates.toString(zone.date, QStringLiteral("d MMMM yyyy")));
    if (offset->dstOn)
        note += QCoreApplication::translate("nyra::ZoneNote", " (daylight saving)");
    else if (zone.daylightSeconds > 0)
        note += QCoreApplication::translate("nyra::ZoneNote", " (daylight saving of %1 included)")
                    .arg(HoursMinutesText(zone.daylightSeconds));
    const QString clock = ClockText(zone.hour, zone.minute);
    if (zone.nonexistent)
        note +=
            QCoreApplication::translate("nyra::ZoneNote", " \u2014 %1 did not exist (clocks went forward); UTC%2 used")
                .arg(clock, FormatUtcOffset(zone.utcOffsetSeconds));
    else if (zone.ambiguous)
        note += QCoreApplication::translate("nyra::ZoneNote",
                                            " \u2014 %1 happened twice (clocks went back); the first, UTC%2, used")
                    .arg(clock, FormatUtcOffset(zone.utcOffsetSeconds));
    return note;
}

QString FormatUtcOffset(int seconds) {
    const int rounded = RoundToMinute(seconds);
    const int minutes = std::abs(rounded) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(rounded < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString TypedZoneNote(int zoneHours, int zoneMinutes, bool minusSign, bool east, bool dst) {
    // Only magnitudes reach the calculation, as with the boxes themselves.
    const int sizeMinutes = std::abs(zoneHours) * 60 + std::abs(zoneMinutes);
    const bool ahead = minusSign || east;
    const int aheadMinutes = (ahead ? sizeMinutes : -sizeMinutes) + (dst ? 60 : 0);
    if (aheadMinutes == 0) return QCoreApplication::translate("nyra::ZoneNote", "Clock on UTC");
    const QString size = HoursMinutesText(aheadMinutes * 60);
    return aheadMinutes > 0 ? QCoreApplication::translate("nyra::ZoneNote", "Clock ahead of UTC by %1").arg(size)
                            : QCoreApplication::translate("nyra::ZoneNote", "Clock behind UTC by %1").arg(size);
}

ZoneClock ZoneClockAround(const QString& timeZoneId, double centuries) {
    const QTimeZone zone(timeZoneId.toUtf8());
    if (timeZoneId.isEmpty() || !zone.isValid() || !std::isfinite(centuries)) return {};
    const qint64 at = SecondsSinceEpochOf(centuries);
    const QDateTime from = UtcAt(at - kClockDays * kSecondsPerDay);
    const QDateTime to = UtcAt(at + kClockDays * kSecondsPerDay);
    ZoneClock clock;
    clock.changes.push_back({CenturiesOf(from.toSecsSinceEpoch()), RoundToMinute(zone.offsetFromUtc(from)) / 60});
    if (!zone.hasTransitions()) return clock;
    for (const QTimeZone::OffsetData& transition : zone.transitions(from, to)) {
        const int minutesEast = RoundToMinute(transition.offsetFromUtc) / 60;
        if (minutesEast == clock.changes.back().minutesEast) continue;
        clock.changes.push_back({CenturiesOf(transition.atUtc.toSecsSinceEpoch()), minutesEast});
    }
    return clock;
}

}  // namespace nyra
