// Details of the windows that are easy to get subtly wrong and that the
// broader window tests let through: the exact colour a text is mixed to,
// the numbers on the exported pages, and Enter on the keypad.
#include "ui/contrast.h"
#include "ui/report_pdf.h"
#include "ui/report_text.h"
#include "ui_test_support.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nyra::test {
namespace {

// ---- A text colour mixed towards black or white: each channel rounded ----------------

struct MixCase {
    const char* name;
    QRgb text, background;
    QRgb made;
};

void PrintTo(const MixCase& c, std::ostream* os) { *os << c.name; }

class MixedColour : public ::testing::TestWithParam<MixCase> {};

// Worked by hand from WCAG 2's formulas: the first of 64 steps towards the
// end that reaches 4.5:1, each channel x + (end - x) * step / 64 rounded to
// the nearest. Truncating gives 98, 163, 227 for the first row and
// 96, 122, 125 for the second; rounding up 148, 148, 255 for the third.
TEST_P(MixedColour, ChannelsAreRoundedToTheNearest) {
    const QColor made = ReadableOn(QColor::fromRgb(GetParam().text), QColor::fromRgb(GetParam().background));
    EXPECT_EQ(made.name().toStdString(), QColor::fromRgb(GetParam().made).name().toStdString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, MixedColour,
                         ::testing::Values(MixCase{"FusionDarkLinkStep17", 0xff2a82da, 0xff353535, 0xff63a3e4},
                                           MixCase{"PaleTextOnWhiteStep29", 0xffb0e0e6, 0xffffffff, 0xff607b7e},
                                           MixCase{"QtBlueOnDarkStep37", 0xff0000ff, 0xff353535, 0xff9393ff}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The exported PDF's page numbers ------------------------------------------------

// A sign whose report takes more than one page.
constexpr const char* kLongReportSign = "Mesha";

class ExportedPdf : public WindowTest {};

// Each page's text ends with its number, counted from 1.
TEST_F(ExportedPdf, PagesAreNumberedFromOne) {
    QTextDocument report;
    const Calculation calculation = ShowingSign(kLongReportSign);
    ComposeReport(&report, calculation.description);
    const QString path = Scratch(QStringLiteral("numbered.pdf"));
    ASSERT_FALSE(WriteReportPdf(report, path, TitleOf(calculation)).has_value());
    const std::optional<QStringList> pages = PdfPages(path);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_GE(pages->size(), 2) << kLongReportSign << "'s report fits one page: the count is not tested";
    for (qsizetype i = 0; i < pages->size(); ++i) {
        const QStringList lines = pages->at(i).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty()) << "page " << i + 1;
        EXPECT_EQ(lines.back().trimmed().toStdString(), std::to_string(i + 1)) << "page " << i + 1;
    }
}

// ---- Enter on the keypad ------------------------------------------------------------

struct KeypadCase {
    const char* name;
    WindowIndex window;
    const char* button;
};

void PrintTo(const KeypadCase& c, std::ostream* os) { *os << c.name; }

class KeypadEnter : public WindowTest, public ::testing::WithParamInterface<KeypadCase> {};

// The keypad's Enter comes with the keypad modifier, which a check for "no
// modifiers" turns away. The buttons chosen open no modal window here.
TEST_P(KeypadEnter, PressesTheFocusedButton) {
    QWidget* window = Open(GetParam().window);
    Activate(window);
    auto* button = Child<QPushButton>(window, GetParam().button);
    ASSERT_NE(button, nullptr);
    QSignalSpy pressed(button, &QPushButton::clicked);
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.size(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WindowsWithButtons, KeypadEnter,
                         ::testing::Values(KeypadCase{"MainFindMoonSign", kMainWindow, "cmdRashi"},
                                           KeypadCase{"ResultBack", kResultWindow, "cmdBack"},
                                           KeypadCase{"ReportExport", kReportWindow, "cmdExportPdf"},
                                           KeypadCase{"PickerQuit", kZonePicker, "cmdQuit"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
