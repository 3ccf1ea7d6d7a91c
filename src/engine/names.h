// What the engine counts, named in each language: the 12 signs, the 27
// nakshatras, the planets that rule the signs and the nakshatras, and the
// months. Beside the engine's own English tables (RashiNames,
// kNakshatraNames, kNakshatraLords, kMonthNames), which the English here
// is held to at compile time. The signs' Western names and texts are the
// sign knowledge base's (signs/rashi_information.h). Plain C++.
#pragma once

#include "base/language.h"

#include <string_view>

namespace nyra {

// Sign 0 (Mesha, मेष) .. 11 (Meena, मीन), as RashiNames numbers and spells
// them; empty for any other number.
std::string_view SignName(int sign, Language language);
// The sign RashiNames spells `rashiName` ("Thula", as EngineRecord's
// RashiName holds it), in `language` ("तुला"); a name that is no sign's is
// given back as it is.
std::string_view SignNameFor(std::string_view rashiName, Language language);

// Nakshatra 0 (Ashwini, अश्विनी) .. 26 (Revati, रेवती), numbered as the
// engine's NakshatraAt numbers them; empty for any other number.
std::string_view NakshatraName(int nakshatra, Language language);

// A planet by its English name as the engine and the sign tables write it
// ("Ketu", "Venus", "Sun", "Moon", ...; "Moon" is चन्द्र); empty for a name
// that is no planet's.
std::string_view PlanetName(std::string_view englishName, Language language);

// Month 1 (January, जनवरी) .. 12 (December, दिसम्बर), as BirthMonth counts;
// empty for any other number.
std::string_view MonthName(int month, Language language);

}  // namespace nyra
