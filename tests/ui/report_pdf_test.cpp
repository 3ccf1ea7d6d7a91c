#include "ui/report_pdf.h"

#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/report_text.h"
#include "ui/result_blocks.h"
#include "ui_test_support.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nyra::test {
namespace {

// Asha Rao at New Delhi, the place names typed.
Calculation Asha() {
    BirthPlace place;
    place.city = "New Delhi";
    place.state = "Delhi";
    place.country = "India";
    return CalculationOf(AshaAtDelhi(), {}, place);
}

// ---- The title block's lines ------------------------------------------------------

struct TitleCase {
    const char* name;
    void (*change)(Calculation& calculation);
    const char* born;
    const char* place;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class Title : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Title, SaysTheBirthAsEntered) {
    Calculation calculation = Asha();
    GetParam().change(calculation);
    const ReportTitle title = TitleOf(calculation);
    EXPECT_EQ(title.name.toStdString(), "Asha Rao");
    EXPECT_EQ(title.born.toStdString(), GetParam().born);
    EXPECT_EQ(title.place.toStdString(), GetParam().place);
    EXPECT_EQ(title.moonSign.toStdString(),
              calculation.description.VedicName + " (" + calculation.description.EnglishName + ")");
    EXPECT_EQ(title.englishName.toStdString(), calculation.description.EnglishName);
    EXPECT_FALSE(title.moonPosition.isEmpty());
    EXPECT_FALSE(title.nakshatra.isEmpty());
    // An exact time: nothing to say of it.
    EXPECT_TRUE(title.birthTime.isEmpty());
    EXPECT_TRUE(title.possibleSigns.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Title,
    ::testing::Values(
        TitleCase{"TypedPlace", [](Calculation&) {}, "14 April 1985, 06:30 (UTC+5:30)",
                  "New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)"},
        // A saved record keeps no place names.
        TitleCase{"FromARecord", [](Calculation& c) { c.place = {}; }, "14 April 1985, 06:30 (UTC+5:30)",
                  "28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E"},
        TitleCase{"WestSouthDaylightSaving",
                  [](Calculation& c) {
                      c.birth.LonIsEast = kFalse;
                      c.birth.LatIsSouth = kTrue;
                      c.birth.ZoneHours = 3;
                      c.birth.ZoneMinutes = 0;
                      c.birth.DstOn = kTrue;
                      c.place = {};
                      c.place.city = "Buenos Aires";
                      c.place.country = "Argentina";
                  },
                  "14 April 1985, 06:30 (UTC\u22123:00, daylight saving time)",
                  "Buenos Aires, Argentina (28\u00B0 36\u2032 S, 77\u00B0 13\u2032 W)"},
        TitleCase{"Greenwich",
                  [](Calculation& c) {
                      c.birth.ZoneHours = 0;
                      c.birth.ZoneMinutes = 0;
                  },
                  "14 April 1985, 06:30 (UTC)", "New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The title in Hindi says the birth, the time known and the signs in Hindi.
TEST(Title, InHindiSaysTheTimeInHindi) {
    const Calculation uncertain = CalculationOf(AshaAtDelhi(), TimeWindow::PlusMinus(120));
    const ReportTitle title = TitleOf(uncertain, DescriptionIn(uncertain, Language::Hindi), Language::Hindi);
    static const QRegularExpression devanagari(QStringLiteral("[\u0900-\u097F]"));
    for (const QString& line : {title.born, title.birthTime, title.possibleSigns, title.nakshatra})
        EXPECT_TRUE(line.contains(devanagari)) << line.toStdString();
}

// ---- The file ----------------------------------------------------------------------

class ReportPdfFile : public WindowTest {
protected:
    // The report of `calculation`'s sign as exported, one text a page;
    // nothing when poppler is missing.
    std::optional<QStringList> Pages(const Calculation& calculation) {
        QTextDocument report;
        ComposeReport(&report, calculation.description);
        const std::optional<QString> error = WriteReportPdf(report, path_, TitleOf(calculation));
        EXPECT_FALSE(error.has_value()) << error.value_or(QString()).toStdString();
        return PdfPages(path_);
    }

    const QString path_ = Scratch(QStringLiteral("report.pdf"));
};

TEST_F(ReportPdfFile, OpensWithTheTitleBlockThenTheReport) {
    const std::optional<QStringList> pages = Pages(Asha());
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_FALSE(pages->isEmpty());
    const QString first = pages->front();
    // The birth as entered, and the Moon as the result window gives it for
    // this birth.
    const QStringList title{
        QStringLiteral("Nyra Moon Sign"),
        QStringLiteral("Name: Asha Rao"),
        QStringLiteral("Born: 14 April 1985, 06:30 (UTC+5:30)"),
        QStringLiteral("Place: New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)"),
        QStringLiteral("Moon sign: Makara (Capricorn)"),
        QStringLiteral("Moon: 22\u00B0 10\u2032 6\u2033 in Makara"),
        QStringLiteral("Nakshatra: Shravana, pada 4"),
        QStringLiteral("Common:"),
    };
    qsizetype at = 0;
    for (const QString& line : title) {
        const qsizetype found = first.indexOf(line, at);
        EXPECT_GE(found, at) << line.toStdString() << " missing or out of order in:\n" << first.toStdString();
        if (found >= 0) at = found + line.size();
    }
    // The sign's picture stands beside the title.
    const std::optional<QString> images =
        Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("1"), path_});
    ASSERT_TRUE(images.has_value());
    EXPECT_GE(images->split(u'\n', Qt::SkipEmptyParts).size(), 3) << images->toStdString();  // header, rule, image
}

// The report's words come out of the PDF as typed: no "fl" or "fi" joined
// into one ligature character.
TEST_F(ReportPdfFile, TextCopiesAsPlainLetters) {
    const std::optional<QStringList> pages = Pages(ShowingSign("Mesha"));
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pages->join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("flamboyant")));
    EXPECT_TRUE(text.contains(QStringLiteral("figure")));
    static const QRegularExpression ligature(QStringLiteral("[\uFB00-\uFB06]"));
    EXPECT_FALSE(text.contains(ligature)) << text.toStdString();
}

// Devanagari is shaped (its conjuncts and vowel signs are made so), Latin
// around it and inside the same line is not.
TEST(PlainLetters, LatinOnlyDevanagariStaysShaped) {
    QTextDocument document;
    const QString line = QStringLiteral("Nakshatra: नक्षत्र पुष्य, pada 1 (Swiss Ephemeris, लाहिड़ी)");
    document.setPlainText(line);
    PlainLetters(&document);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i].isSpace() || line[i].isPunct() || line[i].isDigit()) continue;
        QTextCursor at(&document);
        at.setPosition(static_cast<int>(i) + 1);
        const bool devanagari = line[i].script() == QChar::Script_Devanagari;
        EXPECT_EQ(at.charFormat().fontStyleStrategy(), devanagari ? QFont::PreferDefault : QFont::PreferNoShaping)
            << i << ": " << QString(line[i]).toStdString();
    }
}

// Each section on one page, whichever sign: the last word of its last
// value on the page of its heading.
TEST_F(ReportPdfFile, ShortSectionsAreNotSplitAcrossPages) {
    struct Section {
        const char* heading;
        const char* lastLabel;
        std::string SignDescription::*lastValue;
    };
    using D = SignDescription;
    const Section sections[] = {
        {"Common: ", "Sign Color: ", &D::SignColor},
        {"Sign Characteristics: ", "Part of the Body: ", &D::PartOfTheBody},
        {"Physique And Looks: ", "Looks: ", &D::Looks},
        {"Human Nature: ", "Nature: ", &D::Nature},
        {"Career And Finance: ", "Career And Finance: ", &D::CareerAndFinance},
        {"Love And Compatibility: ", "Not Compatible with: ", &D::NotCompatibleWith},
        {"Health: ", "Health: ", &D::Health},
        {"Lucky For....Rashi: ", "Best Period of Activity: ", &D::BestPeriodOfActivity},
    };
    int splitPages = 0;
    for (const RashiNameRow& sign : RashiNames) {
        Calculation calculation = Asha();
        calculation.description = Describe(std::string(sign.name).c_str());
        const std::optional<QStringList> pages = Pages(calculation);
        if (!pages) GTEST_SKIP() << "pdftotext is not installed";
        splitPages += pages->size() > 1;
        // Page by page, each section found after the one before.
        const QString all = pages->join(u'\f');
        const auto pageAt = [&all](qsizetype offset) { return all.left(offset).count(u'\f'); };
        qsizetype at = 0;
        for (const Section& section : sections) {
            const qsizetype heading = all.indexOf(QString::fromLatin1(section.heading).trimmed(), at);
            ASSERT_GE(heading, 0) << sign.name << ": " << section.heading;
            const qsizetype label = all.indexOf(QString::fromLatin1(section.lastLabel).trimmed(),
                                                heading + (section.heading == std::string(section.lastLabel) ? 1 : 0));
            const QString value = QString::fromStdString(calculation.description.*section.lastValue).trimmed();
            const QString lastWord = value.section(u' ', -1);
            const qsizetype end = all.indexOf(lastWord, label);
            ASSERT_GE(end, 0) << sign.name << ": " << section.heading;
            EXPECT_EQ(pageAt(end), pageAt(heading)) << sign.name << ": \"" << section.heading << "\" runs over a page";
            at = end;
        }
    }
    EXPECT_GT(splitPages, 0) << "every report fits on one page: nothing is tested";
}

// ---- From the windows --------------------------------------------------------------

class PlaceOfTheCalculation : public WindowTest {
protected:
    // A main window with Asha's entry typed, place names included.
    frmMain* Typed() {
        auto* main = static_cast<frmMain*>(Open(kMainWindow));
        EnterBirth(main, {1985, 4, 14, 6, 30, 77 + 13 / 60.0, 330, 28 + 36 / 60.0}, "Asha Rao");
        TypeBoxes(main, {{"txtMCity", " New Delhi "}, {"txtMState", ""}, {"txtMCountry", "India"}});
        return main;
    }
};

TEST_F(PlaceOfTheCalculation, TypedNamesGoWithTheCalculationIntoTheExport) {
    frmResult* result = FindMoonSign(Typed());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->calculation().place.Names(), "New Delhi, India");

    // The report window exports the title of the result's calculation.
    dialogs.savePath = Scratch(QStringLiteral("asha.pdf"));
    frmSave report(result->calculation(), dialogs);
    report.show();
    report.findChild<QPushButton*>(QStringLiteral("cmdExportPdf"))->click();
    const std::optional<QStringList> pages = PdfPages(dialogs.savePath);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pages->join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Name: Asha Rao")));
    EXPECT_TRUE(text.contains(QStringLiteral("Place: New Delhi, India (28\u00B0 36\u2032 N")));
}

// A record keeps no place: the names in the boxes were typed for someone
// else, or for no one.
TEST_F(PlaceOfTheCalculation, AnOpenedRecordHasNone) {
    Typed()->OpenRecordFile(WriteRecord(Scratch(QStringLiteral("asha.moo")), AshaAtDelhi()));
    const QList<frmResult*> results = ShownWindows<frmResult>();
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0]->calculation().birth.BirthName, "Asha Rao");
    EXPECT_TRUE(results[0]->calculation().place.Names().empty());
    EXPECT_EQ(results[0]->calculation().place.coordinatesFrom, PlaceSource::Record);
}

}  // namespace
}  // namespace nyra::test
