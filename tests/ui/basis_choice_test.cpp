// "Calculate with:" on the main window: the classic formula or Swiss
// Ephemeris with its ayanamsa, remembered between runs, and everything the
// result window, the report and the PDF name from the basis chosen.
#include "calculation/calculation_text.h"
#include "ui/calculation_settings.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/report_pdf.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace nyra::test {
namespace {

// Chennai, 4 Nov 1990, 00:44: the classic formula has the Moon 56″ short of
// Vrishabha, Swiss Ephemeris (Lahiri) past it, so the two bases name
// different signs.
const BirthAt kChennai1990{1990, 11, 4, 0, 44, 80 + 17 / 60.0, 330};

class BasisChoice : public OneWindowTest<frmMain> {
protected:
    void SetUp() override { QSettings().clear(); }

    void Choose(const char* list, int index) {
        auto* box = Child<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    frmResult* Calculate() {
        EnterBirth(window, kChennai1990);
        return FindMoonSign(window);
    }
};

TEST_F(BasisChoice, ClassicIsTheDefaultAndTheAyanamsaWaitsForSwissEphemeris) {
    Show(new frmMain(dialogs));
    EXPECT_EQ(Child<QComboBox>("cboBasis")->currentText().toStdString(), "Classic formula");
    EXPECT_FALSE(Child<QComboBox>("cboAyanamsa")->isEnabled());
    Choose("cboBasis", 1);
    EXPECT_TRUE(Child<QComboBox>("cboAyanamsa")->isEnabled());
    Choose("cboAyanamsa", Child<QComboBox>("cboAyanamsa")->findText(QStringLiteral("Krishnamurti (KP)")));
    EXPECT_EQ(RememberedBasis(), BasisKind::Precise);
    EXPECT_EQ(RememberedAyanamsa(), Ayanamsa::Krishnamurti);

    // A fresh main window (Back, or the next start) shows both again.
    Show(new frmMain(dialogs));
    EXPECT_EQ(Child<QComboBox>("cboBasis")->currentText().toStdString(), "Swiss Ephemeris");
    EXPECT_EQ(Child<QComboBox>("cboAyanamsa")->currentText().toStdString(), "Krishnamurti (KP)");
    EXPECT_TRUE(Child<QComboBox>("cboAyanamsa")->isEnabled());
}

// Each basis names its own sign everywhere, and offers the other basis as
// its second opinion.
TEST_F(BasisChoice, EveryOutputNamesTheChosenBasisAndItsSign) {
    struct Row {
        int basis;
        const char* sign;
        const char* calculatedWith;
        const char* secondOpinion;
    };
    const Row rows[] = {
        {0, "Mesha", "Classic formula, Lahiri (Chitrapaksha) ayanamsa", "Precise position: "},
        {1, "Vrishabha", "Swiss Ephemeris, Lahiri ayanamsa", "Classic formula: "},
    };
    for (const Row& row : rows) {
        Show(new frmMain(dialogs));
        Choose("cboBasis", row.basis);
        frmResult* result = Calculate();
        ASSERT_NE(result, nullptr) << dialogs.MessageTexts().join(u'|').toStdString();
        const Calculation& shown = result->calculation();
        EXPECT_EQ(shown.RashiName(), row.sign);
        EXPECT_EQ(shown.description.VedicName, row.sign);
        EXPECT_EQ(TextOf(result, "lblVedicName"), row.sign);
        EXPECT_EQ(TextOf(result, "lblBasis"), std::string("Calculated with ") + row.calculatedWith);
        EXPECT_TRUE(TextOf(result, "lblPrecise").starts_with(row.secondOpinion)) << TextOf(result, "lblPrecise");
        // The other basis puts the Moon in the other sign, and says so.
        EXPECT_TRUE(ShownIn(result, "fraPreciseNotice"));
        EXPECT_EQ(TextOf(result, "lblNakshatraSpan"), NakshatraSpanSentence(shown.moon.nakshatraSpan));
        EXPECT_EQ(TitleOf(shown).calculatedWith.toStdString(), row.calculatedWith);
        result->close();
        RunDeferredDeletes();
    }
}

// On Swiss Ephemeris the result window's ayanamsa list recalculates the
// whole result; the sign's page stays open while the sign stays the same.
TEST_F(BasisChoice, OnSwissEphemerisTheResultsAyanamsaRecalculatesEverything) {
    Show(new frmMain(dialogs));
    Choose("cboBasis", 1);
    frmResult* result = Calculate();
    ASSERT_NE(result, nullptr);
    const double lahiri = result->calculation().moon.siderealDeg;
    auto* list = test::Child<QComboBox>(result, "cboAyanamsa");
    list->setCurrentIndex(list->findText(QStringLiteral("Raman")));
    emit list->activated(list->currentIndex());
    const Calculation& after = result->calculation();
    EXPECT_EQ(after.basis, Basis::Precise(Ayanamsa::Raman));
    EXPECT_GT(after.moon.siderealDeg - lahiri, 1.0);  // Raman's ayanamsa is about 1.4° smaller
    EXPECT_EQ(TextOf(result, "lblVedicName"), after.RashiName());
    EXPECT_EQ(TextOf(result, "lblBasis"), "Calculated with " + CalculatedWithText(after));
    EXPECT_EQ(RememberedAyanamsa(), Ayanamsa::Raman);
}

}  // namespace
}  // namespace nyra::test
