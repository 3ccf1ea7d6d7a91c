// The promotional texts several windows share, and the look of the program's
// clickable link labels.
#pragma once

#include <QString>

class QWidget;

namespace nyra {

class ClickableLabel;

// Plain text: the single "&" shows as it is.
inline const QString kCoBrandInvitation = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");

inline const QString kFullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.");

inline const QString kMoreDetails = QStringLiteral("Click here for more details.");

enum class LinkStyle {
    Promotion,  ///< Verdana paragraph, not underlined.
    Link,       ///< Short link text in the window's font, underlined.
};

// A clickable label in the link colour of the current palette, so it reads
// as a link on light and dark themes alike.
ClickableLabel* NewLinkLabel(const QString& objectName, const QString& text, QWidget* parent, LinkStyle style);

} // namespace nyra
