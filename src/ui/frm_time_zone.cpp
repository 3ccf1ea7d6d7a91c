#include "ui/frm_time_zone.h"

#include "entry/translation_language.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/screen_fit.h"

#include <QCollator>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

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

// The zones' names, marked for translation here since the table's rows are
// plain C++ (zones/time_zone_table.h): a row shows its name in the language
// shown, its abbreviation and offset after the first comma as they are.
constexpr const char* kZoneNames[] = {
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Alaska/Hawaii Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Alaska/Hawaii Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Alaska/Hawaii War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Atlantic Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Atlantic War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Central Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Central Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Eastern Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Western Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Australian Western Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Azores Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Baghdad Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Bering Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Brazil Zone 2"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "British Double Summer Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "British Summer Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "British War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Central Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Central European Daylight"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Central European Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Central Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Central War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "China Coast Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Eastern European Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Eastern European Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Eastern Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Eastern War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Greenwich Mean Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Guam Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Hawaiian Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Hawaiian Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Hawaiian War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Indian Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Int'l Date Line East"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Int'l Date Line West"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Iran Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Japan Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Java Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Middle European Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Middle European Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Moluccas Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Mountain Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Mountain Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Mountain War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "New Zealand Std Summer Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "New Zealand Std Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "New Zealand Summer Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "New Zealand Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Newfoundland Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Nome Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "North Sumatra Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Pacific Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Pacific Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Pacific War Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "South Australia Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "South Australia Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "South Sumatra Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Universal Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "USSR Zone 10"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "USSR Zone 3"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "USSR Zone 4"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "USSR Zone 5"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "USSR Zone 6"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "West Africa Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Yukon Daylight Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Yukon Standard Time"),
    QT_TRANSLATE_NOOP("nyra::frmTimeZone", "Yukon War Time"),
};

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

}  // namespace

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

    zoneList = Named(new TimeZoneList(this), QStringLiteral("lstTimeZone"));
    zoneList->setFont(Verdana(true));
    zoneList->setSelectionMode(QAbstractItemView::SingleSelection);

    useZoneButton = Named(new QPushButton(this), QStringLiteral("cmdUseZone"));
    useZoneButton->setFont(Verdana(true));

    quitButton = Named(new QPushButton(this), QStringLiteral("cmdQuit"));
    quitButton->setFont(Verdana(true));
    // Default and cancel button at once: QDialog sends Enter to the default
    // button and Escape to reject(), which is what a click on Quit does.
    quitButton->setDefault(true);
}

void frmTimeZone::ArrangeControls() {
    setFixedSize(kClientWidth, kClientHeight);
    zoneList->setGeometry(0, 0, kClientWidth, kListHeight);
    // The two heights add up to one pixel more than the client area; the
    // buttons cover the list's bottom border rather than losing their own.
    useZoneButton->setGeometry(0, kClientHeight - kButtonHeight, kUseZoneWidth, kButtonHeight);
    quitButton->setGeometry(kUseZoneWidth, kClientHeight - kButtonHeight, kClientWidth - kUseZoneWidth, kButtonHeight);
}

void frmTimeZone::ConnectControls() {
    // The list's own Enter handling only emits activated(), which stays
    // unconnected, so Enter reaches the dialog and Quit.
    static_cast<TimeZoneList*>(zoneList)->picked = [this] { PickZone(); };
    connect(zoneList, &QListWidget::itemSelectionChanged, this, &frmTimeZone::ShowWhetherARowIsHighlighted);
    connect(useZoneButton, &QPushButton::clicked, this, &frmTimeZone::PickZone);
    connect(quitButton, &QPushButton::clicked, this, &frmTimeZone::Quit);
}

void frmTimeZone::SetTexts() {
    setWindowTitle(kWindowTitle);
    useZoneButton->setText(tr("&Use Zone"));
    quitButton->setText(tr("&Quit"));
    zoneList->setAccessibleName(tr("Time zones"));
    zoneList->setAccessibleDescription(
        tr("Choose a zone with the arrow keys, then press Space or Use Zone to use it. "
           "Enter or Escape closes the list without a choice."));
}

void frmTimeZone::FillList() {
    zoneList->clear();
    for (std::size_t i = 0; i < kTimeZoneTable.size(); ++i) {
        auto* item = new QListWidgetItem(zoneList);
        item->setData(kTableRowRole, static_cast<int>(i));
    }
    NameRows();
    zoneList->setCurrentRow(-1);
    zoneList->clearSelection();
    ShowWhetherARowIsHighlighted();
}

void frmTimeZone::NameRows() {
    // The table is in English alphabetical order; another language has its
    // own names and its own order of letters.
    std::vector<std::pair<QString, int>> rows;
    for (int i = 0; i < zoneList->count(); ++i) {
        const int k = zoneList->item(i)->data(kTableRowRole).toInt();
        rows.emplace_back(ZoneText(kTimeZoneTable[static_cast<std::size_t>(k)]), k);
    }
    QCollator collator(TranslationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
    const int selected = TableRowOf(zoneList->selectedItems().value(0));
    for (int i = 0; i < zoneList->count(); ++i) {
        QListWidgetItem* item = zoneList->item(i);
        item->setText(rows[static_cast<std::size_t>(i)].first);
        item->setData(kTableRowRole, rows[static_cast<std::size_t>(i)].second);
        if (selected >= 0 && rows[static_cast<std::size_t>(i)].second == selected) zoneList->setCurrentItem(item);
    }
}

int frmTimeZone::TableRowOf(const QListWidgetItem* item) { return item ? item->data(kTableRowRole).toInt() : -1; }

QString frmTimeZone::ZoneText(const TimeZoneRow& row) {
    const std::string_view text = row.text;
    const std::string name(text.substr(0, text.find(',')));
    const std::string_view rest = text.substr(name.size());
    const auto marked =
        std::find_if(std::begin(kZoneNames), std::end(kZoneNames), [&name](const char* zone) { return name == zone; });
    const QString shown = marked == std::end(kZoneNames) ? QString::fromStdString(name) : tr(*marked);
    return shown + QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
}

void frmTimeZone::ShowWhetherARowIsHighlighted() { useZoneButton->setEnabled(!zoneList->selectedItems().isEmpty()); }

void frmTimeZone::PickZone() {
    const QList<QListWidgetItem*> selected = zoneList->selectedItems();
    const int k = selected.isEmpty() ? -1 : TableRowOf(selected.front());
    if (const TimeZoneRow* row = TimeZoneAt(k)) emit ZoneChosen(row->offset());
    accept();
}

void frmTimeZone::Quit() { reject(); }

void frmTimeZone::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        NameRows();
    }
    QDialog::changeEvent(event);
}

void frmTimeZone::showEvent(QShowEvent* event) {
    // Spontaneous show events come from the window system (mapping,
    // restoring from minimised); only show() itself is a new opening.
    if (!event->spontaneous()) {
        FillList();
        // Centred on the screen, where QDialog would centre it over the
        // main window.
        PlaceNewWindow(this, nullptr, size());
    }
    QDialog::showEvent(event);
}

}  // namespace nyra
