// The checks behind the main window's entry: the key filter of the numeric
// boxes, the validation of a whole entry and its conversion into a
// BirthRecord. QtCore only, so every rule is testable without a window; the
// window shows the messages and moves the focus.
#pragma once

#include "engine/birth_record.h"
#include "entry/message_icon.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace nyra {

// The entry boxes a problem can point at.
enum class EntryBox { Name, ZoneHour, ZoneMinute, LonDegrees, LonMinutes, LatDegrees, LatMinutes };

// What the main window holds when the user asks for a calculation: the
// displayed texts, as the controls show them.
struct BirthEntry {
    QString name;
    int monthIndex = 0;  ///< Position of the selected month, 0 = January.
    QString day;         ///< "1" .. "31"
    QString year;        ///< "1901" .. "2050"
    QString hour;        ///< "0" .. "23"
    QString minute;      ///< "0" .. "59"
    QString zoneHour;
    QString zoneMinute;
    QString lonDegrees;
    QString lonMinutes;
    QString latDegrees;
    QString latMinutes;
    bool east = true;
    bool south = false;
    bool dst = false;
};

// A refused entry: the message to show, its icon, and the box that gets the
// focus (none for the date checks, which leave the focus where it is).
struct EntryProblem {
    QString message;
    MessageIcon icon = MessageIcon::Stop;
    std::optional<EntryBox> focus;
};

// The required boxes and the calendar, in the order the user is told about
// them; nothing when the entry may be calculated.
std::optional<EntryProblem> FindEntryProblem(const BirthEntry& entry);

// The trimmed text as the nearest 16-bit integer, halves to the even
// neighbour (a fraction can only arrive by pasting); nothing when the text
// is not a number or the value does not fit.
std::optional<std::int16_t> TextToInt16(const QString& text);
// The same for the zone boxes, which store the offset's size only.
std::optional<std::int16_t> TextToInt16Magnitude(const QString& text);

// The whole entry as a record, converted as the record's fields require, or
// the first box whose text cannot be stored (pasted letters, too large).
// All or nothing: a refused entry changes no field.
std::variant<BirthRecord, EntryProblem> BirthRecordFromEntry(const BirthEntry& entry);

// How the numeric boxes treat one typed key.
enum class KeyVerdict {
    Pass,          ///< Let the box handle it (digits, Backspace, keys without text).
    NotANumber,    ///< Discard and say "Only Numbers Are Accepted".
    TooLong,       ///< Discard silently: the box already holds its typing limit.
};

inline const QString kOnlyNumbersMessage = QStringLiteral("Only Numbers Are Accepted");

// `key` is the Qt::Key code, `keyText` the character(s) it types; the box
// holds `textLength` characters of which `selectedLength` are selected (a
// typed character replaces them). `typingLimit` 0 means no limit.
KeyVerdict JudgeNumericKey(int key, const QString& keyText, qsizetype textLength,
                           qsizetype selectedLength, int typingLimit);

} // namespace nyra
