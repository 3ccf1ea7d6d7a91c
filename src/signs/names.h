// Names shown beside the sign texts, in each language: the 27 nakshatras,
// the planets that rule the signs and the nakshatras, and the months. The
// signs' own names are SignName and WesternSignName (rashi_information.h).
// Plain C++.
#pragma once

#include "signs/language.h"

#include <string_view>

namespace nyra {

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

} // namespace nyra
