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
// neighbour (the boxes take typed and pasted digits only, so a fraction can
// only be text the program set); nothing when the text is not a number or
// the value does not fit.
std::optional<std::int16_t> TextToInt16(const QString& text);
// The same for the zone boxes, which store the offset's size only.
std::optional<std::int16_t> TextToInt16Magnitude(const QString& text);

// The whole entry as a record, converted as the record's fields require, or
// the first box whose text cannot be stored (letters set by the program,
// too large). All or nothing: a refused entry changes no field.
std::variant<BirthRecord, EntryProblem> BirthRecordFromEntry(const BirthEntry& entry);

// The values a number box takes, as the messages about it name them: a
// place on the globe, a zone on Earth, minutes of a degree or an hour.
struct BoxValues {
    int first = 0;
    int last = 0;
};
// "from 0 to 59"
QString FromTo(const BoxValues& values);
// The values of the box that shows a record field (longitude, latitude and
// zone); nothing for a field no box shows.
std::optional<BoxValues> BoxValuesFor(std::int16_t BirthRecord::*field);

// How the numeric boxes treat one typed key.
enum class KeyVerdict {
    Pass,        ///< Let the box handle it (digits, Backspace, keys without text).
    NotANumber,  ///< Discard and say OnlyNumbersMessage().
    TooLong,     ///< Discard silently: the box already holds its typing limit.
    Dropped,     ///< Discard silently: a chord that would type what the box does not take.
};

// "Only Numbers Are Accepted", in the language shown.
QString OnlyNumbersMessage();
// Why DigitsToPaste refused `pasted` in a box of `typingLimit`: "Only
// Numbers Are Accepted" for what is not digits once its blanks are
// trimmed, "This box takes at most 3 digits." for digits that do not fit.
QString PasteRefusal(const QString& pasted, int typingLimit);

// `key` is the Qt::Key code, `keyText` the character(s) it types; the box
// holds `textLength` characters of which `selectedLength` are selected (a
// typed character replaces them). `typingLimit` 0 means no limit.
KeyVerdict JudgeNumericKey(int key, const QString& keyText, qsizetype textLength, qsizetype selectedLength,
                           int typingLimit);

// Whether a key pressed with these modifiers is a chord (Ctrl, Alt or Meta
// held) rather than a typed character.
bool IsKeyChord(Qt::KeyboardModifiers modifiers);

// A chord, other than a paste (which DigitsToPaste judges). With Ctrl (and
// Shift) alone a line box types nothing: those are its own commands (select
// all, copy, cut, undo) and pass without a word, as do chords that carry no
// character at all. A chord that would type a character (a line box types
// "q" for Alt+Q) passes where that typed key would, and is otherwise
// dropped silently: nobody means to type a letter with Alt held.
KeyVerdict JudgeNumericChord(Qt::KeyboardModifiers modifiers, const QString& keyText, qsizetype textLength,
                             qsizetype selectedLength, int typingLimit);

// What a paste into a numeric box inserts, whichever way it comes (keys,
// the box's menu, the middle button, a drop): the pasted text without the
// blanks and line ends around it, when that is all digits and the box then
// holds no more than `typingLimit` characters (0: no limit). Nothing for any
// other text, which is refused with OnlyNumbersMessage(). An empty paste
// inserts an empty text and is not refused.
std::optional<QString> DigitsToPaste(const QString& pasted, qsizetype textLength, qsizetype selectedLength,
                                     int typingLimit);

}  // namespace nyra
