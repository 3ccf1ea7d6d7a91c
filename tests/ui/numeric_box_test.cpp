// The numeric boxes of the main window beyond typing: the box's own key
// commands pass without a word, and text pasted by any path goes in only as
// digits that fit the box. (Typed keys: main_window_test.cpp.)
#include "ui/frm_main.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

class NumericBoxes : public OneWindowTest<frmMain> {
protected:
    void SetUp() override {
        Show(new frmMain(dialogs));
        Activate(window);
    }
    QLineEdit* Box(const char* name) const { return Child<QLineEdit>(name); }
};

// ---- The box's own commands -----------------------------------------------------

TEST_F(NumericBoxes, KeyCommandsPassWithoutTheMessage) {
    QLineEdit* box = Box("txtLatD");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("28"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText().toStdString(), "28");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "28");
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text().toStdString(), "");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text().toStdString(), "28");
    // Alt+Q would type "q" into a line box: dropped, and no message either.
    QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(box->text().toStdString(), "28");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.MessageTexts().join(u'|').toStdString();
}

// ---- Pasting ------------------------------------------------------------------------

enum class PastePath { CtrlV, ShiftInsert, BoxMenu, Drop };

struct PasteCase {
    const char* name;
    PastePath path;
    const char* box;
    const char* before;  ///< The box's text, all of it selected for the paste when `over` is set.
    bool over;
    const char* pasted;
    const char* after;
    const char* refusal;  ///< The message shown; nullptr for none.
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

const char* const kOnlyNumbers = "Only Numbers Are Accepted";

class PasteInto : public NumericBoxes, public ::testing::WithParamInterface<PasteCase> {
protected:
    void PasteBy(PastePath path, QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        switch (path) {
        case PastePath::CtrlV: QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); break;
        case PastePath::ShiftInsert: QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); break;
        case PastePath::BoxMenu: ChooseMenuPaste(box); break;
        case PastePath::Drop: Drop(box, text); break;
        }
    }

    // Right-clicks the box and chooses Paste in the menu that opens.
    static void ChooseMenuPaste(QLineEdit* box) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* paste = nullptr;
        for (QAction* item : menu->actions())
            if (item->text().startsWith(QStringLiteral("&Paste"))) paste = item;
        ASSERT_NE(paste, nullptr);
        ASSERT_TRUE(paste->isEnabled());
        paste->trigger();
        menu->close();
    }

    static void Drop(QLineEdit* box, const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint at(box->width() - 2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
        // A refusal is said once the drag is over.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};

TEST_P(PasteInto, TakesDigitsThatFitOnly) {
    const PasteCase& c = GetParam();
    QLineEdit* box = Box(c.box);
    box->setText(QString::fromLatin1(c.before));
    box->setFocus();
    if (c.over) box->selectAll();
    QSignalSpy edited(box, &QLineEdit::textEdited);

    PasteBy(c.path, box, QString::fromLatin1(c.pasted));

    EXPECT_EQ(box->text().toStdString(), c.after);
    if (c.refusal) {
        EXPECT_EQ(dialogs.MessageTexts().join(u'|').toStdString(), c.refusal);
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Stop);
        EXPECT_EQ(edited.size(), 0);
    } else {
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.MessageTexts().join(u'|').toStdString();
        // A paste is the user's edit: the place link hears of it as of typing.
        EXPECT_GE(edited.size(), 1);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryPath, PasteInto,
    ::testing::Values(
        PasteCase{"CtrlVDigits", PastePath::CtrlV, "txtLatD", "", false, "45", "45", nullptr},
        PasteCase{"CtrlVCopiedLine", PastePath::CtrlV, "txtLonM", "", false, "13\n", "13", nullptr},
        PasteCase{"CtrlVBlanksAround", PastePath::CtrlV, "txtZoneMinute", "", false, " 30 ", "30", nullptr},
        PasteCase{"CtrlVTooManyDigits", PastePath::CtrlV, "txtZoneHour", "", false, "1234", "",
                  "This box takes at most 3 digits."},
        PasteCase{"CtrlVWords", PastePath::CtrlV, "txtLonD", "7", false, "77 E", "7", kOnlyNumbers},
        PasteCase{"CtrlVPastTheHourLimit", PastePath::CtrlV, "txtZoneHour", "5", false, "123", "5", "This box takes at most 3 digits."},
        PasteCase{"CtrlVOverTheMinutes", PastePath::CtrlV, "txtZoneMinute", "30", true, "45", "45", nullptr},
        PasteCase{"ShiftInsertDigits", PastePath::ShiftInsert, "txtLatM", "", false, "36", "36", nullptr},
        PasteCase{"ShiftInsertMinusSign", PastePath::ShiftInsert, "txtZoneHour", "", false, "-5", "", kOnlyNumbers},
        PasteCase{"MenuDigits", PastePath::BoxMenu, "txtLatD", "", false, "45", "45", nullptr},
        PasteCase{"MenuFraction", PastePath::BoxMenu, "txtLatD", "2", false, "8.6", "2", kOnlyNumbers},
        PasteCase{"MenuPastTheMinuteLimit", PastePath::BoxMenu, "txtZoneMinute", "3", false, "45", "3", "This box takes at most 2 digits."},
        PasteCase{"DropDigits", PastePath::Drop, "txtLonD", "", false, "77", "77", nullptr},
        PasteCase{"DropWords", PastePath::Drop, "txtLonD", "1", false, "seventy", "1", kOnlyNumbers},
        PasteCase{"DropPastTheHourLimit", PastePath::Drop, "txtZoneHour", "12", false, "34", "12", "This box takes at most 3 digits."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
