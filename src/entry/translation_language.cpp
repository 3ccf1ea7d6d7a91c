#include "entry/translation_language.h"

#include <QCoreApplication>
#include <QString>

namespace nyra {

namespace {

QString TranslationCode() {
    //: The ISO 639-1 code of this translation's language ("hi" for Hindi), nothing else.
    return QCoreApplication::translate("nyra::Language", "en");
}

}  // namespace

QLocale TranslationLocale() { return QLocale(TranslationCode()); }

Language TranslationLanguage() {
    const QString code = TranslationCode();
    for (const Language language : kLanguages) {
        const std::string_view own = LanguageCode(language);
        if (code == QLatin1String(own.data(), static_cast<qsizetype>(own.size()))) return language;
    }
    return Language::English;
}

}  // namespace nyra
