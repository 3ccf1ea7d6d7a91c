#include "ui/clickable_label.h"

#include "ui/contrast.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace nyra {
namespace {

// Room for the focus frame, so that it never touches the letters.
constexpr int kFocusFrameMarginPx = 2;

// What a screen reader is told: a link named by its text, which it can
// press like any button.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<ClickableLabel*>(widget())->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* LinkAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new LinkAccessible(static_cast<ClickableLabel*>(object));
    return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : WrappingLabel(parent) {
    setText(text);
    static const bool factoryInstalled = (QAccessible::installFactory(&LinkAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    // Tab reaches it; a click opens it without taking the focus from the
    // box the user was typing in.
    setFocusPolicy(Qt::TabFocus);
    setMargin(kFocusFrameMarginPx);
    FollowLinkColour();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    WrappingLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            if (!event->isAutoRepeat()) emit clicked();
            event->accept();
            return;
        }
        break;
    default: break;
    }
    WrappingLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    WrappingLabel::paintEvent(event);
    if (!hasFocus()) return;
    // In the text's own colour, which is readable on this background; the
    // style's focus rectangle is drawn by some styles only after a key
    // press, and not at all by others.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ClickableLabel::changeEvent(QEvent* event) {
    WrappingLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) FollowLinkColour();
}

void ClickableLabel::FollowLinkColour() {
    // The link colour of the surroundings, not of this label's own palette,
    // which holds the colour chosen last time.
    const QPalette around = parentWidget() ? parentWidget()->palette() : QGuiApplication::palette();
    const QColor colour = ReadableOn(around.color(QPalette::Link), around.color(QPalette::Window));
    // Setting the palette raises a palette change of its own; it stops here.
    if (palette().color(QPalette::WindowText) == colour) return;
    QPalette own = palette();
    own.setColor(QPalette::WindowText, colour);
    setPalette(own);
}

}  // namespace nyra
