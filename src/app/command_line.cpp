#include "app/command_line.h"

#include "record/file_io.h"
#include "ui/frm_main.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace nyra {
namespace {

struct QtOption {
    const char* name;
    const char* valueName;  ///< nullptr for an option without a value.
    const char* description;
};

// Qt's own options, which QApplication takes out of the command line for
// itself (those of Qt 6's QGuiApplication, QApplication and X11 platform).
// They are known here only so that they do not count as unknown; --help-all
// lists them.
constexpr auto kQtOptions = std::to_array<QtOption>({
    {"platform", "name[:options]",
     QT_TRANSLATE_NOOP("nyra::CommandLine", "The window system plugin: xcb, wayland, offscreen, ...")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("nyra::CommandLine", "Where to look for window system plugins.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("nyra::CommandLine", "The desktop theme plugin.")},
    {"plugin", "plugin",
     QT_TRANSLATE_NOOP("nyra::CommandLine", "An input plugin to load; may be given more than once.")},
    {"qwindowgeometry", "geometry",
     QT_TRANSLATE_NOOP("nyra::CommandLine", "Size and place of the first window, as 800x600+20+20.")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("nyra::CommandLine", "The same as -qwindowgeometry.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("nyra::CommandLine", "The windows' icon.")},
    {"icon", "icon", QT_TRANSLATE_NOOP("nyra::CommandLine", "The same as -qwindowicon.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("nyra::CommandLine", "Title of the first window.")},
    {"title", "title", QT_TRANSLATE_NOOP("nyra::CommandLine", "The same as -qwindowtitle.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("nyra::CommandLine", "Lays the windows out from right to left.")},
    {"session", "session",
     QT_TRANSLATE_NOOP("nyra::CommandLine", "Restores a session of the desktop's session manager.")},
    {"display", "display", QT_TRANSLATE_NOOP("nyra::CommandLine", "The X display to use instead of $DISPLAY.")},
    {"name", "name", QT_TRANSLATE_NOOP("nyra::CommandLine", "The program's name towards the X window manager.")},
    {"visual", "id", QT_TRANSLATE_NOOP("nyra::CommandLine", "The X visual to use.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("nyra::CommandLine", "Never grabs the mouse.")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("nyra::CommandLine", "Grabs the mouse even under a debugger.")},
    {"style", "style", QT_TRANSLATE_NOOP("nyra::CommandLine", "The widget style, such as Fusion.")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("nyra::CommandLine", "A style sheet for the windows.")},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("nyra::CommandLine", "Says at the end how many widgets were left.")},
});

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

QString Tr(const char* text) { return QCoreApplication::translate("nyra::CommandLine", text); }

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Tr(QT_TRANSLATE_NOOP("nyra::CommandLine", "Shows this help."))};
    QCommandLineOption helpAll{QStringLiteral("help-all"),
                               Tr(QT_TRANSLATE_NOOP("nyra::CommandLine", "Shows this help with Qt's own options."))};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               Tr(QT_TRANSLATE_NOOP("nyra::CommandLine", "Shows the program's version."))};

    explicit Parser(bool showQtOptions) {
        // Qt's options are single words after one dash ("-platform").
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QCoreApplication::translate("nyra::CommandLine",
                                        "Finds a Vedic Moon sign from birth data. Given a saved record, opens it as\n"
                                        "\"Open Previously Saved Record\" would and shows the result."));
        parser.addOptions({help, helpAll, version});
        for (const QtOption& qt : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name), Tr(qt.description));
            if (qt.valueName) option.setValueName(QString::fromLatin1(qt.valueName));
            if (!showQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        parser.addPositionalArgument(QStringLiteral("FILE.moo"),
                                     QCoreApplication::translate("nyra::CommandLine", "A saved birth record to open."),
                                     QStringLiteral("[FILE.moo]"));
    }

    QString HelpText() {
        // Without an application object Qt cannot know the program's name.
        return parser.helpText().replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
    }
};

}  // namespace

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QFile::decodeName(argv[i]));
    return arguments;
}

std::variant<StartRequest, TerminalAnswer> ReadCommandLine(const QStringList& arguments) {
    Parser read(false);
    const QString program = QCoreApplication::applicationName();
    const auto mistake = [&](const QString& what) {
        return TerminalAnswer{program + QStringLiteral(": ") + what + QStringLiteral("\n\n") + read.HelpText(), true,
                              EXIT_FAILURE};
    };

    if (!read.parser.parse(arguments)) return mistake(read.parser.errorText());
    if (read.parser.isSet(read.helpAll)) return TerminalAnswer{Parser(true).HelpText()};
    if (read.parser.isSet(read.help)) return TerminalAnswer{read.HelpText()};
    if (read.parser.isSet(read.version))
        return TerminalAnswer{program + u' ' + QCoreApplication::applicationVersion() + u'\n'};

    const QStringList files = read.parser.positionalArguments();
    if (files.size() > 1)
        return mistake(
            QCoreApplication::translate("nyra::CommandLine", "only one record file can be opened at a time"));
    StartRequest request;
    if (!files.isEmpty()) request.recordPath = LocalPath(files.constFirst());
    return request;
}

int Print(const TerminalAnswer& answer) {
    std::FILE* stream = answer.onStandardError ? stderr : stdout;
    const QByteArray text = answer.text.toLocal8Bit();
    errno = 0;
    const bool written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream) ==
                             static_cast<std::size_t>(text.size()) &&
                         std::fflush(stream) == 0;
    // A help text that did not reach its reader (a full disk, a closed pipe)
    // is no success; a reader that went away has no need to hear why.
    if (written) return answer.exitStatus;
    if (errno != EPIPE && stream == stdout)
        std::fprintf(stderr, "%s: cannot write output: %s\n", qPrintable(QCoreApplication::applicationName()),
                     ErrnoText(errno).c_str());
    return EXIT_FAILURE;
}

void OpenRecordOnceRunning(frmMain* window, const QString& path) {
    QTimer::singleShot(0, window, [window, path] { window->OpenRecordFile(path); });
}

}  // namespace nyra
