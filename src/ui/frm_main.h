// The main window: the birth data entry, its key filter and checks, and the
// calculate command that hands over to the result window.
#pragma once

#include "atlas/atlas.h"
#include "engine/time_window.h"
#include "entry/entry_validation.h"
#include "ui/help_menus.h"

#include <QMainWindow>

#include <functional>
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

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Deletes itself when closed: the calculate command closes it for good,
    // and the result window's back command makes a fresh one.
    explicit frmMain(QWidget* parent = nullptr);

    // Shows the first problem of the entry, moves the focus as it says, and
    // tells whether the entry may be calculated.
    bool ValidateBirthEntry();

    // Replaces the open dialog of OpenBirthRecord (tests): it returns the
    // chosen path, or an empty text for a cancel. Returns the handler it
    // replaced; an empty handler restores the real dialog.
    using OpenPathHandler = std::function<QString(QWidget* parent)>;
    static OpenPathHandler SetOpenPathHandler(OpenPathHandler handler);

public slots:
    // Validate, fill the program's birth record, compute the chart and the
    // sign's description, show the result window and close this one.
    void Calculate();
    // Asks for a saved record, reads it into the controls and calculates.
    void OpenBirthRecord();
    // The same for a record already chosen (the file given on the command
    // line): the same checks and messages.
    void OpenRecordFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    void FillLists();

    BirthEntry ReadEntry() const;
    // How well the user knows the birth time, as cboTimeKnown says.
    TimeWindow TimeKnown() const;
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
    int TypingLimitOf(const QObject* box) const;
    void LookUpPlace();
    void ShowTimeZonePicker();
    void ShowAbout();

    // A place from the city box's list fills the place, the coordinates and,
    // for the date and clock time on screen, the zone and DST boxes.
    void UsePlace(const Place& place);
    // Sets the zone and DST boxes from the picked place for the date and
    // time on screen; nothing once the user has taken the zone over.
    void FollowPickedZone();
    void StopFollowingPick();
    void ZoneBoxChanged();
    void UpdateZoneNote();
    QString ZoneNoteText() const;
    // "City, State, Country" as typed, the empty ones left out.
    QString TypedPlace() const;
    // The date the three lists show; invalid for a day its month lacks.
    QDate DateOnScreen() const;

    // Inside the central scroll area; every control below is in it.
    QWidget* content_ = nullptr;
    bool placed_ = false;  // sized and placed on its first showing

    // Entry
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    // Not part of the record: the calculate command hands it to the result
    // window through the program state, beside the record.
    QComboBox* cboTimeKnown = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QGroupBox* fraLatitude = nullptr;
    QRadioButton* optLatNorth = nullptr;  // optLat(0)
    QRadioButton* optLatSouth = nullptr;  // optLat(1)
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QGroupBox* fraLongitude = nullptr;
    QRadioButton* optLongEast = nullptr;  // optLong(0)
    QRadioButton* optLongWest = nullptr;  // optLong(1)
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QGroupBox* fraZone = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    ClickableLabel* lblTZHelp = nullptr;
    QLabel* lblZoneNote = nullptr;  // What the calculation will make of the zone.
    QPushButton* cmdRashi = nullptr;
    QPushButton* cmdOpen = nullptr;

    // Captions beside the controls
    QGroupBox* fraBirth = nullptr;
    QGroupBox* fraPlace = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblDateOfBirth = nullptr;
    QLabel* lblTimeOfBirth = nullptr;
    QLabel* lblTimeFormat = nullptr;
    QLabel* lblTimeKnown = nullptr;
    QLabel* lblCity = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblCountry = nullptr;
    QLabel* lblLatDeg = nullptr;
    QLabel* lblLatMin = nullptr;
    QLabel* lblLonDeg = nullptr;
    QLabel* lblLonMin = nullptr;
    QLabel* lblZoneHour = nullptr;
    QLabel* lblZoneMinute = nullptr;

    // Picture and promotions
    QLabel* picMain = nullptr;
    QLabel* lblProductName = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* lblFullBrand = nullptr;

    // Menus
    QMenu* mnuFile = nullptr;
    QAction* mnuCalculate = nullptr;
    HelpMenus helpMenus_;

    PlaceCompletion* placeCompletion_ = nullptr;
    // The place picked from the list, for as long as it sets the zone: a
    // hand edit of the zone or DST box, an edit of the city box or a zone
    // from the picker ends that.
    std::optional<Place> pickedPlace_;
    ZoneAtLocalTime pickedZone_;  // At the date and time on screen.
    QString pickedZoneNote_;
    // Set while the picked place writes the zone boxes, which is not the
    // user taking the zone over.
    bool writingZone_ = false;
    // The entry came from a saved record, which holds no place names: the
    // place boxes still hold whatever was typed before.
    bool placeFromRecord_ = false;
};

} // namespace nyra
