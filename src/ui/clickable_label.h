// A label that acts on a plain click, for the link texts of the windows. It
// is a stop of the Tab key with a focus frame of its own, opens with Enter
// or Space as well, speaks to screen readers as a link, and draws its text
// in the theme's link colour made readable on the window behind it.
#pragma once

#include "ui/wrapping_label.h"

namespace nyra {

class ClickableLabel : public WrappingLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FollowLinkColour();
};

}  // namespace nyra
