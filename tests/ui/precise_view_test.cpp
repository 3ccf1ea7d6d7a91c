// The precise line of the result window: Swiss Ephemeris's position beside
// the program's own, for the ayanamsa chosen in the box next to it, which
// is the calculation's from then on and is remembered for the next one,
// apart from the main window's; no stray key or wheel chooses one.
// (The sentences themselves are checked in tests/precise.)
#include "ui/frm_result.h"

#include "calculation/calculation_text.h"
#include "ui/calculation_settings.h"
#include "ui/frm_main.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace nyra::test {
namespace {

// Chennai: 80° 17′ E, India Standard Time (5 h 30 min ahead).
BirthRecord AtChennai(int year, int month, int day, int hour, int minute) {
    return Birth({year, month, day, hour, minute, 80 + 17 / 60.0, 330});
}

// Swiss Ephemeris agrees on Thula with Lahiri, puts the Moon in Kanya with
// Fagan/Bradley.
const BirthRecord kEarlyThula = AtChennai(1990, 7, 1, 12, 13);
// The engine has the Moon 56″ short of Vrishabha, Swiss Ephemeris past it.
const BirthRecord kEngineSaysMesha = AtChennai(1990, 11, 4, 0, 44);
// Far past every ephemeris the library has; the engine still computes a sign.
const BirthRecord kYear9000 = AtChennai(9000, 3, 1, 12, 0);

class PreciseView : public OneWindowTest<frmResult> {
protected:
    frmResult* OpenFor(const BirthRecord& birth, Ayanamsa ayanamsa = kDefaultAyanamsa) {
        return Show(new frmResult(Calculate({birth, {}, {}, BasisKind::Classic, ayanamsa}).value(), dialogs));
    }

    void Choose(const char* key) {
        auto* box = Child<QComboBox>("cboAyanamsa");
        const int index = box->findData(QString::fromLatin1(key));
        ASSERT_GE(index, 0) << key;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

struct LineCase {
    const char* name;
    BirthRecord birth;
    Ayanamsa ayanamsa;
    const char* listed;  ///< What the ayanamsa box shows.
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ShownLine : public PreciseView, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ShownLine, IsTheCalculationsSecondOpinion) {
    OpenFor(GetParam().birth, GetParam().ayanamsa);
    const Calculation& shown = window->calculation();
    const PreciseTexts texts = SecondOpinionTexts(shown);
    EXPECT_EQ(Text("lblPrecise"), texts.line);
    EXPECT_EQ(Child("lblPrecise")->toolTip().toStdString(), texts.toolTip);
    EXPECT_EQ(Shown("fraPreciseNotice"), !texts.notice.empty());
    EXPECT_EQ(Text("lblPreciseNotice"), texts.notice);
    EXPECT_EQ(Child<QComboBox>("cboAyanamsa")->currentText().toStdString(), GetParam().listed);
    EXPECT_TRUE(Shown("lblPrecise"));
    EXPECT_TRUE(Shown("cboAyanamsa"));
    // The descriptions and the Moon's details stay the program's own.
    EXPECT_EQ(Text("lblVedicName"), shown.RashiName());
    EXPECT_TRUE(Text("lblMoonPosition").starts_with("Moon at ")) << Text("lblMoonPosition");
    EXPECT_TRUE(Shown("lblMoonPosition"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, ShownLine,
    ::testing::Values(LineCase{"Agree", kEarlyThula, Ayanamsa::Lahiri, "Lahiri"},
                      LineCase{"Differ", kEngineSaysMesha, Ayanamsa::Lahiri, "Lahiri"},
                      LineCase{"DifferForAnotherAyanamsa", kEarlyThula, Ayanamsa::FaganBradley, "Fagan/Bradley"},
                      LineCase{"BeyondEveryEphemeris", kYear9000, Ayanamsa::Krishnamurti, "Krishnamurti (KP)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Choosing another ayanamsa ------------------------------------------------

// The window's calculation takes the new second opinion, and only that; the
// choice is remembered.
TEST_F(PreciseView, ChoosingAnAyanamsaGivesTheCalculationItsSecondOpinion) {
    OpenFor(kEarlyThula);
    const Calculation before = window->calculation();
    const char* const untouched[] = {"lblVedicName", "lblMoonPosition", "lblNakshatra",  "lblAyanamsa",
                                     "lblSignSpan",  "lblSignNotice",   "txtEnglishName"};
    std::vector<std::string> texts;
    for (const char* name : untouched) texts.push_back(Text(name));

    Choose("fagan-bradley");
    const Calculation& after = window->calculation();
    EXPECT_EQ(after.ayanamsa, Ayanamsa::FaganBradley);
    EXPECT_EQ(after.precise.ayanamsa, Ayanamsa::FaganBradley);
    EXPECT_EQ(after.precise.siderealDeg,
              PreciseMoonAt(ChartJulianDayUt(before.chart), Ayanamsa::FaganBradley).siderealDeg);
    EXPECT_EQ(RememberedAyanamsa(AyanamsaUse::SecondOpinion), Ayanamsa::FaganBradley);
    EXPECT_EQ(RememberedAyanamsa(), kDefaultAyanamsa);
    EXPECT_EQ(Text("lblPrecise"), SecondOpinionTexts(after).line);
    EXPECT_TRUE(Shown("fraPreciseNotice"));

    Choose("lahiri");
    EXPECT_EQ(window->calculation().precise.siderealDeg, before.precise.siderealDeg);
    EXPECT_EQ(RememberedAyanamsa(AyanamsaUse::SecondOpinion), Ayanamsa::Lahiri);
    EXPECT_FALSE(Shown("fraPreciseNotice"));

    for (std::size_t i = 0; i < std::size(untouched); ++i) EXPECT_EQ(Text(untouched[i]), texts[i]) << untouched[i];
    // The report and a saved record are made from the rest, which stays.
    EXPECT_EQ(after.birth, before.birth);
    EXPECT_EQ(after.chart.MoonLongitude, before.chart.MoonLongitude);
    EXPECT_EQ(after.description, before.description);
    EXPECT_EQ(after.possibleSigns.has_value(), before.possibleSigns.has_value());
    EXPECT_EQ(Child<QTabWidget>("SST")->tabText(6).toStdString(), "Lucky for Thula");
}

// Chosen on one result window, the ayanamsa is the next calculation's.
TEST_F(PreciseView, TheChoiceIsRememberedForTheNextCalculation) {
    OpenFor(kEarlyThula);
    Choose("kp");
    Child<QPushButton>("cmdBack")->click();
    RunDeferredDeletes();
    const QList<frmMain*> mains = ShownWindows<frmMain>();
    ASSERT_EQ(mains.size(), 1);
    EnterBirth(mains[0], {1990, 11, 4, 0, 44, 80 + 17 / 60.0, 330});
    Show(FindMoonSign(mains[0]));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->calculation().ayanamsa, Ayanamsa::Krishnamurti);
    EXPECT_EQ(Child<QComboBox>("cboAyanamsa")->currentText().toStdString(), "Krishnamurti (KP)");
    EXPECT_EQ(RememberedAyanamsa(), kDefaultAyanamsa);
}

// The window opens with the keyboard on its tabs; a wheel or a key that
// would step through the closed list leaves the ayanamsa as it was.
TEST_F(PreciseView, NoStrayKeyOrWheelChoosesAnAyanamsa) {
    OpenFor(kEarlyThula);
    auto* box = Child<QComboBox>("cboAyanamsa");
    EXPECT_EQ(window->focusWidget(), Child<QTabWidget>("SST")->tabBar());
    box->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_F}) QTest::keyClick(box, key);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(box->currentText().toStdString(), "Lahiri");
    EXPECT_EQ(window->calculation().ayanamsa, Ayanamsa::Lahiri);
}

// A hand-edited or future settings file: the default, no error.
TEST_F(PreciseView, AnUnknownRememberedKeyMeansTheDefault) {
    QSettings().setValue(QStringLiteral("precise/ayanamsa"), QStringLiteral("sayana"));
    EXPECT_EQ(RememberedAyanamsa(), kDefaultAyanamsa);
    QSettings().setValue(QStringLiteral("precise/ayanamsa"), QStringLiteral("kp"));
    EXPECT_EQ(RememberedAyanamsa(), Ayanamsa::Krishnamurti);
}

// --- Placement ------------------------------------------------------------------

TEST_F(PreciseView, LineAndChooserSitSideBySideAboveTheNotices) {
    OpenFor(kEngineSaysMesha);
    const auto top = [this](const char* name) { return Child(name)->mapTo(window, QPoint(0, 0)).y(); };
    const auto left = [this](const char* name) { return Child(name)->mapTo(window, QPoint(0, 0)).x(); };
    const auto bottom = [&](const char* name) { return top(name) + Child(name)->height(); };
    EXPECT_LT(top("cboAyanamsa"), bottom("lblPrecise"));
    EXPECT_GT(bottom("cboAyanamsa"), top("lblPrecise"));
    EXPECT_GT(left("cboAyanamsa"), left("lblPrecise"));
    EXPECT_GE(top("lblPrecise"), bottom("lblMoonPosition"));
    EXPECT_GE(top("fraPreciseNotice"), bottom("lblPrecise"));
    EXPECT_LE(bottom("fraPreciseNotice"), top("SST"));
}

}  // namespace
}  // namespace nyra::test
