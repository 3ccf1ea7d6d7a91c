#include "engine/zone_clock.h"

#include <algorithm>

namespace nyra {
namespace {

void ReadOnClock(Crossing& crossing, const ZoneClock& clock) {
    const std::optional<int> minutesEast = clock.MinutesEastAt(crossing.centuries);
    if (!minutesEast || *minutesEast == crossing.clockMinutesEast) return;
    crossing.local = ClockTimeAt(crossing.centuries, *minutesEast);
    crossing.clockMinutesEast = *minutesEast;
}

}  // namespace

std::optional<int> ZoneClock::MinutesEastAt(double centuries) const {
    if (changes.empty()) return std::nullopt;
    // The last change at or before the instant; the first before them all.
    const auto after = std::upper_bound(changes.begin(), changes.end(), centuries,
                                        [](double t, const Change& change) { return t < change.centuries; });
    return (after == changes.begin() ? after : std::prev(after))->minutesEast;
}

void ReadOnClock(Span& span, const ZoneClock& clock) {
    ReadOnClock(span.entered, clock);
    ReadOnClock(span.leaves, clock);
}

}  // namespace nyra
