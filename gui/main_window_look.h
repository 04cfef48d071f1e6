#pragma once
// The finishing touches of the main window's pages: pictures on the command buttons and the
// 8-point font of the slot list and of the input descriptions. Controls are found by their form
// names, so this works however the pages are put together.
class QWidget;

namespace brenvox::gui {

// Applies the touches to the controls beneath `root` (a page, or the whole window) once they
// exist.
void ApplyMainWindowLook(QWidget* root);

}  // namespace brenvox::gui
