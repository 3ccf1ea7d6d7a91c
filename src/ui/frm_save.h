// The report window: the current sign's description as formatted rich text,
// with saving of the birth record, printing and a PDF copy.
#pragma once

#include "ui/printing.h"

#include <QDialog>

#include <functional>

class QFrame;
class QPushButton;
class QTextBrowser;

namespace nyra {

class ClickableLabel;

class frmSave : public QDialog {
    Q_OBJECT
public:
    explicit frmSave(QWidget* parent = nullptr);

    // What a save dialog of this window asks for.
    struct SaveRequest {
        QString title;
        QString filter;        ///< Qt name filter, "Shown text (*.ext)".
        QString defaultSuffix; ///< Added, after a ".", to a name not ending so.
        Qt::CaseSensitivity suffixCase = Qt::CaseSensitive; ///< For that ending.
    };
    // Returns the chosen path, or an empty text when the user cancelled.
    using SavePathHandler = std::function<QString(QWidget* parent, const SaveRequest& request)>;
    // Replaces the file dialog (tests); returns the handler it replaced. An
    // empty handler restores the real dialog.
    static SavePathHandler SetSavePathHandler(SavePathHandler handler);

    // Prints the report (PrintReport unless replaced).
    using PrintHandler = std::function<PrintOutcome(const QTextDocument& report)>;
    // Replaces the printing (tests); returns the handler it replaced. An
    // empty handler restores real printing.
    static PrintHandler SetPrintHandler(PrintHandler handler);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    void ComposeReport();

    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdExportPdf_Click();

    QString AskSavePath(const SaveRequest& request);

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
