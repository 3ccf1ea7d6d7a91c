// The sign knowledge base: a fixed body of descriptive text for each of the
// twelve Moon signs. Plain C++.
#pragma once

#include "base/language.h"
#include "engine/names.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nyra {

// The 27 texts of one sign, in table order. In Hindi the same fields hold
// the Hindi texts: VedicName "मेष" .. "मीन", EnglishName the Western name
// as Hindi writes it ("एरीज़" .. "पाइसीज़"), the sign lists by their Hindi
// names.
struct SignDescription {
    std::string VedicName;             ///< Sanskrit sign name, "Mesha" .. "Meena".
    std::string EnglishName;           ///< Western sign name, "Aries" .. "Pisces".
    std::string RullingPlanet;         ///< Ruling planet.
    std::string Symbol;                ///< Symbol of the sign.
    std::string InbornNature;          ///< Element.
    std::string SignColor;             ///< Colour of the sign.
    std::string TypeOfSign;            ///< Movable, fixed or mixed.
    std::string Gender;                ///< Male or female sign.
    std::string BestPeriodOfActivity;  ///< Day or night sign.
    std::string Barren;                ///< Fertility class.
    std::string SignCaste;             ///< Caste class.
    std::string SignPosition;          ///< Position class.
    std::string ConstituentCharacter;  ///< Constituent class.
    std::string LuckyDays;             ///< Lucky week days.
    std::string LuckyNumbers;          ///< Lucky numbers.
    std::string BestDirection;         ///< Lucky direction.
    std::string LuckyColors;           ///< Lucky colours.
    std::string LuckyGemstone;         ///< Lucky gemstone.
    std::string PartOfTheBody;         ///< Part of the body ruled.
    std::string Physique;              ///< Stature.
    std::string Looks;                 ///< Paragraph: physical appearance.
    std::string Nature;                ///< Paragraph: character.
    std::string CareerAndFinance;      ///< Paragraph: career and money habits.
    std::string LoveAndDomesticLife;   ///< Paragraph: love, marriage, family.
    std::string Health;                ///< Paragraph: health weaknesses.
    std::string CompatibleWith;        ///< Compatible signs (Western names).
    std::string NotCompatibleWith;     ///< Incompatible signs (Western names).

    friend bool operator==(const SignDescription&, const SignDescription&) = default;
};

inline constexpr int kSignCount = 12;
inline constexpr int kSignFieldCount = 27;

// Each field's name and member, in table order, for code that walks all 27
// (the batch tool's columns, tests).
struct SignField {
    std::string_view name;
    std::string SignDescription::*member;
};
extern const std::array<SignField, kSignFieldCount> kSignFields;

// The texts of sign 0..11 (0 = Mesha); all 27 empty for any other number.
SignDescription SignDescriptionAt(int sign);
SignDescription SignDescriptionAt(int sign, Language language);

// The sign whose English VedicName (the engine's RashiName) equals `name`
// exactly (case-sensitive), or nothing when no sign has that name. The
// name is always the English one; `language` chooses the texts.
std::optional<SignDescription> DescribeMoonSign(std::string_view name);
std::optional<SignDescription> DescribeMoonSign(std::string_view name, Language language);

// Sign 0..11 by its EnglishName ("Aries", "एरीज़"), the same text
// SignDescriptionAt gives; empty for any other number. Its VedicName
// ("Mesha", "मेष") is SignName (engine/names.h).
std::string_view WesternSignName(int sign, Language language);

}  // namespace nyra
