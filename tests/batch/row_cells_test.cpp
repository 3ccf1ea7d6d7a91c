// Cells written as JSON: strings escaped so that every line is one valid
// UTF-8 JSON object, whatever bytes a cell holds.
#include "batch/row_cells.h"

#include "batch/cell_text.h"
#include "json_line.h"

#include <gtest/gtest.h>

#include <string>

namespace nyra {
namespace {

using namespace batch_testing;

struct JsonStringCase {
    const char* name;
    std::string text;
    std::string json;     ///< As written, quotes included.
    std::string decoded;  ///< What a reader gets back.
};
void PrintTo(const JsonStringCase& c, std::ostream* os) { *os << c.name; }

class JsonString : public ::testing::TestWithParam<JsonStringCase> {};

TEST_P(JsonString, IsEscapedAndReadsBack) {
    std::string json = "x";  // appended to, not overwritten
    AppendJsonString(json, GetParam().text);
    EXPECT_EQ(json.substr(1), GetParam().json);
    std::string error;
    const auto object = ReadJsonLine("{\"k\":" + json.substr(1) + "}", &error);
    ASSERT_TRUE(object) << error;
    EXPECT_EQ(object->at(0).second.text, GetParam().decoded);
}

const std::string kReplacement = "\xEF\xBF\xBD";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, JsonString,
    ::testing::Values(
        JsonStringCase{"Plain", "Thula 35%; Vrischika 65%", "\"Thula 35%; Vrischika 65%\"", "Thula 35%; Vrischika 65%"},
        JsonStringCase{"Empty", "", "\"\"", ""},
        JsonStringCase{"QuoteAndBackslash", "19\u00B0 27' 44\" \\", "\"19\u00B0 27' 44\\\" \\\\\"", "19\u00B0 27' 44\" \\"},
        JsonStringCase{"ShortEscapes", "\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\"", "\b\f\n\r\t"},
        JsonStringCase{"OtherControls", std::string("a\0b\x1f\x1b", 5), "\"a\\u0000b\\u001f\\u001b\"",
                       std::string("a\0b\x1f\x1b", 5)},
        JsonStringCase{"DevanagariAndCjkAsTheyAre", "\u0924\u0941\u0932\u093E \u674E", "\"\u0924\u0941\u0932\u093E \u674E\"",
                       "\u0924\u0941\u0932\u093E \u674E"},
        JsonStringCase{"FourByteCharacter", "\U0001F319", "\"\U0001F319\"", "\U0001F319"},
        JsonStringCase{"LineSeparators", "a\u2028b\u2029", "\"a\\u2028b\\u2029\"", "a\u2028b\u2029"},
        JsonStringCase{"StrayContinuationByte", "a\x80z", "\"a" + kReplacement + "z\"", "a" + kReplacement + "z"},
        JsonStringCase{"Latin1", "Zo\xEB", "\"Zo" + kReplacement + "\"", "Zo" + kReplacement},
        JsonStringCase{"CutSequence", "\xE0\xA4", "\"" + kReplacement + kReplacement + "\"", kReplacement + kReplacement},
        JsonStringCase{"Overlong", "\xC0\xAF", "\"" + kReplacement + kReplacement + "\"", kReplacement + kReplacement},
        JsonStringCase{"Surrogate", "\xED\xA0\x80", "\"" + kReplacement + kReplacement + kReplacement + "\"",
                       kReplacement + kReplacement + kReplacement},
        JsonStringCase{"PastUnicode", "\xF4\x90\x80\x80",
                       "\"" + kReplacement + kReplacement + kReplacement + kReplacement + "\"",
                       kReplacement + kReplacement + kReplacement + kReplacement}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RowCells, WriteTheSameCellsAsATableLineOrAJsonObject) {
    const std::vector<std::string> columns{"Name", "Pada", "Flag", "Entered"};
    const auto row = [&](RowFormat format) {
        RowCells cells(format, columns);
        cells.Text("A\tB\x7f\"");
        AppendWhole(cells.Number(), -4);
        cells.Flag(true);
        cells.Minute({0, {2000, 1, 2, 9, 5}, -330});
        return std::move(cells).Finish();
    };
    EXPECT_EQ(row(RowFormat::Tsv), "A B \"\t-4\t1\t2000-01-02 09:05");
    EXPECT_EQ(row(RowFormat::Jsonl), "{\"Name\":\"A B \\\"\",\"Pada\":-4,\"Flag\":1,\"Entered\":\"2000-01-02T09:05-05:30\"}");
}

}  // namespace
}  // namespace nyra
