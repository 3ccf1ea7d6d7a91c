// Keyboard use that Qt leaves to each window.
#pragma once

class QWidget;

namespace nyra {

// Enter (either key) on a focused push button of `window` presses it, as
// Space does. Qt does so only for a dialog's default buttons; elsewhere
// Enter on a button does nothing. Other widgets keep their own handling of
// Enter, and a dialog's default button is not changed.
void PressButtonsOnEnter(QWidget* window);

}  // namespace nyra
