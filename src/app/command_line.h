// The desktop program's command line: `nyra-moonsign [FILE.moo]`, with
// --help and --version.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace nyra {

class frmMain;

struct StartRequest {
    // The record to open, as an absolute path (a file: address is taken as
    // its file); nothing when none was given.
    std::optional<QString> recordPath;
};

// --help and --version print their text and end the process, as does a
// mistake (an unknown option, more than one file) after saying what it
// was. Call once the application object exists.
StartRequest ReadCommandLine(const QStringList& arguments);

// Opens the record in `window` once the event loop runs, exactly as the
// window's own open command does after its dialog, so that a message has a
// shown window to sit over.
void OpenRecordOnceRunning(frmMain* window, const QString& path);

} // namespace nyra
