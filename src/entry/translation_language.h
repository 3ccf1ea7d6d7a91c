// The language of the translation the program has installed, for the core
// texts that take a Language. QtCore only.
#pragma once

#include "base/language.h"

#include <QLocale>

namespace nyra {

// English while no translation is installed, else the translation's own
// language. A translation names its language itself, as its rendering of
// "en" in the context "nyra::Language" ("hi"), so that the words
// QCoreApplication::translate gives and the core's sentences written for
// this language are always of one language.
Language TranslationLanguage();

// The locale of the translation installed (English while none is): what the
// names of places and the order of lists follow.
QLocale TranslationLocale();

}  // namespace nyra
