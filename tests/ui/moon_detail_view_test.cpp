// The Moon's details on the result window, as its calculation holds them.
// (The sentences themselves are checked in tests/calculation.)
#include "ui/frm_result.h"

#include "engine/moon_detail.h"
#include "theme_support.h"
#include "ui/contrast.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

using namespace theme_test;

// At Greenwich, zone 0.
constexpr BirthAt kJ2000Noon{2000, 1, 1, 12, 0};
// 72 minutes after the Moon entered Thula at 21:37 on 30 Dec 1999.
constexpr BirthAt kJustInThula{1999, 12, 30, 22, 49};
// Mid-sign and mid-nakshatra: Swati, pada 3.
constexpr BirthAt kQuietMorning{2000, 1, 1, 6, 0};

class MoonDetailView : public OneWindowTest<frmResult> {
protected:
    frmResult* OpenFor(const BirthAt& when) { return Show(new frmResult(CalculationOf(Birth(when)), dialogs)); }
    const Calculation& Calculated() const { return window->calculation(); }
};

// The window's own wording around the calculation's figures.
TEST_F(MoonDetailView, J2000NoonReadsTheChart) {
    OpenFor(kJ2000Noon);
    EXPECT_EQ(Text("lblVedicName"), "Thula");
    EXPECT_EQ(Text("lblMoonPosition"), "Moon at 19\u00B0 27\u2032 44\u2033 in Thula");
    EXPECT_EQ(Text("lblNakshatra"), "Nakshatra Swati, pada 4 (lord Rahu)");
    EXPECT_EQ(Text("lblAyanamsa"), "Ayanamsa: Lahiri (Chitrapaksha) 23\u00B0 51\u2032 13\u2033");
    EXPECT_EQ(Text("lblSignSpan"),
              "The Moon entered Thula on 30 Dec 1999 at 21:37 and leaves it on 2 Jan 2000 at 09:08 (local time).");
    for (const char* name : {"lblMoonPosition", "lblNakshatra", "lblAyanamsa", "lblSignSpan"})
        EXPECT_TRUE(Shown(name)) << name;
}

// The block sits in the upper part, between the sign's name and the tabs, so
// it stays in view whichever tab is open.
TEST_F(MoonDetailView, LiesUnderTheSignNameAboveTheTabs) {
    OpenFor(kJustInThula);
    auto* tabs = Child<QTabWidget>("SST");
    const auto top = [this](const char* name) { return Child(name)->mapTo(window, QPoint(0, 0)).y(); };
    const auto bottom = [&](const char* name) { return top(name) + Child(name)->height(); };
    for (const char* name : {"lblMoonPosition", "lblNakshatra", "lblAyanamsa", "lblSignSpan", "lblSignNotice"}) {
        EXPECT_FALSE(tabs->isAncestorOf(Child(name))) << name;
        EXPECT_GE(top(name), bottom("lblVedicName")) << name;
        EXPECT_LE(bottom(name), top("SST")) << name;
    }
    EXPECT_LT(top("lblMoonPosition"), top("lblSignSpan"));
    EXPECT_LT(top("lblSignSpan"), top("lblSignNotice"));
}

struct NoticeCase {
    const char* name;
    BirthAt birth;
    bool signNotice, nakshatraNotice;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

class ChangeNotices : public MoonDetailView, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(ChangeNotices, ShownOnlyNearAChange) {
    OpenFor(GetParam().birth);
    EXPECT_EQ(Text("lblSignNotice"), SignChangeNotice(Calculated().moon.signSpan));
    EXPECT_EQ(Text("lblNakshatraNotice"), NakshatraChangeNotice(Calculated().moon.nakshatraSpan));
    EXPECT_EQ(Shown("lblSignNotice"), GetParam().signNotice);
    EXPECT_EQ(Shown("lblNakshatraNotice"), GetParam().nakshatraNotice);
    // No amber frame stands empty, none hides its text.
    for (const QFrame* frame : window->findChildren<QFrame*>()) {
        const QString name = frame->objectName();
        if (!name.startsWith(QLatin1String("fra")) || !name.endsWith(QLatin1String("Notice"))) continue;
        const QString label = QStringLiteral("lbl") + name.mid(3);
        EXPECT_EQ(frame->isVisibleTo(window), !Text(label.toLatin1().constData()).empty()) << name.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Births, ChangeNotices,
                         ::testing::Values(NoticeCase{"NakshatraOnlyAtJ2000Noon", kJ2000Noon, false, true},
                                           NoticeCase{"NoneOnAQuietMorning", kQuietMorning, false, false},
                                           NoticeCase{"SignOnlyJustInThula", kJustInThula, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MoonDetailView, NakshatraNoticeInSmallerType) {
    OpenFor(kJ2000Noon);
    EXPECT_LT(Child<QLabel>("lblNakshatraNotice")->font().pointSizeF(),
              Child<QLabel>("lblSignNotice")->font().pointSizeF());
}

// Each window shows its own calculation: a second one never shows the
// first one's Moon or notice.
TEST_F(MoonDetailView, ANewCalculationReplacesEverything) {
    OpenFor(kJustInThula);
    ASSERT_TRUE(Shown("lblSignNotice"));
    window->close();
    OpenFor({1990, 6, 15, 18, 30});
    EXPECT_NE(Text("lblVedicName"), "Thula");
    EXPECT_EQ(Text("lblMoonPosition"), "Moon at " + PositionInSignText(Calculated().chart));
    EXPECT_TRUE(Text("lblMoonPosition").ends_with(" in " + Text("lblVedicName")));
    EXPECT_EQ(Text("lblSignSpan"), SignSpanSentence(Calculated().moon.signSpan));
    EXPECT_EQ(Shown("lblSignNotice"), !SignChangeNotice(Calculated().moon.signSpan).empty());
}

// --- The notice on light and dark themes -------------------------------------

class NoticeOnTheme : public MoonDetailView, public ::testing::WithParamInterface<ThemeCase> {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setPalette(GetParam().palette());
    }
    void TearDown() override {
        MoonDetailView::TearDown();
        QApplication::setPalette(saved_);
    }

private:
    QPalette saved_;
};

// A pale box on a dark window glares; the notice keeps to the theme's side.

TEST_P(NoticeOnTheme, ReadableAndSetApartFromTheWindow) {
    OpenFor(kJustInThula);
    ASSERT_TRUE(Shown("fraSignNotice"));
    const Drawn notice = Measure(Child("fraSignNotice"));
    EXPECT_GE(ContrastRatio(notice.text, notice.background), kMinimumTextContrast);
    EXPECT_NE(notice.background, window->palette().color(QPalette::Window));
    EXPECT_EQ(IsDark(notice.background), IsDark(window->palette().color(QPalette::Window)));
    // The plain lines keep the theme's own text colour.
    EXPECT_EQ(Child("lblSignSpan")->palette().color(QPalette::WindowText),
              GetParam().palette().color(QPalette::WindowText));
}

// A theme switched while the window is open recolours the notice too. (The
// application passes its new palette on only from within its event loop, so
// the window is given it directly.)
TEST_P(NoticeOnTheme, FollowsAThemeChangeWhileOpen) {
    OpenFor(kJustInThula);
    const QPalette other = IsDark(GetParam().palette().color(QPalette::Window)) ? LightPalette() : DarkPalette();
    window->setPalette(other);
    const Drawn notice = Measure(Child("fraSignNotice"));
    EXPECT_GE(ContrastRatio(notice.text, notice.background), kMinimumTextContrast);
    EXPECT_EQ(IsDark(notice.background), IsDark(other.color(QPalette::Window)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Themes, NoticeOnTheme,
                         ::testing::Values(ThemeCase{"Light", LightPalette}, ThemeCase{"Dark", DarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
