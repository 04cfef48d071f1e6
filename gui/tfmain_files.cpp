// Page "1.Pliki"'s commands beyond the disk operations: the printout saved as a PDF file.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "file_dialogs.h"
#include "files/safe_file.h"
#include "settings/messages.h"
#include "settings/printout.h"
#include "settings/printout_pdf.h"
#include "tfask.h"
#include "tfmain.h"

using brenvox::gui::kConfirm;

void TFMain::SavePdfCommand() {
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
    if (QFileInfo::exists(path) &&
        Ask(AskButtons::OkNo, AskFocus::No, kConfirm, QStringLiteral("Plik o takiej nazwie już istnieje!"),
            QStringLiteral("Czy na pewno mam go zastąpić nowym?")) != AskYes)
        return;
    pdfDialog_->setProperty("currentFile", path);
    // Named and dated as "Drukuj" prints it; written as every file of the program is (private,
    // whole or not at all), as the sheet holds both PINs.
    const std::string pdf =
        brenvox::SettingsPdf(settings_, settingsName_.toStdString(), brenvox::PrintDate());
    if (!brenvox::WriteFileSafely(QFile(path).filesystemFileName(), pdf))
        Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QString::fromUtf8(brenvox::msg::kSaveFailed), {});
}
