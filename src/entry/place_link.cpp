#include "entry/place_link.h"

#include "atlas/text_fold.h"

namespace nyra {
namespace {

// A typed name names a place's part when it folds to the same key: case,
// accents and punctuation aside.
bool SameName(const QString& typed, const QString& name) { return FoldForSearch(typed) == FoldForSearch(name); }

enum class Part { City, State, Country };

}  // namespace

void PlaceLink::Pick(const Place& place) {
    picked_ = place;
    coordinatesFromPick_ = zoneFromPick_ = following_ = true;
    coordinatesFromRecord_ = zoneFromRecord_ = false;
    city_ = place.city;
    state_ = place.state;
    country_ = place.country;
    namesKnown_ = true;
}

bool PlaceLink::Rename(const Place& place) {
    if (!picked_) return false;
    const bool namesShown =
        namesKnown_ && city_ == picked_->city && state_ == picked_->state && country_ == picked_->country;
    // Names typed to match the pick stay the user's, and name it still.
    if (!namesShown && namesKnown_ && NamesMatchPick()) return false;
    picked_->city = place.city;
    picked_->state = place.state;
    picked_->country = place.country;
    if (!namesShown) return false;
    city_ = place.city;
    state_ = place.state;
    country_ = place.country;
    return true;
}

void PlaceLink::OpenRecord() {
    picked_.reset();
    coordinatesFromPick_ = zoneFromPick_ = following_ = false;
    coordinatesFromRecord_ = zoneFromRecord_ = true;
    namesKnown_ = false;
}

void PlaceLink::EditNames(const QString& city, const QString& state, const QString& country) {
    city_ = city.trimmed();
    state_ = state.trimmed();
    country_ = country.trimmed();
    namesKnown_ = true;
    if (picked_ && !NamesMatchPick()) following_ = false;
}

void PlaceLink::EditCoordinates() {
    coordinatesFromPick_ = coordinatesFromRecord_ = following_ = false;
    if (!zoneFromPick_) picked_.reset();
}

void PlaceLink::EditZone() {
    zoneFromPick_ = zoneFromRecord_ = following_ = false;
    if (!coordinatesFromPick_) picked_.reset();
}

const Place* PlaceLink::ZoneToFollow() const { return picked_ && following_ && zoneFromPick_ ? &*picked_ : nullptr; }

BirthPlace PlaceLink::Current() const {
    BirthPlace place;
    if (namesKnown_) {
        place.city = city_.toStdString();
        place.state = state_.toStdString();
        place.country = country_.toStdString();
    }
    const auto source = [this](bool fromPick, bool fromRecord) {
        if (picked_ && fromPick) return PlaceSource::Atlas;
        return fromRecord ? PlaceSource::Record : PlaceSource::Typed;
    };
    place.coordinatesFrom = source(coordinatesFromPick_, coordinatesFromRecord_);
    place.zoneFrom = source(zoneFromPick_, zoneFromRecord_);
    if (place.coordinatesFrom == PlaceSource::Atlas || place.zoneFrom == PlaceSource::Atlas)
        place.atlasPlace = PickedName().toStdString();
    if (place.zoneFrom == PlaceSource::Atlas) place.timeZoneId = picked_->timeZoneId.toStdString();
    return place;
}

bool PlaceLink::NamesMatchPick() const {
    return SameName(city_, picked_->city) && (state_.isEmpty() || SameName(state_, picked_->state)) &&
           (country_.isEmpty() || SameName(country_, picked_->country) || SameName(country_, picked_->countryCode));
}

bool PlaceLink::Mismatched() const {
    if (!picked_ || !namesKnown_ || !(coordinatesFromPick_ || zoneFromPick_)) return false;
    // Names left out claim no other place; only a name typed in their stead does.
    if (city_.isEmpty() && (state_.isEmpty() || SameName(state_, picked_->state)) &&
        (country_.isEmpty() || SameName(country_, picked_->country) || SameName(country_, picked_->countryCode)))
        return false;
    return !NamesMatchPick();
}

QString PlaceLink::PickedName() const {
    return picked_->country.isEmpty() ? picked_->city : picked_->city + QStringLiteral(", ") + picked_->country;
}

QString PlaceLink::MismatchNote() const {
    if (!Mismatched()) return {};
    if (coordinatesFromPick_ && zoneFromPick_)
        return tr("The coordinates and zone are still those of %1.").arg(PickedName());
    if (coordinatesFromPick_) return tr("The coordinates are still those of %1.").arg(PickedName());
    return tr("The zone is still that of %1.").arg(PickedName());
}

QString PlaceLink::MismatchStatement() const {
    if (!Mismatched()) return {};
    // The first name that claims another place.
    QString reads;
    if (!city_.isEmpty() && !SameName(city_, picked_->city)) {
        reads = tr("the city now reads %1").arg(city_);
    } else if (!state_.isEmpty() && !SameName(state_, picked_->state)) {
        reads = tr("the state now reads %1").arg(state_);
    } else {
        reads = tr("the country now reads %1").arg(country_);
    }
    if (coordinatesFromPick_ && zoneFromPick_)
        return tr("The coordinates and time zone are those of %1, but %2.").arg(PickedName(), reads);
    if (coordinatesFromPick_) return tr("The coordinates are those of %1, but %2.").arg(PickedName(), reads);
    return tr("The time zone is that of %1, but %2.").arg(PickedName(), reads);
}

QString PlaceLink::MismatchQuestion(const QString& coordinates, const QString& zone) const {
    const QString statement = MismatchStatement();
    if (statement.isEmpty()) return {};
    // The question names what would be calculated with, all that came with
    // the pick: the zone too, where it came along with the coordinates.
    QString question;
    if (coordinatesFromPick_ && zoneFromPick_) {
        question = tr("Calculate with the coordinates %1 and the time zone %2?").arg(coordinates, zone);
    } else if (coordinatesFromPick_) {
        question = tr("Calculate with the coordinates %1?").arg(coordinates);
    } else {
        question = tr("Calculate with the time zone %1?").arg(zone);
    }
    return statement + u' ' + question;
}

}  // namespace nyra
