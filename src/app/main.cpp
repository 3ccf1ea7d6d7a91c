#include "app/exit_program.h"
#include "app/single_instance.h"
#include "ui/frm_main.h"
#include "ui/messages.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nyra-moonsign"));
    // Settings (the chosen ayanamsa) live in ~/.config/nyra/nyra-moonsign.conf.
    if (QApplication::organizationName().isEmpty()) QApplication::setOrganizationName(QStringLiteral("nyra"));

    // For scripted runs without a screen: messages go to stderr instead of
    // waiting for a click.
    if (qEnvironmentVariableIntValue("NYRA_MESSAGES_TO_STDERR") == 1) {
        nyra::SetMessageHandler([](const QString& text, nyra::MessageIcon) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        });
    }

    nyra::SingleInstanceLock instance;
    if (!instance.Acquire()) {
        nyra::ShowMessage(nullptr, QStringLiteral("Application is already running"),
                          nyra::MessageIcon::Information);
        nyra::ExitProgram();
        return 0;
    }

    auto* window = new nyra::frmMain;
    window->show();
    return app.exec();
}
