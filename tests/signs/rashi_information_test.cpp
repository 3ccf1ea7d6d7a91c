#include "signs/rashi_information.h"

#include "engine/ephemeris.h"
#include "sign_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

namespace nyra {
namespace {

using testing_support::FieldText;
using testing_support::IsParagraphField;
using testing_support::ListItems;

// ---------------------------------------------------------------- lookup

TEST(DescribeMoonSign, MeshaIsAriesRuledByMars) {
    const auto mesha = DescribeMoonSign("Mesha");
    ASSERT_TRUE(mesha.has_value());
    EXPECT_EQ(mesha->EnglishName, "Aries");
    EXPECT_EQ(mesha->RullingPlanet, "Mars");
    EXPECT_EQ(mesha->LuckyNumbers, "9, 1");
    EXPECT_EQ(mesha->BestDirection, "East");
}

TEST(DescribeMoonSign, MeenaRulesTheFeet) {
    const auto meena = DescribeMoonSign("Meena");
    ASSERT_TRUE(meena.has_value());
    EXPECT_EQ(meena->PartOfTheBody, "Feet");
    EXPECT_EQ(meena->Physique, "Short");
    EXPECT_EQ(meena->LuckyGemstone, "Yellow Sapphire");
}

// The engine names the sign; this table must know every name it can give,
// at the same sign number, or the result window would show the wrong sign.
TEST(DescribeMoonSign, FindsEveryNameTheEngineGives) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const RashiNameRow& row = RashiNames[static_cast<std::size_t>(sign)];
        SCOPED_TRACE(row.name);
        const auto found = DescribeMoonSign(row.name);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, SignDescriptionAt(sign));
        EXPECT_EQ(found->EnglishName.substr(0, 3), row.abbrev);
    }
}

struct UnknownName {
    const char* label;
    std::string_view name;
};

void PrintTo(const UnknownName& row, std::ostream* os) { *os << row.label; }

class DescribeMoonSignUnknown : public ::testing::TestWithParam<UnknownName> {};

TEST_P(DescribeMoonSignUnknown, FindsNothing) {
    EXPECT_FALSE(DescribeMoonSign(GetParam().name).has_value());
    for (Language language : kLanguages) {
        EXPECT_FALSE(DescribeMoonSign(GetParam().name, language).has_value());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Names, DescribeMoonSignUnknown,
    ::testing::Values(
        UnknownName{"SmallInitial", "mesha"},
        UnknownName{"AllCapitals", "MESHA"},
        UnknownName{"EnglishName", "Aries"},
        UnknownName{"Empty", ""},
        UnknownName{"Prefix", "Mesh"},
        UnknownName{"Longer", "Meshaa"},
        UnknownName{"TrailingBlank", "Mesha "},
        UnknownName{"LeadingBlank", " Meena"},
        UnknownName{"EmbeddedNul", std::string_view("Mesha\0x", 7)},
        UnknownName{"Abbreviation", "Ari"},
        UnknownName{"HindiName", "मेष"}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// The engine's name chooses the sign whatever the language of the texts.
TEST(DescribeMoonSign, GivesTheTextsInTheLanguageAsked) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string_view name = RashiNames[static_cast<std::size_t>(sign)].name;
        SCOPED_TRACE(name);
        for (Language language : kLanguages) {
            const auto found = DescribeMoonSign(name, language);
            ASSERT_TRUE(found.has_value());
            EXPECT_EQ(*found, SignDescriptionAt(sign, language));
        }
    }
    EXPECT_EQ(DescribeMoonSign("Kataka", Language::Hindi)->VedicName, "कर्क");
}

TEST(SignDescriptionAt, OutsideTheZodiacIsEmpty) {
    for (int sign : {-1, kSignCount, kSignCount + 1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(sign);
        EXPECT_EQ(SignDescriptionAt(sign), SignDescription{});
        for (Language language : kLanguages) {
            EXPECT_EQ(SignDescriptionAt(sign, language), SignDescription{});
            EXPECT_EQ(SignName(sign, language), "");
            EXPECT_EQ(WesternSignName(sign, language), "");
        }
    }
}

TEST(SignName, IsTheDescriptionsName) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        for (Language language : kLanguages) {
            const SignDescription d = SignDescriptionAt(sign, language);
            EXPECT_EQ(SignName(sign, language), d.VedicName);
            EXPECT_EQ(WesternSignName(sign, language), d.EnglishName);
        }
    }
}

// ---------------------------------------------------------------- field table

TEST(SignFields, NamesAndMembersAreDistinct) {
    for (std::size_t i = 0; i < kSignFields.size(); ++i) {
        for (std::size_t j = i + 1; j < kSignFields.size(); ++j) {
            EXPECT_NE(kSignFields[i].name, kSignFields[j].name) << i << " and " << j;
            EXPECT_NE(kSignFields[i].member, kSignFields[j].member)
                << kSignFields[i].name << " and " << kSignFields[j].name;
        }
    }
}

// ---------------------------------------------------------------- cells

// Cells as the published tables give them, chosen where a careless copy
// would most likely "correct" or mistype the stored text, and so that every
// short field is pinned in some sign: a shifted column shows.
struct SignCell {
    const char* label;
    int sign;
    std::string_view field;
    std::string_view text;
    Language language = Language::English;
};

void PrintTo(const SignCell& row, std::ostream* os) { *os << row.label; }

class SignCellTest : public ::testing::TestWithParam<SignCell> {};

TEST_P(SignCellTest, IsAsPublished) {
    const SignCell& cell = GetParam();
    EXPECT_EQ(FieldText(SignDescriptionAt(cell.sign, cell.language), cell.field), cell.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cells, SignCellTest,
    ::testing::Values(
        SignCell{"MeshaSignColor", 0, "SignColor", "Red, Brown, Copper"},
        SignCell{"MeshaInbornNature", 0, "InbornNature", "Fire"},
        SignCell{"MeshaTypeOfSign", 0, "TypeOfSign", "Movable"},
        SignCell{"MeshaGender", 0, "Gender", "Male"},
        SignCell{"MeshaPeriod", 0, "BestPeriodOfActivity", "Night"},
        SignCell{"MeshaCaste", 0, "SignCaste", "Kshatriya"},
        SignCell{"MeshaConstituent", 0, "ConstituentCharacter", "Mineral (Dhatu)"},
        SignCell{"MeshaNotCompatible", 0, "NotCompatibleWith", "Scorpio, Pisces, Cancer"},
        SignCell{"VrishabhaBarren", 1, "Barren", "Semi-Fruitful"},
        SignCell{"VrishabhaColors", 1, "LuckyColors", "Pink, Green"},
        SignCell{"MithunaPosition", 2, "SignPosition", "Garbha"},
        SignCell{"MithunaColors", 2, "LuckyColors", "Yellow, Purple, Blue"},
        SignCell{"KatakaNumbers", 3, "LuckyNumbers", "2, 7, 9"},
        SignCell{"KatakaGem", 3, "LuckyGemstone", "Pearl"},
        SignCell{"SimhaBody", 4, "PartOfTheBody", "Heart & Stomach"},
        SignCell{"SimhaPeriod", 4, "BestPeriodOfActivity", "Day"},
        SignCell{"KanyaColor", 5, "SignColor", "Multicolored"},
        SignCell{"ThulaPlanet", 6, "RullingPlanet", "Venus"},
        SignCell{"ThulaSymbol", 6, "Symbol", "The Balance"},
        SignCell{"ThulaCaste", 6, "SignCaste", "Sudra"},
        SignCell{"ThulaDays", 6, "LuckyDays", "Friday, Wednesday, Thursday"},
        SignCell{"ThulaBody", 6, "PartOfTheBody", "Lower Abdomen & Groin"},
        SignCell{"VrischikaColor", 7, "SignColor", "Reddish Brown"},
        SignCell{"VrischikaGender", 7, "Gender", "Female"},
        SignCell{"VrischikaConstituent", 7, "ConstituentCharacter", "Vegetable (Moola)"},
        SignCell{"VrischikaColors", 7, "LuckyColors", "Brown, Red, Yellow, White"},
        SignCell{"VrischikaBody", 7, "PartOfTheBody", "External Genitalia"},
        SignCell{"VrischikaPhysique", 7, "Physique", "Tall"},
        SignCell{"VrischikaDirection", 7, "BestDirection", "North"},
        SignCell{"KanyaCompatible", 5, "CompatibleWith", "Scorpio, Capricorn, Pisces, Cancer"},
        SignCell{"DhanusColor", 8, "SignColor", "Yellowish brown"},
        SignCell{"DhanusNumbers", 8, "LuckyNumbers", "3, 5, 6, 8"},
        SignCell{"MakaraSymbol", 9, "Symbol", "The Crocodile"},
        SignCell{"KumbhaSymbol", 10, "Symbol", "The Water Carrier"},
        SignCell{"KumbhaColor", 10, "SignColor", "Deep Brown"},
        SignCell{"KumbhaNumbers", 10, "LuckyNumbers", "2, 3, 7, 9"},
        SignCell{"KumbhaGem", 10, "LuckyGemstone", "Blue Sapphire"},
        SignCell{"KumbhaCompatibleWithItself", 10, "CompatibleWith", "Aquarius, Libra, Gemini"},
        SignCell{"MakaraDays", 9, "LuckyDays", "Saturday, Wednesday"},
        SignCell{"MeenaSymbol", 11, "Symbol", "The Double Fish"},
        SignCell{"MeenaDays", 11, "LuckyDays", "Thursday, Monday, Tuesday"},
        SignCell{"MeenaCompatible", 11, "CompatibleWith",
                 "Taurus, Cancer, Virgo, Scorpio, Capricorn"},
        // Every short field once in Hindi, the words a careless rendering
        // would most likely vary: the rest of each column must then agree
        // with these (HindiSignTables, ListsRenderTheEnglishItemByItem).
        SignCell{"HindiMeshaVedic", 0, "VedicName", "मेष", Language::Hindi},
        SignCell{"HindiMeenaWestern", 11, "EnglishName", "पाइसीज़", Language::Hindi},
        SignCell{"HindiThulaPlanet", 6, "RullingPlanet", "शुक्र", Language::Hindi},
        SignCell{"HindiKumbhaSymbol", 10, "Symbol", "घड़ा लिए पुरुष", Language::Hindi},
        SignCell{"HindiMeshaElement", 0, "InbornNature", "अग्नि", Language::Hindi},
        SignCell{"HindiVrischikaColor", 7, "SignColor", "कत्थई", Language::Hindi},
        SignCell{"HindiMithunaType", 2, "TypeOfSign", "द्विस्वभाव", Language::Hindi},
        SignCell{"HindiVrischikaGender", 7, "Gender", "स्त्री", Language::Hindi},
        SignCell{"HindiSimhaPeriod", 4, "BestPeriodOfActivity", "दिन", Language::Hindi},
        SignCell{"HindiVrishabhaBarren", 1, "Barren", "अर्ध-फलदायी", Language::Hindi},
        SignCell{"HindiThulaCaste", 6, "SignCaste", "शूद्र", Language::Hindi},
        SignCell{"HindiMithunaPosition", 2, "SignPosition", "गर्भ", Language::Hindi},
        SignCell{"HindiVrischikaConstituent", 7, "ConstituentCharacter", "मूल (वनस्पति)",
                 Language::Hindi},
        SignCell{"HindiThulaDays", 6, "LuckyDays", "शुक्रवार, बुधवार, गुरुवार", Language::Hindi},
        SignCell{"HindiMeenaDays", 11, "LuckyDays", "गुरुवार, सोमवार, मंगलवार", Language::Hindi},
        SignCell{"HindiMakaraDays", 9, "LuckyDays", "शनिवार, बुधवार", Language::Hindi},
        SignCell{"HindiSimhaDays", 4, "LuckyDays", "रविवार, सोमवार", Language::Hindi},
        SignCell{"HindiMeshaNumbers", 0, "LuckyNumbers", "9, 1", Language::Hindi},
        SignCell{"HindiVrischikaDirection", 7, "BestDirection", "उत्तर", Language::Hindi},
        SignCell{"HindiMithunaColors", 2, "LuckyColors", "पीला, बैंगनी, नीला", Language::Hindi},
        SignCell{"HindiDhanusGem", 8, "LuckyGemstone", "पुखराज", Language::Hindi},
        SignCell{"HindiThulaBody", 6, "PartOfTheBody", "पेड़ू और जंघामूल", Language::Hindi},
        SignCell{"HindiMeenaPhysique", 11, "Physique", "छोटा क़द", Language::Hindi},
        SignCell{"HindiKumbhaCompatible", 10, "CompatibleWith", "कुम्भ, तुला, मिथुन", Language::Hindi},
        SignCell{"HindiMeshaNotCompatible", 0, "NotCompatibleWith", "वृश्चिक, मीन, कर्क",
                 Language::Hindi}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// ---------------------------------------------------------------- whole tables

TEST(SignTables, EveryTextIsFilledAndPrintable) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign);
        for (const SignField& field : kSignFields) {
            const std::string& text = d.*field.member;
            SCOPED_TRACE(testing::Message() << "sign " << sign << ", " << field.name);
            ASSERT_FALSE(text.empty());
            for (char c : text) {
                // Plain printable ASCII only: no tab or line break, which would
                // break the report's one line per item and the batch columns.
                EXPECT_TRUE(c >= ' ' && c <= '~') << "character code " << int(c);
            }
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');
        }
    }
}

TEST(SignTables, NamesAreDistinct) {
    for (Language language : kLanguages) {
        std::set<std::string> vedic, english;
        for (int sign = 0; sign < kSignCount; ++sign) {
            const SignDescription d = SignDescriptionAt(sign, language);
            EXPECT_TRUE(vedic.insert(d.VedicName).second) << d.VedicName;
            EXPECT_TRUE(english.insert(d.EnglishName).second) << d.EnglishName;
        }
    }
}

// Lists are items joined by a comma and one blank, nothing else.
TEST(SignTables, ListsUseCommaAndOneBlank) {
    for (Language language : kLanguages) {
        for (int sign = 0; sign < kSignCount; ++sign) {
            const SignDescription d = SignDescriptionAt(sign, language);
            for (const SignField& field : kSignFields) {
                if (IsParagraphField(field.name)) continue;
                SCOPED_TRACE(testing::Message() << d.VedicName << ", " << field.name);
                for (const std::string& item : ListItems(d.*field.member)) {
                    EXPECT_FALSE(item.empty());
                    EXPECT_EQ(item.find(','), std::string::npos) << item;
                    EXPECT_EQ(item.find("  "), std::string::npos) << item;
                }
            }
        }
    }
}

TEST(SignTables, ListItemsComeFromTheirVocabulary) {
    std::set<std::string> english;
    for (int sign = 0; sign < kSignCount; ++sign) english.insert(SignDescriptionAt(sign).EnglishName);
    const std::set<std::string> weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    const std::set<std::string> digits = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign);
        SCOPED_TRACE(d.VedicName);
        for (const std::string& day : ListItems(d.LuckyDays)) EXPECT_TRUE(weekdays.count(day)) << day;
        for (const std::string& n : ListItems(d.LuckyNumbers)) EXPECT_TRUE(digits.count(n)) << n;
        std::set<std::string> compatible;
        for (const std::string& s : ListItems(d.CompatibleWith)) {
            EXPECT_TRUE(english.count(s)) << s;
            EXPECT_TRUE(compatible.insert(s).second) << "listed twice: " << s;
        }
        for (const std::string& s : ListItems(d.NotCompatibleWith)) {
            EXPECT_TRUE(english.count(s)) << s;
            EXPECT_FALSE(compatible.count(s)) << "both compatible and not: " << s;
        }
    }
}

// Columns that go round the zodiac in a fixed cycle: every sign repeats the
// sign `period` places before it, and one cycle holds `period` different
// values.
struct CyclicColumn {
    const char* field;
    int period;
};

void PrintTo(const CyclicColumn& row, std::ostream* os) { *os << row.field; }

class CyclicColumnTest : public ::testing::TestWithParam<CyclicColumn> {};

TEST_P(CyclicColumnTest, RepeatsWithItsPeriod) {
    const int period = GetParam().period;
    for (Language language : kLanguages) {
        const auto text = [&](int sign) { return FieldText(SignDescriptionAt(sign, language), GetParam().field); };
        std::set<std::string> firstCycle;
        for (int sign = 0; sign < period; ++sign) firstCycle.insert(text(sign));
        EXPECT_EQ(firstCycle.size(), static_cast<std::size_t>(period));
        for (int sign = period; sign < kSignCount; ++sign) {
            EXPECT_EQ(text(sign), text(sign - period)) << "sign " << sign;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Columns, CyclicColumnTest,
    ::testing::Values(CyclicColumn{"TypeOfSign", 3}, CyclicColumn{"SignPosition", 3},
                      CyclicColumn{"ConstituentCharacter", 3}, CyclicColumn{"InbornNature", 4},
                      CyclicColumn{"SignCaste", 4}, CyclicColumn{"BestDirection", 4}),
    [](const auto& info) { return std::string(info.param.field); });
// clang-format on

}  // namespace
}  // namespace nyra
