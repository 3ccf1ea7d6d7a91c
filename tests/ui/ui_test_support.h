// What the widget tests share: a Dialogs that answers at once and keeps
// what it was asked, calculations built for a test, finding a window's
// controls and its open windows, files and PDFs as a test reads them, the
// program's windows each opened as the user meets them, and a fixture that
// closes every window a test left open and gives it a scratch folder.
#pragma once

#include "calculation/calculation.h"
#include "ui/dialogs.h"

#include "../support/birth_at.h"

#include <QApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class QWidget;

namespace nyra {
class frmMain;
class frmResult;
}  // namespace nyra

namespace nyra::test {

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

// Answers every dialog at once: questions from `answers` (Yes when none are
// left), the open dialog with `openPath`, save dialogs with `savePath`
// ("" is Cancel), printing with `printOutcome`; and keeps what was shown,
// asked and printed. `realSaveDialog` and `realPrinting` hand those two to
// the program's own.
class FakeDialogs : public Dialogs {
public:
    void Message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool Ask(QWidget* parent, const QString& question, Answer byDefault) override;
    QString OpenPath(QWidget* parent) override;
    QString SavePath(QWidget* parent, const SaveRequest& request) override;
    PrintOutcome Print(const QTextDocument& document) override;

    std::deque<bool> answers;
    QString openPath;
    QString savePath;
    PrintOutcome printOutcome{QStringLiteral("Test printer"), std::nullopt};
    bool realSaveDialog = false;
    bool realPrinting = false;

    std::vector<ShownMessage> messages;
    QStringList questions;
    std::vector<Answer> defaultAnswers;  ///< Each question's default button.
    int openDialogs = 0;
    std::vector<SaveRequest> saveRequests;
    QStringList printed;  ///< The plain text of every printed document.

    // The texts of the messages shown, in order.
    QStringList MessageTexts() const;
};

// Records every address the program asks the desktop to open, instead of
// starting a browser, for as long as it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url);
};

// Asha Rao, 14 April 1985, 06:30 at New Delhi (77° 13′ E, 28° 36′ N, zone 5:30).
BirthRecord AshaAtDelhi();
// Zoë, 29 February 1904, 23:59 at 151° 12′ E, 33° 52′ S, zone 10:00 with
// daylight saving: every field of a record away from its default.
BirthRecord Zoe();

// The calculation the main window makes of these.
Calculation CalculationOf(const BirthRecord& birth, const TimeWindow& timeKnown = {}, const BirthPlace& place = {});
// A birth 72 minutes after the Moon entered Thula (30 Dec 1999, 22:49 at
// Greenwich), so that the result window shows its notice too; typed place
// names included.
Calculation NearAChange();
// Any calculation whose description is that of `vedicName`'s sign (the
// windows only show what a calculation holds).
Calculation ShowingSign(const char* vedicName);

// The sign description by its Vedic name; fails the test for an unknown name.
SignDescription Describe(const char* vedicName);

// The child of `root` with that objectName; fails the test when there is none.
template <class T>
T* Child(const QObject* root, const QString& name) {
    T* child = root->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}
template <class T>
T* Child(const QObject* root, const char* name) {
    return Child<T>(root, QString::fromLatin1(name));
}

// What the named control shows: a label's, a line box's or a paragraph
// box's text. Fails the test when there is no such control.
std::string TextOf(const QObject* root, const char* name);
// Whether the named control would show were its window on screen.
bool ShownIn(const QWidget* window, const char* name);

// The visible top-level windows of type T.
template <class T>
QList<T*> ShownWindows() {
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) found.append(t);
    return found;
}
// Deletes the windows that closed themselves.
void RunDeferredDeletes();
// The class name of the modal window `trigger` opens, which is then closed;
// empty when none opens.
QString ModalOpenedBy(const std::function<void()>& trigger);

// On the main window: the boxes named, set to their texts as a paste would
// (no key filter sees them).
struct BoxText {
    const char* box;
    const char* text;
};
void SetBoxes(QWidget* main, std::initializer_list<BoxText> boxes);
// The same, typed over the boxes' texts as the user types them; the place
// list that typing a city opens is closed again, nothing taken from it.
void TypeBoxes(QWidget* main, std::initializer_list<BoxText> boxes);
// The date and clock time lists of the main window.
void SetDate(QWidget* main, int year, int month, int day, int hour = 12, int minute = 0);
// A whole valid entry: `at` and its name, date, time, coordinates and zone.
void EnterBirth(QWidget* main, const BirthAt& at, const char* name = "Asha");
// Presses Find My Moon Sign; the one result window it opened, or nullptr.
frmResult* FindMoonSign(QWidget* main);

// Files as a test reads and writes them.
QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);
// Every entry of a folder, hidden ones (temporary files) included.
QStringList FolderEntries(const QString& folder);
// Writes `birth` as a record file at `path`, which it returns.
QString WriteRecord(const QString& path, const BirthRecord& birth);
// The text of a PDF, one text a page; nothing when poppler's pdftotext is missing.
std::optional<QStringList> PdfPages(const QString& path);
// What a poppler tool prints, or nothing when it is missing.
std::optional<QString> Poppler(const QString& tool, const QStringList& arguments);

// The program's five windows, each made and shown as the user meets it (a
// dialog is not run modally), for the tests that go over all of them.
struct WindowKind {
    const char* name;  ///< The window's class: "frmMain".
    QWidget* (*open)(Dialogs& dialogs);
};
void PrintTo(const WindowKind& kind, std::ostream* os);
// frmMain, frmResult (for NearAChange), frmSave over it, frmAbout and frmTimeZone.
const std::array<WindowKind, 5>& Windows();
enum WindowIndex { kMainWindow, kResultWindow, kReportWindow, kAboutBox, kZonePicker };

// Closes the windows a test leaves, forgets what they remembered, and
// keeps a scratch folder for the test.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Makes `window` the active one, as the user's click would: shortcuts
    // and focus only work in the active window.
    static void Activate(QWidget* window);
    // A path in this test's scratch folder.
    QString Scratch(const QString& name) const { return folder_.filePath(name); }
    QString ScratchFolder() const { return folder_.path(); }
    // Opens Windows()[index] with this test's dialogs.
    QWidget* Open(WindowIndex index) { return Windows()[index].open(dialogs); }

    FakeDialogs dialogs;

private:
    QTemporaryDir folder_;
};

// A test of one window at a time, `window`, and its controls by name.
template <class W>
class OneWindowTest : public WindowTest {
protected:
    template <class T = QWidget>
    T* Child(const char* name) const {
        return test::Child<T>(window.data(), name);
    }
    std::string Text(const char* name) const { return TextOf(window.data(), name); }
    bool Shown(const char* name) const { return ShownIn(window.data(), name); }
    W* Show(W* opened) {
        window = opened;
        opened->show();
        return opened;
    }

    QPointer<W> window;
};

}  // namespace nyra::test
