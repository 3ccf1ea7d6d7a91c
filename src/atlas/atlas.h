// The birth place atlas: GeoNames' cities (about 24,000 with their time zone
// ids) and the system's time zone database, read through QtCore. It turns a
// typed place into coordinates and a date and clock time at that place into
// the zone's offset then. Everything here is safe to call
// from any thread; the city index is built once, on first use.
#pragma once

#include "base/result.h"
#include "engine/zone_clock.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace nyra {

struct Place {
    QString city;             ///< As GeoNames writes it, accents kept ("São Paulo"), or as NamedIn names it.
    QString state;            ///< First-level division ("Tamil Nadu"); may be empty.
    QString country;          ///< Country name ("India").
    quint32 geonameId = 0;    ///< GeoNames' number of the city; 0 for a place not from the atlas.
    QString stateCode;        ///< GeoNames' code of the division within the country ("25").
    QString countryCode;      ///< ISO 3166 two-letter code ("IN").
    QString timeZoneId;       ///< IANA id ("Asia/Kolkata").
    double latitudeDeg = 0;   ///< -90..90, north positive.
    double longitudeDeg = 0;  ///< -180..180, east positive (the engine's sense is the opposite).
    quint32 population = 0;

    /// "Chennai, Tamil Nadu, India"; an empty state is left out.
    QString displayText() const;
};

/// Builds the city index now rather than on the first search, which would
/// otherwise take a fifth of a second or so longer. Any thread may call it.
void LoadAtlas();
/// Reads the names of places in other scripts than Latin, in every
/// language installed, which the first search in such a script would
/// otherwise wait for (about as long as LoadAtlas). Any thread may call it.
void LoadPlaceNamesInOtherScripts();

/// Cities whose name begins with cityText, then (to fill up to limit) those
/// with a later word beginning with it, each group largest first. Text in
/// another script than Latin finds the names in it of every installed
/// language ("चेन्नई", "Ченнаи") the same way, after GeoNames' own. Case and
/// accents are ignored. The places come with GeoNames' own names (NamedIn
/// gives others). A non-empty stateText must begin a word of the state,
/// a non-empty countryText a word of the country or be its two-letter code.
/// Fewer than two letters or digits of city text give an empty list.
QList<Place> MatchPlaces(const QString& cityText, const QString& stateText = {}, const QString& countryText = {},
                         int limit = 20);

/// The place named in `language` where GeoNames names its city, state (if
/// any) and country in it; otherwise, and for English, with GeoNames' own
/// names, so that its line is in one language. A place not from the atlas
/// comes back as it is.
Place NamedIn(const Place& place, const QLocale& language);

/// The folded names (text_fold.h) that find a place's city and its state,
/// GeoNames' own first, then those in other languages. Empty for a place not
/// from the atlas.
struct PlaceKeys {
    QStringList city;
    QStringList state;
};
PlaceKeys SearchKeysOf(const Place& place);

/// The best city for free text such as "Madrid, Spain" or "Pune": the part
/// before the first comma names the city, every further part must match its
/// state or its country. An exact name beats a longer one; then population.
std::optional<Place> FindPlace(const QString& text);

/// The zone in force at a local date and clock time.
struct ZoneAtLocalTime {
    bool valid = false;  ///< False for an unknown zone id or an impossible date or time.
    QString timeZoneId;
    QDate date;                     ///< Local civil date as asked.
    int hour = 0;                   ///< Local clock time as asked, 0..23.
    int minute = 0;                 ///< 0..59.
    int utcOffsetSeconds = 0;       ///< Clock minus UTC, rounded to whole minutes.
    int standardOffsetSeconds = 0;  ///< The zone's standard offset then, rounded likewise.
    int daylightSeconds = 0;        ///< utcOffsetSeconds - standardOffsetSeconds; negative for Irish winter time.
    bool nonexistent = false;       ///< Clocks jumped over this time; the offset before the jump is used.
    bool ambiguous = false;         ///< This time happened twice; the first occurrence is used.
    int otherOffsetSeconds = 0;     ///< For a gap the offset after the jump, for a repeat the second one's.
    QString abbreviation;           ///< "IST", "CEST", "+0630", ...
    QDateTime utc;                  ///< The local time less utcOffsetSeconds, in UTC.
};

ZoneAtLocalTime ResolveZone(const QString& timeZoneId, QDate date, int hour, int minute);

/// The zone in force at a local date and clock time as the calculation
/// takes it: signed minutes, not box texts.
struct ZoneOffset {
    QString timeZoneId;
    /// Clock minus universal time in minutes, any daylight saving included:
    /// 330 for India, -240 for New York in summer, 20 for Accra in the
    /// autumns of the 1920s and 30s.
    int minutesEast = 0;
    /// Exactly one hour of daylight saving was in force, as a record's DstOn
    /// says it; minutesEast includes that hour. Any other saving (Ghana's
    /// twenty minutes, double summer time, Irish winter time) is in
    /// minutesEast alone.
    bool dstOn = false;

    /// Clock minus universal time without the DstOn hour: the record's zone.
    int zoneMinutesEast() const { return dstOn ? minutesEast - 60 : minutesEast; }
};

/// The offset of a resolved zone; for one that is not valid a Problem whose
/// `where` is the zone id: "no time zone data for that date and time".
Result<ZoneOffset> ZoneOffsetOf(const ZoneAtLocalTime& zone);

/// The clock of `timeZoneId` over the days around an instant (Julian
/// centuries from J2000.0, universal time), long enough for any sign or
/// nakshatra the Moon is in then and a day's time window: its lead on
/// universal time, each change of it (rounded to whole minutes as
/// ResolveZone rounds). Empty for a zone not known.
ZoneClock ZoneClockAround(const QString& timeZoneId, double centuries);

/// Whether Qt can read the system's time zone database at all. Without it
/// (no tzdata, or its folder unreadable) every named zone is unknown, while
/// "UTC" and fixed offsets still work.
bool ZoneDatabaseReadable();

/// One line for the user on a resolved zone: "Asia/Kolkata: UTC+06:30 on
/// 1 May 1943 (daylight saving)", with a clock time that did not exist or
/// happened twice named; "Mars/Olympus_Mons: no time zone data for that date
/// and time" for one that is not valid.
QString ZoneNote(const ZoneAtLocalTime& zone);

/// An angle as the main window's degree and minute boxes take it: the size
/// rounded to the nearest arc minute, and its side.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  ///< South or west.
};
DegreesMinutes SplitDegrees(double angleDeg);

/// "+05:30", "-04:00", "+00:00"; seconds are rounded to the nearest minute.
QString FormatUtcOffset(int seconds);

/// What a typed zone means to the calculation, DST hour included: "Clock
/// ahead of UTC by 5:30", "Clock behind UTC by 4:00" or "Clock on UTC". The
/// boxes' magnitudes count; a minus sign in either box means ahead of UTC,
/// otherwise the longitude's side decides (east ahead, west behind).
QString TypedZoneNote(int zoneHours, int zoneMinutes, bool minusSign, bool east, bool dst);

}  // namespace nyra
