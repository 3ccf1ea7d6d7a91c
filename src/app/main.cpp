#include "app/command_line.h"
#include "app/exit_program.h"
#include "app/single_instance.h"
#include "app/window_trace.h"
#include "ui/dialogs.h"
#include "ui/frm_main.h"

#include <QApplication>

#include <cstdio>

namespace {

class StderrMessages : public nyra::Dialogs {
public:
    void Message(QWidget*, const QString& text, nyra::MessageIcon) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nyra-moonsign"));
    // Settings (the chosen ayanamsa) live in ~/.config/nyra/nyra-moonsign.conf.
    QApplication::setOrganizationName(QStringLiteral("nyra"));
    QApplication::setApplicationVersion(QStringLiteral(NYRA_VERSION));
    // Ties the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NYRA_APP_ID));

    // Before the lock: --help and --version answer even while a copy runs.
    const nyra::StartRequest request = nyra::ReadCommandLine(QApplication::arguments());

    // For scripted runs without a screen: messages go to stderr instead of
    // waiting for a click, and the windows that open are named there.
    StderrMessages stderrMessages;
    nyra::Dialogs& dialogs = qEnvironmentVariableIntValue("NYRA_MESSAGES_TO_STDERR") == 1
                                 ? static_cast<nyra::Dialogs&>(stderrMessages)
                                 : nyra::SystemDialogs();
    if (qEnvironmentVariableIntValue("NYRA_WINDOWS_TO_STDERR") == 1) nyra::TraceWindowsOnStderr();

    nyra::SingleInstanceLock instance;
    if (!instance.Acquire()) {
        dialogs.Message(nullptr, QStringLiteral("Application is already running"), nyra::MessageIcon::Information);
        nyra::ExitProgram();
        return 0;
    }

    auto* window = new nyra::frmMain(dialogs);
    window->show();
    if (request.recordPath) nyra::OpenRecordOnceRunning(window, *request.recordPath);
    return app.exec();
}
