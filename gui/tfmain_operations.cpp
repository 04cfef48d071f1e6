// Module commands of page "8.Moduł" and printing of the settings.
#include <QString>

#include "settings/validation.h"
#include "tfask.h"
#include "tfmain.h"

void TFMain::StartOperation(int mode) {
    (void)mode;
    // No exchange with the module before the settings pass every check.
    if (const auto failure = brenvox::ValidateSettings(settings())) {
        Ask(1, 1, QString::fromStdString(failure->caption), QString::fromStdString(failure->line1),
            QString::fromStdString(failure->line2));
        return;
    }
}

void TFMain::PrintSettings() {}
