// The report window: a calculation's sign description as formatted rich
// text, with saving of the birth record, printing and a PDF copy. For a
// birth time not known exactly it says so above the report, and the
// printed page and the PDF say it in their title block.
#pragma once

#include "calculation/calculation.h"
#include "ui/dialogs.h"
#include "ui/language_menu.h"
#include "ui/report_pdf.h"

#include <QDialog>

class QFrame;
class QLabel;
class QMenuBar;
class QPushButton;
class QTextEdit;

namespace nyra {

class ClickableLabel;
class NoticeFrame;
class StatusLine;

class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(const Calculation& calculation, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    // The report in the language shown: the sign's description and the
    // title of the printed page and the PDF.
    void ComposeReport();
    SignDescription Description() const;
    ReportTitle Title() const;

    void SaveRecord();
    void PrintReport();
    void ExportPdf();
    // `request` opening where the person last saved, offering a name for
    // the person and the sign.
    SaveRequest Proposed(SaveRequest request) const;

    const Calculation& calculation_;
    Dialogs& dialogs_;
    // Whose report this is: the person, the birth and the place.
    QLabel* birthLine = nullptr;
    NoticeFrame* timeKnownNotice = nullptr;
    // Read-only, with a caret the keyboard moves, so that a screen reader
    // reads it as a document, line by line.
    QTextEdit* reportText = nullptr;
    // "Saved to ...", for a few seconds after a save or an export.
    StatusLine* statusLine = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportPdfButton = nullptr;
    QFrame* fullBrandFrame = nullptr;
    ClickableLabel* fullBrandLink = nullptr;
    ClickableLabel* cobrandLink = nullptr;
    ClickableLabel* discussionHeading = nullptr;
    ClickableLabel* discussionInvitation = nullptr;
    // Modal, the window keeps the person from the other windows' Language
    // menus: it has its own.
    QMenuBar* menuBar_ = nullptr;
    LanguageMenu languageMenu_;
};

}  // namespace nyra
