// Search keys for place names: what a person types on an ordinary keyboard
// has to find "São Paulo", "Łódź Voivodeship" or "N'dalatando".
#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace nyra {

// Latin letters that have no decomposition, so NFKD leaves them whole; each
// is spelled as a person without the letter on the keyboard would type it.
// Case folding runs first, so only the small letters are listed.
struct Respelling {
    char32_t letter;
    const char* plain;
};
inline constexpr auto kRespellings = std::to_array<Respelling>({
    {U'\u00DF', "ss"},  // ß
    {U'\u00E6', "ae"},  // æ
    {U'\u00F0', "d"},   // ð
    {U'\u00F8', "o"},   // ø
    {U'\u00FE', "th"},  // þ
    {U'\u0111', "d"},   // đ
    {U'\u0127', "h"},   // ħ
    {U'\u0131', "i"},   // dotless ı
    {U'\u0142', "l"},   // ł
    {U'\u0153', "oe"},  // œ
    {U'\u0167', "t"},   // ŧ
    {U'\u0251', "a"},   // ɑ
});
static_assert(kRespellings.size() == 12);

// Apostrophes inside a name ("N'dalatando", "Step‘anavan") are dropped, not
// made word breaks: people type the name with or without them. The modifier
// letters ʻ and ʼ ("Raʼs") go too, by their category (Lm).
inline constexpr auto kApostrophes = std::to_array<char32_t>({U'\'', U'`', U'\u2018', U'\u2019'});
static_assert(kApostrophes.size() == 4);

/// Case- and accent-free form of a name: compatibility-decomposed, combining
/// marks and apostrophes dropped, case-folded, letters that do not decompose
/// (ł, ø, ß, æ, ...) spelled in plain Latin, and every other run of
/// punctuation or blanks turned into one blank, none at either end. So
/// "Saint-Étienne" and "saint etienne" give the same key.
QString FoldForSearch(QStringView text);

}  // namespace nyra
