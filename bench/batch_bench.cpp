// The batch tool's rows per second on one thread and on all of them, with
// the classic formula and on the precise basis, next to Swiss Ephemeris'
// Moon positions per second in the same run. Build with
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNYRA_BUILD_BENCH=ON -DNYRA_BUILD_GUI=OFF
//   cmake --build build-bench && build-bench/bench/batch_bench
// Rows per second are the items_per_second of BM_BatchRows, in wall-clock
// time (the pipeline's threads are not the benchmark's own); its CPU time
// is the whole process's, and cpu_us_per_row the CPU time of one row on all
// threads together, which a busy machine changes less than the wall clock.
#include "batch/batch.h"
#include "checked_run.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <algorithm>
#include <ctime>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

namespace {

// The rows of the default columns' table; --table_rows sets another number.
constexpr long long kUsualRows = 400000;

// Births spread over 1901..2050, every hour and minute, at 77° 13′ E, zone
// 5:30, as in the engine's benchmark.
struct Birth {
    int year, month, day, hour, minute;
};
Birth BirthNumber(long long i) {
    return {static_cast<int>(1901 + i % 150), static_cast<int>(1 + i % 12), static_cast<int>(1 + i % 28),
            static_cast<int>(i % 24), static_cast<int>(i % 60)};
}

// The table, made as it is read, so the input costs no memory.
class GeneratedTable : public std::streambuf {
public:
    GeneratedTable(long long rows, bool window) : rows_(rows), window_(window) {
        line_ =
            "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
            "LonDegrees\tLonMinutes\tLonIsEast\tDstOn";
        line_ += window_ ? "\tTimeWindowMinutes\n" : "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
    }

protected:
    int_type underflow() override {
        if (next_ >= rows_) return traits_type::eof();
        const Birth b = BirthNumber(next_++);
        line_.clear();
        for (int field : {b.month, b.day, b.year, b.hour, b.minute}) (line_ += std::to_string(field)) += '\t';
        line_ += "5\t30\t77\t13\t1\t0";
        line_ += window_ ? "\t60\n" : "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_[0]);
    }

private:
    long long rows_;
    bool window_;
    long long next_ = 0;
    std::string line_;
};

class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// What the rows hold, each with its options and its share of the table's
// rows (the library's figures cost about twenty times a classic row).
enum Columns { kDefault, kPrecise, kWindow, kPreciseBasis, kJsonl };
struct ColumnsRow {
    Columns columns;
    const char* label;
    std::vector<std::string> args;
    long long tenthsOfTheRows;
};
const std::vector<ColumnsRow>& ColumnRows() {
    static const std::vector<ColumnsRow> rows{
        {kDefault, "default columns", {}, 10},
        {kPrecise, "--precise", {"--precise"}, 1},
        {kWindow, "TimeWindowMinutes 60", {}, 1},
        {kPreciseBasis, "--basis precise --nakshatra-times", {"--basis", "precise", "--nakshatra-times"}, 1},
        {kJsonl, "--format jsonl", {"--format", "jsonl"}, 10},
    };
    return rows;
}

// Argument 0: threads (--jobs); argument 1: which columns.
void BM_BatchRows(benchmark::State& state, long long tableRows) {
    const auto jobs = std::to_string(state.range(0));
    const ColumnsRow& what = ColumnRows().at(static_cast<std::size_t>(state.range(1)));
    std::vector<std::string> args{"--jobs", jobs};
    args.insert(args.end(), what.args.begin(), what.args.end());
    const long long rows = std::max(1LL, tableRows * what.tenthsOfTheRows / 10);
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        GeneratedTable table(rows, what.columns == kWindow);
        std::istream in(&table);
        NullBuffer sink;
        std::ostream out(&sink);
        std::ostringstream err;
        if (nyra::RunBatch(args, in, out, err) != nyra::kBatchOk) state.SkipWithError(err.str().c_str());
    }
    const double rowsDone = static_cast<double>(state.iterations() * rows);
    state.counters["cpu_us_per_row"] = (std::clock() - cpuStart) * 1e6 / CLOCKS_PER_SEC / rowsDone;
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetLabel(std::string(what.label) + ", --jobs " + jobs);
}

// The machine's cores, and each count up to it, with the default columns
// and on the precise basis; the other columns on all cores.
void BatchArguments(benchmark::internal::Benchmark* b) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (const Columns columns : {kDefault, kPreciseBasis}) {
        for (int jobs = 1; jobs <= cores; jobs *= 2) b->Args({jobs, columns});
        if ((cores & (cores - 1)) != 0) b->Args({cores, columns});
    }
    for (const Columns columns : {kPrecise, kWindow, kJsonl}) b->Args({cores, columns});
}
// Registered in main, after --table_rows is known.

// One Moon position from Swiss Ephemeris for the same births (the instant
// as the engine counts it), from the installed files (argument 0) or its
// built-in Moshier theory (argument 1: the folder has no files).
void BM_SwissEphemerisMoon(benchmark::State& state) {
    const bool moshier = state.range(0) == 1;
    char folder[] = "/usr/share/libswe/ephe";
    char none[] = "/nonexistent/nyra-bench-no-ephemeris-files";
    swe_set_ephe_path(moshier ? none : folder);
    const int flags = (moshier ? SEFLG_MOSEPH : SEFLG_SWIEPH) | SEFLG_SPEED;
    double position[6];
    char error[AS_MAXCH];
    long long i = 0;
    for (auto _ : state) {
        const Birth b = BirthNumber(i++);
        const double hours = b.hour + b.minute / 60.0 - 5.5;
        const double julianDayUt = swe_julday(b.year, b.month, b.day, hours, SE_GREG_CAL);
        const int result = swe_calc_ut(julianDayUt, SE_MOON, flags, position, error);
        if (result < 0) {
            state.SkipWithError(error);
            break;
        }
        benchmark::DoNotOptimize(position[0]);
    }
    swe_close();
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(moshier ? "Moshier" : "ephemeris files");
}
BENCHMARK(BM_SwissEphemerisMoon)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    const long long tableRows = nyra::bench::TakeTableRows(argc, argv, kUsualRows);
    benchmark::internal::Benchmark* rows = benchmark::RegisterBenchmark("BM_BatchRows", BM_BatchRows, tableRows)
                                               ->Apply(BatchArguments)
                                               ->Unit(benchmark::kMillisecond)
                                               ->UseRealTime()
                                               ->MeasureProcessCPUTime();
    // Whole tables several times over, for figures that hold; a short table
    // only shows that it still runs.
    if (tableRows == kUsualRows) rows->MinTime(2.0);
    nyra::bench::CheckedReporter reporter;
    return nyra::bench::RunChecked(argc, argv, reporter);
}
