#include "ui/numeric_box_filter.h"

#include "entry/entry_validation.h"
#include "ui/dialogs.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVariant>

namespace nyra {
namespace {

const char* const kTypingLimitProperty = "nyraTypingLimit";

} // namespace

NumericBoxFilter::NumericBoxFilter(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

void NumericBoxFilter::Watch(QLineEdit* box, int typingLimit) {
    box->setProperty(kTypingLimitProperty, typingLimit);
    box->installEventFilter(this);
}

bool NumericBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (event->type() != QEvent::KeyPress || !box) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const qsizetype selected = box->hasSelectedText() ? box->selectedText().size() : 0;
    const int limit = box->property(kTypingLimitProperty).toInt();
    switch (JudgeNumericKey(key->key(), key->text(), box->text().size(), selected, limit)) {
    case KeyVerdict::Pass:
        return false;
    case KeyVerdict::NotANumber:
        dialogs_.Message(box->window(), kOnlyNumbersMessage, MessageIcon::Stop);
        return true;
    case KeyVerdict::TooLong:
        return true;
    }
    return false;
}

} // namespace nyra
