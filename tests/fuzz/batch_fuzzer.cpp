// Any bytes as the batch tool's arguments and standard input, through its
// in-process entry point. An input that starts with a NUL byte carries
// arguments first, each ended by a NUL, the list by an empty one
// ("\0--precise\0--jobs=2\0\0" then the table). A refused command line gives
// one message, printable and quoting what it echoes, then the usage. For a
// table, every data row becomes exactly one output row (echoing the row) or
// one message naming its line; the exit status is 0 exactly when nothing was
// reported; output rows are whole rows of the header's width, or with
// --format jsonl JSON objects keyed by the header's columns and the same
// computed ones on every line, a refused row's {"line":N,"problem":...} in
// its place; messages are short single lines of printable UTF-8.
#include "fuzz_check.h"

#include "../batch/json_line.h"

#include "batch/batch.h"
#include "batch/batch_io.h"
#include "text/blanks.h"
#include "text/quoted_input.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {
namespace {

// Longest message line: a column, a reason and input quoted at most
// kQuotedInputBytes long, each byte written as at most four ("\x00").
constexpr std::size_t kMaxMessageBytes = 512;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The tool's own notes (the ephemeris files missing) start so; a row's
// message of standard input starts with its line.
constexpr std::string_view kNote = "nyra-moonsign-batch: ";
// More threads than this would only slow the fuzzer down.
constexpr int kMostJobs = 4;

// One input line as the tool numbers it.
struct InputLine {
    long long number = 0;
    std::string text;  ///< Without its line end; a CR before the LF dropped.
    bool tooLong = false;
};

// The input cut at LF; a last line without LF counts, an empty end does not.
std::vector<InputLine> SplitInput(std::string_view input) {
    std::vector<InputLine> lines;
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        InputLine line{static_cast<long long>(lines.size()) + 1, std::string(input.substr(start, end - start))};
        if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        line.tooLong = line.text.size() > kMaxTableLineBytes;
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> OutputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        NYRA_FUZZ_CHECK(end != std::string::npos, "output ends without a line end: " + QuoteInput(text.substr(start)));
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// An input row as the tool echoes it: control bytes but tabs become blanks.
std::string Echoed(std::string_view row) {
    std::string echoed(row);
    for (char& c : echoed) {
        const auto code = static_cast<unsigned char>(c);
        if ((code < 0x20 || code == 0x7F) && c != '\t') c = ' ';
    }
    return echoed;
}

// The arguments an input carries before its table, taken off its front.
std::vector<std::string> TakeArguments(std::string_view& input) {
    std::vector<std::string> args;
    if (!input.starts_with('\0')) return args;
    input.remove_prefix(1);
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        std::string arg(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
        if (arg.empty()) break;
        args.push_back(std::move(arg));
    }
    return args;
}

// A message a terminal shows as it is: one line of printable UTF-8.
bool IsPrintable(const std::string& message) { return EscapeInput(message) == message; }

// A command line the parser refuses: one printable message, then the usage,
// and nothing else.
void CheckRefusedArguments(const std::vector<std::string>& args, const Problem& problem) {
    const std::string message = problem.Text();
    NYRA_FUZZ_CHECK(IsPrintable(message), "raw bytes in " + QuoteInput(message));
    NYRA_FUZZ_CHECK(message.size() <= kMaxMessageBytes, "message of " + std::to_string(message.size()) + " bytes");
    std::istringstream in;
    std::ostringstream out, err;
    NYRA_FUZZ_CHECK(RunBatch(args, in, out, err) == kBatchFailed, "a refused command line ran");
    NYRA_FUZZ_CHECK(out.str().empty(), "output for a refused command line");
    NYRA_FUZZ_CHECK(err.str() == "nyra-moonsign-batch: " + message + "\n\n" + BatchUsage(), QuoteInput(err.str()));
}

bool HasControlBytes(std::string_view text, bool allowTabs) {
    return std::any_of(text.begin(), text.end(), [allowTabs](char c) {
        const auto code = static_cast<unsigned char>(c);
        return (code < 0x20 || code == 0x7F) && !(allowTabs && c == '\t');
    });
}

}  // namespace
}  // namespace nyra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nyra;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> args = TakeArguments(bytes);
    const Result<BatchOptions> options = ParseBatchArguments(args);
    if (!options) {
        CheckRefusedArguments(args, options.problem());
        return 0;
    }
    // Files named on the command line are not the fuzzer's to open.
    if (!options->inputs.empty() || options->records || options->jobs > kMostJobs) return 0;

    const std::string input(bytes);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunBatch(args, in, out, err);
    if (options->help || options->version) {
        NYRA_FUZZ_CHECK(status == kBatchOk && err.str().empty(), "--help or --version with a message");
        NYRA_FUZZ_CHECK(out.str() == (options->help ? BatchUsage() : "nyra-moonsign-batch " NYRA_VERSION "\n"),
                        QuoteInput(out.str()));
        return 0;
    }
    const std::vector<std::string> rows = OutputLines(out.str());
    std::vector<std::string> messages = OutputLines(err.str());
    std::erase_if(messages, [](const std::string& message) { return message.starts_with(kNote); });

    NYRA_FUZZ_CHECK(status == kBatchOk || status == kBatchRowErrors || status == kBatchFailed,
                    "exit status " + std::to_string(status));
    NYRA_FUZZ_CHECK((status == kBatchOk) == messages.empty(),
                    "exit status " + std::to_string(status) + " with " + std::to_string(messages.size()) + " messages");
    for (const std::string& message : messages) {
        NYRA_FUZZ_CHECK(message.size() <= kMaxMessageBytes, "message of " + std::to_string(message.size()) + " bytes");
        NYRA_FUZZ_CHECK(IsPrintable(message), "raw bytes in message " + QuoteInput(message));
    }

    // The header: the first line that is not empty (a byte-order mark on the
    // first line does not count).
    std::vector<InputLine> lines = SplitInput(input);
    if (!lines.empty() && std::string_view(lines.front().text).starts_with(kByteOrderMark))
        lines.front().text.erase(0, kByteOrderMark.size());
    const auto header = std::find_if(lines.begin(), lines.end(),
                                     [](const InputLine& line) { return line.tooLong || !line.text.empty(); });
    if (status == kBatchFailed) {
        // Nothing can be read at all: one message, no output.
        NYRA_FUZZ_CHECK(rows.empty(), "output although the table was refused: " + QuoteInput(out.str()));
        NYRA_FUZZ_CHECK(messages.size() == 1, std::to_string(messages.size()) + " messages for a refused table");
        if (header == lines.end()) NYRA_FUZZ_CHECK(messages.front() == "no header line", messages.front());
        return 0;
    }
    NYRA_FUZZ_CHECK(header != lines.end() && !header->tooLong, "a table without a usable header was accepted");
    const bool json = options->columns.format == RowFormat::Jsonl;
    // A table's rows follow its header; JSON lines name their own columns.
    const std::size_t firstRow = json ? 0 : 1;
    NYRA_FUZZ_CHECK(json || !rows.empty(), "no output header");

    if (json) {
        // Each line one object, its keys the header's columns (trimmed) and
        // then the same computed columns as every other line's.
        std::vector<std::string> inputColumns;
        for (std::size_t start = 0;;) {
            const std::size_t tab = header->text.find('\t', start);
            inputColumns.emplace_back(TrimBlanks(std::string_view(header->text).substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        std::vector<std::string> firstKeys;
        for (const std::string& row : rows) {
            std::string error;
            const std::optional<batch_testing::JsonObject> object = batch_testing::ReadJsonLine(row, &error);
            NYRA_FUZZ_CHECK(object.has_value(), error + " in " + QuoteInput(row));
            std::vector<std::string> keys;
            for (const auto& [key, value] : *object) keys.push_back(key);
            if (keys == std::vector<std::string>{"line", "problem"}) continue;  // a refused row's, checked below
            NYRA_FUZZ_CHECK(
                keys.size() > inputColumns.size() && std::equal(inputColumns.begin(), inputColumns.end(), keys.begin()),
                "keys do not start with the header's columns: " + QuoteInput(row));
            if (firstKeys.empty()) firstKeys = keys;
            NYRA_FUZZ_CHECK(keys == firstKeys, "keys differ from the first line's: " + QuoteInput(row));
        }
    } else {
        // Every output line is one row as wide as the header.
        const auto cells = [](const std::string& row) { return std::count(row.begin(), row.end(), '\t') + 1; };
        for (const std::string& row : rows) {
            NYRA_FUZZ_CHECK(!HasControlBytes(row, true), "raw control bytes in output " + QuoteInput(row));
            NYRA_FUZZ_CHECK(
                cells(row) == cells(rows.front()),
                std::to_string(cells(row)) + " cells under a header of " + std::to_string(cells(rows.front())));
        }
    }

    // Each data row, in order, is either the next message (naming its line)
    // or the next output row (beginning with the row as given).
    std::size_t nextRow = firstRow;
    std::size_t nextMessage = 0;
    for (auto line = header + 1; line != lines.end(); ++line) {
        if (!line->tooLong && line->text.empty()) continue;
        const std::string label = "line " + std::to_string(line->number) + ": ";
        if (nextMessage < messages.size() && messages[nextMessage].starts_with(label)) {
            // In JSON Lines the refused row's object stands in its place.
            const std::string object = "{\"line\":" + std::to_string(line->number) + ",\"problem\":";
            NYRA_FUZZ_CHECK(!json || (nextRow < rows.size() && rows[nextRow++].starts_with(object)),
                            label + "refused without its object in the output");
            ++nextMessage;
            continue;
        }
        NYRA_FUZZ_CHECK(!line->tooLong, label + "too long, yet no message");
        NYRA_FUZZ_CHECK(nextRow < rows.size(), label + "neither an output row nor a message");
        NYRA_FUZZ_CHECK(json || rows[nextRow].starts_with(Echoed(line->text) + '\t'),
                        label + QuoteInput(line->text) + " gave the output row " + QuoteInput(rows[nextRow]));
        ++nextRow;
    }
    NYRA_FUZZ_CHECK(nextRow == rows.size(), std::to_string(rows.size() - nextRow) + " output rows too many");
    NYRA_FUZZ_CHECK(nextMessage == messages.size(), "a message out of turn: " + QuoteInput(messages[nextMessage]));
    return 0;
}
