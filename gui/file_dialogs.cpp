#include "file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "cp1250_text.h"
#include "question_dialog.h"

namespace brenvox::gui {

namespace {
QFileDialog* SettingsFileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    // The desktop's own dialog where the platform theme offers one; Qt's widget dialog
    // elsewhere. No filter and no default suffix: names are taken exactly as chosen. The save
    // dialog never asks about overwriting: the program asks itself, in its own words.
    dialog->setOptions(mode == QFileDialog::AcceptSave ? QFileDialog::DontConfirmOverwrite
                                                       : QFileDialog::Options());
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}
}  // namespace

void CreateFileDialogs(QWidget* parent, QFileDialog*& open, QFileDialog*& save) {
    if (!open) open = SettingsFileDialog(parent, "openDialog", QFileDialog::AcceptOpen);
    if (!save) save = SettingsFileDialog(parent, "saveDialog", QFileDialog::AcceptSave);
}

void CreatePdfDialog(QWidget* parent, QFileDialog*& pdf) {
    if (pdf) return;
    pdf = new QFileDialog(parent);
    pdf->setObjectName(QStringLiteral("pdfDialog"));
    // Overwriting is asked by the program in its own words, as for the settings files.
    pdf->setOptions(QFileDialog::DontConfirmOverwrite);
    pdf->setAcceptMode(QFileDialog::AcceptSave);
    pdf->setFileMode(QFileDialog::AnyFile);
    pdf->setNameFilter(QCoreApplication::translate("FileDialogs", "Dokumenty PDF (*.pdf)"));
    pdf->setDefaultSuffix(QStringLiteral("pdf"));
}

QString RunFileDialog(QFileDialog* dialog) {
    const QString current = dialog->property("currentFile").toString();
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        if (info.dir().exists()) {
            dialog->setDirectory(info.dir());
            dialog->selectFile(info.absoluteFilePath());
        } else {
            dialog->selectFile(info.fileName());
        }
    }
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

namespace {

QString FileFaultLine(const std::error_code& error, const QString& path, FileAction action,
                      const QString& then) {
    if (!error) return then;
    const QString cause = FromUtf8(FileErrorText(error, QFile(path).filesystemFileName(), action));
    return then.isEmpty() ? cause : cause + QLatin1Char(' ') + then;
}

}  // namespace

void TellFileFault(const QString& message, const std::error_code& error, const QString& path,
                   FileAction action, const QString& then) {
    Ask(AskButtons::Ok, AskFocus::Ok, ConfirmCaption(), message, FileFaultLine(error, path, action, then));
}

}  // namespace brenvox::gui
