#include "app/program_icon.h"

namespace nyra {

QIcon ProgramIcon() {
    // The same drawing the package installs in the icon theme
    // (packaging/nyra-moonsign.svg); drawn by Qt's SVG icon engine.
    return QIcon::fromTheme(QStringLiteral(NYRA_APP_ID), QIcon(QStringLiteral(":/icons/nyra-moonsign.svg")));
}

}  // namespace nyra
