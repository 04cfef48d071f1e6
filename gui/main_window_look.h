#pragma once
// The finishing touches of the main window's pages: pictures on the command buttons and the
// 8-point font of the slot list and of the input descriptions. Controls are found by their form
// names, so this works however the pages are put together.
class QWidget;

namespace brenvox::gui {

// Applies the touches to the main window once its controls exist.
void ApplyMainWindowLook(QWidget* mainWindow);

}  // namespace brenvox::gui
