#include "app/handed_over_records.h"

#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QPointer>

namespace nyra {
namespace {

// How often a waiting record looks whether the dialog has closed.
constexpr int kDialogWatchMs = 200;

// The main or result window on screen, the active one first.
QWidget* ShownWindow() {
    const auto isOurs = [](QWidget* w) {
        return w && w->isVisible() && (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w));
    };
    if (QWidget* active = QApplication::activeWindow(); isOurs(active)) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (isOurs(window)) return window;
    return nullptr;
}

bool OtherResultWindowShown(const QWidget* than) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != than && window->isVisible() && qobject_cast<frmResult*>(window)) return true;
    return false;
}

void BringToFront(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
}

}  // namespace

void OpenRecordInShownWindow(const QString& path) {
    QWidget* shown = ShownWindow();
    if (shown) BringToFront(shown);
    if (auto* main = qobject_cast<frmMain*>(shown)) {
        main->OpenRecordFile(path);
        return;
    }
    auto* result = qobject_cast<frmResult*>(shown);
    auto* fresh = new frmMain(result ? result->dialogs() : SystemDialogs());
    if (!result) {
        fresh->show();
        fresh->OpenRecordFile(path);
        return;
    }
    // Not shown: placed over the result window, so that a message about
    // the record sits there too.
    PlaceNewWindow(fresh, result);
    const QPointer<frmResult> previous(result);
    fresh->OpenRecordFile(path);
    if (!OtherResultWindowShown(previous)) {
        fresh->close();
        return;
    }
    if (previous) previous->close();
}

HandedOverRecords::HandedOverRecords(QObject* parent) : QObject(parent) {
    dialogWatch_.setSingleShot(true);
    dialogWatch_.setInterval(kDialogWatchMs);
    connect(&dialogWatch_, &QTimer::timeout, this, &HandedOverRecords::OpenWaiting);
}

void HandedOverRecords::Open(const QString& path) {
    waiting_.append(path);
    if (QWidget* dialog = QApplication::activeModalWidget()) BringToFront(dialog);
    OpenWaiting();
}

void HandedOverRecords::OpenWaiting() {
    // A record handed over while the last one's message is shown waits for
    // the message, as it would for any dialog.
    if (opening_) return;
    while (!waiting_.isEmpty()) {
        if (QApplication::activeModalWidget()) {
            dialogWatch_.start();
            return;
        }
        opening_ = true;
        OpenRecordInShownWindow(waiting_.takeFirst());
        opening_ = false;
    }
}

}  // namespace nyra
