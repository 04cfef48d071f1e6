#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <string_view>

namespace brenvox::gui {

bool ChooseLanguage(int argc, char* argv[], Language& language) {
    language = SystemLanguage();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view code;
        if (arg == "--lang" && i + 1 < argc) {
            code = argv[++i];
        } else if (arg.rfind("--lang=", 0) == 0) {
            code = arg.substr(7);
        } else {
            continue;
        }
        const std::optional<Language> chosen = ParseLanguage(code);
        if (!chosen) return false;
        language = *chosen;
    }
    return true;
}

bool LoadTranslations(QCoreApplication& app, Language language) {
    SetLanguage(language);
    const bool english = language == Language::English;
    // Numbers and dates that Qt formats itself (the file dialog's columns) follow the language
    // of the texts.
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : QLocale(QLocale::Polish, QLocale::Poland));
    if (english) {
        // The program's own texts; Qt's are English already.
        auto* own = new QTranslator(&app);
        if (own->load(QStringLiteral(":/i18n/brenvox_en.qm")))
            QCoreApplication::installTranslator(own);
        else
            delete own;
        return true;
    }
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
