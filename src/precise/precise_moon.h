// A precise second opinion on the Moon: its apparent geocentric longitude
// from Swiss Ephemeris, tropical and sidereal for a chosen ayanamsa. The
// program's own sign still comes from the engine; this only checks it.
//
// Swiss Ephemeris keeps global state (file handles, the sidereal mode, the
// ephemeris folder) and is not thread-safe: every call into it goes through
// this module, one call at a time. Debian's build keeps that state per
// thread, so the module also gives each calling thread the folder.
#pragma once

#include "base/language.h"
#include "engine/ephemeris.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nyra {

// The schools whose ayanamsa may be chosen, each one of the library's own
// sidereal modes.
enum class Ayanamsa { Lahiri, Krishnamurti, Raman, TrueChitrapaksha, FaganBradley, Yukteshwar };

inline constexpr Ayanamsa kDefaultAyanamsa = Ayanamsa::Lahiri;

struct AyanamsaInfo {
    Ayanamsa id;
    std::string_view key;          ///< For command lines and settings: "lahiri", "kp", ...
    std::string_view displayName;  ///< For people: "Lahiri", "Krishnamurti (KP)", ...
    std::string_view hindiName;  ///< The same in Hindi: "लाहिड़ी", "कृष्णमूर्ति (केपी)", ...

    /// displayName or hindiName.
    constexpr std::string_view DisplayName(Language language) const {
        return language == Language::Hindi ? hindiName : displayName;
    }
};

// Every ayanamsa offered, in the order a list shows them (the default first).
std::span<const AyanamsaInfo> Ayanamsas();
const AyanamsaInfo& InfoOf(Ayanamsa ayanamsa);
// Nothing for a key that names no ayanamsa (keys are matched exactly).
std::optional<Ayanamsa> AyanamsaFromKey(std::string_view key);

enum class EphemerisSource {
    SwissEphemeris,  ///< The library's files (semo_*.se1 and friends) were read.
    Moshier,         ///< Files missing: the library's built-in analytical fallback.
};
// "Swiss Ephemeris" or "Moshier ephemeris". The library and its theory keep
// their names in Latin letters in every language, as people look them up.
std::string_view EphemerisName(EphemerisSource source, Language language = Language::English);
// How a line names where a precise position came from: "(Swiss Ephemeris)",
// or "(Swiss Ephemeris, Moshier theory: ephemeris files not found)".
std::string_view EphemerisNote(EphemerisSource source, Language language = Language::English);

// What a precise result asked of the library. Every call's returned flags
// are looked at, so one position from the fallback among many shows here.
struct LibraryUse {
    int moonPositions = 0;     ///< Moon positions computed by the library (each with its daily motion).
    int sunPositions = 0;      ///< Sun positions, the same.
    bool usedMoshier = false;  ///< Some answer came from the built-in Moshier theory, not the files.

    EphemerisSource source() const { return usedMoshier ? EphemerisSource::Moshier : EphemerisSource::SwissEphemeris; }
    LibraryUse& operator+=(const LibraryUse& more) {
        moonPositions += more.moonPositions;
        sunPositions += more.sunPositions;
        usedMoshier = usedMoshier || more.usedMoshier;
        return *this;
    }
};

// The years the installed files cover, in universal time: 1 Jan 1800 00:00
// to 1 Jan 2400 00:00 (Debian's swe-basic-data: sepl_18.se1 and
// semo_18.se1, which reach a few days further in dynamical time). Outside
// them the library would quietly switch to Moshier; this module refuses
// such an instant instead, so that a birth at the edge is never taken for
// missing files.
inline constexpr double kEphemerisFirstJulianDayUt = 2378496.5;
inline constexpr double kEphemerisEndJulianDayUt = 2597641.5;
// The reason given for such an instant, after what was outside.
inline constexpr std::string_view kOutsideEphemerisYears = "is outside the ephemeris files' years 1800\u20132399";

struct PreciseMoon {
    /// Empty when the position was computed; otherwise the library's reason
    /// (or that the instant lies outside the files' years), and every number
    /// below is meaningless.
    std::string error;
    double tropicalDeg = 0;     ///< Apparent geocentric ecliptic longitude, equinox of date, 0..360.
    double siderealDeg = 0;     ///< The same less the ayanamsa, 0..360.
    double ayanamsaDeg = 0;     ///< True ayanamsa (nutation included) that was subtracted.
    double speedDegPerDay = 0;  ///< Daily motion in sidereal longitude.
    /// Moshier when any of the calls behind these numbers answered from it.
    EphemerisSource ephemeris = EphemerisSource::SwissEphemeris;
    Ayanamsa ayanamsa = kDefaultAyanamsa;

    bool ok() const { return error.empty(); }
};

// The Moon at an instant in universal time (the library adds ΔT itself):
// two Moon positions and the ayanamsa. An instant outside the files' years
// is an error (kOutsideEphemerisYears), not a fallback.
PreciseMoon PreciseMoonAt(double julianDayUt, Ayanamsa ayanamsa = kDefaultAyanamsa);

// The instant the engine computed a chart for, as a Julian day in universal
// time, with the engine's own conventions for zone and daylight saving.
double ChartJulianDayUt(const EngineRecord& chart);

// Sign 0 (Mesha) .. 11 (Meena) of a sidereal longitude in degrees.
int SignOfLongitude(double siderealDeg);

// Position within the sign, truncated like the engine's text and with
// two-digit minutes and seconds: "0° 38′ 01″".
std::string DegreesInSignText(double siderealDeg);

// Where Debian's swe-basic-data puts the ephemeris files.
inline constexpr std::string_view kDefaultEphemerisFolder = "/usr/share/libswe/ephe";

// Points the library at another folder of ephemeris files (an empty or
// missing folder makes it fall back to Moshier).
void SetEphemerisFolder(std::string_view folder);

}  // namespace nyra
