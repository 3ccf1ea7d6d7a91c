// Stand-ins for the browser, the message box and the file dialog, shared by
// the report window's tests.
#pragma once

#include "signs/rashi_information.h"
#include "ui/frm_save.h"
#include "ui/messages.h"

#include <QList>
#include <QStringList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <vector>

namespace nyra::report_test {

// Records every address the program asks the desktop to open, instead of
// starting a browser, for as long as it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url);
};

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

// Captures ShowMessage instead of showing a modal box.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<ShownMessage> shown;

private:
    MessageHandler previous_;
};

// Answers the window's save dialogs with a fixed path ("" is Cancel) and
// keeps what each dialog was asked for.
class SaveDialogStub {
public:
    explicit SaveDialogStub(QString answer);
    ~SaveDialogStub();
    SaveDialogStub(const SaveDialogStub&) = delete;
    SaveDialogStub& operator=(const SaveDialogStub&) = delete;

    std::vector<frmSave::SaveRequest> requests;

private:
    QString answer_;
    frmSave::SavePathHandler previous_;
};

// Answers the window's print requests with a fixed outcome instead of
// printing, and keeps the text of every report it was given.
class PrintStub {
public:
    explicit PrintStub(PrintOutcome outcome);
    ~PrintStub();
    PrintStub(const PrintStub&) = delete;
    PrintStub& operator=(const PrintStub&) = delete;

    QStringList printed;

private:
    PrintOutcome outcome_;
    frmSave::PrintHandler previous_;
};

// The description of a sign by its Vedic name; fails the test when the
// knowledge base does not know it.
SignDescription Describe(const char* vedicName);

} // namespace nyra::report_test
