#pragma once
// The open and save dialogs of the settings files.
class QFileDialog;
class QWidget;

namespace brenvox::gui {

// Creates the two dialogs when they do not exist yet. They are made on first use rather than
// with the main window: building Qt's own file dialog reads its settings, the icon theme and
// the folder it starts in, which would delay the window's first appearance noticeably.
void CreateFileDialogs(QWidget* parent, QFileDialog*& open, QFileDialog*& save);

}  // namespace brenvox::gui
