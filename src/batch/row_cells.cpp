#include "batch/row_cells.h"

#include "batch/cell_text.h"
#include "text/utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace nyra {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        const char c = text.front();
        if (length == 0) {
            out += kReplacementCharacter;
        } else if (c == '"' || c == '\\') {
            (out += '\\') += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            switch (c) {
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: (out += "\\u00") += kHex[(c >> 4) & 0xF], out += kHex[c & 0xF];
            }
        } else if (text.starts_with(kLineSeparator)) {
            out += "\\u2028";
        } else if (text.starts_with(kParagraphSeparator)) {
            out += "\\u2029";
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    out += '"';
}

std::string RefusedRowObject(std::string_view file, long long line, std::string_view problem) {
    std::string object = "{";
    if (!file.empty()) {
        object += "\"file\":";
        AppendJsonString(object, file);
        object += ',';
    }
    if (line > 0) object += "\"line\":" + std::to_string(line) + ',';
    object += "\"problem\":";
    AppendJsonString(object, problem);
    return object += '}';
}

// Room for a default row, so that it is not moved as it grows.
constexpr std::size_t kRowBytes = 320;

RowCells::RowCells(RowFormat format, std::span<const std::string> columns) : format_(format), columns_(columns) {
    line_.reserve(kRowBytes);
}

void RowCells::OpenJson() {
    line_ += count_ == 0 ? '{' : ',';
    // A cell past the columns would be a fault in the row's code; its key is
    // left empty rather than read from beyond them.
    AppendJsonString(line_, count_ < columns_.size() ? std::string_view(columns_[count_]) : std::string_view());
    line_ += ':';
    ++count_;
}

void RowCells::JsonText(std::string_view text) {
    OpenJson();
    const auto isControl = [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    };
    if (std::none_of(text.begin(), text.end(), isControl)) {
        AppendJsonString(line_, text);
        return;
    }
    std::string cleaned(text);
    std::replace_if(cleaned.begin(), cleaned.end(), isControl, ' ');
    AppendJsonString(line_, cleaned);
}

namespace {

// Control characters but, where cells are already separated, tabs become
// blanks.
void BlankControls(std::string& line, std::size_t from, bool keepTabs) {
    for (std::size_t i = from; i < line.size(); ++i) {
        const auto code = static_cast<unsigned char>(line[i]);
        if ((code < 0x20 || code == 0x7F) && !(keepTabs && line[i] == '\t')) line[i] = ' ';
    }
}

}  // namespace

void RowCells::Text(std::string_view text) {
    if (format_ == RowFormat::Jsonl) {
        JsonText(text);
        return;
    }
    if (count_++ > 0) line_ += '\t';
    const std::size_t start = line_.size();
    line_ += text;
    BlankControls(line_, start, false);
}

void RowCells::Echo(std::string_view tabSeparated, std::size_t count) {
    if (count_ > 0) line_ += '\t';
    const std::size_t start = line_.size();
    line_ += tabSeparated;
    BlankControls(line_, start, true);
    count_ += count;
}

void RowCells::Flag(bool value) { Number() += value ? '1' : '0'; }

void RowCells::Minute(const Crossing& change) {
    Open();
    if (format_ == RowFormat::Tsv) {
        AppendIsoMinute(line_, change.local);
        return;
    }
    // Digits, a dash, a T, a colon and a sign need no escaping in JSON.
    line_ += '"';
    const std::size_t start = line_.size();
    AppendIsoMinute(line_, change.local);
    if (line_.size() > start + 10 && line_[start + 10] == ' ') line_[start + 10] = 'T';
    const int minutes = std::abs(change.clockMinutesEast);
    char offset[16];
    std::snprintf(offset, sizeof offset, "%c%02d:%02d", change.clockMinutesEast < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    (line_ += offset) += '"';
}

std::string RowCells::Finish() && {
    if (format_ == RowFormat::Jsonl) line_ += count_ == 0 ? "{}" : "}";
    return std::move(line_);
}

}  // namespace nyra
