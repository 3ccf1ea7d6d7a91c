// The desktop program's command line: `nyra-moonsign [FILE.moo]`, with
// --help, --help-all, --version and Qt's own options. It is read before the
// window system is asked for anything, so that a console without a display
// gets its answer too.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace nyra {

class frmMain;

struct StartRequest {
    // The record to open, as an absolute path (a file: address is taken as
    // its file); nothing when none was given.
    std::optional<QString> recordPath;
};

// An answer on the terminal instead of a start: --help, --version, or a
// mistake (an unknown option, more than one file) with the usage.
struct TerminalAnswer {
    QString text;
    bool onStandardError = false;
    int exitStatus = 0;
};

// The arguments as main() got them, the program's name first.
QStringList ArgumentsOf(int argc, char** argv);

// Needs no application object; the program's name and version are the
// application's (QCoreApplication::setApplicationName, set before).
std::variant<StartRequest, TerminalAnswer> ReadCommandLine(const QStringList& arguments);

// Prints the answer where it belongs and returns its exit status.
int Print(const TerminalAnswer& answer);

// Opens the record in `window` once the event loop runs, exactly as the
// window's own open command does after its dialog, so that a message has a
// shown window to sit over.
void OpenRecordOnceRunning(frmMain* window, const QString& path);

}  // namespace nyra
