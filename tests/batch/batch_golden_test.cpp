// The classic output byte for byte: tables and what the tool wrote for them
// (standard output, standard error, exit status) before it could calculate
// with Swiss Ephemeris, write JSON lines or Hindi, kept in golden/. The new
// options at their defaults must not move a byte.
#include "batch_tool_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace nyra {
namespace {

using namespace batch_testing;

std::string GoldenFile(const std::string& name) {
    std::ifstream file(std::string(NYRA_BATCH_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The first line where two outputs part, for the failure's message.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
    const auto a = Lines(actual);
    const auto e = Lines(expected);
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        const std::string got = i < a.size() ? a[i] : "<none>";
        const std::string want = i < e.size() ? e[i] : "<none>";
        if (got != want) return "line " + std::to_string(i + 1) + ":\n  got  " + got + "\n  want " + want;
    }
    return "the same lines, other line ends";
}

struct GoldenCase {
    const char* name;
    const char* table;  ///< golden/TABLE.in.tsv, and .out.tsv and .err for what was written.
    std::vector<std::string> args;
    int status;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class GoldenOutput : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOutput, IsByteForByteWhatTheToolAlwaysWrote) {
    const std::string table = GetParam().table;
    for (const char* jobs : {"1", "2"}) {
        SCOPED_TRACE(std::string("--jobs ") + jobs);
        std::vector<std::string> args = GetParam().args;
        args.insert(args.end(), {"--jobs", jobs});
        const ToolRun r = RunTool(GoldenFile(table + ".in.tsv"), args);
        EXPECT_EQ(r.status, GetParam().status);
        const std::string out = GoldenFile(table + ".out.tsv");
        EXPECT_TRUE(r.out == out) << FirstDifference(r.out, out);
        EXPECT_EQ(r.err, GoldenFile(table + ".err"));
    }
}

// The tables: 160 rows of every year, zone, side and flag spelling, with a
// byte-order mark, CR LF lines, blank lines, names and refused rows; the
// precise columns with the files' years' edges; time windows; places;
// everything at once for four births.
const std::vector<std::string> kDefaults{"--basis", "classic", "--lang", "en", "--format", "tsv"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tables, GoldenOutput,
    ::testing::Values(GoldenCase{"Default", "default", {}, kBatchRowErrors},
                      GoldenCase{"DefaultsNamed", "default", kDefaults, kBatchRowErrors},
                      GoldenCase{"Precise", "precise", {"--precise", "--ayanamsa", "kp"}, kBatchRowErrors},
                      GoldenCase{"TimeWindows", "window", {}, kBatchRowErrors},
                      GoldenCase{"Places", "place", {}, kBatchRowErrors},
                      GoldenCase{"Everything", "everything", {"--describe", "--precise"}, kBatchOk}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
