#include "signs/rashi_information.h"

#include "signs/sign_paragraphs.h"

#include <cstddef>
#include <iterator>

namespace nyra {
namespace {

// The short tables are kept as rows, one per sign, so a sign's texts read
// across one line. Several entries look odd ("Rulling" is the field's
// historical spelling, "Yellowish brown", the Virgo and Aquarius
// compatibility lists) but they are the texts users have always seen and
// the report prints them verbatim.

struct NameRow {
    std::string_view vedicName, englishName, rullingPlanet, symbol, inbornNature, signColor;
};

constexpr NameRow kNameRows[] = {
    {"Mesha",     "Aries",       "Mars",    "The Ram",           "Fire",  "Red, Brown, Copper"},
    {"Vrishabha", "Taurus",      "Venus",   "The Bull",          "Earth", "White"},
    {"Mithuna",   "Gemini",      "Mercury", "The Twins",         "Air",   "Green"},
    {"Kataka",    "Cancer",      "Moon",    "The Crab",          "Water", "Pink"},
    {"Simha",     "Leo",         "Sun",     "The Lion",          "Fire",  "White"},
    {"Kanya",     "Virgo",       "Mercury", "The Virgin",        "Earth", "Multicolored"},
    {"Thula",     "Libra",       "Venus",   "The Balance",       "Air",   "Black"},
    {"Vrischika", "Scorpio",     "Mars",    "The Scorpion",      "Water", "Reddish Brown"},
    {"Dhanus",    "Sagittarius", "Jupiter", "The Archer",        "Fire",  "Yellowish brown"},
    {"Makara",    "Capricorn",   "Saturn",  "The Crocodile",     "Earth", "Multicolored"},
    {"Kumbha",    "Aquarius",    "Saturn",  "The Water Carrier", "Air",   "Deep Brown"},
    {"Meena",     "Pisces",      "Jupiter", "The Double Fish",   "Water", "Blue"},
};
static_assert(std::size(kNameRows) == kSignCount);

struct ClassRow {
    std::string_view typeOfSign, gender, bestPeriodOfActivity, barren, signCaste, signPosition,
        constituentCharacter, partOfTheBody, physique;
};

// TypeOfSign, SignPosition and ConstituentCharacter go round every three
// signs (movable, fixed, dual); SignCaste, like InbornNature and
// BestDirection, every four (with the element). The other columns follow
// no cycle.
constexpr ClassRow kClassRows[] = {
    {"Movable", "Male",   "Night", "Barren",        "Kshatriya", "Dwara",  "Mineral (Dhatu)",   "Head",                  "Short"},
    {"Fixed",   "Female", "Night", "Semi-Fruitful", "Vaisya",    "Bahya",  "Vegetable (Moola)", "Face",                  "Short"},
    {"Mixed",   "Female", "Night", "Barren",        "Sudra",     "Garbha", "Animal (Jeeva)",    "Shoulders",             "Even"},
    {"Movable", "Female", "Night", "Fruitful",      "Brahmana",  "Dwara",  "Mineral (Dhatu)",   "Chest",                 "Even"},
    {"Fixed",   "Male",   "Day",   "Barren",        "Kshatriya", "Bahya",  "Vegetable (Moola)", "Heart & Stomach",       "Tall"},
    {"Mixed",   "Female", "Day",   "Barren",        "Vaisya",    "Garbha", "Animal (Jeeva)",    "Abdomen",               "Tall"},
    {"Movable", "Male",   "Day",   "Semi-Fruitful", "Sudra",     "Dwara",  "Mineral (Dhatu)",   "Lower Abdomen & Groin", "Tall"},
    {"Fixed",   "Female", "Day",   "Fruitful",      "Brahmana",  "Bahya",  "Vegetable (Moola)", "External Genitalia",    "Tall"},
    {"Mixed",   "Male",   "Night", "Semi-Fruitful", "Kshatriya", "Garbha", "Animal (Jeeva)",    "Thighs",                "Even"},
    {"Movable", "Female", "Night", "Barren",        "Vaisya",    "Dwara",  "Mineral (Dhatu)",   "Knees",                 "Even"},
    {"Fixed",   "Male",   "Day",   "Semi-Fruitful", "Sudra",     "Bahya",  "Vegetable (Moola)", "Calves",                "Short"},
    {"Mixed",   "Female", "Day",   "Fruitful",      "Brahmana",  "Garbha", "Animal (Jeeva)",    "Feet",                  "Short"},
};
static_assert(std::size(kClassRows) == kSignCount);

struct LuckRow {
    std::string_view luckyDays, luckyNumbers, bestDirection, luckyColors, luckyGemstone;
};

constexpr LuckRow kLuckRows[] = {
    {"Monday, Tuesday",             "9, 1",       "East",  "Red, Brown, Copper",        "Coral"},
    {"Thursday, Friday",            "2, 8",       "South", "Pink, Green",               "Diamond"},
    {"Monday, Wednesday",           "3, 7",       "West",  "Yellow, Purple, Blue",      "Emerald"},
    {"Monday, Thursday",            "2, 7, 9",    "North", "White, Red, Yellow",        "Pearl"},
    {"Sunday, Monday",              "1, 4, 5, 9", "East",  "Orange, Red, Green",        "Ruby"},
    {"Wednesday, Friday",           "2, 3, 5, 6", "South", "Green",                     "Emerald"},
    {"Friday, Wednesday, Thursday", "1, 2, 4",    "West",  "White, Green, Yellow",      "Diamond"},
    {"Monday, Tuesday, Thursday",   "3, 7, 9",    "North", "Brown, Red, Yellow, White", "Coral"},
    {"Sunday, Thursday",            "3, 5, 6, 8", "East",  "Yellow, Gray, Brown",       "Yellow Sapphire"},
    {"Saturday, Wednesday",         "6, 8, 9",    "South", "Black, Blue",               "Blue Sapphire"},
    {"Thursday, Friday, Saturday",  "2, 3, 7, 9", "West",  "Blue, Black",               "Blue Sapphire"},
    {"Thursday, Monday, Tuesday",   "1, 3, 4",    "North", "Pink, Cream",               "Yellow Sapphire"},
};
static_assert(std::size(kLuckRows) == kSignCount);

struct CompatibilityRow {
    std::string_view compatibleWith, notCompatibleWith;
};

constexpr CompatibilityRow kCompatibilityRows[] = {
    {"Leo, Sagittarius, Gemini, Aquarius, Libra",   "Scorpio, Pisces, Cancer"},
    {"Cancer, Virgo, Scorpio, Capricorn, Pisces",   "Gemini, Aquarius, Libra"},
    {"Aries, Leo, Libra, Sagittarius, Aquarius",    "Taurus, Virgo, Capricorn"},
    {"Virgo, Scorpio, Capricorn, Pisces, Taurus",   "Aries, Leo, Sagittarius"},
    {"Libra, Sagittarius, Aquarius, Aries, Gemini", "Scorpio, Pisces, Cancer"},
    {"Scorpio, Capricorn, Pisces, Cancer",          "Gemini, Aquarius, Libra"},
    {"Sagittarius, Aquarius, Aries, Gemini, Leo",   "Taurus, Virgo, Capricorn"},
    {"Capricorn, Pisces, Taurus, Cancer, Virgo",    "Aries, Leo, Sagittarius"},
    {"Aquarius, Aries, Gemini, Leo, Libra",         "Scorpio, Pisces, Cancer"},
    {"Pisces, Taurus, Cancer, Virgo, Scorpio",      "Gemini, Aquarius, Libra"},
    {"Aquarius, Libra, Gemini",                     "Taurus, Virgo, Capricorn"},
    {"Taurus, Cancer, Virgo, Scorpio, Capricorn",   "Aries, Leo, Sagittarius"},
};
static_assert(std::size(kCompatibilityRows) == kSignCount);

} // namespace

// Declared in the header with its length, so a missing row does not compile.
constexpr std::array<SignField, kSignFieldCount> kSignFields = std::to_array<SignField>({
    {"VedicName",            &SignDescription::VedicName},
    {"EnglishName",          &SignDescription::EnglishName},
    {"RullingPlanet",        &SignDescription::RullingPlanet},
    {"Symbol",               &SignDescription::Symbol},
    {"InbornNature",         &SignDescription::InbornNature},
    {"SignColor",            &SignDescription::SignColor},
    {"TypeOfSign",           &SignDescription::TypeOfSign},
    {"Gender",               &SignDescription::Gender},
    {"BestPeriodOfActivity", &SignDescription::BestPeriodOfActivity},
    {"Barren",               &SignDescription::Barren},
    {"SignCaste",            &SignDescription::SignCaste},
    {"SignPosition",         &SignDescription::SignPosition},
    {"ConstituentCharacter", &SignDescription::ConstituentCharacter},
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
});

SignDescription SignDescriptionAt(int sign) {
    if (sign < 0 || sign >= kSignCount) return {};
    const auto i = static_cast<std::size_t>(sign);
    const NameRow& names = kNameRows[i];
    const ClassRow& classes = kClassRows[i];
    const LuckRow& luck = kLuckRows[i];
    const CompatibilityRow& compatibility = kCompatibilityRows[i];
    // Designated initialisers must follow the declaration order, so the
    // compiler holds this list to the field order of SignDescription.
    return SignDescription{
        .VedicName = std::string(names.vedicName),
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
        .Looks = std::string(signs_detail::kLooks[i]),
        .Nature = std::string(signs_detail::kNature[i]),
        .CareerAndFinance = std::string(signs_detail::kCareerAndFinance[i]),
        .LoveAndDomesticLife = std::string(signs_detail::kLoveAndDomesticLife[i]),
        .Health = std::string(signs_detail::kHealth[i]),
        .CompatibleWith = std::string(compatibility.compatibleWith),
        .NotCompatibleWith = std::string(compatibility.notCompatibleWith),
    };
}

std::optional<SignDescription> DescribeMoonSign(std::string_view name) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (kNameRows[sign].vedicName == name) return SignDescriptionAt(sign);
    }
    return std::nullopt;
}

} // namespace nyra
