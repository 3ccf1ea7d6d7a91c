// The batch tool: many charts from a tab-separated table, or from saved
// record files, written as a tab-separated table.
#pragma once

#include "base/result.h"
#include "batch/batch_row.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace nyra {

// Exit statuses of the batch tool; a run ends with the highest it reached.
inline constexpr int kBatchOk = 0;
inline constexpr int kBatchRowErrors = 1;     ///< Some rows or files were skipped.
inline constexpr int kBatchFailed = 2;        ///< Usage, header or input that can't be read at all.
inline constexpr int kBatchOutputFailed = 3;  ///< The output could not be written.

// The most threads --jobs may ask for: far more than any machine the tool
// runs on has cores, and few enough that a typo cannot start thousands.
inline constexpr int kMaxJobs = 256;

struct BatchOptions {
    RowOptions columns;
    int jobs = 0;          ///< Threads computing rows, 1..kMaxJobs; 0: one per core.
    bool records = false;  ///< Inputs are saved record files, not tables.
    bool help = false;
    bool version = false;
    std::vector<std::string> inputs;  ///< Files; none means standard input (tables only).
};

// Parses the command line. A usage mistake is the Problem, its reason the
// message (any argument it echoes quoted by QuoteInput).
Result<BatchOptions> ParseBatchArguments(const std::vector<std::string>& args);

std::string BatchUsage();

// The whole tool: arguments in, exit status out. Output is checked as it is
// written and flushed at the end; a failure stops the run with
// kBatchOutputFailed and a message on `err`, except for a reader that
// closed the pipe early, which ends the run quietly.
int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// Says why output failed (`errnoValue` 0: not known), unless the reader
// closed the pipe, and returns kBatchOutputFailed.
int ReportOutputFailure(int errnoValue, std::ostream& err);

}  // namespace nyra
