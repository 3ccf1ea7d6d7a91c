#include "calculation/calculation.h"
#include "calculation/calculation_text.h"

#include "../support/birth_at.h"
#include "made_calculation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra {
namespace {

using test::Birth;
using test::Made;

// Delhi, 15 August 1947: the Moon entered Kataka the day before, so a whole
// day of uncertainty spans two signs. Figures from the engine itself; what
// is checked here is that one calculation carries them to every text.
BirthRecord Delhi1947(int hour, int minute) { return Birth({1947, 8, 15, hour, minute, 77 + 13 / 60.0, 330}, "Asha"); }

TEST(Calculation, OneValueHoldsTheEntryAndEverythingComputedFromIt) {
    BirthPlace place;
    place.city = "New Delhi";
    const Calculation c = Made({Delhi1947(0, 0), place, TimeWindow::Exact(), BasisKind::Classic, Ayanamsa::Raman});
    EXPECT_EQ(c.RashiName(), "Kataka");
    EXPECT_EQ(c.chart.RashiName, "Kataka");
    EXPECT_EQ(c.description.VedicName, "Kataka");
    EXPECT_EQ(c.moon.nakshatra.name, NakshatraAt(c.chart.MoonLongitude).name);
    EXPECT_EQ(c.moon.signSpan.index, 3);
    EXPECT_TRUE(c.TimeIsExact());
    EXPECT_EQ(c.basis, Basis::Classic());
    EXPECT_EQ(c.ayanamsa, Ayanamsa::Raman);
    EXPECT_EQ(c.precise.ayanamsa, Ayanamsa::Raman);
    EXPECT_EQ(c.place.Names(), "New Delhi");
    EXPECT_EQ(BirthTimeText(c), "");
    EXPECT_EQ(PossibleSignsText(c), "");
    EXPECT_EQ(TimeWindowHeading(c), "");

    const Calculation other = WithAyanamsa(c, Ayanamsa::Lahiri).value();
    EXPECT_EQ(other.precise.ayanamsa, Ayanamsa::Lahiri);
    EXPECT_EQ(other.chart.MoonLongitude, c.chart.MoonLongitude);
}

// The zone's clock went back an hour just before the birth: the sign,
// entered the day before, reads an hour later; its end and another
// ayanamsa's calculation are as they were.
TEST(Calculation, ChangeTimesAreReadOnTheZonesClockOfTheirInstant) {
    const Calculation typed = Made({Delhi1947(0, 0), {}, TimeWindow::Exact()});
    const double birth = typed.chart.Centuries, minute = 1.0 / (36525 * 1440);
    CalculationInput input{Delhi1947(0, 0), {}, TimeWindow::Exact()};
    input.clock.changes = {{birth - 14400 * minute, 390}, {birth - minute, 330}};
    const Calculation zoned = Made(input);
    EXPECT_EQ(zoned.moon.signSpan.entered.local, ClockTimeAt(typed.moon.signSpan.entered.centuries, 390));
    EXPECT_EQ(zoned.moon.signSpan.leaves.local, typed.moon.signSpan.leaves.local);
    EXPECT_EQ(WithAyanamsa(zoned, Ayanamsa::Raman)->moon.signSpan.entered.local, zoned.moon.signSpan.entered.local);
}

TEST(Calculation, ATimeNotKnownCarriesItsPossibleSignsToEveryText) {
    BirthRecord birth = Delhi1947(12, 0);
    birth.BirthDay = 16;  // the Moon leaves Kataka late that evening
    const Calculation c = Made({birth, {}, TimeWindow::WholeDay()});
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

    Calculation c = Made({Delhi1947(9, 30), {}, TimeWindow::PlusMinus(60)});
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

// ---- At Greenwich, zone 0: the Moon entered Thula on 30 Dec 1999 at 21:37
// and left it for Vrischika on 2 Jan 2000 at 09:08.

using When = test::BirthAt;

Calculation AtGreenwich(const When& when, const TimeWindow& timeKnown = {}) {
    return Made({Birth(when), {}, timeKnown});
}

constexpr When kJ2000Noon{2000, 1, 1, 12, 0};
// Mid-sign and mid-nakshatra: Swati, pada 3.
constexpr When kQuietMorning{2000, 1, 1, 6, 0};
constexpr When kBeforeTheChange{2000, 1, 2, 8, 0};
constexpr When kJustBeforeTheChange{2000, 1, 2, 9, 0};
constexpr When kAfterTheChange{2000, 1, 2, 10, 0};

struct NoticeCase {
    const char* name;
    When birth;
    const char* signNotice;  // "" when none is due
    bool nakshatraNotice;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

class ChangeNotices : public ::testing::TestWithParam<NoticeCase> {};

// The Moon's details carry the sign's and the nakshatra's own spans.
TEST_P(ChangeNotices, OnlyNearAChange) {
    const Calculation c = AtGreenwich(GetParam().birth);
    EXPECT_EQ(SignChangeNotice(c.moon.signSpan), GetParam().signNotice);
    EXPECT_EQ(NakshatraChangeNotice(c.moon.nakshatraSpan).empty(), !GetParam().nakshatraNotice);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, ChangeNotices,
    ::testing::Values(
        NoticeCase{"MidSignAtJ2000Noon", kJ2000Noon, "", true},
        NoticeCase{"QuietMorning", kQuietMorning, "", false},
        NoticeCase{"SeventyTwoMinutesIntoThula", {1999, 12, 30, 22, 49},
                   "Born 1 h 12 min after the Moon entered Thula. If the birth time or time zone may be off by "
                   "that much, the Moon sign may be Kanya.",
                   false},
        NoticeCase{"SixtyEightMinutesBeforeLeavingThula", kBeforeTheChange,
                   "Born 1 h 8 min before the Moon left Thula. If the birth time or time zone may be off by that "
                   "much, the Moon sign may be Vrischika.",
                   false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(NakshatraNotice, NamesTheNextNakshatra) {
    // At J2000 noon the Moon stands half a degree short of Vishakha.
    const std::string notice = NakshatraChangeNotice(AtGreenwich(kJ2000Noon).moon.nakshatraSpan);
    EXPECT_TRUE(notice.starts_with("Born ")) << notice;
    EXPECT_NE(notice.find(" before the Moon left Swati."), std::string::npos) << notice;
    EXPECT_TRUE(notice.ends_with("the nakshatra may be Vishakha.")) << notice;
}

struct WindowCase {
    const char* name;
    When birth;
    TimeWindow timeKnown;
    const char* heading;
    const char* text;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class TimeWindowBlock : public ::testing::TestWithParam<WindowCase> {};

// The block above the result window's tabs; the time known leaves the
// chart and the description at the time entered.
TEST_P(TimeWindowBlock, HeadingAndText) {
    const Calculation c = AtGreenwich(GetParam().birth, GetParam().timeKnown);
    EXPECT_EQ(TimeWindowHeading(c), GetParam().heading);
    EXPECT_EQ(TimeWindowText(c), GetParam().text);
    const Calculation exact = AtGreenwich(GetParam().birth);
    EXPECT_EQ(c.chart.MoonLongitude, exact.chart.MoonLongitude);
    EXPECT_EQ(c.description, exact.description);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, TimeWindowBlock,
    ::testing::Values(
        WindowCase{"WithinAnHourInsideOneSign", kQuietMorning, TimeWindow::PlusMinus(60),
                   "Time known within 1 hour of 06:00",
                   "The Moon stayed in Thula all through that window, so your Moon sign is certain."},
        // 06:00 to 10:00: 188 minutes of Thula, 52 of Vrischika.
        WindowCase{"WithinTwoHoursAcrossTheChange", kBeforeTheChange, TimeWindow::PlusMinus(120),
                   "Time known within 2 hours of 08:00",
                   "Your birth time is not exact. Between 06:00 and 10:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 78%, Vrischika 22%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 08:00."},
        // 08:45 to 09:15: 23 minutes of Thula, 7 of Vrischika.
        WindowCase{"WithinFifteenMinutesAcrossTheChange", kJustBeforeTheChange, TimeWindow::PlusMinus(15),
                   "Time known within 15 min of 09:00",
                   "Your birth time is not exact. Between 08:45 and 09:15 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 77%, Vrischika 23%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 09:00."},
        // Entered after the change: the tabs describe the later sign.
        WindowCase{"AfterTheChangeTheTabsFollowTheLaterSign", kAfterTheChange, TimeWindow::PlusMinus(120),
                   "Time known within 2 hours of 10:00",
                   "Your birth time is not exact. Between 08:00 and 12:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 28%, Vrischika 72%.\n"
                   "The descriptions below are for Vrischika, the Moon sign at the time entered, 10:00."},
        // The whole local day, whatever the time entered: 548 minutes of
        // Thula, 892 of Vrischika.
        WindowCase{"NotKnownTakesTheWholeDay", kBeforeTheChange, TimeWindow::WholeDay(),
                   "Time not known: the whole day of birth",
                   "Your birth time is not known. Between 00:00 and 24:00 the Moon was in Thula until 09:08 and "
                   "then in Vrischika: Thula 38%, Vrischika 62%.\n"
                   "The descriptions below are for Thula, the Moon sign at the time entered, 08:00."},
        WindowCase{"NotKnownOnADayInsideOneSign", kJ2000Noon, TimeWindow::WholeDay(),
                   "Time not known: the whole day of birth",
                   "The Moon stayed in Thula all through that day, so your Moon sign is certain."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- The second opinion: the formula is held to Swiss Ephemeris under its
// own ayanamsa, Lahiri; another ayanamsa's sign is said to be the ayanamsa's.

// Chennai, 16 Aug 1990, 06:00: Mithuna by the formula and by Swiss Ephemeris
// with Lahiri, Vrishabha with Fagan/Bradley.
constexpr When kMithunaAtChennai{1990, 8, 16, 6, 0, 80 + 17 / 60.0, 330};
// 4 Nov 1990, 00:44 at Chennai: the formula 56″ short of Vrishabha, Swiss
// Ephemeris past it with Lahiri, back in Mesha with Fagan/Bradley.
constexpr When kFormulaSaysMesha{1990, 11, 4, 0, 44, 80 + 17 / 60.0, 330};

struct OpinionCase {
    const char* name;
    When birth;
    BasisKind basis;
    Ayanamsa ayanamsa;
    const char* notice;
};

void PrintTo(const OpinionCase& c, std::ostream* os) { *os << c.name; }

class SecondOpinion : public ::testing::TestWithParam<OpinionCase> {};

TEST_P(SecondOpinion, BlamesTheFormulaOnlyUnderItsOwnAyanamsa) {
    const OpinionCase& row = GetParam();
    const Calculation c = Made({Birth(row.birth), {}, {}, row.basis, row.ayanamsa});
    EXPECT_EQ(SecondOpinionTexts(c).notice, row.notice);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, SecondOpinion,
    ::testing::Values(
        OpinionCase{"ClassicLahiriAgrees", kMithunaAtChennai, BasisKind::Classic, Ayanamsa::Lahiri, ""},
        OpinionCase{"ClassicFaganBradley", kMithunaAtChennai, BasisKind::Classic, Ayanamsa::FaganBradley,
                    "With Fagan/Bradley the Moon is in Vrishabha; the ayanamsa is what differs. With Lahiri, the "
                    "ayanamsa of this program's traditional formula, Swiss Ephemeris also gives Mithuna; the "
                    "descriptions below are for Mithuna."},
        OpinionCase{"PreciseFaganBradley", kMithunaAtChennai, BasisKind::Precise, Ayanamsa::FaganBradley,
                    "With Fagan/Bradley the Moon is in Vrishabha; the ayanamsa is what differs. The program's classic "
                    "formula gives Mithuna, as Swiss Ephemeris does with Lahiri, the formula's own ayanamsa; the "
                    "descriptions below are for Vrishabha."},
        OpinionCase{"ClassicFaganBradleyFormulaOff", kFormulaSaysMesha, BasisKind::Classic, Ayanamsa::FaganBradley,
                    "With Lahiri, the ayanamsa of this program's traditional formula, a precise ephemeris puts the "
                    "Moon in Vrishabha (0\u00B0 01\u2032 41\u2033). The formula gives Mesha; the descriptions below "
                    "are for Mesha."},
        OpinionCase{"PreciseFaganBradleyFormulaOff", kFormulaSaysMesha, BasisKind::Precise, Ayanamsa::FaganBradley,
                    "The program's classic formula puts the Moon at 29\u00B0 59\u2032 4\u2033 in Mesha; Swiss "
                    "Ephemeris with Lahiri, the formula's own ayanamsa, gives Vrishabha. With Fagan/Bradley Swiss "
                    "Ephemeris gives Mesha; the descriptions below are for Mesha."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
