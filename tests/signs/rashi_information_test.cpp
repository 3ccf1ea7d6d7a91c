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
using testing_support::ListItems;

constexpr std::array<std::string_view, 5> kParagraphFields = {
    "Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"};

bool IsParagraphField(std::string_view name) {
    for (std::string_view paragraph : kParagraphFields) {
        if (paragraph == name) return true;
    }
    return false;
}

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
}

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
        UnknownName{"Abbreviation", "Ari"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SignDescriptionAt, OutsideTheZodiacIsEmpty) {
    for (int sign : {-1, kSignCount, kSignCount + 1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(sign);
        EXPECT_EQ(SignDescriptionAt(sign), SignDescription{});
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

// ---------------------------------------------------------------- full rows

// The 22 short texts of a sign in field order, as the published tables give
// them. A typo, a shifted column or a swapped row shows up here.
struct SignRow {
    const char* label;
    int sign;
    std::array<std::string_view, kSignFieldCount - 5> texts;
};

void PrintTo(const SignRow& row, std::ostream* os) { *os << row.label; }

class SignRowTest : public ::testing::TestWithParam<SignRow> {};

TEST_P(SignRowTest, ShortTextsAreAsPublished) {
    const SignDescription d = SignDescriptionAt(GetParam().sign);
    std::size_t next = 0;
    for (const SignField& field : kSignFields) {
        if (IsParagraphField(field.name)) continue;
        ASSERT_LT(next, GetParam().texts.size());
        EXPECT_EQ(d.*field.member, GetParam().texts[next]) << field.name;
        ++next;
    }
    EXPECT_EQ(next, GetParam().texts.size());
}

INSTANTIATE_TEST_SUITE_P(
    Signs, SignRowTest,
    ::testing::Values(
        SignRow{"Mesha", 0,
                {"Mesha", "Aries", "Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable",
                 "Male", "Night", "Barren", "Kshatriya", "Dwara", "Mineral (Dhatu)",
                 "Monday, Tuesday", "9, 1", "East", "Red, Brown, Copper", "Coral", "Head",
                 "Short", "Leo, Sagittarius, Gemini, Aquarius, Libra",
                 "Scorpio, Pisces, Cancer"}},
        SignRow{"Thula", 6,
                {"Thula", "Libra", "Venus", "The Balance", "Air", "Black", "Movable", "Male",
                 "Day", "Semi-Fruitful", "Sudra", "Dwara", "Mineral (Dhatu)",
                 "Friday, Wednesday, Thursday", "1, 2, 4", "West", "White, Green, Yellow",
                 "Diamond", "Lower Abdomen & Groin", "Tall",
                 "Sagittarius, Aquarius, Aries, Gemini, Leo", "Taurus, Virgo, Capricorn"}},
        SignRow{"Vrischika", 7,
                {"Vrischika", "Scorpio", "Mars", "The Scorpion", "Water", "Reddish Brown",
                 "Fixed", "Female", "Day", "Fruitful", "Brahmana", "Bahya",
                 "Vegetable (Moola)", "Monday, Tuesday, Thursday", "3, 7, 9", "North",
                 "Brown, Red, Yellow, White", "Coral", "External Genitalia", "Tall",
                 "Capricorn, Pisces, Taurus, Cancer, Virgo", "Aries, Leo, Sagittarius"}},
        SignRow{"Kumbha", 10,
                {"Kumbha", "Aquarius", "Saturn", "The Water Carrier", "Air", "Deep Brown",
                 "Fixed", "Male", "Day", "Semi-Fruitful", "Sudra", "Bahya",
                 "Vegetable (Moola)", "Thursday, Friday, Saturday", "2, 3, 7, 9", "West",
                 "Blue, Black", "Blue Sapphire", "Calves", "Short", "Aquarius, Libra, Gemini",
                 "Taurus, Virgo, Capricorn"}}),
    [](const auto& info) { return std::string(info.param.label); });

// Single cells elsewhere, chosen where a careless copy would most likely
// "correct" or mistype the stored text.
struct SignCell {
    const char* label;
    int sign;
    std::string_view field;
    std::string_view text;
};

void PrintTo(const SignCell& row, std::ostream* os) { *os << row.label; }

class SignCellTest : public ::testing::TestWithParam<SignCell> {};

TEST_P(SignCellTest, IsAsPublished) {
    EXPECT_EQ(FieldText(SignDescriptionAt(GetParam().sign), GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SignCellTest,
    ::testing::Values(
        SignCell{"VrishabhaBarren", 1, "Barren", "Semi-Fruitful"},
        SignCell{"VrishabhaColors", 1, "LuckyColors", "Pink, Green"},
        SignCell{"MithunaPosition", 2, "SignPosition", "Garbha"},
        SignCell{"MithunaColors", 2, "LuckyColors", "Yellow, Purple, Blue"},
        SignCell{"KatakaNumbers", 3, "LuckyNumbers", "2, 7, 9"},
        SignCell{"KatakaGem", 3, "LuckyGemstone", "Pearl"},
        SignCell{"SimhaBody", 4, "PartOfTheBody", "Heart & Stomach"},
        SignCell{"SimhaPeriod", 4, "BestPeriodOfActivity", "Day"},
        SignCell{"KanyaColor", 5, "SignColor", "Multicolored"},
        SignCell{"KanyaCompatible", 5, "CompatibleWith", "Scorpio, Capricorn, Pisces, Cancer"},
        SignCell{"DhanusColor", 8, "SignColor", "Yellowish brown"},
        SignCell{"DhanusNumbers", 8, "LuckyNumbers", "3, 5, 6, 8"},
        SignCell{"MakaraSymbol", 9, "Symbol", "The Crocodile"},
        SignCell{"MakaraDays", 9, "LuckyDays", "Saturday, Wednesday"},
        SignCell{"MeenaSymbol", 11, "Symbol", "The Double Fish"},
        SignCell{"MeenaDays", 11, "LuckyDays", "Thursday, Monday, Tuesday"},
        SignCell{"MeenaCompatible", 11, "CompatibleWith",
                 "Taurus, Cancer, Virgo, Scorpio, Capricorn"}),
    [](const auto& info) { return std::string(info.param.label); });

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
    std::set<std::string> vedic, english;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign);
        EXPECT_TRUE(vedic.insert(d.VedicName).second) << d.VedicName;
        EXPECT_TRUE(english.insert(d.EnglishName).second) << d.EnglishName;
    }
}

// Lists are items joined by a comma and one blank, nothing else.
TEST(SignTables, ListsUseCommaAndOneBlank) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign);
        for (const SignField& field : kSignFields) {
            if (IsParagraphField(field.name)) continue;
            SCOPED_TRACE(testing::Message() << "sign " << sign << ", " << field.name);
            for (const std::string& item : ListItems(d.*field.member)) {
                EXPECT_FALSE(item.empty());
                EXPECT_EQ(item.find(','), std::string::npos) << item;
                EXPECT_EQ(item.find("  "), std::string::npos) << item;
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
    std::set<std::string> firstCycle;
    for (int sign = 0; sign < period; ++sign)
        firstCycle.insert(FieldText(SignDescriptionAt(sign), GetParam().field));
    EXPECT_EQ(firstCycle.size(), static_cast<std::size_t>(period));
    for (int sign = period; sign < kSignCount; ++sign) {
        EXPECT_EQ(FieldText(SignDescriptionAt(sign), GetParam().field),
                  FieldText(SignDescriptionAt(sign - period), GetParam().field))
            << "sign " << sign;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, CyclicColumnTest,
    ::testing::Values(CyclicColumn{"TypeOfSign", 3}, CyclicColumn{"SignPosition", 3},
                      CyclicColumn{"ConstituentCharacter", 3}, CyclicColumn{"InbornNature", 4},
                      CyclicColumn{"SignCaste", 4}, CyclicColumn{"BestDirection", 4}),
    [](const auto& info) { return std::string(info.param.field); });

} // namespace
} // namespace nyra
