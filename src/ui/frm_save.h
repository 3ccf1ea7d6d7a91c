// The report window: a calculation's sign description as formatted rich
// text, with saving of the birth record, printing and a PDF copy. For a
// birth time not known exactly it says so above the report, and the
// printed page and the PDF say it in their title block.
#pragma once

#include "calculation/calculation.h"
#include "ui/dialogs.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QTextBrowser;

namespace nyra {

class ClickableLabel;
class NoticeFrame;

class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(const Calculation& calculation, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    void ComposeReport();

    void SaveRecord();
    void PrintReport();
    void ExportPdf();

    const Calculation& calculation_;
    Dialogs& dialogs_;
    NoticeFrame* fraTimeKnown = nullptr;
    QTextBrowser* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExportPdf = nullptr;
    QFrame* fraFullBrand = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* Label14 = nullptr;
    ClickableLabel* Label3 = nullptr;
};

} // namespace nyra
