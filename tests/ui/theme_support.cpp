#include "theme_support.h"

#include "ui/contrast.h"

#include <QHash>
#include <QImage>
#include <QWidget>

namespace nyra::theme_test {

QPalette LightPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    return p;
}

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    return p;
}

Drawn Measure(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), background = it.key();
    QColor text = QColor::fromRgb(background);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (ContrastRatio(QColor::fromRgb(it.key()), QColor::fromRgb(background)) >
            ContrastRatio(text, QColor::fromRgb(background)))
            text = QColor::fromRgb(it.key());
    return {QColor::fromRgb(background), text};
}

}  // namespace nyra::theme_test
