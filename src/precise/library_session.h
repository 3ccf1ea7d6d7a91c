// The one way into Swiss Ephemeris, for the files of this folder and of
// src/panchanga only: a
// session holds the library's lock for one result, gives this thread the
// ephemeris folder and the sidereal mode, and tallies what every call
// answered (LibraryUse). Nothing else calls the library, so the tally is
// the whole truth about a result.
#pragma once

#include "base/result.h"
#include "precise/precise_moon.h"

#include <mutex>

namespace nyra::precise {

// The Moon at one instant, as the library gives it.
struct MoonPosition {
    double longitudeDeg = 0;  ///< 0..360, tropical or sidereal as asked.
    double degPerDay = 0;     ///< Its daily motion.
};

// The Sun at one instant, as the library gives it.
struct SunPosition {
    double longitudeDeg = 0;  ///< 0..360, tropical or sidereal as asked.
    double degPerDay = 0;     ///< Its daily motion.
    double distanceAu = 1;    ///< From the Earth, astronomical units.
};

class LibrarySession {
public:
    explicit LibrarySession(Ayanamsa ayanamsa);
    LibrarySession(const LibrarySession&) = delete;
    LibrarySession& operator=(const LibrarySession&) = delete;

    // The apparent geocentric Moon at `julianDayUt`, sidereal for the
    // session's ayanamsa or tropical. An instant outside the files' years is
    // refused before the library is asked.
    Result<MoonPosition> Moon(double julianDayUt, bool sidereal);
    // The true ayanamsa (nutation included) at `julianDayUt`, degrees.
    Result<double> TrueAyanamsa(double julianDayUt);
    // The apparent geocentric Sun at `julianDayUt`, sidereal for the
    // session's ayanamsa or tropical.
    Result<SunPosition> Sun(double julianDayUt, bool sidereal);

    const LibraryUse& use() const { return use_; }

private:
    std::unique_lock<std::mutex> lock_;
    LibraryUse use_;
};

// "universal time 31 Dec 1799 at 09:01"
std::string UniversalTimeText(double julianDayUt);

// An instant the files do not cover, as a Problem naming `what`.
Problem OutsideEphemerisYears(const std::string& what);

}  // namespace nyra::precise
