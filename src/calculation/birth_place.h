// The birth place as the entry gave it: the names typed, and where the
// coordinates and the zone that the calculation used came from. Plain C++.
#pragma once

#include <string>

namespace nyra {

// Where the coordinates or the zone of a birth came from.
enum class PlaceSource {
    Typed,   ///< Typed by hand, or the zone from the zone picker.
    Atlas,   ///< Set from an atlas place and left as it set them.
    Record,  ///< Read from a saved record, which keeps no place names.
};

// The birth place as the entry gave it.
struct BirthPlace {
    std::string city;  ///< As typed, trimmed; empty when not given.
    std::string state;
    std::string country;
    PlaceSource coordinatesFrom = PlaceSource::Typed;
    PlaceSource zoneFrom = PlaceSource::Typed;
    /// The atlas place whose coordinates or zone are used ("Auckland, New
    /// Zealand"); empty when neither came from the atlas.
    std::string atlasPlace;
    /// The atlas zone ("Pacific/Auckland") when the zone came from the atlas.
    std::string timeZoneId;

    /// "Chennai, Tamil Nadu, India", the empty ones left out.
    std::string Names() const;

    friend bool operator==(const BirthPlace&, const BirthPlace&) = default;
};

}  // namespace nyra
