// The batch tool: many charts from a tab-separated table, or from saved
// record files, written as a tab-separated table.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nyra {

// Exit statuses of the batch tool.
inline constexpr int kBatchOk = 0;
inline constexpr int kBatchRowErrors = 1;  ///< Some rows or files were skipped.
inline constexpr int kBatchFailed = 2;     ///< Usage, header or input that can't be read at all.

struct BatchOptions {
    bool describe = false;            ///< Append the sign description's 27 columns.
    bool records = false;             ///< Inputs are saved record files, not tables.
    std::vector<std::string> inputs;  ///< Files; none means standard input (tables only).
};

// Parses the command line. Returns false with a message in `error` for a
// usage mistake; `help` is set for --help.
bool ParseBatchArguments(const std::vector<std::string>& args, BatchOptions& options, bool& help,
                         std::string& error);

std::string BatchUsage();

// One run over several inputs. The output header is written once; later
// tables must have the same columns. Streams: the memory used does not grow
// with the number of rows.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, std::ostream& out, std::ostream& err);

    // Reads one table (header line, then rows). `label` prefixes messages
    // when several inputs are read ("" for one).
    void ProcessTable(std::istream& in, const std::string& label);
    // Reads one saved record file as one row.
    void ProcessRecordFile(const std::string& path);

    // Raises the exit status (never lowers it).
    void Fail(int status);
    int ExitStatus() const { return status_; }

private:
    void WriteOutputHeader(const std::vector<std::string>& inputColumns, bool withPlace);

    const BatchOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    int status_ = kBatchOk;
    bool headerWritten_ = false;
    std::string writtenHeader_;
};

// The whole tool: arguments in, exit status out.
int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

} // namespace nyra
