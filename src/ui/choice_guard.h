// A list whose choice is a decision, one that recalculates and is
// remembered, changes only when the person opens it and picks: the mouse
// wheel turned over it and the keys that step through it while it is
// closed (arrows, Page Up/Down, Home, End, letters) pass it by and go to
// the window behind it, which scrolls as it would without the list. Space,
// F4 and Alt+Down still open it, and the wheel does not take the focus.
#pragma once

class QComboBox;

namespace nyra {

void GuardChoice(QComboBox* list);

}  // namespace nyra
