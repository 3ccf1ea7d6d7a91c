#include "ui/calculation_settings.h"

#include <QSettings>
#include <QString>

namespace nyra {
namespace {

// Stored by its key ("lahiri", "kp", ...), as AyanamsaFromKey reads it.
const QString kAyanamsaSetting = QStringLiteral("precise/ayanamsa");

} // namespace

Ayanamsa RememberedAyanamsa() {
    const QString key = QSettings().value(kAyanamsaSetting).toString();
    return AyanamsaFromKey(key.toStdString()).value_or(kDefaultAyanamsa);
}

void RememberAyanamsa(Ayanamsa ayanamsa) {
    const std::string_view key = InfoOf(ayanamsa).key;
    QSettings().setValue(kAyanamsaSetting, QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

} // namespace nyra
