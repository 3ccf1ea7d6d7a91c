// The Moon sign report: its eight sections composed as formatted rich text,
// and the web addresses inside it that open on a press of the mouse. Its PDF
// copy is report_pdf.h's.
#pragma once

#include "signs/rashi_information.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QUrl>

#include <vector>

class QTextDocument;
class QTextEdit;

namespace nyra {

// The whole report is in this one font; only weight and colour vary.
inline constexpr double kReportPointSize = 9.75;
inline const QString kReportFontFamily = QStringLiteral("Verdana");
QFont ReportFont();

enum class ReportRole {
    Heading,  ///< Bold purple (128, 0, 128).
    Label,    ///< Teal (0, 128, 128).
    Value,    ///< Black; also the empty lines between sections.
};
QTextCharFormat ReportFormat(ReportRole role);

// Marks the block of each section's heading, for keeping sections whole
// when the report is paged.
inline constexpr int kSectionHeadingProperty = QTextFormat::UserProperty + 1;

// Replaces the contents of `document` with the report, each piece in the
// format of its role, and turns the web addresses in it into links.
void ComposeReport(QTextDocument* document, const SignDescription& description);

// A web address found in a text: where it stands and the address it opens.
struct WebAddress {
    int start = 0;   ///< Index of its first character.
    int length = 0;  ///< Characters, without trailing punctuation.
    QUrl url;        ///< "www." addresses are opened as "http://www.".
};
std::vector<WebAddress> FindWebAddresses(const QString& text);

// Gives every web address in `document` the link format (underlined blue,
// with the address to open as its anchor).
void MarkWebAddresses(QTextDocument* document);

// Keeps the report from being carried off: empties the clipboard (and on
// X11 the selection) of what this program itself put there, a copy of the
// report above all. What the person copied in other programs stays.
void EmptyOwnClipboard();

// Watches the viewport of a text view: a press of the left button on a link
// opens it at once, and every press, move and release of the mouse over the
// text empties the program's own clipboard (EmptyOwnClipboard). The events
// go on to the view unchanged.
class ReportMouseWatcher : public QObject {
    Q_OBJECT
public:
    explicit ReportMouseWatcher(QTextEdit* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* view_;
};

}  // namespace nyra
