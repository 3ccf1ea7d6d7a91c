// The Hindi sign texts and names: all there, written in Devanagari and
// spelled one way, and saying what the English says item by item.
#include "engine/names.h"
#include "signs/rashi_information.h"

#include "engine/moon_detail.h"
#include "sign_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nyra {
namespace {

using test::IsAnusvaraForAHalfNasal;
using test::IsNuktaLetterInOneCodePoint;
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

// Characters a Hindi text may hold besides Devanagari. No Latin letters at
// all: the texts need no proper name or address in Latin script, so there
// is no list of exceptions.
constexpr std::u32string_view kAllowedOutsideDevanagari = U" ,;-()0123456789";

TEST(HindiText, IsDevanagariSpelledOneWay) {
    for (const LabelledText& entry : AllHindiTexts()) {
        SCOPED_TRACE(testing::Message() << entry.label << ": " << entry.text);
        for (const std::string& fault : test::HindiWritingFaults(entry.text, kAllowedOutsideDevanagari))
            ADD_FAILURE() << fault;
    }
}

TEST(HindiText, ChecksCatchWhatTheyAreFor) {
    EXPECT_FALSE(DecodeUtf8("\xE0\xA4").has_value());  // cut short
    EXPECT_FALSE(DecodeUtf8("\xC0\xAF").has_value());  // overlong '/'
    EXPECT_EQ(DecodeUtf8("कुम्भ"), std::u32string(U"कुम्भ"));
    const std::u32string halfNasal = U"कुंभ", nasalVowel = U"नींद";
    EXPECT_TRUE(IsAnusvaraForAHalfNasal(halfNasal, 2));
    EXPECT_FALSE(IsAnusvaraForAHalfNasal(nasalVowel, 2));
    EXPECT_TRUE(IsNuktaLetterInOneCodePoint(U'\u095B'));  // ज़ in one code point
    EXPECT_EQ(test::HindiWritingFaults("चंद्र x", kAllowedOutsideDevanagari).size(), 2u);
    EXPECT_EQ(test::HindiWritingFaults("कुम्भ.", kAllowedOutsideDevanagari).size(), 1u);
    EXPECT_TRUE(test::HindiWritingFaults("कुम्भ (3)", kAllowedOutsideDevanagari).empty());
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
    for (int sign = 0; sign < kSignCount; ++sign)
        signOfWesternName[std::string(WesternSignName(sign, Language::English))] = sign;
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
        for (int outside : {-1, static_cast<int>(kNakshatraNames.size())})
            EXPECT_EQ(NakshatraName(outside, language), "");
        for (int outside : {0, 13}) EXPECT_EQ(MonthName(outside, language), "");
        for (std::string_view lord : kNakshatraLords) EXPECT_NE(PlanetName(lord, language), "") << lord;
        for (std::string_view unknown : {"Pluto", "ketu", "", "Ketu "}) EXPECT_EQ(PlanetName(unknown, language), "");
        for (int outside : {-1, kSignCount}) EXPECT_EQ(SignName(outside, language), "");
        for (int sign = 0; sign < kSignCount; ++sign) {
            EXPECT_EQ(SignNameFor(SignName(sign, Language::English), language), SignName(sign, language));
        }
        // Not a sign's name: given back, for the caller's text to show.
        for (std::string_view unknown : {"Pluto", "thula", ""}) EXPECT_EQ(SignNameFor(unknown, language), unknown);
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

}  // namespace
}  // namespace nyra
