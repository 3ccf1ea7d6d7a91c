#include "ui/messages.h"

#include <QMessageBox>

namespace nyra {
namespace {
MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}
} // namespace

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    if (Handler()) {
        Handler()(text, icon);
        return;
    }
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    kAppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace nyra
