// The number and time texts of the batch tool's cells: to_chars and digit
// by digit, the same bytes as printf and the engine's own texts.
#include "batch/cell_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace nyra {
namespace {

std::string Printf(const char* format, double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

template <typename Append>
std::string Appended(Append append, double value) {
    std::string text = "x";  // appended to, not overwritten
    append(text, value);
    return text.substr(1);
}

// Doubles of every kind: each bit pattern of a finite double is as likely,
// so all exponents, denormals and both signs come up, and then values in the
// ranges the columns hold, whose last digits are where a rounding slip
// would show.
std::vector<double> ManyDoubles() {
    std::mt19937_64 random(20240607);
    std::vector<double> values{0.0,
                               -0.0,
                               1.0,
                               -5.5,
                               12.0,
                               0.1,
                               1e-5,
                               1e16,
                               1e17,
                               123456789012345678.0,
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::lowest()};
    while (values.size() < 100000) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    std::uniform_real_distribution<double> degrees(0.0, 360.0), hours(-15.0, 40.0), centuries(-2.0, 4.0);
    for (int i = 0; i < 100000; ++i) {
        values.push_back(degrees(random));
        values.push_back(hours(random));
        values.push_back(centuries(random));
    }
    return values;
}

TEST(CellText, RoundTripIsPrintfsSeventeenSignificantDigits) {
    int mismatches = 0;
    for (const double value : ManyDoubles()) {
        const std::string expected = Printf("%.17g", value);
        const std::string actual = Appended(AppendRoundTrip, value);
        if (actual != expected && ++mismatches <= 5) ADD_FAILURE() << expected << " written as " << actual;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CellText, SixDecimalsArePrintfsAndRoundToTheNearest) {
    int mismatches = 0;
    for (const double value : ManyDoubles()) {
        if (std::fabs(value) > 1e15) continue;
        const std::string expected = Printf("%.6f", value);
        const std::string actual = Appended(AppendSixDecimals, value);
        if (actual != expected && ++mismatches <= 5) ADD_FAILURE() << expected << " written as " << actual;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(Appended(AppendSixDecimals, 23.8532225), "23.853223");
}

TEST(CellText, ClockTimesAreTheEnginesText) {
    // Every field through its range and past it, as far as the text goes.
    int mismatches = 0;
    const auto check = [&](const LocalTime& t) {
        std::string line = "x";  // appended to, not overwritten
        AppendIsoMinute(line, t);
        if ((line[0] != 'x' || line.substr(1) != FormatIsoMinute(t)) && ++mismatches <= 5)
            ADD_FAILURE() << FormatIsoMinute(t) << " written as " << line;
    };
    for (int year : {0, 7, 99, 1800, 1999, 2000, 2399, 9999, 10000, -1})
        for (int month = -1; month <= 13; ++month)
            for (int day : {-1, 0, 1, 9, 10, 31, 99, 100})
                for (int hour = -1; hour <= 24; ++hour)
                    for (int minute : {-5, 0, 5, 9, 10, 59, 60, 100}) check({year, month, day, hour, minute});
    EXPECT_EQ(mismatches, 0);
}

struct LongitudeCase {
    const char* name;
    double degrees;
    int sign;
    std::string text;
};
void PrintTo(const LongitudeCase& c, std::ostream* os) { *os << c.name; }

class LongitudeText : public ::testing::TestWithParam<LongitudeCase> {};

TEST_P(LongitudeText, IsCutToSixDecimalsInsideItsSign) {
    std::string line = "x";
    AppendLongitudeSixDecimals(line, GetParam().degrees, GetParam().sign);
    EXPECT_EQ(line[0], 'x');
    EXPECT_EQ(line.substr(1), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Longitudes, LongitudeText,
    ::testing::Values(LongitudeCase{"Whole", 12.5, 0, "12.500000"},
                      LongitudeCase{"CutNotRounded", 100.1234567, 3, "100.123456"},
                      LongitudeCase{"StartOfASign", 30.0, 1, "30.000000"},
                      LongitudeCase{"ZeroAries", 0.0, 0, "0.000000"},
                      LongitudeCase{"EndOfKanya", 179.9999996, 5, "179.999999"},
                      LongitudeCase{"LastMicrodegree", 359.99999999999994, 11, "359.999999"},
                      // The product rounds up to the next millionth, past the sign.
                      LongitudeCase{"ProductRoundsIntoTheNextSign", std::nextafter(30.0, 0.0), 0, "29.999999"},
                      LongitudeCase{"ThreeDigitsAndSmallFraction", 200.000001, 6, "200.000001"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
