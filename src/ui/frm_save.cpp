#include "ui/frm_save.h"

#include "entry/translation_language.h"

#include "calculation/calculation_text.h"
#include "links/web_links.h"
#include "ui/birth_line.h"
#include "record/record_file.h"
#include "ui/clickable_label.h"
#include "ui/keyboard_access.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/notice_frame.h"
#include "ui/promotions.h"
#include "ui/report_pdf.h"
#include "ui/report_text.h"
#include "ui/result_blocks.h"
#include "ui/save_location.h"
#include "ui/screen_fit.h"
#include "ui/screen_reader.h"
#include "ui/status_line.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace nyra {
namespace {

// Ends a reason from the system or the printing system as a sentence, so
// the advice after it reads as one.
QString AsSentence(QString reason) {
    if (!reason.endsWith(u'.')) reason += u'.';
    return reason;
}

SaveRequest RecordRequest() {
    return {
        frmSave::tr("Save Your Moon Sign Details"),
        frmSave::tr("Rich Text Format (*.moo)"),
        QStringLiteral("moo"),
        Qt::CaseSensitive,
        QString(),  // proposed for each save
    };
}

SaveRequest PdfRequest() {
    return {
        frmSave::tr("Export Report as PDF"),
        frmSave::tr("PDF (*.pdf)"),
        QStringLiteral("pdf"),
        Qt::CaseInsensitive,
        QString(),
    };
}

// Long enough to read a path; a screen reader has read it out at once.
constexpr int kStatusShownMs = 8000;

}  // namespace

frmSave::frmSave(const Calculation& calculation, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), calculation_(calculation), dialogs_(dialogs) {
    CreateControls();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    ComposeReport();
}

void frmSave::CreateControls() {
    UseProgramAccessibility();
    setModal(true);

    // Made in the order Tab visits them: the screen's, top to bottom and
    // left to right.
    discussionHeading = NewLinkLabel(QStringLiteral("Label14"), QString(), this, LinkStyle::Promotion);
    discussionInvitation = NewLinkLabel(QStringLiteral("Label3"), QString(), this, LinkStyle::Promotion);
    QFont heading = discussionHeading->font();
    heading.setBold(true);
    discussionHeading->setFont(heading);
    discussionHeading->setAlignment(Qt::AlignCenter);
    discussionInvitation->setAlignment(Qt::AlignCenter);

    birthLine = NewBirthLine(QStringLiteral("lblBirth"), this);
    timeKnownNotice =
        new NoticeFrame(QStringLiteral("fraTimeKnown"), QStringLiteral("lblTimeKnown"), 20, 1.0, false, this);
    reportText = Named(new QTextEdit(this), QStringLiteral("RTB"));
    reportText->setReadOnly(true);
    reportText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                        Qt::LinksAccessibleByMouse);
    reportText->setFont(ReportFont());
    // Small enough for the window to fit a 1366 x 768 screen at 150 %.
    reportText->setMinimumSize(480, 220);
    // The report's colours are those of the printed page (black, teal,
    // purple): on a dark theme's dark base they could not be read, so the
    // report keeps its white page.
    QPalette paper = reportText->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
    }
    reportText->setPalette(paper);
    // Links open on the press of the mouse; the view itself follows none.
    new ReportMouseWatcher(reportText);
    // The window opens with the report to read, not on a promotion.
    reportText->setFocus();

    statusLine = new StatusLine(QStringLiteral("lblStatus"), kStatusShownMs, this);
    exportPdfButton = Named(new QPushButton(this), QStringLiteral("cmdExportPdf"));
    printButton = Named(new QPushButton(this), QStringLiteral("cmdPrint"));
    saveButton = Named(new QPushButton(this), QStringLiteral("cmdSave"));
    for (QPushButton* button : {saveButton, printButton, exportPdfButton}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
    }

    fullBrandFrame = Named(new QFrame(this), QStringLiteral("fraFullBrand"));
    fullBrandFrame->setFrameShape(QFrame::StyledPanel);
    fullBrandFrame->setFrameShadow(QFrame::Sunken);
    fullBrandLink = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), fullBrandFrame, LinkStyle::Promotion);
    cobrandLink = NewLinkLabel(QStringLiteral("lblCobrand"), QString(), this, LinkStyle::Promotion);
    menuBar_ = new QMenuBar(this);
    languageMenu_ = CreateLanguageMenu(menuBar_);
}

void frmSave::ArrangeControls() {
    auto* brandLayout = new QVBoxLayout(fullBrandFrame);
    brandLayout->setContentsMargins(8, 6, 8, 6);
    brandLayout->addWidget(fullBrandLink);

    auto* promoRow = new QHBoxLayout;
    promoRow->addWidget(fullBrandFrame, 1);
    promoRow->addSpacing(8);
    promoRow->addWidget(cobrandLink, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(statusLine, 1);
    buttonRow->addWidget(exportPdfButton);
    buttonRow->addWidget(printButton);
    buttonRow->addWidget(saveButton);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(discussionHeading);
    layout->addWidget(discussionInvitation);
    layout->addSpacing(4);
    layout->addWidget(birthLine);
    layout->addWidget(timeKnownNotice);
    layout->addWidget(reportText, 1);
    layout->addLayout(buttonRow);
    layout->addSpacing(4);
    layout->addLayout(promoRow);
    resize(660, 600);
}

void frmSave::ConnectControls() {
    connect(saveButton, &QPushButton::clicked, this, &frmSave::SaveRecord);
    connect(printButton, &QPushButton::clicked, this, &frmSave::PrintReport);
    connect(exportPdfButton, &QPushButton::clicked, this, &frmSave::ExportPdf);
    connect(fullBrandLink, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(cobrandLink, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    connect(discussionHeading, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(discussionInvitation, &ClickableLabel::clicked, this, &OpenHomePage);
    ConnectLanguageMenu(languageMenu_, this, dialogs_);
    PressButtonsOnEnter(this);
}

void frmSave::SetTexts() {
    setWindowTitle(kWindowTitle);
    saveButton->setText(tr("&Save"));
    printButton->setText(tr("&Print"));
    // Alt+P is Print's.
    exportPdfButton->setText(tr("E&xport PDF..."));
    reportText->setAccessibleName(tr("Moon sign report"));
    fullBrandLink->setText(FullBrandOffer() + u' ' + MoreDetails());
    cobrandLink->setText(CoBrandInvitation());
    discussionHeading->setText(tr("The Most Popular Online Orrelin Discussion Board"));
    discussionInvitation->setText(tr("Talk about your Moon sign with others: visit our discussion board now at %1")
                                      .arg(QUrl(ProductPageUrl()).host()));
    SetLanguageMenuTexts(languageMenu_);
}

void frmSave::showEvent(QShowEvent* event) {
    // Every opening shows the description as it is now, composed anew.
    if (!event->spontaneous()) {
        ComposeReport();
        // Qt centres a dialog over its parent; the size must fit too.
        PlaceNewWindow(this, parentWidget(), size());
    }
    QDialog::showEvent(event);
}

void frmSave::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        ComposeReport();
        RefitToTexts(this);
    }
    QDialog::changeEvent(event);
}

ReportTitle frmSave::Title() const { return TitleOf(calculation_, Description(), TranslationLanguage()); }

SignDescription frmSave::Description() const { return DescriptionIn(calculation_, TranslationLanguage()); }

void frmSave::ComposeReport() {
    nyra::ComposeReport(reportText->document(), Description());
    reportText->moveCursor(QTextCursor::Start);
    // The report's text must not be carried off through the clipboard;
    // composing is the report's one change of text.
    EmptyOwnClipboard();
    const ReportTitle title = Title();
    birthLine->setText(BirthLineText(title));
    const QString timeKnown =
        title.birthTime.isEmpty()
            ? QString()
            : tr("Birth time: %1\nPossible Moon signs: %2").arg(title.birthTime, title.possibleSigns);
    timeKnownNotice->SetTone(calculation_.possibleSigns && calculation_.possibleSigns->certain
                                 ? NoticeFrame::Tone::Calm
                                 : NoticeFrame::Tone::Warning);
    timeKnownNotice->SetText(timeKnown);
}

SaveRequest frmSave::Proposed(SaveRequest request) const {
    const QString name = ProposedFileName(QString::fromStdString(calculation_.birth.BirthName),
                                          QString::fromStdString(Description().VedicName), request.defaultSuffix);
    request.proposedPath = QDir(SaveFolder()).filePath(name);
    return request;
}

void frmSave::SaveRecord() {
    const SaveRequest request = Proposed(RecordRequest());
    const QString path = WithSuffix(dialogs_.SavePath(this, request), request);
    if (path.isEmpty()) return;
    const Result<void> saved =
        WriteBirthRecord(QFile::encodeName(path).toStdString(), calculation_.birth, calculation_.timeKnown);
    if (!saved) {
        dialogs_.Message(
            this,
            tr("Could not save \"%1\": %2")
                .arg(Escaped(QDir::toNativeSeparators(path)), QString::fromStdString(saved.problem().reason)),
            MessageIcon::Stop);
        return;
    }
    RememberSaveFolder(path);
    statusLine->Show(tr("Saved to %1").arg(Escaped(QDir::toNativeSeparators(path))));
}

void frmSave::PrintReport() {
    // With a selection the whole report must still be printed, and nothing
    // stays selected afterwards.
    QTextCursor cursor = reportText->textCursor();
    cursor.clearSelection();
    reportText->setTextCursor(cursor);

    // The page says whose report it is and how well the time was known, as
    // the PDF does.
    QTextDocument page;
    ComposeTitledReport(&page, *reportText->document(), Title());
    const PrintOutcome outcome = dialogs_.Print(page);
    if (!outcome.printer.isEmpty() && !outcome.refusal) {
        statusLine->Show(tr("Sent to %1").arg(Escaped(outcome.printer)));
    } else if (outcome.printer.isEmpty()) {
        dialogs_.Message(this, tr("No printer is available. Use Export PDF to keep the report."),
                         MessageIcon::Information);
    } else if (outcome.refusal) {
        dialogs_.Message(this,
                         tr("The report could not be printed on \"%1\": %2 Use Export PDF to keep the "
                            "report.")
                             .arg(outcome.printer, AsSentence(*outcome.refusal)),
                         MessageIcon::Information);
    }
}

void frmSave::ExportPdf() {
    const SaveRequest request = Proposed(PdfRequest());
    const QString path = WithSuffix(dialogs_.SavePath(this, request), request);
    if (path.isEmpty()) return;
    if (const auto error = WriteReportPdf(*reportText->document(), path, Title())) {
        dialogs_.Message(this, tr("Could not export \"%1\": %2").arg(Escaped(QDir::toNativeSeparators(path)), *error),
                         MessageIcon::Stop);
        return;
    }
    RememberSaveFolder(path);
    statusLine->Show(tr("Exported to %1").arg(Escaped(QDir::toNativeSeparators(path))));
}

}  // namespace nyra
