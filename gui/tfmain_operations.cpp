// Module commands of page "8.Moduł" (StartOperation) and printing of the settings.
#include <QFile>
#include <QString>

#include "link/transfer.h"
#include "link/transfer_archive.h"
#include "settings/app_paths.h"
#include "settings/module_settings.h"
#include "settings/validation.h"
#include "settings_printer.h"
#include "tfask.h"
#include "tfmain.h"
#include "tftervola.h"

using brenvox::gui::kConfirm;

namespace {

// Keeps what a successful transfer wrote or read. The archive is for later questions; a failure
// to write it must not disturb the installer, so it is silent and changes nothing shown.
void ArchiveQuietly(const TFMain& main, const TFTervola& w) {
    if (main.archiveDir().isEmpty()) return;
    // Entries hold the PINs: the user's own archive folder is private, as the settings folder is.
    if (!main.appPaths().portable) (void)brenvox::EnsurePrivateDir(main.appPaths().archiveDir);
    const brenvox::TransferState& state = w.state();
    brenvox::ArchiveRecord record;
    record.mode = state.CurrentMode.load();
    record.name = main.settingsName().toStdString();
    record.module = state.ModuleInfo.load();
    record.image = record.mode == brenvox::OperationMode::Read ? state.ReadImage : state.WorkImage;
    brenvox::ArchiveTransfer(QFile::encodeName(main.archiveDir()).toStdString(), record, main.settings());
}

// The progress window is made once and kept as a child of the main window, as every window of
// the program lives until the end.
TFTervola* ProgressWindow(TFMain* main) {
    auto* w = main->findChild<TFTervola*>(QStringLiteral("TFTervola"), Qt::FindDirectChildrenOnly);
    if (w) return w;
    w = new TFTervola(main);
    // After a read the editor's settings were replaced: show them in every control and the
    // selected slot in the slot editor.
    QObject::connect(w, &TFTervola::settingsDecoded, main, &TFMain::refreshControls);
    QObject::connect(w, &TFTervola::transferSucceeded, main, [main, w] { ArchiveQuietly(*main, *w); });
    return w;
}

}  // namespace

void TFMain::StartOperation(brenvox::OperationMode mode) {
    const bool program = mode == brenvox::OperationMode::Program;

    // Before programming, the offer to save; a cancelled save does not stop the operation.
    if (program && Ask(AskButtons::OkNo, AskFocus::No, kConfirm,
                       QStringLiteral("Czy zapisać aktualne ustawienia na dysk?"), QString()) == AskYes)
        SaveAsCommand();

    // No exchange with the module before the settings pass every check: one message, the first
    // failure's.
    if (const auto failure = brenvox::ValidateSettings(settings())) {
        Ask(AskButtons::Ok, AskFocus::Ok, QString::fromStdString(failure->caption),
            QString::fromStdString(failure->line1), QString::fromStdString(failure->line2));
        return;
    }

    TFTervola* w = ProgressWindow(this);
    w->setSettings(&settings());
    w->setPortSelection(portTypeIndex(), portNumberIndex());
    w->setPortDevice(options_.portDevice);
    w->setMode(mode);
    w->RunLinkOperation();

    // After programming, whatever its outcome, the offer to print what the editor holds.
    if (program && Ask(AskButtons::OkNo, AskFocus::No, kConfirm,
                       QStringLiteral("Czy wykonać wydruk ustawień?"), QString()) == AskYes)
        PrintSettings();
}

void TFMain::PrintSettings() {
    const auto result = brenvox::gui::PrintSettingsOnDefaultPrinter(settings(), settingsName().toStdString());
    // Without a usable printer (none set up, or the print system refused the job) the user is
    // told so rather than left with nothing on paper and no word.
    if (!result.hasPrinter || !result.run.ok)
        Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QStringLiteral("Brak dostępnej drukarki."), QString());
}
