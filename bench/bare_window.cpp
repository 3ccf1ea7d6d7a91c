// The yardstick for the desktop program's start-up: a bare Qt 6 main window
// and nothing else, at the size given on the command line (the desktop
// program's main window size, which bench/startup.sh measures first).
//
//   bare_window WIDTH HEIGHT [--text]
//
// With --text it shows one line of text as well: a window that shows any
// text at all has to load the font configuration and a font first, which
// the bare window never does, and this tells that cost apart.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc >= 3) window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (argc >= 4 && std::strcmp(argv[3], "--text") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Nyra Moon Sign")));
    window.show();
    return app.exec();
}
