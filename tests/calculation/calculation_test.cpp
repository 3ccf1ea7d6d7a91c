#include "calculation/calculation.h"
#include "calculation/calculation_text.h"

#include <gtest/gtest.h>

namespace nyra {
namespace {

// Delhi, 15 August 1947: the Moon entered Kataka the day before, so a whole
// day of uncertainty spans two signs. Figures from the engine itself; what
// is checked here is that one calculation carries them to every text.
BirthRecord Delhi1947(int hour, int minute) {
    BirthRecord b;
    b.BirthName = "Asha";
    b.BirthYear = 1947;
    b.BirthMonth = 8;
    b.BirthDay = 15;
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    b.LonDegrees = 77;
    b.LonMinutes = 13;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    return b;
}

TEST(Calculation, OneValueHoldsTheEntryAndEverythingComputedFromIt) {
    BirthPlace place;
    place.city = "New Delhi";
    const Calculation c = Calculate({Delhi1947(0, 0), place, TimeWindow::Exact(), Ayanamsa::Raman});
    EXPECT_EQ(c.chart.RashiName, "Kataka");
    EXPECT_EQ(c.description.VedicName, "Kataka");
    EXPECT_EQ(c.moon.nakshatra.name, NakshatraAt(c.chart.MoonLongitude).name);
    EXPECT_EQ(c.moon.sign.index, 3);
    EXPECT_TRUE(c.TimeIsExact());
    EXPECT_EQ(c.preciseAyanamsa, Ayanamsa::Raman);
    EXPECT_EQ(c.precise.ayanamsa, Ayanamsa::Raman);
    EXPECT_EQ(c.place.Names(), "New Delhi");
    EXPECT_EQ(BirthTimeText(c), "");
    EXPECT_EQ(PossibleSignsText(c), "");
    EXPECT_EQ(TimeWindowHeading(c), "");

    const Calculation other = WithPreciseAyanamsa(c, Ayanamsa::Lahiri);
    EXPECT_EQ(other.precise.ayanamsa, Ayanamsa::Lahiri);
    EXPECT_EQ(other.chart.MoonLongitude, c.chart.MoonLongitude);
}

TEST(Calculation, ATimeNotKnownCarriesItsPossibleSignsToEveryText) {
    BirthRecord birth = Delhi1947(12, 0);
    birth.BirthDay = 16;  // the Moon leaves Kataka late that evening
    const Calculation c = Calculate({birth, {}, TimeWindow::WholeDay()});
    ASSERT_TRUE(c.possibleSigns.has_value());
    EXPECT_FALSE(c.possibleSigns->certain);
    EXPECT_EQ(BirthTimeText(c), "not known (12:00 used for the descriptions)");
    EXPECT_EQ(TimeWindowHeading(c), "Time not known: the whole day of birth");
    EXPECT_EQ(PossibleSignsText(c), "Kataka 72% until 17:19, then Simha 28%");
}

TEST(CalculationText, WordsForTheWindowAndTheSigns) {
    EXPECT_EQ(ClockText(7, 5), "07:05");
    EXPECT_EQ(WindowWidthText(15), "15 min");
    EXPECT_EQ(WindowWidthText(60), "1 hour");
    EXPECT_EQ(WindowWidthText(120), "2 hours");
    EXPECT_EQ(WindowWidthText(90), "90 min");

    Calculation c = Calculate({Delhi1947(9, 30), {}, TimeWindow::PlusMinus(60)});
    EXPECT_EQ(TimeWindowHeading(c), "Time known within 1 hour of 09:30");
    EXPECT_EQ(BirthTimeText(c), "within 1 hour of 09:30 (09:30 used for the descriptions)");

    // Two signs, then one: the shares and the change between them.
    WindowResult two;
    two.window = TimeWindow::WholeDay();
    two.shares = {{3, "Kataka", {}, {1947, 8, 15, 17, 19}, 1039, 72}, {4, "Simha", {}, {}, 401, 28}};
    two.certain = false;
    c.possibleSigns = two;
    EXPECT_EQ(PossibleSignsText(c), "Kataka 72% until 17:19, then Simha 28%");
    two.shares.resize(1);
    two.certain = true;
    c.possibleSigns = two;
    EXPECT_EQ(PossibleSignsText(c), "Kataka, certain all through that time");
}

} // namespace
} // namespace nyra
