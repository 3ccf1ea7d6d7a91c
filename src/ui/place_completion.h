// The place list under the main window's city box: from the second letter
// typed it offers the atlas's matching places, largest first, narrowed by
// what the user typed into the state and country boxes. A name in any
// language finds a place; the list names it in the language shown.
#pragma once

#include "atlas/atlas.h"

#include <QList>
#include <QObject>
#include <QString>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace nyra {

// "22°34′N 88°22′E": the place rounded to whole arc minutes, with the
// sides the degree and minute boxes will receive. This is what tells apart
// the places that share a name, state and country (two Ashfords in England).
QString PlaceCoordinatesText(const Place& place);

// A row of the list: "Chennai, Tamil Nadu, India (13°05′N 80°17′E)".
QString PlaceListText(const Place& place);

class PlaceCompletion : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxOffered = 15;

    // Model roles of a row besides its display text.
    enum Role {
        CityRole = Qt::UserRole + 1,  ///< What the city box shows while the row is highlighted.
        PlaceTextRole,                ///< "Chennai, Tamil Nadu, India"
        CoordinatesRole,              ///< PlaceCoordinatesText, drawn greyed.
        OfferIndexRole,               ///< Position among the places offered.
    };

    // Attaches a completer to `city`; the other two boxes are read only.
    PlaceCompletion(QLineEdit* city, QLineEdit* state, QLineEdit* country, QObject* parent);

    // Opens the list for the city text now in the box, as typing it would.
    void OfferAgain();

signals:
    // A row was taken with Enter, Tab or the mouse.
    void placeChosen(const nyra::Place& place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PrepareAtlas();
    void PreparePopup();
    void Offer(const QString& cityText);
    void Choose(const QModelIndex& index);
    void FitPopupWidth();

    QLineEdit* city_;
    QLineEdit* state_;
    QLineEdit* country_;
    QCompleter* completer_;
    QStandardItemModel* model_;
    QList<Place> offered_;  // The places of the list, in its order.
    // A chosen place writes its own state and country; those must not
    // narrow the next search, or a second pick could never leave the
    // first one's country. Typing into a box makes it count again.
    bool stateFromChoice_ = false;
    bool countryFromChoice_ = false;
    bool atlasRequested_ = false;
    bool popupPrepared_ = false;
};

}  // namespace nyra
