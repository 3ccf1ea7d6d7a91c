#include "app/command_line.h"
#include "app/exit_program.h"
#include "app/handed_over_records.h"
#include "app/program_icon.h"
#include "app/record_handover.h"
#include "app/single_instance.h"
#include "app/window_trace.h"
#include "ui/dialogs.h"
#include "ui/frm_main.h"
#include "ui/language_choice.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <variant>

namespace {

class StderrMessages : public nyra::Dialogs {
public:
    void Message(QWidget*, const QString& text, nyra::MessageIcon) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

// A copy already runs: it gets the record, if there is one, and this start
// ends.
int HandToRunningCopy(nyra::Dialogs& dialogs, const QString& socketPath, const std::optional<QString>& recordPath) {
    if (!recordPath) {
        dialogs.Message(nullptr, QCoreApplication::translate("nyra::Start", "Application is already running"),
                        nyra::MessageIcon::Information);
        nyra::ExitProgram();
        return EXIT_SUCCESS;
    }
    const nyra::Result<void> handed = nyra::HandOverRecord(socketPath, *recordPath);
    if (handed) return EXIT_SUCCESS;
    dialogs.Message(nullptr,
                    QCoreApplication::translate("nyra::Start",
                                                "Application is already running, but \"%1\" could not be handed "
                                                "to it: %2.")
                        .arg(QDir::toNativeSeparators(*recordPath), QString::fromStdString(handed.problem().reason)),
                    nyra::MessageIcon::Stop);
    return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication::setApplicationName(QStringLiteral("nyra-moonsign"));
    // Settings (the chosen ayanamsa) live in ~/.config/nyra/nyra-moonsign.conf.
    QApplication::setOrganizationName(QStringLiteral("nyra"));
    QApplication::setApplicationVersion(QStringLiteral(NYRA_VERSION));

    // Before the window system, which aborts without a display, and before
    // the lock: --help and --version answer on any console, also while a
    // copy runs, in the language of the locale. Its translation needs an
    // application object, though not one with windows.
    const QStringList arguments = nyra::ArgumentsOf(argc, argv);
    const auto request = nyra::ReadCommandLine(arguments);
    if (std::holds_alternative<nyra::TerminalAnswer>(request)) {
        // Named as the program, not by its path: the usage line names it so.
        QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
        int consoleArgc = 1;
        char* consoleArgv[] = {name.data(), nullptr};
        const QCoreApplication console(consoleArgc, consoleArgv);
        if (const nyra::Result<void> language = nyra::UseLanguage(nyra::LanguageOfLocale(QLocale::system())); !language)
            std::fprintf(stderr, "nyra-moonsign: %s\n", language.problem().Text().c_str());
        return nyra::Print(std::get<nyra::TerminalAnswer>(nyra::ReadCommandLine(arguments)));
    }
    const std::optional<QString> recordPath = std::get<nyra::StartRequest>(request).recordPath;

    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NYRA_APP_ID));
    // For window managers that do not go by the desktop entry.
    QApplication::setWindowIcon(nyra::ProgramIcon());

    // For scripted runs without a screen: messages go to stderr instead of
    // waiting for a click, and the windows that open are named there.
    StderrMessages stderrMessages;
    nyra::Dialogs& dialogs = qEnvironmentVariableIntValue("NYRA_MESSAGES_TO_STDERR") == 1
                                 ? static_cast<nyra::Dialogs&>(stderrMessages)
                                 : nyra::SystemDialogs();
    if (qEnvironmentVariableIntValue("NYRA_WINDOWS_TO_STDERR") == 1) nyra::TraceWindowsOnStderr();

    // The language chosen in the Language menu, else the desktop's: before
    // the first message and window. Without its translation the program
    // speaks English and says why.
    if (const nyra::Result<void> language = nyra::UseLanguage(nyra::StartingLanguage()); !language)
        std::fprintf(stderr, "nyra-moonsign: %s\n", language.problem().Text().c_str());

    nyra::SingleInstanceLock instance;
    const nyra::Result<nyra::SingleInstanceLock::Holder> holder = instance.Acquire();
    if (!holder) {
        dialogs.Message(
            nullptr,
            QCoreApplication::translate("nyra::Start",
                                        "The lock file \"%1\" names no running copy of the program but "
                                        "cannot be replaced: %2. Remove it and start the program again.")
                .arg(QDir::toNativeSeparators(instance.path()), QString::fromStdString(holder.problem().reason)),
            nyra::MessageIcon::Stop);
        return EXIT_FAILURE;
    }
    const QString socketPath = nyra::HandOverSocketPath(instance.path());
    if (*holder == nyra::SingleInstanceLock::Holder::RunningCopy)
        return HandToRunningCopy(dialogs, socketPath, recordPath);

    // Without it, later starts say that they could not hand their record
    // over; this copy runs as before.
    nyra::HandOverServer handOver;
    if (const nyra::Result<void> listening = handOver.Listen(socketPath); !listening)
        std::fprintf(stderr, "nyra-moonsign: records cannot be handed over: %s\n", listening.problem().Text().c_str());
    nyra::HandedOverRecords handedOver;
    QObject::connect(&handOver, &nyra::HandOverServer::RecordHandedOver, &handedOver, &nyra::HandedOverRecords::Open);

    auto* window = new nyra::frmMain(dialogs);
    window->show();
    if (recordPath) nyra::OpenRecordOnceRunning(window, *recordPath);
    return app.exec();
}
