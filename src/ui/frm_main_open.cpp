// Opening a saved record: the whole file is read and checked, its values go
// into the controls, then the calculate command runs as if the user had
// pressed it.
#include "ui/frm_main.h"

#include "entry/record_opening.h"
#include "record/birth_check.h"
#include "record/record_file.h"
#include "ui/messages.h"
#include "ui/time_known_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace nyra {
namespace {

// The position of the entry that shows `value`, or -1.
int EntryIndex(const QComboBox* list, int value) {
    return list->findText(QString::number(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

}  // namespace

void frmMain::OpenBirthRecord() {
    const QString path = dialogs_.OpenPath(this);
    if (path.isEmpty()) return;
    OpenRecordFile(path);
}

void frmMain::OpenRecordFile(const QString& path) {
    if (!path.endsWith(QStringLiteral("moo"), Qt::CaseSensitive)) {
        dialogs_.Message(this, tr("Please Check The File."), MessageIcon::Stop);
        return;
    }

    // The whole file is read and checked before any control changes, so a
    // file that can't be used leaves the user's entry as it was.
    const std::variant<SavedRecord, RecordRefusal> loaded =
        RecordFromFile(ReadRecordFileLines(QFile::encodeName(path).toStdString()));
    if (const auto* refusal = std::get_if<RecordRefusal>(&loaded); refusal && refusal->notARecord) {
        dialogs_.Message(this,
                         tr("\u201C%1\u201D is not a %2 record.").arg(Escaped(QFileInfo(path).fileName()), kAppTitle),
                         MessageIcon::Stop);
        return;
    }
    const auto* record = std::get_if<SavedRecord>(&loaded);
    const QString problem = record ? UnshowableLine(record->birth) : std::get<RecordRefusal>(loaded).reason;
    if (!problem.isEmpty()) {
        dialogs_.Message(this, tr("Could not open \"%1\": %2").arg(Escaped(QDir::toNativeSeparators(path)), problem),
                         MessageIcon::Stop);
        return;
    }
    ShowRecord(record->birth);
    if (record->unreadLine) {
        dialogs_.Message(this,
                         tr("Opened \"%1\": %2")
                             .arg(Escaped(QDir::toNativeSeparators(path)), RecordProblemText(*record->unreadLine)),
                         MessageIcon::Information);
    }
    // A record saved for a time not known exactly says how well it was known.
    timeKnownList->SetWindow(record->timeKnown);
    Calculate();
}

std::vector<frmMain::RecordList> frmMain::RecordLists() const {
    return {
        {&BirthRecord::BirthDay, dayList},
        {&BirthRecord::BirthYear, yearList},
        {&BirthRecord::BirthHour, hourList},
        {&BirthRecord::BirthMinute, minuteList},
    };
}

QString frmMain::UnshowableLine(const BirthRecord& record) const {
    // kWindowListLimits are the lists' own bounds (FillLists fills them so).
    const Result<void> shown = CheckBirthValues(record, kWindowListLimits);
    return shown ? QString() : RecordProblemText(shown.problem());
}

void frmMain::ShowRecord(const BirthRecord& record) {
    // Boxes get the record's own text for their field: the zone keeps the
    // minus sign of a zone east of Greenwich.
    const RecordLines lines = RecordLinesFrom(record);
    const auto text = [&lines](std::int16_t BirthRecord::*member) {
        return QString::fromStdString(lines[static_cast<std::size_t>(RecordLineOf(*RecordFieldOf(member)) - 1)]);
    };
    placeLink_.OpenRecord();
    nameBox->setText(QString::fromStdString(record.BirthName));
    monthList->setCurrentIndex(record.BirthMonth - 1);
    for (const RecordList& list : RecordLists()) list.box->setCurrentIndex(EntryIndex(list.box, record.*list.member));
    lonDegreesBox->setText(text(&BirthRecord::LonDegrees));
    lonMinutesBox->setText(text(&BirthRecord::LonMinutes));
    latDegreesBox->setText(text(&BirthRecord::LatDegrees));
    latMinutesBox->setText(text(&BirthRecord::LatMinutes));
    zoneHoursBox->setText(text(&BirthRecord::ZoneHours));
    zoneMinutesBox->setText(text(&BirthRecord::ZoneMinutes));
    (record.LonIsEast != 0 ? eastChoice : westChoice)->setChecked(true);
    (record.LatIsSouth != 0 ? southChoice : northChoice)->setChecked(true);
    dstCheck->setChecked(record.DstOn != 0);
}

}  // namespace nyra
