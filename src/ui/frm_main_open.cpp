// Opening a saved record: the whole file is read and checked, its values go
// into the controls, then the calculate command runs as if the user had
// pressed it.
#include "ui/frm_main.h"

#include "record/birth_check.h"
#include "record/record_file.h"
#include "text/quoted_input.h"
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

// The position of the entry that shows `value`, or -1.
int EntryIndex(const QComboBox* list, int value) {
    return list->findText(QString::number(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A file name shown as the core shows echoed input (text/quoted_input.h):
// a line end or a mark that reorders text is escaped, never acted on.
QString Escaped(const QString& text) { return QString::fromStdString(EscapeInput(text.toStdString())); }

// "Line 2 (month): \"13\" is not a month." for a line, the reason alone for
// the whole file. The core quotes what it echoes as valid UTF-8.
QString RecordProblemMessage(const Problem& problem) {
    QString message = QString::fromStdString(problem.reason);
    if (const RecordField* field = RecordFieldNamed(problem.where)) {
        const QString description =
            QString::fromUtf8(field->description.data(), static_cast<qsizetype>(field->description.size()));
        message = QStringLiteral("Line %1 (%2): %3").arg(RecordLineOf(*field)).arg(description, message);
    }
    if (!message.endsWith(u'.')) message += u'.';
    return message;
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

    // The whole file is read and checked before any control changes, so a
    // file that can't be used leaves the user's entry as it was.
    const Result<SavedRecord> loaded = LoadSavedRecord(QFile::encodeName(path).toStdString());
    const QString problem = loaded ? UnshowableLine(loaded->birth) : RecordProblemMessage(loaded.problem());
    if (!problem.isEmpty()) {
        ShowMessage(this,
                    QStringLiteral("Could not open \"%1\": %2").arg(Escaped(QDir::toNativeSeparators(path)), problem),
                    MessageIcon::Stop);
        return;
    }
    ShowRecord(loaded->birth);
    Calculate();
}

std::vector<frmMain::RecordList> frmMain::RecordLists() const {
    return {
        {&BirthRecord::BirthDay, cboDate},
        {&BirthRecord::BirthYear, cboYear},
        {&BirthRecord::BirthHour, cboHH},
        {&BirthRecord::BirthMinute, cboMM},
    };
}

QString frmMain::UnshowableLine(const BirthRecord& record) const {
    // kWindowListLimits are the lists' own bounds (FillLists fills them so).
    const Result<void> shown = CheckBirthValues(record, kWindowListLimits);
    return shown ? QString() : RecordProblemMessage(shown.problem());
}

void frmMain::ShowRecord(const BirthRecord& record) {
    // Boxes get the record's own text for their field: the zone keeps the
    // minus sign of a zone east of Greenwich.
    const RecordLines lines = RecordLinesFrom(record);
    const auto text = [&lines](std::int16_t BirthRecord::*member) {
        return QString::fromStdString(lines[static_cast<std::size_t>(RecordLineOf(*RecordFieldOf(member)) - 1)]);
    };
    placeFromRecord_ = true;
    txtName->setText(QString::fromStdString(record.BirthName));
    cboMonth->setCurrentIndex(record.BirthMonth - 1);
    for (const RecordList& list : RecordLists()) list.box->setCurrentIndex(EntryIndex(list.box, record.*list.member));
    txtLonD->setText(text(&BirthRecord::LonDegrees));
    txtLonM->setText(text(&BirthRecord::LonMinutes));
    txtLatD->setText(text(&BirthRecord::LatDegrees));
    txtLatM->setText(text(&BirthRecord::LatMinutes));
    txtZoneHour->setText(text(&BirthRecord::ZoneHours));
    txtZoneMinute->setText(text(&BirthRecord::ZoneMinutes));
    (record.LonIsEast != 0 ? optLongEast : optLongWest)->setChecked(true);
    (record.LatIsSouth != 0 ? optLatSouth : optLatNorth)->setChecked(true);
    chkDST->setChecked(record.DstOn != 0);
    // cboTimeKnown keeps what the user chose, whatever time window the
    // record holds (ShowRecord is given the birth only), and opening
    // calculates at once, with the choice in view beside the time. A fresh
    // window (the result window's Back) starts from exactly.
}

} // namespace nyra
