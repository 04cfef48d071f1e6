#include "file_dialogs.h"

#include <QFileDialog>

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
    if (!open) open = SettingsFileDialog(parent, "OpenDialog1", QFileDialog::AcceptOpen);
    if (!save) save = SettingsFileDialog(parent, "SaveDialog1", QFileDialog::AcceptSave);
}

}  // namespace brenvox::gui
