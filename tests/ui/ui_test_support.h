// What the widget tests share: a Dialogs that answers at once and keeps
// what it was asked, calculations built for a test, finding a window's
// controls, the program's windows each opened as the user meets them, and a
// fixture that closes every window a test left open.
#pragma once

#include "calculation/calculation.h"
#include "ui/dialogs.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <ostream>
#include <vector>

class QWidget;

namespace nyra::test {

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

// Answers every dialog at once: questions from `answers` (Yes when none are
// left), the open dialog with `openPath`, save dialogs with `savePath`
// ("" is Cancel), printing with `printOutcome`; and keeps what was shown,
// asked and printed.
class FakeDialogs : public Dialogs {
public:
    void Message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool Ask(QWidget* parent, const QString& question) override;
    QString OpenPath(QWidget* parent) override;
    QString SavePath(QWidget* parent, const SaveRequest& request) override;
    PrintOutcome Print(const QTextDocument& document) override;

    std::deque<bool> answers;
    QString openPath;
    QString savePath;
    PrintOutcome printOutcome{QStringLiteral("Test printer"), std::nullopt};

    std::vector<ShownMessage> messages;
    QStringList questions;
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

// A birth by its clock time at a place, as the main window would store it.
struct BirthAt {
    int year, month, day, hour, minute;
    double lonDeg = 0;   ///< East positive.
    int zoneMinutes = 0; ///< Clock ahead of UTC.
};
BirthRecord Birth(const BirthAt& at, const char* name = "Asha Rao");

// The calculation the main window makes of these.
Calculation CalculationOf(const BirthRecord& birth, const TimeWindow& timeKnown = {},
                          const BirthPlace& place = {});
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

// The program's five windows, each made and shown as the user meets it (a
// dialog is not run modally), for the tests that go over all of them.
struct WindowKind {
    const char* name;  ///< The window's class: "frmMain".
    QWidget* (*open)(Dialogs& dialogs);
};
void PrintTo(const WindowKind& kind, std::ostream* os);
// frmMain, frmResult (for NearAChange), frmSave over it, frmAbout and frmTimeZone.
const std::array<WindowKind, 5>& Windows();

// Closes the windows a test leaves, and keeps a scratch folder for it.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Makes `window` the active one, as the user's click would: shortcuts
    // and focus only work in the active window.
    static void Activate(QWidget* window);
    // A path in this test's scratch folder.
    QString Scratch(const QString& name) const { return folder_.filePath(name); }

    FakeDialogs dialogs;

private:
    QTemporaryDir folder_;
};

} // namespace nyra::test
