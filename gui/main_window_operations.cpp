// Module commands of page "8.Moduł" (StartOperation, FindModule) and printing of the settings.
#include <QString>
#include <vector>

#include "cp1250_text.h"
#include "link/transfer.h"
#include "main_window.h"
#include "module_finder_dialog.h"
#include "operation/module_finder.h"
#include "operation/operation_request.h"
#include "pages/module_page.h"
#include "progress_window.h"
#include "question_dialog.h"
#include "settings/module_settings.h"
#include "settings_printer.h"

using brenvox::gui::ConfirmCaption;

namespace {

// The progress window is made once and kept as a child of the main window, as every window of
// the program lives until the end.
ProgressWindow* KeptProgressWindow(MainWindow* main) {
    auto* w = main->findChild<ProgressWindow*>(QStringLiteral("ProgressWindow"), Qt::FindDirectChildrenOnly);
    if (w) return w;
    w = new ProgressWindow(main);
    // After a read the editor's settings are replaced: shown in every control and the selected
    // slot in the slot editor.
    QObject::connect(w, &ProgressWindow::settingsDecoded, main, &MainWindow::settingsReadFromModule);
    return w;
}

}  // namespace

void MainWindow::StartOperation(brenvox::OperationMode mode) {
    const bool program = mode == brenvox::OperationMode::Program;
    const bool read = mode == brenvox::OperationMode::Read;

    // Before programming, and before a read would replace edits that were never saved, the
    // offer to save. The question closed unanswered is a change of mind: nothing is opened or
    // sent. A save cancelled or failed in its dialog does not stop programming (the settings
    // stay in the program), but it does stop the read, which would lose them.
    if (program || (read && settingsEdited())) {
        const int answer = offerToSave();
        if (answer == AskCancel) return;
        if (read && answer == AskYes && settingsEdited()) return;
    }

    // No exchange with the module before the settings pass every check: the window's runner
    // checks them first, and a failure is one message, the first failure's, with no window.
    if (!KeptProgressWindow(this)->RunLinkOperation(operationRequest(mode))) return;

    // After programming, whatever its outcome, the offer to print what the editor holds.
    if (program && Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(), tr("Czy wykonać wydruk ustawień?"),
                       QString()) == AskYes)
        PrintSettings();
}

brenvox::OperationRequest MainWindow::operationRequest(brenvox::OperationMode mode) const {
    brenvox::OperationRequest request;
    request.mode = mode;
    // A device found where the port boxes cannot name it is opened instead of their port; the
    // test hook wins over both.
    const QString device = options_.portDevice.isEmpty() ? pages_.module->portDevice() : options_.portDevice;
    if (!device.isEmpty()) {
        request.port.device = brenvox::gui::ToCorePath(device);
    } else if (const auto type = brenvox::PortTypeAt(portTypeIndex())) {
        // No number chosen (index -1) gives port 0, which the port layer refuses.
        request.port.portType = *type;
        request.port.portNumber = portNumberIndex() + 1;
    }  // no type chosen: no port either
    request.settings = settings();
    // A compare that finds the module holding other settings goes on to say which.
    request.reportDifferences = mode == brenvox::OperationMode::Compare;
    // Every transfer that reached the module leaves an entry for later questions; a failure to
    // write it must not disturb the installer, so nothing is shown about it.
    request.archiveDir = brenvox::gui::ToCorePath(archiveDir());
    request.archiveName = settingsName().toStdString();
    return request;
}

void MainWindow::PrintSettings() {
    const auto result = brenvox::gui::PrintSettingsOnDefaultPrinter(settings(), settingsName().toStdString());
    // Without a usable printer (none set up, or the print system refused the job) the user is
    // told so rather than left with nothing on paper and no word, and where the sheet can go instead.
    if (!result.hasPrinter || !result.run.ok)
        Ask(AskButtons::Ok, AskFocus::Ok, ConfirmCaption(), tr("Brak dostępnej drukarki."),
            tr("Wydruk można zapisać do pliku przyciskiem „Zapisz jako PDF”."));
}

void MainWindow::FindModule() {
    std::vector<brenvox::SerialDeviceInfo> devices;
    if (options_.finderDevices.isEmpty())
        devices = brenvox::ListSerialDevices();
    else
        for (const QString& path : options_.finderDevices)
            devices.push_back({brenvox::gui::ToCorePath(path)});
    if (const auto found = brenvox::gui::FindModule(this, devices)) pages_.module->showFoundModule(*found);
}
