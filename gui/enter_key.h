#pragma once
// Enter presses the button that has the focus, in every window of the program, as on Windows:
// a main window does not do that by itself, and a dialog would press its default button, which
// need not be the one the user is looking at. Space works as before.

namespace brenvox::gui {

// Installs the rule for the whole application once (later calls do nothing). The main window and
// the windows that start-up and the tests can make without it (the question, PIN and progress
// windows) call it when they are made, so the rule holds however the window came to be.
void PressFocusedButtonOnEnter();

}  // namespace brenvox::gui
