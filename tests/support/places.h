// Atlas places built by the tests, as the atlas would give them. QtCore.
#pragma once

#include "atlas/atlas.h"

namespace nyra::test {

inline Place Auckland() {
    Place place;
    place.city = QStringLiteral("Auckland");
    place.state = QStringLiteral("Auckland");
    place.country = QStringLiteral("New Zealand");
    place.countryCode = QStringLiteral("NZ");
    place.timeZoneId = QStringLiteral("Pacific/Auckland");
    place.latitudeDeg = -(36 + 51 / 60.0);
    place.longitudeDeg = 174 + 46 / 60.0;
    return place;
}

}  // namespace nyra::test
