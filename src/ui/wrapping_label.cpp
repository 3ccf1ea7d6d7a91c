#include "ui/wrapping_label.h"

#include <QEvent>

#include <utility>

namespace nyra {

WrappingLabel::WrappingLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }

WrappingLabel::Shape WrappingLabel::CurrentShape() const {
    return Shape{text(), contentsMargins(), margin(), indent(), wordWrap(), textFormat()};
}

void WrappingLabel::Forget() const {
    answers_.fill(Answer{});
    next_ = 0;
}

int WrappingLabel::heightForWidth(int width) const {
    Shape now = CurrentShape();
    if (!(now == shape_)) {
        shape_ = std::move(now);
        Forget();
    }
    for (const Answer& answer : answers_)
        if (answer.width == width) return answer.height;
    const int height = QLabel::heightForWidth(width);
    answers_[next_] = Answer{width, height};
    next_ = (next_ + 1) % answers_.size();
    return height;
}

void WrappingLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LocaleChange:
    case QEvent::LayoutDirectionChange: Forget(); break;
    default: break;
    }
    QLabel::changeEvent(event);
}

}  // namespace nyra
