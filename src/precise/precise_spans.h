// The Moon of a chart from Swiss Ephemeris alone: its sidereal longitude at
// the birth, and when it entered and leaves its sign and nakshatra, found by
// root-finding on the library's own positions. The birth instant and the
// clock the crossings are told in are the engine's (ComputeMoonChart), so a
// precise span reads exactly like the engine's.
#pragma once

#include "base/result.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "precise/precise_moon.h"

namespace nyra {

// A change time lies within this of the library's true crossing (the
// search's own bound is a twentieth of it).
inline constexpr double kPreciseCrossingSeconds = 1.0;

struct PreciseChart {
    double siderealDeg = 0;  ///< Apparent sidereal longitude at the birth, 0..360.
    double ayanamsaDeg = 0;  ///< True ayanamsa at the birth, degrees.
    double degPerDay = 0;    ///< Daily motion in sidereal longitude at the birth.
    Span sign;               ///< The sign at the birth and its crossings.
    Span nakshatra;          ///< The nakshatra at the birth and its crossings.
    LibraryUse library;      ///< Typically 7 Moon positions: the birth's and three a side.
};

// The precise Moon of `chart`'s birth: its instant is ChartJulianDayUt(chart)
// and the crossings' clock times are LocalTimeAt(·, chart). Fails with the
// library's reason, or with kOutsideEphemerisYears when the birth or one of
// its four crossings lies outside the files' years.
Result<PreciseChart> PreciseChartOf(const EngineRecord& chart, Ayanamsa ayanamsa);

// The sign (or nakshatra) the Moon was in at `centuries` (Julian centuries
// from J2000.0 in universal time, as the engine counts), with both
// crossings, in the clock of `chart`; what the library was asked is added
// to `use`. A crossing before `fromCenturies` or after `toCenturies` is
// given as that limit once a position shows it lies beyond: the time
// window's walk, which asks this of each neighbouring span, needs no more
// (pass infinities for the whole span).
Result<Span> PreciseSpanAt(const EngineRecord& chart, double centuries, WindowOf of, Ayanamsa ayanamsa,
                           double fromCenturies, double toCenturies, LibraryUse& use);

}  // namespace nyra
