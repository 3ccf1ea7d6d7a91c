#include "ui/frm_time_zone.h"

#include "ui/messages.h"
#include "ui/named.h"
#include "ui/screen_fit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include <functional>

namespace nyra {
namespace {

// Client area and control sizes at 96 dpi (the window was laid out as
// 4935 x 3480 twips, list 3150 high, button 345).
constexpr int kClientWidth = 329;
constexpr int kClientHeight = 232;
constexpr int kListHeight = 210;
constexpr int kButtonHeight = 23;
// Use Zone and Quit share the row beneath the list.
constexpr int kUseZoneWidth = (kClientWidth + 1) / 2;

QFont Verdana(bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

// Reports every double-click on the list, on a row or not, after the list
// has handled it: the list's own handling is what selects the row under the
// pointer when the two clicks of the pair fell on different rows. Space on
// a highlighted row is reported too; without one, Space highlights the row
// with the focus, as lists do.
class TimeZoneList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> picked;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListWidget::mouseDoubleClickEvent(event);
        if (picked) picked();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && !selectedItems().isEmpty() &&
            picked) {
            picked();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

frmTimeZone::frmTimeZone(QWidget* parent) : QDialog(parent) {
    CreateControls();
    ArrangeControls();
    ConnectControls();
    SetTexts();
}

void frmTimeZone::CreateControls() {
    setObjectName(QStringLiteral("frmTimeZone"));
    setModal(true);
    setFont(Verdana(false));

    lstTimeZone = Named(new TimeZoneList(this), QStringLiteral("lstTimeZone"));
    lstTimeZone->setFont(Verdana(true));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdUseZone = Named(new QPushButton(this), QStringLiteral("cmdUseZone"));
    cmdUseZone->setFont(Verdana(true));

    cmdQuit = Named(new QPushButton(this), QStringLiteral("cmdQuit"));
    cmdQuit->setFont(Verdana(true));
    // Default and cancel button at once: QDialog sends Enter to the default
    // button and Escape to reject(), which is what a click on Quit does.
    cmdQuit->setDefault(true);
}

void frmTimeZone::ArrangeControls() {
    setFixedSize(kClientWidth, kClientHeight);
    lstTimeZone->setGeometry(0, 0, kClientWidth, kListHeight);
    // The two heights add up to one pixel more than the client area; the
    // buttons cover the list's bottom border rather than losing their own.
    cmdUseZone->setGeometry(0, kClientHeight - kButtonHeight, kUseZoneWidth, kButtonHeight);
    cmdQuit->setGeometry(kUseZoneWidth, kClientHeight - kButtonHeight, kClientWidth - kUseZoneWidth, kButtonHeight);
}

void frmTimeZone::ConnectControls() {
    // The list's own Enter handling only emits activated(), which stays
    // unconnected, so Enter reaches the dialog and Quit.
    static_cast<TimeZoneList*>(lstTimeZone)->picked = [this] { lstTimeZone_DblClick(); };
    connect(lstTimeZone, &QListWidget::itemSelectionChanged, this, &frmTimeZone::ShowWhetherARowIsHighlighted);
    connect(cmdUseZone, &QPushButton::clicked, this, &frmTimeZone::lstTimeZone_DblClick);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
}

void frmTimeZone::SetTexts() {
    setWindowTitle(kWindowTitle);
    cmdUseZone->setText(tr("&Use Zone"));
    cmdQuit->setText(tr("&Quit"));
    lstTimeZone->setAccessibleName(tr("Time zones"));
    lstTimeZone->setAccessibleDescription(
        tr("Choose a zone with the arrow keys, then press Space or Use Zone to use it. "
           "Enter or Escape closes the list without a choice."));
}

void frmTimeZone::Form_Load() {
    lstTimeZone->clear();
    for (const TimeZoneRow& row : kTimeZoneTable)
        lstTimeZone->addItem(QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
    lstTimeZone->setCurrentRow(-1);
    lstTimeZone->clearSelection();
    ShowWhetherARowIsHighlighted();
}

void frmTimeZone::ShowWhetherARowIsHighlighted() { cmdUseZone->setEnabled(!lstTimeZone->selectedItems().isEmpty()); }

void frmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    const int k = selected.isEmpty() ? -1 : lstTimeZone->row(selected.front());
    if (const TimeZoneRow* row = TimeZoneAt(k)) emit ZoneChosen(row->offset());
    accept();
}

void frmTimeZone::cmdQuit_Click() { reject(); }

void frmTimeZone::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

void frmTimeZone::showEvent(QShowEvent* event) {
    // Spontaneous show events come from the window system (mapping,
    // restoring from minimised); only show() itself is a new opening.
    if (!event->spontaneous()) {
        Form_Load();
        // Centred on the screen, where QDialog would centre it over the
        // main window.
        PlaceNewWindow(this, nullptr, size());
    }
    QDialog::showEvent(event);
}

} // namespace nyra
