#include "ui/report_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <iterator>
#include <span>

namespace nyra {
namespace {

struct ReportItem {
    const char* label;
    std::string SignDescription::*field;
};

struct ReportSection {
    const char* heading;
    std::span<const ReportItem> items;
};

// The report's order is its own, not the order of the fields in
// SignDescription: PartOfTheBody closes section 2, BestPeriodOfActivity ends
// the report. The labels' spelling ("Rulling", "Compatible with") is the
// report's and must stay as it is.
constexpr ReportItem kCommon[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Vedic Name: "),              &SignDescription::VedicName},
    {QT_TRANSLATE_NOOP("nyra::Report", "English Name: "),            &SignDescription::EnglishName},
    {QT_TRANSLATE_NOOP("nyra::Report", "Rulling Planet / Lord: "),   &SignDescription::RullingPlanet},
    {QT_TRANSLATE_NOOP("nyra::Report", "Symbol: "),                  &SignDescription::Symbol},
    // clang-format on
    {QT_TRANSLATE_NOOP("nyra::Report", "Element / Inborn Nature: "), &SignDescription::InbornNature},
    {QT_TRANSLATE_NOOP("nyra::Report", "Sign Color: "), &SignDescription::SignColor},
};
constexpr ReportItem kCharacteristics[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Type Of Sign: "),            &SignDescription::TypeOfSign},
    {QT_TRANSLATE_NOOP("nyra::Report", "Gender: "),                  &SignDescription::Gender},
    {QT_TRANSLATE_NOOP("nyra::Report", "Fruitful / Barren: "),       &SignDescription::Barren},
    {QT_TRANSLATE_NOOP("nyra::Report", "Sign Caste: "),              &SignDescription::SignCaste},
    {QT_TRANSLATE_NOOP("nyra::Report", "Sign Position: "),           &SignDescription::SignPosition},
    {QT_TRANSLATE_NOOP("nyra::Report", "Constituent Characters: "),  &SignDescription::ConstituentCharacter},
    {QT_TRANSLATE_NOOP("nyra::Report", "Part of the Body: "),        &SignDescription::PartOfTheBody},
    // clang-format on
};
constexpr ReportItem kPhysique[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Physique: "),                &SignDescription::Physique},
    {QT_TRANSLATE_NOOP("nyra::Report", "Looks: "),                   &SignDescription::Looks},
    // clang-format on
};
constexpr ReportItem kNature[] = {
    {QT_TRANSLATE_NOOP("nyra::Report", "Nature: "), &SignDescription::Nature},
};
constexpr ReportItem kCareer[] = {
    {QT_TRANSLATE_NOOP("nyra::Report", "Career And Finance: "), &SignDescription::CareerAndFinance},
};
constexpr ReportItem kLove[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Love And Domestic Life: "),  &SignDescription::LoveAndDomesticLife},
    {QT_TRANSLATE_NOOP("nyra::Report", "Compatible with: "),         &SignDescription::CompatibleWith},
    {QT_TRANSLATE_NOOP("nyra::Report", "Not Compatible with: "),     &SignDescription::NotCompatibleWith},
    // clang-format on
};
constexpr ReportItem kHealth[] = {
    {QT_TRANSLATE_NOOP("nyra::Report", "Health: "), &SignDescription::Health},
};
constexpr ReportItem kLucky[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Lucky Days: "),              &SignDescription::LuckyDays},
    {QT_TRANSLATE_NOOP("nyra::Report", "Lucky Numbers: "),           &SignDescription::LuckyNumbers},
    {QT_TRANSLATE_NOOP("nyra::Report", "Best Direction: "),          &SignDescription::BestDirection},
    {QT_TRANSLATE_NOOP("nyra::Report", "Lucky Colors: "),            &SignDescription::LuckyColors},
    {QT_TRANSLATE_NOOP("nyra::Report", "Lucky Gemstone: "),          &SignDescription::LuckyGemstone},
    // clang-format on
    {QT_TRANSLATE_NOOP("nyra::Report", "Best Period of Activity: "), &SignDescription::BestPeriodOfActivity},
};

constexpr ReportSection kSections[] = {
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Common: "),                 kCommon},
    {QT_TRANSLATE_NOOP("nyra::Report", "Sign Characteristics: "),   kCharacteristics},
    {QT_TRANSLATE_NOOP("nyra::Report", "Physique And Looks: "),     kPhysique},
    {QT_TRANSLATE_NOOP("nyra::Report", "Human Nature: "),           kNature},
    {QT_TRANSLATE_NOOP("nyra::Report", "Career And Finance: "),     kCareer},
    // clang-format on
    {QT_TRANSLATE_NOOP("nyra::Report", "Love And Compatibility: "), kLove},
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::Report", "Health: "),                 kHealth},
    {QT_TRANSLATE_NOOP("nyra::Report", "Lucky For....Rashi: "),     kLucky},
    // clang-format on
};
static_assert(std::size(kSections) == 8);

constexpr std::size_t ReportItemCount() {
    std::size_t count = 0;
    for (const ReportSection& section : kSections) count += section.items.size();
    return count;
}
static_assert(ReportItemCount() == kSignFieldCount, "the report shows every field once");

// Empty lines after every section but the last.
constexpr int kLinesBetweenSections = 2;

// The headings and labels in the language shown; the values are the
// description's own, in the language it was asked for.
QString Translated(const char* text) { return QCoreApplication::translate("nyra::Report", text); }

QString Value(const SignDescription& description, const ReportItem& item) {
    return QString::fromStdString(description.*item.field);
}

// Characters that end a sentence rather than an address.
bool IsTrailingPunctuation(QChar c) { return QStringLiteral(".,;:!?'\")]}>").contains(c); }

QUrl WebAddressUrl(const QString& address) {
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + address, QUrl::TolerantMode);
    return QUrl(address, QUrl::TolerantMode);
}

}  // namespace

QFont ReportFont() {
    QFont font(kReportFontFamily);
    font.setPointSizeF(kReportPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QTextCharFormat ReportFormat(ReportRole role) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{kReportFontFamily});
    format.setFontPointSize(kReportPointSize);
    format.setFontWeight(role == ReportRole::Heading ? QFont::Bold : QFont::Normal);
    switch (role) {
    case ReportRole::Heading: format.setForeground(QColor(128, 0, 128)); break;
    case ReportRole::Label: format.setForeground(QColor(0, 128, 128)); break;
    case ReportRole::Value: format.setForeground(QColor(0, 0, 0)); break;
    }
    return format;
}

void ComposeReport(QTextDocument* document, const SignDescription& description) {
    const QTextCharFormat heading = ReportFormat(ReportRole::Heading);
    const QTextCharFormat label = ReportFormat(ReportRole::Label);
    const QTextCharFormat value = ReportFormat(ReportRole::Value);

    document->clear();
    document->setDefaultFont(ReportFont());
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setCharFormat(value);
    // Every line is a block of its own, so the plain text has one "\n" per
    // line and the last value's line end leaves an empty final block.
    const auto endLine = [&cursor](const QTextCharFormat& format) { cursor.insertBlock(QTextBlockFormat(), format); };
    QTextBlockFormat headingBlock;
    headingBlock.setProperty(kSectionHeadingProperty, true);
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        const ReportSection& section = kSections[s];
        cursor.setBlockFormat(headingBlock);
        cursor.insertText(Translated(section.heading), heading);
        endLine(heading);
        for (const ReportItem& item : section.items) {
            cursor.insertText(Translated(item.label), label);
            cursor.insertText(Value(description, item), value);
            endLine(value);
        }
        if (s + 1 < std::size(kSections))
            for (int i = 0; i < kLinesBetweenSections; ++i) endLine(value);
    }
    cursor.endEditBlock();
    MarkWebAddresses(document);
}

std::vector<WebAddress> FindWebAddresses(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    std::vector<WebAddress> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString address = match.captured();
        while (!address.isEmpty() && IsTrailingPunctuation(address.back())) {
            // A closing bracket belongs to the address when it opened one.
            if (address.back() == u')' && address.count(u'(') >= address.count(u')')) break;
            address.chop(1);
        }
        const QString prefix = address.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
                                   ? QStringLiteral("www.")
                                   : address.left(address.indexOf(u'/') + 2);
        if (address.size() <= prefix.size()) continue;
        found.push_back(
            {static_cast<int>(match.capturedStart()), static_cast<int>(address.size()), WebAddressUrl(address)});
    }
    return found;
}

void MarkWebAddresses(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (const WebAddress& address : FindWebAddresses(block.text())) {
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(address.url.toString());
            link.setFontUnderline(true);
            link.setForeground(QColor(0, 0, 255));
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + address.start);
            cursor.setPosition(block.position() + address.start + address.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(link);
        }
    }
}

namespace {

// Whether what the clipboard holds in `mode` was put there by this program.
// A platform without a system clipboard (offscreen, minimal) keeps it
// inside the program, so whatever it holds is the program's.
bool ProgramOwns(const QClipboard& clipboard, QClipboard::Mode mode) {
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen" || platform == u"minimal") return true;
    return mode == QClipboard::Selection ? clipboard.ownsSelection() : clipboard.ownsClipboard();
}

}  // namespace

void EmptyOwnClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    if (ProgramOwns(*clipboard, QClipboard::Clipboard)) clipboard->clear(QClipboard::Clipboard);
    // On X11 a selection is offered for the middle button as it is made.
    if (clipboard->supportsSelection() && ProgramOwns(*clipboard, QClipboard::Selection))
        clipboard->clear(QClipboard::Selection);
}

ReportMouseWatcher::ReportMouseWatcher(QTextEdit* view) : QObject(view), view_(view) {
    // Moves without a pressed button reach the viewport only with tracking.
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
}

bool ReportMouseWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The link opens on the press; a text view opens no link of its
        // own on the release.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString href = view_->anchorAt(mouse->position().toPoint());
            if (!href.isEmpty()) QDesktopServices::openUrl(QUrl(href));
        }
        EmptyOwnClipboard();
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: EmptyOwnClipboard(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace nyra
