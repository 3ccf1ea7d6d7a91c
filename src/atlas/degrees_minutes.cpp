#include "atlas/atlas.h"

#include <cmath>

namespace nyra {

DegreesMinutes SplitDegrees(double angleDeg) {
    const long long totalMinutes = std::llround(std::fabs(angleDeg) * 60.0);
    DegreesMinutes dm;
    dm.degrees = static_cast<int>(totalMinutes / 60);
    dm.minutes = static_cast<int>(totalMinutes % 60);
    // A place that rounds to 0° 0' keeps no side.
    dm.negative = angleDeg < 0.0 && totalMinutes != 0;
    return dm;
}

}  // namespace nyra
