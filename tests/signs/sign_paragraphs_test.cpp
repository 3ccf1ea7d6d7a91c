#include "signs/rashi_information.h"

#include "sign_test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {
namespace {

using testing_support::FieldText;
using testing_support::kDanda;
using testing_support::kParagraphFields;
using testing_support::Sentences;

// The paragraph fields. (Their lengths are checked where they are written.)
class ParagraphFieldTest : public ::testing::TestWithParam<const char*> {};

// Written as whole sentences to the reader: "You ..." first, a capital at
// the start of every sentence and a full stop at its end, and blanks
// between sentences only. A missing blank where two string pieces join
// shows up here as "word.Word" or "wordword".
TEST_P(ParagraphFieldTest, EverySignIsWholeSentencesToTheReader) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string text = FieldText(SignDescriptionAt(sign), GetParam());
        SCOPED_TRACE(testing::Message() << "sign " << sign << ": " << text);
        EXPECT_EQ(text.rfind("You", 0), 0u);
        for (const std::string& sentence : Sentences(text, Language::English)) {
            ASSERT_FALSE(sentence.empty());
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(sentence.front()))) << sentence;
            EXPECT_EQ(sentence.back(), '.') << sentence;
            EXPECT_EQ(sentence.find("  "), std::string::npos) << sentence;
            for (std::size_t i = 0; i + 1 < sentence.size(); ++i) {
                if (sentence[i] == '.' || sentence[i] == ',') {
                    EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(sentence[i + 1])))
                        << "no blank after punctuation: " << sentence;
                }
            }
        }
    }
}

// The same in Hindi: आप (or आपका, आपको ...) first, every sentence ended
// by a danda with no blank before it, one blank between sentences and
// after every comma.
TEST_P(ParagraphFieldTest, EverySignInHindiIsWholeSentencesToTheReader) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string text = FieldText(SignDescriptionAt(sign, Language::Hindi), GetParam());
        SCOPED_TRACE(testing::Message() << "sign " << sign << ": " << text);
        EXPECT_EQ(text.rfind("आप", 0), 0u);
        for (const std::string& sentence : Sentences(text, Language::Hindi)) {
            ASSERT_FALSE(sentence.empty());
            // One danda, at the end: a danda run into the next word is a
            // missing blank where two string pieces join.
            EXPECT_EQ(sentence.find(kDanda), sentence.size() - kDanda.size()) << sentence;
            EXPECT_FALSE(sentence.ends_with(std::string(" ") + std::string(kDanda))) << sentence;
            EXPECT_EQ(sentence.find("  "), std::string::npos) << sentence;
            EXPECT_EQ(sentence.find(" ,"), std::string::npos) << sentence;
            for (std::size_t comma = sentence.find(','); comma != std::string::npos;
                 comma = sentence.find(',', comma + 1)) {
                EXPECT_EQ(sentence[comma + 1], ' ') << "no blank after a comma: " << sentence;
            }
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Fields, ParagraphFieldTest,
    ::testing::Values("Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"),
    [](const auto& info) { return std::string(info.param); });
// clang-format on

// Each sign's description must be its own, in either language: a sentence
// copied from one sign into another (an easy slip when writing twelve of
// them) is caught here.
class SignParagraphs : public ::testing::TestWithParam<Language> {};

TEST_P(SignParagraphs, NoSentenceIsSharedBetweenSigns) {
    std::map<std::string, int> signOfSentence;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign, GetParam());
        for (std::string_view field : kParagraphFields) {
            for (const std::string& sentence : Sentences(FieldText(d, field), GetParam())) {
                const auto [it, added] = signOfSentence.emplace(sentence, sign);
                EXPECT_TRUE(added || it->second == sign)
                    << "signs " << it->second << " and " << sign << " share: " << sentence;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, SignParagraphs, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(SentencesHelper, SplitsAtStopsFollowedByBlanks) {
    EXPECT_EQ(Sentences("One.   Two is 2.5 long. Three.", Language::English),
              (std::vector<std::string>{"One.", "Two is 2.5 long.", "Three."}));
    EXPECT_EQ(Sentences("No stop", Language::English), (std::vector<std::string>{"No stop"}));
    EXPECT_EQ(Sentences("एक।  दो, 2.5 तक। तीन", Language::Hindi),
              (std::vector<std::string>{"एक।", "दो, 2.5 तक।", "तीन"}));
}

// Of Mesha's long-standing paragraphs, those a careful copy would most
// likely "correct": the run of blanks in Health, the apostrophe and the
// spelling "fulfill".
struct MeshaParagraph {
    const char* field;
    std::string_view text;
};

void PrintTo(const MeshaParagraph& row, std::ostream* os) { *os << row.field; }

class MeshaParagraphTest : public ::testing::TestWithParam<MeshaParagraph> {};

TEST_P(MeshaParagraphTest, IsKeptExactly) {
    EXPECT_EQ(FieldText(SignDescriptionAt(0), GetParam().field), GetParam().text);
    const auto mesha = DescribeMoonSign("Mesha");
    ASSERT_TRUE(mesha.has_value());
    EXPECT_EQ(FieldText(*mesha, GetParam().field), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Fields, MeshaParagraphTest,
    ::testing::Values(
        MeshaParagraph{"LoveAndDomesticLife",
                       "You are a romantic to the core by nature. "
                       "You wouldn't mind taking risks in life as far as relationships are concerned. "
                       "You fulfill your obligations toward home and family though you may be a "
                       "dominating figure."},
        MeshaParagraph{"Health",
                       "You may be prone to blood circulation problems, head related illnesses "
                       "and BP issues.   "
                       "Your eyes also may create problems."}),
    [](const auto& info) { return std::string(info.param.field); });
// clang-format on

}  // namespace
}  // namespace nyra
