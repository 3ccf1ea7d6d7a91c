#include "entry/zone_note.h"

#include "atlas/atlas.h"

#include <QCoreApplication>

#include <cstdlib>

namespace nyra {
namespace {

bool HasMinusSign(const QString& text) { return text.trimmed().startsWith(QLatin1Char('-')); }

// The zone's direction as the engine takes it: a minus sign in either box
// says east, otherwise the longitude does, and a longitude of exactly 0 (or
// one the boxes cannot give yet) counts as west whatever East/West says. The
// sum is formed as the engine forms it, so 0° 0' East is west there too.
bool CountsAsEast(const BirthEntry& entry) {
    if (HasMinusSign(entry.zoneHour) || HasMinusSign(entry.zoneMinute)) return true;
    const std::optional<std::int16_t> degrees = TextToInt16(entry.lonDegrees);
    const std::optional<std::int16_t> minutes = TextToInt16(entry.lonMinutes);
    if (!degrees || !minutes) return entry.east;
    double longitude = *degrees + *minutes / 60.0;
    if (entry.east) longitude = -longitude;
    return longitude < 0.0;
}

// "behind UTC by 4:00", "ahead of UTC by 0:30", "on UTC".
QString ClockAgainstUtc(int aheadMinutes) {
    if (aheadMinutes == 0) return QCoreApplication::translate("nyra::ZoneNote", "on UTC");
    const int size = std::abs(aheadMinutes);
    const QString hours = QStringLiteral("%1:%2").arg(size / 60).arg(size % 60, 2, 10, QLatin1Char('0'));
    return (aheadMinutes > 0 ? QCoreApplication::translate("nyra::ZoneNote", "ahead of UTC by %1")
                             : QCoreApplication::translate("nyra::ZoneNote", "behind UTC by %1"))
        .arg(hours);
}

// A zone typed without a sign west of Greenwich is a clock behind UTC, which
// Madrid's "1" with DST is not: the note says what was understood, and how
// to say the other.
QString WestZoneNote(const BirthEntry& entry, int sizeMinutes) {
    // 0° 0' reads as west whatever East/West says (CountsAsEast).
    QString note =
        entry.east ? QCoreApplication::translate("nyra::ZoneNote", "On the Greenwich meridian, read as west: clock ")
                   : QCoreApplication::translate("nyra::ZoneNote", "West of Greenwich: clock ");
    note += ClockAgainstUtc(-sizeMinutes);
    if (entry.dst)
        note += QCoreApplication::translate("nyra::ZoneNote", ", less 1:00 of daylight saving = ") +
                ClockAgainstUtc(-sizeMinutes + 60);
    return note +
           QCoreApplication::translate(
               "nyra::ZoneNote", ". For a clock ahead of UTC, type the hours with a minus sign or pick the place.");
}

}  // namespace

std::optional<int> ClockAheadMinutes(const BirthEntry& entry) {
    const std::optional<std::int16_t> hours = TextToInt16Magnitude(entry.zoneHour);
    const std::optional<std::int16_t> minutes = TextToInt16Magnitude(entry.zoneMinute);
    if (!hours || !minutes) return std::nullopt;
    const int size = *hours * 60 + *minutes;
    return (CountsAsEast(entry) ? size : -size) + (entry.dst ? 60 : 0);
}

QString TypedZoneNoteFor(const BirthEntry& entry) {
    const bool hourBlank = entry.zoneHour.trimmed().isEmpty();
    const bool minuteBlank = entry.zoneMinute.trimmed().isEmpty();
    if (hourBlank && minuteBlank)
        return QCoreApplication::translate("nyra::ZoneNote",
                                           "Enter the time zone, or pick a place or a zone from TZ Help.");
    if (hourBlank || minuteBlank)
        return QCoreApplication::translate("nyra::ZoneNote", "Enter both the hours and the minutes of the time zone.");
    const std::optional<std::int16_t> hours = TextToInt16Magnitude(entry.zoneHour);
    const std::optional<std::int16_t> minutes = TextToInt16Magnitude(entry.zoneMinute);
    if (!hours || !minutes)
        return QCoreApplication::translate("nyra::ZoneNote", "The time zone boxes take whole numbers only.");
    const bool minus = HasMinusSign(entry.zoneHour) || HasMinusSign(entry.zoneMinute);
    const bool east = CountsAsEast(entry);
    const int sizeMinutes = std::abs(*hours) * 60 + std::abs(*minutes);
    if (!minus && !east && sizeMinutes > 0) return WestZoneNote(entry, sizeMinutes);
    return TypedZoneNote(*hours, *minutes, minus, east, entry.dst);
}

ZoneBoxes ZoneBoxesFor(const ZoneAtLocalTime& zone) {
    ZoneBoxes boxes;
    boxes.note = ZoneNote(zone);
    const Result<ZoneOffset> offset = ZoneOffsetOf(zone);
    if (!offset) return boxes;
    boxes.dst = offset->dstOn;
    const int minutesEast = offset->zoneMinutesEast();
    const int hours = std::abs(minutesEast) / 60;
    const int minutes = std::abs(minutesEast) % 60;
    // A zero is never signed, so with no whole hours the minutes alone carry
    // the direction.
    const bool ahead = minutesEast > 0;
    boxes.zoneHourText = QString::number(ahead ? -hours : hours);
    boxes.zoneMinuteText = QString::number(ahead ? -minutes : minutes);
    return boxes;
}

}  // namespace nyra
