// The report's composition: its lines, their formats, and the web addresses
// that become links.
#include "ui/report_text.h"

#include "ui_test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>

namespace nyra {
namespace {

using test::Describe;

const QColor kPurple(128, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kBlack(0, 0, 0);

// 8 headings, 27 labelled lines and two empty lines after each of the
// first seven sections.
constexpr int kReportLineCount = 8 + 27 + 7 * 2;

// The report's lines as the report's layout lays them out, written here
// independently of the code's section table.
QStringList ExpectedLines(const SignDescription& d) {
    const auto v = [](const std::string& text) { return QString::fromStdString(text); };
    return {
        "Common: ",
        "Vedic Name: " + v(d.VedicName),
        "English Name: " + v(d.EnglishName),
        "Rulling Planet / Lord: " + v(d.RullingPlanet),
        "Symbol: " + v(d.Symbol),
        "Element / Inborn Nature: " + v(d.InbornNature),
        "Sign Color: " + v(d.SignColor),
        "",
        "",
        "Sign Characteristics: ",
        "Type Of Sign: " + v(d.TypeOfSign),
        "Gender: " + v(d.Gender),
        "Fruitful / Barren: " + v(d.Barren),
        "Sign Caste: " + v(d.SignCaste),
        "Sign Position: " + v(d.SignPosition),
        "Constituent Characters: " + v(d.ConstituentCharacter),
        "Part of the Body: " + v(d.PartOfTheBody),
        "",
        "",
        "Physique And Looks: ",
        "Physique: " + v(d.Physique),
        "Looks: " + v(d.Looks),
        "",
        "",
        "Human Nature: ",
        "Nature: " + v(d.Nature),
        "",
        "",
        "Career And Finance: ",
        "Career And Finance: " + v(d.CareerAndFinance),
        "",
        "",
        "Love And Compatibility: ",
        "Love And Domestic Life: " + v(d.LoveAndDomesticLife),
        "Compatible with: " + v(d.CompatibleWith),
        "Not Compatible with: " + v(d.NotCompatibleWith),
        "",
        "",
        "Health: ",
        "Health: " + v(d.Health),
        "",
        "",
        "Lucky For....Rashi: ",
        "Lucky Days: " + v(d.LuckyDays),
        "Lucky Numbers: " + v(d.LuckyNumbers),
        "Best Direction: " + v(d.BestDirection),
        "Lucky Colors: " + v(d.LuckyColors),
        "Lucky Gemstone: " + v(d.LuckyGemstone),
        "Best Period of Activity: " + v(d.BestPeriodOfActivity),
    };
}

// The composed lines; the final "\n" after the last value leaves an empty
// piece that is not a line of its own.
QStringList DocumentLines(const QTextDocument& document) {
    QStringList lines = document.toPlainText().split(u'\n');
    EXPECT_EQ(lines.last(), QString()) << "the report must end with a line break";
    lines.removeLast();
    return lines;
}

void ExpectSameLines(const QStringList& actual, const QStringList& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
}

TEST(ReportComposition, MeshaReportMatchesLineByLine) {
    const SignDescription mesha = Describe("Mesha");
    QTextDocument document;
    ComposeReport(&document, mesha);

    const QStringList expected = ExpectedLines(mesha);
    ASSERT_EQ(expected.size(), kReportLineCount);
    EXPECT_EQ(expected[1], QStringLiteral("Vedic Name: Mesha"));
    EXPECT_EQ(expected[2], QStringLiteral("English Name: Aries"));
    ExpectSameLines(DocumentLines(document), expected);
    EXPECT_FALSE(document.toPlainText().endsWith(QStringLiteral("\n\n")));
}

TEST(ReportComposition, ComposingAgainReplacesTheReport) {
    QTextDocument document;
    ComposeReport(&document, Describe("Mesha"));
    const SignDescription vrishabha = Describe("Vrishabha");
    ComposeReport(&document, vrishabha);
    ExpectSameLines(DocumentLines(document), ExpectedLines(vrishabha));
}

TEST(ReportComposition, MissingValuesLeaveTheirLabels) {
    QTextDocument document;
    ComposeReport(&document, SignDescription{});
    const QStringList lines = DocumentLines(document);
    ExpectSameLines(lines, ExpectedLines(SignDescription{}));
    EXPECT_EQ(lines[3], QStringLiteral("Rulling Planet / Lord: "));
}

class EverySign : public ::testing::TestWithParam<int> {};

TEST_P(EverySign, MatchesLineByLine) {
    const SignDescription description = SignDescriptionAt(GetParam());
    QTextDocument document;
    ComposeReport(&document, description);
    ExpectSameLines(DocumentLines(document), ExpectedLines(description));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, EverySign, ::testing::Range(0, kSignCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return SignDescriptionAt(info.param).VedicName;
                         });
// clang-format on

struct FormatRow {
    const char* name;
    int line;    ///< 0-based line (block) of the report.
    int column;  ///< Character within the line; -1 for an empty line.
    bool bold;
    QColor colour;
};

void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }

class ReportFormats : public ::testing::TestWithParam<FormatRow> {};

TEST_P(ReportFormats, PieceHasItsRoleFormat) {
    const FormatRow& row = GetParam();
    QTextDocument document;
    ComposeReport(&document, Describe("Mesha"));
    const QTextBlock block = document.findBlockByNumber(row.line);
    ASSERT_TRUE(block.isValid());

    QTextCharFormat format;
    if (row.column < 0) {
        ASSERT_TRUE(block.text().isEmpty());
        format = block.charFormat();
    } else {
        ASSERT_LT(row.column, block.text().size()) << block.text().toStdString();
        // A cursor reports the format of the character before it.
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + row.column + 1);
        format = cursor.charFormat();
    }
    EXPECT_EQ(format.fontWeight() >= QFont::Bold, row.bold);
    EXPECT_EQ(format.foreground().color(), row.colour);
    EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
    EXPECT_DOUBLE_EQ(format.fontPointSize(), 9.75);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, ReportFormats,
                         ::testing::Values(FormatRow{"FirstHeading", 0, 3, true, kPurple},
                                           FormatRow{"FirstLabel", 1, 0, false, kTeal},
                                           FormatRow{"FirstLabelColon", 1, 10, false, kTeal},
                                           FormatRow{"FirstValue", 1, 12, false, kBlack},
                                           FormatRow{"EmptyLine", 7, -1, false, kBlack},
                                           FormatRow{"SecondHeading", 9, 0, true, kPurple},
                                           FormatRow{"LastHeading", 42, 5, true, kPurple},
                                           FormatRow{"LastLabel", 48, 0, false, kTeal},
                                           FormatRow{"LastValue", 48, 25, false, kBlack}),
                         [](const ::testing::TestParamInfo<FormatRow>& info) { return info.param.name; });
// clang-format on

TEST(ReportFont, FontNeverChangesAndOnlyHeadingsAreBold) {
    QTextDocument document;
    ComposeReport(&document, Describe("Mesha"));
    EXPECT_EQ(document.defaultFont().family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(document.defaultFont().pointSizeF(), 9.75);

    int fragments = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const std::string where = it.fragment().text().toStdString();
            ++fragments;
            EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")}) << where;
            EXPECT_DOUBLE_EQ(format.fontPointSize(), 9.75) << where;
            EXPECT_FALSE(format.fontItalic()) << where;
            const QColor colour = format.foreground().color();
            EXPECT_TRUE(colour == kPurple || colour == kTeal || colour == kBlack) << where;
            EXPECT_EQ(format.fontWeight() >= QFont::Bold, colour == kPurple) << where;
        }
    }
    EXPECT_EQ(fragments, 8 + 2 * 27);
}

struct AddressRow {
    const char* name;
    const char* text;
    const char* address;  ///< As it stands in the text; nullptr: none.
    const char* url;
};

void PrintTo(const AddressRow& row, std::ostream* os) { *os << row.name; }

class WebAddresses : public ::testing::TestWithParam<AddressRow> {};

TEST_P(WebAddresses, FoundWithoutSentencePunctuation) {
    const AddressRow& row = GetParam();
    const QString text = QString::fromUtf8(row.text);
    const std::vector<WebAddress> found = FindWebAddresses(text);
    if (row.address == nullptr) {
        EXPECT_TRUE(found.empty());
        return;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(text.mid(found[0].start, found[0].length), QString::fromUtf8(row.address));
    EXPECT_EQ(found[0].url, QUrl(QString::fromUtf8(row.url)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Report, WebAddresses,
    ::testing::Values(
        AddressRow{"WwwOpensAsHttp", "Visit www.example.org today", "www.example.org", "http://www.example.org"},
        AddressRow{"WwwAnyCase", "WWW.Example.org, then", "WWW.Example.org", "http://www.example.org"},
        AddressRow{"Http", "at http://example.org/a/b", "http://example.org/a/b", "http://example.org/a/b"},
        AddressRow{"HttpsWithQueryEndingSentence", "See https://example.org/p?x=1&y=2.",
                   "https://example.org/p?x=1&y=2", "https://example.org/p?x=1&y=2"},
        AddressRow{"InsideBrackets", "(see www.example.org)", "www.example.org", "http://www.example.org"},
        AddressRow{"OwnBracketsKept", "www.example.org/wiki/Moon_(sign)", "www.example.org/wiki/Moon_(sign)",
                   "http://www.example.org/wiki/Moon_(sign)"},
        AddressRow{"PrefixAlone", "www. and http:// are not addresses", nullptr, nullptr},
        AddressRow{"PlainText", "A fiery and energetic nature.", nullptr, nullptr},
        AddressRow{"MailIsNotWeb", "write to someone@example.org", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<AddressRow>& info) { return info.param.name; });
// clang-format on

TEST(WebAddressLinks, EveryAddressOfALineIsFound) {
    const std::vector<WebAddress> found = FindWebAddresses(QStringLiteral("www.a.example and https://b.example/x"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].url, QUrl(QStringLiteral("http://www.a.example")));
    EXPECT_EQ(found[1].url, QUrl(QStringLiteral("https://b.example/x")));
}

TEST(WebAddressLinks, BecomeLinksCoveringExactlyTheAddress) {
    SignDescription description = Describe("Mesha");
    description.Nature = "Visit www.example.org today";
    QTextDocument document;
    ComposeReport(&document, description);

    const QTextCursor found = document.find(QStringLiteral("www.example.org"));
    ASSERT_FALSE(found.isNull());
    const auto formatOf = [&document](int position) {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    for (int p = found.selectionStart(); p < found.selectionEnd(); ++p) {
        const QTextCharFormat format = formatOf(p);
        EXPECT_TRUE(format.isAnchor()) << p;
        EXPECT_EQ(format.anchorHref(), QStringLiteral("http://www.example.org")) << p;
        EXPECT_TRUE(format.fontUnderline()) << p;
    }
    EXPECT_FALSE(formatOf(found.selectionStart() - 1).isAnchor());
    EXPECT_FALSE(formatOf(found.selectionEnd()).isAnchor());
    // The link keeps the report's font.
    EXPECT_DOUBLE_EQ(formatOf(found.selectionStart()).fontPointSize(), 9.75);
}

}  // namespace
}  // namespace nyra
