#include "ui/calculation_settings.h"

#include <QSettings>
#include <QString>

namespace nyra {
namespace {

// Stored by its key ("lahiri", "kp", ...), as AyanamsaFromKey reads it.
const QString kAyanamsaSetting = QStringLiteral("precise/ayanamsa");
const QString kBasisSetting = QStringLiteral("calculation/basis");
const QString kPreciseKey = QStringLiteral("precise");

}  // namespace

Ayanamsa RememberedAyanamsa() {
    const QString key = QSettings().value(kAyanamsaSetting).toString();
    return AyanamsaFromKey(key.toStdString()).value_or(kDefaultAyanamsa);
}

void RememberAyanamsa(Ayanamsa ayanamsa) {
    const std::string_view key = InfoOf(ayanamsa).key;
    QSettings().setValue(kAyanamsaSetting, QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

BasisKind RememberedBasis() {
    return QSettings().value(kBasisSetting).toString() == kPreciseKey ? BasisKind::Precise : BasisKind::Classic;
}

void RememberBasis(BasisKind basis) {
    QSettings().setValue(kBasisSetting, basis == BasisKind::Precise ? kPreciseKey : QStringLiteral("classic"));
}

}  // namespace nyra
