// The titles every window and message box of the program carries.
#pragma once

#include <QString>

namespace nyra {

inline const QString kAppTitle = QStringLiteral("Nyra Moon Sign");
inline const QString kWindowTitle = QStringLiteral("Nyra Moon Sign v2.10");

} // namespace nyra
