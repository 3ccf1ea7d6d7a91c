#include "ui/language_menu.h"

#include "entry/translation_language.h"
#include "ui/dialogs.h"
#include "ui/language_choice.h"
#include "ui/named.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace nyra {

LanguageMenu CreateLanguageMenu(QMenuBar* bar) {
    LanguageMenu m;
    m.languageMenu = Named(bar->addMenu(QString()), QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(m.languageMenu);
    group->setExclusive(true);
    for (const Language language : kLanguages) {
        const std::string_view code = LanguageCode(language);
        const std::string_view own = LanguageOwnName(language);
        QAction* item =
            Named(m.languageMenu->addAction(QString::fromUtf8(own.data(), static_cast<qsizetype>(own.size()))),
                  QStringLiteral("mnuLanguage_") + QLatin1String(code.data(), static_cast<qsizetype>(code.size())));
        item->setCheckable(true);
        group->addAction(item);
        m.items.emplace_back(language, item);
    }
    return m;
}

void SetLanguageMenuTexts(const LanguageMenu& m) {
    //: The menu of languages; a translation may keep the English word beside its own, for whoever cannot read it.
    m.languageMenu->setTitle(QCoreApplication::translate("nyra::LanguageMenu", "&Language"));
    const Language shown = TranslationLanguage();
    for (const auto& [language, item] : m.items) item->setChecked(language == shown);
}

void ConnectLanguageMenu(const LanguageMenu& m, QWidget* window, Dialogs& dialogs) {
    for (const auto& [language, item] : m.items) {
        QObject::connect(item, &QAction::triggered, window, [language = language, window, &dialogs, m] {
            if (const Result<void> used = ChooseLanguage(language); !used) {
                dialogs.Message(window, QString::fromStdString(used.problem().Text()), MessageIcon::Stop);
                SetLanguageMenuTexts(m);
            }
        });
    }
}

}  // namespace nyra
