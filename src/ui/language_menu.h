// The Language menu the main and the result window share: one checkable
// item per language, each named in its own words, which switches every
// open window at once and is remembered for the next start.
#pragma once

#include "base/language.h"

#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace nyra {

class Dialogs;

struct LanguageMenu {
    QMenu* languageMenu = nullptr;
    std::vector<std::pair<Language, QAction*>> items;  ///< In kLanguages' order.
};

// The window's steps, as for the Help menus: made at the end of `bar`; its
// title, and the check on the language shown; connected, a failure to load
// a translation told through `dialogs` over `window`.
LanguageMenu CreateLanguageMenu(QMenuBar* bar);
void SetLanguageMenuTexts(const LanguageMenu& menu);
void ConnectLanguageMenu(const LanguageMenu& menu, QWidget* window, Dialogs& dialogs);

}  // namespace nyra
