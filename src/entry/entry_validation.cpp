#include "entry/entry_validation.h"

#include "record/birth_check.h"

#include <cmath>

namespace nyra {
namespace {

EntryProblem Stop(const char* message, EntryBox focus) {
    return {QString::fromLatin1(message), MessageIcon::Stop, focus};
}

EntryProblem Information(const char* message) {
    return {QString::fromLatin1(message), MessageIcon::Information, std::nullopt};
}

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

std::optional<double> TextToNumber(const QString& text) {
    bool ok = false;
    // QString::toDouble reads the C locale and skips surrounding white space.
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    // nearbyint in the default rounding mode sends halves to the even
    // neighbour, so 2.5 -> 2 and 3.5 -> 4.
    const double rounded = std::nearbyint(value);
    if (rounded < kInt16Min || rounded > kInt16Max) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

EntryProblem NotStorable(const QString& boxTitle, EntryBox box, bool magnitude) {
    // A zone box stores the size only, so -32768 does not fit there.
    const int lowest = magnitude ? -kInt16Max : kInt16Min;
    return {QStringLiteral("The value in %1 is not a whole number between %2 and %3.")
                .arg(boxTitle, QString::number(lowest), QString::number(kInt16Max)),
            MessageIcon::Stop, box};
}

} // namespace

std::optional<EntryProblem> FindEntryProblem(const BirthEntry& entry) {
    if (IsBlank(entry.name)) return Stop("Please Enter Name", EntryBox::Name);
    if (IsBlank(entry.zoneHour) || IsBlank(entry.zoneMinute))
        return Stop("Please Enter Hour and Minute of Time Zone", EntryBox::ZoneHour);
    if (IsBlank(entry.lonDegrees)) return Stop("Please Enter Degree of Longitude", EntryBox::LonDegrees);
    if (IsBlank(entry.lonMinutes)) return Stop("Please Enter Minute of Longitude", EntryBox::LonMinutes);
    if (IsBlank(entry.latDegrees)) return Stop("Please Enter Degree of Latitude", EntryBox::LatDegrees);
    if (IsBlank(entry.latMinutes)) return Stop("Please Enter Minute of Latitude", EntryBox::LatMinutes);

    // The lists give the date and clock time; only the calendar can refuse
    // them, by the one check of a birth's values. Over the year list its
    // leap years are exactly those of the four-year rule.
    BirthRecord date;
    date.BirthMonth = static_cast<std::int16_t>(entry.monthIndex + 1);
    date.BirthDay = TextToInt16(entry.day).value_or(0);
    date.BirthYear = TextToInt16(entry.year).value_or(0);
    date.BirthHour = TextToInt16(entry.hour).value_or(0);
    date.BirthMinute = TextToInt16(entry.minute).value_or(0);
    // The two date messages differ by the blank before "!"; both are the
    // program's own texts.
    constexpr int kFebruary = 2;
    if (!CheckBirthValues(date, kWindowDateLimits)) {
        return Information(date.BirthMonth == kFebruary ? "Please Enter Correct Date Or Month!"
                                                        : "Please Enter Correct Date Or Month !");
    }
    return std::nullopt;
}

std::optional<std::int16_t> TextToInt16(const QString& text) {
    const std::optional<double> value = TextToNumber(text);
    if (!value) return std::nullopt;
    return RoundToInt16(*value);
}

std::optional<std::int16_t> TextToInt16Magnitude(const QString& text) {
    const std::optional<double> value = TextToNumber(text);
    if (!value) return std::nullopt;
    return RoundToInt16(std::fabs(*value));
}

std::variant<BirthRecord, EntryProblem> BirthRecordFromEntry(const BirthEntry& entry) {
    struct NumberBox {
        const QString& text;
        const char* title;
        EntryBox box;
        bool magnitude;
        std::int16_t BirthRecord::*field;
    };
    // In the order the record's fields are filled, so the first bad box is
    // the one reported.
    const NumberBox boxes[] = {
        {entry.lonDegrees, "Degree of Longitude", EntryBox::LonDegrees, false, &BirthRecord::LonDegrees},
        {entry.lonMinutes, "Minute of Longitude", EntryBox::LonMinutes, false, &BirthRecord::LonMinutes},
        {entry.latDegrees, "Degree of Latitude",  EntryBox::LatDegrees, false, &BirthRecord::LatDegrees},
        {entry.latMinutes, "Minute of Latitude",  EntryBox::LatMinutes, false, &BirthRecord::LatMinutes},
        {entry.zoneHour,   "Hour of Time Zone",   EntryBox::ZoneHour,   true,  &BirthRecord::ZoneHours},
        {entry.zoneMinute, "Minute of Time Zone", EntryBox::ZoneMinute, true,  &BirthRecord::ZoneMinutes},
    };

    BirthRecord record;
    record.BirthName = entry.name.trimmed().toStdString();
    record.BirthMonth = static_cast<std::int16_t>(entry.monthIndex + 1);
    // The date and time lists hold small whole numbers only.
    record.BirthDay = TextToInt16(entry.day).value_or(0);
    record.BirthYear = TextToInt16(entry.year).value_or(0);
    record.BirthHour = TextToInt16(entry.hour).value_or(0);
    record.BirthMinute = TextToInt16(entry.minute).value_or(0);
    for (const NumberBox& b : boxes) {
        const std::optional<std::int16_t> value = b.magnitude ? TextToInt16Magnitude(b.text) : TextToInt16(b.text);
        if (!value) return NotStorable(QString::fromLatin1(b.title), b.box, b.magnitude);
        record.*b.field = *value;
    }
    // The picker and the atlas write zones east of Greenwich with a minus
    // sign; the record keeps the sizes and this flag. Typed zones have none.
    const auto minus = [](const QString& text) { return text.trimmed().startsWith(QLatin1Char('-')); };
    record.ZoneIsEast = minus(entry.zoneHour) || minus(entry.zoneMinute) ? kTrue : kFalse;
    record.DstOn = entry.dst ? kTrue : kFalse;
    record.LonIsEast = entry.east ? kTrue : kFalse;
    record.LatIsSouth = entry.south ? kTrue : kFalse;
    return record;
}

KeyVerdict JudgeNumericKey(int key, const QString& keyText, qsizetype textLength,
                           qsizetype selectedLength, int typingLimit) {
    // Tab and Delete carry a control character on some platforms, but they
    // move the focus and delete: they are not typed characters.
    if (keyText.isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return KeyVerdict::Pass;
    if (keyText == QStringLiteral("\b")) return KeyVerdict::Pass;
    for (const QChar c : keyText) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return KeyVerdict::NotANumber;
    }
    if (typingLimit > 0 && textLength - selectedLength + keyText.size() > typingLimit) return KeyVerdict::TooLong;
    return KeyVerdict::Pass;
}

} // namespace nyra
