#include "zones/time_zone_table.h"

namespace nyra {

const TimeZoneRow* TimeZoneAt(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= kTimeZoneTable.size()) return nullptr;
    return &kTimeZoneTable[static_cast<std::size_t>(row)];
}

}  // namespace nyra
