#include "ui/frm_main.h"

#include "app/program_state.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/frm_result.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace nyra {
namespace {

using report_test::MessageRecorder;

BirthRecord SouthEastWithDst() {
    BirthRecord r;
    r.BirthName = "Zo\u00EB \u00D1\u00FA\u00F1ez \u674E\u5C0F\u9F8D";
    r.BirthMonth = 2;
    r.BirthDay = 29;
    r.BirthYear = 1904;
    r.BirthHour = 23;
    r.BirthMinute = 59;
    r.LonDegrees = 151;
    r.LonMinutes = 12;
    r.LonIsEast = kTrue;
    r.LatDegrees = 33;
    r.LatMinutes = 52;
    r.LatIsSouth = kTrue;
    r.ZoneHours = 10;
    r.ZoneMinutes = 0;
    r.DstOn = kTrue;
    return r;
}

BirthRecord NorthWestWithoutDst() {
    BirthRecord r;
    r.BirthName = "Sam";
    r.BirthMonth = 12;
    r.BirthDay = 31;
    r.BirthYear = 2050;
    r.BirthHour = 0;
    r.BirthMinute = 0;
    r.LonDegrees = 74;
    r.LonMinutes = 0;
    r.LatDegrees = 40;
    r.LatMinutes = 42;
    r.ZoneHours = 5;
    return r;
}

class OpenRecord : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Program();
        Program() = ProgramState{};
        ASSERT_TRUE(dir_.isValid());
        window_ = new frmMain;
        window_->show();
    }

    void TearDown() override {
        frmMain::SetOpenPathHandler({});
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w)) windows.append(w);
        }
        qDeleteAll(windows);
        Program() = saved_;
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Write(const QString& name, const BirthRecord& record) const {
        const QString path = Path(name);
        EXPECT_TRUE(WriteBirthRecord(QFile::encodeName(path).toStdString(), record).ok());
        return path;
    }

    // Opens `path` as if the user had chosen it in the dialog.
    void Open(const QString& path) {
        frmMain::SetOpenPathHandler([path](QWidget*) { return path; });
        window_->OpenBirthRecord();
    }

    template <class T = QLineEdit>
    T* Child(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    bool ResultShown() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmResult*>(w) && w->isVisible()) return true;
        return false;
    }

    QTemporaryDir dir_;
    QPointer<frmMain> window_;
    ProgramState saved_;
};

TEST_F(OpenRecord, ReproducesEveryFieldAndTheSameMoonSign) {
    MessageRecorder messages;
    const BirthRecord written = SouthEastWithDst();
    Child<QComboBox>("cboSS")->setCurrentIndex(37);
    Open(Write(QStringLiteral("zoe.moo"), written));

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Child("txtName")->text().toStdString(), written.BirthName);
    EXPECT_EQ(Child<QComboBox>("cboMonth")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>("cboDate")->currentText(), QStringLiteral("29"));
    EXPECT_EQ(Child<QComboBox>("cboYear")->currentText(), QStringLiteral("1904"));
    EXPECT_EQ(Child<QComboBox>("cboHH")->currentText(), QStringLiteral("23"));
    EXPECT_EQ(Child<QComboBox>("cboMM")->currentText(), QStringLiteral("59"));
    EXPECT_EQ(Child<QComboBox>("cboSS")->currentIndex(), 37);  // seconds are not part of a record
    EXPECT_EQ(Child("txtLonD")->text(), QStringLiteral("151"));
    EXPECT_EQ(Child("txtLatM")->text(), QStringLiteral("52"));
    EXPECT_EQ(Child("txtZoneHour")->text(), QStringLiteral("10"));
    EXPECT_TRUE(Child<QRadioButton>("optLong(0)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optLat(1)")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("chkDST")->isChecked());

    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(Program().birth, written);
    const EngineRecord expected = ComputeMoonChart(written);
    EXPECT_EQ(Program().chart.MoonLongitude, expected.MoonLongitude);
    EXPECT_EQ(Program().description.VedicName, expected.RashiName);
}

TEST_F(OpenRecord, NorthWestWithoutDstClearsWhatTheScreenHad) {
    Child<QCheckBox>("chkDST")->setChecked(true);
    Child<QRadioButton>("optLat(1)")->setChecked(true);
    Open(Write(QStringLiteral("sam.moo"), NorthWestWithoutDst()));
    EXPECT_TRUE(Child<QRadioButton>("optLong(1)")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optLat(0)")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(Program().birth, NorthWestWithoutDst());
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
    Open(Write(QStringLiteral("madrid.moo"), madrid));
    EXPECT_EQ(Child("txtZoneHour")->text(), QStringLiteral("-1"));
    EXPECT_EQ(Program().birth, madrid);
    EXPECT_EQ(Program().chart.UniversalHours, 10.0);
}

TEST_F(OpenRecord, ExtensionMustEndInLowerCaseMoo) {
    MessageRecorder messages;
    const QString upper = Write(QStringLiteral("zoe.MOO"), SouthEastWithDst());
    Open(upper);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please Check The File."));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Child("txtName")->text(), QString());
    EXPECT_FALSE(ResultShown());
}

TEST_F(OpenRecord, CancelChangesNothingAndSaysNothing) {
    MessageRecorder messages;
    Child("txtName")->setText(QStringLiteral("Kept"));
    Open(QString());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Child("txtName")->text(), QStringLiteral("Kept"));
}

TEST_F(OpenRecord, EmptyNameLineStopsAtTheNameCheck) {
    MessageRecorder messages;
    BirthRecord nameless = SouthEastWithDst();
    nameless.BirthName.clear();
    Open(Write(QStringLiteral("nameless.moo"), nameless));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please Enter Name"));
    EXPECT_EQ(Child("txtLonD")->text(), QStringLiteral("151"));  // loaded values stay on screen
    EXPECT_FALSE(ResultShown());
}

TEST_F(OpenRecord, UnreadableFilesAreNamedAndChangeNothing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.moo")));
    for (const QString& path : {Path(QStringLiteral("folder.moo")), Path(QStringLiteral("missing.moo"))}) {
        MessageRecorder messages;
        Child("txtName")->setText(QStringLiteral("Kept"));
        Open(path);
        ASSERT_EQ(messages.shown.size(), 1u) << path.toStdString();
        EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Could not open \"") + path))
            << messages.shown[0].text.toStdString();
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(Child("txtName")->text(), QStringLiteral("Kept"));
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
    const char* text;
    const char* message;  ///< After "Could not open \"PATH\": ".
};
void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class OpenBadRecord : public OpenRecord, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(OpenBadRecord, SaysWhichLineAndChangesNothing) {
    const BadFileCase& c = GetParam();
    std::string file = c.text;
    if (c.line > 0) {
        RecordLines lines = RecordLinesFrom(SouthEastWithDst());
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        file.clear();
        for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
    }
    const QString path = Path(QStringLiteral("odd.moo"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.data(), static_cast<qint64>(file.size()));
    out.close();

    // A screen the user filled by hand.
    Child("txtName")->setText(QStringLiteral("Kept"));
    Child<QComboBox>("cboMonth")->setCurrentIndex(4);
    Child<QComboBox>("cboDate")->setCurrentIndex(9);
    Child<QComboBox>("cboYear")->setCurrentIndex(70);
    Child<QComboBox>("cboHH")->setCurrentIndex(6);
    Child<QComboBox>("cboMM")->setCurrentIndex(7);
    Child("txtLonD")->setText(QStringLiteral("12"));
    Child("txtLatM")->setText(QStringLiteral("34"));
    Child("txtZoneHour")->setText(QStringLiteral("3"));
    Child<QCheckBox>("chkDST")->setChecked(true);
    Child<QRadioButton>("optLat(1)")->setChecked(true);
    const QStringList before = ScreenOf(*window_);

    MessageRecorder messages;
    Open(path);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Could not open \"%1\": %2").arg(path, QString::fromUtf8(c.message)));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ScreenOf(*window_), before);
    EXPECT_FALSE(ResultShown());
}

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
        BadFileCase{"LatitudeMinutesPast16Bits", 10, "40000",
                    "Line 10 (latitude minutes): \"40000\" is outside -32768..32767."},
        BadFileCase{"ZoneMinutesEmpty", 12, "", "Line 12 (zone minutes): missing value."},
        BadFileCase{"EmptyFile", -1, "", "the file is empty."},
        BadFileCase{"TextFile", -1, "Dear Ann,\nhere is your chart.\n",
                    "Line 2 (month): \"a^k^\\x19bl\\x19rhnk\\x19\\aZkm'\" is not a whole number."},
        BadFileCase{"ShortFile", -1, "Huu\r\n:\r\n", "Line 3 (day): missing, the file ends before this line."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpenRecord, AFileNameIsShownEscaped) {
    const QString path = Path(QStringLiteral("two\nlines\u202E.moo"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();

    MessageRecorder messages;
    Open(path);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Could not open \"%1/two\\nlines\\xe2\\x80\\xae.moo\": the file is empty.").arg(dir_.path()));
}

TEST_F(OpenRecord, NumbersAreReadByTheOneRule) {
    RecordLines lines = RecordLinesFrom(NorthWestWithoutDst());
    lines[2] = "05";    // day
    lines[4] = " +8 ";  // hour
    lines[6] = "074";   // longitude degrees
    std::string file;
    for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
    const QString path = Path(QStringLiteral("padded.moo"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.data(), static_cast<qint64>(file.size()));
    out.close();

    Open(path);
    BirthRecord expected = NorthWestWithoutDst();
    expected.BirthDay = 5;
    expected.BirthHour = 8;
    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(Program().birth, expected);
}

TEST_F(OpenRecord, ADayItsMonthLacksFillsAndIsRefusedByTheDateCheck) {
    MessageRecorder messages;
    BirthRecord april = NorthWestWithoutDst();
    april.BirthMonth = 4;
    april.BirthDay = 31;
    Open(Write(QStringLiteral("april.moo"), april));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please Enter Correct Date Or Month !"));
    EXPECT_EQ(Child<QComboBox>("cboDate")->currentText(), QStringLiteral("31"));
    EXPECT_EQ(Child<QComboBox>("cboMonth")->currentIndex(), 3);
    EXPECT_FALSE(ResultShown());
}

} // namespace
} // namespace nyra
