#include "ui/notice_frame.h"

#include "ui/named.h"
#include "ui/screen_reader.h"
#include "ui/wrapping_label.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace nyra {
namespace {

// Amber in both themes, but the light one gets a pale box with dark text and
// the dark one a deep box with light text: either way the text keeps a
// contrast above 7:1 and the box stands apart from the window.
struct NoticeColours {
    const char* background;
    const char* border;
    const char* text;
};
constexpr NoticeColours kLightNotice{"#fff3cd", "#8a5a00", "#3d2a00"};
constexpr NoticeColours kDarkNotice{"#4a3500", "#e0a526", "#ffe8a8"};
// Good news, not a warning: the same contrasts in a quiet blue.
constexpr NoticeColours kLightCalmNotice{"#e7f1fb", "#2f6ea8", "#0d2a47"};
constexpr NoticeColours kDarkCalmNotice{"#12324f", "#6aa8e0", "#dcecff"};

QString NoticeStyleSheet(const QString& frameName, const NoticeColours& colours) {
    return QStringLiteral(
               "QFrame#%1 { background-color: %2; border: 1px solid %3; border-radius: 4px; }"
               " QFrame#%1 QLabel { background: transparent; border: none; color: %4; }")
        .arg(frameName, QLatin1String(colours.background), QLatin1String(colours.border), QLatin1String(colours.text));
}

}  // namespace

NoticeFrame::NoticeFrame(const QString& frameName, const QString& textName, int iconPx, qreal textScale, bool bold,
                         QWidget* parent, const QString& headingName, const QString& iconName)
    : QFrame(parent), iconPx_(iconPx) {
    setObjectName(frameName);
    icon_ = new QLabel(this);
    if (!iconName.isEmpty()) icon_->setObjectName(iconName);
    // The text says what the notice is; the icon only shows its tone.
    MarkDecorative(icon_);
    icon_->setAlignment(Qt::AlignTop);
    text_ = Named(new WrappingLabel(this), textName);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = text_->font();
    font.setBold(bold);
    font.setPointSizeF(font.pointSizeF() * textScale);
    text_->setFont(font);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    if (!headingName.isEmpty()) {
        heading_ = Named(new QLabel(this), headingName);
        heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont strong = heading_->font();
        strong.setBold(true);
        heading_->setFont(strong);
        texts->addWidget(heading_);
    }
    texts->addWidget(text_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(8);
    row->addWidget(icon_, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    SetTone(Tone::Warning);
    WatchWindow();
    hide();
}

void NoticeFrame::SetText(const QString& text, const QString& heading) {
    text_->setText(text);
    if (heading_) heading_->setText(heading);
    setVisible(!text.isEmpty());
}

void NoticeFrame::SetTone(Tone tone) {
    tone_ = tone;
    const QStyle::StandardPixmap picture =
        tone == Tone::Calm ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning;
    icon_->setPixmap(style()->standardIcon(picture).pixmap(iconPx_, iconPx_));
    Colour();
}

QLabel* NoticeFrame::textLabel() const { return text_; }

QString NoticeFrame::Spoken() const {
    if (text_->text().isEmpty()) return {};
    if (!heading_ || heading_->text().isEmpty()) return text_->text();
    return heading_->text() + QStringLiteral(". ") + text_->text();
}

void NoticeFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) Colour();
    if (event->type() == QEvent::ParentChange) WatchWindow();
    QFrame::changeEvent(event);
}

bool NoticeFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::PaletteChange) Colour();
    return QFrame::eventFilter(watched, event);
}

void NoticeFrame::WatchWindow() {
    // A frame with a style sheet is passed over when a new palette spreads
    // from its window; the window itself always hears of a new theme.
    if (watchedWindow_ == window()) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window();
    if (watchedWindow_ != this) watchedWindow_->installEventFilter(this);
    Colour();
}

void NoticeFrame::Colour() {
    // The window's theme, not the frame's own palette: the style sheet set
    // below colours that, and would keep a frame light under a dark theme.
    const QPalette& colours = window()->palette();
    const bool dark = colours.color(QPalette::Window).lightness() < colours.color(QPalette::WindowText).lightness();
    const NoticeColours& chosen =
        tone_ == Tone::Calm ? (dark ? kDarkCalmNotice : kLightCalmNotice) : (dark ? kDarkNotice : kLightNotice);
    // A style sheet change sends a palette change of its own: only set a new one.
    const QString sheet = NoticeStyleSheet(objectName(), chosen);
    if (styleSheet() != sheet) setStyleSheet(sheet);
}

}  // namespace nyra
