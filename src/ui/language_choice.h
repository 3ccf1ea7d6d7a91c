// The language the windows speak: English, the source text, or a
// translation compiled into the program (:/i18n/nyra_LANG.qm) with Qt's own
// words for its buttons and dialogs. Chosen in the Language menu and
// remembered; until then the system's locale decides. The core's texts
// follow the installed translation (entry/translation_language.h).
#pragma once

#include "base/language.h"
#include "base/result.h"

#include <QLocale>

#include <optional>

namespace nyra {

// Hindi for a Hindi locale (hi, hi_IN, ...), else English.
Language LanguageOfLocale(const QLocale& locale);

// The language chosen in the menu, if one ever was.
std::optional<Language> RememberedLanguage();
// The language a start opens in: the one chosen, else the locale's.
Language StartingLanguage(const QLocale& locale = QLocale::system());

// Installs the translations of `language` (removes them for English), after
// which every widget is sent QEvent::LanguageChange. Fails, leaving English,
// when the program's own translation cannot be loaded; Qt's words are
// taken where they are found and missing ones leave Qt's English.
Result<void> UseLanguage(Language language);
// The menu's choice: remembered, then used.
Result<void> ChooseLanguage(Language language);

}  // namespace nyra
