#include "ui/choice_guard.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

namespace nyra {
namespace {

bool StepsThroughAList(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Space:
        return false;
    default:
        // A letter selects the first entry that starts with it.
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
}

class ChoiceGuard : public QObject {
public:
    explicit ChoiceGuard(QComboBox* list) : QObject(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool stray = event->type() == QEvent::Wheel ||
                           (event->type() == QEvent::KeyPress && StepsThroughAList(*static_cast<QKeyEvent*>(event)));
        if (!stray) return QObject::eventFilter(watched, event);
        // Ignored, it travels on to the parents as if the list were not there.
        event->ignore();
        return true;
    }
};

}  // namespace

void GuardChoice(QComboBox* list) {
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new ChoiceGuard(list));
}

}  // namespace nyra
