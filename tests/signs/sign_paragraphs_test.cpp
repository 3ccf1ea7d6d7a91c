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

// Sentences of a paragraph: each runs to a full stop (or ! or ?) that ends
// the text or is followed by blanks. The blanks between sentences are not
// part of either.
std::vector<std::string> Sentences(std::string_view paragraph) {
    std::vector<std::string> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i < paragraph.size(); ++i) {
        const char c = paragraph[i];
        const bool atEnd = i + 1 == paragraph.size();
        if ((c == '.' || c == '!' || c == '?') && (atEnd || paragraph[i + 1] == ' ')) {
            sentences.emplace_back(paragraph.substr(start, i + 1 - start));
            start = i + 1;
            while (start < paragraph.size() && paragraph[start] == ' ') ++start;
            i = start - 1;
        }
    }
    if (start < paragraph.size()) sentences.emplace_back(paragraph.substr(start));
    return sentences;
}

// The paragraph fields, each with its length range in characters.
struct ParagraphField {
    const char* field;
    std::size_t minChars;
    std::size_t maxChars;
};

void PrintTo(const ParagraphField& row, std::ostream* os) { *os << row.field; }

class ParagraphFieldTest : public ::testing::TestWithParam<ParagraphField> {};

TEST_P(ParagraphFieldTest, EverySignStaysWithinTheLengthRange) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string text = FieldText(SignDescriptionAt(sign), GetParam().field);
        EXPECT_GE(text.size(), GetParam().minChars) << "sign " << sign;
        EXPECT_LE(text.size(), GetParam().maxChars) << "sign " << sign;
    }
}

// Written as whole sentences to the reader: "You ..." first, a capital at
// the start of every sentence and a full stop at its end, and blanks
// between sentences only. A missing blank where two string pieces join
// shows up here as "word.Word" or "wordword".
TEST_P(ParagraphFieldTest, EverySignIsWholeSentencesToTheReader) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string text = FieldText(SignDescriptionAt(sign), GetParam().field);
        SCOPED_TRACE(testing::Message() << "sign " << sign << ": " << text);
        EXPECT_EQ(text.rfind("You", 0), 0u);
        for (const std::string& sentence : Sentences(text)) {
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

INSTANTIATE_TEST_SUITE_P(
    Fields, ParagraphFieldTest,
    ::testing::Values(ParagraphField{"Looks", 103, 221}, ParagraphField{"Nature", 515, 883},
                      ParagraphField{"CareerAndFinance", 126, 282},
                      ParagraphField{"LoveAndDomesticLife", 140, 324},
                      ParagraphField{"Health", 81, 166}),
    [](const auto& info) { return std::string(info.param.field); });

// Each sign's description must be its own: a sentence copied from one sign
// into another (an easy slip when writing twelve of them) is caught here.
TEST(SignParagraphs, NoSentenceIsSharedBetweenSigns) {
    constexpr std::string_view kFields[] = {"Looks", "Nature", "CareerAndFinance",
                                            "LoveAndDomesticLife", "Health"};
    std::map<std::string, int> signOfSentence;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignDescription d = SignDescriptionAt(sign);
        for (std::string_view field : kFields) {
            for (const std::string& sentence : Sentences(FieldText(d, field))) {
                const auto [it, added] = signOfSentence.emplace(sentence, sign);
                EXPECT_TRUE(added || it->second == sign)
                    << "signs " << it->second << " and " << sign << " share: " << sentence;
            }
        }
    }
}

TEST(SentencesHelper, SplitsAtStopsFollowedByBlanks) {
    EXPECT_EQ(Sentences("One.   Two is 2.5 long. Three."),
              (std::vector<std::string>{"One.", "Two is 2.5 long.", "Three."}));
    EXPECT_EQ(Sentences("No stop"), (std::vector<std::string>{"No stop"}));
}

// Mesha's paragraphs are the program's long-standing texts and are kept
// character for character, including the run of blanks in Health.
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

INSTANTIATE_TEST_SUITE_P(
    Fields, MeshaParagraphTest,
    ::testing::Values(
        MeshaParagraph{"Looks",
                       "You may be slim and of medium complexion. "
                       "You have a long neck and sharp features. "
                       "You may have a mole or birthmark on your forehead. "
                       "You have round eyes under thick and bushy eyebrows."},
        MeshaParagraph{"Nature",
                       "You are very independent and dynamic. "
                       "You are positive by nature and energetic. "
                       "Being the complete extrovert, you can make friends very easily. "
                       "You love to dominate others if you are given the chance. "
                       "You are impatient and headstrong at times. "
                       "You may be forceful at times and aggressive. "
                       "You are independent, self-reliant, adventurous and love challenging jobs. "
                       "Your short temperament may land you into trouble. "
                       "You do not listen to others and make decisions for yourself. "
                       "Your original ideas make you very creative by nature. "
                       "Change is the only constant thing in your life. "
                       "You have a good sense of humor and love having a good time with friends. "
                       "You may be considered to be flamboyant and extravagant by certain people. "
                       "You are impulsive in your decisions and do not think about the future. "
                       "You are usually popular and well liked. "
                       "But this may also make you haughty and obstinate."},
        MeshaParagraph{"CareerAndFinance",
                       "You are ambitious by nature. "
                       "You can make a good businessman. "
                       "You love adventurous and risky ventures. "
                       "Army, engineering and computer related professions are suitable for you."},
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

} // namespace
} // namespace nyra
