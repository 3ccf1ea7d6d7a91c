// How fast the engine and the batch tool run. Build with
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNYRA_BUILD_BENCH=ON -DNYRA_BUILD_GUI=OFF
//   cmake --build build-bench && build-bench/bench/engine_bench
#include "batch/batch.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

namespace {

nyra::BirthRecord Birth(int i) {
    nyra::BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(1901 + i % 150);
    b.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
    b.BirthDay = static_cast<std::int16_t>(1 + i % 28);
    b.BirthHour = static_cast<std::int16_t>(i % 24);
    b.BirthMinute = static_cast<std::int16_t>(i % 60);
    b.LonDegrees = 77;
    b.LonIsEast = nyra::kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    return b;
}

void BM_ComputeMoonChart(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(nyra::ComputeMoonChart(Birth(i++)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeMoonChart);

void BM_SignAndNakshatraSpans(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const nyra::EngineRecord chart = nyra::ComputeMoonChart(Birth(i++));
        benchmark::DoNotOptimize(nyra::FindSignSpan(chart));
        benchmark::DoNotOptimize(nyra::FindNakshatraSpan(chart));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SignAndNakshatraSpans);

// Generates the table rows on the fly, so the input costs no memory.
class GeneratedTable : public std::streambuf {
public:
    explicit GeneratedTable(long long rows) : rows_(rows) {
        line_ = "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
                "LonDegrees\tLonMinutes\tLonIsEast\tDstOn\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
    }

protected:
    int_type underflow() override {
        if (next_ >= rows_) return traits_type::eof();
        const nyra::BirthRecord b = Birth(static_cast<int>(next_++));
        line_.clear();
        for (std::int16_t field : {b.BirthMonth, b.BirthDay, b.BirthYear, b.BirthHour, b.BirthMinute}) {
            line_.append(std::to_string(field));
            line_.push_back('\t');
        }
        line_.append("5\t30\t77\t13\t1\t0\n");
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_[0]);
    }

private:
    long long rows_;
    long long next_ = 0;
    std::string line_;
};

// Discards the output.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_BatchTable(benchmark::State& state) {
    const long long rows = state.range(0);
    for (auto _ : state) {
        GeneratedTable table(rows);
        std::istream in(&table);
        NullBuffer sink;
        std::ostream out(&sink);
        std::ostringstream err;
        benchmark::DoNotOptimize(nyra::RunBatch({}, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_BatchTable)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
