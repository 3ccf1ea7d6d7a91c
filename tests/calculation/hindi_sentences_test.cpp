// The Hindi of every sentence the windows, the report and the PDF take from
// the core: pinned for a few births (a time known or not, a birth near a
// change, a precise sign that differs, the library without its files), and
// over random births written in Devanagari with no English left and every
// placeholder filled. The English of the same calls is pinned by the
// engine's, the precise line's and the calculation's own tests.
#include "calculation/calculation.h"
#include "calculation/calculation_text.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "precise/precise_text.h"

#include "../engine/random_births.h"
#include "../precise/ephemeris_folder.h"
#include "../support/birth_at.h"
#include "../support/hindi_script.h"
#include "made_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace nyra {
namespace {

using test::Made;
using When = test::BirthAt;

constexpr Language kHindi = Language::Hindi;

// The only Latin letters a Hindi text may hold: the library's and its
// fallback theory's names, which people look up as they are written, and
// the folder the library reads (a path).
const std::vector<std::string_view> kNamesKeptInLatin = {"Swiss Ephemeris", "Moshier", kDefaultEphemerisFolder};

// Besides Devanagari (the danda । among it): blanks, digits, the marks of
// degrees, minutes and seconds, the dash, and the punctuation Hindi shares
// with English. No full stop: Hindi ends its sentences with the danda.
constexpr std::u32string_view kAllowedOutsideDevanagari = U" \n0123456789,;:-()%/\u00B0\u2032\u2033\u2014";

// Greenwich, zone 0: the Moon entered Thula on 30 Dec 1999 at 21:37 and
// left it for Vrischika on 2 Jan 2000 at 09:08 (as the calculation tests).
constexpr When kJ2000Noon{2000, 1, 1, 12, 0};
constexpr When kQuietMorning{2000, 1, 1, 6, 0};
constexpr When kSeventyTwoMinutesIntoThula{1999, 12, 30, 22, 49};
constexpr When kBeforeTheChange{2000, 1, 2, 8, 0};
// India: the nakshatra changes twice on 6 Jan 2001, at 01:01 and 23:47.
constexpr When kTwoNakshatraChanges{2001, 1, 6, 12, 0, 77 + 13 / 60.0, 330};
// Chennai: the classic formula has the Moon 56″ short of Vrishabha, Swiss
// Ephemeris (Lahiri) 1′ 41″ past the boundary.
constexpr When kEngineSaysMesha{1990, 11, 4, 0, 44, 80 + 17 / 60.0, 330};

std::string NakshatraWindowSentence(const Calculation& c, Language language) {
    return TimeWindowSentence(NakshatrasInWindow(c.chart, c.timeKnown), language);
}

struct PinnedCase {
    const char* name;
    When birth;
    TimeWindow timeKnown;
    Basis basis;
    std::string (*hindiOf)(const Calculation&);
    const char* hindi;
};

void PrintTo(const PinnedCase& c, std::ostream* os) { *os << c.name; }

class PinnedHindi : public ::testing::TestWithParam<PinnedCase> {};

TEST_P(PinnedHindi, ReadsAsWritten) {
    const PinnedCase& c = GetParam();
    const Calculation calculation = Made({test::Birth(c.birth), {}, c.timeKnown, c.basis.kind, c.basis.ayanamsa});
    EXPECT_EQ(c.hindiOf(calculation), c.hindi);
}

const TimeWindow kExact = TimeWindow::Exact();
constexpr Basis kClassic = Basis::Classic();

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, PinnedHindi,
    ::testing::Values(
        PinnedCase{"Position", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return PositionInSignText(c.moon, kHindi); },
                   "तुला राशि में 19\u00B0 27\u2032 44\u2033"},
        PinnedCase{"SignSpan", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return SignSpanSentence(c.moon.signSpan, kHindi); },
                   "चन्द्रमा तुला राशि में 30 दिसम्बर 1999 को 21:37 बजे आया और 2 जनवरी 2000 को 09:08 बजे उससे निकला "
                   "(स्थानीय समय)।"},
        PinnedCase{"NakshatraSpan", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return NakshatraSpanSentence(c.moon.nakshatraSpan, kHindi); },
                   "स्वाति नक्षत्र 31 दिसम्बर 1999, 10:39 से 1 जनवरी 2000, 13:04 तक"},
        PinnedCase{"NakshatraNoticeBeforeItLeaves", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return NakshatraChangeNotice(c.moon.nakshatraSpan, kHindi); },
                   "आपका जन्म चन्द्रमा के स्वाति नक्षत्र से निकलने से 1 घण्टे 4 मिनट पहले हुआ। यदि जन्म के समय या समय क्षेत्र में "
                   "इतनी भूल सम्भव है, तो आपका नक्षत्र विशाखा भी हो सकता है।"},
        PinnedCase{"SignNoticeAfterItEntered", kSeventyTwoMinutesIntoThula, kExact, kClassic,
                   [](const Calculation& c) { return SignChangeNotice(c.moon.signSpan, kHindi); },
                   "आपका जन्म चन्द्रमा के तुला राशि में आने के 1 घण्टे 12 मिनट बाद हुआ। यदि जन्म के समय या समय क्षेत्र में "
                   "इतनी भूल सम्भव है, तो आपकी चन्द्र राशि कन्या भी हो सकती है।"},
        PinnedCase{"SignNoticeBeforeItLeaves", kBeforeTheChange, kExact, kClassic,
                   [](const Calculation& c) { return SignChangeNotice(c.moon.signSpan, kHindi); },
                   "आपका जन्म चन्द्रमा के तुला राशि से निकलने से 1 घण्टे 8 मिनट पहले हुआ। यदि जन्म के समय या समय क्षेत्र "
                   "में इतनी भूल सम्भव है, तो आपकी चन्द्र राशि वृश्चिक भी हो सकती है।"},
        // An hour either way: Hindi's "1 घण्टे" before के, not "1 घण्टा".
        PinnedCase{"HeadingWithinAnHour", kQuietMorning, TimeWindow::PlusMinus(60), kClassic,
                   [](const Calculation& c) { return TimeWindowHeading(c, kHindi); },
                   "समय 06:00 के 1 घण्टे आगे-पीछे तक ज्ञात"},
        PinnedCase{"CertainWithinAnHour", kQuietMorning, TimeWindow::PlusMinus(60), kClassic,
                   [](const Calculation& c) { return TimeWindowText(c, kHindi); },
                   "उस पूरी अवधि में चन्द्रमा तुला राशि में ही रहा, इसलिए आपकी चन्द्र राशि निश्चित है।"},
        PinnedCase{"CertainSign", kQuietMorning, TimeWindow::PlusMinus(60), kClassic,
                   [](const Calculation& c) { return PossibleSignsText(c, kHindi); }, "तुला, पूरी अवधि में निश्चित"},
        PinnedCase{"BirthTimeWithinAnHour", kQuietMorning, TimeWindow::PlusMinus(60), kClassic,
                   [](const Calculation& c) { return BirthTimeText(c, kHindi); },
                   "06:00 के 1 घण्टे आगे-पीछे तक (विवरण 06:00 के अनुसार)"},
        PinnedCase{"AcrossTheChange", kBeforeTheChange, TimeWindow::PlusMinus(120), kClassic,
                   [](const Calculation& c) { return TimeWindowText(c, kHindi); },
                   "आपके जन्म का समय ठीक-ठीक ज्ञात नहीं है। 06:00 से 10:00 के बीच चन्द्रमा 09:08 तक तुला राशि में और "
                   "फिर वृश्चिक राशि में रहा: तुला 78%, वृश्चिक 22%।\n"
                   "नीचे दिए गए विवरण तुला राशि के हैं, जो दर्ज किए गए समय 08:00 की चन्द्र राशि है।"},
        PinnedCase{"PossibleSignsAcrossTheChange", kBeforeTheChange, TimeWindow::PlusMinus(120), kClassic,
                   [](const Calculation& c) { return PossibleSignsText(c, kHindi); },
                   "तुला 78% (09:08 तक), फिर वृश्चिक 22%"},
        PinnedCase{"HeadingNotKnown", kBeforeTheChange, TimeWindow::WholeDay(), kClassic,
                   [](const Calculation& c) { return TimeWindowHeading(c, kHindi); }, "समय ज्ञात नहीं: जन्म का पूरा दिन"},
        PinnedCase{"NotKnownAcrossTheChange", kBeforeTheChange, TimeWindow::WholeDay(), kClassic,
                   [](const Calculation& c) { return TimeWindowText(c, kHindi); },
                   "आपके जन्म का समय ज्ञात नहीं है। 00:00 से 24:00 के बीच चन्द्रमा 09:08 तक तुला राशि में और फिर "
                   "वृश्चिक राशि में रहा: तुला 38%, वृश्चिक 62%।\n"
                   "नीचे दिए गए विवरण तुला राशि के हैं, जो दर्ज किए गए समय 08:00 की चन्द्र राशि है।"},
        PinnedCase{"BirthTimeNotKnown", kBeforeTheChange, TimeWindow::WholeDay(), kClassic,
                   [](const Calculation& c) { return BirthTimeText(c, kHindi); }, "ज्ञात नहीं (विवरण 08:00 के अनुसार)"},
        PinnedCase{"NotKnownOnADayInsideOneSign", kJ2000Noon, TimeWindow::WholeDay(), kClassic,
                   [](const Calculation& c) { return TimeWindowText(c, kHindi); },
                   "उस पूरे दिन चन्द्रमा तुला राशि में ही रहा, इसलिए आपकी चन्द्र राशि निश्चित है।"},
        PinnedCase{"NakshatraChangesTwice", kTwoNakshatraChanges, TimeWindow::WholeDay(), kClassic,
                   [](const Calculation& c) { return NakshatraWindowSentence(c, kHindi); },
                   "आपके जन्म का समय ज्ञात नहीं है। 00:00 से 24:00 के बीच चन्द्रमा 01:01 तक भरणी नक्षत्र में, फिर 23:47 "
                   "तक कृत्तिका नक्षत्र में और फिर रोहिणी नक्षत्र में रहा: भरणी 4%, कृत्तिका 95%, रोहिणी 1%।"},
        PinnedCase{"NakshatraCertain", kTwoNakshatraChanges, TimeWindow::PlusMinus(120), kClassic,
                   [](const Calculation& c) { return NakshatraWindowSentence(c, kHindi); },
                   "उस पूरी अवधि में चन्द्रमा कृत्तिका नक्षत्र में ही रहा, इसलिए आपका नक्षत्र निश्चित है।"},
        PinnedCase{"CalculatedWithTheClassicFormula", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return CalculatedWithText(c, kHindi); },
                   "पारम्परिक सूत्र, लाहिड़ी (चित्रपक्ष) अयनांश"},
        PinnedCase{"CalculatedWithSwissEphemeris", kJ2000Noon, kExact, Basis::Precise(Ayanamsa::Krishnamurti),
                   [](const Calculation& c) { return CalculatedWithText(c, kHindi); },
                   "Swiss Ephemeris, कृष्णमूर्ति (केपी) अयनांश"},
        PinnedCase{"PreciseAgrees", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).line; },
                   "सटीक स्थिति: तुला राशि में 19\u00B0 28\u2032 13\u2033 (Swiss Ephemeris, लाहिड़ी) \u2014 वही राशि।"},
        PinnedCase{"PreciseToolTip", kJ2000Noon, kExact, kClassic,
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).toolTip; },
                   "Swiss Ephemeris से चन्द्रमा की दृश्य स्थिति, चुने गए अयनांश के निरयण राशिचक्र में।"},
        PinnedCase{"PreciseDiffers", kEngineSaysMesha, kExact, kClassic,
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).line; },
                   "सटीक स्थिति: वृषभ राशि में 0\u00B0 01\u2032 41\u2033 (Swiss Ephemeris, लाहिड़ी)"},
        PinnedCase{"PreciseDiffersNotice", kEngineSaysMesha, kExact, kClassic,
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).notice; },
                   "सटीक गणना के अनुसार चन्द्रमा वृषभ राशि में 0\u00B0 01\u2032 41\u2033 पर था। इस प्रोग्राम का पारम्परिक "
                   "सूत्र मेष राशि बताता है; नीचे दिए गए विवरण मेष राशि के हैं।"},
        // On Swiss Ephemeris the descriptions are Vrishabha's, the classic
        // formula the second opinion.
        PinnedCase{"ClassicDiffers", kEngineSaysMesha, kExact, Basis::Precise(),
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).line; },
                   "पारम्परिक सूत्र: मेष राशि में 29\u00B0 59\u2032 4\u2033।"},
        PinnedCase{"ClassicDiffersNotice", kEngineSaysMesha, kExact, Basis::Precise(),
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).notice; },
                   "प्रोग्राम के पारम्परिक सूत्र के अनुसार चन्द्रमा मेष राशि में 29\u00B0 59\u2032 4\u2033 पर था। Swiss "
                   "Ephemeris वृषभ राशि बताता है; नीचे दिए गए विवरण वृषभ राशि के हैं।"},
        PinnedCase{"ClassicToolTip", kEngineSaysMesha, kExact, Basis::Precise(),
                   [](const Calculation& c) { return SecondOpinionTexts(c, kHindi).toolTip; },
                   "प्रोग्राम की अपनी पारम्परिक श्रेणी और उसके लाहिड़ी (चित्रपक्ष) अयनांश से निकाली गई चन्द्रमा की स्थिति।"},
        PinnedCase{"PreciseDescriptionsFor", kEngineSaysMesha, TimeWindow::PlusMinus(15), Basis::Precise(),
                   [](const Calculation& c) { return TimeWindowText(c, kHindi); },
                   "आपके जन्म का समय ठीक-ठीक ज्ञात नहीं है। 00:29 से 00:59 के बीच चन्द्रमा 00:41 तक मेष राशि में और "
                   "फिर वृषभ राशि में रहा: मेष 40%, वृषभ 60%।\n"
                   "नीचे दिए गए विवरण वृषभ राशि के हैं, जो दर्ज किए गए समय 00:44 की चन्द्र राशि है।"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Hindi has no short month names in common use: the whole name, from the
// one table, for the month the date has.
TEST(HindiDates, NameTheMonthInFull) {
    const std::pair<LocalTime, const char*> dates[] = {
        {{2000, 1, 2, 9, 51}, "2 जनवरी 2000 को 09:51 बजे"},      {{1984, 2, 29, 0, 5}, "29 फ़रवरी 1984 को 00:05 बजे"},
        {{1947, 8, 15, 23, 59}, "15 अगस्त 1947 को 23:59 बजे"},    {{2001, 9, 11, 7, 0}, "11 सितम्बर 2001 को 07:00 बजे"},
        {{1999, 12, 31, 22, 14}, "31 दिसम्बर 1999 को 22:14 बजे"},
    };
    for (const auto& [date, hindi] : dates) EXPECT_EQ(FormatLongMinute(date, kHindi), hindi);
    EXPECT_EQ(FormatLongMinute({2000, 1, 2, 9, 51}), "2 Jan 2000 at 09:51");
}

TEST(HindiNames, AyanamsasAndTheLibrary) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {AyanamsaName(Basis::Classic(), kHindi), "लाहिड़ी (चित्रपक्ष)"},
        {AyanamsaName(Basis::Precise(Ayanamsa::Lahiri), kHindi), "लाहिड़ी"},
        {AyanamsaName(Basis::Precise(Ayanamsa::Krishnamurti), kHindi), "कृष्णमूर्ति (केपी)"},
        {AyanamsaName(Basis::Precise(Ayanamsa::Raman), kHindi), "रमन"},
        {AyanamsaName(Basis::Precise(Ayanamsa::TrueChitrapaksha), kHindi), "स्पष्ट चित्रपक्ष"},
        {AyanamsaName(Basis::Precise(Ayanamsa::FaganBradley), kHindi), "फ़ेगन/ब्रैडली"},
        {AyanamsaName(Basis::Precise(Ayanamsa::Yukteshwar), kHindi), "युक्तेश्वर"},
        {AyanamsaName(Basis::Precise(Ayanamsa::Yukteshwar)), "Yukteshwar"},
        {EphemerisName(EphemerisSource::SwissEphemeris, kHindi), "Swiss Ephemeris"},
        {EphemerisName(EphemerisSource::Moshier, kHindi), "Moshier सिद्धान्त"},
        {EphemerisNote(EphemerisSource::SwissEphemeris, kHindi), "(Swiss Ephemeris)"},
        {EphemerisNote(EphemerisSource::Moshier, kHindi), "(Swiss Ephemeris, Moshier सिद्धान्त: उसकी फ़ाइलें नहीं मिलीं)"},
    };
    for (const auto& [actual, expected] : names) EXPECT_EQ(actual, expected);
    for (const AyanamsaInfo& info : Ayanamsas()) {
        SCOPED_TRACE(info.displayName);
        EXPECT_EQ(info.DisplayName(Language::English), info.displayName);
        EXPECT_TRUE(test::HindiWritingFaults(info.DisplayName(kHindi), kAllowedOutsideDevanagari).empty());
    }
}

// Hindi's width before के (1 घण्टे) differs from the width on its own (1
// घण्टा) only for one hour.
TEST(HindiWidths, OnTheirOwnAndWithin) {
    const std::tuple<int, const char*, const char*> widths[] = {
        {15, "15 मिनट", "15 मिनट के भीतर"},
        {60, "1 घण्टा", "1 घण्टे के भीतर"},
        {90, "90 मिनट", "90 मिनट के भीतर"},
        {120, "2 घण्टे", "2 घण्टे के भीतर"},
    };
    for (const auto& [minutes, alone, within] : widths) {
        EXPECT_EQ(WindowWidthText(minutes, kHindi), alone);
        EXPECT_EQ(WithinWindowText(minutes, kHindi), within);
    }
    EXPECT_EQ(WithinWindowText(60), "within 1 hour");
    EXPECT_EQ(WithinWindowText(15), "within 15 min");
}

class HindiWithoutTheFiles : public test::InstalledEphemerisAfterEachTest {};

TEST_F(HindiWithoutTheFiles, TheLinesNameTheFallback) {
    const test::EmptyFolder empty;
    ASSERT_FALSE(empty.path().empty());
    SetEphemerisFolder(empty.path());
    const Calculation classic = Made({test::Birth(kJ2000Noon), {}, {}, BasisKind::Classic});
    const PreciseTexts texts = SecondOpinionTexts(classic, kHindi);
    EXPECT_EQ(texts.line,
              "सटीक स्थिति: तुला राशि में 19\u00B0 28\u2032 13\u2033, लाहिड़ी (Swiss Ephemeris, Moshier सिद्धान्त: "
              "उसकी फ़ाइलें नहीं मिलीं) \u2014 वही राशि।");
    EXPECT_EQ(texts.toolTip,
              "/usr/share/libswe/ephe में Swiss Ephemeris की फ़ाइलें नहीं मिलीं, इसलिए लाइब्रेरी में ही "
              "निहित Moshier सिद्धान्त से गणना की गई।");
    const Calculation precise = Made({test::Birth(kJ2000Noon), {}, {}, BasisKind::Precise});
    EXPECT_EQ(CalculatedWithText(precise, kHindi),
              "Swiss Ephemeris (Moshier सिद्धान्त: उसकी फ़ाइलें नहीं मिलीं), लाहिड़ी अयनांश");
}

// The library's own reason is passed on as it came; the line around it is
// Hindi.
TEST(HindiPrecise, WithoutAPositionSaysSo) {
    const PreciseMoon none = PreciseMoonAt(std::numeric_limits<double>::quiet_NaN());
    const PreciseTexts texts = DescribePrecise(none, "Mesha", kHindi);
    EXPECT_EQ(texts.line, "सटीक स्थिति: उपलब्ध नहीं \u2014 Swiss Ephemeris इस जन्म के लिए चन्द्रमा की स्थिति नहीं निकाल सका।");
    EXPECT_TRUE(texts.toolTip.starts_with("Swiss Ephemeris का सन्देश: ")) << texts.toolTip;
    EXPECT_TRUE(texts.notice.empty());
}

// ---------------------------------------------------------------- sweep

struct TextPair {
    std::string label, english, hindi;
};

// Every sentence of one calculation, in both languages.
std::vector<TextPair> EveryText(const Calculation& c) {
    std::vector<TextPair> texts;
    const auto add = [&](const char* label, const std::function<std::string(Language)>& text) {
        texts.push_back({label, text(Language::English), text(kHindi)});
    };
    const WindowResult nakshatras = NakshatrasInWindow(c.chart, c.timeKnown);
    // Another sign than the precise one, so that the notice is written.
    const int otherSign = (SignOfLongitude(c.precise.siderealDeg) + 1) % 12;
    const std::string other(SignOrNakshatraName(WindowOf::Signs, otherSign));
    add("FormatLongMinute", [&](Language l) { return FormatLongMinute(c.moon.signSpan.leaves.local, l); });
    add("PositionInSignText(chart)", [&](Language l) { return PositionInSignText(c.chart, l); });
    add("PositionInSignText(reading)", [&](Language l) { return PositionInSignText(c.moon, l); });
    add("AyanamsaName", [&](Language l) { return std::string(AyanamsaName(c.basis, l)); });
    add("SignSpanSentence", [&](Language l) { return SignSpanSentence(c.moon.signSpan, l); });
    add("NakshatraSpanSentence", [&](Language l) { return NakshatraSpanSentence(c.moon.nakshatraSpan, l); });
    add("SignChangeNotice", [&](Language l) { return SignChangeNotice(c.moon.signSpan, l); });
    add("NakshatraChangeNotice", [&](Language l) { return NakshatraChangeNotice(c.moon.nakshatraSpan, l); });
    add("TimeWindowSentence(nakshatras)", [&](Language l) { return TimeWindowSentence(nakshatras, l); });
    add("TimeWindowHeading", [&](Language l) { return TimeWindowHeading(c, l); });
    add("TimeWindowText", [&](Language l) { return TimeWindowText(c, l); });
    add("BirthTimeText", [&](Language l) { return BirthTimeText(c, l); });
    add("PossibleSignsText", [&](Language l) { return PossibleSignsText(c, l); });
    add("CalculatedWithText", [&](Language l) { return CalculatedWithText(c, l); });
    add("SecondOpinion.line", [&](Language l) { return SecondOpinionTexts(c, l).line; });
    add("SecondOpinion.notice", [&](Language l) { return SecondOpinionTexts(c, l).notice; });
    add("SecondOpinion.toolTip", [&](Language l) { return SecondOpinionTexts(c, l).toolTip; });
    add("DescribePrecise.line", [&](Language l) { return DescribePrecise(c.precise, other, l).line; });
    add("DescribePrecise.notice", [&](Language l) { return DescribePrecise(c.precise, other, l).notice; });
    if (!c.timeKnown.wholeDay) {
        add("WindowWidthText", [&](Language l) { return WindowWidthText(c.timeKnown.minutes, l); });
        add("WithinWindowText", [&](Language l) { return WithinWindowText(c.timeKnown.minutes, l); });
    }
    return texts;
}

// The text with each name kept in Latin letters marked ॰, so that what is
// left must be Hindi throughout.
std::string WithoutNamesKeptInLatin(std::string text) {
    for (std::string_view name : kNamesKeptInLatin) {
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), "\u0970");
    }
    return text;
}

// What is wrong with a Hindi text beside its English, one line each.
std::vector<std::string> Faults(const TextPair& pair) {
    static const std::regex kPlaceholder("%[0-9]");
    if (pair.english.empty() != pair.hindi.empty()) return {"written in one language only"};
    if (pair.hindi.empty()) return {};
    std::vector<std::string> faults =
        test::HindiWritingFaults(WithoutNamesKeptInLatin(pair.hindi), kAllowedOutsideDevanagari);
    for (const std::string* text : {&pair.english, &pair.hindi}) {
        if (std::regex_search(*text, kPlaceholder)) faults.push_back("a placeholder left unfilled");
    }
    if (pair.english.ends_with(".") != pair.hindi.ends_with("।")) faults.push_back("a sentence not ended by the danda");
    return faults;
}

TEST(HindiFaults, AreFound) {
    EXPECT_TRUE(Faults({"", "Thula 35%, Vrischika 65%.", "तुला 35%, वृश्चिक 65%।"}).empty());
    EXPECT_TRUE(Faults({"", "(Swiss Ephemeris)", "(Swiss Ephemeris)"}).empty());
    EXPECT_FALSE(Faults({"", "in Thula.", "Thula में।"}).empty());
    EXPECT_FALSE(Faults({"", "%1 in Thula", "%1 तुला में"}).empty());
    EXPECT_FALSE(Faults({"", "in Thula.", "तुला में."}).empty());
    EXPECT_FALSE(Faults({"", "in Thula.", "तुला में"}).empty());
    EXPECT_FALSE(Faults({"", "in Thula", ""}).empty());
}

class HindiSweep : public test::InstalledEphemerisAfterEachTest {};

// Random births on either basis, with every way the time may be known, a
// tenth of them without the library's files.
TEST_F(HindiSweep, EverySentenceOfRandomBirthsIsHindiThroughout) {
    const test::EmptyFolder empty;
    ASSERT_FALSE(empty.path().empty());
    // clang-format off
    const TimeWindow windows[] = {TimeWindow::Exact(),        TimeWindow::PlusMinus(15),  TimeWindow::PlusMinus(60),
                                  TimeWindow::PlusMinus(90),  TimeWindow::PlusMinus(120), TimeWindow::PlusMinus(720),
                                  // clang-format on
                                  TimeWindow::WholeDay()};
    std::mt19937_64 random(26);
    int uncertain = 0, notices = 0, checked = 0;
    for (int i = 0; i < 300; ++i) {
        const bool withoutFiles = i % 10 == 9;
        SetEphemerisFolder(withoutFiles ? empty.path() : std::string(kDefaultEphemerisFolder));
        const BirthRecord birth = testing_births::RandomBirth(random);
        const BasisKind basis = random() % 3 == 0 ? BasisKind::Precise : BasisKind::Classic;
        const Ayanamsa ayanamsa = Ayanamsas()[random() % Ayanamsas().size()].id;
        const TimeWindow window = windows[random() % std::size(windows)];
        const Calculation c = Made({birth, {}, window, basis, ayanamsa});
        uncertain += c.possibleSigns && !c.possibleSigns->certain;
        for (const TextPair& pair : EveryText(c)) {
            notices += pair.label.ends_with("ChangeNotice") && !pair.hindi.empty();
            ++checked;
            for (const std::string& fault : Faults(pair)) {
                // clang-format off
                ADD_FAILURE() << "birth " << i << ", " << pair.label << ": " << fault << "\n  " << pair.english
                              << "\n  " << pair.hindi;
                // clang-format on
            }
        }
    }
    // The sweep reached the sentences that only some births have.
    EXPECT_GT(uncertain, 20);
    EXPECT_GT(notices, 20);
    EXPECT_GT(checked, 5000);
}

}  // namespace
}  // namespace nyra
