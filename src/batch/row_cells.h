// One output row of the batch tool built cell by cell, in the columns'
// order, as a line of a tab-separated table or as one JSON object. The row's
// code says once what each cell holds and whether it is a number; the two
// formats cannot disagree about a value or its place.
#pragma once

#include "batch/batch_row.h"
#include "engine/moon_detail.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace nyra {

// `text` as a JSON string, quotes included, appended to `out`: the quote,
// the backslash and every control character escaped (\" \\ \b \f \n \r \t,
// else \u00XX), the line and paragraph separators U+2028 and U+2029 escaped
// as well (JavaScript reads them as line ends), and each byte that belongs
// to no well-formed UTF-8 sequence written as U+FFFD, so that every line is
// valid UTF-8 JSON. Everything else is kept as it is.
void AppendJsonString(std::string& out, std::string_view text);

// A refused row's place in a JSON Lines output, so that there is still one
// object per input row: {"line":7,"problem":"BirthDay: ..."}, with "file"
// first when the row's file is named, and no "line" for a record file.
std::string RefusedRowObject(std::string_view file, long long line, std::string_view problem);

class RowCells {
public:
    // `columns` are the output's columns, whose names a JSON object takes as
    // its keys; they must outlive the builder.
    RowCells(RowFormat format, std::span<const std::string> columns);

    // A cell of text. Control characters become blanks, as in echoed input:
    // a tab or line end would break the row apart.
    void Text(std::string_view text);
    // A cell of the program's own text, a name from its tables or a
    // position, which holds no control character: written without a look at
    // each byte, which would cost a default row a few percent of its time.
    void OwnText(std::string_view text) {
        if (format_ == RowFormat::Jsonl) {
            JsonText(text);
            return;
        }
        if (count_++ > 0) line_ += '\t';
        line_ += text;
    }
    // Opens a cell holding a number and gives the line to append its digits
    // to, as the table writes them; the text must also be a JSON number
    // ("12", "-5.5", "1.0000000000000001e-05", "-0").
    std::string& Number() {
        Open();
        return line_;
    }
    // A flag, 1 or 0.
    void Flag(bool value);
    // For the tab-separated output only: `count` cells at once, separated by
    // tabs as a table row holds them, each cleaned as Text cleans it.
    void Echo(std::string_view tabSeparated, std::size_t count);
    // A change's clock time to the minute, as text: "2000-01-02 09:51", and
    // in a JSON line in ISO 8601 with the clock's offset:
    // "2000-01-02T09:51+05:30".
    void Minute(const Crossing& change);

    // The row, without a line end.
    std::string Finish() &&;

private:
    void Open() {
        if (format_ == RowFormat::Tsv) {
            if (count_++ > 0) line_ += '\t';
        } else {
            OpenJson();
        }
    }
    void OpenJson();
    void JsonText(std::string_view text);

    RowFormat format_;
    std::span<const std::string> columns_;
    std::size_t count_ = 0;
    std::string line_;
};

}  // namespace nyra
