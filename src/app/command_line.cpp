#include "app/command_line.h"

#include "ui/frm_main.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace nyra {
namespace {

// A desktop entry's %f is a local path, but some launchers hand over a
// file: address; anything else is taken as typed, relative to the current
// folder. The absolute form is what the open dialog would give, so a
// message names the file the same way.
QString LocalPath(const QString& argument) {
    if (argument.startsWith(QLatin1String("file:"))) {
        const QUrl url(argument);
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return argument.isEmpty() ? argument : QFileInfo(argument).absoluteFilePath();
}

} // namespace

StartRequest ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds a Vedic Moon sign from birth data. Given a saved record, opens it as\n"
                       "\"Open Previously Saved Record\" would and shows the result."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.moo"), QStringLiteral("A saved birth record to open."),
                                 QStringLiteral("[FILE.moo]"));
    parser.process(arguments);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: only one record file can be opened at a time\n",
                     qPrintable(QCoreApplication::applicationName()));
        std::exit(EXIT_FAILURE);
    }
    StartRequest request;
    if (!files.isEmpty()) request.recordPath = LocalPath(files.constFirst());
    return request;
}

void OpenRecordOnceRunning(frmMain* window, const QString& path) {
    QTimer::singleShot(0, window, [window, path] { window->OpenRecordFile(path); });
}

} // namespace nyra
