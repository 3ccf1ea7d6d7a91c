// How fast the engine and the batch tool run, next to Swiss Ephemeris'
// Moshier Moon in the same run. Build with
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNYRA_BUILD_BENCH=ON -DNYRA_BUILD_GUI=OFF
//   cmake --build build-bench && build-bench/bench/engine_bench
// At the end it prints how many Moon positions the engine computes in the
// time Moshier computes one, from the CPU times of this run (the medians
// when run with --benchmark_repetitions).
#include "basis/moon_basis.h"
#include "batch/batch.h"
#include "checked_run.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "panchanga/dasha.h"
#include "panchanga/panchanga.h"
#include "precise/precise_moon.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

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

// The Julian day (UT) of Birth(i), as the engine counts it.
double JulianDayUt(const nyra::BirthRecord& b) {
    const double hours = b.BirthHour + b.BirthMinute / 60.0 - (b.ZoneHours + b.ZoneMinutes / 60.0);
    return nyra::DayNumberFromDate(b.BirthMonth, b.BirthDay, b.BirthYear) - 0.5 + hours / 24.0;
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

// One Moon position by Swiss Ephemeris' built-in Moshier theory (no
// ephemeris files: the path names a folder that does not exist), for the
// same births. Each call has a new date, so its cache of the last date
// never answers. Argument 1 asks for the sidereal (Lahiri) position, as the
// engine gives it.
void BM_SwissEphemerisMoshierMoon(benchmark::State& state) {
    swe_set_ephe_path("/nonexistent/nyra-bench-no-ephemeris-files");
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const int flags = SEFLG_MOSEPH | (state.range(0) ? SEFLG_SIDEREAL : 0);
    double position[6];
    char error[AS_MAXCH];
    int i = 0;
    for (auto _ : state) {
        const int result = swe_calc_ut(JulianDayUt(Birth(i++)), SE_MOON, flags, position, error);
        if (result < 0 || !(result & SEFLG_MOSEPH)) {
            state.SkipWithError(error);
            break;
        }
        benchmark::DoNotOptimize(position[0]);
    }
    swe_close();
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) ? "sidereal" : "tropical");
}
BENCHMARK(BM_SwissEphemerisMoshierMoon)->Arg(0)->Arg(1);

// One Moon position with its daily motion from the ephemeris files, as the
// precise basis asks for them (sidereal, Lahiri), for the same births: the
// unit a precise chart's cost is counted in.
void BM_SwissEphemerisFileMoon(benchmark::State& state) {
    swe_set_ephe_path(std::string(nyra::kDefaultEphemerisFolder).c_str());
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    double position[6];
    char error[AS_MAXCH];
    int i = 0;
    for (auto _ : state) {
        const int result =
            swe_calc_ut(JulianDayUt(Birth(i++)), SE_MOON, SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_SIDEREAL, position, error);
        if (result < 0 || !(result & SEFLG_SWIEPH)) {
            state.SkipWithError("no ephemeris files");
            break;
        }
        benchmark::DoNotOptimize(position[0]);
    }
    swe_close();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SwissEphemerisFileMoon);

// A whole reading on each basis: the Moon, its sign and nakshatra and both
// spans with their texts, as the result window shows them. Argument 0 is
// Classic, 1 Precise (Lahiri, from the files).
void BM_ReadMoon(benchmark::State& state) {
    nyra::SetEphemerisFolder(nyra::kDefaultEphemerisFolder);
    const nyra::Basis basis = state.range(0) ? nyra::Basis::Precise() : nyra::Basis::Classic();
    long long positions = 0;
    int i = 0;
    for (auto _ : state) {
        const nyra::Result<nyra::MoonReading> reading = nyra::ReadMoon(Birth(i++), basis);
        if (!reading || reading->library.usedMoshier) {
            state.SkipWithError("no precise reading from the files");
            break;
        }
        positions += reading->library.moonPositions;
        benchmark::DoNotOptimize(nyra::SignSpanSentence(reading->signSpan));
        benchmark::DoNotOptimize(nyra::NakshatraSpanSentence(reading->nakshatraSpan));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["positions_per_chart"] = benchmark::Counter(
        static_cast<double>(positions) / static_cast<double>(std::max<long long>(state.iterations(), 1)));
    state.SetLabel(state.range(0) ? "precise" : "classic");
}
BENCHMARK(BM_ReadMoon)->Arg(0)->Arg(1);

// A reading and the signs of a birth time known within an hour (argument 1:
// the whole day unknown), on each basis (argument 0).
void BM_ReadMoonWithWindow(benchmark::State& state) {
    nyra::SetEphemerisFolder(nyra::kDefaultEphemerisFolder);
    const nyra::Basis basis = state.range(0) ? nyra::Basis::Precise() : nyra::Basis::Classic();
    const nyra::TimeWindow window = state.range(1) ? nyra::TimeWindow::WholeDay() : nyra::TimeWindow::PlusMinus(60);
    long long positions = 0;
    int i = 0;
    for (auto _ : state) {
        const nyra::Result<nyra::MoonReading> reading = nyra::ReadMoon(Birth(i++), basis);
        const nyra::Result<nyra::BasisWindow> signs =
            reading ? nyra::SignsInWindow(*reading, window) : nyra::Result<nyra::BasisWindow>(reading.problem());
        if (!signs) {
            state.SkipWithError("no window");
            break;
        }
        positions += reading->library.moonPositions + signs->library.moonPositions;
        benchmark::DoNotOptimize(nyra::TimeWindowSentence(signs->window));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["positions_per_chart"] = benchmark::Counter(
        static_cast<double>(positions) / static_cast<double>(std::max<long long>(state.iterations(), 1)));
    state.SetLabel(std::string(state.range(0) ? "precise" : "classic") + (state.range(1) ? ", whole day" : ", 1 hour"));
}
BENCHMARK(BM_ReadMoonWithWindow)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// A Precise reading with the panchanga of the birth at New Delhi's latitude
// and the dasha with its 81 periods: what a batch row with both asks
// beyond BM_ReadMoon/1.
void BM_ReadMoonWithPanchangaAndDasha(benchmark::State& state) {
    nyra::SetEphemerisFolder(nyra::kDefaultEphemerisFolder);
    long long positions = 0;
    int i = 0;
    for (auto _ : state) {
        nyra::BirthRecord birth = Birth(i++);
        birth.LatDegrees = 28;
        birth.LatMinutes = 36;
        const nyra::Result<nyra::MoonReading> reading = nyra::ReadMoon(birth, nyra::Basis::Precise());
        const nyra::Result<nyra::Panchanga> panchanga = reading ? nyra::ComputePanchanga(*reading, nyra::PlaceOf(birth))
                                                                : nyra::Result<nyra::Panchanga>(reading.problem());
        if (!panchanga || panchanga->library.usedMoshier) {
            state.SkipWithError("no precise panchanga from the files");
            break;
        }
        positions +=
            reading->library.moonPositions + panchanga->library.moonPositions + panchanga->library.sunPositions;
        benchmark::DoNotOptimize(nyra::NakshatraSpanSentence(reading->nakshatraSpan));
        benchmark::DoNotOptimize(nyra::ComputeDasha(reading->siderealDeg, reading->chart));
    }
    state.SetItemsProcessed(state.iterations());
    const double charts = static_cast<double>(std::max<long long>(state.iterations(), 1));
    state.counters["positions_per_chart"] = benchmark::Counter(static_cast<double>(positions) / charts);
}
BENCHMARK(BM_ReadMoonWithPanchangaAndDasha);

// Generates the table rows on the fly, so the input costs no memory.
class GeneratedTable : public std::streambuf {
public:
    explicit GeneratedTable(long long rows) : rows_(rows) {
        line_ =
            "BirthMonth\tBirthDay\tBirthYear\tBirthHour\tBirthMinute\tZoneHours\tZoneMinutes\t"
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
        if (nyra::RunBatch({}, in, out, err) != nyra::kBatchOk) state.SkipWithError(err.str().c_str());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
// Registered in main, with the rows --table_rows asks for.
constexpr long long kTableRows = 1000000;

// The usual table, then the engine's speed against Moshier's.
class RatioReporter : public nyra::bench::CheckedReporter {
public:
    RatioReporter() : CheckedReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) continue;
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
            cpuSeconds_[run.run_name.function_name + "/" + run.run_name.args] =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        CheckedReporter::ReportRuns(runs);
    }

    void Finalize() override {
        CheckedReporter::Finalize();
        const auto precise = cpuSeconds_.find("BM_ReadMoon/1");
        const auto position = cpuSeconds_.find("BM_SwissEphemerisFileMoon/");
        if (precise != cpuSeconds_.end() && position != cpuSeconds_.end()) {
            std::printf(
                "Precise chart with both spans: %.0f charts a second, the time of %.1f Moon positions "
                "from the files (%.1f us against %.1f us, CPU)\n",
                1.0 / precise->second, precise->second / position->second, precise->second * 1e6,
                position->second * 1e6);
        }
        const auto withPanchanga = cpuSeconds_.find("BM_ReadMoonWithPanchangaAndDasha/");
        if (precise != cpuSeconds_.end() && withPanchanga != cpuSeconds_.end()) {
            std::printf(
                "Precise chart with panchanga and dasha: %.2f times as fast as the precise chart alone "
                "(%.1f us against %.1f us, CPU; at least 0.33 wanted)\n",
                precise->second / withPanchanga->second, withPanchanga->second * 1e6, precise->second * 1e6);
        }
        const auto chart = cpuSeconds_.find("BM_ComputeMoonChart/");
        for (const char* args : {"0", "1"}) {
            const auto moshier = cpuSeconds_.find(std::string("BM_SwissEphemerisMoshierMoon/") + args);
            if (chart == cpuSeconds_.end() || moshier == cpuSeconds_.end()) continue;
            std::printf("Engine chart against Moshier Moon (%s): %.1fx (%.2f us against %.2f us, CPU)\n",
                        args[0] == '1' ? "sidereal" : "tropical", moshier->second / chart->second, chart->second * 1e6,
                        moshier->second * 1e6);
        }
    }

private:
    std::map<std::string, double> cpuSeconds_;
};

}  // namespace

int main(int argc, char** argv) {
    const long long rows = nyra::bench::TakeTableRows(argc, argv, kTableRows);
    benchmark::RegisterBenchmark("BM_BatchTable", BM_BatchTable)
        ->Arg(rows)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    RatioReporter reporter;
    return nyra::bench::RunChecked(argc, argv, reporter);
}
