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

    // Writes the selected row's pair into the two boxes (nothing when no row
    // is selected), then closes. Public so tests can raise the event.
    void lstTimeZone_DblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    // Runs on every opening: the picker remembers nothing between openings.
    void Form_Load();
    void cmdQuit_Click();
    void CentreOnScreen();

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;
    // The main window's boxes; guarded in case a box goes before the picker.
    QPointer<QLineEdit> zoneHourBox_;
    QPointer<QLineEdit> zoneMinuteBox_;
};

} // namespace nyra
