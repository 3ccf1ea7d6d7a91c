#include "ui/frm_save.h"

#include "app/program_state.h"
#include "links/web_links.h"
#include "record/record_file.h"
#include "ui/clickable_label.h"
#include "ui/keyboard_access.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/promotions.h"
#include "ui/report_pdf.h"
#include "ui/report_text.h"
#include "ui/screen_fit.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace nyra {
namespace {

frmSave::SavePathHandler& SavePathHook() {
    static frmSave::SavePathHandler handler;
    return handler;
}

frmSave::PrintHandler& PrintHook() {
    static frmSave::PrintHandler handler;
    return handler;
}

// Open lists only names ending in ".moo" (in lower case) and a PDF viewer
// wants ".pdf", so a typed "notes.txt" or "Trap.MOO" gets the suffix too;
// Qt's own default suffix is added only to a name without any.
QString WithSuffix(const QString& path, const frmSave::SaveRequest& request) {
    const QString ending = u'.' + request.defaultSuffix;
    if (path.isEmpty() || path.endsWith(ending, request.suffixCase)) return path;
    return path + ending;
}

// Gives the chosen name its suffix before the question about replacing an
// existing file, so the question is about the file that will be written.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const frmSave::SaveRequest& request)
        : QFileDialog(parent, request.title), request_(request) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setNameFilter(request.filter);
        setDefaultSuffix(request.defaultSuffix);
    }

    QString chosenPath() const { return chosen_; }

    void accept() override {
        const QStringList files = selectedFiles();
        // A folder typed as the name is opened by the dialog itself.
        if (files.size() != 1 || QFileInfo(files.first()).isDir()) return QFileDialog::accept();
        chosen_ = WithSuffix(files.first(), request_);
        if (chosen_ == files.first()) return QFileDialog::accept();
        // The dialog asked about the name as typed, if at all; the same
        // question in the dialog's own words for the name that is written.
        const QFileInfo target(chosen_);
        if (target.exists() || target.isSymLink()) {
            const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?");
            if (QMessageBox::warning(this, windowTitle(), question.arg(target.fileName()),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
                return;
        }
        QDialog::accept();
    }

private:
    frmSave::SaveRequest request_;
    QString chosen_;
};

QString RunSaveDialog(QWidget* parent, const frmSave::SaveRequest& request) {
    // A fresh dialog every time: no name or folder carries over from the
    // last save. Overwriting asks first (Qt's default for save dialogs).
    SaveDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosenPath();
}

// Ends a reason from the system or the printing system as a sentence, so
// the advice after it reads as one.
QString AsSentence(QString reason) {
    if (!reason.endsWith(u'.')) reason += u'.';
    return reason;
}

const frmSave::SaveRequest kRecordRequest{
    QStringLiteral("Save Your Moon Sign Details"),
    QStringLiteral("Rich Text Format (*.moo)"),
    QStringLiteral("moo"),
    Qt::CaseSensitive,
};

const frmSave::SaveRequest kPdfRequest{
    QStringLiteral("Export Report as PDF"),
    QStringLiteral("PDF (*.pdf)"),
    QStringLiteral("pdf"),
    Qt::CaseInsensitive,
};

} // namespace

frmSave::frmSave(QWidget* parent) : QDialog(parent) {
    CreateControls();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    ComposeReport();
}

frmSave::SavePathHandler frmSave::SetSavePathHandler(SavePathHandler handler) {
    SavePathHandler previous = std::move(SavePathHook());
    SavePathHook() = std::move(handler);
    return previous;
}

frmSave::PrintHandler frmSave::SetPrintHandler(PrintHandler handler) {
    PrintHandler previous = std::move(PrintHook());
    PrintHook() = std::move(handler);
    return previous;
}

void frmSave::CreateControls() {
    setModal(true);

    RTB = Named(new QTextBrowser(this), QStringLiteral("RTB"));
    RTB->setReadOnly(true);
    // Links open on the press (ReportMouseWatcher); the browser must not
    // follow them again on the release.
    RTB->setOpenLinks(false);
    RTB->setOpenExternalLinks(false);
    RTB->setFont(ReportFont());
    // Small enough for the window to fit a 1366 x 768 screen at 150 %.
    RTB->setMinimumSize(480, 220);
    // The report's colours are those of the printed page (black, teal,
    // purple): on a dark theme's dark base they could not be read, so the
    // report keeps its white page.
    QPalette paper = RTB->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
    }
    RTB->setPalette(paper);
    new ReportMouseWatcher(RTB);

    cmdSave = Named(new QPushButton(this), QStringLiteral("cmdSave"));
    cmdPrint = Named(new QPushButton(this), QStringLiteral("cmdPrint"));
    cmdExportPdf = Named(new QPushButton(this), QStringLiteral("cmdExportPdf"));
    for (QPushButton* button : {cmdSave, cmdPrint, cmdExportPdf}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
    }

    fraFullBrand = Named(new QFrame(this), QStringLiteral("fraFullBrand"));
    fraFullBrand->setFrameShape(QFrame::StyledPanel);
    fraFullBrand->setFrameShadow(QFrame::Sunken);

    lblFullBrand = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), fraFullBrand, LinkStyle::Promotion);
    lblCobrand = NewLinkLabel(QStringLiteral("lblCobrand"), QString(), this, LinkStyle::Promotion);
    Label14 = NewLinkLabel(QStringLiteral("Label14"), QString(), this, LinkStyle::Promotion);
    Label3 = NewLinkLabel(QStringLiteral("Label3"), QString(), this, LinkStyle::Promotion);
    QFont heading = Label14->font();
    heading.setBold(true);
    Label14->setFont(heading);
    Label14->setAlignment(Qt::AlignCenter);
    Label3->setAlignment(Qt::AlignCenter);
}

void frmSave::ArrangeControls() {
    auto* brandLayout = new QVBoxLayout(fraFullBrand);
    brandLayout->setContentsMargins(8, 6, 8, 6);
    brandLayout->addWidget(lblFullBrand);

    auto* promoRow = new QHBoxLayout;
    promoRow->addWidget(fraFullBrand, 1);
    promoRow->addSpacing(8);
    promoRow->addWidget(lblCobrand, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdExportPdf);
    buttonRow->addWidget(cmdPrint);
    buttonRow->addWidget(cmdSave);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label14);
    layout->addWidget(Label3);
    layout->addSpacing(4);
    layout->addWidget(RTB, 1);
    layout->addLayout(buttonRow);
    layout->addSpacing(4);
    layout->addLayout(promoRow);
    resize(660, 600);
}

void frmSave::ConnectControls() {
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmSave::cmdExportPdf_Click);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);
    connect(lblCobrand, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    connect(Label14, &ClickableLabel::clicked, this, &OpenHomePage);
    connect(Label3, &ClickableLabel::clicked, this, &OpenHomePage);
    PressButtonsOnEnter(this);
}

void frmSave::SetTexts() {
    setWindowTitle(kWindowTitle);
    cmdSave->setText(QStringLiteral("&Save"));
    cmdPrint->setText(QStringLiteral("&Print"));
    // Alt+P is Print's.
    cmdExportPdf->setText(QStringLiteral("E&xport PDF..."));
    RTB->setAccessibleName(QStringLiteral("Moon sign report"));
    lblFullBrand->setText(kFullBrandOffer + u' ' + kMoreDetails);
    lblCobrand->setText(kCoBrandInvitation);
    Label14->setText(QStringLiteral("The Most Popular Online Orrelin Discussion Board"));
    Label3->setText(QStringLiteral("Talk about your Moon sign with others: visit our discussion board now at %1")
                        .arg(QUrl(ProductPageUrl()).host()));
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

void frmSave::ComposeReport() {
    nyra::ComposeReport(RTB->document(), Program().description);
    RTB->moveCursor(QTextCursor::Start);
    // The report's text must not be carried off through the clipboard;
    // composing is the report's one change of text.
    EmptyClipboard();
}

QString frmSave::AskSavePath(const SaveRequest& request) {
    // The real dialog has already added the suffix; a replaced one may not.
    if (SavePathHook()) return WithSuffix(SavePathHook()(this, request), request);
    return RunSaveDialog(this, request);
}

void frmSave::cmdSave_Click() {
    const QString path = AskSavePath(kRecordRequest);
    if (path.isEmpty()) return;
    if (const Result<void> saved = WriteBirthRecord(QFile::encodeName(path).toStdString(), Program().birth); !saved) {
        ShowMessage(this,
                    QStringLiteral("Could not save \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(saved.problem().reason.c_str())),
                    MessageIcon::Stop);
    }
}

void frmSave::cmdPrint_Click() {
    // With a selection the whole report must still be printed, and nothing
    // stays selected afterwards.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);

    const PrintOutcome outcome = PrintHook() ? PrintHook()(*RTB->document()) : PrintReport(*RTB->document());
    if (outcome.printer.isEmpty()) {
        ShowMessage(this, QStringLiteral("No printer is available. Use Export PDF to keep the report."),
                    MessageIcon::Information);
    } else if (outcome.refusal) {
        ShowMessage(this,
                    QStringLiteral("The report could not be printed on \"%1\": %2 Use Export PDF to keep the report.")
                        .arg(outcome.printer, AsSentence(*outcome.refusal)),
                    MessageIcon::Information);
    }
}

void frmSave::cmdExportPdf_Click() {
    const QString path = AskSavePath(kPdfRequest);
    if (path.isEmpty()) return;
    if (const auto error = WriteReportPdf(*RTB->document(), path, TitleOf(Program()))) {
        ShowMessage(this, QStringLiteral("Could not export \"%1\": %2").arg(QDir::toNativeSeparators(path), *error),
                    MessageIcon::Stop);
    }
}

} // namespace nyra
