#include "ui/promotions.h"

#include "ui/clickable_label.h"

namespace nyra {

ClickableLabel* NewLinkLabel(const QString& objectName, const QString& text, QWidget* parent, LinkStyle style) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    if (style == LinkStyle::Promotion) font.setFamilies({QStringLiteral("Verdana")});
    font.setUnderline(style == LinkStyle::Link);
    label->setFont(font);
    return label;
}

} // namespace nyra
