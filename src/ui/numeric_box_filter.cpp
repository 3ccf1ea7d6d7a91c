#include "ui/numeric_box_filter.h"

#include "entry/entry_validation.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QVariant>

namespace nyra {
namespace {

const char* const kTypingLimitProperty = "nyraTypingLimit";

int TypingLimit(const QLineEdit* box) { return box->property(kTypingLimitProperty).toInt(); }

qsizetype SelectedLength(const QLineEdit* box) { return box->hasSelectedText() ? box->selectedText().size() : 0; }

}  // namespace

NumericBoxFilter::NumericBoxFilter(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

void NumericBoxFilter::Watch(QLineEdit* box, int typingLimit) {
    box->setProperty(kTypingLimitProperty, typingLimit);
    box->installEventFilter(this);
}

bool NumericBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: return FilterKey(box, static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu: ShowMenu(box, static_cast<QContextMenuEvent*>(event)); return true;
    case QEvent::MouseButtonRelease: return FilterMiddleClick(box, static_cast<QMouseEvent*>(event));
    case QEvent::Drop: return FilterDrop(box, static_cast<QDropEvent*>(event));
    default: return QObject::eventFilter(watched, event);
    }
}

bool NumericBoxFilter::FilterKey(QLineEdit* box, const QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) {
        // Where the keyboard scheme pastes the selection with
        // Ctrl+Shift+Insert, so does the box.
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool selection = key->key() == Qt::Key_Insert &&
                               key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               clipboard->supportsSelection();
        Paste(box, clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
        return true;
    }
    const int limit = TypingLimit(box);
    const KeyVerdict verdict =
        IsKeyChord(key->modifiers())
            ? JudgeNumericChord(key->modifiers(), key->text(), box->text().size(), SelectedLength(box), limit)
            : JudgeNumericKey(key->key(), key->text(), box->text().size(), SelectedLength(box), limit);
    switch (verdict) {
    case KeyVerdict::Pass: return false;
    case KeyVerdict::NotANumber: Refuse(box, OnlyNumbersMessage()); return true;
    case KeyVerdict::TooLong:
    case KeyVerdict::Dropped: return true;
    }
    return false;
}

void NumericBoxFilter::ShowMenu(QLineEdit* box, const QContextMenuEvent* event) {
    QMenu* menu = box->createStandardContextMenu();
    // The box's own Paste item (its translation of the word, then a tab and
    // the keys) would take any text: it gives way to one that pastes as the
    // keys do.
    const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* own : menu->actions()) {
        if (own->text().section(u'\t', 0, 0) != pasteCaption) continue;
        auto* paste = new QAction(own->icon(), own->text(), menu);
        paste->setEnabled(own->isEnabled());
        connect(paste, &QAction::triggered, box,
                [this, box] { Paste(box, QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
        menu->insertAction(own, paste);
        menu->removeAction(own);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool NumericBoxFilter::FilterMiddleClick(QLineEdit* box, const QMouseEvent* mouse) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mouse->button() != Qt::MiddleButton || box->isReadOnly() || !clipboard->supportsSelection()) return false;
    // As the box itself does: the press placed the cursor, the selection
    // there is let go, and the text goes in at the cursor.
    box->deselect();
    Paste(box, clipboard->text(QClipboard::Selection));
    return true;
}

bool NumericBoxFilter::FilterDrop(QLineEdit* box, QDropEvent* drop) {
    if (!drop->mimeData()->hasText()) return false;
    // Digits dragged within the box move; the box then holds as many as before.
    const bool moved = drop->source() == box && drop->dropAction() == Qt::MoveAction;
    const QString text = drop->mimeData()->text();
    const std::optional<QString> digits =
        DigitsToPaste(text, box->text().size(), moved ? SelectedLength(box) : 0, TypingLimit(box));
    // The box inserts a drop as it comes, so only digits alone may pass.
    if (digits && *digits == text) return false;
    drop->ignore();
    // Said once the drag is over: the other program waits for the drop to end.
    QTimer::singleShot(0, box, [this, box, text] { Refuse(box, PasteRefusal(text, TypingLimit(box))); });
    return true;
}

void NumericBoxFilter::Paste(QLineEdit* box, const QString& text) {
    const std::optional<QString> digits =
        DigitsToPaste(text, box->text().size(), SelectedLength(box), TypingLimit(box));
    if (!digits) {
        Refuse(box, PasteRefusal(text, TypingLimit(box)));
        return;
    }
    // insert() is the user's edit: textEdited follows, as for typing.
    if (!digits->isEmpty() || box->hasSelectedText()) box->insert(*digits);
}

void NumericBoxFilter::Refuse(QLineEdit* box, const QString& why) {
    dialogs_.Message(box->window(), why, MessageIcon::Stop);
}

}  // namespace nyra
