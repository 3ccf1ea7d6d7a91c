// The key filter of the main window's coordinate and zone boxes: digits and
// Backspace pass, any other typed character is refused with "Only Numbers
// Are Accepted", and a box with a typing limit takes no more characters
// than that from the keyboard (text the program sets is never cut).
#pragma once

#include <QObject>

class QLineEdit;

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
    Dialogs& dialogs_;
};

} // namespace nyra
