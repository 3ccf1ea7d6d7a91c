// The Moon in detail, from the engine's own results: nakshatra and pada,
// and when the Moon entered and leaves its sign and nakshatra, found with the
// same series, ayanamsa and birth-instant conventions as the chart.
#pragma once

#include "base/language.h"
#include "engine/ephemeris.h"

#include <array>
#include <string>
#include <string_view>

namespace nyra {

inline constexpr auto kNakshatraNames = std::to_array<std::string_view>({
    // clang-format off
    "Ashwini",       "Bharani",         "Krittika",       "Rohini",           "Mrigashira",
    "Ardra",         "Punarvasu",       "Pushya",         "Ashlesha",         "Magha",
    "Purva Phalguni", "Uttara Phalguni", "Hasta",          "Chitra",           "Swati",
    "Vishakha",      "Anuradha",        "Jyeshtha",       "Mula",             "Purva Ashadha",
    "Uttara Ashadha", "Shravana",       "Dhanishta",      "Shatabhisha",      "Purva Bhadrapada",
    // clang-format on
    "Uttara Bhadrapada",
    "Revati",
});
static_assert(kNakshatraNames.size() == 27);

// Lords of the nakshatras, repeating three times from Ashwini.
inline constexpr auto kNakshatraLords = std::to_array<std::string_view>({
    "Ketu",
    "Venus",
    "Sun",
    "Moon",
    "Mars",
    "Rahu",
    "Jupiter",
    "Saturn",
    "Mercury",
});
static_assert(kNakshatraNames.size() == 3 * kNakshatraLords.size());

struct Nakshatra {
    int index = 0;  ///< 0 (Ashwini) .. 26 (Revati): 13° 20' each from 0° Mesha.
    int pada = 1;   ///< Quarter of the nakshatra, 1..4: 3° 20' each.
    std::string_view name;
    std::string_view lord;
};

Nakshatra NakshatraAt(double siderealDeg);

// A civil date and clock time at the birth place.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// One crossing of a boundary by the Moon.
struct Crossing {
    double centuries = 0;  ///< Julian centuries from J2000.0, as the engine counts.
    LocalTime local;       ///< Clock time at the birth place, to the nearest minute.
    /// The lead on universal time of the clock `local` reads: the birth's
    /// own, or that of the zone's clock then (engine/zone_clock.h).
    int clockMinutesEast = 0;
};

// The stretch of sky the Moon was in at birth, between two boundaries.
struct Span {
    int index = 0;     ///< Sign 0..11 or nakshatra 0..26.
    Crossing entered;  ///< When the Moon crossed the lower boundary.
    Crossing leaves;   ///< When it crosses the upper boundary.
    /// Signed minutes from the birth to the nearer crossing: negative when
    /// that crossing lies before the birth.
    double minutesFromNearerChange = 0;
};

// The sign and the nakshatra the Moon was in at birth, with their crossings.
Span FindSignSpan(const EngineRecord& chart);
Span FindNakshatraSpan(const EngineRecord& chart);

// The Moon's sidereal longitude at T by the engine's series and ayanamsa.
double SiderealMoonAt(double centuries);

// Clock time at the birth place for an instant: the birth's own difference
// between clock and universal time (zone, daylight saving, direction).
LocalTime LocalTimeAt(double centuries, const EngineRecord& chart);

// Clock time for an instant on a clock `minutesEast` ahead of universal time.
LocalTime ClockTimeAt(double centuries, int minutesEast);

// The birth's own lead of the clock on universal time, in whole minutes.
int BirthClockMinutesEast(const EngineRecord& chart);

// An instant on the birth's clock.
Crossing CrossingAt(double centuries, const EngineRecord& chart);

// "2000-01-02 09:51"
std::string FormatIsoMinute(const LocalTime& t);

// The texts below are worded in `language`, English by default. Numbers
// stay in Western digits in every language, the marks of degrees, minutes
// and seconds too; names are the language's (engine/names.h). Hindi
// sentences end in a danda (।) where the English ends in a full stop.

// "2 Jan 2000 at 09:51"; "2 जनवरी 2000 को 09:51 बजे"
std::string FormatLongMinute(const LocalTime& t, Language language = Language::English);

// "19° 27′ 44″ in Thula"; "तुला राशि में 19° 27′ 44″"
std::string PositionInSignText(const EngineRecord& chart, Language language = Language::English);
// The same for any sidereal longitude 0..360 (another basis's), written
// exactly as the chart's is.
std::string PositionInSignText(double siderealDeg, Language language = Language::English);
// "23° 51′ 26″": an angle below 30°, truncated to the second as the
// position texts are.
std::string DegreesMinutesSecondsText(double deg);
// "23° 51′ 26″": the ayanamsa (minus the engine's shift) in degrees,
// minutes and seconds.
std::string AyanamsaText(const EngineRecord& chart);
inline constexpr std::string_view kAyanamsaName = "Lahiri (Chitrapaksha)";
// kAyanamsaName in `language`: "लाहिड़ी (चित्रपक्ष)".
std::string_view EngineAyanamsaName(Language language = Language::English);

// Births this close to a change of sign or nakshatra get a notice.
inline constexpr double kNoticeMinutes = 120.0;

// "The Moon entered Thula on 31 Dec 1999 at 22:14 and leaves it on
// 2 Jan 2000 at 09:51 (local time)."
std::string SignSpanSentence(const Span& sign, Language language = Language::English);
// "Nakshatra Ashlesha from 15 Aug 1947, 21:10 to 16 Aug 1947, 23:02", in
// local time like the sign's sentence.
std::string NakshatraSpanSentence(const Span& nakshatra, Language language = Language::English);
// The notice for a birth within kNoticeMinutes of a change of sign, or "".
std::string SignChangeNotice(const Span& sign, Language language = Language::English);
// The same for the nakshatra, or "".
std::string NakshatraChangeNotice(const Span& nakshatra, Language language = Language::English);

}  // namespace nyra
