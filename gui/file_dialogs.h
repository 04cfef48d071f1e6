#pragma once
// The open and save dialogs of the settings files, and the save dialog of the PDF printout.
#include <QString>

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

}  // namespace brenvox::gui
