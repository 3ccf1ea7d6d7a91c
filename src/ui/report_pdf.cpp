#include "ui/report_pdf.h"

#include "calculation/calculation_text.h"
#include "engine/moon_detail.h"
#include "engine/names.h"
#include "record/file_io.h"
#include "ui/messages.h"
#include "ui/report_text.h"
#include "ui/sign_pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace nyra {
namespace {

// The margins and the page number's place of Qt's own document printing,
// which the export used before it paged the report itself.
constexpr double kMarginCm = 2.0;
constexpr double kPageNumberGapPt = 5.0;
constexpr double kProgramNamePointSize = 16.0;
constexpr int kPicturePx = 72;
// Painted at this many device pixels per pixel, so the picture stays sharp
// in a viewer's zoom and on paper.
constexpr qreal kPictureDevicePixelRatio = 6.0;
const QUrl kPictureUrl(QStringLiteral("nyra-sign-picture"));
constexpr int kLinesAfterTitle = 2;
// Half a device pixel (1/2400 inch at the writer's resolution).
constexpr qreal kTouchingPx = 0.5;

QString Padded(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace

QString ZoneText(const BirthRecord& birth) {
    QString zone = QStringLiteral("UTC");
    // The zone is entered as a size; its side is the longitude's (the
    // engine's rule), so an eastern place is ahead of Greenwich.
    if (birth.ZoneHours != 0 || birth.ZoneMinutes != 0)
        zone += (birth.LonIsEast != 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
                QStringLiteral("%1:%2").arg(birth.ZoneHours).arg(Padded(birth.ZoneMinutes));
    if (birth.DstOn != 0) zone += QCoreApplication::translate("nyra::ReportTitle", ", daylight saving time");
    return zone;
}

QString BornText(const BirthRecord& birth, Language language) {
    const std::string_view monthName = MonthName(birth.BirthMonth, language);
    const QString month = monthName.empty()
                              ? QString::number(birth.BirthMonth)
                              : QString::fromUtf8(monthName.data(), static_cast<qsizetype>(monthName.size()));
    return QStringLiteral("%1 %2 %3, %4:%5 (%6)")
        .arg(birth.BirthDay)
        .arg(month)
        .arg(birth.BirthYear)
        .arg(Padded(birth.BirthHour), Padded(birth.BirthMinute), ZoneText(birth));
}

QString CoordinatesText(const BirthRecord& birth) {
    return QStringLiteral("%1\u00B0 %2\u2032 %3, %4\u00B0 %5\u2032 %6")
        .arg(birth.LatDegrees)
        .arg(Padded(birth.LatMinutes))
        .arg(birth.LatIsSouth != 0 ? QCoreApplication::translate("nyra::ReportTitle", "S", "south")
                                   : QCoreApplication::translate("nyra::ReportTitle", "N", "north"))
        .arg(birth.LonDegrees)
        .arg(Padded(birth.LonMinutes))
        .arg(birth.LonIsEast != 0 ? QCoreApplication::translate("nyra::ReportTitle", "E", "east")
                                  : QCoreApplication::translate("nyra::ReportTitle", "W", "west"));
}

namespace {

struct TitleLine {
    const char* label;
    const QString& value;
    bool strong = false;
};

// One line a line of `lines`, those without a value left out.
void InsertLines(QTextCursor& cursor, std::initializer_list<TitleLine> lines) {
    bool first = true;
    for (const TitleLine& line : lines) {
        if (line.value.isEmpty()) continue;
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(QCoreApplication::translate("nyra::ReportTitle", line.label),
                          ReportFormat(ReportRole::Label));
        QTextCharFormat format = ReportFormat(ReportRole::Value);
        if (line.strong) format.setFontWeight(QFont::Bold);
        cursor.insertText(line.value, format);
    }
}

void ComposeTitle(QTextCursor& cursor, const ReportTitle& title) {
    QTextCharFormat programName = ReportFormat(ReportRole::Heading);
    programName.setFontPointSize(kProgramNamePointSize);
    cursor.insertText(kAppTitle, programName);

    cursor.insertBlock(QTextBlockFormat(), ReportFormat(ReportRole::Value));
    QTextTableFormat frame;
    frame.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    frame.setCellPadding(4);
    frame.setCellSpacing(0);
    const QPixmap picture = title.englishName.isEmpty()
                                ? QPixmap()
                                : PaintSignPicture(title.englishName, kPicturePx, kPictureDevicePixelRatio);
    QTextTable* table = cursor.insertTable(1, picture.isNull() ? 1 : 2, frame);
    int textColumn = 0;
    if (!picture.isNull()) {
        cursor.document()->addResource(QTextDocument::ImageResource, kPictureUrl, picture.toImage());
        QTextImageFormat image;
        image.setName(kPictureUrl.toString());
        image.setWidth(kPicturePx);
        image.setHeight(kPicturePx);
        QTextCursor pictureCell = table->cellAt(0, 0).firstCursorPosition();
        pictureCell.insertImage(image);
        textColumn = 1;
    }
    QTextCursor text = table->cellAt(0, textColumn).firstCursorPosition();
    InsertLines(text, {
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Name: "), title.name},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Born: "), title.born},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Birth time: "), title.birthTime},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Place: "), title.place},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Moon sign: "), title.moonSign, true},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Possible Moon signs: "), title.possibleSigns, true},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Moon: "), title.moonPosition},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Nakshatra: "), title.nakshatra},
                          {QT_TRANSLATE_NOOP("nyra::ReportTitle", "Calculated with: "), title.calculatedWith},
                      });

    cursor.movePosition(QTextCursor::End);
    for (int i = 0; i < kLinesAfterTitle; ++i) cursor.insertBlock(QTextBlockFormat(), ReportFormat(ReportRole::Value));
}

// The blocks of one section: its heading to its last line of text.
struct Section {
    QTextBlock heading;
    QTextBlock last;
};

std::vector<Section> SectionsOf(const QTextDocument& document) {
    std::vector<Section> sections;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().boolProperty(kSectionHeadingProperty))
            sections.push_back({block, block});
        else if (!sections.empty() && !block.text().isEmpty())
            sections.back().last = block;
    }
    return sections;
}

// A section that fits on a page but would run over a page's end starts on
// the next page instead. One move shifts everything after it, so the
// sections are looked at again from the first after each.
void KeepSectionsWhole(QTextDocument* document) {
    const qreal pageHeight = document->pageSize().height();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const auto page = [pageHeight](qreal y) { return static_cast<int>(y / pageHeight); };
    bool moved = true;
    while (moved) {
        moved = false;
        for (const Section& section : SectionsOf(*document)) {
            const qreal top = layout->blockBoundingRect(section.heading).top();
            const qreal bottom = layout->blockBoundingRect(section.last).bottom();
            const bool split = page(top) != page(std::nextafter(bottom, top));
            const bool startsPage =
                section.heading.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
            if (!split || startsPage || bottom - top > pageHeight) continue;
            QTextBlockFormat breakBefore;
            breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(section.heading).mergeBlockFormat(breakBefore);
            moved = true;
            break;
        }
    }
}

void PaintPages(QTextDocument* document, QPdfWriter* writer, qreal margin) {
    QPainter painter(writer);
    const QSizeF body = document->pageSize();
    const QFont numberFont = document->defaultFont();
    const qreal numberGap = kPageNumberGapPt * writer->logicalDpiY() / 72.0;
    for (int index = 0; index < document->pageCount(); ++index) {
        if (index > 0) writer->newPage();
        const QRectF view(0, index * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(margin, margin - view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout also draws a block that only touches the clip: the one
        // that opens the next page. Clipped away, its text would still be
        // in the file, and copied with this page's.
        context.clip = view.adjusted(0, 0, 0, -kTouchingPx);
        // Paper is white whatever the screen's theme.
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(numberFont);
        const QString number = QString::number(index + 1);
        const QPointF at(margin + body.width() - painter.fontMetrics().horizontalAdvance(number),
                         margin + body.height() + painter.fontMetrics().ascent() + numberGap);
        painter.drawText(at, number);
    }
}

}  // namespace

namespace {
bool IsDevanagari(QChar c) { return c.script() == QChar::Script_Devanagari; }
}  // namespace

// Shaping would join "f" and "l" into one ligature glyph, which a PDF
// viewer copies (and pdftotext extracts) as one odd character. Devanagari
// cannot do without it: its conjuncts and vowel signs are made by shaping,
// so its runs (a word, or words with the blanks between them) keep it,
// though Qt's PDF writer then copies its conjuncts badly.
void PlainLetters(QTextDocument* document) {
    QFont font = document->defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    QTextCharFormat plain;
    plain.setFontStyleStrategy(QFont::PreferNoShaping);
    all.mergeCharFormat(plain);

    QTextCharFormat shaped;
    shaped.setFontStyleStrategy(QFont::PreferDefault);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size();) {
            if (!IsDevanagari(text[i])) {
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            // Joiners, blanks and the danda belong to the run they stand in.
            while (end < text.size() && (IsDevanagari(text[end]) || text[end].isSpace() || text[end] == QChar(0x200C) ||
                                         text[end] == QChar(0x200D)))
                ++end;
            QTextCursor run(document);
            run.setPosition(block.position() + static_cast<int>(i));
            run.setPosition(block.position() + static_cast<int>(end), QTextCursor::KeepAnchor);
            run.mergeCharFormat(shaped);
            i = end;
        }
    }
}

ReportTitle TitleOf(const Calculation& calculation, const SignDescription& sign, Language language) {
    ReportTitle title;
    const BirthRecord& birth = calculation.birth;
    title.name = QString::fromStdString(birth.BirthName);
    title.born = BornText(birth, language);
    title.birthTime = QString::fromStdString(BirthTimeText(calculation, language));
    const QString coordinates = CoordinatesText(birth);
    const std::string names = calculation.place.Names();
    title.place =
        names.empty() ? coordinates : QString::fromStdString(names) + QStringLiteral(" (") + coordinates + u')';
    if (!sign.VedicName.empty())
        title.moonSign = QStringLiteral("%1 (%2)").arg(QString::fromStdString(sign.VedicName),
                                                       QString::fromStdString(sign.EnglishName));
    // The picture goes by the English name whatever the language.
    title.englishName = QString::fromStdString(calculation.description.EnglishName);
    title.possibleSigns = QString::fromStdString(PossibleSignsText(calculation, language));
    const MoonReading& moon = calculation.moon;
    title.moonPosition = QString::fromStdString(PositionInSignText(moon, language));
    const std::string_view nakshatra = NakshatraName(moon.nakshatra.index, language);
    title.nakshatra = QCoreApplication::translate("nyra::ReportTitle", "%1, pada %2")
                          .arg(QString::fromUtf8(nakshatra.data(), static_cast<qsizetype>(nakshatra.size())))
                          .arg(moon.nakshatra.pada);
    title.calculatedWith = QString::fromStdString(CalculatedWithText(calculation, language));
    return title;
}

ReportTitle TitleOf(const Calculation& calculation) {
    return TitleOf(calculation, calculation.description, Language::English);
}

void ComposeTitledReport(QTextDocument* into, const QTextDocument& report, const ReportTitle& title) {
    into->clear();
    into->setDefaultFont(ReportFont());
    QTextCursor cursor(into);
    ComposeTitle(cursor, title);
    cursor.insertFragment(QTextDocumentFragment(&report));
}

QByteArray ReportPdf(const QTextDocument& report, const ReportTitle& title) {
    // The page layout and resolution a PDF printer picks by itself: the
    // report has always been exported with them.
    const QPrinter printer(QPrinter::HighResolution);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(QCoreApplication::translate("nyra::ReportTitle", "Moon Sign Report"));
        writer.setCreator(kAppTitle);

        QTextDocument document;
        document.setDefaultFont(ReportFont());
        // Laid out at the writer's resolution, as it will be drawn.
        document.documentLayout()->setPaintDevice(&writer);
        document.setDocumentMargin(0);
        ComposeTitledReport(&document, report, title);
        PlainLetters(&document);

        const qreal margin = kMarginCm / 2.54 * writer.resolution();
        document.setPageSize(QSizeF(writer.width() - 2 * margin, writer.height() - 2 * margin));
        KeepSectionsWhole(&document);
        PaintPages(&document, &writer, margin);
    }  // the writer completes the file when it goes
    return buffer.data();
}

bool IsCompletePdf(const QByteArray& pdf) {
    // Well below the smallest report, whose fonts alone take several KB.
    constexpr qsizetype kMinimumBytes = 1024;
    // A PDF ends with its end-of-file marker, give or take a line end.
    constexpr qsizetype kMarkerWindow = 16;
    return pdf.size() >= kMinimumBytes && pdf.startsWith("%PDF-") && pdf.right(kMarkerWindow).contains("%%EOF");
}

std::optional<QString> WriteReportPdf(const QTextDocument& report, const QString& path, const ReportTitle& title) {
    if (path.isEmpty()) return QCoreApplication::translate("nyra::ReportTitle", "No file name was given.");
    // Qt's PDF writer does not report write errors, so it never writes the
    // file itself: the PDF is made in memory and saved like a record.
    const QByteArray pdf = ReportPdf(report, title);
    if (!IsCompletePdf(pdf)) return QCoreApplication::translate("nyra::ReportTitle", "The PDF could not be made.");
    if (const Result<void> written =
            WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        !written)
        return QString::fromLocal8Bit(written.problem().reason.c_str());
    return std::nullopt;
}

}  // namespace nyra
