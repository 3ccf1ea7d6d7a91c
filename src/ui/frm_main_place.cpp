// The place on the main window: an atlas pick fills the names, the
// coordinates and the zone; the zone follows the date and time on screen
// while the pick sets it; the line under the zone says what the
// calculation will make of it, and warns of a place that cannot be and
// where the names claim another place than the coordinates or the zone are
// from.
#include "ui/frm_main.h"

#include "entry/impossible_place.h"
#include "entry/translation_language.h"
#include "entry/zone_note.h"
#include "links/web_links.h"
#include "ui/frm_time_zone.h"
#include "ui/note_style.h"
#include "ui/place_completion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace nyra {

void frmMain::LookUpPlace() {
    // Not trimmed: a box of blanks counts as filled.
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {
        {cityBox, QT_TR_NOOP("Please Enter City")},
        {stateBox, QT_TR_NOOP("Please Enter State")},
        {countryBox, QT_TR_NOOP("Please Enter Country")},
    };
    for (const auto& r : required) {
        if (r.box->text().isEmpty()) {
            dialogs_.Message(this, tr(r.message), MessageIcon::Information);
            r.box->setFocus();
            return;
        }
    }
    const QString searchText = cityBox->text() + QLatin1Char(' ') + stateBox->text() + QLatin1Char(' ') +
                               countryBox->text() + QStringLiteral(" Latitude Longitude");
    LookUpCoordinates(searchText, WebPageUrl(QStringLiteral("home-page")).toString());
}

void frmMain::ShowTimeZonePicker() {
    frmTimeZone picker(this);
    // A zone chosen there is the user's even when it is the one the boxes
    // already hold.
    connect(&picker, &frmTimeZone::ZoneChosen, this, [this](SignedZone zone) {
        // setText, never cut: "-30" is one more character than a user may
        // type into the minute box.
        zoneHoursBox->setText(QString::number(zone.hour));
        zoneMinutesBox->setText(QString::number(zone.minute));
        ZoneEdited();
    });
    picker.exec();
}

void frmMain::UsePlace(const Place& place) {
    cityBox->setText(place.city);
    stateBox->setText(place.state);
    countryBox->setText(place.country);
    const DegreesMinutes latitude = SplitDegrees(place.latitudeDeg);
    latDegreesBox->setText(QString::number(latitude.degrees));
    latMinutesBox->setText(QString::number(latitude.minutes));
    (latitude.negative ? southChoice : northChoice)->setChecked(true);
    const DegreesMinutes longitude = SplitDegrees(place.longitudeDeg);
    lonDegreesBox->setText(QString::number(longitude.degrees));
    lonMinutesBox->setText(QString::number(longitude.minutes));
    // The engine reads a longitude of 0 as west, so the choice says so too.
    const bool onMeridian = longitude.degrees == 0 && longitude.minutes == 0;
    (longitude.negative || onMeridian ? westChoice : eastChoice)->setChecked(true);

    placeLink_.Pick(place);
    FollowPickedZone();
}

void frmMain::NamePickedPlace() {
    const Place* picked = placeLink_.Picked();
    if (!picked) return;
    const Place named = NamedIn(*picked, TranslationLocale());
    if (!placeLink_.Rename(named)) return;
    cityBox->setText(named.city);
    stateBox->setText(named.state);
    countryBox->setText(named.country);
    UpdateZoneNote();
}

QDate frmMain::DateOnScreen() const {
    return QDate(yearList->currentText().toInt(), monthList->currentIndex() + 1, dayList->currentText().toInt());
}

void frmMain::FollowPickedZone() {
    const Place* picked = placeLink_.ZoneToFollow();
    if (!picked) return;
    const QDate date = DateOnScreen();
    if (!date.isValid()) {
        // 31 April and the like: the checks refuse the date anyway, and the
        // boxes keep what they hold until the date makes sense.
        pickedZone_ = ZoneAtLocalTime{};
        pickedZoneNote_ =
            tr("There is no %1 %2 %3: choose a valid date for the zone of %4.")
                .arg(dayList->currentText(), monthList->currentText(), yearList->currentText(), picked->timeZoneId);
        UpdateZoneNote();
        return;
    }
    pickedZone_ =
        ResolveZone(picked->timeZoneId, date, hourList->currentText().toInt(), minuteList->currentText().toInt());
    const ZoneBoxes zone = ZoneBoxesFor(pickedZone_);
    pickedZoneNote_ = zone.note;
    if (pickedZone_.valid) {
        // setText, never cut: "-30" is one more character than a user may
        // type into the minute box.
        zoneHoursBox->setText(zone.zoneHourText);
        zoneMinutesBox->setText(zone.zoneMinuteText);
        dstCheck->setChecked(zone.dst);
    }
    UpdateZoneNote();
}

void frmMain::NamesEdited() {
    placeLink_.EditNames(cityBox->text(), stateBox->text(), countryBox->text());
    UpdateZoneNote();
}

void frmMain::CoordinatesEdited() {
    placeLink_.EditCoordinates();
    UpdateZoneNote();
}

void frmMain::ZoneEdited() {
    placeLink_.EditZone();
    UpdateZoneNote();
}

void frmMain::UpdateZoneNote() {
    // What cannot be, then what the names contradict, then the zone.
    QStringList warnings;
    for (const ImpossibleValue& value : FindImpossiblePlace(ReadEntry())) warnings.append(value.sentence);
    if (const QString mismatch = placeLink_.MismatchNote(); !mismatch.isEmpty()) warnings.append(mismatch);
    const QString note = (warnings + QStringList{ZoneNoteText()}).join(u' ');
    zoneNote->setText(note);
    zoneNote->setToolTip(note);
    SetNoteStyle(zoneNote, warnings.isEmpty() ? NoteStyle::Quiet : NoteStyle::Warning);
}

QString frmMain::ZoneNoteText() const {
    const BirthEntry entry = ReadEntry();
    const QString typed = TypedZoneNoteFor(entry);
    if (!placeLink_.ZoneToFollow()) return typed;
    if (!DateOnScreen().isValid()) return pickedZoneNote_;
    // No zone data for that date: the boxes kept their values.
    if (!pickedZone_.valid) return pickedZoneNote_ + QStringLiteral("; ") + typed;
    const int pickedAheadMinutes = pickedZone_.utcOffsetSeconds / 60;
    if (ClockAheadMinutes(entry) == pickedAheadMinutes) return pickedZoneNote_;
    // The pick's values, read another way: East/West was changed since.
    return typed +
           tr(", though %1 had UTC%2 then").arg(pickedZone_.timeZoneId, FormatUtcOffset(pickedZone_.utcOffsetSeconds));
}

}  // namespace nyra
