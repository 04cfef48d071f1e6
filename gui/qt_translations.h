#pragma once
// Qt's own texts (file dialogs, context menus of edit and spin boxes, standard buttons) in
// Polish, whatever the user's locale: the program speaks only Polish.
class QCoreApplication;

namespace brenvox::gui {

// Installs Qt's Polish translations into the application and makes Polish the default locale of
// what Qt formats itself. Returns false, and leaves Qt's texts in English, when no translation
// file can be found.
bool LoadQtTranslations(QCoreApplication& app);

}  // namespace brenvox::gui
