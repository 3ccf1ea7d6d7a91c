// Records that later starts hand over (app/record_handover.h) open in the
// window the user sees, as "Open Previously Saved Record" opens them there.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace nyra {

// Opens `path` from the shown window and brings that window to the front:
// in the main window through its open command; over the result window in a
// fresh main window, as Back makes one, which replaces the result window
// only when the record calculates. A record that can't be used leaves the
// result window as it was, with the open command's message over it.
void OpenRecordInShownWindow(const QString& path);

// Opens handed-over records one at a time. While a dialog or message of the
// program is open, they wait for it to close: the window under it may not
// be taken away.
class HandedOverRecords : public QObject {
    Q_OBJECT
public:
    explicit HandedOverRecords(QObject* parent = nullptr);

    void Open(const QString& path);

private:
    void OpenWaiting();

    QStringList waiting_;
    bool opening_ = false;
    QTimer dialogWatch_;
};

}  // namespace nyra
