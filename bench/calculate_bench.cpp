// "Find My Moon Sign" to the painted result window: the main window is
// filled in and shown (not timed), then the time from the button's click to
// the end of the result window's first paint is taken, several times over.
// Run on a real display or under Xvfb, for the classic formula and for
// Swiss Ephemeris ("precise"):
//   xvfb-run -a -s '-screen 0 1280x1024x24' build-bench/bench/calculate_bench [RUNS] [classic|precise]
#include "ui/dialogs.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Notes the end of the result window's first paint: its top-level paint
// event comes after its children's, in the same repaint as the flush.
class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<nyra::frmResult*>(watched)) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

template <class T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        std::fprintf(stderr, "calculate_bench: the main window has no %s\n", name);
        std::exit(1);
    }
    return child;
}

// A birth in Delhi, as a user would type it, calculated with the basis at
// `basisIndex` of "Calculate with:".
void FillIn(nyra::frmMain* window, int basisIndex) {
    Child<QComboBox>(window, "cboBasis")->setCurrentIndex(basisIndex);
    Child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Asha"));
    Child<QComboBox>(window, "cboDate")->setCurrentIndex(14);
    Child<QComboBox>(window, "cboMonth")->setCurrentIndex(7);
    Child<QComboBox>(window, "cboYear")->setCurrentIndex(1947 - 1901);
    Child<QComboBox>(window, "cboHH")->setCurrentIndex(0);
    Child<QComboBox>(window, "cboMM")->setCurrentIndex(15);
    Child<QLineEdit>(window, "txtLatD")->setText(QStringLiteral("28"));
    Child<QLineEdit>(window, "txtLatM")->setText(QStringLiteral("36"));
    Child<QLineEdit>(window, "txtLonD")->setText(QStringLiteral("77"));
    Child<QLineEdit>(window, "txtLonM")->setText(QStringLiteral("13"));
    Child<QRadioButton>(window, "optLong(0)")->setChecked(true);
    Child<QLineEdit>(window, "txtZoneHour")->setText(QStringLiteral("5"));
    Child<QLineEdit>(window, "txtZoneMinute")->setText(QStringLiteral("30"));
}

void WaitUntil(const bool& flag) {
    QElapsedTimer waited;
    waited.start();
    while (!flag) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (waited.elapsed() > 10000) {
            std::fprintf(stderr, "calculate_bench: the result window was never painted\n");
            std::exit(1);
        }
    }
}

void CloseAll() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isWindow()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const bool precise = argc > 2 && std::strcmp(argv[2], "precise") == 0;
    // A message or a question means the entry was not calculated.
    struct Unexpected : nyra::Dialogs {
        void Message(QWidget*, const QString& text, nyra::MessageIcon) override { Fail(text); }
        bool Ask(QWidget*, const QString& question, nyra::Answer) override { return Fail(question); }
        static bool Fail(const QString& text) {
            std::fprintf(stderr, "calculate_bench: the program said \"%s\"\n", qPrintable(text));
            std::exit(1);
        }
    } dialogs;
    PaintWatcher watcher;
    app.installEventFilter(&watcher);

    std::vector<double> ms;
    for (int run = 0; run <= runs; ++run) {  // run 0 warms up
        auto* window = new nyra::frmMain(dialogs);
        FillIn(window, precise ? 1 : 0);
        window->show();
        QCoreApplication::processEvents();
        watcher.painted = false;

        QElapsedTimer clock;
        clock.start();
        Child<QAbstractButton>(window, "cmdRashi")->click();
        WaitUntil(watcher.painted);
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (run > 0) ms.push_back(elapsed);
        CloseAll();
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "Find My Moon Sign to the painted result window (%s), %d runs: median %.1f ms, fastest %.1f ms, "
        "slowest %.1f ms\n",
        precise ? "Swiss Ephemeris" : "classic formula", runs, ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}
