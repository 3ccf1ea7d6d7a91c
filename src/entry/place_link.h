// Keeps the place names of the entry honest about the coordinates and the
// zone. Picking an atlas place fills all three; from then on the zone
// follows the date and clock time on screen. Once the names are edited so
// that they no longer name the picked place, or coordinates or a zone are
// typed by hand, the pick stops setting the zone; where the names then
// claim another place than the one whose coordinates or zone are still in
// the boxes, the entry says so and the calculation asks first. QtCore only.
#pragma once

#include "atlas/atlas.h"
#include "calculation/birth_place.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace nyra {

class PlaceLink {
    Q_DECLARE_TR_FUNCTIONS(PlaceLink)

public:
    // An atlas place was picked: the names, coordinates and zone on screen
    // are its own.
    void Pick(const Place& place);
    // The picked place with its names in another language. The names on
    // screen, while they are still the pick's own, follow: then true, and
    // the boxes are to show the new ones.
    bool Rename(const Place& place);
    // A saved record was opened: coordinates and zone are the record's, and
    // the names on screen, which a record does not hold, belong to nothing.
    void OpenRecord();
    // The names on screen now read these (the user typed them).
    void EditNames(const QString& city, const QString& state, const QString& country);
    // The user typed a coordinate or changed a hemisphere.
    void EditCoordinates();
    // The user typed the zone or DST, or took a zone from the zone picker.
    void EditZone();

    // The picked place, while the zone boxes are to follow it for the date
    // and clock time on screen.
    const Place* ZoneToFollow() const;
    // The picked place, while any of the entry is still its own.
    const Place* Picked() const { return picked_ ? &*picked_ : nullptr; }

    // The place as a calculation records it, with the names now on screen.
    BirthPlace Current() const;

    // Where the names claim another place than the one whose coordinates or
    // zone are still in the boxes: "The coordinates and zone are still those
    // of Auckland, New Zealand." Empty otherwise.
    QString MismatchNote() const;
    // The question to ask before calculating with such an entry, naming
    // the `coordinates` and `zone` in the boxes ("13° 05′ N, 80° 17′ E",
    // "UTC+5:30") that came with the pick; or empty.
    QString MismatchQuestion(const QString& coordinates, const QString& zone) const;
    // That question's statement alone ("The coordinates are those of
    // Auckland, New Zealand, but the city now reads Pune."), for a question
    // that asks about more; or empty.
    QString MismatchStatement() const;

private:
    bool NamesMatchPick() const;
    bool Mismatched() const;
    // "Auckland, New Zealand"
    QString PickedName() const;

    std::optional<Place> picked_;
    bool coordinatesFromPick_ = false;
    bool zoneFromPick_ = false;
    bool following_ = false;
    bool coordinatesFromRecord_ = false;
    bool zoneFromRecord_ = false;
    // The names on screen; unknown (stale) after a record until edited.
    QString city_, state_, country_;
    bool namesKnown_ = true;
};

}  // namespace nyra
