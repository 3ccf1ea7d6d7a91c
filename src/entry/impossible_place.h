// What no place on Earth has: a latitude beyond a pole, a longitude past
// 180°, more than 59 minutes to a degree, a zone beyond 14 hours or with
// more than 59 minutes. The boxes take such values and the calculation runs
// with them as they are, so the main window says what is impossible under
// the zone and asks once before calculating. QtCore only.
#pragma once

#include "entry/entry_validation.h"
#include "entry/place_link.h"

#include <QString>

#include <vector>

namespace nyra {

struct ImpossibleValue {
    QString sentence;  ///< "Latitude 95° 75′ is beyond the pole."
    EntryBox box;      ///< Where to put it right.
};

// In the order of the screen: latitude, longitude, zone. A box that is
// blank or holds no number yet has nothing to say here.
std::vector<ImpossibleValue> FindImpossiblePlace(const BirthEntry& entry);

// The one question before calculating: what is impossible, then what the
// names claim against the coordinates or zone, then "Calculate anyway?";
// with nothing impossible, the place link's own question, which names the
// `coordinates` and `zone` calculated with. Empty when neither applies.
QString PlaceQuestion(const std::vector<ImpossibleValue>& impossible, const PlaceLink& link,
                      const QString& coordinates, const QString& zone);

}  // namespace nyra
