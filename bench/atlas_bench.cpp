// Cost of the place search per keystroke in the city box. The index is built
// before timing starts; what is measured is one MatchPlaces call as a person
// types "chennai" letter by letter, and the slow cases: a two-letter text
// with no match at all (both passes scan every city) and narrowing by a
// country that matches no city of that name.
#include "atlas/atlas.h"
#include "checked_run.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TypingChennai(benchmark::State& state) {
    nyra::LoadAtlas();
    const QString typed = QStringLiteral("chennai").left(static_cast<qsizetype>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(nyra::MatchPlaces(typed));
    state.SetLabel(typed.toStdString());
}
BENCHMARK(BM_TypingChennai)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

void BM_TwoLettersNoMatch(benchmark::State& state) {
    nyra::LoadAtlas();
    const QString typed = QStringLiteral("qx");
    for (auto _ : state) benchmark::DoNotOptimize(nyra::MatchPlaces(typed));
}
BENCHMARK(BM_TwoLettersNoMatch)->Unit(benchmark::kMicrosecond);

void BM_TwoLettersCountryNoMatch(benchmark::State& state) {
    nyra::LoadAtlas();
    const QString typed = QStringLiteral("sa");
    const QString country = QStringLiteral("Iceland");
    for (auto _ : state) benchmark::DoNotOptimize(nyra::MatchPlaces(typed, {}, country));
}
BENCHMARK(BM_TwoLettersCountryNoMatch)->Unit(benchmark::kMicrosecond);

void BM_FindPlace(benchmark::State& state) {
    nyra::LoadAtlas();
    const QString text = QStringLiteral("Kolkata, India");
    for (auto _ : state) benchmark::DoNotOptimize(nyra::FindPlace(text));
}
BENCHMARK(BM_FindPlace)->Unit(benchmark::kMicrosecond);

void BM_ResolveZone(benchmark::State& state) {
    const QString zone = QStringLiteral("Europe/London");
    for (auto _ : state) benchmark::DoNotOptimize(nyra::ZoneNote(nyra::ResolveZone(zone, QDate(1944, 7, 1), 12, 0)));
}
BENCHMARK(BM_ResolveZone)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    nyra::bench::CheckedReporter reporter;
    return nyra::bench::RunChecked(argc, argv, reporter);
}
