// The time zone picker: a modal list of named zones. A double-click, Space
// on the highlighted row or Use Zone hands that row's offset to whoever
// opened it, then closes.
#pragma once

#include "zones/time_zone_table.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace nyra {

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeZone(QWidget* parent = nullptr);

    // Hands over the selected row's offset (nothing when no row is
    // selected), then closes. Public so tests can raise the event.
    void PickZone();

signals:
    // The zone as the table stores it, west positive: "+10.5" is hour -10
    // and minute -30.
    void ZoneChosen(nyra::SignedZone offset);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A row as the list shows it, its name in the language shown.
    static QString ZoneText(const TimeZoneRow& row);
    void CreateControls();
    void ArrangeControls();
    void ConnectControls();
    void SetTexts();
    // Runs on every opening: the picker remembers nothing between openings.
    void FillList();
    // Names the rows in the language shown, in its order; the highlighted
    // zone stays highlighted.
    void NameRows();
    // The row of kTimeZoneTable an item shows; -1 for none.
    static int TableRowOf(const QListWidgetItem* item);
    static constexpr int kTableRowRole = Qt::UserRole;
    void Quit();
    void ShowWhetherARowIsHighlighted();

    QListWidget* zoneList = nullptr;
    QPushButton* useZoneButton = nullptr;
    QPushButton* quitButton = nullptr;
};

}  // namespace nyra
