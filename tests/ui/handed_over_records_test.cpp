// A record handed over by a second start opens in the window on screen, as
// its open command opens it there.
#include "app/handed_over_records.h"

#include "engine/ephemeris.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace nyra::test {
namespace {

// Generous: it only keeps a broken build from hanging the suite.
constexpr int kDeadlineMs = 30000;

// The result window the tests open shows NearAChange's sign: Thula.
class HandedOverRecord : public WindowTest {
protected:
    void SetUp() override {
        zoe_ = WriteRecord(Scratch(QStringLiteral("zoe.moo")), Zoe());
        ASSERT_FALSE(zoe_.isEmpty());
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

    QString zoe_;
};

TEST_F(HandedOverRecord, OpensFromTheMainWindow) {
    Open(kMainWindow);
    OpenRecordInShownWindow(zoe_);
    EXPECT_EQ(Shown(), QStringList{ResultOf(Zoe())});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HandedOverRecord, ReplacesTheResultWindow) {
    QPointer<QWidget> result(Open(kResultWindow));
    OpenRecordInShownWindow(zoe_);
    EXPECT_EQ(Shown(), QStringList{ResultOf(Zoe())});
    EXPECT_TRUE(result.isNull()) << "the result window it replaced is still there";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HandedOverRecord, AnUnusableRecordLeavesTheResultWindowAsItWas) {
    QPointer<QWidget> result(Open(kResultWindow));
    const QString missing = Scratch(QStringLiteral("missing.moo"));
    OpenRecordInShownWindow(missing);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("frmResult Thula")});
    EXPECT_FALSE(result.isNull());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Could not open \"%1\": No such file or directory.").arg(QDir::toNativeSeparators(missing)));
    // The main window made to open it went with it.
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmMain*>(w), nullptr);
}

// The report window over the result window is modal; taking the result
// window away under it would take the report with it.
TEST_F(HandedOverRecord, WaitsForAnOpenDialog) {
    QWidget* result = Open(kResultWindow);
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

}  // namespace
}  // namespace nyra::test
