// The Hindi sign texts and names: all there, written in Devanagari and
// spelled one way, and saying what the English says item by item.
#include "engine/names.h"
#include "signs/rashi_information.h"

#include "engine/moon_detail.h"
#include "sign_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nyra {
namespace {

using testing_support::DecodeUtf8;
using testing_support::IsParagraphField;
using testing_support::ListItems;

struct LabelledText {
    std::string label;
    std::string text;
};

// Every Hindi text the library gives: 12 signs × 27 fields and the name
// tables.
std::vector<LabelledText> AllHindiTexts() {
    std::vector<LabelledText> texts;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign, Language::Hindi);
        for (const SignField& field : kSignFields) {
            texts.push_back({"sign " + std::to_string(sign) + " " + std::string(field.name), d.*field.member});
        }
    }
    for (int n = 0; n < static_cast<int>(kNakshatraNames.size()); ++n)
        texts.push_back({"nakshatra " + std::to_string(n), std::string(NakshatraName(n, Language::Hindi))});
    for (std::string_view lord : kNakshatraLords)
        texts.push_back({"planet " + std::string(lord), std::string(PlanetName(lord, Language::Hindi))});
    for (int month = 1; month <= 12; ++month)
        texts.push_back({"month " + std::to_string(month), std::string(MonthName(month, Language::Hindi))});
    return texts;
}

bool HasLetter(std::string_view text) {
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    }
    return false;
}

TEST(HindiSignTables, EveryFieldIsWrittenInBothLanguages) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription english = SignDescriptionAt(sign, Language::English);
        const SignDescription hindi = SignDescriptionAt(sign, Language::Hindi);
        for (const SignField& field : kSignFields) {
            SCOPED_TRACE(testing::Message() << english.VedicName << ", " << field.name);
            EXPECT_FALSE((english.*field.member).empty());
            EXPECT_FALSE((hindi.*field.member).empty());
            // Only the lucky numbers read the same in both.
            if (HasLetter(english.*field.member)) {
                EXPECT_NE(hindi.*field.member, english.*field.member);
            }
        }
    }
}

// ---------------------------------------------------------------- script

bool IsDevanagariConsonant(char32_t c) { return c >= U'क' && c <= U'ह'; }

// Characters a Hindi text may hold besides Devanagari. No Latin letters at
// all: the texts need no proper name or address in Latin script, so there
// is no list of exceptions.
bool IsAllowedOutsideDevanagari(char32_t c) {
    return c == ' ' || c == ',' || c == ';' || c == '-' || c == '(' || c == ')' || (c >= '0' && c <= '9');
}

// क़ ख़ ग़ ज़ ड़ ढ़ फ़ य़ as single code points: text typed that way spells a word
// differently, byte for byte, from the letter followed by the nukta (the
// normal form, and what these texts use), so the two never compare equal.
bool IsNuktaLetterInOneCodePoint(char32_t c) { return c >= 0x958 && c <= 0x95F; }

// A nasal before a consonant of its own class, from ट to न and प to म, is
// a half letter here, as in the names चन्द्र, कुम्भ, सितम्बर; an anusvara
// there (चंद्र) would spell the same word a second way. After a vowel sign
// above the line (नींद, में, ऐंठन) the dot marks a nasal vowel and stays.
bool IsAnusvaraForAHalfNasal(const std::u32string& s, std::size_t i) {
    if (s[i] != U'ं' || i == 0 || i + 1 == s.size()) return false;
    const char32_t before = s[i - 1], after = s[i + 1];
    const bool afterConsonantSound = IsDevanagariConsonant(before) || before == U'ि' || before == U'ु' ||
                                     before == U'अ' || before == U'इ' || before == U'उ';
    const bool ownClass = (after >= U'ट' && after <= U'न') || (after >= U'प' && after <= U'म');
    return afterConsonantSound && ownClass;
}

std::string CodePointName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

TEST(HindiText, IsDevanagariSpelledOneWay) {
    for (const LabelledText& entry : AllHindiTexts()) {
        SCOPED_TRACE(testing::Message() << entry.label << ": " << entry.text);
        ASSERT_FALSE(entry.text.empty());
        EXPECT_NE(entry.text.front(), ' ');
        EXPECT_NE(entry.text.back(), ' ');
        const auto codePoints = DecodeUtf8(entry.text);
        ASSERT_TRUE(codePoints.has_value()) << "not UTF-8";
        for (std::size_t i = 0; i < codePoints->size(); ++i) {
            const char32_t c = (*codePoints)[i];
            if (c < 0x80 && HasLetter(std::string(1, static_cast<char>(c)))) {
                ADD_FAILURE() << "Latin letter '" << static_cast<char>(c) << "'";
            } else if (IsNuktaLetterInOneCodePoint(c)) {
                ADD_FAILURE() << CodePointName(c) << ": write the letter and then the nukta";
            } else if (!(c >= 0x900 && c <= 0x97F) && !IsAllowedOutsideDevanagari(c)) {
                ADD_FAILURE() << "character " << CodePointName(c);
            }
            EXPECT_FALSE(IsAnusvaraForAHalfNasal(*codePoints, i))
                << "anusvara before " << CodePointName((*codePoints)[i + 1]) << ": write a half nasal";
        }
    }
}

TEST(HindiText, ChecksCatchWhatTheyAreFor) {
    EXPECT_FALSE(DecodeUtf8("\xE0\xA4").has_value());           // cut short
    EXPECT_FALSE(DecodeUtf8("\xC0\xAF").has_value());           // overlong '/'
    EXPECT_EQ(DecodeUtf8("कुम्भ"), std::u32string(U"कुम्भ"));
    const std::u32string halfNasal = U"कुंभ", nasalVowel = U"नींद";
    EXPECT_TRUE(IsAnusvaraForAHalfNasal(halfNasal, 2));
    EXPECT_FALSE(IsAnusvaraForAHalfNasal(nasalVowel, 2));
    EXPECT_TRUE(IsNuktaLetterInOneCodePoint(U'\u095B'));       // ज़ in one code point
}

// ---------------------------------------------------------------- lists

// Fields whose items share one vocabulary.
std::string VocabularyOf(std::string_view field) {
    if (field == "SignColor" || field == "LuckyColors") return "colours";
    if (field == "CompatibleWith" || field == "NotCompatibleWith") return "signs";
    return std::string(field);
}

// The Hindi lists say what the English lists say: as many items, in the
// same order, and each English word rendered by one Hindi word wherever it
// stands (and no two English words by the same one). A day, colour or sign
// dropped, added or swapped in one row breaks the pairing.
TEST(HindiSignTables, ListsRenderTheEnglishItemByItem) {
    std::map<std::pair<std::string, std::string>, std::string> hindiFor, englishFor;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription english = SignDescriptionAt(sign, Language::English);
        const SignDescription hindi = SignDescriptionAt(sign, Language::Hindi);
        for (const SignField& field : kSignFields) {
            if (IsParagraphField(field.name)) continue;
            SCOPED_TRACE(testing::Message() << english.VedicName << ", " << field.name);
            const auto englishItems = ListItems(english.*field.member);
            const auto hindiItems = ListItems(hindi.*field.member);
            ASSERT_EQ(hindiItems.size(), englishItems.size()) << hindi.*field.member;
            const std::string vocabulary = VocabularyOf(field.name);
            for (std::size_t k = 0; k < englishItems.size(); ++k) {
                const auto [h, newEnglish] = hindiFor.emplace(std::pair(vocabulary, englishItems[k]), hindiItems[k]);
                EXPECT_EQ(h->second, hindiItems[k]) << englishItems[k] << " rendered two ways";
                const auto [e, newHindi] = englishFor.emplace(std::pair(vocabulary, hindiItems[k]), englishItems[k]);
                EXPECT_EQ(e->second, englishItems[k]) << hindiItems[k] << " renders two words";
            }
        }
    }
}

// English lists signs by their Western names; Hindi by the Hindi names of
// the same signs, as SignName gives them.
TEST(HindiSignTables, SignListsUseTheSignsHindiNames) {
    std::map<std::string, int> signOfWesternName;
    for (int sign = 0; sign < kSignCount; ++sign) signOfWesternName[std::string(WesternSignName(sign, Language::English))] = sign;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription english = SignDescriptionAt(sign, Language::English);
        const SignDescription hindi = SignDescriptionAt(sign, Language::Hindi);
        for (auto member : {&SignDescription::CompatibleWith, &SignDescription::NotCompatibleWith}) {
            const auto englishItems = ListItems(english.*member);
            const auto hindiItems = ListItems(hindi.*member);
            ASSERT_EQ(hindiItems.size(), englishItems.size()) << english.VedicName;
            for (std::size_t k = 0; k < englishItems.size(); ++k) {
                ASSERT_TRUE(signOfWesternName.count(englishItems[k])) << englishItems[k];
                EXPECT_EQ(hindiItems[k], SignName(signOfWesternName[englishItems[k]], Language::Hindi))
                    << english.VedicName << " lists " << englishItems[k];
            }
        }
    }
}

TEST(HindiSignTables, RulingPlanetIsThePlanetsName) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string english = SignDescriptionAt(sign, Language::English).RullingPlanet;
        SCOPED_TRACE(english);
        EXPECT_EQ(PlanetName(english, Language::English), english);
        EXPECT_EQ(PlanetName(english, Language::Hindi), SignDescriptionAt(sign, Language::Hindi).RullingPlanet);
    }
}

// ---------------------------------------------------------------- names

TEST(Names, EveryNumberHasADistinctNameInEachLanguage) {
    for (Language language : kLanguages) {
        std::set<std::string_view> nakshatras, months;
        for (int n = 0; n < static_cast<int>(kNakshatraNames.size()); ++n) {
            EXPECT_TRUE(nakshatras.insert(NakshatraName(n, language)).second) << NakshatraName(n, language);
        }
        for (int month = 1; month <= 12; ++month) {
            EXPECT_TRUE(months.insert(MonthName(month, language)).second) << MonthName(month, language);
        }
        EXPECT_EQ(nakshatras.count(""), 0u);
        EXPECT_EQ(months.count(""), 0u);
        for (int outside : {-1, static_cast<int>(kNakshatraNames.size())}) EXPECT_EQ(NakshatraName(outside, language), "");
        for (int outside : {0, 13}) EXPECT_EQ(MonthName(outside, language), "");
        for (std::string_view lord : kNakshatraLords) EXPECT_NE(PlanetName(lord, language), "") << lord;
        for (std::string_view unknown : {"Pluto", "ketu", "", "Ketu "}) EXPECT_EQ(PlanetName(unknown, language), "");
    }
    EXPECT_EQ(NakshatraName(26, Language::English), kNakshatraNames[26]);
    EXPECT_EQ(MonthName(1, Language::English), "January");
}

// Spellings pinned where a row could slip or a name be misspelt: the first
// and last of each table, the pairs that differ only in a prefix, and the
// names with a nukta.
TEST(Names, HindiSpellings) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {NakshatraName(0, Language::Hindi), "अश्विनी"},
        {NakshatraName(2, Language::Hindi), "कृत्तिका"},
        {NakshatraName(10, Language::Hindi), "पूर्वाफाल्गुनी"},
        {NakshatraName(11, Language::Hindi), "उत्तराफाल्गुनी"},
        {NakshatraName(19, Language::Hindi), "पूर्वाषाढ़ा"},
        {NakshatraName(20, Language::Hindi), "उत्तराषाढ़ा"},
        {NakshatraName(25, Language::Hindi), "उत्तराभाद्रपद"},
        {NakshatraName(26, Language::Hindi), "रेवती"},
        {PlanetName("Moon", Language::Hindi), "चन्द्र"},
        {PlanetName("Jupiter", Language::Hindi), "बृहस्पति"},
        {PlanetName("Rahu", Language::Hindi), "राहु"},
        {PlanetName("Ketu", Language::Hindi), "केतु"},
        {MonthName(1, Language::Hindi), "जनवरी"},
        {MonthName(2, Language::Hindi), "फ़रवरी"},
        {MonthName(9, Language::Hindi), "सितम्बर"},
        {MonthName(12, Language::Hindi), "दिसम्बर"},
    };
    for (const auto& [actual, expected] : names) EXPECT_EQ(actual, expected);
}

} // namespace
} // namespace nyra
