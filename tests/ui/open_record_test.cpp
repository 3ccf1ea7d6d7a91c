#include "ui/frm_main.h"

#include "record/record_file.h"
#include "ui/frm_result.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace nyra::test {
namespace {

BirthRecord NorthWestWithoutDst() { return Birth({2050, 12, 31, 0, 0, -74, -300, 40 + 42 / 60.0}, "Sam"); }

class OpenRecord : public OneWindowTest<frmMain> {
protected:
    void SetUp() override { Show(new frmMain(dialogs)); }

    QString Write(const char* name, const BirthRecord& record) const {
        return WriteRecord(Scratch(QString::fromLatin1(name)), record);
    }

    // Opens `path` as if the user had chosen it in the dialog.
    void Open(const QString& path) {
        dialogs.openPath = path;
        window->OpenBirthRecord();
    }

    // The calculation of the result window the record opened, if any.
    const Calculation* Opened() const {
        const QList<frmResult*> results = ShownWindows<frmResult>();
        return results.size() == 1 ? &results[0]->calculation() : nullptr;
    }
    bool ResultShown() const { return !ShownWindows<frmResult>().isEmpty(); }
};

TEST_F(OpenRecord, ReproducesEveryFieldAndTheSameMoonSign) {
    const BirthRecord written = Zoe();
    Child<QComboBox>("cboSS")->setCurrentIndex(37);
    Open(Write("zoe.moo", written));

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Child<QLineEdit>("txtName")->text().toStdString(), written.BirthName);
    EXPECT_EQ(Child<QComboBox>("cboMonth")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>("cboDate")->currentText(), QStringLiteral("29"));
    EXPECT_EQ(Child<QComboBox>("cboYear")->currentText(), QStringLiteral("1904"));
    EXPECT_EQ(Child<QComboBox>("cboHH")->currentText(), QStringLiteral("23"));
    EXPECT_EQ(Child<QComboBox>("cboMM")->currentText(), QStringLiteral("59"));
    EXPECT_EQ(Child<QComboBox>("cboSS")->currentIndex(), 37);  // seconds are not part of a record
    EXPECT_EQ(Child<QLineEdit>("txtLonD")->text(), QStringLiteral("151"));
    EXPECT_EQ(Child<QLineEdit>("txtLatM")->text(), QStringLiteral("52"));
    EXPECT_EQ(Child<QLineEdit>("txtZoneHour")->text(), QStringLiteral("10"));
    EXPECT_TRUE(Child<QRadioButton>("optLong(0)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optLat(1)")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("chkDST")->isChecked());

    ASSERT_NE(Opened(), nullptr);
    EXPECT_EQ(Opened()->birth, written);
    EXPECT_EQ(Opened()->place.coordinatesFrom, PlaceSource::Record);
    EXPECT_EQ(Opened()->place.zoneFrom, PlaceSource::Record);
}

TEST_F(OpenRecord, NorthWestWithoutDstClearsWhatTheScreenHad) {
    Child<QCheckBox>("chkDST")->setChecked(true);
    Child<QRadioButton>("optLat(1)")->setChecked(true);
    Open(Write("sam.moo", NorthWestWithoutDst()));
    EXPECT_TRUE(Child<QRadioButton>("optLong(1)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optLat(0)")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("chkDST")->isChecked());
    ASSERT_NE(Opened(), nullptr);
    EXPECT_EQ(Opened()->birth, NorthWestWithoutDst());
}

TEST_F(OpenRecord, ZoneEastOfGreenwichKeepsItsSignAndDirection) {
    // Madrid: west of Greenwich on Central European time, as the picker
    // writes it.
    BirthRecord madrid = NorthWestWithoutDst();
    madrid.BirthYear = 1975;
    madrid.BirthMonth = 7;
    madrid.BirthDay = 1;
    madrid.BirthHour = 12;
    madrid.LonDegrees = 3;
    madrid.LonMinutes = 42;
    madrid.ZoneHours = 1;
    madrid.ZoneIsEast = kTrue;
    madrid.DstOn = kTrue;
    Open(Write("madrid.moo", madrid));
    EXPECT_EQ(Child<QLineEdit>("txtZoneHour")->text(), QStringLiteral("-1"));
    ASSERT_NE(Opened(), nullptr);
    EXPECT_EQ(Opened()->birth, madrid);
    EXPECT_EQ(Opened()->chart.UniversalHours, 10.0);
}

TEST_F(OpenRecord, ExtensionMustEndInLowerCaseMoo) {
    const QString upper = Write("zoe.MOO", Zoe());
    Open(upper);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Please Check The File."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Child<QLineEdit>("txtName")->text(), QString());
    EXPECT_FALSE(ResultShown());
}

TEST_F(OpenRecord, CancelChangesNothingAndSaysNothing) {
    Child<QLineEdit>("txtName")->setText(QStringLiteral("Kept"));
    Open(QString());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Child<QLineEdit>("txtName")->text(), QStringLiteral("Kept"));
}

TEST_F(OpenRecord, EmptyNameLineStopsAtTheNameCheck) {
    BirthRecord nameless = Zoe();
    nameless.BirthName.clear();
    Open(Write("nameless.moo", nameless));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Please Enter Name"));
    EXPECT_EQ(Child<QLineEdit>("txtLonD")->text(), QStringLiteral("151"));  // loaded values stay on screen
    EXPECT_FALSE(ResultShown());
}

TEST_F(OpenRecord, UnreadableFilesAreNamedAndChangeNothing) {
    ASSERT_TRUE(QDir(ScratchFolder()).mkdir(QStringLiteral("folder.moo")));
    for (const QString& path : {Scratch(QStringLiteral("folder.moo")), Scratch(QStringLiteral("missing.moo"))}) {
        dialogs.messages.clear();
        Child<QLineEdit>("txtName")->setText(QStringLiteral("Kept"));
        Open(path);
        ASSERT_EQ(dialogs.messages.size(), 1u) << path.toStdString();
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Could not open \"") + path))
            << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(Child<QLineEdit>("txtName")->text(), QStringLiteral("Kept"));
        EXPECT_FALSE(ResultShown());
    }
}

// Everything a record fills, as the screen shows it.
QStringList ScreenOf(const frmMain& window) {
    QStringList screen;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) screen << box->objectName() + "=" + box->text();
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        screen << list->objectName() + "=" + QString::number(list->currentIndex());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        screen << button->objectName() + "=" + (button->isChecked() ? "on" : "off");
    return screen;
}

// A record whose line `line` (1-based) holds `text`; -1 writes `text` as the
// whole file.
struct BadFileCase {
    const char* name;
    int line;
    std::string text;
    const char* message;  ///< After "Could not open \"PATH\": ".
};
void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class OpenBadRecord : public OpenRecord, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(OpenBadRecord, SaysWhichLineAndChangesNothing) {
    const BadFileCase& c = GetParam();
    std::string file = c.text;
    if (c.line > 0) {
        RecordLines lines = RecordLinesFrom(Zoe());
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        file.clear();
        for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
    }
    const QString path = Scratch(QStringLiteral("odd.moo"));
    WriteFile(path, QByteArray::fromStdString(file));

    // A screen the user filled by hand.
    Child<QLineEdit>("txtName")->setText(QStringLiteral("Kept"));
    Child<QComboBox>("cboMonth")->setCurrentIndex(4);
    Child<QComboBox>("cboDate")->setCurrentIndex(9);
    Child<QComboBox>("cboYear")->setCurrentIndex(70);
    Child<QComboBox>("cboHH")->setCurrentIndex(6);
    Child<QComboBox>("cboMM")->setCurrentIndex(7);
    Child<QLineEdit>("txtLonD")->setText(QStringLiteral("12"));
    Child<QLineEdit>("txtLatM")->setText(QStringLiteral("34"));
    Child<QLineEdit>("txtZoneHour")->setText(QStringLiteral("3"));
    Child<QCheckBox>("chkDST")->setChecked(true);
    Child<QRadioButton>("optLat(1)")->setChecked(true);
    const QStringList before = ScreenOf(*window);

    Open(path);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Could not open \"%1\": %2").arg(path, QString::fromUtf8(c.message)));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ScreenOf(*window), before);
    EXPECT_FALSE(ResultShown());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Lines, OpenBadRecord,
    ::testing::Values(
        BadFileCase{"MonthThirteen", 2, "13", "Line 2 (month): \"13\" is not a month."},
        BadFileCase{"MonthZero", 2, "0", "Line 2 (month): \"0\" is not a month."},
        BadFileCase{"MonthAsWord", 2, "thirteen", "Line 2 (month): \"thirteen\" is not a whole number."},
        // Shown as the core quotes it, never as a replacement character.
        BadFileCase{"MonthNotUtf8", 2, "1\x80", "Line 2 (month): \"1\\x80\" is not a whole number."},
        BadFileCase{"DayPastTheList", 3, "32", "Line 3 (day): \"32\" is not in the list (1 to 31)."},
        BadFileCase{"YearBeforeTheList", 4, "1850", "Line 4 (year): \"1850\" is not in the list (1901 to 2050)."},
        BadFileCase{"HourPastTheList", 5, "24", "Line 5 (hour): \"24\" is not in the list (0 to 23)."},
        BadFileCase{"MinuteBelowTheList", 6, "-1", "Line 6 (minute): \"-1\" is not in the list (0 to 59)."},
        BadFileCase{"LongitudeFraction", 7, "77.5", "Line 7 (longitude degrees): \"77.5\" is not a whole number."},
        // A number too large for 16 bits on a box's line: the values the box takes.
        BadFileCase{"LatitudeMinutesPast16Bits", 10, "40000",
                    "Line 10 (latitude minutes): \"40000\" is not a whole number from 0 to 59."},
        BadFileCase{"ZoneHoursPast16Bits", 11, "-32768",
                    "Line 11 (zone hours): \"-32768\" is not a whole number from 0 to 14."},
        BadFileCase{"LongitudeDegreesPast16Bits", 7, " 99999 ",
                    "Line 7 (longitude degrees): \"99999\" is not a whole number from 0 to 180."},
        BadFileCase{"ZoneMinutesEmpty", 12, "", "Line 12 (zone minutes): missing value."},
        BadFileCase{"MinuteLongerThanALine", 6, std::string(4095, '0') + "59",
                    "Line 6 (minute): longer than 4096 bytes."},
        BadFileCase{"WindowLongerThanALine", 16, std::string(4094, '0') + "720",
                    "Line 16 (time known): longer than 4096 bytes."},
        BadFileCase{"EmptyFile", -1, "", "the file is empty."},
        BadFileCase{"ShortFile", -1, "Huu\r\n:\r\n", "Line 3 (day): missing, the file ends before this line."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(OpenRecord, ASixteenthLineOfOtherTextIsReadAsAnExactTimeAndSaysSo) {
    std::string file = EncodeRecordFile(Zoe());
    file += ScrambleRecordLine("junk") + "\r\n";
    const QString path = Scratch(QStringLiteral("other.moo"));
    WriteFile(path, QByteArray::fromStdString(file));
    Open(path);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Opened \"%1\": Line 16 (time known): \"junk\" was not "
                                                       "understood; the time was taken as exact.")
                                            .arg(path));
    ASSERT_NE(Opened(), nullptr);
    EXPECT_EQ(Opened()->timeKnown, TimeWindow::Exact());
}

// A file that is no record at all is called so by its name, instead of
// quoting what its second line would be as a month; a record with one
// damaged line is still told which (OpenBadRecord).
class NotARecord : public OpenRecord, public ::testing::WithParamInterface<std::pair<const char*, QByteArray>> {};

TEST_P(NotARecord, SaysSoByTheFilesName) {
    const QString path = Scratch(QStringLiteral("x.moo"));
    WriteFile(path, GetParam().second);
    Child<QLineEdit>("txtName")->setText(QStringLiteral("Kept"));
    Open(path);
    EXPECT_EQ(dialogs.MessageTexts().join(u'|').toStdString(), "\u201Cx.moo\u201D is not a Nyra Moon Sign record.");
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Stop);
    EXPECT_EQ(Child<QLineEdit>("txtName")->text(), QStringLiteral("Kept"));
    EXPECT_FALSE(ResultShown());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, NotARecord,
    ::testing::Values(std::pair{"TextFile", QByteArray("Dear Ann,\nhere is your chart.\nLove, Ravi\n")},
                      std::pair{"Picture", QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001")},
                      std::pair{"NameAlone", QByteArray("Huu\r\n")},
                      std::pair{"LinesOfBlanks", QByteArray("\r\n''\r\n\r\n")}),
    [](const auto& info) { return std::string(info.param.first); });
// clang-format on

TEST_F(OpenRecord, AFileNameIsShownEscaped) {
    const QString path = Scratch(QStringLiteral("two\nlines\u202E.moo"));
    WriteFile(path, "");
    Open(path);
    EXPECT_EQ(dialogs.MessageTexts(),
              QStringList{QStringLiteral("Could not open \"%1/two\\nlines\\xe2\\x80\\xae.moo\": the file is empty.")
                              .arg(ScratchFolder())});
}

TEST_F(OpenRecord, NumbersAreReadByTheOneRule) {
    RecordLines lines = RecordLinesFrom(NorthWestWithoutDst());
    lines[2] = "05";    // day
    lines[4] = " +8 ";  // hour
    lines[6] = "074";   // longitude degrees
    std::string file;
    for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
    const QString path = Scratch(QStringLiteral("padded.moo"));
    WriteFile(path, QByteArray::fromStdString(file));

    Open(path);
    BirthRecord expected = NorthWestWithoutDst();
    expected.BirthDay = 5;
    expected.BirthHour = 8;
    ASSERT_NE(Opened(), nullptr);
    EXPECT_EQ(Opened()->birth, expected);
}

TEST_F(OpenRecord, ADayItsMonthLacksFillsAndIsRefusedByTheDateCheck) {
    BirthRecord april = NorthWestWithoutDst();
    april.BirthMonth = 4;
    april.BirthDay = 31;
    Open(Write("april.moo", april));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Please Enter Correct Date Or Month !"));
    EXPECT_EQ(Child<QComboBox>("cboDate")->currentText(), QStringLiteral("31"));
    EXPECT_EQ(Child<QComboBox>("cboMonth")->currentIndex(), 3);
    EXPECT_FALSE(ResultShown());
}

}  // namespace
}  // namespace nyra::test
