// The key filter of the main window's coordinate and zone boxes: digits and
// Backspace pass, any other typed character is refused with "Only Numbers
// Are Accepted", and a box with a typing limit takes no more characters
// than that from the keyboard (text the program sets is never cut). The
// box's own commands (Ctrl+A, Ctrl+C, Ctrl+Z, ...) pass without a word, and
// a paste, by the keys, the box's menu, the middle button or a drop, goes
// in only when it is digits that fit the box, blanks around them trimmed
// (entry/entry_validation.h); otherwise a message says which of the two
// it was not.
#pragma once

#include <QObject>
#include <QString>

class QContextMenuEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace nyra {

class Dialogs;

class NumericBoxFilter : public QObject {
    Q_OBJECT
public:
    // Messages go through `dialogs`, over `box`'s window.
    NumericBoxFilter(Dialogs& dialogs, QObject* parent);

    // Filters the keys of `box`; `typingLimit` 0 means no limit.
    void Watch(QLineEdit* box, int typingLimit = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterKey(QLineEdit* box, const QKeyEvent* key);
    // The box's own menu, whose Paste pastes as the keys do.
    void ShowMenu(QLineEdit* box, const QContextMenuEvent* event);
    bool FilterMiddleClick(QLineEdit* box, const QMouseEvent* mouse);
    bool FilterDrop(QLineEdit* box, QDropEvent* drop);
    // Inserts `text` over the selection when DigitsToPaste lets it in;
    // otherwise says why (PasteRefusal) and changes nothing.
    void Paste(QLineEdit* box, const QString& text);
    void Refuse(QLineEdit* box, const QString& why);

    Dialogs& dialogs_;
};

}  // namespace nyra
