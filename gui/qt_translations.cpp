#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brenvox::gui {

bool LoadQtTranslations(QCoreApplication& app) {
    // Numbers and dates that Qt formats itself (the file dialog's columns) follow the language
    // of the texts.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    auto* translator = new QTranslator(&app);
    // Qt's own folder first; beside the program for an installation that carries its own copy
    // (there is no system Qt on Windows).
    const QString dirs[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& dir : dirs) {
        if (translator->load(QStringLiteral("qtbase_pl"), dir)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace brenvox::gui
