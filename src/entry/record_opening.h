// Opening a record file on the main window: whether the file is a record
// at all, and each problem in the person's words. QtCore only.
#pragma once

#include "record/record_file.h"

#include <QString>

#include <variant>

namespace nyra {

// Why a file's record cannot be shown.
struct RecordRefusal {
    QString reason;           ///< "Line 2 (month): "13" is not a month.", "the file is empty."
    bool notARecord = false;  ///< No number line holds a number: a text file, a picture.
};

// The record a file's lines hold, or why not. A file is taken for a record
// once any of its number lines (the month to the zone minutes) holds a
// whole number, as every record the program writes does; then a damaged
// line is named by its number.
std::variant<SavedRecord, RecordRefusal> RecordFromFile(const Result<RecordFileLines>& read);

// A problem of a record (its `where` a record column, or empty for the
// whole file) as the open message says it: "Line 2 (month): "13" is not a
// month.". A number too large for 16 bits on a line a box shows names the
// values that box takes ("Line 10 (latitude minutes): "40000" is not a
// whole number from 0 to 59."); `lines` are the file's, to see that it is
// one.
QString RecordProblemText(const Problem& problem, const RecordLines* lines = nullptr);

}  // namespace nyra
