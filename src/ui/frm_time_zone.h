// The time zone picker: a modal list of named zones; a double-click writes
// the zone's hour and minute into the two boxes of the main window that
// opened it.
#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace nyra {

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent = nullptr);

    // The window's event handlers, public so tests can raise the events.
    // Runs on every opening: the picker remembers nothing between openings.
    void Form_Load();
    // Writes the selected row's pair into the two boxes (nothing when no row
    // is selected), then closes.
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectControls();
    void setTexts();
    void centreOnScreen();

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;
    // The main window's boxes; guarded in case a box goes before the picker.
    QPointer<QLineEdit> txtZoneHour;
    QPointer<QLineEdit> txtZoneMinute;
};

} // namespace nyra
