// Running the batch tool in-process and reading its table, for the tests of
// its columns and of its pipeline.
#pragma once

#include "batch/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace nyra::batch_testing
