// A record handed over by a second start opens in the window on screen, as
// its open command opens it there.
#include "app/handed_over_records.h"

#include "engine/ephemeris.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "window_set.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace nyra {
namespace {

// Generous: it only keeps a broken build from hanging the suite.
constexpr int kDeadlineMs = 30000;

BirthRecord Zoe() {
    BirthRecord r;
    r.BirthName = "Zo\u00EB";
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
    return r;
}

// Whose result the window test's calculation shows (window_set.h): Thula.
class HandedOverRecord : public window_test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        zoe_ = folder_.filePath(QStringLiteral("zoe.moo"));
        ASSERT_FALSE(WriteBirthRecord(QFile::encodeName(zoe_).toStdString(), Zoe()).has_value());
        ASSERT_NE(ComputeMoonChart(Zoe()).RashiName, "Thula") << "the record must show another sign";
    }

    // The main and result windows on screen once the closed ones are gone,
    // each as its class and, for a result, the sign it shows.
    static QStringList Shown() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (qobject_cast<frmMain*>(w)) shown.append(QStringLiteral("frmMain"));
            if (qobject_cast<frmResult*>(w))
                shown.append(QStringLiteral("frmResult ") +
                             w->findChild<QLabel*>(QStringLiteral("lblVedicName"))->text());
        }
        return shown;
    }

    static QString ResultOf(const BirthRecord& record) {
        return QStringLiteral("frmResult ") + QString::fromStdString(ComputeMoonChart(record).RashiName);
    }

    QTemporaryDir folder_;
    QString zoe_;
    report_test::MessageRecorder messages_;
};

TEST_F(HandedOverRecord, OpensFromTheMainWindow) {
    (new frmMain)->show();
    OpenRecordInShownWindow(zoe_);
    EXPECT_EQ(Shown(), QStringList{ResultOf(Zoe())});
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HandedOverRecord, ReplacesTheResultWindow) {
    QPointer<frmResult> result(new frmResult);
    result->show();
    OpenRecordInShownWindow(zoe_);
    EXPECT_EQ(Shown(), QStringList{ResultOf(Zoe())});
    EXPECT_TRUE(result.isNull()) << "the result window it replaced is still there";
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HandedOverRecord, AnUnusableRecordLeavesTheResultWindowAsItWas) {
    QPointer<frmResult> result(new frmResult);
    result->show();
    const QString missing = folder_.filePath(QStringLiteral("missing.moo"));
    OpenRecordInShownWindow(missing);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("frmResult Thula")});
    EXPECT_FALSE(result.isNull());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text,
              QStringLiteral("Could not open \"%1\": No such file or directory.").arg(QDir::toNativeSeparators(missing)));
    // The main window made to open it went with it.
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmMain*>(w), nullptr);
}

// The report window over the result window is modal; taking the result
// window away under it would take the report with it.
TEST_F(HandedOverRecord, WaitsForAnOpenDialog) {
    auto* result = new frmResult;
    result->show();
    QPointer<QDialog> dialog(new QDialog(result));
    dialog->setModal(true);
    dialog->show();
    HandedOverRecords records;

    records.Open(zoe_);
    QTest::qWait(100);
    EXPECT_EQ(Shown(), (QStringList{QStringLiteral("frmResult Thula")}));
    ASSERT_FALSE(dialog.isNull()) << "the dialog went with the window under it";

    dialog->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return Shown() == QStringList{ResultOf(Zoe())}; }, kDeadlineMs))
        << Shown().join(u',').toStdString();
}

} // namespace
} // namespace nyra
