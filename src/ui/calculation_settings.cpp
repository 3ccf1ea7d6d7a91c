#include "ui/calculation_settings.h"

#include <QSettings>
#include <QString>

namespace nyra {
namespace {

// Stored by its key ("lahiri", "kp", ...), as AyanamsaFromKey reads it.
const QString kAyanamsaSetting = QStringLiteral("precise/ayanamsa");
const QString kSecondOpinionSetting = QStringLiteral("precise/secondOpinionAyanamsa");
const QString kBasisSetting = QStringLiteral("calculation/basis");
const QString kPreciseKey = QStringLiteral("precise");

}  // namespace

const QString& SettingOf(AyanamsaUse use) {
    return use == AyanamsaUse::SecondOpinion ? kSecondOpinionSetting : kAyanamsaSetting;
}

Ayanamsa RememberedAyanamsa(AyanamsaUse use) {
    const QString key = QSettings().value(SettingOf(use)).toString();
    return AyanamsaFromKey(key.toStdString()).value_or(kDefaultAyanamsa);
}

void RememberAyanamsa(Ayanamsa ayanamsa, AyanamsaUse use) {
    const std::string_view key = InfoOf(ayanamsa).key;
    QSettings().setValue(SettingOf(use), QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

BasisKind RememberedBasis() {
    return QSettings().value(kBasisSetting).toString() == kPreciseKey ? BasisKind::Precise : BasisKind::Classic;
}

void RememberBasis(BasisKind basis) {
    QSettings().setValue(kBasisSetting, basis == BasisKind::Precise ? kPreciseKey : QStringLiteral("classic"));
}

}  // namespace nyra
