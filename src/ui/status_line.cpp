#include "ui/status_line.h"

#include <QAccessible>
#include <QFontMetrics>

#include <algorithm>

namespace nyra {

StatusLine::StatusLine(const QString& name, int shownMs, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    // Takes the width its row has to spare, whatever the length of the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
    timer_.setSingleShot(true);
    timer_.setInterval(shownMs);
    connect(&timer_, &QTimer::timeout, this, &StatusLine::Clear);
    hide();
}

void StatusLine::Show(const QString& text) {
    // Hidden first, so that a second text also appears anew and is read out.
    hide();
    text_ = text;
    setToolTip(text);
    setAccessibleName(text);
    Fit();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    timer_.start();
}

void StatusLine::Clear() {
    hide();
    text_.clear();
    setText(QString());
    setToolTip(QString());
    setAccessibleName(QString());
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Fit();
}

void StatusLine::Fit() { setText(fontMetrics().elidedText(text_, Qt::ElideMiddle, std::max(width(), 1))); }

}  // namespace nyra
