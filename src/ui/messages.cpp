#include "ui/messages.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace nyra {
namespace {

// Window managers draw captions somewhat larger than the text of a window,
// and put an icon and up to three buttons (about 32 px each at 96 dpi)
// beside them.
constexpr double kTitleFontScale = 1.25;
constexpr int kTitleBarFurniturePx = 4 * 32;

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
    // A short message makes a box too narrow for the window manager to show
    // the caption whole beside its buttons. The box sizes itself from its
    // layout's minimum, so a strut in the layout widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont title = box.font();
        title.setBold(true);
        title.setPointSizeF(title.pointSizeF() * kTitleFontScale);
        const int width = QFontMetrics(title).horizontalAdvance(kAppTitle) + kTitleBarFurniturePx;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace nyra
