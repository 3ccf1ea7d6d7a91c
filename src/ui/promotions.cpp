#include "ui/promotions.h"

#include "ui/clickable_label.h"

#include <QPalette>

namespace nyra {

ClickableLabel* NewLinkLabel(const QString& objectName, const QString& text, QWidget* parent, LinkStyle style) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    QFont font = label->font();
    if (style == LinkStyle::Promotion) font.setFamilies({QStringLiteral("Verdana")});
    font.setUnderline(style == LinkStyle::Link);
    label->setFont(font);
    return label;
}

} // namespace nyra
