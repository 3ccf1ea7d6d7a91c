// The icon every window of the program shows in its title bar and task
// switcher.
#pragma once

#include <QIcon>

namespace nyra {

// The installed icon theme's icon for the program's app id, and where the
// theme has none (a build that is not installed), the drawing built into
// the program. Window managers that do not look the program up by its
// desktop entry show only this.
QIcon ProgramIcon();

}  // namespace nyra
