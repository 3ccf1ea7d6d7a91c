// Rows computed on several threads: the same bytes, the same messages in the
// same places and the same exit status as one row after another.
#include "batch/batch_io.h"
#include "batch_tool_support.h"
#include "record/record_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace nyra {
namespace {

using namespace batch_testing;

// Threads to compare with one: the machine's two cores, and more threads
// than rows in a chunk's worth of work, so chunks finish out of order.
constexpr int kJobCounts[] = {2, 8};

ToolRun RunWithJobs(const std::string& input, std::vector<std::string> args, int jobs) {
    args.insert(args.begin(), {"--jobs", std::to_string(jobs)});
    return RunTool(input, args);
}

std::string PlaceTable(int rows) {
    const char* places[] = {"Pune", "Madrid, Spain", "New York", "Sydney", "London", "Chennai", "Atlantis Nowhere"};
    std::string table = "BirthName\tBirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tPlace\n";
    for (int i = 0; i < rows; ++i) {
        table += "P" + std::to_string(i) + "\t" + std::to_string(1 + i % 12) + "\t" + std::to_string(1 + i % 28) +
                 "\t" + std::to_string(1900 + i * 3 % 121) + "\t" + std::to_string(i % 24) + "\t" +
                 std::to_string(i * 7 % 60) + "\t" + places[i % std::size(places)] + "\n";
    }
    return table;
}

const char* WindowCell(int i) {
    const char* cells[] = {"0", "30", "60", "720", "day", "-5"};
    return cells[i % std::size(cells)];
}

struct PipelineCase {
    const char* name;
    std::function<std::string()> input;
    std::vector<std::string> args;
};
void PrintTo(const PipelineCase& c, std::ostream* os) { *os << c.name; }

class PipelineTables : public ::testing::TestWithParam<PipelineCase> {};

TEST_P(PipelineTables, GiveTheBytesMessagesAndStatusOfOneThread) {
    const std::string input = GetParam().input();
    const ToolRun one = RunWithJobs(input, GetParam().args, 1);
    ASSERT_GT(Lines(one.out).size(), 10u) << one.err;
    EXPECT_EQ(one.status, kBatchRowErrors);  // every table has bad rows among the good
    for (const int jobs : kJobCounts) {
        SCOPED_TRACE("--jobs " + std::to_string(jobs));
        const ToolRun many = RunWithJobs(input, GetParam().args, jobs);
        EXPECT_EQ(many.status, one.status);
        EXPECT_TRUE(many.out == one.out) << "output differs";
        EXPECT_EQ(many.err, one.err);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tables, PipelineTables,
    ::testing::Values(PipelineCase{"RowsWithErrors", [] { return GeneratedTable(3000); }, {}},
                      PipelineCase{"Places", [] { return PlaceTable(400); }, {}},
                      PipelineCase{"Described", [] { return GeneratedTable(400); }, {"--describe"}},
                      PipelineCase{"Precise", [] { return GeneratedTable(400); }, {"--precise", "--ayanamsa", "kp"}},
                      PipelineCase{"TimeWindows", [] { return GeneratedTable(300, WindowCell, "TimeWindowMinutes"); },
                                   {}},
                      PipelineCase{"Everything",
                                   [] { return GeneratedTable(300, WindowCell, "TimeWindowMinutes"); },
                                   {"--describe", "--precise"}},
                      PipelineCase{"PreciseBasisInHindiAsJson",
                                   [] { return GeneratedTable(300, WindowCell, "TimeWindowMinutes"); },
                                   {"--basis", "precise", "--nakshatra-times", "--lang", "hi", "--format", "jsonl"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The tool's two streams into one, as a terminal or `2>&1` shows them: each
// message lands between the rows where one thread would have put it.
TEST(PipelineStreams, MessagesInterleaveWithRowsAsWithOneThread) {
    const std::string input = GeneratedTable(2000);
    std::string combined[2];
    int status[2];
    for (const int i : {0, 1}) {
        std::istringstream in(input);
        std::ostringstream both;
        status[i] = RunBatch({"--jobs", i == 0 ? "1" : "8"}, in, both, both);
        combined[i] = both.str();
    }
    EXPECT_EQ(status[1], status[0]);
    EXPECT_EQ(status[0], kBatchRowErrors);
    EXPECT_TRUE(combined[1] == combined[0]) << "rows and messages interleave differently";
}

// --- Output that fails --------------------------------------------------------------

// Takes `limit` bytes, then refuses every write.
class FailingOutput : public std::streambuf {
public:
    explicit FailingOutput(std::size_t limit) : limit_(limit) {}
    const std::string& written() const { return written_; }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (written_.size() >= limit_) return traits_type::eof();
        written_.push_back(traits_type::to_char_type(c));
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto room = static_cast<std::streamsize>(limit_ - std::min(limit_, written_.size()));
        const std::streamsize taken = std::min(n, room);
        written_.append(s, static_cast<std::size_t>(taken));
        return taken;
    }

private:
    std::size_t limit_;
    std::string written_;
};

// Far more rows than a run that has stopped writing should read, made as
// they are read; a run that keeps reading still ends, and fails the test.
class LongTable : public std::streambuf {
public:
    LongTable() { Set(kHeader); }
    long long rowsMade() const { return rows_; }

protected:
    int_type underflow() override {
        if (rows_ == kRows) return traits_type::eof();
        Set(GeneratedRow(static_cast<int>(rows_++)));
        return traits_type::to_int_type(line_[0]);
    }

private:
    void Set(std::string line) {
        line_ = std::move(line);
        setg(line_.data(), line_.data(), line_.data() + line_.size());
    }
    static constexpr long long kRows = 200000;
    std::string line_;
    long long rows_ = 0;
};

TEST(PipelineOutputFailure, StopsAtTheSameByteWithTheSameMessages) {
    const std::string input = GeneratedTable(3000);
    constexpr std::size_t kLimit = 100000;
    std::string written[2], messages[2];
    int status[2];
    for (const int i : {0, 1}) {
        std::istringstream in(input);
        FailingOutput sink(kLimit);
        std::ostream out(&sink);
        std::ostringstream err;
        status[i] = RunBatch({"--jobs", i == 0 ? "1" : "8"}, in, out, err);
        written[i] = sink.written();
        messages[i] = err.str();
    }
    EXPECT_EQ(status[0], kBatchOutputFailed);
    EXPECT_EQ(status[1], status[0]);
    EXPECT_EQ(written[0].size(), kLimit);
    EXPECT_TRUE(written[1] == written[0]) << "written output differs";
    EXPECT_EQ(messages[1], messages[0]);
}

TEST(PipelineOutputFailure, StopsReading) {
    for (const char* jobs : {"1", "8"}) {
        SCOPED_TRACE(std::string("--jobs ") + jobs);
        LongTable table;
        std::istream in(&table);
        FailingOutput sink(50000);
        std::ostream out(&sink);
        std::ostringstream err;
        EXPECT_EQ(RunBatch({"--jobs", jobs}, in, out, err), kBatchOutputFailed);
        // Written rows are a few hundred; reading may run a few chunks ahead.
        EXPECT_LT(table.rowsMade(), 5000);
    }
}

// --- Input --------------------------------------------------------------------

// Counts how often it is asked for more after it has said "no more": a
// terminal would wait for another end-of-file there.
class CountingEnd : public std::streambuf {
public:
    explicit CountingEnd(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    int endsGiven() const { return ends_; }

protected:
    int_type underflow() override {
        ++ends_;
        return traits_type::eof();
    }

private:
    std::string text_;
    int ends_ = 0;
};

TEST(PipelineInput, TheEndIsAskedForOnce) {
    for (const char* jobs : {"1", "2", "8"}) {
        SCOPED_TRACE(std::string("--jobs ") + jobs);
        CountingEnd table(GeneratedTable(500));
        std::istream in(&table);
        std::ostringstream out, err;
        RunBatch({"--jobs", jobs}, in, out, err);
        EXPECT_EQ(table.endsGiven(), 1);
    }
}

// --- Record files -------------------------------------------------------------------

class PipelineFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "nyra-batch-jobs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(PipelineFiles, RecordsGiveTheBytesMessagesAndStatusOfOneThread) {
    std::vector<std::string> paths;
    for (int i = 0; i < 60; ++i) {
        const std::string path = (dir_ / ("r" + std::to_string(i) + ".moo")).string();
        BirthRecord birth;
        birth.BirthName = "Person " + std::to_string(i);
        birth.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
        birth.BirthDay = static_cast<std::int16_t>(i % 9 == 4 ? 31 : 1 + i % 28);
        birth.BirthYear = static_cast<std::int16_t>(1901 + i % 150);
        birth.BirthHour = static_cast<std::int16_t>(i % 24);
        birth.BirthMinute = static_cast<std::int16_t>(i % 60);
        birth.ZoneHours = 5;
        birth.ZoneMinutes = 30;
        birth.LonDegrees = 77;
        birth.LonIsEast = kTrue;
        if (i % 13 == 6) {
            std::ofstream(path) << "";  // empty: refused
        } else if (i % 17 != 8) {       // otherwise missing
            ASSERT_TRUE(WriteBirthRecord(path, birth).ok());
        }
        paths.push_back(path);
    }
    std::vector<std::string> args{"--records"};
    args.insert(args.end(), paths.begin(), paths.end());
    const ToolRun one = RunWithJobs("", args, 1);
    EXPECT_EQ(one.status, kBatchRowErrors);
    for (const int jobs : kJobCounts) {
        SCOPED_TRACE("--jobs " + std::to_string(jobs));
        const ToolRun many = RunWithJobs("", args, jobs);
        EXPECT_EQ(many.status, one.status);
        EXPECT_TRUE(many.out == one.out) << "output differs";
        EXPECT_EQ(many.err, one.err);
    }
}

// The program itself: nothing but the tool's own messages on standard error,
// however many threads are asked for (the thread library has warnings of
// its own to give when asked for more threads than cores).
TEST_F(PipelineFiles, TheProgramSaysNothingMoreOnMoreThreadsThanCores) {
    const std::string table = (dir_ / "table.tsv").string();
    std::ofstream(table) << GeneratedTable(400);
    const auto run = [&](const std::string& jobs) {
        const std::string err = (dir_ / ("err" + jobs)).string();
        const std::string command = std::string(NYRA_BATCH_EXE) + " --jobs " + jobs + " " + table + " 2>" + err;
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
            pclose(pipe);
        }
        std::ifstream errFile(err, std::ios::binary);
        return std::pair{out, std::string(std::istreambuf_iterator<char>(errFile), {})};
    };
    const auto one = run("1");
    ASSERT_GT(Lines(one.first).size(), 10u);
    for (const char* jobs : {"3", "64"}) {
        SCOPED_TRACE(std::string("--jobs ") + jobs);
        const auto many = run(jobs);
        EXPECT_TRUE(many.first == one.first) << "output differs";
        EXPECT_EQ(many.second, one.second);
    }
}

// --- The option ----------------------------------------------------------------------

struct JobsCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;  // empty: accepted
};
void PrintTo(const JobsCase& c, std::ostream* os) { *os << c.name; }

class JobsOption : public ::testing::TestWithParam<JobsCase> {};

TEST_P(JobsOption, TakesAWholeNumberOfThreads) {
    const ToolRun r = RunTool(kHeader + kJ2000, GetParam().args);
    ExpectArgumentsOutcome(r, GetParam().message);
}

const std::string kNeedsJobs = "--jobs needs a whole number of threads 1..256";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, JobsOption,
                         ::testing::Values(JobsCase{"One", {"--jobs", "1"}, ""},
                                           JobsCase{"AfterAnEqualsSign", {"--jobs=3"}, ""},
                                           JobsCase{"Most", {"--jobs", "256"}, ""},
                                           JobsCase{"Zero", {"--jobs", "0"}, kNeedsJobs + ", not \"0\""},
                                           JobsCase{"TooMany", {"--jobs", "257"}, kNeedsJobs + ", not \"257\""},
                                           JobsCase{"Negative", {"--jobs=-2"}, kNeedsJobs + ", not \"-2\""},
                                           JobsCase{"Fraction", {"--jobs", "1.5"}, kNeedsJobs + ", not \"1.5\""},
                                           JobsCase{"Word", {"--jobs", "all"}, kNeedsJobs + ", not \"all\""},
                                           JobsCase{"Missing", {"--jobs"}, kNeedsJobs}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
