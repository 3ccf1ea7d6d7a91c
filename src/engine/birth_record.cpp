#include "engine/birth_record.h"

#include <cstdlib>

namespace nyra {

bool StoreSignedZone(BirthRecord& record, int hours, int minutes, bool minusSign) {
    const int hourSize = std::abs(hours);
    const int minuteSize = std::abs(minutes);
    if (hourSize > kInt16Max || minuteSize > kInt16Max) return false;
    record.ZoneHours = static_cast<std::int16_t>(hourSize);
    record.ZoneMinutes = static_cast<std::int16_t>(minuteSize);
    record.ZoneIsEast = minusSign || hours < 0 || minutes < 0 ? kTrue : kFalse;
    return true;
}

}  // namespace nyra
