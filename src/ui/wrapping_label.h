// A word-wrapped label that remembers its height at the last few widths it
// was asked about. While a window settles its size, its layouts ask each
// wrapped label the same question many times over, and QLabel lays its
// text out afresh for every answer.
#pragma once

#include <QLabel>
#include <QMargins>

#include <array>
#include <cstddef>

namespace nyra {

class WrappingLabel : public QLabel {
public:
    explicit WrappingLabel(QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // What the answers depend on besides the width; the font and style
    // clear them through their change events.
    struct Shape {
        QString text;
        QMargins contents;
        int margin = 0;
        int indent = 0;
        bool wrapping = false;
        Qt::TextFormat format = Qt::AutoText;
        bool operator==(const Shape&) const = default;
    };
    struct Answer {
        int width = -1;
        int height = 0;
    };

    Shape CurrentShape() const;
    void Forget() const;

    mutable Shape shape_;
    mutable std::array<Answer, 4> answers_{};
    mutable std::size_t next_ = 0;
};

}  // namespace nyra
