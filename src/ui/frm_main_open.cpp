// Opening a saved record: the file's fifteen lines go into the controls, then
// the calculate command runs as if the user had pressed it.
#include "ui/frm_main.h"

#include "record/record_file.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>

namespace nyra {
namespace {

frmMain::OpenPathHandler& OpenPathHook() {
    static frmMain::OpenPathHandler handler;
    return handler;
}

QString AskOpenPath(QWidget* parent) {
    if (OpenPathHook()) return OpenPathHook()(parent);
    QFileDialog dialog(parent, QStringLiteral("Select the source file"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Nyra Free Moon Sign Astrology (*.moo)"));
    dialog.setDefaultSuffix(QStringLiteral("moo"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

// Selects the entry whose text is exactly `text`; a text the list does not
// hold leaves the list as it was.
void SelectEntry(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) list->setCurrentIndex(index);
}

} // namespace

frmMain::OpenPathHandler frmMain::SetOpenPathHandler(OpenPathHandler handler) {
    OpenPathHandler previous = std::move(OpenPathHook());
    OpenPathHook() = std::move(handler);
    return previous;
}

void frmMain::OpenBirthRecord() {
    const QString path = AskOpenPath(this);
    if (path.isEmpty()) return;
    OpenRecordFile(path);
}

void frmMain::OpenRecordFile(const QString& path) {
    if (!path.endsWith(QStringLiteral("moo"), Qt::CaseSensitive)) {
        ShowMessage(this, QStringLiteral("Please Check The File."), MessageIcon::Stop);
        return;
    }

    // A file that can't be read says so by name, rather than leaving empty
    // boxes for the checks to complain about.
    const RecordReadResult read = ReadBirthRecordFile(QFile::encodeName(path).toStdString());
    if (!read.ok) {
        ShowMessage(this,
                    QStringLiteral("Could not open \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.error)),
                    MessageIcon::Stop);
        return;
    }

    const auto line = [&read](int i) { return QString::fromUtf8(read.lines[static_cast<std::size_t>(i)]); };
    txtName->setText(line(0));
    bool isNumber = false;
    const int month = line(1).trimmed().toInt(&isNumber);
    if (isNumber && month >= 1 && month <= cboMonth->count()) cboMonth->setCurrentIndex(month - 1);
    SelectEntry(cboDate, line(2));
    SelectEntry(cboYear, line(3));
    SelectEntry(cboHH, line(4));
    SelectEntry(cboMM, line(5));
    txtLonD->setText(line(6));
    txtLonM->setText(line(7));
    txtLatD->setText(line(8));
    txtLatM->setText(line(9));
    txtZoneHour->setText(line(10));
    txtZoneMinute->setText(line(11));
    (line(12) == QLatin1String("1") ? optLongEast : optLongWest)->setChecked(true);
    (line(13) == QLatin1String("1") ? optLatSouth : optLatNorth)->setChecked(true);
    chkDST->setChecked(line(14) == QLatin1String("1"));

    Calculate();
}

} // namespace nyra
