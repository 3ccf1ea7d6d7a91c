// The look of a one-line hint under an entry: quiet (smaller, softer text)
// for what the program merely tells, amber for what may make the result
// wrong.
#pragma once

class QLabel;

namespace nyra {

enum class NoteStyle { Quiet, Warning };

// Sets the label's font and text colour from its parent's palette, so a
// light or dark theme gets a readable colour either way.
void SetNoteStyle(QLabel* label, NoteStyle style);

}  // namespace nyra
