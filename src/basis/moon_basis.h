// One way to ask for the Moon of a birth, whichever calculation basis the
// person chose: Classic, the program's own series and ayanamsa (the default,
// and exactly what ComputeMoonChart, FindSignSpan and SignsInWindow give),
// or Precise, Swiss Ephemeris' apparent Moon with a chosen ayanamsa, where
// every figure (longitude, sign, nakshatra, change times, notices, time
// window) comes from the library. The birth instant and the clock the times
// are told in are the engine's on both.
//
// The texts of a reading come from the functions that already write them:
// SignSpanSentence(reading.signSpan), NakshatraSpanSentence(...),
// SignChangeNotice, NakshatraChangeNotice, TimeWindowSentence and
// TimeWindowCell; PositionInSignText and AyanamsaText below.
#pragma once

#include "base/language.h"
#include "base/result.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"
#include "engine/time_window.h"
#include "precise/precise_moon.h"

#include <string>
#include <string_view>

namespace nyra {

enum class BasisKind { Classic, Precise };

struct Basis {
    BasisKind kind = BasisKind::Classic;
    /// The ayanamsa of the Precise basis. Classic always has the engine's own
    /// (kAyanamsaName) and keeps this at its default.
    Ayanamsa ayanamsa = kDefaultAyanamsa;

    static constexpr Basis Classic() { return {}; }
    static constexpr Basis Precise(Ayanamsa ayanamsa = kDefaultAyanamsa) { return {BasisKind::Precise, ayanamsa}; }
    friend bool operator==(const Basis&, const Basis&) = default;
};

// The Moon of one birth on one basis.
struct MoonReading {
    Basis basis;  ///< What it was computed on.
    /// The engine's run for the birth. Its instant (Centuries, UniversalHours,
    /// DayNumber) and clock (LocalHours against UniversalHours) are the
    /// reading's on either basis; its MoonLongitude, MoonPositionText and
    /// RashiName are the Classic figures, on the Precise basis too.
    EngineRecord chart;
    double siderealDeg = 0;      ///< The Moon's sidereal longitude on the basis, 0..360 degrees.
    double ayanamsaDeg = 0;      ///< The ayanamsa subtracted, degrees (Classic: -chart.AyanamsaShift).
    std::string positionText;    ///< As the engine writes positions: 19° 27' 44" Lib.
    int sign = 0;                ///< 0 (Mesha) .. 11 (Meena).
    std::string_view rashiName;  ///< "Mesha" .. "Meena": the key of the sign's description.
    Nakshatra nakshatra;         ///< Nakshatra, pada and lord.
    Span signSpan;               ///< When the Moon entered and leaves the sign (minutes from the nearer change).
    Span nakshatraSpan;          ///< The same for the nakshatra.
    /// Precise: the Moon positions asked of the library (at most ten) and
    /// whether any came from its Moshier fallback. Classic: none.
    LibraryUse library;
};

// The reading of `birth` on `basis`. Classic cannot fail. Precise fails with
// the library's reason, or with kOutsideEphemerisYears when the birth or a
// change of its sign or nakshatra lies outside the files' years (1800-2399
// in universal time); missing files are not a failure but the Moshier
// fallback, which `library.usedMoshier` reports.
Result<MoonReading> ReadMoon(const BirthRecord& birth, const Basis& basis);

// "19° 27′ 44″ in Thula"; "तुला राशि में 19° 27′ 44″"
std::string PositionInSignText(const MoonReading& reading, Language language = Language::English);
// "23° 51′ 13″"
std::string AyanamsaText(const MoonReading& reading);
// "Lahiri (Chitrapaksha)" for Classic; the chosen ayanamsa's display name
// ("Lahiri", "Krishnamurti (KP)", ...) for Precise. In Hindi "लाहिड़ी
// (चित्रपक्ष)", "लाहिड़ी", "कृष्णमूर्ति (केपी)", ...
std::string_view AyanamsaName(const Basis& basis, Language language = Language::English);

// A time window on a reading's basis.
struct BasisWindow {
    WindowResult window;
    /// Precise: the Moon positions its own searches asked beyond the
    /// reading's, and whether any position behind it, the reading's
    /// included, came from the Moshier fallback.
    LibraryUse library;
};

// SignsInWindow and NakshatrasInWindow on the reading's basis. Classic gives
// what SignsInWindow(reading.chart, window) gives. Precise starts from the
// reading's own spans, so the changes next to the birth are the ones it
// shows, and fails as ReadMoon does for a neighbouring span.
Result<BasisWindow> SignsInWindow(const MoonReading& reading, const TimeWindow& window);
Result<BasisWindow> NakshatrasInWindow(const MoonReading& reading, const TimeWindow& window);

}  // namespace nyra
