// What screen readers are told where Qt's own accessible interfaces say too
// little or too much:
//   - a list (QComboBox) is named by its accessible name or the label
//     beside it, its entry being its value; Qt on Linux always names a list
//     by its entry, so the day, hour and minute lists all read "0";
//   - a picture that only decorates is left out of the tree;
//   - a StatusLine is a notification, which screen readers read out as it
//     shows.
#pragma once

class QWidget;

namespace nyra {

// Installs those interfaces, once for the program. Every window calls it
// before it makes its controls: an interface, once made for a control, is
// kept for the control's life.
void UseProgramAccessibility();

// Leaves `picture` out of what screen readers are told: it only decorates.
void MarkDecorative(QWidget* picture);

}  // namespace nyra
