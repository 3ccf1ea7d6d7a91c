// The calculate command: the entry's checks and messages, the one question
// about a place that cannot be or that the names contradict, then the
// calculation of the entry, handed to a new result window.
#include "ui/frm_main.h"

#include "atlas/atlas.h"
#include "calculation/calculation.h"
#include "entry/impossible_place.h"
#include "ui/calculation_settings.h"
#include "ui/frm_result.h"
#include "ui/place_completion.h"
#include "ui/report_pdf.h"
#include "ui/time_known_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <variant>

namespace nyra {

BirthEntry frmMain::ReadEntry() const {
    BirthEntry entry;
    entry.name = nameBox->text();
    entry.monthIndex = monthList->currentIndex();
    entry.day = dayList->currentText();
    entry.year = yearList->currentText();
    entry.hour = hourList->currentText();
    entry.minute = minuteList->currentText();
    entry.zoneHour = zoneHoursBox->text();
    entry.zoneMinute = zoneMinutesBox->text();
    entry.lonDegrees = lonDegreesBox->text();
    entry.lonMinutes = lonMinutesBox->text();
    entry.latDegrees = latDegreesBox->text();
    entry.latMinutes = latMinutesBox->text();
    entry.east = eastChoice->isChecked();
    entry.south = southChoice->isChecked();
    entry.dst = dstCheck->isChecked();
    return entry;
}

QLineEdit* frmMain::BoxFor(EntryBox box) const {
    switch (box) {
    case EntryBox::Name: return nameBox;
    case EntryBox::ZoneHour: return zoneHoursBox;
    case EntryBox::ZoneMinute: return zoneMinutesBox;
    case EntryBox::LonDegrees: return lonDegreesBox;
    case EntryBox::LonMinutes: return lonMinutesBox;
    case EntryBox::LatDegrees: return latDegreesBox;
    case EntryBox::LatMinutes: return latMinutesBox;
    }
    return nameBox;
}

void frmMain::Report(const EntryProblem& problem) {
    dialogs_.Message(this, problem.message, problem.icon);
    if (problem.focus) BoxFor(*problem.focus)->setFocus();
}

bool frmMain::ValidateBirthEntry() {
    const std::optional<EntryProblem> problem = FindEntryProblem(ReadEntry());
    if (!problem) return true;
    Report(*problem);
    return false;
}

void frmMain::Calculate() {
    if (!ValidateBirthEntry()) return;
    const BirthEntry entry = ReadEntry();
    const std::variant<BirthRecord, EntryProblem> converted = BirthRecordFromEntry(entry);
    if (const auto* problem = std::get_if<EntryProblem>(&converted)) {
        Report(*problem);
        return;
    }

    if (!ConfirmPlace(entry, std::get<BirthRecord>(converted))) return;

    CalculationInput input;
    input.birth = std::get<BirthRecord>(converted);
    input.place = placeLink_.Current();
    input.timeKnown = timeKnownList->window();
    input.basis = static_cast<BasisKind>(basisList->currentData().toInt());
    // The list beside the basis is the Swiss Ephemeris basis's; the classic
    // formula's second opinion keeps the ayanamsa chosen for it.
    input.ayanamsa = input.basis == BasisKind::Precise ? static_cast<Ayanamsa>(ayanamsaList->currentData().toInt())
                                                       : RememberedAyanamsa(AyanamsaUse::SecondOpinion);
    if (!input.place.timeZoneId.empty()) {
        input.clock =
            ZoneClockAround(QString::fromStdString(input.place.timeZoneId), ComputeMoonChart(input.birth).Centuries);
    }
    Result<Calculation> calculation = nyra::Calculate(input);
    if (!calculation) {
        dialogs_.Message(this, QString::fromStdString(calculation.problem().Text()), MessageIcon::Stop);
        return;
    }
    // The result window is shown before this one closes, so the program does
    // not see its last window go.
    auto* result = new frmResult(std::move(calculation).value(), dialogs_);
    result->show();
    close();
}

bool frmMain::ConfirmPlace(const BirthEntry& entry, const BirthRecord& birth) {
    const std::vector<ImpossibleValue> impossible = FindImpossiblePlace(entry);
    const QString question = PlaceQuestion(impossible, placeLink_, CoordinatesText(birth), ZoneText(birth));
    // Calculating for another place than the person meant takes a deliberate Yes.
    if (question.isEmpty() || dialogs_.Ask(this, question, Answer::No)) return true;
    // Back to what the question named first.
    if (!impossible.empty()) {
        BoxFor(impossible.front().box)->setFocus();
        return false;
    }
    cityBox->setFocus();
    placeCompletion_->OfferAgain();
    return false;
}

}  // namespace nyra
