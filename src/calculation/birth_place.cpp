#include "calculation/birth_place.h"

namespace nyra {

std::string BirthPlace::Names() const {
    std::string names;
    for (const std::string* part : {&city, &state, &country}) {
        if (part->empty()) continue;
        if (!names.empty()) names += ", ";
        names += *part;
    }
    return names;
}

}  // namespace nyra
