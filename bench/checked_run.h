// What the Google Benchmark programs share: an exit status that says
// whether every benchmark ran (Google Benchmark's own main returns 0 after
// a benchmark gave up with SkipWithError, or when the filter chose none),
// and --table_rows=N, the rows of the generated tables the batch tool is
// timed on. scripts/test runs each benchmark once, briefly, on a few rows,
// so that none stops working unnoticed.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace nyra::bench {

// The console table, counting the benchmarks that gave up.
class CheckedReporter : public benchmark::ConsoleReporter {
public:
    explicit CheckedReporter(OutputOptions options = OO_Defaults) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) failed_ += run.error_occurred ? 1 : 0;
        ConsoleReporter::ReportRuns(runs);
    }

    int failed() const { return failed_; }

private:
    int failed_ = 0;
};

// `usual`, or N from a --table_rows=N among the arguments, which it takes
// out of them before Google Benchmark reads the rest.
inline long long TakeTableRows(int& argc, char** argv, long long usual) {
    constexpr char kFlag[] = "--table_rows=";
    long long rows = usual;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kFlag, sizeof kFlag - 1) == 0) {
            rows = std::atoll(argv[i] + sizeof kFlag - 1);
            if (rows < 1) {
                std::fprintf(stderr, "%s: --table_rows takes a number of rows, 1 or more\n", argv[0]);
                std::exit(2);
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return rows;
}

// Runs the benchmarks that the arguments choose, reporting to `reporter`;
// the exit status is 1 when none was chosen or one gave up, 2 for an
// argument it does not know.
inline int RunChecked(int argc, char** argv, CheckedReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    const std::size_t ran = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (ran == 0) {
        std::fprintf(stderr, "%s: no benchmark matched\n", argv[0]);
        return 1;
    }
    if (reporter.failed() > 0) {
        std::fprintf(stderr, "%s: %d benchmark runs gave up\n", argv[0], reporter.failed());
        return 1;
    }
    return 0;
}

}  // namespace nyra::bench
