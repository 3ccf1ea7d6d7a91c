// A label that acts on a plain click, for the link texts of the windows.
#pragma once

#include <QLabel>

namespace nyra {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace nyra
