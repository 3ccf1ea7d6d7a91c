#include "zones/time_zone_table.h"

namespace nyra {

const TimeZoneRow* TimeZoneAt(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= TimeZoneTable.size()) return nullptr;
    return &TimeZoneTable[static_cast<std::size_t>(row)];
}

} // namespace nyra
