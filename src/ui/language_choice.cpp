#include "ui/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QString>
#include <QTranslator>

#include <string_view>

namespace nyra {
namespace {

const QString kLanguageSetting = QStringLiteral("ui/language");
// The translators this program installed carry this name, so that the next
// choice finds and removes them; they live as children of the application.
const QString kTranslatorName = QStringLiteral("nyra-translator");

QString Code(Language language) {
    const std::string_view code = LanguageCode(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

void RemoveTranslators() {
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* translator : app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Installed last, searched first: the program's words before Qt's.
bool Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kTranslatorName);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

Language LanguageOfLocale(const QLocale& locale) {
    return locale.language() == QLocale::Hindi ? Language::Hindi : Language::English;
}

std::optional<Language> RememberedLanguage() {
    const QString code = QSettings().value(kLanguageSetting).toString();
    for (const Language language : kLanguages)
        if (code == Code(language)) return language;
    return std::nullopt;
}

Language StartingLanguage(const QLocale& locale) { return RememberedLanguage().value_or(LanguageOfLocale(locale)); }

Result<void> UseLanguage(Language language) {
    RemoveTranslators();
    if (language == Language::English) return {};
    const QString code = Code(language);
    // Qt's own, where Debian ships them (qt6-translations-l10n), then ours
    // for what it lacks (it has no Hindi at all).
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(QStringLiteral("qt_") + code, QStringLiteral(":/i18n"));
    if (!Install(QStringLiteral("nyra_") + code, QStringLiteral(":/i18n"))) {
        RemoveTranslators();
        return Problem{":/i18n/nyra_" + code.toStdString() + ".qm", "the translation could not be loaded"};
    }
    return {};
}

Result<void> ChooseLanguage(Language language) {
    QSettings().setValue(kLanguageSetting, Code(language));
    return UseLanguage(language);
}

}  // namespace nyra
