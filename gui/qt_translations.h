#pragma once
// The program's language: its own texts and Qt's (file dialogs, context menus of edit and spin
// boxes, standard buttons) in Polish, the program's own language, or in English when the system
// or --lang asks for it.
#include "i18n/translate.h"

class QCoreApplication;

namespace brenvox::gui {

// The language from --lang (given as "--lang xx" or "--lang=xx" anywhere among the arguments),
// else the system's. False, with nothing set, for a --lang naming a language the program does not
// speak (the caller says so and ends).
bool ChooseLanguage(int argc, char* argv[], Language& language);

// Installs the translations of `language` into the application (the program's and Qt's own),
// makes it the default locale of what Qt formats itself, and tells the core to speak it. Returns
// false when Qt's texts could not be found (they then stay in English).
bool LoadTranslations(QCoreApplication& app, Language language);

}  // namespace brenvox::gui
