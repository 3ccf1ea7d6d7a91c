// The folding tables, one case per row, built from the tables themselves so
// that a row added there is tested too.
#include "atlas/text_fold.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace nyra {

void PrintTo(const Respelling& row, std::ostream* os) { *os << row.plain; }

namespace {

QString Letter(char32_t c) { return QString::fromUcs4(&c, 1); }

std::string CodeName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U%04X", static_cast<unsigned>(c));
    return name;
}

class Respellings : public ::testing::TestWithParam<Respelling> {};

TEST_P(Respellings, SmallAndCapitalLetterGiveThePlainSpelling) {
    const Respelling& row = GetParam();
    // A row is only ever reached by a letter that decomposition and case
    // folding leave as it is.
    EXPECT_EQ(Letter(row.letter).normalized(QString::NormalizationForm_KD), Letter(row.letter));
    EXPECT_EQ(QChar::toCaseFolded(row.letter), row.letter);
    const std::string expected = std::string("x") + row.plain + "y";
    for (const char32_t letter : {row.letter, QChar::toUpper(row.letter)})
        EXPECT_EQ(FoldForSearch(QStringLiteral("X") + Letter(letter) + QStringLiteral("y")).toStdString(), expected)
            << CodeName(letter);
}

INSTANTIATE_TEST_SUITE_P(Table, Respellings, ::testing::ValuesIn(kRespellings),
                         [](const auto& info) { return CodeName(info.param.letter); });

// The listed apostrophes, and the modifier letters ʻ and ʼ that go by their
// category.
class Apostrophes : public ::testing::TestWithParam<char32_t> {};

TEST_P(Apostrophes, AreDroppedWithoutBreakingTheWord) {
    const QString mark = Letter(GetParam());
    EXPECT_EQ(FoldForSearch(QStringLiteral("N") + mark + QStringLiteral("dalatando")).toStdString(), "ndalatando");
    EXPECT_EQ(FoldForSearch(QStringLiteral("Cox") + mark + QStringLiteral("s Bazar")).toStdString(), "coxs bazar");
}

INSTANTIATE_TEST_SUITE_P(Table, Apostrophes, ::testing::ValuesIn(kApostrophes),
                         [](const auto& info) { return CodeName(info.param); });
INSTANTIATE_TEST_SUITE_P(ModifierLetters, Apostrophes, ::testing::Values(U'\u02BB', U'\u02BC'),
                         [](const auto& info) { return CodeName(info.param); });

// Spellings that only case folding makes one: lower-casing keeps the Greek
// final sigma apart from the other, while folding makes both σ. Each row's
// spellings give the same key.
struct FoldCase {
    const char* name;
    std::vector<const char*> spellings;
    const char* key;
};
void PrintTo(const FoldCase& c, std::ostream* os) { *os << c.name; }

class CaseFolding : public ::testing::TestWithParam<FoldCase> {};

TEST_P(CaseFolding, GivesEverySpellingOneKey) {
    for (const char* spelling : GetParam().spellings)
        EXPECT_EQ(FoldForSearch(QString::fromUtf8(spelling)).toStdString(), GetParam().key) << spelling;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, CaseFolding,
    ::testing::Values(FoldCase{"GreekFinalSigma",
                               {"\u039F\u0394\u039F\u03A3", "\u03BF\u03B4\u03BF\u03C2", "\u03BF\u03B4\u03BF\u03C3"},
                               "\u03BF\u03B4\u03BF\u03C3"},
                      // Lefkas, capitals and with its accent and final sigma.
                      FoldCase{"GreekPlaceName",
                               {"\u039B\u0395\u03A5\u039A\u0391\u03A3", "\u039B\u03B5\u03C5\u03BA\u03AC\u03C2"},
                               "\u03BB\u03B5\u03C5\u03BA\u03B1\u03C3"},
                      FoldCase{"SharpS", {"Stra\u00DFe", "STRA\u1E9EE", "STRASSE", "strasse"}, "strasse"},
                      FoldCase{"TurkishDottedCapitalI", {"\u0130zmir", "izmir", "IZMIR"}, "izmir"},
                      FoldCase{"TurkishDotlessI", {"Diyarbak\u0131r", "DIYARBAKIR"}, "diyarbakir"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
