// The panchanga of the birth moment: tithi with paksha, yoga, karana and
// vara, each with the instants it began and ends, and the sunrise and
// sunset of the birth day at the place. Values only (numbers, instants);
// the words layer names them.
//
// The Moon is the reading's: the engine's series and ayanamsa on the
// Classic basis, Swiss Ephemeris with the chosen ayanamsa on the Precise
// one. The Sun comes from Swiss Ephemeris on both (its built-in Moshier
// theory where no files are installed, well under an arcsecond for the
// Sun); on the Classic basis its tropical place is made sidereal with the
// engine's own ayanamsa, so that both bodies share one zero point.
//
// Cost: besides the reading, two Sun positions, about four Moon positions
// on the Precise basis (none on the Classic) and the true ayanamsa; the
// risings are computed from the same Sun (BENCHMARKS.md).
#pragma once

#include "base/result.h"
#include "basis/moon_basis.h"
#include "engine/birth_record.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "panchanga/dasha.h"
#include "precise/precise_moon.h"

#include <optional>
#include <vector>

namespace nyra {

// A change time lies within this of the true change on the basis's Moon
// and the library's Sun (panchanga.cpp proves under half of it).
inline constexpr double kPanchangaCrossingSeconds = 1.0;

// Widths of the limbs, in degrees of the Moon's lead over the Sun (tithi,
// karana) or of the sum of their sidereal longitudes (yoga).
inline constexpr double kTithiWidthDeg = 12.0;
inline constexpr double kKaranaWidthDeg = 6.0;
inline constexpr double kYogaWidthDeg = 40.0 / 3.0;

// Where on the sky the Sun's rising and setting are taken: the upper limb
// of its disc on the sea horizon of the place, lifted by the standard
// refraction at the horizon (34′), as civil almanacs give them and as Swiss
// Ephemeris' swe_rise_trans does by default (ours agree with it within
// seconds). Not the disc's centre without refraction that some Vedic
// almanacs use, which comes about four minutes later. The wording names it.
enum class SunriseConvention { UpperLimbWithRefraction };
inline constexpr SunriseConvention kSunriseConvention = SunriseConvention::UpperLimbWithRefraction;

// A place on the Earth for risings and settings.
struct GeoPlace {
    double eastLongitudeDeg = 0;  ///< East positive.
    double northLatitudeDeg = 0;  ///< North positive.
};

// One limb of the panchanga at the birth: which one, and when it began
// and ends (universal time in `centuries`, clock time at the birth place
// in `local`, as a Span's crossings).
struct Limb {
    int number = 1;  ///< Tithi 1..30, yoga 1..27, karana's half-tithi 1..60, vara's weekday 0..6.
    Crossing began;  ///< When it began (vara: the sunrise that began the day).
    Crossing ends;   ///< When it ends (vara: the next sunrise).
};

enum class Paksha {
    Shukla,   ///< The bright half: tithis 1..15, the Moon waxing.
    Krishna,  ///< The dark half: tithis 16..30.
};

// The eleven karanas in their fixed order: the seven movable ones that
// repeat eight times from the second half of Shukla Pratipada, then the
// four fixed ones, which hold the last three halves of Krishna Chaturdashi
// and Amavasya and the first half of Shukla Pratipada.
enum class Karana { Bava, Balava, Kaulava, Taitila, Garaja, Vanija, Vishti, Shakuni, Chatushpada, Naga, Kimstughna };
inline constexpr int kKaranaCount = 11;

// Paksha of a tithi 1..30.
Paksha PakshaOf(int tithi);
// Karana of a half-tithi 1..60 (1 is the first half of Shukla Pratipada).
Karana KaranaOfHalfTithi(int halfTithi);
// Weekday 0 (Sunday, Ravivara) .. 6 (Saturday) of a civil date.
int WeekdayOf(int year, int month, int day);

struct Panchanga {
    Basis basis;  ///< Whose Moon it was computed with.
    Limb tithi;   ///< number 1..30: the Moon's lead over the Sun in 12° steps.
    Paksha paksha = Paksha::Shukla;
    Limb yoga;                               ///< number 1..27: the sum of the sidereal longitudes in 13°20′ steps.
    Limb karana;                             ///< number: the half-tithi 1..60.
    Karana karanaName = Karana::Kimstughna;  ///< Which of the eleven the half-tithi is.
    /// The weekday 0 (Sunday) .. 6 (Saturday) of the day the birth belongs
    /// to, which begins at sunrise at the place: a birth before sunrise
    /// belongs to the day before. Where the Sun did not rise (a polar day
    /// or night) the civil date's weekday, from midnight to midnight.
    Limb vara;
    /// The sunrise that began the birth's day and the sunset that followed
    /// it (kSunriseConvention); empty where the Sun did not rise or set.
    std::optional<Crossing> sunrise;
    std::optional<Crossing> sunset;
    /// The birth's tithi began after the day's sunrise and ends before the
    /// next: no sunrise falls in it (a kshaya tithi).
    bool tithiIsKshaya = false;
    double moonSiderealDeg = 0;  ///< At the birth, on the basis, 0..360.
    double sunSiderealDeg = 0;   ///< At the birth, the same zero point, 0..360.
    /// The Moon and Sun positions asked for this (the reading's own not
    /// included), and whether any came from the Moshier fallback.
    LibraryUse library;
};

// The birth's place for its sunrise: the record's longitude and latitude.
GeoPlace PlaceOf(const BirthRecord& birth);

// The panchanga of `reading`'s birth at `place`. Fails with the library's
// reason, or with kOutsideEphemerisYears for an instant outside its years.
Result<Panchanga> ComputePanchanga(const MoonReading& reading, const GeoPlace& place);

// Which limb of the panchanga a window walks.
enum class LimbKind { Tithi, Yoga, Karana, Vara };

// One value a limb takes in a time window, and its part of the window.
struct LimbShare {
    int number = 0;   ///< As Limb::number.
    LocalTime from;   ///< The window's start, or the change into it.
    LocalTime to;     ///< The change out of it, or the window's end.
    int minutes = 0;  ///< Whole clock minutes from `from` to `to`.
    int percent = 0;  ///< Whole percent; the shares add up to 100.
};

struct PanchangaWindow {
    TimeWindow window;
    LocalTime start, end;  ///< As WindowResult's.
    /// Per limb (LimbKind's order), every value taken in the window in time
    /// order, at least one.
    std::vector<LimbShare> limbs[4];
    /// The dasha balance over the window: one range per nakshatra met.
    std::vector<BalanceRange> balance;
    LibraryUse library;
};

// Every value each limb takes within `window` around `reading`'s birth, with
// its share, and the dasha balance as a range. The window is the time
// window's (SignsInWindow): clock time at the place with the birth's own
// difference from universal time.
Result<PanchangaWindow> PanchangaInWindow(const MoonReading& reading, const GeoPlace& place, const TimeWindow& window);

}  // namespace nyra
