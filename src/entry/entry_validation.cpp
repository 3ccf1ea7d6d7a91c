#include "entry/entry_validation.h"

#include "record/birth_check.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace nyra {
namespace {

// The messages are marked where they are written and translated here.
QString Translated(const char* message) { return QCoreApplication::translate("nyra::EntryCheck", message); }

EntryProblem Stop(const char* message, EntryBox focus) { return {Translated(message), MessageIcon::Stop, focus}; }

EntryProblem Information(const char* message) { return {Translated(message), MessageIcon::Information, std::nullopt}; }

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

constexpr int kLastMinute = 59;

// The six number boxes, in the order the record's fields are filled, so the
// first bad box is the one reported. The values named are those of a place
// on the globe and a zone on Earth, not what 16 bits could hold: the boxes
// store more (an impossible place is calculated after a question), but a
// message names what the box is for.
struct NumberBox {
    QString BirthEntry::*text;
    const char* title;  ///< Marked for translation.
    EntryBox box;
    bool magnitude;  ///< A zone box stores the size only.
    std::int16_t BirthRecord::*field;
    BoxValues values;
};
const auto kNumberBoxes = std::to_array<NumberBox>({
    // text                   title                                                        box                   size   field                      values
    // clang-format off
    {&BirthEntry::lonDegrees, QT_TRANSLATE_NOOP("nyra::EntryCheck", "Degree of Longitude"), EntryBox::LonDegrees, false, &BirthRecord::LonDegrees,  {0, kMaxLongitudeDeg}},
    {&BirthEntry::lonMinutes, QT_TRANSLATE_NOOP("nyra::EntryCheck", "Minute of Longitude"), EntryBox::LonMinutes, false, &BirthRecord::LonMinutes,  {0, kLastMinute}},
    {&BirthEntry::latDegrees, QT_TRANSLATE_NOOP("nyra::EntryCheck", "Degree of Latitude"),  EntryBox::LatDegrees, false, &BirthRecord::LatDegrees,  {0, kMaxLatitudeDeg}},
    {&BirthEntry::latMinutes, QT_TRANSLATE_NOOP("nyra::EntryCheck", "Minute of Latitude"),  EntryBox::LatMinutes, false, &BirthRecord::LatMinutes,  {0, kLastMinute}},
    {&BirthEntry::zoneHour,   QT_TRANSLATE_NOOP("nyra::EntryCheck", "Hour of Time Zone"),   EntryBox::ZoneHour,   true,  &BirthRecord::ZoneHours,   {0, kMaxZoneHours}},
    {&BirthEntry::zoneMinute, QT_TRANSLATE_NOOP("nyra::EntryCheck", "Minute of Time Zone"), EntryBox::ZoneMinute, true,  &BirthRecord::ZoneMinutes, {0, kLastMinute}},
    // clang-format on
});
static_assert(kNumberBoxes.size() == 6);

EntryProblem NotStorable(const NumberBox& b) {
    return {QCoreApplication::translate("nyra::EntryCheck", "The value in %1 is not a whole number %2.")
                .arg(Translated(b.title), FromTo(b.values)),
            MessageIcon::Stop, b.box};
}

bool IsDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    }
    return !text.isEmpty();
}

}  // namespace

std::optional<EntryProblem> FindEntryProblem(const BirthEntry& entry) {
    if (IsBlank(entry.name)) return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Name"), EntryBox::Name);
    if (IsBlank(entry.zoneHour) || IsBlank(entry.zoneMinute))
        return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Hour and Minute of Time Zone"),
                    EntryBox::ZoneHour);
    if (IsBlank(entry.lonDegrees))
        return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Degree of Longitude"), EntryBox::LonDegrees);
    if (IsBlank(entry.lonMinutes))
        return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Minute of Longitude"), EntryBox::LonMinutes);
    if (IsBlank(entry.latDegrees))
        return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Degree of Latitude"), EntryBox::LatDegrees);
    if (IsBlank(entry.latMinutes))
        return Stop(QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Minute of Latitude"), EntryBox::LatMinutes);

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
        return Information(date.BirthMonth == kFebruary
                               ? QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Correct Date Or Month!")
                               : QT_TRANSLATE_NOOP("nyra::EntryCheck", "Please Enter Correct Date Or Month !"));
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
    BirthRecord record;
    record.BirthName = entry.name.trimmed().toStdString();
    record.BirthMonth = static_cast<std::int16_t>(entry.monthIndex + 1);
    // The date and time lists hold small whole numbers only.
    record.BirthDay = TextToInt16(entry.day).value_or(0);
    record.BirthYear = TextToInt16(entry.year).value_or(0);
    record.BirthHour = TextToInt16(entry.hour).value_or(0);
    record.BirthMinute = TextToInt16(entry.minute).value_or(0);
    for (const NumberBox& b : kNumberBoxes) {
        const QString& text = entry.*b.text;
        const std::optional<std::int16_t> value = b.magnitude ? TextToInt16Magnitude(text) : TextToInt16(text);
        if (!value) return NotStorable(b);
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

QString FromTo(const BoxValues& values) {
    return QCoreApplication::translate("nyra::EntryCheck", "from %1 to %2").arg(values.first).arg(values.last);
}

QString OnlyNumbersMessage() { return QCoreApplication::translate("nyra::EntryCheck", "Only Numbers Are Accepted"); }

QString PasteRefusal(const QString& pasted, int typingLimit) {
    if (!IsDigits(pasted.trimmed()) || typingLimit <= 0) return OnlyNumbersMessage();
    return QCoreApplication::translate("nyra::EntryCheck", "This box takes at most %1 digits.").arg(typingLimit);
}

std::optional<BoxValues> BoxValuesFor(std::int16_t BirthRecord::*field) {
    for (const NumberBox& b : kNumberBoxes) {
        if (b.field == field) return b.values;
    }
    return std::nullopt;
}

KeyVerdict JudgeNumericKey(int key, const QString& keyText, qsizetype textLength, qsizetype selectedLength,
                           int typingLimit) {
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

bool IsKeyChord(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::NoModifier;
}

KeyVerdict JudgeNumericChord(Qt::KeyboardModifiers modifiers, const QString& keyText, qsizetype textLength,
                             qsizetype selectedLength, int typingLimit) {
    // Some platforms give Ctrl+A the text "a", others "\x01"; a line box
    // types neither.
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held == Qt::ControlModifier) return KeyVerdict::Pass;
    const bool types = std::any_of(keyText.begin(), keyText.end(), [](QChar c) { return c.isPrint(); });
    if (!types) return KeyVerdict::Pass;
    const KeyVerdict typed = JudgeNumericKey(0, keyText, textLength, selectedLength, typingLimit);
    return typed == KeyVerdict::NotANumber ? KeyVerdict::Dropped : typed;
}

std::optional<QString> DigitsToPaste(const QString& pasted, qsizetype textLength, qsizetype selectedLength,
                                     int typingLimit) {
    if (pasted.isEmpty()) return QString();
    // A number copied from a line of text often brings its line end along.
    const QString digits = pasted.trimmed();
    if (!IsDigits(digits)) return std::nullopt;
    if (typingLimit > 0 && textLength - selectedLength + digits.size() > typingLimit) return std::nullopt;
    return digits;
}

}  // namespace nyra
