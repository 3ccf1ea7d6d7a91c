// The program's conversations with the person that wait for an answer: a
// message, a yes-or-no question, a file to open or to save to, and printing.
// Every window is given one Dialogs and asks through it, so a test hands
// its windows a Dialogs that answers at once instead of blocking on a
// modal box.
#pragma once

#include "entry/message_icon.h"
#include "ui/printing.h"

#include <QString>

class QTextDocument;
class QWidget;

namespace nyra {

// What a save dialog asks for.
struct SaveRequest {
    QString title;
    QString filter;                                      ///< Qt name filter, "Shown text (*.ext)".
    QString defaultSuffix;                               ///< Added, after a ".", to a name not ending so.
    Qt::CaseSensitivity suffixCase = Qt::CaseSensitive;  ///< For that ending.
    QString proposedPath;  ///< The folder the dialog opens in and the name it offers; empty for neither.
};

// The button a question's Enter presses.
enum class Answer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Caption kAppTitle, the icon, one OK button.
    virtual void Message(QWidget* parent, const QString& text, MessageIcon icon);
    // Caption kAppTitle, Yes and No, `byDefault` the default button; true
    // for Yes.
    virtual bool Ask(QWidget* parent, const QString& question, Answer byDefault = Answer::Yes);
    // The record to open, or an empty text for a cancel.
    virtual QString OpenPath(QWidget* parent);
    // Where to save, with the request's suffix, or an empty text for a cancel.
    virtual QString SavePath(QWidget* parent, const SaveRequest& request);
    // Prints `document` as one job on the default printer, without a dialog.
    virtual PrintOutcome Print(const QTextDocument& document);
};

// The real dialogs, for windows that are given no others.
Dialogs& SystemDialogs();

// `path` with the request's suffix: open lists only names ending in ".moo"
// (in lower case) and a PDF viewer wants ".pdf", so a typed "notes.txt" or
// "Trap.MOO" gets the suffix too.
QString WithSuffix(const QString& path, const SaveRequest& request);

}  // namespace nyra
