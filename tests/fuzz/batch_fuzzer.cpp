// Any bytes as the batch tool's standard input, through its in-process entry
// point. Every data row becomes exactly one output row (echoing the row) or
// one message naming its line; the exit status is 0 exactly when nothing was
// reported; output rows are whole rows of the header's width; messages are
// short single lines without raw control bytes.
#include "fuzz_check.h"

#include "batch/batch.h"
#include "batch/batch_io.h"
#include "record/field_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
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

bool HasControlBytes(std::string_view text, bool allowTabs) {
    return std::any_of(text.begin(), text.end(), [allowTabs](char c) {
        const auto code = static_cast<unsigned char>(c);
        return (code < 0x20 || code == 0x7F) && !(allowTabs && c == '\t');
    });
}

} // namespace
} // namespace nyra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nyra;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunBatch({}, in, out, err);
    const std::vector<std::string> rows = OutputLines(out.str());
    const std::vector<std::string> messages = OutputLines(err.str());

    NYRA_FUZZ_CHECK(status == kBatchOk || status == kBatchRowErrors || status == kBatchFailed,
                    "exit status " + std::to_string(status));
    NYRA_FUZZ_CHECK((status == kBatchOk) == messages.empty(),
                    "exit status " + std::to_string(status) + " with " + std::to_string(messages.size()) + " messages");
    for (const std::string& message : messages) {
        NYRA_FUZZ_CHECK(message.size() <= kMaxMessageBytes, "message of " + std::to_string(message.size()) + " bytes");
        NYRA_FUZZ_CHECK(!HasControlBytes(message, false), "raw control bytes in message " + QuoteInput(message));
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
    NYRA_FUZZ_CHECK(!rows.empty(), "no output header");

    // Every output line is one row as wide as the header.
    const auto cells = [](const std::string& row) { return std::count(row.begin(), row.end(), '\t') + 1; };
    for (const std::string& row : rows) {
        NYRA_FUZZ_CHECK(!HasControlBytes(row, true), "raw control bytes in output " + QuoteInput(row));
        NYRA_FUZZ_CHECK(cells(row) == cells(rows.front()),
                        std::to_string(cells(row)) + " cells under a header of " + std::to_string(cells(rows.front())));
    }

    // Each data row, in order, is either the next message (naming its line)
    // or the next output row (beginning with the row as given).
    std::size_t nextRow = 1;
    std::size_t nextMessage = 0;
    for (auto line = header + 1; line != lines.end(); ++line) {
        if (!line->tooLong && line->text.empty()) continue;
        const std::string label = "line " + std::to_string(line->number) + ": ";
        if (nextMessage < messages.size() && messages[nextMessage].starts_with(label)) {
            ++nextMessage;
            continue;
        }
        NYRA_FUZZ_CHECK(!line->tooLong, label + "too long, yet no message");
        NYRA_FUZZ_CHECK(nextRow < rows.size(), label + "neither an output row nor a message");
        NYRA_FUZZ_CHECK(rows[nextRow].starts_with(Echoed(line->text) + '\t'),
                        label + QuoteInput(line->text) + " gave the output row " + QuoteInput(rows[nextRow]));
        ++nextRow;
    }
    NYRA_FUZZ_CHECK(nextRow == rows.size(), std::to_string(rows.size() - nextRow) + " output rows too many");
    NYRA_FUZZ_CHECK(nextMessage == messages.size(), "a message out of turn: " + QuoteInput(messages[nextMessage]));
    return 0;
}
