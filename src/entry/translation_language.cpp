#include "entry/translation_language.h"

#include <QCoreApplication>
#include <QString>

namespace nyra {

Language TranslationLanguage() {
    //: The ISO 639-1 code of this translation's language ("hi" for Hindi), nothing else.
    const QString code = QCoreApplication::translate("nyra::Language", "en");
    for (const Language language : kLanguages) {
        const std::string_view own = LanguageCode(language);
        if (code == QLatin1String(own.data(), static_cast<qsizetype>(own.size()))) return language;
    }
    return Language::English;
}

}  // namespace nyra
