// Page "1.Pliki"'s commands beyond the disk operations: the printout saved as a PDF file, the
// archive of transfers and the loading of an entry's settings.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "archive_window.h"
#include "cp1250_text.h"
#include "file_dialogs.h"
#include "files/safe_file.h"
#include "main_window.h"
#include "pages/inputs_page.h"
#include "question_dialog.h"
#include "settings/messages.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "settings/settings_file.h"

using brenvox::gui::ConfirmCaption;
using brenvox::gui::CoreText;
using brenvox::gui::TellFileFault;

void MainWindow::SavePdfCommand() {
    brenvox::gui::CreatePdfDialog(this, pdfDialog_);
    // The first time beside the settings files; then wherever the last one was saved.
    if (pdfDialog_->property("currentFile").toString().isEmpty()) {
        (void)prepareSettingsDir();  // only so the dialog can start there
        pdfDialog_->setProperty("currentFile", settingsDir() + settingsName_ + QStringLiteral(".pdf"));
    } else {
        const QFileInfo last(pdfDialog_->property("currentFile").toString());
        pdfDialog_->setProperty("currentFile", last.dir().filePath(settingsName_ + QStringLiteral(".pdf")));
    }
    const QString path = brenvox::gui::RunFileDialog(pdfDialog_);
    if (path.isEmpty()) return;
    if (!mayReplace(path)) return;
    pdfDialog_->setProperty("currentFile", path);
    // Named and dated as "Drukuj" prints it; written as every file of the program is (private,
    // whole or not at all), as the sheet holds both PINs.
    const std::string pdf =
        brenvox::SettingsPdf(settings_, settingsName_.toStdString(), brenvox::PrintDate());
    if (const brenvox::FileWriteResult written =
            brenvox::WriteFileSafely(QFile(path).filesystemFileName(), pdf);
        !written)
        TellFileFault(CoreText(brenvox::msg::kSaveFailed), written.error, path, brenvox::FileAction::Write);
}

void MainWindow::ArchiveCommand() {
    ArchiveWindow window(this);
    window.setSettings(&settings_);
    window.setLoader(
        [this](const QString& file, const QString& name) { return LoadArchivedSettings(file, name); });
    window.ShowArchive(archiveDir());
}

bool MainWindow::LoadArchivedSettings(const QString& settingsFile, const QString& name) {
    // The program's settings are about to be replaced: the chance to keep them first, as before
    // programming; a cancelled save does not stop the loading.
    (void)offerToSave();
    // Read aside first: an entry damaged since it was written leaves the program's settings as
    // they are, not reset to the defaults.
    brenvox::ModuleSettings loaded;
    if (const brenvox::SettingsReadResult read =
            brenvox::ReadSettingsFile(brenvox::gui::ToCorePath(settingsFile), loaded);
        read.outcome != brenvox::ReadOutcome::Ok) {
        TellFileFault(CoreText(brenvox::msg::kReadError), read.error, settingsFile, brenvox::FileAction::Read,
                      tr("Ustawienia nie zostały załadowane."));
        return false;
    }
    {
        const InputsPage::Hold hold = pages_.inputs->holdEditor();
        settings_ = loaded;
    }
    // Saved later into the settings folder under the entry's name, never into the archive.
    setSettingsName(name);
    pointDialogsAt(settingsDir() + name);
    keepSettings();
    refreshControls();
    return true;
}
