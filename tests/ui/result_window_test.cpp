#include "ui/frm_result.h"

#include "links/web_links.h"
#include "ui/birth_line.h"
#include "ui/frm_main.h"
#include "ui/sign_pictures.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace nyra::test {
namespace {

constexpr int kSignPictureSize = 96;

class ResultWindow : public OneWindowTest<frmResult> {
protected:
    frmResult* Open(const SignDescription& description) {
        Calculation calculation = NearAChange();
        calculation.description = description;
        return Show(new frmResult(calculation, dialogs));
    }

    std::string Caption(const char* label) const { return Child<QLabel>(label)->text().toStdString(); }
    std::string Line(const char* box) const { return Child<QLineEdit>(box)->text().toStdString(); }
    QTabWidget* Tabs() const { return Child<QTabWidget>("SST"); }

    QImage Picture() const { return Child<QLabel>("picRashi")->pixmap().toImage(); }
    QImage Expected(const char* englishName) const {
        return PaintSignPicture(QString::fromLatin1(englishName), kSignPictureSize, window->devicePixelRatioF())
            .toImage();
    }
};

TEST_F(ResultWindow, MeshaAsTheUserSeesIt) {
    Open(Describe("Mesha"));
    EXPECT_EQ(window->windowTitle().toStdString(), "Nyra Moon Sign v2.10");
    EXPECT_EQ(Caption("lblVedicName"), "Mesha");
    EXPECT_EQ(Tabs()->tabText(6).toStdString(), "Lucky for Mesha");
    EXPECT_EQ(Caption("lblLuckyDays"), "Lucky Days for Mesha");
    EXPECT_EQ(Line("txtLuckyNumbers"), "9, 1");
    EXPECT_EQ(Line("txtEnglishName"), "Aries");
    EXPECT_EQ(Picture(), Expected("Aries"));
    EXPECT_EQ(Caption("lblBirth"), BirthLineText(TitleOf(window->calculation())).toStdString());
}

TEST_F(ResultWindow, LuckyLabelsNameTheSign) {
    Open(Describe("Thula"));
    EXPECT_EQ(Tabs()->tabText(6).toStdString(), "Lucky for Thula");
    EXPECT_EQ(Caption("lblLuckyDays"), "Lucky Days for Thula");
    EXPECT_EQ(Caption("lblLuckyNumbers"), "Lucky Numbers for Thula");
    EXPECT_EQ(Caption("lblBestDirection"), "Best Direction for Thula");
    EXPECT_EQ(Caption("lblLuckyColors"), "Lucky Colors for Thula");
    EXPECT_EQ(Caption("lblLuckyGemstone"), "Lucky Gemstone for Thula");
    EXPECT_EQ(Caption("lblBestPeriodOfActivity"), "Best Period Of Activity for Thula");
    EXPECT_TRUE(Tabs()->widget(6)->isAncestorOf(Child<QWidget>("txtLuckyGemstone")));
    EXPECT_EQ(Picture(), Expected("Libra"));
}

// Every field of the description lands in the box named after it, the five
// paragraphs in scrolling multi-line boxes, the rest in single lines.
class EveryField : public ResultWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryField, IsShownReadOnlyInItsBox) {
    const SignDescription sign = Describe(GetParam());
    Open(sign);
    const std::set<std::string_view> paragraphs = {"Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife",
                                                   "Health"};
    for (const SignField& field : kSignFields) {
        if (field.name == "VedicName") continue;
        const QString boxName = QStringLiteral("txt") + QString::fromLatin1(field.name.data(), field.name.size());
        const std::string expected = sign.*field.member;
        if (paragraphs.count(field.name)) {
            auto* box = window->findChild<QPlainTextEdit*>(boxName);
            ASSERT_NE(box, nullptr) << field.name;
            EXPECT_EQ(box->toPlainText().toStdString(), expected) << field.name;
            EXPECT_TRUE(box->isReadOnly()) << field.name;
            EXPECT_NE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << field.name;
        } else {
            auto* box = window->findChild<QLineEdit*>(boxName);
            ASSERT_NE(box, nullptr) << field.name;
            EXPECT_EQ(box->text().toStdString(), expected) << field.name;
            EXPECT_TRUE(box->isReadOnly()) << field.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Signs, EveryField, ::testing::Values("Mesha", "Kanya", "Meena"));

TEST_F(ResultWindow, TabCaptionsInOrder) {
    Open(Describe("Simha"));
    const char* const captions[] = {"Sign Characteristics", "Physique And Looks", "Human Nature",
                                    // clang-format off
                                    "Career and Finance",   "Love And Compatibility", "Health",
                                    "Lucky for Simha",      "About Software"};
    // clang-format on
    ASSERT_EQ(Tabs()->count(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Tabs()->tabText(i).toStdString(), captions[i]);
}

struct LabelCase {
    const char* label;
    const char* caption;
    const char* toolTip;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.label; }

class FieldLabel : public ResultWindow, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(FieldLabel, CaptionAndToolTip) {
    Open(Describe("Mesha"));
    EXPECT_EQ(Caption(GetParam().label), GetParam().caption);
    EXPECT_EQ(Child<QLabel>(GetParam().label)->toolTip().toStdString(), GetParam().toolTip);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, FieldLabel,
    ::testing::Values(
        LabelCase{"lblEnglishName", "English Name", "This signifies the English name for the Vedic moon sign."},
        LabelCase{"lblRullingPlanet", "Rulling Planet",
                  "This signifies the planet that exercises a powerful energy on the sign."},
        LabelCase{"lblBarren", "Barren / Fruitful", "This classifies the signs on basis of fertility."},
        LabelCase{"lblConstituentCharacter", "Constituent Character",
                  "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) "
                  "and Jeeva (Animal). "},
        LabelCase{"lblPhysique", "Physique", "This signifies the general stature of people born under this sign. "},
        LabelCase{"lblNature", "Nature", "This signifies the human nature of people born under this sign. "},
        LabelCase{"lblLoveAndDomesticLife", "Love And Domestic Life", "This signifies born under this sign."},
        LabelCase{"lblNotCompatibleWith", "Not Compatible With",
                  "This signifies the other rashis/ moon signs that are not compatible with this sign."},
        LabelCase{"lblBestPeriodOfActivity", "Best Period Of Activity for Mesha",
                  "This shows the best period of the day when people of this sign are more active."}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

TEST_F(ResultWindow, AboutTabTexts) {
    Open(Describe("Mesha"));
    EXPECT_EQ(Caption("lblHomePage"), "Visit us at " + QUrl(ProductPageUrl()).host().toStdString());
    EXPECT_EQ(Caption("lblCoBrand"), "Click here for more details.");
    EXPECT_EQ(Caption("lblDescription"),
              "Nyra Free Moon Sign is a moon sign software based on Vedic Astrology. This program tells us in "
              "detail the characteristics and features of people born under a particular moon sign. This is "
              "different from the sun sign calculated in western astrology. This helps you understand your "
              "positive and negative traits, thus helping you improve your personality.");
    EXPECT_EQ(Caption("lblProductName"), "Nyra Moon Sign");
    EXPECT_TRUE(Caption("Label1").ends_with("Click Here for more info on co-branding."));
    EXPECT_EQ(Caption("lblFullBrand"),
              "Home Business Opportunity. Start your own Internet business and make money online. Get this "
              "software fully branded for your website. Click here for more details.");
}

TEST_F(ResultWindow, OpensOnTheFirstTabEveryTime) {
    Open(Describe("Mesha"));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    Tabs()->setCurrentIndex(5);
    window->close();
    Open(Describe("Mesha"));
    EXPECT_EQ(Tabs()->currentIndex(), 0);
}

TEST_F(ResultWindow, AboutSoftwareSwitchesToTheLastTab) {
    Open(Describe("Mesha"));
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    Child<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(Tabs()->currentIndex(), 7);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
}

TEST_F(ResultWindow, Menus) {
    Open(Describe("Mesha"));
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->menu(), Child<QMenu>("mnuFile"));
    EXPECT_EQ(top[0]->text().toStdString(), "&File");
    EXPECT_EQ(top[1]->menu(), Child<QMenu>("mnuLanguage"));
    EXPECT_EQ(top[2]->menu(), Child<QMenu>("mnuHelp"));
    EXPECT_EQ(top[3], Child<QAction>("mnuDonate"));
    EXPECT_FALSE(Child<QAction>("mnuMakeMoney")->isEnabled());
    EXPECT_FALSE(Child<QAction>("mnuMakeMoney")->isVisible());

    const QList<QAction*> file = Child<QMenu>("mnuFile")->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->objectName().toStdString(), "mnuBack");
    EXPECT_EQ(file[0]->text().toStdString(), "&Back");
    EXPECT_EQ(file[1]->objectName().toStdString(), "mnuFile1");
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->objectName().toStdString(), "mnuSave");
    EXPECT_EQ(file[2]->text().toStdString(), "&Save");

    const QList<QAction*> help = Child<QMenu>("mnuHelp")->actions();
    ASSERT_EQ(help.size(), 6);
    EXPECT_TRUE(help[2]->isSeparator());
    EXPECT_TRUE(help[4]->isSeparator());
    EXPECT_EQ(help[5]->text().toStdString(), "&About Software");

    EXPECT_EQ(Child<QPushButton>("cmdBack")->text().toStdString(), "&Back");
    EXPECT_EQ(Child<QPushButton>("cmdSave")->text().toStdString(), "&Save");
}

TEST_F(ResultWindow, UnknownEnglishNameKeepsTheDesignPicture) {
    SignDescription odd = Describe("Mesha");
    odd.EnglishName = "aries";  // keys match exactly
    Open(odd);
    EXPECT_TRUE(Child<QLabel>("picRashi")->pixmap().isNull());
    EXPECT_EQ(Line("txtEnglishName"), "aries");
}

TEST_F(ResultWindow, BackShowsAFreshMainWindowAndCloses) {
    Open(Describe("Mesha"));
    Child<QAction>("mnuBack")->trigger();
    RunDeferredDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(ShownWindows<frmMain>().size(), 1);
}

TEST_F(ResultWindow, AnotherSignAfterBackShowsOnlyTheNewTexts) {
    Open(Describe("Mesha"));
    window->Back();
    Open(Describe("Makara"));
    EXPECT_EQ(Caption("lblVedicName"), "Makara");
    EXPECT_EQ(Line("txtEnglishName"), "Capricorn");
    EXPECT_EQ(Line("txtLuckyNumbers"), Describe("Makara").LuckyNumbers);
    EXPECT_EQ(Picture(), Expected("Capricorn"));
    EXPECT_NE(Picture(), Expected("Aries"));
}

TEST_F(ResultWindow, SaveOpensTheReportModally) {
    Open(Describe("Mesha"));
    EXPECT_EQ(ModalOpenedBy([this] { QTest::mouseClick(Child<QPushButton>("cmdSave"), Qt::LeftButton); }),
              QStringLiteral("nyra::frmSave"));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace nyra::test
