#include "ui/frm_main.h"

#include "links/web_links.h"
#include "ui/frm_result.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

// 15 March 1980, 06:45, 77° 13' E, 28° 39' N, zone 5:30.
constexpr BirthAt kValidEntry{1980, 3, 15, 6, 45, 77 + 13 / 60.0, 330, 28 + 39 / 60.0};

class MainWindow : public OneWindowTest<frmMain> {
protected:
    void SetUp() override { Show(new frmMain(dialogs)); }

    QLineEdit* Box(const char* name) const { return Child<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Child<QComboBox>(name); }

    void FillValidEntry() { EnterBirth(window, kValidEntry); }
    void ClickFindMoonSign() { QTest::mouseClick(Child<QPushButton>("cmdRashi"), Qt::LeftButton); }
    // The calculation of the one result window open.
    const Calculation* Calculated() const {
        const QList<frmResult*> results = ShownWindows<frmResult>();
        EXPECT_EQ(results.size(), 1);
        return results.size() == 1 ? &results[0]->calculation() : nullptr;
    }
};

void ExpectLoadTimeContents(const frmMain* w) {
    const auto list = [&](const char* name) { return Child<QComboBox>(w, name); };
    EXPECT_EQ(list("cboDate")->currentText().toStdString(), "1");
    EXPECT_EQ(list("cboMonth")->currentText().toStdString(), "January");
    EXPECT_EQ(list("cboYear")->currentText().toStdString(), "1901");
    EXPECT_EQ(list("cboHH")->currentText().toStdString(), "0");
    EXPECT_EQ(list("cboMM")->currentText().toStdString(), "0");
    EXPECT_EQ(list("cboSS")->currentText().toStdString(), "0");
    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLatD", "txtLatM", "txtLonD",
                             "txtLonM", "txtZoneHour", "txtZoneMinute"})
        EXPECT_TRUE(Child<QLineEdit>(w, name)->text().isEmpty()) << name;
    EXPECT_FALSE(Child<QCheckBox>(w, "chkDST")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(w, "optLat(0)")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(w, "optLat(1)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(w, "optLong(0)")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(w, "optLong(1)")->isChecked());
}

// ---- Loading -------------------------------------------------------------------

TEST_F(MainWindow, LoadsWithFirstEntriesAndEmptyBoxes) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Nyra Moon Sign v2.10");
    ExpectLoadTimeContents(window);
}

struct ListCase {
    const char* list;
    int count;
    const char* first;
    const char* last;
};

TEST_F(MainWindow, ListsHoldTheirEntriesAndCannotBeTypedInto) {
    const ListCase lists[] = {
        {"cboMonth", 12, "January", "December"},
        {"cboDate", 31, "1", "31"},
        {"cboYear", 150, "1901", "2050"},
        {"cboHH", 24, "0", "23"},
        {"cboMM", 60, "0", "59"},
        {"cboSS", 60, "0", "59"},
    };
    for (const ListCase& c : lists) {
        QComboBox* list = List(c.list);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.count) << c.list;
        EXPECT_EQ(list->itemText(0).toStdString(), c.first) << c.list;
        EXPECT_EQ(list->itemText(list->count() - 1).toStdString(), c.last) << c.list;
        EXPECT_FALSE(list->isEditable()) << c.list;
    }
    EXPECT_EQ(List("cboMonth")->itemText(8).toStdString(), "September");
    EXPECT_EQ(List("cboYear")->itemText(99).toStdString(), "2000");
}

// The captions themselves are in captions_test.cpp.
TEST_F(MainWindow, PromotionsInVerdanaBesideThePicture) {
    EXPECT_EQ(Child<QLabel>("lblFullBrand")->font().family().toStdString(), "Verdana");
    EXPECT_FALSE(Child<QLabel>("picMain")->pixmap().isNull());
}

TEST_F(MainWindow, Menus) {
    QMenuBar* bar = window->menuBar();
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text().toStdString(), "&File");
    EXPECT_EQ(top[0]->menu(), Child<QMenu>("mnuFile"));
    EXPECT_EQ(top[1]->text().toStdString(), "&Language");
    EXPECT_EQ(top[1]->menu(), Child<QMenu>("mnuLanguage"));
    EXPECT_EQ(top[2]->text().toStdString(), "&Help");
    EXPECT_EQ(top[2]->menu(), Child<QMenu>("mnuHelp"));
    EXPECT_EQ(top[3], Child<QAction>("mnuDonate"));
    EXPECT_EQ(top[3]->text().toStdString(), "&Donate");
    EXPECT_TRUE(top[3]->isEnabled());
    // Never available, so not shown (and off the bar, whose access keys
    // would still answer it).
    EXPECT_EQ(Child<QAction>("mnuMakeMoney")->text().toStdString(), "Make Money &Online");
    EXPECT_FALSE(Child<QAction>("mnuMakeMoney")->isEnabled());
    EXPECT_FALSE(Child<QAction>("mnuMakeMoney")->isVisible());

    const QList<QAction*> file = Child<QMenu>("mnuFile")->actions();
    ASSERT_EQ(file.size(), 1);
    EXPECT_EQ(file[0]->objectName().toStdString(), "mnuCalculate");
    EXPECT_EQ(file[0]->text().toStdString(), "&Calculate");

    const QList<QAction*> help = Child<QMenu>("mnuHelp")->actions();
    const char* const names[] = {"mnuOnline", "mnuVisit", "mnuHelp1", "mnuUpdate", "mnuHelp2", "mnuAbout"};
    const char* const texts[] = {"&Online Help",   "&Visit Us Online", "", "Check for Software &Update", "",
                                 "&About Software"};
    ASSERT_EQ(help.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(help[i]->objectName().toStdString(), names[i]);
        EXPECT_EQ(help[i]->isSeparator(), *texts[i] == '\0') << names[i];
        if (!help[i]->isSeparator()) {
            EXPECT_EQ(help[i]->text().toStdString(), texts[i]);
        }
    }
}

// ---- Validation through the window -----------------------------------------------

TEST_F(MainWindow, BlankEntryReportsOnlyTheNameAndFocusesIt) {
    Box("txtLatD")->setFocus();
    ClickFindMoonSign();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(), "Please Enter Name");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(window->focusWidget(), Box("txtName"));
    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
}

struct FocusCase {
    const char* name;
    const char* blankBox;
    const char* message;
    const char* focus;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

class MainWindowValidation : public MainWindow, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(MainWindowValidation, MessageAndFocus) {
    FillValidEntry();
    Box(GetParam().blankBox)->clear();
    Box("txtName")->setFocus();
    ClickFindMoonSign();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(), GetParam().message);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(window->focusWidget(), Box(GetParam().focus));
    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
    EXPECT_TRUE(window->isVisible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowValidation,
    ::testing::Values(FocusCase{"ZoneMinute", "txtZoneMinute", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
                      FocusCase{"ZoneHour", "txtZoneHour", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
                      FocusCase{"LonDegrees", "txtLonD", "Please Enter Degree of Longitude", "txtLonD"},
                      FocusCase{"LonMinutes", "txtLonM", "Please Enter Minute of Longitude", "txtLonM"},
                      FocusCase{"LatDegrees", "txtLatD", "Please Enter Degree of Latitude", "txtLatD"},
                      FocusCase{"LatMinutes", "txtLatM", "Please Enter Minute of Latitude", "txtLatM"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MainWindow, DateMessagesComeFromTheSelectedLists) {
    FillValidEntry();
    List("cboMonth")->setCurrentIndex(1);
    List("cboDate")->setCurrentText(QStringLiteral("29"));
    List("cboYear")->setCurrentText(QStringLiteral("1901"));
    Box("txtLonD")->setFocus();
    EXPECT_FALSE(window->ValidateBirthEntry());
    List("cboMonth")->setCurrentIndex(3);
    List("cboDate")->setCurrentText(QStringLiteral("31"));
    EXPECT_FALSE(window->ValidateBirthEntry());
    List("cboDate")->setCurrentText(QStringLiteral("30"));
    EXPECT_TRUE(window->ValidateBirthEntry());

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(), "Please Enter Correct Date Or Month!");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[1].text.toStdString(), "Please Enter Correct Date Or Month !");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(window->focusWidget(), Box("txtLonD"));  // the date checks leave the focus alone
}

TEST_F(MainWindow, LeapDayIn1904IsCalculated) {
    FillValidEntry();
    List("cboMonth")->setCurrentIndex(1);
    List("cboDate")->setCurrentText(QStringLiteral("29"));
    List("cboYear")->setCurrentText(QStringLiteral("1904"));
    ClickFindMoonSign();
    EXPECT_TRUE(dialogs.messages.empty());
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->birth.BirthMonth, 2);
    EXPECT_EQ(calculation->birth.BirthDay, 29);
    EXPECT_EQ(calculation->birth.BirthYear, 1904);
}

// ---- Key filter and typing limits ---------------------------------------------------

class NumericBox : public MainWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(NumericBox, RefusesEverythingButDigitsAndBackspace) {
    QLineEdit* box = Box(GetParam());
    QTest::keyClicks(box, QStringLiteral("12"));
    QTest::keyClick(box, 'x');
    QTest::keyClick(box, '-');
    QTest::keyClick(box, '.');
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text().toStdString(), "12");
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const ShownMessage& m : dialogs.messages) {
        EXPECT_EQ(m.text.toStdString(), "Only Numbers Are Accepted");
        EXPECT_EQ(m.icon, MessageIcon::Stop);
    }
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text().toStdString(), "1");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text().toStdString(), "");
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(SixBoxes, NumericBox,
                         ::testing::Values("txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneHour", "txtZoneMinute"));

TEST_F(MainWindow, NameAndPlaceBoxesTakeAnyText) {
    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
        QTest::keyClicks(Box(name), QStringLiteral("Pune-1."));
        EXPECT_EQ(Box(name)->text().toStdString(), "Pune-1.") << name;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ZoneHourTakesThreeTypedDigits) {
    QLineEdit* box = Box("txtZoneHour");
    QTest::keyClicks(box, QStringLiteral("1234"));
    EXPECT_EQ(box->text().toStdString(), "123");
    box->selectAll();
    QTest::keyClick(box, '9');
    EXPECT_EQ(box->text().toStdString(), "9");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ZoneMinuteTakesTwoTypedDigits) {
    QLineEdit* box = Box("txtZoneMinute");
    QTest::keyClicks(box, QStringLiteral("305"));
    EXPECT_EQ(box->text().toStdString(), "30");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, '5');
    EXPECT_EQ(box->text().toStdString(), "35");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, TextSetByTheProgramIsNotCut) {
    Box("txtZoneHour")->setText(QStringLiteral("-30"));
    Box("txtZoneMinute")->setText(QStringLiteral("-30"));
    EXPECT_EQ(Box("txtZoneHour")->text().toStdString(), "-30");
    EXPECT_EQ(Box("txtZoneMinute")->text().toStdString(), "-30");
    // ... and a full box still refuses typing.
    QTest::keyClick(Box("txtZoneHour"), '1');
    EXPECT_EQ(Box("txtZoneHour")->text().toStdString(), "-30");
}

TEST_F(MainWindow, CoordinateBoxesHaveNoTypingLimit) {
    QTest::keyClicks(Box("txtLonD"), QStringLiteral("1234567"));
    EXPECT_EQ(Box("txtLonD")->text().toStdString(), "1234567");
}

// ---- Calculate ---------------------------------------------------------------------------

TEST_F(MainWindow, CalculateMakesTheCalculationAndHandsItToTheResult) {
    FillValidEntry();
    Box("txtName")->setText(QStringLiteral("  Asha Rao  "));
    TypeBoxes(window, {{"txtMCity", " Delhi "}, {"txtMCountry", "India"}});
    ClickFindMoonSign();
    EXPECT_TRUE(dialogs.messages.empty());

    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    const BirthRecord& b = calculation->birth;
    EXPECT_EQ(b.BirthName, "Asha Rao");
    EXPECT_EQ(b.BirthMonth, 3);
    EXPECT_EQ(b.BirthDay, 15);
    EXPECT_EQ(b.BirthYear, 1980);
    EXPECT_EQ(b.BirthHour, 6);
    EXPECT_EQ(b.BirthMinute, 45);
    EXPECT_EQ(b.ZoneHours, 5);
    EXPECT_EQ(b.ZoneMinutes, 30);
    EXPECT_EQ(b.LonDegrees, 77);
    EXPECT_EQ(b.LonMinutes, 13);
    EXPECT_EQ(b.LatDegrees, 28);
    EXPECT_EQ(b.LatMinutes, 39);
    EXPECT_EQ(b.LonIsEast, kTrue);
    EXPECT_EQ(b.LatIsSouth, kFalse);
    EXPECT_EQ(b.DstOn, kFalse);
    EXPECT_EQ(calculation->chart.MoonLongitude, ComputeMoonChart(b).MoonLongitude);
    EXPECT_TRUE(calculation->TimeIsExact());
    EXPECT_EQ(calculation->place.Names(), "Delhi, India");
    EXPECT_EQ(calculation->place.coordinatesFrom, PlaceSource::Typed);
    EXPECT_EQ(TextOf(ShownWindows<frmResult>().value(0), "lblVedicName"), calculation->chart.RashiName);

    EXPECT_FALSE(window->isVisible());
    RunDeferredDeletes();
    EXPECT_TRUE(window.isNull());
}

TEST_F(MainWindow, MenuCalculateIsTheSameCommand) {
    FillValidEntry();
    Child<QAction>("mnuCalculate")->trigger();
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->birth.LonDegrees, 77);
}

TEST_F(MainWindow, HemisphereChoicesAndDaylightAreStored) {
    FillValidEntry();
    Child<QRadioButton>("optLat(1)")->setChecked(true);
    Child<QRadioButton>("optLong(1)")->setChecked(true);
    Child<QCheckBox>("chkDST")->setChecked(true);
    window->Calculate();
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->birth.LatIsSouth, kTrue);
    EXPECT_EQ(calculation->birth.LonIsEast, kFalse);
    EXPECT_EQ(calculation->birth.DstOn, kTrue);
    EXPECT_EQ(calculation->birth.ZoneHours, 5);
    EXPECT_EQ(calculation->birth.ZoneMinutes, 30);
}

TEST_F(MainWindow, PickerValuesLoseTheirSign) {
    FillValidEntry();
    SetBoxes(window, {{"txtZoneHour", "-5"}, {"txtZoneMinute", "-30"}});
    window->Calculate();
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->birth.ZoneHours, 5);
    EXPECT_EQ(calculation->birth.ZoneMinutes, 30);
}

TEST_F(MainWindow, SecondsDoNotChangeTheResult) {
    FillValidEntry();
    List("cboSS")->setCurrentIndex(59);
    window->Calculate();
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    EXPECT_EQ(calculation->birth, Birth(kValidEntry, "Asha"));
}

TEST_F(MainWindow, UnstorableValueIsRefusedAndNothingIsCalculated) {
    FillValidEntry();
    Box("txtLonD")->setText(QStringLiteral("seventy"));  // as pasted: no key filter saw it
    Box("txtName")->setFocus();
    ClickFindMoonSign();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              "The value in Degree of Longitude is not a whole number from 0 to 180.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(window->focusWidget(), Box("txtLonD"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
}

// No place on Earth has it: named under the zone, asked about once, and
// calculated as it stands on Yes.
TEST_F(MainWindow, ImpossiblePlaceIsNamedAndAskedAbout) {
    FillValidEntry();
    const QString said =
        QStringLiteral("Latitude 95\u00B0 75\u2032 is beyond the pole, and a degree has only 60 minutes.");
    EXPECT_FALSE(Child<QLabel>("lblZoneNote")->font().bold());
    TypeBoxes(window, {{"txtLatD", "95"}, {"txtLatM", "75"}});
    EXPECT_TRUE(Child<QLabel>("lblZoneNote")->text().startsWith(said + u' '));
    EXPECT_TRUE(Child<QLabel>("lblZoneNote")->font().bold());  // the warning style

    dialogs.answers = {false};
    ClickFindMoonSign();
    EXPECT_EQ(dialogs.questions, QStringList{said + QStringLiteral(" Calculate anyway?")});
    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
    EXPECT_EQ(window->focusWidget(), Box("txtLatD"));

    dialogs.answers = {true};
    ClickFindMoonSign();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
    const Calculation* calculation = Calculated();
    ASSERT_NE(calculation, nullptr);
    BirthRecord expected = Birth(kValidEntry, "Asha");
    expected.LatDegrees = 95;
    expected.LatMinutes = 75;
    EXPECT_EQ(calculation->birth, expected);
}

TEST_F(MainWindow, BackBringsAFreshEntry) {
    FillValidEntry();
    Box("txtMCity")->setText(QStringLiteral("Delhi"));
    Child<QCheckBox>("chkDST")->setChecked(true);
    ClickFindMoonSign();
    const QList<frmResult*> results = ShownWindows<frmResult>();
    ASSERT_EQ(results.size(), 1);
    QTest::mouseClick(test::Child<QPushButton>(results[0], "cmdBack"), Qt::LeftButton);
    RunDeferredDeletes();

    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
    const QList<frmMain*> mains = ShownWindows<frmMain>();
    ASSERT_EQ(mains.size(), 1);
    EXPECT_TRUE(window.isNull());
    ExpectLoadTimeContents(mains[0]);
}

// ---- Coordinate lookup ----------------------------------------------------------------

struct LookupCase {
    const char* name;
    const char* city;
    const char* state;
    const char* country;
    const char* message;
    const char* focus;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class CoordinateLookup : public MainWindow, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(CoordinateLookup, PlaceBoxesAreRequired) {
    UrlRecorder browser;
    Box("txtMCity")->setText(QString::fromLatin1(GetParam().city));
    Box("txtMState")->setText(QString::fromLatin1(GetParam().state));
    Box("txtMCountry")->setText(QString::fromLatin1(GetParam().country));
    QTest::mouseClick(Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(), GetParam().message);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(window->focusWidget(), Box(GetParam().focus));
    EXPECT_TRUE(browser.opened.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, CoordinateLookup,
    ::testing::Values(LookupCase{"AllEmptySaysCityOnly", "", "", "", "Please Enter City", "txtMCity"},
                      LookupCase{"State", "Pune", "", "India", "Please Enter State", "txtMState"},
                      LookupCase{"Country", "Pune", "MH", "", "Please Enter Country", "txtMCountry"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MainWindow, LookupSearchesThePlaceAsTyped) {
    UrlRecorder browser;
    Box("txtMCity")->setText(QStringLiteral("Pune "));
    Box("txtMState")->setText(QStringLiteral("  "));  // blanks count as filled
    Box("txtMCountry")->setText(QStringLiteral("India"));
    QTest::mouseClick(Child<QPushButton>("cmdBrowser"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toString().toStdString(),
              MapSearchUrl(QStringLiteral("Pune     India Latitude Longitude")).toString().toStdString());
}

// ---- Modal windows ------------------------------------------------------------

TEST_F(MainWindow, TimeZoneHelpOpensThePickerModally) {
    EXPECT_EQ(ModalOpenedBy([&] { QTest::mouseClick(Child<QLabel>("lblTZHelp"), Qt::LeftButton); }).toStdString(),
              "nyra::frmTimeZone");
}

TEST_F(MainWindow, AboutOpensTheAboutBoxModally) {
    EXPECT_EQ(ModalOpenedBy([&] { Child<QAction>("mnuAbout")->trigger(); }).toStdString(), "nyra::frmAbout");
}

}  // namespace
}  // namespace nyra::test
