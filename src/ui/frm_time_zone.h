// The time zone picker: a modal list of named zones; a double-click writes
// the zone's hour and minute into the two boxes of the main window that
// opened it.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace nyra {

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent = nullptr);
};

} // namespace nyra
