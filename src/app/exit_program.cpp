#include "app/exit_program.h"

#include <QApplication>
#include <QWidget>

namespace nyra {

void ExitProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) window->close();
    QCoreApplication::quit();
}

}  // namespace nyra
