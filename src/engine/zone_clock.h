// The clock of a zone whose rules are known (an atlas place's), over the
// days around a birth: change times are read on the clock in force at each
// instant, so a sign entered before a daylight saving change reads as the
// clocks showed then. Plain C++: the atlas fills it from the time zone
// database.
#pragma once

#include "engine/moon_detail.h"

#include <optional>
#include <vector>

namespace nyra {

struct ZoneClock {
    struct Change {
        double centuries = 0;  ///< From this instant on (Julian centuries from J2000.0) ...
        int minutesEast = 0;   ///< ... the clock is this far ahead of universal time.
        friend bool operator==(const Change&, const Change&) = default;
    };
    /// In time order; the first holds from before the days the clock covers.
    /// Empty when the zone is not known: a typed zone keeps the birth's clock.
    std::vector<Change> changes;

    /// The clock's lead at an instant, or nothing for a clock not known.
    std::optional<int> MinutesEastAt(double centuries) const;

    friend bool operator==(const ZoneClock&, const ZoneClock&) = default;
};

// The span's crossings read on `clock`; a crossing is left as it was where
// the clock is not known or its lead then is the one it was read on.
void ReadOnClock(Span& span, const ZoneClock& clock);

}  // namespace nyra
