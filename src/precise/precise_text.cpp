#include "precise/precise_text.h"

namespace nyra {

PreciseTexts DescribePrecise(const PreciseMoon& moon, std::string_view describedSign) {
    PreciseTexts texts;
    if (!moon.ok()) {
        texts.line = "Precise position: not available \u2014 Swiss Ephemeris could not compute the Moon for this birth.";
        texts.toolTip = "Swiss Ephemeris: " + moon.error;
        return texts;
    }
    const std::string position = DegreesInSignText(moon.siderealDeg);
    const std::string sign(RashiNames[static_cast<std::size_t>(SignOfLongitude(moon.siderealDeg))].name);
    const std::string ayanamsa(InfoOf(moon.ayanamsa).displayName);
    // Without its files the library computes from its Moshier theory: the
    // line must not pass that off as the usual figure.
    texts.line = moon.ephemeris == EphemerisSource::Moshier
                     ? "Precise position: " + position + " in " + sign + ", " + ayanamsa + " " +
                           std::string(EphemerisNote(moon.ephemeris))
                     : "Precise position: " + position + " in " + sign + " (" +
                           std::string(EphemerisName(moon.ephemeris)) + ", " + ayanamsa + ")";
    if (sign == describedSign) {
        texts.line += " \u2014 same sign.";
    } else {
        const std::string described(describedSign);
        texts.notice = "A precise ephemeris puts the Moon in " + sign + " (" + position +
                       "). This program's traditional formula gives " + described + "; the descriptions below are for " +
                       described + ".";
    }
    texts.toolTip = moon.ephemeris == EphemerisSource::Moshier
                        ? "No Swiss Ephemeris files were found in " + std::string(kDefaultEphemerisFolder) +
                              ", so the library's built-in Moshier ephemeris was used."
                        : "The Moon's apparent position from Swiss Ephemeris, in the sidereal zodiac of the chosen "
                          "ayanamsa.";
    return texts;
}

} // namespace nyra
