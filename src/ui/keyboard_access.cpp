#include "ui/keyboard_access.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace nyra {
namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (!key->isAutoRepeat() && button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void PressButtonsOnEnter(QWidget* window) {
    auto* filter = new EnterPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->installEventFilter(filter);
}

}  // namespace nyra
