// The Newton search for sign and nakshatra changes against the false-position
// search it replaced: over random births from 1901 to 2050 every printed
// minute, every rounded "minutes from the change" and every notice must be
// the same. The normal suite runs 20,000 births; the million-birth run is
// disabled by default and runs with
//   engine_tests --gtest_also_run_disabled_tests --gtest_filter='*AMillion*'
#include "engine/moon_detail.h"
#include "false_position_spans.h"
#include "random_births.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace nyra {
namespace {

constexpr double kSecondsPerCentury = 36525.0 * 86400.0;
// The replaced search stopped within a hundredth of a second, and mostly
// within microseconds; the two must agree far better than a printed minute.
constexpr double kCrossingAgreementSeconds = 1e-3;

struct Agreement {
    long long spans = 0;
    long long differing = 0;  // spans with any printed difference
    double worstSeconds = 0;  // largest gap between the two searches' crossings
    std::string firstDifference;
};

enum class Kind { Sign, Nakshatra };

// The texts the windows and the batch tool print from a span.
std::string Printed(const Span& span, Kind kind) {
    if (kind == Kind::Nakshatra) return NakshatraChangeNotice(span);
    return SignSpanSentence(span) + "|" + SignChangeNotice(span);
}

void Compare(const Span& fast, const Span& reference, Kind kind, const std::string& what, Agreement& agreement) {
    ++agreement.spans;
    agreement.worstSeconds = std::max(
        {agreement.worstSeconds, std::fabs(fast.entered.centuries - reference.entered.centuries) * kSecondsPerCentury,
         std::fabs(fast.leaves.centuries - reference.leaves.centuries) * kSecondsPerCentury});
    const bool same = fast.index == reference.index && fast.entered.local == reference.entered.local &&
                      fast.leaves.local == reference.leaves.local &&
                      std::llround(fast.minutesFromNearerChange) == std::llround(reference.minutesFromNearerChange) &&
                      (fast.minutesFromNearerChange <= 0.0) == (reference.minutesFromNearerChange <= 0.0) &&
                      Printed(fast, kind) == Printed(reference, kind);
    if (same) return;
    if (agreement.differing++ == 0)
        agreement.firstDifference =
            what + ": " + FormatIsoMinute(fast.entered.local) + " .. " + FormatIsoMinute(fast.leaves.local) +
            " against " + FormatIsoMinute(reference.entered.local) + " .. " + FormatIsoMinute(reference.leaves.local);
}

struct Sample {
    const char* name;
    long long births;
    std::uint64_t seed;
};

class SpanAgreement : public testing::TestWithParam<Sample> {};

TEST_P(SpanAgreement, EveryPrintedMinuteIsTheReplacedSearchs) {
    std::mt19937_64 random(GetParam().seed);
    Agreement agreement;
    for (long long i = 0; i < GetParam().births; ++i) {
        const BirthRecord birth = testing_births::RandomBirth(random);
        const EngineRecord chart = ComputeMoonChart(birth);
        const std::string what = "birth " + std::to_string(i);
        Compare(FindSignSpan(chart), reference::FalsePositionSignSpan(chart), Kind::Sign, what + " sign", agreement);
        Compare(FindNakshatraSpan(chart), reference::FalsePositionNakshatraSpan(chart), Kind::Nakshatra,
                what + " nakshatra", agreement);
    }
    // For the record of how the check went (BENCHMARKS.md quotes it).
    std::printf("%lld spans, %lld differing, crossings at most %.2g s apart\n", agreement.spans, agreement.differing,
                agreement.worstSeconds);
    EXPECT_EQ(agreement.differing, 0) << "of " << agreement.spans << " spans; first " << agreement.firstDifference;
    EXPECT_LT(agreement.worstSeconds, kCrossingAgreementSeconds);
}

INSTANTIATE_TEST_SUITE_P(Births, SpanAgreement, testing::Values(Sample{"TwentyThousand", 20000, 20240601}),
                         [](const auto& info) { return std::string(info.param.name); });
// A million births, with a seed of their own.
INSTANTIATE_TEST_SUITE_P(DISABLED_Births, SpanAgreement, testing::Values(Sample{"AMillion", 1000000, 1901}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nyra
