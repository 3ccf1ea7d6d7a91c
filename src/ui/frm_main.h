// The main window: the birth data entry, its key filter and checks, and the
// calculate command that hands over to the result window.
#pragma once

#include "atlas/atlas.h"
#include "engine/time_window.h"
#include "entry/entry_validation.h"
#include "entry/place_link.h"
#include "ui/dialogs.h"
#include "ui/help_menus.h"
#include "ui/language_menu.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace nyra {

class ClickableLabel;
class PlaceCompletion;
class TimeKnownList;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Deletes itself when closed: the calculate command closes it for good,
    // and the result window's back command makes a fresh one. Messages,
    // questions and the open dialog go through `dialogs`, which the result
    // window it opens is given too.
    explicit frmMain(Dialogs& dialogs = SystemDialogs(), QWidget* parent = nullptr);

    // Shows the first problem of the entry, moves the focus as it says, and
    // tells whether the entry may be calculated.
    bool ValidateBirthEntry();

    Dialogs& dialogs() const { return dialogs_; }

public slots:
    // Validate, make the calculation of the entry, show the result window
    // with it and close this one.
    void Calculate();
    // Asks for a saved record, reads it into the controls and calculates.
    void OpenBirthRecord();
    // The same for a record already chosen (the file given on the command
    // line): the same checks and messages.
    void OpenRecordFile(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateBirthControls();
    void CreatePlaceControls();
    void CreateZoneControls();
    void CreateCommands();
    void CreateMenus();
    void ArrangeControls();
    void ArrangeBirthFrame();
    void ArrangePlaceFrames();
    void ArrangeWindow();
    void ConnectControls();
    void SetTexts();
    void SetListTexts();
    void SetSpokenNames();
    void FillLists();

    BirthEntry ReadEntry() const;
    // Opening a record: a list and the record field whose value it shows.
    struct RecordList {
        std::int16_t BirthRecord::*member;
        QComboBox* box;
    };
    std::vector<RecordList> RecordLists() const;
    // Why the record's month, day, year, hour or minute cannot be shown by
    // its list, as the open message says it; empty when all can.
    QString UnshowableLine(const BirthRecord& record) const;
    void ShowRecord(const BirthRecord& record);
    void Report(const EntryProblem& problem);
    QLineEdit* BoxFor(EntryBox box) const;
    void LookUpPlace();
    void ShowTimeZonePicker();
    void ShowAbout();
    void ChooseBasis();

    // A place from the city box's list fills the place, the coordinates and,
    // for the date and clock time on screen, the zone and DST boxes.
    void UsePlace(const Place& place);
    // Sets the zone and DST boxes from the picked place for the date and
    // time on screen, for as long as the pick sets the zone.
    void FollowPickedZone();
    // The picked place's names in the language now shown, where the boxes
    // still hold the pick's own.
    void NamePickedPlace();
    void NamesEdited();
    void CoordinatesEdited();
    void ZoneEdited();
    void UpdateZoneNote();
    QString ZoneNoteText() const;
    // Where the place cannot be (a latitude beyond a pole, ...) or the
    // names claim another place than the coordinates' or the zone's: asks
    // once whether to calculate anyway, and on No sends the user back to
    // what the question named first. True to go on.
    bool ConfirmPlace(const BirthEntry& entry, const BirthRecord& birth);
    // The date the three lists show; invalid for a day its month lacks.
    QDate DateOnScreen() const;

    Dialogs& dialogs_;
    // Inside the central scroll area; every control below is in it.
    QWidget* content_ = nullptr;
    bool placed_ = false;  // sized and placed on its first showing

    // Entry
    QLineEdit* nameBox = nullptr;
    QComboBox* monthList = nullptr;
    QComboBox* dayList = nullptr;
    QComboBox* yearList = nullptr;
    QComboBox* hourList = nullptr;
    QComboBox* minuteList = nullptr;
    QComboBox* secondList = nullptr;
    // How well the time is known: part of the calculation beside the record.
    TimeKnownList* timeKnownList = nullptr;
    // What to calculate with, and the ayanamsa of Swiss Ephemeris; both
    // remembered between runs.
    QLabel* calculateWithCaption = nullptr;
    QComboBox* basisList = nullptr;
    QComboBox* ayanamsaList = nullptr;
    QLineEdit* cityBox = nullptr;
    QLineEdit* stateBox = nullptr;
    QLineEdit* countryBox = nullptr;
    QPushButton* findPlaceButton = nullptr;
    QGroupBox* latitudeFrame = nullptr;
    QRadioButton* northChoice = nullptr;  // optLat(0)
    QRadioButton* southChoice = nullptr;  // optLat(1)
    QLineEdit* latDegreesBox = nullptr;
    QLineEdit* latMinutesBox = nullptr;
    QGroupBox* longitudeFrame = nullptr;
    QRadioButton* eastChoice = nullptr;  // optLong(0)
    QRadioButton* westChoice = nullptr;  // optLong(1)
    QLineEdit* lonDegreesBox = nullptr;
    QLineEdit* lonMinutesBox = nullptr;
    QGroupBox* zoneFrame = nullptr;
    QLineEdit* zoneHoursBox = nullptr;
    QLineEdit* zoneMinutesBox = nullptr;
    QCheckBox* dstCheck = nullptr;
    ClickableLabel* zoneHelpLink = nullptr;
    QLabel* zoneNote = nullptr;  // What the calculation will make of the zone.
    QPushButton* findSignButton = nullptr;
    QPushButton* openRecordButton = nullptr;

    // Captions beside the controls
    QGroupBox* birthFrame = nullptr;
    QGroupBox* placeFrame = nullptr;
    QLabel* nameCaption = nullptr;
    QLabel* dateCaption = nullptr;
    QLabel* timeCaption = nullptr;
    QLabel* timeFormatCaption = nullptr;
    QLabel* timeKnownCaption = nullptr;
    QLabel* cityCaption = nullptr;
    QLabel* stateCaption = nullptr;
    QLabel* countryCaption = nullptr;
    QLabel* latDegreesCaption = nullptr;
    QLabel* latMinutesCaption = nullptr;
    QLabel* lonDegreesCaption = nullptr;
    QLabel* lonMinutesCaption = nullptr;
    QLabel* zoneHoursCaption = nullptr;
    QLabel* zoneMinutesCaption = nullptr;

    // Picture and promotions
    QLabel* moonPicture = nullptr;
    QLabel* productName = nullptr;
    ClickableLabel* cobrandLink = nullptr;
    ClickableLabel* fullBrandLink = nullptr;

    // Menus
    QMenu* fileMenu = nullptr;
    QAction* calculateMenu = nullptr;
    LanguageMenu languageMenu_;
    HelpMenus helpMenus_;

    PlaceCompletion* placeCompletion_ = nullptr;
    // What the names, coordinates and zone on screen have to do with one
    // another and with a picked atlas place.
    PlaceLink placeLink_;
    ZoneAtLocalTime pickedZone_;  // The pick's zone at the date and time on screen.
    QString pickedZoneNote_;
};

}  // namespace nyra
