#include "precise/precise_text.h"

#include "engine/names.h"
#include "text/fill_in.h"

namespace nyra {
namespace {

// %1 the position in its sign, %2 the sign, %3 the library (or its note on
// the fallback), %4 the ayanamsa; %5 the sign described; %6 and %7 the
// position and the sign with Lahiri, the formula's own ayanamsa.
struct PreciseWords {
    Bilingual<std::string_view> unavailable, reason;
    // Without its files the library computes from its Moshier theory: the
    // line must not pass that off as the usual figure.
    Bilingual<std::string_view> line, lineOnMoshier;
    Bilingual<std::string_view> sameSign, notice;
    /// The formula checked against Lahiri while another ayanamsa is chosen.
    Bilingual<std::string_view> noticeWithLahiri;
    /// Only the chosen ayanamsa puts the Moon elsewhere: no fault of the formula.
    Bilingual<std::string_view> ayanamsaDiffers;
    Bilingual<std::string_view> fromTheFiles, fromMoshier;
};

constexpr PreciseWords kWords{
    .unavailable = {"Precise position: not available \u2014 Swiss Ephemeris could not compute the Moon for this birth.",
                    "सटीक स्थिति: उपलब्ध नहीं \u2014 Swiss Ephemeris इस जन्म के लिए चन्द्रमा की स्थिति नहीं निकाल सका।"},
    .reason = {"Swiss Ephemeris: %1", "Swiss Ephemeris का सन्देश: %1"},
    .line = {"Precise position: %1 in %2 (%3, %4)", "सटीक स्थिति: %2 राशि में %1 (%3, %4)"},
    .lineOnMoshier = {"Precise position: %1 in %2, %4 %3", "सटीक स्थिति: %2 राशि में %1, %4 %3"},
    .sameSign = {" \u2014 same sign.", " \u2014 वही राशि।"},
    .notice = {"A precise ephemeris puts the Moon in %2 (%1). This program's traditional formula gives %5; the "
               "descriptions below are for %5.",
               "सटीक गणना के अनुसार चन्द्रमा %2 राशि में %1 पर था। इस प्रोग्राम का पारम्परिक सूत्र %5 राशि बताता है; नीचे "
               "दिए गए विवरण %5 राशि के हैं।"},
    .noticeWithLahiri =
        {"With Lahiri, the ayanamsa of this program's traditional formula, a precise ephemeris puts the Moon in %7 "
         "(%6). The formula gives %5; the descriptions below are for %5.",
         "इस प्रोग्राम के पारम्परिक सूत्र के अयनांश लाहिड़ी से सटीक गणना के अनुसार चन्द्रमा %7 राशि में %6 पर था। सूत्र %5 "
         "राशि बताता है; नीचे दिए गए विवरण %5 राशि के हैं।"},
    .ayanamsaDiffers =
        {"With %4 the Moon is in %2; the ayanamsa is what differs. With Lahiri, the ayanamsa of this program's "
         "traditional formula, Swiss Ephemeris also gives %5; the descriptions below are for %5.",
         "%4 अयनांश से चन्द्रमा %2 राशि में है; अन्तर अयनांश का है। इस प्रोग्राम के पारम्परिक सूत्र के अयनांश लाहिड़ी "
         "से Swiss Ephemeris भी %5 राशि बताता है; नीचे दिए गए विवरण %5 राशि के हैं।"},
    .fromTheFiles =
        {"The Moon's apparent position from Swiss Ephemeris, in the sidereal zodiac of the chosen ayanamsa.",
         "Swiss Ephemeris से चन्द्रमा की दृश्य स्थिति, चुने गए अयनांश के निरयण राशिचक्र में।"},
    .fromMoshier = {"No Swiss Ephemeris files were found in %1, so the library's built-in Moshier ephemeris was used.",
                    "%1 में Swiss Ephemeris की फ़ाइलें नहीं मिलीं, इसलिए लाइब्रेरी में ही निहित Moshier सिद्धान्त से गणना की "
                    "गई।"},
};

}  // namespace

PreciseTexts DescribePrecise(const PreciseMoon& moon, std::string_view describedSign, Language language) {
    return DescribePrecise(moon, moon, describedSign, language);
}

PreciseTexts DescribePrecise(const PreciseMoon& moon, const PreciseMoon& lahiri, std::string_view describedSign,
                             Language language) {
    PreciseTexts texts;
    if (!moon.ok() || !lahiri.ok()) {
        texts.line = kWords.unavailable[language];
        texts.toolTip = FillIn(kWords.reason[language], {moon.ok() ? lahiri.error : moon.error});
        return texts;
    }
    const int sign = SignOfLongitude(moon.siderealDeg);
    const int lahiriSign = SignOfLongitude(lahiri.siderealDeg);
    const std::string position = DegreesInSignText(moon.siderealDeg);
    const std::string lahiriPosition = DegreesInSignText(lahiri.siderealDeg);
    const bool moshier = moon.ephemeris == EphemerisSource::Moshier;
    const std::initializer_list<std::string_view> values = {
        position,
        SignName(sign, language),
        moshier ? EphemerisNote(moon.ephemeris, language) : EphemerisName(moon.ephemeris, language),
        InfoOf(moon.ayanamsa).DisplayName(language),
        SignNameFor(describedSign, language),
        lahiriPosition,
        SignName(lahiriSign, language),
    };
    texts.line = FillIn((moshier ? kWords.lineOnMoshier : kWords.line)[language], values);
    const bool sameSign = SignName(sign, Language::English) == describedSign;
    if (sameSign) texts.line += kWords.sameSign[language];
    // The formula is only held to an ephemeris under its own ayanamsa.
    const bool lahiriAgrees = SignName(lahiriSign, Language::English) == describedSign;
    const bool otherAyanamsa = moon.ayanamsa != lahiri.ayanamsa;
    if (!lahiriAgrees) {
        texts.notice = FillIn((otherAyanamsa ? kWords.noticeWithLahiri : kWords.notice)[language], values);
    } else if (!sameSign) {
        texts.notice = FillIn(kWords.ayanamsaDiffers[language], values);
    }
    texts.toolTip = moshier ? FillIn(kWords.fromMoshier[language], {kDefaultEphemerisFolder})
                            : std::string(kWords.fromTheFiles[language]);
    return texts;
}

}  // namespace nyra
