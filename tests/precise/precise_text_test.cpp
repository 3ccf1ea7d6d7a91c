// What the result window says of the precise second opinion, for births
// whose two figures agree, differ, or cannot be had.
#include "precise/precise_text.h"

#include "engine/ephemeris.h"

#include "../support/birth_at.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra {
namespace {

using When = test::BirthAt;

// Chennai: 80° 17′ E, India Standard Time (5 h 30 min ahead).
EngineRecord ChartAtChennai(When when) {
    when.lonDeg = 80 + 17 / 60.0;
    when.zoneMinutes = 330;
    return ComputeMoonChart(test::Birth(when));
}

PreciseTexts Described(const When& when, Ayanamsa ayanamsa) {
    const EngineRecord chart = ChartAtChennai(when);
    const double julianDayUt = ChartJulianDayUt(chart);
    return DescribePrecise(PreciseMoonAt(julianDayUt, ayanamsa), PreciseMoonAt(julianDayUt, Ayanamsa::Lahiri),
                           chart.RashiName);
}

// The engine has the Moon 36′ into Thula; Swiss Ephemeris 38′ (Lahiri).
// Fagan/Bradley's ayanamsa is 53′ larger, which puts it back in Kanya.
constexpr When kEarlyThula{1990, 7, 1, 12, 13};
// The engine has the Moon 56″ short of Vrishabha; Swiss Ephemeris has it
// 1′ 41″ past the boundary (found by scanning births near sign changes).
constexpr When kEngineSaysMesha{1990, 11, 4, 0, 44};
// Far past every ephemeris the library has (its files end in 2399, its
// built-in fallback in 3000); the engine still computes a sign.
constexpr When kYear9000{9000, 3, 1, 12, 0};

struct LineCase {
    const char* name;
    When birth;
    Ayanamsa ayanamsa;
    const char* line;
    const char* notice;  // "" when the two agree
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class PreciseLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(PreciseLine, SaysWhereTheMoonIsAndWhetherTheSignsAgree) {
    const PreciseTexts texts = Described(GetParam().birth, GetParam().ayanamsa);
    EXPECT_EQ(texts.line, GetParam().line);
    EXPECT_EQ(texts.notice, GetParam().notice);
    EXPECT_EQ(texts.toolTip,
              "The Moon's apparent position from Swiss Ephemeris, in the sidereal zodiac of the chosen ayanamsa.");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, PreciseLine,
    ::testing::Values(
        LineCase{"AgreeOnThula", kEarlyThula, Ayanamsa::Lahiri,
                 "Precise position: 0\u00B0 38\u2032 01\u2033 in Thula (Swiss Ephemeris, Lahiri) \u2014 same sign.",
                 ""},
        LineCase{"DifferOnTheMeshaBoundary", kEngineSaysMesha, Ayanamsa::Lahiri,
                 "Precise position: 0\u00B0 01\u2032 41\u2033 in Vrishabha (Swiss Ephemeris, Lahiri)",
                 "A precise ephemeris puts the Moon in Vrishabha (0\u00B0 01\u2032 41\u2033). This program's "
                 "traditional formula gives Mesha; the descriptions below are for Mesha."},
        LineCase{"FaganBradleyDiffers", kEarlyThula, Ayanamsa::FaganBradley,
                 "Precise position: 29\u00B0 45\u2032 02\u2033 in Kanya (Swiss Ephemeris, Fagan/Bradley)",
                 "With Fagan/Bradley the Moon is in Kanya; the ayanamsa is what differs. With Lahiri, the "
                 "ayanamsa of this program's traditional formula, Swiss Ephemeris also gives Thula; the "
                 "descriptions below are for Thula."},
        LineCase{"KpAgrees", kEarlyThula, Ayanamsa::Krishnamurti,
                 "Precise position: 0\u00B0 43\u2032 50\u2033 in Thula (Swiss Ephemeris, Krishnamurti (KP)) \u2014 "
                 "same sign.",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PreciseText, BeyondEveryEphemerisSaysSoAndGivesTheReason) {
    const PreciseTexts texts = Described(kYear9000, Ayanamsa::Lahiri);
    EXPECT_EQ(texts.line,
              "Precise position: not available \u2014 Swiss Ephemeris could not compute the Moon for this birth.");
    EXPECT_TRUE(texts.notice.empty());
    EXPECT_TRUE(texts.toolTip.starts_with("Swiss Ephemeris: ")) << texts.toolTip;
    EXPECT_GT(texts.toolTip.size(), std::string("Swiss Ephemeris: ").size());
}

TEST(PreciseText, WithoutTheFilesTheLineNamesTheFallback) {
    SetEphemerisFolder("/nonexistent/nyra-ephemeris");
    const PreciseTexts texts = Described(kEarlyThula, Ayanamsa::Lahiri);
    SetEphemerisFolder(kDefaultEphemerisFolder);
    EXPECT_EQ(
        texts.line,
        "Precise position: 0\u00B0 38\u2032 01\u2033 in Thula, Lahiri (Swiss Ephemeris, Moshier theory: ephemeris "
        "files not found) \u2014 same sign.");
    EXPECT_EQ(texts.toolTip,
              "No Swiss Ephemeris files were found in /usr/share/libswe/ephe, so the library's "
              "built-in Moshier ephemeris was used.");
}

}  // namespace
}  // namespace nyra
