#include "calculation/calculation_text.h"

#include "engine/names.h"
#include "text/fill_in.h"

#include <cstdio>

namespace nyra {
namespace {

// The texts' patterns, named so that the compiler holds them to their
// fields (designated initialisers follow the declaration order). Hindi says a window's width "आगे-पीछे" (either way)
// of the time entered, and names a sign with the word राशि beside it.
struct CalculationWords {
    Bilingual<std::string_view> minutes, oneHour, hours;
    Bilingual<std::string_view> oneHourBeforeAPostposition;  ///< "1 घण्टे": Hindi's form before के, तक, ...
    Bilingual<std::string_view> within;
    Bilingual<std::string_view> wholeDayHeading, windowHeading;  ///< %1 the width, %2 the time entered.
    Bilingual<std::string_view> descriptionsFor;                 ///< %1 the sign, %2 the time entered.
    Bilingual<std::string_view> timeNotKnown, timeWithin;        ///< %1 the width, %2 the time entered.
    Bilingual<std::string_view> certainSign, share, shareUntil, thenShare;
    Bilingual<std::string_view> ayanamsa, classicFormula, swissEphemeris, swissEphemerisOnMoshier;
    /// %1 the classic sign, %2 the classic position, %3 the sign described,
    /// %4 the ayanamsa chosen, %5 Swiss Ephemeris' sign with Lahiri.
    Bilingual<std::string_view> classicLine, sameSign, differentSign, classicNotice, classicToolTip;
    /// Another ayanamsa than Lahiri chosen: the formula against Lahiri, and
    /// a difference that is the ayanamsa's alone.
    Bilingual<std::string_view> classicNoticeWithLahiri, classicAyanamsaDiffers;
};

constexpr CalculationWords kWords{
    .minutes = {"%1 min", "%1 मिनट"},
    .oneHour = {"1 hour", "1 घण्टा"},
    .hours = {"%1 hours", "%1 घण्टे"},
    .oneHourBeforeAPostposition = {"1 hour", "1 घण्टे"},
    .within = {"within %1", "%1 के भीतर"},
    .wholeDayHeading = {"Time not known: the whole day of birth", "समय ज्ञात नहीं: जन्म का पूरा दिन"},
    .windowHeading = {"Time known within %1 of %2", "समय %2 के %1 आगे-पीछे तक ज्ञात"},
    .descriptionsFor = {"\nThe descriptions below are for %1, the Moon sign at the time entered, %2.",
                        "\nनीचे दिए गए विवरण %1 राशि के हैं, जो दर्ज किए गए समय %2 की चन्द्र राशि है।"},
    .timeNotKnown = {"not known (%2 used for the descriptions)", "ज्ञात नहीं (विवरण %2 के अनुसार)"},
    .timeWithin = {"within %1 of %2 (%2 used for the descriptions)", "%2 के %1 आगे-पीछे तक (विवरण %2 के अनुसार)"},
    .certainSign = {"%1, certain all through that time", "%1, पूरी अवधि में निश्चित"},
    .share = {"%1 %2%", "%1 %2%"},
    .shareUntil = {" until %1", " (%1 तक)"},
    .thenShare = {", then ", ", फिर "},
    .ayanamsa = {"%1 ayanamsa", "%1 अयनांश"},
    .classicFormula = {"Classic formula, %1", "पारम्परिक सूत्र, %1"},
    .swissEphemeris = {"Swiss Ephemeris, %1", "Swiss Ephemeris, %1"},
    .swissEphemerisOnMoshier = {"Swiss Ephemeris (Moshier theory: ephemeris files not found), %1",
                                "Swiss Ephemeris (Moshier सिद्धान्त: उसकी फ़ाइलें नहीं मिलीं), %1"},
    .classicLine = {"Classic formula: %2", "पारम्परिक सूत्र: %2"},
    .sameSign = {" \u2014 same sign.", " \u2014 वही राशि।"},
    .differentSign = {".", "।"},
    .classicNotice =
        {"The program's classic formula puts the Moon in %1 (%2). Swiss Ephemeris gives %3; the descriptions "
         "below are for %3.",
         "प्रोग्राम के पारम्परिक सूत्र के अनुसार चन्द्रमा %2 पर था। Swiss Ephemeris %3 राशि बताता है; नीचे दिए गए "
         "विवरण %3 राशि के हैं।"},
    .classicToolTip = {"The Moon by the program's own traditional series and its %1 ayanamsa.",
                       "प्रोग्राम की अपनी पारम्परिक श्रेणी और उसके %1 अयनांश से निकाली गई चन्द्रमा की स्थिति।"},
    .classicNoticeWithLahiri =
        {"The program's classic formula puts the Moon at %2; Swiss Ephemeris with Lahiri, the formula's own "
         "ayanamsa, gives %5. With %4 Swiss Ephemeris gives %3; the descriptions below are for %3.",
         "प्रोग्राम के पारम्परिक सूत्र के अनुसार चन्द्रमा %2 पर था; सूत्र के अपने अयनांश लाहिड़ी से Swiss Ephemeris %5 "
         "राशि बताता है। %4 अयनांश से Swiss Ephemeris %3 राशि बताता है; नीचे दिए गए विवरण %3 राशि के हैं।"},
    .classicAyanamsaDiffers =
        {"With %4 the Moon is in %3; the ayanamsa is what differs. The program's classic formula gives %1, as Swiss "
         "Ephemeris does with Lahiri, the formula's own ayanamsa; the descriptions below are for %3.",
         "%4 अयनांश से चन्द्रमा %3 राशि में है; अन्तर अयनांश का है। प्रोग्राम का पारम्परिक सूत्र %1 राशि बताता है, जैसा "
         "सूत्र के अपने अयनांश लाहिड़ी से Swiss Ephemeris भी बताता है; नीचे दिए गए विवरण %3 राशि के हैं।"},
};

// The width as it stands before a postposition: Hindi's "1 घण्टे के भीतर"
// against "1 घण्टा" on its own.
std::string WidthBeforeAPostposition(int minutes, Language language) {
    if (minutes == 60) return std::string(kWords.oneHourBeforeAPostposition[language]);
    return WindowWidthText(minutes, language);
}

}  // namespace

std::string ClockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string WindowWidthText(int minutes, Language language) {
    if (minutes % 60 != 0) return FillIn(kWords.minutes[language], {std::to_string(minutes)});
    const int hours = minutes / 60;
    return hours == 1 ? std::string(kWords.oneHour[language]) : FillIn(kWords.hours[language], {std::to_string(hours)});
}

std::string WithinWindowText(int minutes, Language language) {
    return FillIn(kWords.within[language], {WidthBeforeAPostposition(minutes, language)});
}

std::string EnteredTimeText(const Calculation& calculation) {
    return ClockText(calculation.birth.BirthHour, calculation.birth.BirthMinute);
}

std::string TimeWindowHeading(const Calculation& calculation, Language language) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    if (signs.window.wholeDay) return std::string(kWords.wholeDayHeading[language]);
    return FillIn(kWords.windowHeading[language],
                  {WidthBeforeAPostposition(signs.window.minutes, language), EnteredTimeText(calculation)});
}

std::string TimeWindowText(const Calculation& calculation, Language language) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    std::string text = TimeWindowSentence(signs, language);
    // The tabs follow the sign at the time entered, which is one of those
    // listed: the person must know which of them they are reading about.
    if (!signs.certain) {
        text += FillIn(kWords.descriptionsFor[language],
                       {SignNameFor(calculation.RashiName(), language), EnteredTimeText(calculation)});
    }
    return text;
}

std::string BirthTimeText(const Calculation& calculation, Language language) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    const auto& pattern = signs.window.wholeDay ? kWords.timeNotKnown : kWords.timeWithin;
    return FillIn(pattern[language],
                  {WidthBeforeAPostposition(signs.window.minutes, language), EnteredTimeText(calculation)});
}

std::string PossibleSignsText(const Calculation& calculation, Language language) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    const auto nameOf = [&](const WindowShare& share) { return SignOrNakshatraName(signs.of, share.index, language); };
    if (signs.certain) return FillIn(kWords.certainSign[language], {nameOf(signs.shares.front())});
    std::string text;
    for (std::size_t i = 0; i < signs.shares.size(); ++i) {
        const WindowShare& share = signs.shares[i];
        if (i > 0) text += kWords.thenShare[language];
        text += FillIn(kWords.share[language], {nameOf(share), std::to_string(share.percent)});
        if (i + 1 < signs.shares.size())
            text += FillIn(kWords.shareUntil[language], {ClockText(share.to.hour, share.to.minute)});
    }
    return text;
}

std::string CalculatedWithText(const Calculation& calculation, Language language) {
    const std::string ayanamsa = FillIn(kWords.ayanamsa[language], {AyanamsaName(calculation.basis, language)});
    if (calculation.basis.kind == BasisKind::Classic) return FillIn(kWords.classicFormula[language], {ayanamsa});
    if (calculation.UsedMoshier()) return FillIn(kWords.swissEphemerisOnMoshier[language], {ayanamsa});
    return FillIn(kWords.swissEphemeris[language], {ayanamsa});
}

PreciseTexts SecondOpinionTexts(const Calculation& calculation, Language language) {
    const std::string described = calculation.RashiName();
    if (calculation.basis.kind == BasisKind::Classic)
        return DescribePrecise(calculation.precise, calculation.preciseLahiri, described, language);
    PreciseTexts texts;
    const EngineRecord& chart = calculation.chart;
    const std::string position = PositionInSignText(chart, language);
    const PreciseMoon& lahiri = calculation.preciseLahiri;
    const bool otherAyanamsa = calculation.ayanamsa != Ayanamsa::Lahiri;
    // The formula is held to Swiss Ephemeris under its own ayanamsa, Lahiri;
    // where the library cannot say, to the sign described.
    const std::string_view lahiriSign = otherAyanamsa && lahiri.ok()
                                            ? SignName(SignOfLongitude(lahiri.siderealDeg), Language::English)
                                            : std::string_view(described);
    const std::initializer_list<std::string_view> values = {
        SignNameFor(chart.RashiName, language), position, SignNameFor(described, language),
        InfoOf(calculation.ayanamsa).DisplayName(language), SignNameFor(lahiriSign, language),
    };
    texts.line = FillIn(kWords.classicLine[language], values);
    texts.line += (chart.RashiName == described ? kWords.sameSign : kWords.differentSign)[language];
    if (chart.RashiName != lahiriSign) {
        texts.notice = FillIn((otherAyanamsa ? kWords.classicNoticeWithLahiri : kWords.classicNotice)[language], values);
    } else if (chart.RashiName != described) {
        texts.notice = FillIn(kWords.classicAyanamsaDiffers[language], values);
    }
    texts.toolTip = FillIn(kWords.classicToolTip[language], {EngineAyanamsaName(language)});
    return texts;
}

}  // namespace nyra
