// The one description of a record's lines: which BirthRecord field each
// line holds, the batch tool's column of that name, and the word messages
// use for it. The writer, the reader, the main window's open and the batch
// tool all go by this table. Plain C++.
#pragma once

#include "engine/birth_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nyra {

enum class RecordLineKind {
    Name,      ///< Free text.
    Number,    ///< A 16-bit number, written in decimal.
    ZoneSize,  ///< A zone size; a minus sign on it marks a zone east of Greenwich.
    Flag,      ///< "1" true, anything else false.
    /// How well the birth time was known, in TimeWindowMinutes words
    /// (engine/time_window_text.h); not a BirthRecord field.
    TimeWindow,
};

struct RecordField {
    std::string_view column;       ///< The field's name, also its batch column.
    std::string_view description;  ///< For messages: "month", "zone hours".
    RecordLineKind kind;
    std::int16_t BirthRecord::*member;  ///< Null for the name and the time window.
    bool usedByEngine;                  ///< False for the name, the latitude and the window, which change no chart.
    bool fromPlace;                     ///< Coordinates, zone and DST: what a birth place gives.
    /// Position among the batch tool's record columns, which follow the
    /// BirthRecord's own order (the zone before the coordinates).
    std::size_t columnOrder;
};

// In file order; line N of a record is row N - 1. This order is the saved
// files' format and must never change. Every record has the first fifteen
// lines; the sixteenth only a record whose birth time was not known
// exactly, so that the records of exact times stay what older readers,
// which stop after fifteen lines, open.
inline constexpr auto kRecordLayout = std::to_array<RecordField>({
    // column             description          kind                        member                     engine place  order
    // clang-format off
    {"BirthName",         "name",              RecordLineKind::Name,       nullptr,                   false, false, 0},
    {"BirthMonth",        "month",             RecordLineKind::Number,     &BirthRecord::BirthMonth,  true,  false, 1},
    {"BirthDay",          "day",               RecordLineKind::Number,     &BirthRecord::BirthDay,    true,  false, 2},
    {"BirthYear",         "year",              RecordLineKind::Number,     &BirthRecord::BirthYear,   true,  false, 3},
    {"BirthHour",         "hour",              RecordLineKind::Number,     &BirthRecord::BirthHour,   true,  false, 4},
    {"BirthMinute",       "minute",            RecordLineKind::Number,     &BirthRecord::BirthMinute, true,  false, 5},
    {"LonDegrees",        "longitude degrees", RecordLineKind::Number,     &BirthRecord::LonDegrees,  true,  true,  8},
    {"LonMinutes",        "longitude minutes", RecordLineKind::Number,     &BirthRecord::LonMinutes,  true,  true,  9},
    {"LatDegrees",        "latitude degrees",  RecordLineKind::Number,     &BirthRecord::LatDegrees,  false, true,  10},
    {"LatMinutes",        "latitude minutes",  RecordLineKind::Number,     &BirthRecord::LatMinutes,  false, true,  11},
    {"ZoneHours",         "zone hours",        RecordLineKind::ZoneSize,   &BirthRecord::ZoneHours,   true,  true,  6},
    {"ZoneMinutes",       "zone minutes",      RecordLineKind::ZoneSize,   &BirthRecord::ZoneMinutes, true,  true,  7},
    {"LonIsEast",         "East/West",         RecordLineKind::Flag,       &BirthRecord::LonIsEast,   true,  true,  12},
    {"LatIsSouth",        "North/South",       RecordLineKind::Flag,       &BirthRecord::LatIsSouth,  false, true,  13},
    {"DstOn",             "DST",               RecordLineKind::Flag,       &BirthRecord::DstOn,       true,  true,  14},
    {"TimeWindowMinutes", "time known",        RecordLineKind::TimeWindow, nullptr,                   false, false, 15},
    // clang-format on
});
static_assert(kRecordLayout.size() == 16);

// The lines every record has.
inline constexpr int kRecordLineCount = 15;
// The line that only a record of a birth time not known exactly has.
inline constexpr int kTimeWindowLine = 16;
static_assert(kRecordLayout[kTimeWindowLine - 1].kind == RecordLineKind::TimeWindow);

// Every column position is taken exactly once.
constexpr bool ColumnOrderIsAPermutation() {
    std::array<bool, kRecordLayout.size()> taken{};
    for (const RecordField& field : kRecordLayout) {
        if (field.columnOrder >= taken.size() || taken[field.columnOrder]) return false;
        taken[field.columnOrder] = true;
    }
    return true;
}
static_assert(ColumnOrderIsAPermutation());

// The 1-based line of a layout row.
constexpr int RecordLineOf(const RecordField& field) { return static_cast<int>(&field - kRecordLayout.data()) + 1; }

// The row of a column ("BirthDay"), or null for a name the table lacks.
constexpr const RecordField* RecordFieldNamed(std::string_view column) {
    for (const RecordField& field : kRecordLayout) {
        if (field.column == column) return &field;
    }
    return nullptr;
}

// The row of a field, or null for a member the record does not hold.
constexpr const RecordField* RecordFieldOf(std::int16_t BirthRecord::*member) {
    for (const RecordField& field : kRecordLayout) {
        if (member != nullptr && field.member == member) return &field;
    }
    return nullptr;
}

// The rows in the batch tool's column order.
constexpr std::array<const RecordField*, kRecordLayout.size()> RecordFieldsInColumnOrder() {
    std::array<const RecordField*, kRecordLayout.size()> ordered{};
    for (const RecordField& field : kRecordLayout) ordered[field.columnOrder] = &field;
    return ordered;
}

}  // namespace nyra
