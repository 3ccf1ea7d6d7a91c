// The exported PDF: a title block before the report, sections kept whole
// across pages, and text that copies as plain letters.
#include "ui/report_pdf.h"

#include "app/program_state.h"
#include "engine/ephemeris.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/report_text.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nyra {
namespace {

using report_test::Describe;

// Generous bound for poppler on a loaded machine; not what is tested.
constexpr int kToolDeadlineMs = 60000;

// What a poppler tool prints for `pdf`, or nothing when it is missing.
std::optional<QString> Poppler(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted(kToolDeadlineMs) || !process.waitForFinished(kToolDeadlineMs)) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Asha Rao, 14 April 1985, 06:30 at New Delhi: the calculation on record.
ProgramState Asha() {
    ProgramState program;
    BirthRecord& b = program.birth;
    b.BirthName = "Asha Rao";
    b.BirthMonth = 4;
    b.BirthDay = 14;
    b.BirthYear = 1985;
    b.BirthHour = 6;
    b.BirthMinute = 30;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    b.LonDegrees = 77;
    b.LonMinutes = 13;
    b.LatDegrees = 28;
    b.LatMinutes = 36;
    b.LonIsEast = kTrue;
    program.birthPlace = "New Delhi, Delhi, India";
    program.chart = ComputeMoonChart(program.birth);
    program.description = Describe(program.chart.RashiName.c_str());
    return program;
}

// ---- The title block's lines ------------------------------------------------------

struct TitleCase {
    const char* name;
    void (*change)(ProgramState& program);
    const char* born;
    const char* place;
    bool moonLines;  ///< The chart is the described sign's.
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class Title : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Title, SaysTheBirthAsEntered) {
    ProgramState program = Asha();
    GetParam().change(program);
    const ReportTitle title = TitleOf(program);
    EXPECT_EQ(title.name.toStdString(), "Asha Rao");
    EXPECT_EQ(title.born.toStdString(), GetParam().born);
    EXPECT_EQ(title.place.toStdString(), GetParam().place);
    EXPECT_EQ(title.moonSign.toStdString(), program.description.VedicName + " (" + program.description.EnglishName + ")");
    EXPECT_EQ(!title.moonPosition.isEmpty(), GetParam().moonLines);
    EXPECT_EQ(!title.nakshatra.isEmpty(), GetParam().moonLines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Title,
    ::testing::Values(
        TitleCase{"TypedPlace", [](ProgramState&) {}, "14 April 1985, 06:30 (UTC+5:30)",
                  "New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)", true},
        // A saved record keeps no place names.
        TitleCase{"FromARecord", [](ProgramState& p) { p.birthPlace.clear(); }, "14 April 1985, 06:30 (UTC+5:30)",
                  "28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E", true},
        TitleCase{"WestSouthDaylightSaving",
                  [](ProgramState& p) {
                      p.birth.LonIsEast = kFalse;
                      p.birth.LatIsSouth = kTrue;
                      p.birth.ZoneHours = 3;
                      p.birth.ZoneMinutes = 0;
                      p.birth.DstOn = kTrue;
                      p.birthPlace = "Buenos Aires, Argentina";
                  },
                  "14 April 1985, 06:30 (UTC\u22123:00, daylight saving time)",
                  "Buenos Aires, Argentina (28\u00B0 36\u2032 S, 77\u00B0 13\u2032 W)", true},
        TitleCase{"Greenwich",
                  [](ProgramState& p) {
                      p.birth.ZoneHours = 0;
                      p.birth.ZoneMinutes = 0;
                  },
                  "14 April 1985, 06:30 (UTC)", "New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)",
                  true},
        // A description shown without its calculation (none on record).
        TitleCase{"NoChart", [](ProgramState& p) { p.chart = EngineRecord{}; }, "14 April 1985, 06:30 (UTC+5:30)",
                  "New Delhi, Delhi, India (28\u00B0 36\u2032 N, 77\u00B0 13\u2032 E)", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The file ----------------------------------------------------------------------

class ReportPdfFile : public ::testing::Test {
protected:
    // The report of `program`'s sign as exported, one text a page; nothing
    // when poppler is missing.
    std::optional<QStringList> Pages(const ProgramState& program) {
        EXPECT_TRUE(folder_.isValid());
        QTextDocument report;
        ComposeReport(&report, program.description);
        path_ = folder_.filePath(QStringLiteral("report.pdf"));
        const std::optional<QString> error = WriteReportPdf(report, path_, TitleOf(program));
        EXPECT_FALSE(error.has_value()) << error.value_or(QString()).toStdString();
        const std::optional<QString> text = Poppler(QStringLiteral("pdftotext"), {path_, QStringLiteral("-")});
        if (!text) return std::nullopt;
        QStringList pages = text->split(u'\f');
        if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
        return pages;
    }

    QString path_;

private:
    QTemporaryDir folder_;
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
    ProgramState program = Asha();
    program.description = Describe("Mesha");
    const std::optional<QStringList> pages = Pages(program);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pages->join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("flamboyant")));
    EXPECT_TRUE(text.contains(QStringLiteral("figure")));
    static const QRegularExpression ligature(QStringLiteral("[\uFB00-\uFB06]"));
    EXPECT_FALSE(text.contains(ligature)) << text.toStdString();
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
        ProgramState program = Asha();
        program.description = Describe(std::string(sign.name).c_str());
        const std::optional<QStringList> pages = Pages(program);
        if (!pages) GTEST_SKIP() << "pdftotext is not installed";
        splitPages += pages->size() > 1;
        // Page by page, each section found after the one before.
        const QString all = pages->join(u'\f');
        const auto pageAt = [&all](qsizetype offset) { return all.left(offset).count(u'\f'); };
        qsizetype at = 0;
        for (const Section& section : sections) {
            const qsizetype heading = all.indexOf(QString::fromLatin1(section.heading).trimmed(), at);
            ASSERT_GE(heading, 0) << sign.name << ": " << section.heading;
            const qsizetype label =
                all.indexOf(QString::fromLatin1(section.lastLabel).trimmed(), heading + (section.heading == std::string(section.lastLabel) ? 1 : 0));
            const QString value = QString::fromStdString(program.description.*section.lastValue).trimmed();
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

class PlaceOfTheCalculation : public ::testing::Test {
protected:
    void SetUp() override { saved_ = Program(); }
    void TearDown() override {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        qDeleteAll(windows);
        Program() = saved_;
    }

    // A main window with the entry typed, place names included.
    frmMain* Typed() {
        auto* main = new frmMain;
        main->show();
        for (const auto& [box, text] :
             {std::pair{"txtName", "Asha Rao"}, {"txtMCity", " New Delhi "}, {"txtMState", ""}, {"txtMCountry", "India"},
              {"txtZoneHour", "5"}, {"txtZoneMinute", "30"}, {"txtLonD", "77"}, {"txtLonM", "13"}, {"txtLatD", "28"},
              {"txtLatM", "36"}})
            main->findChild<QLineEdit*>(QLatin1String(box))->setText(QLatin1String(text));
        return main;
    }

    QTemporaryDir records_;

private:
    ProgramState saved_;
};

TEST_F(PlaceOfTheCalculation, TypedNamesGoWithTheCalculationIntoTheExport) {
    Typed()->Calculate();
    EXPECT_EQ(Program().birthPlace, "New Delhi, India");

    // The report window exports the title of the calculation on record.
    report_test::SaveDialogStub dialog(records_.filePath(QStringLiteral("asha.pdf")));
    frmSave report;
    report.show();
    report.findChild<QPushButton*>(QStringLiteral("cmdExportPdf"))->click();
    const std::optional<QString> text =
        Poppler(QStringLiteral("pdftotext"), {records_.filePath(QStringLiteral("asha.pdf")), QStringLiteral("-")});
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Name: Asha Rao")));
    EXPECT_TRUE(text->contains(QStringLiteral("Place: New Delhi, India (28\u00B0 36\u2032 N")));
}

// A record keeps no place: the names in the boxes were typed for someone
// else, or for no one.
TEST_F(PlaceOfTheCalculation, AnOpenedRecordHasNone) {
    const QString path = records_.filePath(QStringLiteral("asha.moo"));
    ASSERT_TRUE(WriteBirthRecord(QFile::encodeName(path).toStdString(), Asha().birth).ok());
    Typed()->OpenRecordFile(path);
    EXPECT_EQ(Program().birth.BirthName, "Asha Rao");
    EXPECT_TRUE(Program().birthPlace.empty());
}

} // namespace
} // namespace nyra
