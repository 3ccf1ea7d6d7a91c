#include "ui/frm_time_zone.h"

#include "ui/messages.h"
#include "ui/named.h"
#include "zones/time_zone_table.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
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

QFont Verdana(bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

// Sets the whole text even where it is longer than the box lets a user
// type: "-30" must not become "-3" in the two-character minute box.
void WriteWholeText(QLineEdit* box, const QString& text) {
    if (!box) return;
    if (box->maxLength() < text.size()) box->setMaxLength(static_cast<int>(text.size()));
    box->setText(text);
}

// Reports every double-click on the list, on a row or not, after the list
// has handled it: the list's own handling is what selects the row under the
// pointer when the two clicks of the pair fell on different rows.
class TimeZoneList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> doubleClicked;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListWidget::mouseDoubleClickEvent(event);
        if (doubleClicked) doubleClicked();
    }
};

} // namespace

frmTimeZone::frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent)
    : QDialog(parent), zoneHourBox_(zoneHour), zoneMinuteBox_(zoneMinute) {
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
    // button covers the list's bottom border rather than losing its own.
    cmdQuit->setGeometry(0, kClientHeight - kButtonHeight, kClientWidth, kButtonHeight);
}

void frmTimeZone::ConnectControls() {
    // The list's own Enter handling only emits activated(), which stays
    // unconnected, so Enter reaches the dialog and Quit.
    static_cast<TimeZoneList*>(lstTimeZone)->doubleClicked = [this] { lstTimeZone_DblClick(); };
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
}

void frmTimeZone::SetTexts() {
    setWindowTitle(kWindowTitle);
    cmdQuit->setText(tr("&Quit"));
    lstTimeZone->setAccessibleName(QStringLiteral("Time zones"));
}

void frmTimeZone::Form_Load() {
    lstTimeZone->clear();
    for (const TimeZoneRow& row : kTimeZoneTable)
        lstTimeZone->addItem(QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
    lstTimeZone->setCurrentRow(-1);
    lstTimeZone->clearSelection();
}

void frmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    const int k = selected.isEmpty() ? -1 : lstTimeZone->row(selected.front());
    if (const TimeZoneRow* row = TimeZoneAt(k)) {
        WriteWholeText(zoneHourBox_, QString::number(row->hour));
        WriteWholeText(zoneMinuteBox_, QString::number(row->minute));
    }
    accept();
}

void frmTimeZone::cmdQuit_Click() { reject(); }

void frmTimeZone::showEvent(QShowEvent* event) {
    // Spontaneous show events come from the window system (mapping,
    // restoring from minimised); only show() itself is a new opening.
    if (!event->spontaneous()) {
        Form_Load();
        CentreOnScreen();
    }
    QDialog::showEvent(event);
}

void frmTimeZone::CentreOnScreen() {
    // QDialog would centre over the main window; the picker centres on the
    // screen. move() places the frame, which is known only once the window
    // has been shown; before that it is the client area.
    const QScreen* area = screen();
    if (!area) return;
    const QRect frame = frameGeometry();
    move(area->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

} // namespace nyra
