#include "engine/names.h"

#include "engine/civil_date.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"

#include <array>
#include <cstddef>

namespace nyra {
namespace {

// The Hindi zodiac names are the Vedic ones; the English column is
// RashiNames' (checked below).
constexpr auto kSigns = std::to_array<Bilingual<std::string_view>>({
    {"Mesha", "मेष"},
    {"Vrishabha", "वृषभ"},
    // clang-format off
    {"Mithuna",   "मिथुन"},
    {"Kataka",    "कर्क"},
    {"Simha",     "सिंह"},
    {"Kanya",     "कन्या"},
    {"Thula",     "तुला"},
    // clang-format on
    {"Vrischika", "वृश्चिक"},
    // clang-format off
    {"Dhanus",    "धनु"},
    {"Makara",    "मकर"},
    {"Kumbha",    "कुम्भ"},
    {"Meena",     "मीन"},
    // clang-format on
});

constexpr bool SignsFollowTheEngine() {
    if (kSigns.size() != RashiNames.size()) return false;
    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        if (kSigns[i].english != RashiNames[i].name) return false;
    }
    return true;
}
static_assert(SignsFollowTheEngine());

// Each English name is the engine's own, in its order: the compiler holds
// the two tables together (below), so the Hindi can neither slip a row
// nor drift from a renamed nakshatra.
constexpr auto kNakshatras = std::to_array<Bilingual<std::string_view>>({
    // clang-format off
    {"Ashwini",           "अश्विनी"},
    {"Bharani",           "भरणी"},
    {"Krittika",          "कृत्तिका"},
    {"Rohini",            "रोहिणी"},
    {"Mrigashira",        "मृगशिरा"},
    {"Ardra",             "आर्द्रा"},
    {"Punarvasu",         "पुनर्वसु"},
    {"Pushya",            "पुष्य"},
    {"Ashlesha",          "आश्लेषा"},
    {"Magha",             "मघा"},
    {"Purva Phalguni",    "पूर्वाफाल्गुनी"},
    {"Uttara Phalguni",   "उत्तराफाल्गुनी"},
    {"Hasta",             "हस्त"},
    {"Chitra",            "चित्रा"},
    {"Swati",             "स्वाति"},
    {"Vishakha",          "विशाखा"},
    {"Anuradha",          "अनुराधा"},
    {"Jyeshtha",          "ज्येष्ठा"},
    {"Mula",              "मूल"},
    {"Purva Ashadha",     "पूर्वाषाढ़ा"},
    {"Uttara Ashadha",    "उत्तराषाढ़ा"},
    {"Shravana",          "श्रवण"},
    {"Dhanishta",         "धनिष्ठा"},
    {"Shatabhisha",       "शतभिषा"},
    {"Purva Bhadrapada",  "पूर्वाभाद्रपद"},
    // clang-format on
    {"Uttara Bhadrapada", "उत्तराभाद्रपद"},
    {"Revati", "रेवती"},
});

constexpr bool NakshatrasFollowTheEngine() {
    if (kNakshatras.size() != kNakshatraNames.size()) return false;
    for (std::size_t i = 0; i < kNakshatras.size(); ++i) {
        if (kNakshatras[i].english != kNakshatraNames[i]) return false;
    }
    return true;
}
static_assert(NakshatrasFollowTheEngine());

// The nine grahas under the English names the engine's nakshatra lords and
// the signs' RullingPlanet use. Jupiter is बृहस्पति (also called गुरु).
constexpr auto kPlanets = std::to_array<Bilingual<std::string_view>>({
    // clang-format off
    {"Sun",     "सूर्य"},
    {"Moon",    "चन्द्र"},
    {"Mars",    "मंगल"},
    // clang-format on
    {"Mercury", "बुध"},
    {"Jupiter", "बृहस्पति"},
    // clang-format off
    {"Venus",   "शुक्र"},
    {"Saturn",  "शनि"},
    {"Rahu",    "राहु"},
    {"Ketu",    "केतु"},
    // clang-format on
});
static_assert(kPlanets.size() == 9);

constexpr bool NamesEveryNakshatraLord() {
    for (std::string_view lord : kNakshatraLords) {
        bool found = false;
        for (const auto& planet : kPlanets) found = found || planet.english == lord;
        if (!found) return false;
    }
    return true;
}
static_assert(NamesEveryNakshatraLord());

// The English are kMonthNames, which the main window's month list and the
// messages about a day its month lacks spell out (checked below).
constexpr auto kMonths = std::to_array<Bilingual<std::string_view>>({
    // clang-format off
    {"January",   "जनवरी"},
    {"February",  "फ़रवरी"},
    {"March",     "मार्च"},
    {"April",     "अप्रैल"},
    {"May",       "मई"},
    {"June",      "जून"},
    {"July",      "जुलाई"},
    {"August",    "अगस्त"},
    // clang-format on
    {"September", "सितम्बर"},
    // clang-format off
    {"October",   "अक्टूबर"},
    {"November",  "नवम्बर"},
    {"December",  "दिसम्बर"},
    // clang-format on
});

constexpr bool MonthsFollowTheCalendar() {
    if (kMonths.size() != kMonthNames.size()) return false;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (kMonths[i].english != kMonthNames[i]) return false;
    }
    return true;
}
static_assert(MonthsFollowTheCalendar());

}  // namespace

std::string_view SignName(int sign, Language language) {
    if (sign < 0 || sign >= static_cast<int>(kSigns.size())) return {};
    return kSigns[static_cast<std::size_t>(sign)][language];
}

std::string_view SignNameFor(std::string_view rashiName, Language language) {
    for (const auto& sign : kSigns) {
        if (sign.english == rashiName) return sign[language];
    }
    return rashiName;
}

std::string_view NakshatraName(int nakshatra, Language language) {
    if (nakshatra < 0 || nakshatra >= static_cast<int>(kNakshatras.size())) return {};
    return kNakshatras[static_cast<std::size_t>(nakshatra)][language];
}

std::string_view PlanetName(std::string_view englishName, Language language) {
    for (const auto& planet : kPlanets) {
        if (planet.english == englishName) return planet[language];
    }
    return {};
}

std::string_view MonthName(int month, Language language) {
    if (month < 1 || month > static_cast<int>(kMonths.size())) return {};
    return kMonths[static_cast<std::size_t>(month - 1)][language];
}

}  // namespace nyra
