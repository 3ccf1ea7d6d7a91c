// The Moon's details on the result window, read from the program-wide chart
// of a real calculation.
#include "ui/frm_result.h"

#include "app/program_state.h"
#include "engine/moon_detail.h"
#include "report_test_support.h"
#include "theme_support.h"
#include "ui/contrast.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace nyra {
namespace {

using namespace theme_test;
using report_test::Describe;

// WCAG's level AA for normal text.

struct Birth {
    int year, month, day, hour, minute;
};

BirthRecord AtGreenwich(const Birth& when) {
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(when.year);
    b.BirthMonth = static_cast<std::int16_t>(when.month);
    b.BirthDay = static_cast<std::int16_t>(when.day);
    b.BirthHour = static_cast<std::int16_t>(when.hour);
    b.BirthMinute = static_cast<std::int16_t>(when.minute);
    return b;  // zone 0, longitude 0 west, no daylight saving
}

constexpr Birth kJ2000Noon{2000, 1, 1, 12, 0};
// 72 minutes after the Moon entered Thula at 21:37 on 30 Dec 1999.
constexpr Birth kJustInThula{1999, 12, 30, 22, 49};
// Mid-sign and mid-nakshatra: Swati, pada 3.
constexpr Birth kQuietMorning{2000, 1, 1, 6, 0};
// 68 minutes before the Moon leaves Thula at 09:08 on 2 Jan 2000.
constexpr Birth kAboutToLeaveThula{2000, 1, 2, 8, 0};

class MoonDetailView : public ::testing::Test {
protected:
    void SetUp() override { savedState_ = Program(); }

    void TearDown() override {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        }
        qDeleteAll(windows);
        Program() = savedState_;
    }

    // What the calculate command leaves behind, then the window it opens.
    frmResult* OpenFor(const Birth& when) {
        ProgramState& program = Program();
        program.birth = AtGreenwich(when);
        program.chart = ComputeMoonChart(program.birth);
        program.description = Describe(program.chart.RashiName.c_str());
        return Open();
    }

    frmResult* Open() {
        window = new frmResult;
        window->show();
        return window;
    }

    template <class T = QLabel>
    T* Child(const char* name) const {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    std::string Text(const char* label) const { return Child(label)->text().toStdString(); }
    bool Shown(const char* name) const { return Child<QWidget>(name)->isVisibleTo(window); }

    QPointer<frmResult> window;

private:
    ProgramState savedState_;
};

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
    const auto top = [this](const char* name) { return Child<QWidget>(name)->mapTo(window, QPoint(0, 0)).y(); };
    const auto bottom = [&](const char* name) { return top(name) + Child<QWidget>(name)->height(); };
    for (const char* name : {"lblMoonPosition", "lblNakshatra", "lblAyanamsa", "lblSignSpan", "lblSignNotice"}) {
        EXPECT_FALSE(tabs->isAncestorOf(Child<QWidget>(name))) << name;
        EXPECT_GE(top(name), bottom("lblVedicName")) << name;
        EXPECT_LE(bottom(name), top("SST")) << name;
    }
    EXPECT_LT(top("lblMoonPosition"), top("lblSignSpan"));
    EXPECT_LT(top("lblSignSpan"), top("lblSignNotice"));
}

struct NoticeCase {
    const char* name;
    Birth birth;
    const char* signNotice;  // "" when none is due
    bool nakshatraNotice;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

class ChangeNotices : public MoonDetailView, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(ChangeNotices, ShownOnlyNearAChange) {
    OpenFor(GetParam().birth);
    const std::string expected = GetParam().signNotice;
    EXPECT_EQ(Shown("fraSignNotice"), !expected.empty());
    EXPECT_EQ(Shown("lblSignNotice"), !expected.empty());
    EXPECT_EQ(Text("lblSignNotice"), expected);
    EXPECT_EQ(Shown("fraNakshatraNotice"), GetParam().nakshatraNotice);
    EXPECT_EQ(Shown("lblNakshatraNotice"), GetParam().nakshatraNotice);
    EXPECT_EQ(Text("lblNakshatraNotice").empty(), !GetParam().nakshatraNotice);
    // No amber frame stands empty, none hides its text.
    for (const QFrame* frame : window->findChildren<QFrame*>()) {
        const QString name = frame->objectName();
        if (!name.startsWith(QLatin1String("fra")) || !name.endsWith(QLatin1String("Notice"))) continue;
        const QString label = QStringLiteral("lbl") + name.mid(3);
        EXPECT_EQ(frame->isVisibleTo(window), !Child(label.toLatin1().constData())->text().isEmpty())
            << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Births, ChangeNotices,
    ::testing::Values(
        NoticeCase{"MidSignAtJ2000Noon", kJ2000Noon, "", true},
        NoticeCase{"QuietMorning", kQuietMorning, "", false},
        NoticeCase{"SeventyTwoMinutesIntoThula", kJustInThula,
                   "Born 1 h 12 min after the Moon entered Thula. If the birth time or time zone may be off by "
                   "that much, the Moon sign may be Kanya.",
                   false},
        NoticeCase{"SixtyEightMinutesBeforeLeavingThula", kAboutToLeaveThula,
                   "Born 1 h 8 min before the Moon left Thula. If the birth time or time zone may be off by that "
                   "much, the Moon sign may be Vrischika.",
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MoonDetailView, NakshatraNoticeNamesTheNextNakshatraInSmallerType) {
    // At J2000 noon the Moon stands half a degree short of Vishakha.
    OpenFor(kJ2000Noon);
    const std::string notice = Text("lblNakshatraNotice");
    EXPECT_TRUE(notice.starts_with("Born ")) << notice;
    EXPECT_NE(notice.find(" before the Moon left Swati."), std::string::npos) << notice;
    EXPECT_TRUE(notice.ends_with("the nakshatra may be Vishakha.")) << notice;
    EXPECT_EQ(notice, NakshatraChangeNotice(FindNakshatraSpan(Program().chart)));
    EXPECT_LT(Child("lblNakshatraNotice")->font().pointSizeF(), Child("lblSignNotice")->font().pointSizeF());
}

// Every window reads the records afresh: a second calculation never shows the
// first one's Moon or notice.
TEST_F(MoonDetailView, ANewCalculationReplacesEverything) {
    OpenFor(kJustInThula);
    ASSERT_TRUE(Shown("lblSignNotice"));
    window->close();
    OpenFor({1990, 6, 15, 18, 30});
    EXPECT_NE(Text("lblVedicName"), "Thula");
    EXPECT_EQ(Text("lblMoonPosition"), "Moon at " + PositionInSignText(Program().chart));
    EXPECT_TRUE(Text("lblMoonPosition").ends_with(" in " + Text("lblVedicName")));
    EXPECT_EQ(Text("lblSignSpan"), SignSpanSentence(FindSignSpan(Program().chart)));
    EXPECT_EQ(Shown("lblSignNotice"), !SignChangeNotice(FindSignSpan(Program().chart)).empty());
}

// A description without the chart it came from (nothing calculated yet) must
// not be dressed with a Moon from some other chart.
TEST_F(MoonDetailView, NoChartNoDetails) {
    Program().chart = EngineRecord{};
    Program().description = Describe("Mesha");
    Open();
    EXPECT_EQ(Text("lblVedicName"), "Mesha");
    for (const char* name : {"lblMoonPosition", "lblNakshatra", "lblAyanamsa", "lblSignSpan", "lblSignNotice",
                             "lblNakshatraNotice"})
        EXPECT_FALSE(Shown(name)) << name;
}

TEST_F(MoonDetailView, TabsStayAsTheyWere) {
    OpenFor(kJustInThula);
    auto* tabs = Child<QTabWidget>("SST");
    const char* const captions[] = {"Sign Characteristics", "Physique And Looks", "Human Nature",
                                    "Career and Finance",   "Love And Compatibility", "Health",
                                    "Lucky for Thula",      "About Software"};
    ASSERT_EQ(tabs->count(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]) << i;
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Child<QLineEdit>("txtEnglishName")->text().toStdString(), "Libra");
    EXPECT_EQ(Child<QLineEdit>("txtTypeOfSign")->text().toStdString(), Describe("Thula").TypeOfSign);
    EXPECT_EQ(Child<QLineEdit>("txtLuckyNumbers")->text().toStdString(), Describe("Thula").LuckyNumbers);
    EXPECT_EQ(Text("lblLuckyDays"), "Lucky Days for Thula");
    EXPECT_TRUE(tabs->widget(6)->isAncestorOf(Child<QWidget>("txtLuckyGemstone")));
}

// --- The notice on light and dark themes -------------------------------------

class NoticeOnTheme : public MoonDetailView, public ::testing::WithParamInterface<ThemeCase> {
protected:
    void SetUp() override {
        MoonDetailView::SetUp();
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
    const Drawn notice = Measure(Child<QFrame>("fraSignNotice"));
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
    const Drawn notice = Measure(Child<QFrame>("fraSignNotice"));
    EXPECT_GE(ContrastRatio(notice.text, notice.background), kMinimumTextContrast);
    EXPECT_EQ(IsDark(notice.background), IsDark(other.color(QPalette::Window)));
}

INSTANTIATE_TEST_SUITE_P(Themes, NoticeOnTheme,
                         ::testing::Values(ThemeCase{"Light", LightPalette}, ThemeCase{"Dark", DarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nyra
