#include "ui/promotions.h"

#include "ui/clickable_label.h"

#include <QCoreApplication>

namespace nyra {

QString CoBrandInvitation() {
    return QCoreApplication::translate(
        "nyra::Promotions",
        // clang-format off
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
        "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
    // clang-format on
}

QString FullBrandOffer() {
    return QCoreApplication::translate(
        "nyra::Promotions",
        "Home Business Opportunity. Start your own Internet business and make money online. Get this "
        "software fully branded for your website.");
}

QString MoreDetails() { return QCoreApplication::translate("nyra::Promotions", "Click here for more details."); }

ClickableLabel* NewLinkLabel(const QString& objectName, const QString& text, QWidget* parent, LinkStyle style) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    if (style == LinkStyle::Promotion) font.setFamilies({QStringLiteral("Verdana")});
    font.setUnderline(style == LinkStyle::Link);
    label->setFont(font);
    return label;
}

}  // namespace nyra
