// Running the batch tool in-process and reading its table, for the tests of
// its columns and of its pipeline.
#pragma once

#include "batch/batch.h"
#include "batch/batch_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace nyra::batch_testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::string& input, const std::vector<std::string>& args = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunBatch(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// A run given one table row: with arguments the tool accepts (`message`
// empty) it writes the header and the row; with arguments it refuses it
// writes nothing and says `message` first, as a usage error.
inline void ExpectArgumentsOutcome(const ToolRun& r, const std::string& message) {
    if (message.empty()) {
        EXPECT_EQ(r.status, kBatchOk) << r.err;
        EXPECT_EQ(Lines(r.out).size(), 2u);
    } else {
        EXPECT_EQ(r.status, kBatchFailed);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "nyra-moonsign-batch: " + message);
    }
}

inline std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
    cells.push_back(line.substr(start));
    return cells;
}

inline std::string Join(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) (line += i ? "\t" : "") += cells[i];
    return line;
}

// The cell of `column` in `row`, the table's header being `header`.
inline std::string Cell(const std::string& header, const std::string& row, const std::string& column) {
    const auto names = Cells(header);
    const auto values = Cells(row);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == column) return i < values.size() ? values[i] : "<missing>";
    return "<no column " + column + ">";
}

// The table without the named columns, header and rows alike.
inline std::string WithoutColumns(const std::string& table, const std::vector<std::string>& columns) {
    const auto lines = Lines(table);
    if (lines.empty()) return table;
    const auto names = Cells(lines[0]);
    std::string result;
    for (const std::string& line : lines) {
        const auto cells = Cells(line);
        std::vector<std::string> kept;
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (i >= names.size() || std::find(columns.begin(), columns.end(), names[i]) == columns.end())
                kept.push_back(cells[i]);
        result += Join(kept) + "\n";
    }
    return result;
}

// The header's names from `first` on (nothing when it is not there).
inline std::vector<std::string> NamesFrom(const std::string& header, const std::string& first) {
    const auto names = Cells(header);
    return {std::find(names.begin(), names.end(), first), names.end()};
}

inline const std::string kHeader =
    "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
    "LonDegrees\tLonMinutes\tLonIsEast\tDstOn\n";
// Noon at Greenwich on 1 January 2000 (J2000.0): the Moon in Thula.
inline const std::string kJ2000 = "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0\t0\n";
// Midnight in Delhi on 15 August 1947: the Moon in Kataka.
inline const std::string kDelhi = "8\t15\t1947\t0\t0\t5\t30\t77\t13\t1\t0\n";

// A row of the generated tables, and now and then a line the tool refuses.
// Dates spread over the tool's years; zones, sides and daylight saving vary.
inline std::string GeneratedRow(int i) {
    if (i % 97 == 13) return std::string(kMaxTableLineBytes + 10, '7') + "\n";  // too long
    if (i % 50 == 7) return "\n";                                               // blank, skipped
    if (i % 89 == 5) return "1\t1\t2000\t12\t0\t0\t0\t0\t0\t0\n";               // a cell short
    const int month = 1 + i % 12;
    const int day = i % 7 == 3 ? 31 : 1 + i % 28;  // 31 is refused in short months
    std::string row = std::to_string(month) + "\t" + std::to_string(day) + "\t" + std::to_string(1800 + i * 7 % 600) +
                      "\t" + std::to_string(i % 24) + "\t" + std::to_string(i * 13 % 60) + "\t" +
                      std::to_string(i % 5) + "\t" + (i % 2 ? "30" : "0") + "\t" + std::to_string(i * 11 % 180) + "\t" +
                      std::to_string(i % 60) + "\t" + std::to_string(i % 2) + "\t" + (i % 3 ? "0" : "1");
    return row + (i % 11 == 0 ? "\r\n" : "\n");
}

// The header and `rows` generated rows, with `extraColumn` holding
// extraCell(i) in row i when it is given.
inline std::string GeneratedTable(int rows, const std::function<std::string(int)>& extraCell = {},
                                  const std::string& extraColumn = "") {
    std::string table = kHeader;
    if (!extraColumn.empty()) table.insert(table.size() - 1, "\t" + extraColumn);
    for (int i = 0; i < rows; ++i) {
        std::string row = GeneratedRow(i);
        if (extraCell && row.size() < 200 && row != "\n") {
            const std::size_t end = row.find_last_not_of("\r\n") + 1;
            row.insert(end, "\t" + extraCell(i));
        }
        table += row;
    }
    return table;
}

}  // namespace nyra::batch_testing
