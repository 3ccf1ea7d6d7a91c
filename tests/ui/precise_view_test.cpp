// The precise line of the result window: Swiss Ephemeris's position beside
// the program's own, for the ayanamsa chosen in the box next to it.
#include "ui/frm_result.h"

#include "app/program_state.h"
#include "precise/precise_moon.h"
#include "report_test_support.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra {
namespace {

using report_test::Describe;

// The settings key and the values the program stores under it.
const QString kAyanamsaSetting = QStringLiteral("precise/ayanamsa");

struct Birth {
    int year, month, day, hour, minute;
};

// Chennai: 80° 17′ E, India Standard Time (5 h 30 min ahead).
BirthRecord AtChennai(const Birth& when) {
    BirthRecord b;
    b.BirthName = "Test";
    b.BirthYear = static_cast<std::int16_t>(when.year);
    b.BirthMonth = static_cast<std::int16_t>(when.month);
    b.BirthDay = static_cast<std::int16_t>(when.day);
    b.BirthHour = static_cast<std::int16_t>(when.hour);
    b.BirthMinute = static_cast<std::int16_t>(when.minute);
    b.LonDegrees = 80;
    b.LonMinutes = 17;
    b.LonIsEast = kTrue;
    b.ZoneHours = 5;
    b.ZoneMinutes = 30;
    return b;
}

// The engine has the Moon 36′ into Thula; Swiss Ephemeris 38′ (Lahiri).
// Fagan/Bradley's ayanamsa is 53′ larger, which puts it back in Kanya.
constexpr Birth kEarlyThula{1990, 7, 1, 12, 13};
// The engine has the Moon 56″ short of Vrishabha; Swiss Ephemeris has it
// 1′ 41″ past the boundary (found by scanning births near sign changes).
constexpr Birth kEngineSaysMesha{1990, 11, 4, 0, 44};
// Far past every ephemeris the library has (its files end in 2399, its
// built-in fallback in 3000); the engine still computes a sign.
constexpr Birth kYear9000{9000, 3, 1, 12, 0};

class PreciseView : public ::testing::Test {
protected:
    void SetUp() override {
        savedState_ = Program();
        QSettings().remove(kAyanamsaSetting);
    }

    void TearDown() override {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        qDeleteAll(windows);
        Program() = savedState_;
        QSettings().remove(kAyanamsaSetting);
        SetEphemerisFolder(kDefaultEphemerisFolder);
    }

    // What the calculate command leaves behind, then the window it opens.
    frmResult* OpenFor(const Birth& when) {
        ProgramState& program = Program();
        program.birth = AtChennai(when);
        program.chart = ComputeMoonChart(program.birth);
        program.description = Describe(program.chart.RashiName.c_str());
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

    void Choose(const char* key) {
        auto* box = Child<QComboBox>("cboAyanamsa");
        const int index = box->findData(QString::fromLatin1(key));
        ASSERT_GE(index, 0) << key;
        box->setCurrentIndex(index);
    }

    QPointer<frmResult> window;

private:
    ProgramState savedState_;
};

// --- What the line says ------------------------------------------------------

struct LineCase {
    const char* name;
    Birth birth;
    const char* rememberedKey;  // nullptr: nothing remembered yet
    const char* line;
    const char* notice;  // "" when the two agree
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class PreciseLine : public PreciseView, public ::testing::WithParamInterface<LineCase> {};

TEST_P(PreciseLine, SaysWhereTheMoonIsAndWhetherTheSignsAgree) {
    if (GetParam().rememberedKey) QSettings().setValue(kAyanamsaSetting, QString::fromLatin1(GetParam().rememberedKey));
    OpenFor(GetParam().birth);
    EXPECT_EQ(Text("lblPrecise"), GetParam().line);
    EXPECT_TRUE(Shown("lblPrecise"));
    EXPECT_TRUE(Shown("cboAyanamsa"));
    const std::string notice = GetParam().notice;
    EXPECT_EQ(Shown("fraPreciseNotice"), !notice.empty());
    if (!notice.empty()) {
        EXPECT_EQ(Text("lblPreciseNotice"), notice);
    }
    // The descriptions stay the program's own.
    EXPECT_EQ(Text("lblVedicName"), Program().chart.RashiName);
}

INSTANTIATE_TEST_SUITE_P(
    Births, PreciseLine,
    ::testing::Values(
        LineCase{"AgreeOnThula", kEarlyThula, nullptr,
                 "Precise position: 0\u00B0 38\u2032 01\u2033 in Thula (Swiss Ephemeris, Lahiri) \u2014 same sign.",
                 ""},
        LineCase{"DifferOnTheMeshaBoundary", kEngineSaysMesha, nullptr,
                 "Precise position: 0\u00B0 01\u2032 41\u2033 in Vrishabha (Swiss Ephemeris, Lahiri)",
                 "A precise ephemeris puts the Moon in Vrishabha (0\u00B0 01\u2032 41\u2033). This program's "
                 "traditional formula gives Mesha; the descriptions below are for Mesha."},
        LineCase{"RememberedFaganBradleyDiffers", kEarlyThula, "fagan-bradley",
                 "Precise position: 29\u00B0 45\u2032 02\u2033 in Kanya (Swiss Ephemeris, Fagan/Bradley)",
                 "A precise ephemeris puts the Moon in Kanya (29\u00B0 45\u2032 02\u2033). This program's "
                 "traditional formula gives Thula; the descriptions below are for Thula."},
        LineCase{"RememberedKpAgrees", kEarlyThula, "kp",
                 "Precise position: 0\u00B0 43\u2032 50\u2033 in Thula (Swiss Ephemeris, Krishnamurti (KP)) \u2014 "
                 "same sign.",
                 ""},
        // A hand-edited or future settings file: the default, no error.
        LineCase{"UnknownRememberedKeyMeansLahiri", kEarlyThula, "sayana",
                 "Precise position: 0\u00B0 38\u2032 01\u2033 in Thula (Swiss Ephemeris, Lahiri) \u2014 same sign.",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Choosing another ayanamsa ------------------------------------------------

TEST_F(PreciseView, ChoosingAnAyanamsaRedoesOnlyThePreciseLine) {
    OpenFor(kEarlyThula);
    const ProgramState before = Program();
    const char* const untouched[] = {"lblVedicName", "lblMoonPosition", "lblNakshatra", "lblAyanamsa",
                                     "lblSignSpan", "lblSignNotice"};
    std::vector<std::string> texts;
    for (const char* name : untouched) texts.push_back(Text(name));

    Choose("fagan-bradley");
    EXPECT_TRUE(Text("lblPrecise").ends_with("in Kanya (Swiss Ephemeris, Fagan/Bradley)")) << Text("lblPrecise");
    EXPECT_TRUE(Shown("fraPreciseNotice"));
    EXPECT_TRUE(Text("lblPreciseNotice").ends_with("the descriptions below are for Thula."));

    Choose("lahiri");
    EXPECT_TRUE(Text("lblPrecise").ends_with("(Swiss Ephemeris, Lahiri) \u2014 same sign.")) << Text("lblPrecise");
    EXPECT_FALSE(Shown("fraPreciseNotice"));

    for (std::size_t i = 0; i < std::size(untouched); ++i) EXPECT_EQ(Text(untouched[i]), texts[i]) << untouched[i];
    // The tabs, the report (made from the description) and a saved record
    // (the birth data) come from the program's records, which stay as they were.
    EXPECT_EQ(Program().birth, before.birth);
    EXPECT_EQ(Program().chart.MoonLongitude, before.chart.MoonLongitude);
    EXPECT_EQ(Program().description.VedicName, "Thula");
    EXPECT_EQ(Child<QTabWidget>("SST")->tabText(6).toStdString(), "Lucky for Thula");
    EXPECT_EQ(Child<QLineEdit>("txtEnglishName")->text().toStdString(), "Libra");
}

TEST_F(PreciseView, TheChoiceIsRememberedForTheNextWindow) {
    OpenFor(kEarlyThula);
    ASSERT_EQ(Child<QComboBox>("cboAyanamsa")->currentText().toStdString(), "Lahiri");
    Choose("kp");
    window->close();
    EXPECT_EQ(QSettings().value(kAyanamsaSetting).toString().toStdString(), "kp");

    OpenFor(kEngineSaysMesha);
    EXPECT_EQ(Child<QComboBox>("cboAyanamsa")->currentText().toStdString(), "Krishnamurti (KP)");
    EXPECT_TRUE(Text("lblPrecise").find("(Swiss Ephemeris, Krishnamurti (KP))") != std::string::npos)
        << Text("lblPrecise");
}

// --- Placement ------------------------------------------------------------------

TEST_F(PreciseView, LineAndChooserSitSideBySideAboveTheNotices) {
    OpenFor(kEngineSaysMesha);
    const auto top = [this](const char* name) { return Child<QWidget>(name)->mapTo(window, QPoint(0, 0)).y(); };
    const auto left = [this](const char* name) { return Child<QWidget>(name)->mapTo(window, QPoint(0, 0)).x(); };
    const auto bottom = [&](const char* name) { return top(name) + Child<QWidget>(name)->height(); };
    EXPECT_LT(top("cboAyanamsa"), bottom("lblPrecise"));
    EXPECT_GT(bottom("cboAyanamsa"), top("lblPrecise"));
    EXPECT_GT(left("cboAyanamsa"), left("lblPrecise"));
    EXPECT_GE(top("lblPrecise"), bottom("lblMoonPosition"));
    EXPECT_GE(top("fraPreciseNotice"), bottom("lblPrecise"));
    EXPECT_LE(bottom("fraPreciseNotice"), top("SST"));
}

// --- When the library cannot help -----------------------------------------------

TEST_F(PreciseView, BeyondEveryEphemerisTheLineSaysSoAndTheRestStays) {
    OpenFor(kYear9000);
    EXPECT_EQ(Text("lblPrecise"),
              "Precise position: not available \u2014 Swiss Ephemeris could not compute the Moon for this birth.");
    EXPECT_FALSE(Child("lblPrecise")->toolTip().isEmpty());
    EXPECT_FALSE(Shown("fraPreciseNotice"));
    EXPECT_EQ(Text("lblVedicName"), Program().chart.RashiName);
    EXPECT_TRUE(Text("lblMoonPosition").starts_with("Moon at ")) << Text("lblMoonPosition");
    EXPECT_TRUE(Shown("lblMoonPosition"));
}

TEST_F(PreciseView, WithoutTheFilesTheLineNamesTheFallback) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetEphemerisFolder(empty.path().toStdString());
    OpenFor(kEarlyThula);
    EXPECT_EQ(Text("lblPrecise"),
              "Precise position: 0\u00B0 38\u2032 01\u2033 in Thula (Moshier ephemeris, Lahiri) \u2014 same sign.");
    EXPECT_TRUE(Child("lblPrecise")->toolTip().contains(QStringLiteral("Moshier")));
}

// The library's licence asks for its name and terms wherever it is used.
TEST(AboutBoxCredit, NamesSwissEphemerisAndItsLicence) {
    frmAbout about;
    about.show();
    auto* credit = about.findChild<QLabel*>(QStringLiteral("lblEphemerisCredit"));
    ASSERT_NE(credit, nullptr);
    EXPECT_TRUE(credit->isVisibleTo(&about));
    EXPECT_EQ(credit->text().toStdString(),
              "Precise Moon positions: Swiss Ephemeris, \u00A9 Astrodienst AG (astro.com/swisseph), AGPL-3.0.");
}

} // namespace
} // namespace nyra
