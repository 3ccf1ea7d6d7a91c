// Search keys for place names: what a person types on an ordinary keyboard
// has to find "São Paulo", "Łódź Voivodeship" or "N'dalatando".
#pragma once

#include <QString>
#include <QStringView>

namespace nyra {

/// Case- and accent-free form of a name: compatibility-decomposed, combining
/// marks and apostrophes dropped, case-folded, letters that do not decompose
/// (ł, ø, ß, æ, ...) spelled in plain Latin, and every other run of
/// punctuation or blanks turned into one blank, none at either end. So
/// "Saint-Étienne" and "saint etienne" give the same key.
QString FoldForSearch(QStringView text);

} // namespace nyra
