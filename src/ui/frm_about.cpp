#include "ui/frm_about.h"

#include "links/web_links.h"
#include "ui/clickable_label.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/promotions.h"
#include "ui/screen_reader.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace nyra {
namespace {

constexpr int kPictureSize = 72;
constexpr int kTextWidth = 350;

QFont Verdana(double pointSize, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// A crescent Moon on a night-blue disc with a few stars, drawn here so the
// program ships no image files.
QPixmap MoonPicture(int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    QRadialGradient sky(disc.center(), size / 2.0);
    sky.setColorAt(0.0, QColor(0x23, 0x3a, 0x7a));
    sky.setColorAt(1.0, QColor(0x0b, 0x16, 0x3f));
    p.setPen(QPen(QColor(0x08, 0x10, 0x30), 1));
    p.setBrush(sky);
    p.drawEllipse(disc);

    QPainterPath discPath;
    discPath.addEllipse(disc);
    p.setClipPath(discPath);

    // The crescent is the full disc less a slightly smaller one shifted off
    // towards the upper right.
    const qreal r = size * 0.29;
    const QPointF moonCentre(size * 0.44, size * 0.52);
    QPainterPath moon;
    moon.addEllipse(moonCentre, r, r);
    QPainterPath shadow;
    shadow.addEllipse(moonCentre + QPointF(r * 0.55, -r * 0.28), r * 0.95, r * 0.95);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xe7, 0xa8));
    p.drawPath(moon.subtracted(shadow));

    const struct {
        qreal x, y, radius;
    } stars[] = {{0.72, 0.26, 1.6}, {0.80, 0.52, 1.1}, {0.62, 0.78, 1.3},
                 {0.30, 0.18, 1.0}, {0.86, 0.38, 0.8}, {0.50, 0.12, 0.8}};
    p.setBrush(QColor(0xff, 0xff, 0xf0));
    for (const auto& star : stars) p.drawEllipse(QPointF(star.x * size, star.y * size), star.radius, star.radius);
    return pixmap;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    CreateControls();
    ArrangeControls();
    ConnectControls();
    SetTexts();
}

void frmAbout::CreateControls() {
    UseProgramAccessibility();
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFont(Verdana(8.25, false));

    Picture1 = Named(new QLabel(this), QStringLiteral("Picture1"));
    Picture1->setPixmap(MoonPicture(kPictureSize, devicePixelRatioF()));
    Picture1->setFixedSize(kPictureSize, kPictureSize);
    MarkDecorative(Picture1);

    productHeading = Named(new QLabel(this), QStringLiteral("Label2"));
    productHeading->setFont(Verdana(9.75, true));

    productDescription = Named(new QLabel(this), QStringLiteral("Label1"));
    productDescription->setWordWrap(true);
    productDescription->setMinimumWidth(kTextWidth);

    Line1 = Named(new QFrame(this), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    promotionText = Named(new QLabel(this), QStringLiteral("Label3"));
    promotionText->setWordWrap(true);

    cobrandLink = NewLinkLabel(QStringLiteral("lblCoBrand"), QString(), this, LinkStyle::Link);
    homePageLink = NewLinkLabel(QStringLiteral("lblHomePage"), QString(), this, LinkStyle::Link);
    dataSources = Named(new QLabel(this), QStringLiteral("lblDataSources"));
    ephemerisCredit = Named(new QLabel(this), QStringLiteral("lblEphemerisCredit"));

    okButton = Named(new QPushButton(this), QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    okButton->setMinimumWidth(88);
}

void frmAbout::ArrangeControls() {
    auto* heading = new QVBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(productHeading);
    heading->addWidget(productDescription);
    heading->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(14, 14, 14, 12);
    window->setSpacing(6);
    window->addLayout(top);
    window->addSpacing(4);
    window->addWidget(Line1);
    window->addSpacing(4);
    window->addWidget(promotionText);
    window->addWidget(cobrandLink);
    window->addSpacing(6);
    window->addWidget(homePageLink);
    window->addSpacing(6);
    window->addWidget(dataSources);
    window->addWidget(ephemerisCredit);
    window->addSpacing(6);
    window->addLayout(buttons);
    window->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::ConnectControls() {
    connect(homePageLink, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(cobrandLink, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // The links come first in Tab order, but Enter on opening the box
    // should close it, not open a web page.
    okButton->setFocus(Qt::OtherFocusReason);
}

void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

void frmAbout::SetTexts() {
    setWindowTitle(kWindowTitle);
    productHeading->setText(kWindowTitle);
    productDescription->setText(
        tr("Nyra Moon Sign is a moon sign software based on Vedic Astrology. This program "
           "tells us in detail the characteristics and features of people born under a "
           "particular moon sign. This is different from the sun sign calculated in western "
           "astrology. This helps you understand your positive and negative traits, thus "
           "helping you improve your personality."));
    promotionText->setText(
        tr("Home Business Opportunity. Start your own Internet business and make money "
           "online. Get this software fully branded for your website."));
    cobrandLink->setText(tr("Click here for more details."));
    homePageLink->setText(tr("Visit us at %1").arg(QUrl(ProductPageUrl()).host()));
    dataSources->setText(
        tr("Place data: GeoNames (geonames.org), CC BY 4.0; "
           "time zones: the IANA tz database."));
    ephemerisCredit->setText(
        tr("Precise Moon positions: Swiss Ephemeris, \u00A9 Astrodienst AG "
           "(astro.com/swisseph), AGPL-3.0."));
    okButton->setText(tr("OK"));
}

}  // namespace nyra
