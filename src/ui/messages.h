// The titles every window and message box of the program carries, and how
// a message shows what the person gave it.
#pragma once

#include <QString>

namespace nyra {

inline const QString kAppTitle = QStringLiteral("Nyra Moon Sign");
inline const QString kWindowTitle = QStringLiteral("Nyra Moon Sign v2.10");

// Text the person typed or a file held, as a message shows it: the way the
// core echoes input (text/quoted_input.h), so that a line end or a mark that
// reorders text is escaped, never acted on.
QString Escaped(const QString& text);

}  // namespace nyra
