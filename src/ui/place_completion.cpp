#include "ui/place_completion.h"

#include "entry/translation_language.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QThreadPool>

#include <algorithm>

namespace nyra {
namespace {

// `onZero` is the side the main window chooses for an angle that rounds to
// 0° 0' (North, and West, which is how the engine reads a zero longitude).
QString AngleText(double angleDeg, QChar positive, QChar negative, QChar onZero) {
    const DegreesMinutes dm = SplitDegrees(angleDeg);
    const bool zero = dm.degrees == 0 && dm.minutes == 0;
    return QStringLiteral("%1\u00B0%2\u2032%3")
        .arg(dm.degrees)
        .arg(dm.minutes, 2, 10, QLatin1Char('0'))
        .arg(zero          ? onZero
             : dm.negative ? negative
                           : positive);
}

// Draws a row as the place, then its coordinates greyed at the right edge,
// so that the coordinates line up as a column and never get cut: a long
// place name is elided instead.
class PlaceRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        // The completer makes its likeliest row current without selecting
        // it; Enter takes that row, so it is drawn as selected.
        if (const auto* view = qobject_cast<const QAbstractItemView*>(opt.widget);
            view && view->currentIndex() == index)
            opt.state |= QStyle::State_Selected;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect text = TextRect(opt);
        const QString place = index.data(PlaceCompletion::PlaceTextRole).toString();
        const QString coordinates = index.data(PlaceCompletion::CoordinatesRole).toString();
        const int coordinatesWidth = opt.fontMetrics.horizontalAdvance(coordinates);
        const int placeWidth = std::max(0, text.width() - coordinatesWidth - Gap(opt));

        const bool selected = opt.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        QColor faint = opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::PlaceholderText);
        if (selected) faint.setAlphaF(0.75f);

        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(text.left(), text.top(), placeWidth, text.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          opt.fontMetrics.elidedText(place, Qt::ElideRight, placeWidth));
        painter->setPen(faint);
        painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, coordinates);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QSize base = QStyledItemDelegate::sizeHint(option, index);
        const int width = opt.fontMetrics.horizontalAdvance(index.data(PlaceCompletion::PlaceTextRole).toString()) +
                          Gap(opt) +
                          opt.fontMetrics.horizontalAdvance(index.data(PlaceCompletion::CoordinatesRole).toString()) +
                          2 * Margin(opt) + kFitSlack;
        // A little air between the rows: they are read, not just scanned.
        return {width, std::max(base.height(), opt.fontMetrics.height() * 3 / 2)};
    }

private:
    // Whole-pixel advances can sum to a hair less than the drawn text, and
    // an exact fit would then be elided.
    static constexpr int kFitSlack = 4;

    static int Margin(const QStyleOptionViewItem& opt) {
        const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 2;
    }
    static int Gap(const QStyleOptionViewItem& opt) { return opt.fontMetrics.horizontalAdvance(QStringLiteral("MM")); }
    static QRect TextRect(const QStyleOptionViewItem& opt) {
        const int margin = Margin(opt);
        return opt.rect.adjusted(margin, 0, -margin, 0);
    }
};

}  // namespace

QString PlaceCoordinatesText(const Place& place) {
    return AngleText(place.latitudeDeg, QLatin1Char('N'), QLatin1Char('S'), QLatin1Char('N')) + QLatin1Char(' ') +
           AngleText(place.longitudeDeg, QLatin1Char('E'), QLatin1Char('W'), QLatin1Char('W'));
}

QString PlaceListText(const Place& place) {
    return QStringLiteral("%1 (%2)").arg(place.displayText(), PlaceCoordinatesText(place));
}

PlaceCompletion::PlaceCompletion(QLineEdit* city, QLineEdit* state, QLineEdit* country, QObject* parent)
    : QObject(parent),
      city_(city),
      state_(state),
      country_(country),
      completer_(new QCompleter(this)),
      model_(new QStandardItemModel(this)) {
    completer_->setModel(model_);
    // The atlas has already chosen and ordered the rows.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setModelSorting(QCompleter::UnsortedModel);
    completer_->setCompletionRole(CityRole);
    // Lets the completer make the first row whose city begins with the
    // typed text current, so Enter right after typing takes it.
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kMaxOffered);
    completer_->setWrapAround(false);
    city_->setCompleter(completer_);
    // The atlas is read when the user comes to the city box, not at start.
    city_->installEventFilter(this);

    // textEdited comes before the line edit asks the completer to show
    // itself, so the rows are in place by then; text set by the program
    // (a highlighted row, a pick) does not search again.
    connect(city_, &QLineEdit::textEdited, this, &PlaceCompletion::Offer);
    connect(state_, &QLineEdit::textEdited, this, [this] { stateFromChoice_ = false; });
    connect(country_, &QLineEdit::textEdited, this, [this] { countryFromChoice_ = false; });
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, &PlaceCompletion::Choose);
}

void PlaceCompletion::OfferAgain() {
    Offer(city_->text());
    completer_->setCompletionPrefix(city_->text());
    if (!offered_.isEmpty()) completer_->complete();
}

bool PlaceCompletion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == city_ && event->type() == QEvent::FocusIn) PrepareAtlas();
    return QObject::eventFilter(watched, event);
}

void PlaceCompletion::PrepareAtlas() {
    // Reading the city list takes a fifth of a second or so, and its index
    // some megabytes that a user who types coordinates never needs. Started
    // on a worker as the city box gets the focus, it is mostly ready by the
    // second letter; a search before then waits for it.
    if (atlasRequested_) return;
    atlasRequested_ = true;
    QThreadPool::globalInstance()->start(&LoadAtlas);
    // In another language than English, names in its script are likely.
    if (TranslationLocale().language() != QLocale::English)
        QThreadPool::globalInstance()->start(&LoadPlaceNamesInOtherScripts);
}

void PlaceCompletion::PreparePopup() {
    // The list view behind the popup is made on first use too: making it
    // wakes the accessibility bridge, which is no business of start-up.
    if (popupPrepared_) return;
    popupPrepared_ = true;
    completer_->popup()->setItemDelegate(new PlaceRowDelegate(completer_->popup()));
}

void PlaceCompletion::Offer(const QString& cityText) {
    PrepareAtlas();
    PreparePopup();
    offered_ = MatchPlaces(cityText, stateFromChoice_ ? QString() : state_->text(),
                           countryFromChoice_ ? QString() : country_->text(), kMaxOffered);
    const QLocale language = TranslationLocale();
    model_->clear();
    for (qsizetype i = 0; i < offered_.size(); ++i) {
        const QString ownCity = offered_[i].city;
        offered_[i] = NamedIn(offered_[i], language);
        const Place& place = offered_[i];
        auto* row = new QStandardItem(PlaceListText(place));
        // A place found by a name other than the one it shows ("Chenn" for
        // "Ченнаи") takes the typed text here, which makes it current like
        // a city that begins with it, so that Enter takes it.
        const bool foundByAnother = place.city != ownCity && !place.city.startsWith(cityText, Qt::CaseInsensitive);
        row->setData(foundByAnother ? cityText : place.city, CityRole);
        row->setData(place.displayText(), PlaceTextRole);
        row->setData(PlaceCoordinatesText(place), CoordinatesRole);
        row->setData(static_cast<int>(i), OfferIndexRole);
        row->setToolTip(PlaceListText(place) + QStringLiteral(" \u2014 ") + place.timeZoneId);
        row->setEditable(false);
        model_->appendRow(row);
    }
    FitPopupWidth();
}

void PlaceCompletion::FitPopupWidth() {
    // The completer makes its list as wide as the city box; the rows want
    // more, up to the screen's right edge.
    QAbstractItemView* popup = completer_->popup();
    int widest = 0;
    QStyleOptionViewItem option;
    option.initFrom(popup);
    option.widget = popup;
    for (int row = 0; row < model_->rowCount(); ++row)
        widest = std::max(widest, popup->itemDelegate()->sizeHint(option, model_->index(row, 0)).width());
    int wanted = widest + 2 * popup->frameWidth();
    if (model_->rowCount() > kMaxOffered) wanted += popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (const QScreen* screen = city_->screen()) {
        const int room = screen->availableGeometry().right() - city_->mapToGlobal(QPoint(0, 0)).x();
        wanted = std::min(wanted, room);
    }
    popup->setMinimumWidth(std::max(wanted, 0));
}

void PlaceCompletion::Choose(const QModelIndex& index) {
    bool ok = false;
    const int i = index.data(OfferIndexRole).toInt(&ok);
    if (!ok || i < 0 || i >= offered_.size()) return;
    const Place place = offered_[i];
    stateFromChoice_ = true;
    countryFromChoice_ = true;
    emit placeChosen(place);
}

}  // namespace nyra
