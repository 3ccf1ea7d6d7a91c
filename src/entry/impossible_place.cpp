#include "entry/impossible_place.h"

#include "record/birth_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cstdlib>
#include <optional>

namespace nyra {
namespace {

constexpr int kMinutesPerUnit = 60;

// Two boxes read as one value: degrees and minutes of arc, or hours and
// minutes of a zone.
struct PairCheck {
    QString BirthEntry::*whole;
    QString BirthEntry::*minutes;
    bool sizes;  ///< The boxes store sizes (the zone's), as the calculation reads them.
    int limit;   ///< Degrees or hours.
    EntryBox wholeBox;
    EntryBox minutesBox;
    // The three texts are marked for translation and translated when said.
    const char* shown;   ///< The value, from the whole (%1) and the minutes (%2).
    int minutesWidth;    ///< Digits the minutes are shown with.
    const char* beyond;  ///< Said of a value past the limit.
    const char* sixty;   ///< That the unit has only 60 minutes.
};

static_assert(kMaxLongitudeDeg == 180 && kMaxZoneHours == 14, "the sentences below name these limits");
const auto kPairChecks = std::to_array<PairCheck>({
    {&BirthEntry::latDegrees, &BirthEntry::latMinutes, false, kMaxLatitudeDeg, EntryBox::LatDegrees,
     EntryBox::LatMinutes, QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "Latitude %1° %2′"), 0,
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "is beyond the pole"),
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "a degree has only 60 minutes")},
    {&BirthEntry::lonDegrees, &BirthEntry::lonMinutes, false, kMaxLongitudeDeg, EntryBox::LonDegrees,
     EntryBox::LonMinutes, QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "Longitude %1° %2′"), 0,
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "is past 180°, halfway round the globe"),
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "a degree has only 60 minutes")},
    {&BirthEntry::zoneHour, &BirthEntry::zoneMinute, true, kMaxZoneHours, EntryBox::ZoneHour, EntryBox::ZoneMinute,
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "A time zone of %1:%2"), 2,
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "is beyond the 14 hours of any zone on Earth"),
     QT_TRANSLATE_NOOP("nyra::ImpossiblePlace", "an hour has only 60 minutes")},
});
static_assert(kPairChecks.size() == 3);

std::optional<ImpossibleValue> Check(const BirthEntry& entry, const PairCheck& check) {
    const auto read = [&check](const QString& text) {
        return check.sizes ? TextToInt16Magnitude(text) : TextToInt16(text);
    };
    const std::optional<std::int16_t> whole = read(entry.*check.whole);
    const std::optional<std::int16_t> minutes = read(entry.*check.minutes);
    if (!whole || !minutes) return std::nullopt;
    // Sizes count: a record may hold a latitude as -95.
    const int wholeSize = std::abs(static_cast<int>(*whole));
    const int minutesSize = std::abs(static_cast<int>(*minutes));
    const bool tooManyMinutes = minutesSize >= kMinutesPerUnit;
    const bool pastLimit = wholeSize * kMinutesPerUnit + minutesSize > check.limit * kMinutesPerUnit;
    if (!tooManyMinutes && !pastLimit) return std::nullopt;

    const auto translated = [](const char* text) { return QCoreApplication::translate("nyra::ImpossiblePlace", text); };
    const QString value =
        translated(check.shown).arg(*whole).arg(static_cast<int>(*minutes), check.minutesWidth, 10, QLatin1Char('0'));
    const QString beyond = translated(check.beyond);
    const QString sixty = translated(check.sixty);
    QString sentence;
    if (pastLimit && tooManyMinutes)
        sentence = QCoreApplication::translate("nyra::ImpossiblePlace", "%1 %2, and %3.").arg(value, beyond, sixty);
    else if (pastLimit)
        sentence = QCoreApplication::translate("nyra::ImpossiblePlace", "%1 %2.").arg(value, beyond);
    else
        sentence = QCoreApplication::translate("nyra::ImpossiblePlace", "%1: %2.").arg(value, sixty);
    // The minutes' box only where they alone are what is wrong.
    const bool wholeWrong = wholeSize > check.limit || !tooManyMinutes;
    return ImpossibleValue{sentence, wholeWrong ? check.wholeBox : check.minutesBox};
}

}  // namespace

std::vector<ImpossibleValue> FindImpossiblePlace(const BirthEntry& entry) {
    std::vector<ImpossibleValue> found;
    for (const PairCheck& check : kPairChecks) {
        if (std::optional<ImpossibleValue> value = Check(entry, check)) found.push_back(std::move(*value));
    }
    return found;
}

QString PlaceQuestion(const std::vector<ImpossibleValue>& impossible, const PlaceLink& link,
                      const QString& coordinates, const QString& zone) {
    if (impossible.empty()) return link.MismatchQuestion(coordinates, zone);
    QStringList parts;
    for (const ImpossibleValue& value : impossible) parts.append(value.sentence);
    if (const QString mismatch = link.MismatchStatement(); !mismatch.isEmpty()) parts.append(mismatch);
    parts.append(QCoreApplication::translate("nyra::ImpossiblePlace", "Calculate anyway?"));
    return parts.join(u' ');
}

}  // namespace nyra
