// The one description of a record's fifteen lines: which BirthRecord field
// each line holds, the batch tool's column of that name, and the word
// messages use for it. The writer, the reader, the main window's open and
// the batch tool all go by this table. Plain C++.
#pragma once

#include "engine/ephemeris.h"

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
};

struct RecordField {
    std::string_view column;       ///< The field's name, also its batch column.
    std::string_view description;  ///< For messages: "month", "zone hours".
    RecordLineKind kind;
    std::int16_t BirthRecord::*member;  ///< Null for the name.
    bool usedByEngine;  ///< False for the name and the latitude, which change no result.
    bool fromPlace;     ///< Coordinates, zone and DST: what a birth place gives.
    /// Position among the batch tool's record columns, which follow the
    /// BirthRecord's own order (the zone before the coordinates).
    std::size_t columnOrder;
};

// In file order; line N of a record is row N - 1. This order is the saved
// files' format and must never change.
inline constexpr auto kRecordLayout = std::to_array<RecordField>({
    // column        description          kind                      member                      engine place order
    {"BirthName",   "name",              RecordLineKind::Name,     nullptr,                    false, false, 0},
    {"BirthMonth",  "month",             RecordLineKind::Number,   &BirthRecord::BirthMonth,   true,  false, 1},
    {"BirthDay",    "day",               RecordLineKind::Number,   &BirthRecord::BirthDay,     true,  false, 2},
    {"BirthYear",   "year",              RecordLineKind::Number,   &BirthRecord::BirthYear,    true,  false, 3},
    {"BirthHour",   "hour",              RecordLineKind::Number,   &BirthRecord::BirthHour,    true,  false, 4},
    {"BirthMinute", "minute",            RecordLineKind::Number,   &BirthRecord::BirthMinute,  true,  false, 5},
    {"LonDegrees",  "longitude degrees", RecordLineKind::Number,   &BirthRecord::LonDegrees,   true,  true,  8},
    {"LonMinutes",  "longitude minutes", RecordLineKind::Number,   &BirthRecord::LonMinutes,   true,  true,  9},
    {"LatDegrees",  "latitude degrees",  RecordLineKind::Number,   &BirthRecord::LatDegrees,   false, true,  10},
    {"LatMinutes",  "latitude minutes",  RecordLineKind::Number,   &BirthRecord::LatMinutes,   false, true,  11},
    {"ZoneHours",   "zone hours",        RecordLineKind::ZoneSize, &BirthRecord::ZoneHours,    true,  true,  6},
    {"ZoneMinutes", "zone minutes",      RecordLineKind::ZoneSize, &BirthRecord::ZoneMinutes,  true,  true,  7},
    {"LonIsEast",   "East/West",         RecordLineKind::Flag,     &BirthRecord::LonIsEast,    true,  true,  12},
    {"LatIsSouth",  "North/South",       RecordLineKind::Flag,     &BirthRecord::LatIsSouth,   false, true,  13},
    {"DstOn",       "DST",               RecordLineKind::Flag,     &BirthRecord::DstOn,        true,  true,  14},
});

inline constexpr int kRecordLineCount = static_cast<int>(kRecordLayout.size());
static_assert(kRecordLineCount == 15);

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
constexpr int RecordLineOf(const RecordField& field) {
    return static_cast<int>(&field - kRecordLayout.data()) + 1;
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

} // namespace nyra
