// The promotional texts several windows share, and the look of the program's
// clickable link labels.
#pragma once

#include <QString>

class QWidget;

namespace nyra {

class ClickableLabel;

// The promotions in the language shown. Plain text: the single "&" of the
// co-branding invitation shows as it is.
QString CoBrandInvitation();
QString FullBrandOffer();
QString MoreDetails();

enum class LinkStyle {
    Promotion,  ///< Verdana paragraph, not underlined.
    Link,       ///< Short link text in the window's font, underlined.
};

// A clickable label in the link colour of the current palette, so it reads
// as a link on light and dark themes alike.
ClickableLabel* NewLinkLabel(const QString& objectName, const QString& text, QWidget* parent, LinkStyle style);

}  // namespace nyra
