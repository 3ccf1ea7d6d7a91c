// Readable text on dark desktop themes: the contrast measure itself, and
// every window's own colours (the report's, the links', the zone note's)
// as they are drawn under a dark palette.
#include "theme_support.h"
#include "ui/clickable_label.h"
#include "ui/contrast.h"
#include "ui/report_text.h"
#include "ui_test_support.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nyra::test {
namespace {

using theme_test::Drawn;
using theme_test::Measure;

// Ratios are quoted to two places in WCAG's own examples.
constexpr double kRatioTolerance = 0.01;

struct RatioCase {
    const char* name;
    QRgb text, background;
    double ratio;
};

void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name; }

class Contrast : public ::testing::TestWithParam<RatioCase> {};

// Worked with WCAG 2's formulas independently of the program.
TEST_P(Contrast, MatchesTheGuidelinesFormula) {
    EXPECT_NEAR(ContrastRatio(QColor::fromRgb(GetParam().text), QColor::fromRgb(GetParam().background)),
                GetParam().ratio, kRatioTolerance);
    EXPECT_NEAR(ContrastRatio(QColor::fromRgb(GetParam().background), QColor::fromRgb(GetParam().text)),
                GetParam().ratio, kRatioTolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Contrast,
                         ::testing::Values(RatioCase{"BlackOnWhite", 0xff000000, 0xffffffff, 21.0},
                                           RatioCase{"Same", 0xff777777, 0xff777777, 1.0},
                                           RatioCase{"ReportTealOnWhite", 0xff008080, 0xffffffff, 4.77},
                                           RatioCase{"ReportPurpleOnWhite", 0xff800080, 0xffffffff, 9.42},
                                           RatioCase{"GreyJustBelowAA", 0xff777777, 0xffffffff, 4.48},
                                           RatioCase{"PureBlueOnDarkGrey", 0xff0000ff, 0xff353535, 1.43}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ReadableCase {
    const char* name;
    QRgb text, background;
    bool unchanged;  ///< Already readable: kept as it is.
};

void PrintTo(const ReadableCase& c, std::ostream* os) { *os << c.name; }

class Readable : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(Readable, ReachesAAOnItsBackground) {
    const QColor text = QColor::fromRgb(GetParam().text), background = QColor::fromRgb(GetParam().background);
    const QColor made = ReadableOn(text, background);
    EXPECT_GE(ContrastRatio(made, background), kReadableContrast);
    if (GetParam().unchanged) {
        EXPECT_EQ(made, text);
    } else {
        // Lightened or darkened, not swapped for another hue: the strongest
        // channel stays the strongest.
        EXPECT_NE(made, text);
        const auto strongest = [](const QColor& c) {
            return c.blue() >= c.red() && c.blue() >= c.green() ? 2 : c.green() >= c.red() ? 1 : 0;
        };
        if (text.saturation() > 0) {
            EXPECT_EQ(strongest(made), strongest(text));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Readable,
    ::testing::Values(ReadableCase{"QtBlueLinkOnDark", 0xff0000ff, 0xff353535, false},
                      ReadableCase{"FusionDarkLink", 0xff2a82da, 0xff353535, false},
                      ReadableCase{"BlackTextOnDark", 0xff000000, 0xff2b2b2b, false},
                      ReadableCase{"PaleTextOnWhite", 0xffb0e0e6, 0xffffffff, false},
                      ReadableCase{"BlueLinkOnLight", 0xff0000ff, 0xfff0f0f0, true},
                      ReadableCase{"LightLinkOnDark", 0xff8ab4f8, 0xff202124, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The windows under dark themes ------------------------------------------------

// A desktop's dark theme as Qt passes it on: Fusion's usual dark recipe,
// whose link blue is too dark on its window; and one whose theme sets no
// link colour at all, leaving Qt's pure blue.
QPalette DarkRecipe(bool linkColour) {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, linkColour ? QColor(0x2a, 0x82, 0xda) : QColor(Qt::blue));
    return p;
}

struct ThemeCase {
    const char* name;
    bool linkColour;
};

void PrintTo(const ThemeCase& c, std::ostream* os) { *os << c.name; }

// Fusion with the dark palette, for as long as it lives.
class DarkThemeApplied {
public:
    explicit DarkThemeApplied(bool linkColour)
        : style_(QApplication::style()->name()), palette_(QApplication::palette()) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkRecipe(linkColour));
    }
    ~DarkThemeApplied() {
        QApplication::setPalette(palette_);
        QApplication::setStyle(style_);
    }
    DarkThemeApplied(const DarkThemeApplied&) = delete;
    DarkThemeApplied& operator=(const DarkThemeApplied&) = delete;

private:
    QString style_;
    QPalette palette_;
};

class DarkTheme : public WindowTest, public ::testing::WithParamInterface<std::tuple<ThemeCase, WindowKind>> {};

// Every link and note of the window, as drawn, reads at WCAG AA.
TEST_P(DarkTheme, LinksAndNotesAreReadable) {
    const DarkThemeApplied theme(std::get<0>(GetParam()).linkColour);
    QWidget* window = std::get<1>(GetParam()).open(dialogs);
    if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("SST")))
        tabs->setCurrentIndex(tabs->count() - 1);  // the About tab, with two links
    QList<QLabel*> texts;
    for (ClickableLabel* link : window->findChildren<ClickableLabel*>()) texts.append(link);
    if (auto* note = window->findChild<QLabel*>(QStringLiteral("lblZoneNote"))) texts.append(note);
    int measured = 0;
    for (QLabel* text : texts) {
        if (!text->isVisibleTo(window) || text->text().isEmpty()) continue;
        ++measured;
        const Drawn drawn = Measure(text);
        EXPECT_GE(ContrastRatio(drawn.text, drawn.background), kReadableContrast)
            << text->objectName().toStdString() << ": " << drawn.text.name().toStdString() << " on "
            << drawn.background.name().toStdString();
    }
    EXPECT_GT(measured, 0);
}

// The windows with links: all but the time zone picker.
std::vector<WindowKind> WindowsWithLinks() {
    std::vector<WindowKind> kinds(Windows().begin(), Windows().end());
    std::erase_if(kinds, [](const WindowKind& kind) { return std::string(kind.name) == "frmTimeZone"; });
    return kinds;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryWindow, DarkTheme,
    ::testing::Combine(::testing::Values(ThemeCase{"FusionDark", true}, ThemeCase{"DarkWithoutLinkColour", false}),
                       ::testing::ValuesIn(WindowsWithLinks())),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });
// clang-format on

class DarkReport : public WindowTest, public ::testing::WithParamInterface<ThemeCase> {};

// The report keeps the printed page's colours, on the white of a page.
TEST_P(DarkReport, ColoursAreReadable) {
    const DarkThemeApplied theme(GetParam().linkColour);
    QWidget* window = Open(kReportWindow);
    auto* report = window->findChild<QAbstractScrollArea*>(QStringLiteral("RTB"));
    const Drawn page = Measure(report->viewport());
    for (ReportRole role : {ReportRole::Heading, ReportRole::Label, ReportRole::Value}) {
        const QColor ink = ReportFormat(role).foreground().color();
        EXPECT_GE(ContrastRatio(ink, page.background), kReadableContrast)
            << ink.name().toStdString() << " on " << page.background.name().toStdString();
    }
    EXPECT_GE(ContrastRatio(page.text, page.background), kReadableContrast);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Themes, DarkReport,
                         ::testing::Values(ThemeCase{"FusionDark", true}, ThemeCase{"DarkWithoutLinkColour", false}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
