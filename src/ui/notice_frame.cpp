#include "ui/notice_frame.h"

#include "ui/named.h"
#include "ui/screen_reader.h"
#include "ui/wrapping_label.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

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

// Up to the end of the first sentence or line: ". ", "। " or a line break.
QString FirstSentence(const QString& text) {
    qsizetype end = text.size();
    for (const char16_t mark : {u'.', u'\u0964'}) {
        const qsizetype at = text.indexOf(QString(QChar(mark)) + u' ');
        if (at >= 0) end = std::min(end, at + 1);
    }
    const qsizetype lineEnd = text.indexOf(u'\n');
    if (lineEnd >= 0) end = std::min(end, lineEnd);
    return text.left(end).trimmed();
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
    textLabel_ = Named(new WrappingLabel(this), textName);
    textLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = textLabel_->font();
    font.setBold(bold);
    font.setPointSizeF(font.pointSizeF() * textScale);
    textLabel_->setFont(font);

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
    texts->addWidget(textLabel_);
    details_ = Named(new QToolButton(this), textName + QStringLiteral("Details"));
    details_->setCheckable(true);
    details_->setAutoRaise(true);
    details_->hide();
    connect(details_, &QToolButton::toggled, this, [this] { ShowText(); });
    textLabel_->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(8);
    row->addWidget(icon_, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    row->addWidget(details_, 0, Qt::AlignTop);
    SetTone(Tone::Warning);
    WatchWindow();
    hide();
}

void NoticeFrame::SetText(const QString& text, const QString& heading) {
    text_ = text;
    if (heading_) heading_->setText(heading);
    ShowText();
    setVisible(!text.isEmpty());
}

void NoticeFrame::SetFolded(bool folded) {
    if (folded == folded_) return;
    folded_ = folded;
    details_->setChecked(false);
    ShowText();
}

void NoticeFrame::ShowText() {
    details_->setText(details_->isChecked() ? tr("Less") : tr("Details"));
    details_->setAccessibleName(details_->isChecked() ? tr("Show less") : tr("Show the whole notice"));
    const QString first = FirstSentence(text_);
    const bool foldable = folded_ && first != text_;
    details_->setVisible(foldable);
    const bool oneLine = foldable && !details_->isChecked();
    // Cut to the width it gets, the line must not ask for the whole of it;
    // wrapped, its height follows its width.
    QSizePolicy policy = textLabel_->sizePolicy();
    policy.setHorizontalPolicy(oneLine ? QSizePolicy::Ignored : QSizePolicy::Preferred);
    policy.setHeightForWidth(!oneLine);
    textLabel_->setSizePolicy(policy);
    textLabel_->setWordWrap(!oneLine);
    textLabel_->setToolTip(oneLine ? text_ : QString());
    textLabel_->setText(oneLine ? textLabel_->fontMetrics().elidedText(first + QStringLiteral(" \u2026"), Qt::ElideRight,
                                                                      std::max(textLabel_->width(), 1))
                                : text_);
}

void NoticeFrame::SetTone(Tone tone) {
    tone_ = tone;
    const QStyle::StandardPixmap picture =
        tone == Tone::Calm ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning;
    icon_->setPixmap(style()->standardIcon(picture).pixmap(iconPx_, iconPx_));
    Colour();
}

QLabel* NoticeFrame::textLabel() const { return textLabel_; }

QString NoticeFrame::Spoken() const {
    if (text_.isEmpty()) return {};
    if (!heading_ || heading_->text().isEmpty()) return text_;
    return heading_->text() + QStringLiteral(". ") + text_;
}

void NoticeFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) Colour();
    if (event->type() == QEvent::ParentChange) WatchWindow();
    QFrame::changeEvent(event);
}

bool NoticeFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::PaletteChange) Colour();
    if (watched == textLabel_ && event->type() == QEvent::Resize && folded_ && !details_->isChecked()) ShowText();
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
