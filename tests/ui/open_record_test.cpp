#include "ui/frm_main.h"

#include "app/program_state.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/frm_result.h"

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
        EXPECT_FALSE(WriteBirthRecord(QFile::encodeName(path).toStdString(), record).has_value());
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

TEST_F(OpenRecord, LinesAControlCannotTakeLeaveItAsItWas) {
    MessageRecorder messages;
    const QString path = Path(QStringLiteral("odd.moo"));
    RecordLines lines = RecordLinesFrom(SouthEastWithDst());
    lines[1] = "thirteen";  // month
    lines[3] = "1850";      // not in the year list
    std::string file;
    for (const std::string& line : lines) file += ScrambleRecordLine(line) + "\r\n";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.data(), static_cast<qint64>(file.size()));
    out.close();

    Child<QComboBox>("cboMonth")->setCurrentIndex(4);
    Open(path);
    EXPECT_EQ(Child<QComboBox>("cboMonth")->currentIndex(), 4);
    EXPECT_EQ(Child<QComboBox>("cboYear")->currentText(), QStringLiteral("1901"));
    EXPECT_EQ(Child<QComboBox>("cboDate")->currentText(), QStringLiteral("29"));
}

} // namespace
} // namespace nyra
