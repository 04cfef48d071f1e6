#pragma once
// The open and save dialogs of the settings files, the save dialog of the PDF printout, and the
// message that tells why a file chosen in them could not be written or read.
#include <QString>
#include <system_error>

#include "files/file_error_text.h"

class QFileDialog;
class QWidget;

namespace brenvox::gui {

// Creates the two dialogs when they do not exist yet. They are made on first use rather than
// with the main window: building Qt's own file dialog reads its settings, the icon theme and
// the folder it starts in, which would delay the window's first appearance noticeably.
void CreateFileDialogs(QWidget* parent, QFileDialog*& open, QFileDialog*& save);

// The save dialog of "Zapisz jako PDF", made when it does not exist yet: PDF files only, ".pdf"
// added to a name typed without it.
void CreatePdfDialog(QWidget* parent, QFileDialog*& pdf);

// Shows a file dialog proposing its current file (the "currentFile" property); the chosen path,
// or empty when cancelled.
QString RunFileDialog(QFileDialog* dialog);

// The message of a file that could not be written or read ("Problem z utworzeniem pliku na
// dysku!", "Problem z otwarciem pliku!", ...), in the question dialog with its one "OK"; its second
// line says why `path` could not be written or read (FileErrorText), followed by `then` where the
// message has a second line of its own ("Przywrócone ustawienia domyślne."), so that what
// happened is read before what was done about it. Only `then` when the system gave no cause.
void TellFileFault(const QString& message, const std::error_code& error, const QString& path,
                   FileAction action, const QString& then = {});

}  // namespace brenvox::gui
