// The birth place atlas in the main window: the place list under the city
// box, what a pick fills in, how the zone follows the date until the user
// takes it over, and the note under the zone frame.
#include "ui/frm_main.h"

#include "ui/frm_result.h"
#include "ui/frm_time_zone.h"
#include "ui/place_completion.h"
#include "ui/report_pdf.h"
#include "ui_test_support.h"

#include "../support/places.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

// UniversalHours is a sum of hours and minutes/60 taken from 16-bit fields;
// anything beyond rounding means a wrong zone.
constexpr double kHoursTolerance = 1e-9;

Place MakePlace(double latitudeDeg, double longitudeDeg) {
    Place place;
    place.city = QStringLiteral("Somewhere");
    place.country = QStringLiteral("Nowhere");
    place.latitudeDeg = latitudeDeg;
    place.longitudeDeg = longitudeDeg;
    return place;
}

// ---- List texts ---------------------------------------------------------------------

struct CoordinatesCase {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;
    const char* text;
};

void PrintTo(const CoordinatesCase& c, std::ostream* os) { *os << c.name; }

class PlaceCoordinates : public ::testing::TestWithParam<CoordinatesCase> {};

TEST_P(PlaceCoordinates, AreWrittenAsTheBoxesWillReceiveThem) {
    const CoordinatesCase& c = GetParam();
    EXPECT_EQ(PlaceCoordinatesText(MakePlace(c.latitudeDeg, c.longitudeDeg)).toStdString(), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceCoordinates,
    ::testing::Values(CoordinatesCase{"KolkataNorthEast", 22.5626, 88.3630, "22°34′N 88°22′E"},
                      CoordinatesCase{"BuenosAiresSouthWest", -34.6132, -58.3772, "34°37′S 58°23′W"},
                      CoordinatesCase{"MinutesRoundUpIntoTheDegree", 10.99999, 0.5, "11°00′N 0°30′E"},
                      CoordinatesCase{"ZeroLongitudeReadsWestAsTheBoxesWill", 51.5, 0.008, "51°30′N 0°00′W"},
                      CoordinatesCase{"ZeroLatitudeReadsNorth", -0.004, 10.0, "0°00′N 10°00′E"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PlaceListText, TwoPlacesOfOneNameDifferInTheirCoordinates) {
    const QList<Place> ashfords = MatchPlaces(QStringLiteral("Ashford"), {}, QStringLiteral("United Kingdom"));
    ASSERT_GE(ashfords.size(), 2);
    ASSERT_EQ(ashfords[0].displayText(), ashfords[1].displayText());
    EXPECT_NE(PlaceListText(ashfords[0]), PlaceListText(ashfords[1]));
    EXPECT_TRUE(PlaceListText(ashfords[0]).startsWith(ashfords[0].displayText() + QStringLiteral(" (")));
}

// ---- The window ---------------------------------------------------------------------------

// Public helpers: the take-over rows below drive the window through them.
class AtlasEntry : public OneWindowTest<frmMain> {
public:
    void SetUp() override {
        Show(new frmMain(dialogs));
        QApplication::setActiveWindow(window);
        Box("txtMCity")->setFocus();
    }

    QLineEdit* Box(const char* name) const { return Child<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Child<QComboBox>(name); }
    QCheckBox* Dst() const { return Child<QCheckBox>("chkDST"); }
    std::string Note() const { return Text("lblZoneNote"); }
    using OneWindowTest::window;

    QCompleter* Completer() const { return Box("txtMCity")->completer(); }
    QAbstractItemView* Popup() const { return Completer()->popup(); }
    int Rows() const { return Completer()->completionModel()->rowCount(); }
    QString RowData(int row, int role) const {
        return Completer()->completionModel()->index(row, 0).data(role).toString();
    }
    QString PlaceText(int row) const { return RowData(row, PlaceCompletion::PlaceTextRole); }

    void TypeCity(const char* text) { QTest::keyClicks(Box("txtMCity"), QString::fromUtf8(text)); }

    // The row of the list for `city` in `country`; -1 when none.
    int RowOf(const char* city, const char* country) const {
        for (int row = 0; row < Rows(); ++row) {
            const QString text = PlaceText(row);
            if (text.startsWith(QString::fromUtf8(city) + QStringLiteral(", ")) &&
                text.endsWith(QStringLiteral(", ") + QString::fromUtf8(country)))
                return row;
        }
        return -1;
    }

    void ClickRow(int row) {
        QAbstractItemView* popup = Popup();
        const QRect rect = popup->visualRect(Completer()->completionModel()->index(row, 0));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void SetDate(int day, int month, int year, int hour = 12, int minute = 0) {
        test::SetDate(window, year, month, day, hour, minute);
    }

    // Types the city and clicks its row, as a user would.
    void Pick(const char* city, const char* country) {
        TypeCity(city);
        ASSERT_TRUE(Popup()->isVisible()) << city;
        const int row = RowOf(city, country);
        ASSERT_GE(row, 0) << city << ", " << country;
        ClickRow(row);
        ASSERT_FALSE(Popup()->isVisible());
        ASSERT_EQ(Text("txtMCity"), city);
    }

    // The calculation of the result window that Find My Moon Sign opened.
    Calculation Calculate() {
        Box("txtName")->setText(QStringLiteral("Asha"));
        frmResult* result = FindMoonSign(window);
        EXPECT_NE(result, nullptr);
        return result ? result->calculation() : Calculation{};
    }
};

// ---- The list ----------------------------------------------------------------------------

TEST_F(AtlasEntry, TwoLettersOfferPlacesWithoutTakingTheFocus) {
    TypeCity("K");
    EXPECT_FALSE(Popup()->isVisible());
    TypeCity("olk");
    ASSERT_TRUE(Popup()->isVisible());
    ASSERT_GE(Rows(), 1);
    EXPECT_TRUE(PlaceText(0).startsWith(QStringLiteral("Kolkata, "))) << PlaceText(0).toStdString();
    EXPECT_TRUE(PlaceText(0).contains(QStringLiteral("West Bengal")));
    EXPECT_TRUE(PlaceText(0).endsWith(QStringLiteral(", India")));
    EXPECT_EQ(RowData(0, Qt::DisplayRole).toStdString(), PlaceText(0).toStdString() + " (22°34′N 88°22′E)");
    EXPECT_EQ(window->focusWidget(), Box("txtMCity"));
    EXPECT_EQ(Text("txtMCity"), "Kolk");
}

TEST_F(AtlasEntry, KeysReachingTheOpenListGoOnIntoTheCityBox) {
    TypeCity("Ash");
    ASSERT_TRUE(Popup()->isVisible());
    const int rowsForAsh = Rows();
    // While the list is open the window system hands it the keys.
    QTest::keyClicks(Popup(), QStringLiteral("ford"));
    EXPECT_EQ(Text("txtMCity"), "Ashford");
    EXPECT_TRUE(Popup()->isVisible());
    EXPECT_LT(Rows(), rowsForAsh);
    EXPECT_TRUE(PlaceText(0).startsWith(QStringLiteral("Ashford, ")));
    for (int i = 0; i < 6; ++i) QTest::keyClick(Popup(), Qt::Key_Backspace);
    EXPECT_EQ(Text("txtMCity"), "A");
    EXPECT_FALSE(Popup()->isVisible());
}

TEST_F(AtlasEntry, ListIsCappedAndLargestFirst) {
    TypeCity("Chen");
    ASSERT_EQ(Rows(), PlaceCompletion::kMaxOffered);
    EXPECT_TRUE(PlaceText(0).startsWith(QStringLiteral("Chengdu, ")));
    EXPECT_TRUE(PlaceText(1).startsWith(QStringLiteral("Chennai, Tamil Nadu, India")));
}

TEST_F(AtlasEntry, PlacesOfOneNameAreToldApart) {
    TypeCity("Ashford");
    ASSERT_GE(Rows(), 2);
    ASSERT_EQ(PlaceText(0), PlaceText(1));
    EXPECT_NE(RowData(0, Qt::DisplayRole), RowData(1, Qt::DisplayRole));
}

TEST_F(AtlasEntry, CountryBoxNarrowsTheList) {
    TypeCity("Hyderabad");
    ASSERT_GE(Rows(), 2);
    EXPECT_TRUE(PlaceText(0).endsWith(QStringLiteral(", India")));

    Box("txtMCity")->clear();
    QTest::keyClicks(Box("txtMCountry"), QStringLiteral("Pakistan"));
    Box("txtMCity")->setFocus();
    TypeCity("Hyderabad");
    ASSERT_GE(Rows(), 1);
    for (int row = 0; row < Rows(); ++row)
        EXPECT_TRUE(PlaceText(row).endsWith(QStringLiteral(", Pakistan"))) << PlaceText(row).toStdString();
}

TEST_F(AtlasEntry, APickedCountryDoesNotNarrowTheNextSearch) {
    Pick("Chennai", "India");
    Box("txtMCity")->selectAll();
    TypeCity("Madri");
    EXPECT_GE(RowOf("Madrid", "Spain"), 0);

    // Typed by the user, it narrows again.
    Box("txtMCountry")->clear();
    QTest::keyClicks(Box("txtMCountry"), QStringLiteral("Colombia"));
    Box("txtMCity")->setFocus();
    Box("txtMCity")->selectAll();
    TypeCity("Madri");
    EXPECT_LT(RowOf("Madrid", "Spain"), 0);
    EXPECT_GE(RowOf("Madrid", "Colombia"), 0);
}

TEST_F(AtlasEntry, EscapeClosesTheListAndFillsNothing) {
    TypeCity("Kolk");
    ASSERT_TRUE(Popup()->isVisible());
    QTest::keyClick(Popup(), Qt::Key_Escape);
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(Text("txtMCity"), "Kolk");
    EXPECT_EQ(Text("txtLatD"), "");
    EXPECT_EQ(Text("txtZoneHour"), "");
}

TEST_F(AtlasEntry, DownAndEnterPickTheHighlightedRow) {
    TypeCity("Hyderabad");
    ASSERT_GE(Rows(), 2);
    QTest::keyClick(Popup(), Qt::Key_Down);
    QTest::keyClick(Popup(), Qt::Key_Down);
    QTest::keyClick(Popup(), Qt::Key_Return);
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(Text("txtMCity"), "Hyderābād");
    EXPECT_EQ(Text("txtMCountry"), "Pakistan");
}

TEST_F(AtlasEntry, EnterStraightAfterTypingTakesTheFirstMatch) {
    TypeCity("kolk");
    QTest::keyClick(Popup(), Qt::Key_Return);
    EXPECT_EQ(Text("txtMCity"), "Kolkata");
    EXPECT_EQ(Text("txtMCountry"), "India");
}

// A row highlighted and left, never taken: the box shows its city, and the
// calculation says what the box shows.
TEST_F(AtlasEntry, AHighlightedCityLeftInTheBoxIsTheCalculations) {
    EnterBirth(window, {2000, 1, 1, 12, 0, 68 + 22 / 60.0, 300});
    TypeCity("Hyderabad");
    ASSERT_GE(Rows(), 2);
    QTest::keyClick(Popup(), Qt::Key_Down);
    QTest::keyClick(Popup(), Qt::Key_Down);
    QTest::keyClick(Popup(), Qt::Key_Escape);
    ASSERT_EQ(Text("txtMCity"), "Hyder\u0101b\u0101d");
    EXPECT_EQ(Calculate().place.city, "Hyder\u0101b\u0101d");
}

// ---- A pick ------------------------------------------------------------------------------

TEST_F(AtlasEntry, PickFillsPlaceCoordinatesZoneAndNote) {
    SetDate(1, 5, 1943);
    Pick("Kolkata", "India");
    EXPECT_TRUE(QString::fromStdString(Text("txtMState")).contains(QStringLiteral("West Bengal")));
    EXPECT_EQ(Text("txtMCountry"), "India");
    EXPECT_EQ(Text("txtLatD"), "22");
    EXPECT_EQ(Text("txtLatM"), "34");
    EXPECT_TRUE(Child<QRadioButton>("optLat(0)")->isChecked());
    EXPECT_EQ(Text("txtLonD"), "88");
    EXPECT_EQ(Text("txtLonM"), "22");
    EXPECT_TRUE(Child<QRadioButton>("optLong(0)")->isChecked());
    // India kept its clocks an hour ahead from 1942 to 1945.
    EXPECT_EQ(Text("txtZoneHour"), "-5");
    EXPECT_EQ(Text("txtZoneMinute"), "-30");
    EXPECT_TRUE(Dst()->isChecked());
    EXPECT_EQ(Note(), "Asia/Kolkata: UTC+06:30 on 1 May 1943 (daylight saving)");

    EXPECT_NEAR(Calculate().chart.UniversalHours, 5.5, kHoursTolerance);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AtlasEntry, SouthAndWestAreChosen) {
    SetDate(1, 6, 1990);
    Pick("Buenos Aires", "Argentina");
    EXPECT_TRUE(Child<QRadioButton>("optLat(1)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optLong(1)")->isChecked());
    EXPECT_EQ(Text("txtZoneHour"), "3");
    EXPECT_EQ(Text("txtZoneMinute"), "0");
    EXPECT_NEAR(Calculate().chart.UniversalHours, 15.0, kHoursTolerance);
}

TEST_F(AtlasEntry, APlaceOnTheMeridianIsWest) {
    // Blackheath lies 0.0079° east: 0° 0' once rounded, which the engine
    // reads as west, so the choice says West too.
    SetDate(1, 7, 1990);
    Pick("Blackheath", "United Kingdom");
    EXPECT_EQ(Text("txtLonD"), "0");
    EXPECT_EQ(Text("txtLonM"), "0");
    EXPECT_TRUE(Child<QRadioButton>("optLong(1)")->isChecked());
    const Calculation calculation = Calculate();
    EXPECT_EQ(calculation.birth.LonIsEast, kFalse);
    EXPECT_NEAR(calculation.chart.UniversalHours, 11.0, kHoursTolerance);
}

struct PickCase {
    const char* name;
    const char* city;
    const char* country;
    int day, month, year;
    double universalHours;  // At 12:00 on the clock, from the tz database's offset that day.
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.name; }

class AtlasPick : public AtlasEntry, public ::testing::WithParamInterface<PickCase> {};

TEST_P(AtlasPick, CalculatesWithTheTrueOffset) {
    const PickCase& c = GetParam();
    SetDate(c.day, c.month, c.year);
    Pick(c.city, c.country);
    EXPECT_NEAR(Calculate().chart.UniversalHours, c.universalHours, kHoursTolerance);
    EXPECT_TRUE(dialogs.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, AtlasPick,
    ::testing::Values(PickCase{"KolkataWarTime", "Kolkata", "India", 1, 5, 1943, 5.5},
                      PickCase{"MadridWestOfGreenwichOnCentralEuropeanSummerTime", "Madrid", "Spain", 1, 7, 1975, 10},
                      PickCase{"LondonDoubleSummerTime", "London", "United Kingdom", 1, 7, 1944, 10},
                      PickCase{"NewYorkDaylight", "New York", "United States of America", 1, 7, 1970, 16},
                      PickCase{"KathmanduQuarterHour", "Kathmandu", "Nepal", 1, 1, 1990, 6.25},
                      PickCase{"AdelaideHalfHourDaylight", "Adelaide", "Australia", 15, 1, 2000, 1.5},
                      PickCase{"ApiaBeforeTheDateLineMove", "Apia", "Samoa", 1, 6, 2012, -1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The zone follows the date until the user takes it over ---------------------------------

TEST_F(AtlasEntry, ChangingTheDateRefreshesTheZone) {
    SetDate(1, 7, 1944);
    Pick("London", "United Kingdom");
    EXPECT_EQ(Text("txtZoneHour"), "-2");
    EXPECT_FALSE(Dst()->isChecked());

    // Britain kept summer time through the winters of the war.
    List("cboMonth")->setCurrentIndex(0);
    EXPECT_EQ(Text("txtZoneHour"), "0");
    EXPECT_EQ(Text("txtZoneMinute"), "0");
    EXPECT_TRUE(Dst()->isChecked());
    EXPECT_EQ(Note(), "Europe/London: UTC+01:00 on 1 January 1944 (daylight saving)");
    EXPECT_NEAR(Calculate().chart.UniversalHours, 11.0, kHoursTolerance);
}

TEST_F(AtlasEntry, ChangingTheClockTimeRefreshesTheZoneAndNamesAGap) {
    SetDate(28, 3, 2021, 0, 30);
    Pick("London", "United Kingdom");
    List("cboHH")->setCurrentIndex(1);
    EXPECT_NE(Note().find("01:30 did not exist"), std::string::npos) << Note();
    List("cboHH")->setCurrentIndex(3);
    EXPECT_EQ(Text("txtZoneHour"), "0");
    EXPECT_TRUE(Dst()->isChecked());
}

TEST_F(AtlasEntry, AnImpossibleDateLeavesTheZoneAndSaysSo) {
    SetDate(30, 4, 1943);
    Pick("Kolkata", "India");
    List("cboDate")->setCurrentIndex(30);
    EXPECT_EQ(Text("txtZoneHour"), "-5");
    EXPECT_EQ(Text("txtZoneMinute"), "-30");
    EXPECT_EQ(Note(), "There is no 31 April 1943: choose a valid date for the zone of Asia/Kolkata.");

    List("cboYear")->setCurrentIndex(2000 - 1901);
    EXPECT_EQ(Text("txtZoneHour"), "-5");
    List("cboMonth")->setCurrentIndex(4);  // 31 May 2000: India without daylight saving
    EXPECT_FALSE(Dst()->isChecked());
    EXPECT_EQ(Note(), "Asia/Kolkata: UTC+05:30 on 31 May 2000");
}

struct TakeOverCase {
    const char* name;
    void (*takeOver)(AtlasEntry&);
};

void PrintTo(const TakeOverCase& c, std::ostream* os) { *os << c.name; }

class ZoneTakenOver : public AtlasEntry, public ::testing::WithParamInterface<TakeOverCase> {};

// After the user's own zone, a new date leaves the boxes as they are and the
// note tells what the boxes now mean.
TEST_P(ZoneTakenOver, DateChangesNoLongerRefresh) {
    SetDate(1, 7, 1944);
    Pick("London", "United Kingdom");
    GetParam().takeOver(*this);
    const std::string hour = Text("txtZoneHour");
    const std::string minute = Text("txtZoneMinute");
    const bool dst = Dst()->isChecked();

    List("cboMonth")->setCurrentIndex(0);
    EXPECT_EQ(Text("txtZoneHour"), hour);
    EXPECT_EQ(Text("txtZoneMinute"), minute);
    EXPECT_EQ(Dst()->isChecked(), dst);
    // After a warning where the city no longer names the pick.
    EXPECT_NE(Note().find("UTC"), std::string::npos) << Note();
    EXPECT_EQ(Note().find("Europe/London"), std::string::npos) << Note();
}

void TypeZoneHour(AtlasEntry& test) {
    QLineEdit* box = test.Box("txtZoneHour");
    box->selectAll();
    QTest::keyClick(box, '1');
}

void ClickDst(AtlasEntry& test) { QTest::mouseClick(test.Dst(), Qt::LeftButton); }

void TypeInCity(AtlasEntry& test) {
    test.Box("txtMCity")->setFocus();
    test.TypeCity("s");
}

void ChooseZoneFromPicker(AtlasEntry& test, const char* zone) {
    QTimer chooser;
    chooser.setSingleShot(true);
    QObject::connect(&chooser, &QTimer::timeout, [zone] {
        auto* picker = qobject_cast<frmTimeZone*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        auto* list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        const QList<QListWidgetItem*> row = list->findItems(QString::fromLatin1(zone), Qt::MatchExactly);
        ASSERT_EQ(row.size(), 1);
        list->setCurrentItem(row.front());
        picker->PickZone();
    });
    chooser.start(0);
    QTest::mouseClick(test.window->findChild<QLabel*>(QStringLiteral("lblTZHelp")), Qt::LeftButton);
}

void ChooseFromPicker(AtlasEntry& test) { ChooseZoneFromPicker(test, "British Summer Time,BST,+1.0"); }

// London's own zone on that day: the boxes do not change, the pick alone
// takes the zone over.
void ChooseTheSameZoneFromPicker(AtlasEntry& test) {
    ChooseZoneFromPicker(test, "British Double Summer Time,BDST,+2.0");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ZoneTakenOver,
                         ::testing::Values(TakeOverCase{"TypedZoneHour", &TypeZoneHour},
                                           TakeOverCase{"ClickedDst", &ClickDst},
                                           TakeOverCase{"EditedCity", &TypeInCity},
                                           TakeOverCase{"ZoneFromPicker", &ChooseFromPicker},
                                           TakeOverCase{"SameZoneFromPicker", &ChooseTheSameZoneFromPicker}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Names that no longer name the picked place -----------------------------------------

// The window's own pick from the list, of a place the test knows whole.
class PickThenChennai : public AtlasEntry {
protected:
    void SetUp() override {
        AtlasEntry::SetUp();
        // New Zealand summer time: 13 hours ahead.
        SetDate(15, 1, 2000);
        Box("txtName")->setText(QStringLiteral("Asha"));
        emit window->findChild<PlaceCompletion*>()->placeChosen(Auckland());
    }
    void TypeChennai() {
        Box("txtMCity")->selectAll();
        TypeCity("Chennai");
    }
    bool NoteWarns() const { return Child<QLabel>("lblZoneNote")->font().bold(); }
};

TEST_F(PickThenChennai, TheZoneNoteWarnsInAmber) {
    EXPECT_EQ(Note(), "Pacific/Auckland: UTC+13:00 on 15 January 2000 (daylight saving)");
    EXPECT_FALSE(NoteWarns());
    const QColor quiet = Child<QLabel>("lblZoneNote")->palette().color(QPalette::WindowText);
    TypeChennai();
    EXPECT_TRUE(Note().starts_with("The coordinates and zone are still those of Auckland, New Zealand. ")) << Note();
    EXPECT_TRUE(NoteWarns());
    const QColor amber = Child<QLabel>("lblZoneNote")->palette().color(QPalette::WindowText);
    EXPECT_NE(amber, quiet);
    EXPECT_GT(amber.red(), amber.blue() + 60) << amber.name().toStdString();
}

// Picked from the list as the user does, for the list to offer Chennai again.
TEST_F(PickThenChennai, NoReturnsToTheCityAndItsSuggestions) {
    Box("txtMCity")->clear();
    Pick("Auckland", "New Zealand");
    TypeChennai();
    // The list closed and the focus on the button, as a click on it leaves them.
    QTest::keyClick(Popup(), Qt::Key_Escape);
    Child<QPushButton>("cmdRashi")->setFocus();
    ASSERT_FALSE(Popup()->isVisible());
    dialogs.answers = {false};
    Child<QPushButton>("cmdRashi")->click();
    // It names what would be calculated with, and No is its default.
    // (Daylight saving follows the date on screen.)
    EXPECT_TRUE(dialogs.questions.join(u'|').startsWith(
        QStringLiteral("The coordinates and time zone are those of Auckland, New Zealand, but the city now reads "
                       "Chennai. Calculate with the coordinates 36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E and the "
                       "time zone UTC+12:00")))
        << dialogs.questions.join(u'|').toStdString();
    EXPECT_EQ(dialogs.defaultAnswers, std::vector<Answer>{Answer::No});
    EXPECT_TRUE(ShownWindows<frmResult>().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->focusWidget(), Box("txtMCity"));
    EXPECT_TRUE(Popup()->isVisible());
    EXPECT_GE(RowOf("Chennai", "India"), 0);
}

TEST_F(PickThenChennai, YesCalculatesWithTheTypedNamesAndThePicksCoordinates) {
    TypeChennai();
    dialogs.answers = {true};
    const Calculation calculation = Calculate();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(calculation.place.Names(), "Chennai, Auckland, New Zealand");
    EXPECT_EQ(calculation.place.coordinatesFrom, PlaceSource::Atlas);
    EXPECT_EQ(calculation.place.zoneFrom, PlaceSource::Atlas);
    EXPECT_EQ(calculation.place.atlasPlace, "Auckland, New Zealand");
    EXPECT_EQ(TitleOf(calculation).place.toStdString(),
              "Chennai, Auckland, New Zealand (36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E)");
    EXPECT_NEAR(calculation.chart.UniversalHours, 12.0 - 13.0, kHoursTolerance);
}

// A latitude beyond the pole as well: one question says both.
TEST_F(PickThenChennai, AnImpossibleLatitudeTooIsStillOneQuestion) {
    TypeChennai();
    SetBoxes(window, {{"txtLatD", "95"}});
    EXPECT_TRUE(
        Note().starts_with("Latitude 95\u00B0 51\u2032 is beyond the pole. The coordinates and zone are "
                           "still those of Auckland, New Zealand. "))
        << Note();
    dialogs.answers = {true};
    const Calculation calculation = Calculate();
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Latitude 95\u00B0 51\u2032 is beyond the pole. The coordinates and time zone "
                                         "are those of Auckland, New Zealand, but the city now reads Chennai. "
                                         "Calculate anyway?")});
    EXPECT_EQ(calculation.birth.LatDegrees, 95);
}

TEST_F(PickThenChennai, AnUntouchedPickAsksNothing) {
    const Calculation calculation = Calculate();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(calculation.place.Names(), "Auckland, Auckland, New Zealand");
    EXPECT_EQ(calculation.place.coordinatesFrom, PlaceSource::Atlas);
    EXPECT_EQ(TitleOf(calculation).place.toStdString(),
              "Auckland, Auckland, New Zealand (36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E)");
    EXPECT_NEAR(calculation.chart.UniversalHours, 12.0 - 13.0, kHoursTolerance);
}

// ---- The note ------------------------------------------------------------------------------------

TEST_F(AtlasEntry, NoteFollowsTheTypedZone) {
    EXPECT_EQ(Note(), "Enter the time zone, or pick a place or a zone from TZ Help.");
    QTest::keyClicks(Box("txtZoneHour"), QStringLiteral("5"));
    QTest::keyClicks(Box("txtZoneMinute"), QStringLiteral("30"));
    EXPECT_EQ(Note(), "Clock ahead of UTC by 5:30");
    QTest::mouseClick(Dst(), Qt::LeftButton);
    EXPECT_EQ(Note(), "Clock ahead of UTC by 6:30");
    // West of Greenwich a typed size is a clock behind UTC, which the note
    // says, and how to say ahead.
    Child<QRadioButton>("optLong(1)")->setChecked(true);
    EXPECT_EQ(Note(),
              "West of Greenwich: clock behind UTC by 5:30, less 1:00 of daylight saving = behind UTC by "
              "4:30. For a clock ahead of UTC, type the hours with a minus sign or pick the place.");
}

TEST_F(AtlasEntry, TypedDigitsCalculateAsBefore) {
    SetDate(15, 3, 1980, 6, 45);
    for (const auto& [box, text] :
         {std::pair{"txtZoneHour", "5"}, std::pair{"txtZoneMinute", "30"}, std::pair{"txtLonD", "77"},
          std::pair{"txtLonM", "13"}, std::pair{"txtLatD", "28"}, std::pair{"txtLatM", "39"}})
        QTest::keyClicks(Box(box), QString::fromLatin1(text));
    EXPECT_EQ(Note(), "Clock ahead of UTC by 5:30");
    const Calculation calculation = Calculate();
    EXPECT_EQ(calculation.birth.ZoneIsEast, kFalse);
    EXPECT_EQ(calculation.place.zoneFrom, PlaceSource::Typed);
    EXPECT_NEAR(calculation.chart.UniversalHours, 6.75 - 5.5, kHoursTolerance);
}

TEST_F(AtlasEntry, NoteTellsWhenEastWestNoLongerFitsThePick) {
    SetDate(1, 7, 1970);
    Pick("New York", "United States of America");
    EXPECT_EQ(Note(), "America/New_York: UTC-04:00 on 1 July 1970 (daylight saving)");
    Child<QRadioButton>("optLong(0)")->setChecked(true);
    EXPECT_EQ(Note(), "Clock ahead of UTC by 6:00, though America/New_York had UTC-04:00 then");
    Child<QRadioButton>("optLong(1)")->setChecked(true);
    EXPECT_EQ(Note(), "America/New_York: UTC-04:00 on 1 July 1970 (daylight saving)");
}

TEST_F(AtlasEntry, NoteSitsBelowTheZoneFrame) {
    const QWidget* zone = Child<QGroupBox>("fraZone");
    const QWidget* note = Child<QLabel>("lblZoneNote");
    const QPoint zoneBottom = zone->mapTo(window, QPoint(0, zone->height()));
    const QPoint noteTop = note->mapTo(window, QPoint(0, 0));
    EXPECT_GE(noteTop.y(), zoneBottom.y());
    EXPECT_TRUE(note->isVisible());
}

}  // namespace
}  // namespace nyra::test
