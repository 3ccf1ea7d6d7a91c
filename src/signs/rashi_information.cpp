#include "signs/rashi_information.h"

#include "signs/bilingual.h"
#include "signs/sign_paragraphs.h"

#include <cstddef>
#include <iterator>

namespace nyra {
namespace {

// The short tables are kept as rows, one per sign, so a sign's texts read
// across one line, with the Hindi under the English it renders. Several
// English entries look odd ("Rulling" is the field's historical spelling,
// "Yellowish brown", the Virgo and Aquarius compatibility lists) but they
// are the texts users have always seen and the report prints them
// verbatim; the Hindi renders them as they stand.
//
// The Hindi: the Western names as Hindi writes them (the Hindi zodiac names
// are the Vedic ones, SignName's); the sign lists by their Hindi
// names, as Hindi readers know the signs; the classes by their usual
// Hindi astrological terms, the Sanskrit ones with a gloss in brackets as
// the English has them; the lucky numbers in the digits Hindi print uses.
// A nasal before a consonant of its own class is written as a half letter
// for न् म् ण् (चन्द्र, कुम्भ, पिण्डलियाँ), as the anusvara for the rest.

// The sign's own name, VedicName, is the engine's SignName.
struct NameRow {
    std::string_view englishName, rullingPlanet, symbol, inbornNature, signColor;
};

constexpr Bilingual<NameRow> kNameRows[] = {
    // clang-format off
    {{"Aries",       "Mars",    "The Ram",           "Fire",  "Red, Brown, Copper"},
     {"एरीज़",        "मंगल",     "मेढ़ा",               "अग्नि",  "लाल, भूरा, ताँबई"}},
    {{"Taurus",      "Venus",   "The Bull",          "Earth", "White"},
     {"टॉरस",        "शुक्र",     "बैल",                "पृथ्वी",  "सफ़ेद"}},
    {{"Gemini",      "Mercury", "The Twins",         "Air",   "Green"},
     {"जेमिनी",       "बुध",      "जुड़वाँ",              "वायु",   "हरा"}},
    {{"Cancer",      "Moon",    "The Crab",          "Water", "Pink"},
     {"कैंसर",         "चन्द्र",    "केकड़ा",              "जल",    "गुलाबी"}},
    {{"Leo",         "Sun",     "The Lion",          "Fire",  "White"},
     {"लियो",        "सूर्य",     "शेर",                "अग्नि",  "सफ़ेद"}},
    {{"Virgo",       "Mercury", "The Virgin",        "Earth", "Multicolored"},
     {"वर्गो",        "बुध",      "कुमारी",             "पृथ्वी",  "बहुरंगी"}},
    {{"Libra",       "Venus",   "The Balance",       "Air",   "Black"},
     {"लिब्रा",       "शुक्र",     "तराज़ू",              "वायु",   "काला"}},
    {{"Scorpio",     "Mars",    "The Scorpion",      "Water", "Reddish Brown"},
     {"स्कॉर्पियो",    "मंगल",     "बिच्छू",              "जल",    "कत्थई"}},
    {{"Sagittarius", "Jupiter", "The Archer",        "Fire",  "Yellowish brown"},
     {"सैजिटेरियस",    "बृहस्पति",  "धनुर्धर",             "अग्नि",  "पीलापन लिए भूरा"}},
    {{"Capricorn",   "Saturn",  "The Crocodile",     "Earth", "Multicolored"},
     {"कैप्रिकॉर्न",    "शनि",     "मगरमच्छ",            "पृथ्वी",  "बहुरंगी"}},
    {{"Aquarius",    "Saturn",  "The Water Carrier", "Air",   "Deep Brown"},
     {"एक्वेरियस",     "शनि",     "घड़ा लिए पुरुष",       "वायु",   "गहरा भूरा"}},
    {{"Pisces",      "Jupiter", "The Double Fish",   "Water", "Blue"},
     {"पाइसीज़",      "बृहस्पति",  "मछलियों का जोड़ा",    "जल",    "नीला"}},
    // clang-format on
};
static_assert(std::size(kNameRows) == kSignCount);

struct ClassRow {
    std::string_view typeOfSign, gender, bestPeriodOfActivity, barren, signCaste, signPosition, constituentCharacter,
        partOfTheBody, physique;
};

// TypeOfSign, SignPosition and ConstituentCharacter go round every three
// signs (movable, fixed, dual); SignCaste, like InbornNature and
// BestDirection, every four (with the element). The other columns follow
// no cycle.
constexpr Bilingual<ClassRow> kClassRows[] = {
    // clang-format off
    {{"Movable",  "Male",   "Night", "Barren",        "Kshatriya", "Dwara",  "Mineral (Dhatu)",   "Head",                  "Short"},
     {"चर",       "पुरुष",    "रात",   "बन्ध्या",         "क्षत्रिय",    "द्वार",   "धातु (खनिज)",        "सिर",                   "छोटा क़द"}},
    {{"Fixed",    "Female", "Night", "Semi-Fruitful", "Vaisya",    "Bahya",  "Vegetable (Moola)", "Face",                  "Short"},
     {"स्थिर",     "स्त्री",   "रात",   "अर्ध-फलदायी",    "वैश्य",       "बाह्य",   "मूल (वनस्पति)",       "मुख",                    "छोटा क़द"}},
    {{"Mixed",    "Female", "Night", "Barren",        "Sudra",     "Garbha", "Animal (Jeeva)",    "Shoulders",             "Even"},
     {"द्विस्वभाव", "स्त्री",   "रात",   "बन्ध्या",         "शूद्र",       "गर्भ",    "जीव (प्राणी)",       "कन्धे",                   "मध्यम क़द"}},
    {{"Movable",  "Female", "Night", "Fruitful",      "Brahmana",  "Dwara",  "Mineral (Dhatu)",   "Chest",                 "Even"},
     {"चर",       "स्त्री",   "रात",   "फलदायी",        "ब्राह्मण",    "द्वार",   "धातु (खनिज)",        "छाती",                  "मध्यम क़द"}},
    {{"Fixed",    "Male",   "Day",   "Barren",        "Kshatriya", "Bahya",  "Vegetable (Moola)", "Heart & Stomach",       "Tall"},
     {"स्थिर",     "पुरुष",    "दिन",   "बन्ध्या",         "क्षत्रिय",    "बाह्य",   "मूल (वनस्पति)",       "हृदय और आमाशय",          "लम्बा क़द"}},
    {{"Mixed",    "Female", "Day",   "Barren",        "Vaisya",    "Garbha", "Animal (Jeeva)",    "Abdomen",               "Tall"},
     {"द्विस्वभाव", "स्त्री",   "दिन",   "बन्ध्या",         "वैश्य",       "गर्भ",    "जीव (प्राणी)",       "पेट",                    "लम्बा क़द"}},
    {{"Movable",  "Male",   "Day",   "Semi-Fruitful", "Sudra",     "Dwara",  "Mineral (Dhatu)",   "Lower Abdomen & Groin", "Tall"},
     {"चर",       "पुरुष",    "दिन",   "अर्ध-फलदायी",    "शूद्र",       "द्वार",   "धातु (खनिज)",        "पेड़ू और जंघामूल",           "लम्बा क़द"}},
    {{"Fixed",    "Female", "Day",   "Fruitful",      "Brahmana",  "Bahya",  "Vegetable (Moola)", "External Genitalia",    "Tall"},
     {"स्थिर",     "स्त्री",   "दिन",   "फलदायी",        "ब्राह्मण",    "बाह्य",   "मूल (वनस्पति)",       "गुप्तांग",                 "लम्बा क़द"}},
    {{"Mixed",    "Male",   "Night", "Semi-Fruitful", "Kshatriya", "Garbha", "Animal (Jeeva)",    "Thighs",                "Even"},
     {"द्विस्वभाव", "पुरुष",    "रात",   "अर्ध-फलदायी",    "क्षत्रिय",    "गर्भ",    "जीव (प्राणी)",       "जाँघें",                   "मध्यम क़द"}},
    {{"Movable",  "Female", "Night", "Barren",        "Vaisya",    "Dwara",  "Mineral (Dhatu)",   "Knees",                 "Even"},
     {"चर",       "स्त्री",   "रात",   "बन्ध्या",         "वैश्य",       "द्वार",   "धातु (खनिज)",        "घुटने",                   "मध्यम क़द"}},
    {{"Fixed",    "Male",   "Day",   "Semi-Fruitful", "Sudra",     "Bahya",  "Vegetable (Moola)", "Calves",                "Short"},
     {"स्थिर",     "पुरुष",    "दिन",   "अर्ध-फलदायी",    "शूद्र",       "बाह्य",   "मूल (वनस्पति)",       "पिण्डलियाँ",              "छोटा क़द"}},
    {{"Mixed",    "Female", "Day",   "Fruitful",      "Brahmana",  "Garbha", "Animal (Jeeva)",    "Feet",                  "Short"},
     {"द्विस्वभाव", "स्त्री",   "दिन",   "फलदायी",        "ब्राह्मण",    "गर्भ",    "जीव (प्राणी)",       "पैर",                    "छोटा क़द"}},
    // clang-format on
};
static_assert(std::size(kClassRows) == kSignCount);

struct LuckRow {
    std::string_view luckyDays, luckyNumbers, bestDirection, luckyColors, luckyGemstone;
};

constexpr Bilingual<LuckRow> kLuckRows[] = {
    // clang-format off
    {{"Monday, Tuesday",             "9, 1",       "East",  "Red, Brown, Copper",        "Coral"},
     {"सोमवार, मंगलवार",              "9, 1",       "पूर्व",   "लाल, भूरा, ताँबई",            "मूँगा"}},
    {{"Thursday, Friday",            "2, 8",       "South", "Pink, Green",               "Diamond"},
     {"गुरुवार, शुक्रवार",               "2, 8",       "दक्षिण", "गुलाबी, हरा",                "हीरा"}},
    {{"Monday, Wednesday",           "3, 7",       "West",  "Yellow, Purple, Blue",      "Emerald"},
     {"सोमवार, बुधवार",               "3, 7",       "पश्चिम", "पीला, बैंगनी, नीला",          "पन्ना"}},
    {{"Monday, Thursday",            "2, 7, 9",    "North", "White, Red, Yellow",        "Pearl"},
     {"सोमवार, गुरुवार",               "2, 7, 9",    "उत्तर",  "सफ़ेद, लाल, पीला",            "मोती"}},
    {{"Sunday, Monday",              "1, 4, 5, 9", "East",  "Orange, Red, Green",        "Ruby"},
     {"रविवार, सोमवार",              "1, 4, 5, 9", "पूर्व",   "नारंगी, लाल, हरा",           "माणिक्य"}},
    {{"Wednesday, Friday",           "2, 3, 5, 6", "South", "Green",                     "Emerald"},
     {"बुधवार, शुक्रवार",               "2, 3, 5, 6", "दक्षिण", "हरा",                       "पन्ना"}},
    {{"Friday, Wednesday, Thursday", "1, 2, 4",    "West",  "White, Green, Yellow",      "Diamond"},
     {"शुक्रवार, बुधवार, गुरुवार",        "1, 2, 4",    "पश्चिम", "सफ़ेद, हरा, पीला",            "हीरा"}},
    {{"Monday, Tuesday, Thursday",   "3, 7, 9",    "North", "Brown, Red, Yellow, White", "Coral"},
     {"सोमवार, मंगलवार, गुरुवार",       "3, 7, 9",    "उत्तर",  "भूरा, लाल, पीला, सफ़ेद",       "मूँगा"}},
    {{"Sunday, Thursday",            "3, 5, 6, 8", "East",  "Yellow, Gray, Brown",       "Yellow Sapphire"},
     {"रविवार, गुरुवार",               "3, 5, 6, 8", "पूर्व",   "पीला, स्लेटी, भूरा",           "पुखराज"}},
    {{"Saturday, Wednesday",         "6, 8, 9",    "South", "Black, Blue",               "Blue Sapphire"},
     {"शनिवार, बुधवार",               "6, 8, 9",    "दक्षिण", "काला, नीला",                "नीलम"}},
    {{"Thursday, Friday, Saturday",  "2, 3, 7, 9", "West",  "Blue, Black",               "Blue Sapphire"},
     {"गुरुवार, शुक्रवार, शनिवार",       "2, 3, 7, 9", "पश्चिम", "नीला, काला",                "नीलम"}},
    {{"Thursday, Monday, Tuesday",   "1, 3, 4",    "North", "Pink, Cream",               "Yellow Sapphire"},
     {"गुरुवार, सोमवार, मंगलवार",       "1, 3, 4",    "उत्तर",  "गुलाबी, क्रीम",               "पुखराज"}},
    // clang-format on
};
static_assert(std::size(kLuckRows) == kSignCount);

struct CompatibilityRow {
    std::string_view compatibleWith, notCompatibleWith;
};

constexpr Bilingual<CompatibilityRow> kCompatibilityRows[] = {
    // clang-format off
    {{"Leo, Sagittarius, Gemini, Aquarius, Libra",   "Scorpio, Pisces, Cancer"},
     {"सिंह, धनु, मिथुन, कुम्भ, तुला",                     "वृश्चिक, मीन, कर्क"}},
    {{"Cancer, Virgo, Scorpio, Capricorn, Pisces",   "Gemini, Aquarius, Libra"},
     {"कर्क, कन्या, वृश्चिक, मकर, मीन",                  "मिथुन, कुम्भ, तुला"}},
    {{"Aries, Leo, Libra, Sagittarius, Aquarius",    "Taurus, Virgo, Capricorn"},
     {"मेष, सिंह, तुला, धनु, कुम्भ",                       "वृषभ, कन्या, मकर"}},
    {{"Virgo, Scorpio, Capricorn, Pisces, Taurus",   "Aries, Leo, Sagittarius"},
     {"कन्या, वृश्चिक, मकर, मीन, वृषभ",                  "मेष, सिंह, धनु"}},
    // clang-format on
    {{"Libra, Sagittarius, Aquarius, Aries, Gemini", "Scorpio, Pisces, Cancer"},
     // clang-format off
     {"तुला, धनु, कुम्भ, मेष, मिथुन",                      "वृश्चिक, मीन, कर्क"}},
    {{"Scorpio, Capricorn, Pisces, Cancer",          "Gemini, Aquarius, Libra"},
     {"वृश्चिक, मकर, मीन, कर्क",                        "मिथुन, कुम्भ, तुला"}},
    {{"Sagittarius, Aquarius, Aries, Gemini, Leo",   "Taurus, Virgo, Capricorn"},
     {"धनु, कुम्भ, मेष, मिथुन, सिंह",                      "वृषभ, कन्या, मकर"}},
    {{"Capricorn, Pisces, Taurus, Cancer, Virgo",    "Aries, Leo, Sagittarius"},
     {"मकर, मीन, वृषभ, कर्क, कन्या",                    "मेष, सिंह, धनु"}},
    {{"Aquarius, Aries, Gemini, Leo, Libra",         "Scorpio, Pisces, Cancer"},
     {"कुम्भ, मेष, मिथुन, सिंह, तुला",                     "वृश्चिक, मीन, कर्क"}},
    {{"Pisces, Taurus, Cancer, Virgo, Scorpio",      "Gemini, Aquarius, Libra"},
     {"मीन, वृषभ, कर्क, कन्या, वृश्चिक",                  "मिथुन, कुम्भ, तुला"}},
    {{"Aquarius, Libra, Gemini",                     "Taurus, Virgo, Capricorn"},
     {"कुम्भ, तुला, मिथुन",                              "वृषभ, कन्या, मकर"}},
    {{"Taurus, Cancer, Virgo, Scorpio, Capricorn",   "Aries, Leo, Sagittarius"},
     {"वृषभ, कर्क, कन्या, वृश्चिक, मकर",                  "मेष, सिंह, धनु"}},
    // clang-format on
};
static_assert(std::size(kCompatibilityRows) == kSignCount);

}  // namespace

// Declared in the header with its length, so a missing row does not compile.
constexpr std::array<SignField, kSignFieldCount> kSignFields = std::to_array<SignField>({
    // clang-format off
    {"VedicName",            &SignDescription::VedicName},
    {"EnglishName",          &SignDescription::EnglishName},
    {"RullingPlanet",        &SignDescription::RullingPlanet},
    {"Symbol",               &SignDescription::Symbol},
    {"InbornNature",         &SignDescription::InbornNature},
    {"SignColor",            &SignDescription::SignColor},
    {"TypeOfSign",           &SignDescription::TypeOfSign},
    {"Gender",               &SignDescription::Gender},
    // clang-format on
    {"BestPeriodOfActivity", &SignDescription::BestPeriodOfActivity},
    // clang-format off
    {"Barren",               &SignDescription::Barren},
    {"SignCaste",            &SignDescription::SignCaste},
    {"SignPosition",         &SignDescription::SignPosition},
    // clang-format on
    {"ConstituentCharacter", &SignDescription::ConstituentCharacter},
    // clang-format off
    {"LuckyDays",            &SignDescription::LuckyDays},
    {"LuckyNumbers",         &SignDescription::LuckyNumbers},
    {"BestDirection",        &SignDescription::BestDirection},
    {"LuckyColors",          &SignDescription::LuckyColors},
    {"LuckyGemstone",        &SignDescription::LuckyGemstone},
    {"PartOfTheBody",        &SignDescription::PartOfTheBody},
    {"Physique",             &SignDescription::Physique},
    {"Looks",                &SignDescription::Looks},
    {"Nature",               &SignDescription::Nature},
    {"CareerAndFinance",     &SignDescription::CareerAndFinance},
    {"LoveAndDomesticLife",  &SignDescription::LoveAndDomesticLife},
    {"Health",               &SignDescription::Health},
    {"CompatibleWith",       &SignDescription::CompatibleWith},
    {"NotCompatibleWith",    &SignDescription::NotCompatibleWith},
    // clang-format on
});

SignDescription SignDescriptionAt(int sign) { return SignDescriptionAt(sign, Language::English); }

SignDescription SignDescriptionAt(int sign, Language language) {
    if (sign < 0 || sign >= kSignCount) return {};
    const auto i = static_cast<std::size_t>(sign);
    const NameRow& names = kNameRows[i][language];
    const ClassRow& classes = kClassRows[i][language];
    const LuckRow& luck = kLuckRows[i][language];
    const CompatibilityRow& compatibility = kCompatibilityRows[i][language];
    // Designated initialisers must follow the declaration order, so the
    // compiler holds this list to the field order of SignDescription.
    return SignDescription{
        .VedicName = std::string(SignName(sign, language)),
        .EnglishName = std::string(names.englishName),
        .RullingPlanet = std::string(names.rullingPlanet),
        .Symbol = std::string(names.symbol),
        .InbornNature = std::string(names.inbornNature),
        .SignColor = std::string(names.signColor),
        .TypeOfSign = std::string(classes.typeOfSign),
        .Gender = std::string(classes.gender),
        .BestPeriodOfActivity = std::string(classes.bestPeriodOfActivity),
        .Barren = std::string(classes.barren),
        .SignCaste = std::string(classes.signCaste),
        .SignPosition = std::string(classes.signPosition),
        .ConstituentCharacter = std::string(classes.constituentCharacter),
        .LuckyDays = std::string(luck.luckyDays),
        .LuckyNumbers = std::string(luck.luckyNumbers),
        .BestDirection = std::string(luck.bestDirection),
        .LuckyColors = std::string(luck.luckyColors),
        .LuckyGemstone = std::string(luck.luckyGemstone),
        .PartOfTheBody = std::string(classes.partOfTheBody),
        .Physique = std::string(classes.physique),
        .Looks = std::string(signs_detail::kLooks[i][language]),
        .Nature = std::string(signs_detail::kNature[i][language]),
        .CareerAndFinance = std::string(signs_detail::kCareerAndFinance[i][language]),
        .LoveAndDomesticLife = std::string(signs_detail::kLoveAndDomesticLife[i][language]),
        .Health = std::string(signs_detail::kHealth[i][language]),
        .CompatibleWith = std::string(compatibility.compatibleWith),
        .NotCompatibleWith = std::string(compatibility.notCompatibleWith),
    };
}

std::optional<SignDescription> DescribeMoonSign(std::string_view name) {
    return DescribeMoonSign(name, Language::English);
}

std::optional<SignDescription> DescribeMoonSign(std::string_view name, Language language) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (SignName(sign, Language::English) == name) return SignDescriptionAt(sign, language);
    }
    return std::nullopt;
}

std::string_view WesternSignName(int sign, Language language) {
    if (sign < 0 || sign >= kSignCount) return {};
    return kNameRows[sign][language].englishName;
}

}  // namespace nyra
