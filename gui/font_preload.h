#pragma once
// Loading the font configuration is the largest single cost before the main window can lay out
// its first text (several milliseconds for fontconfig to read its configuration and caches).
// Nothing in it depends on the window system, so it is started on a second thread before
// QApplication connects to the display, and the two overlap.
#include <thread>

namespace brenvox::gui {

class FontConfigPreload {
public:
    // Starts the load where the platform's fonts come through fontconfig; elsewhere does nothing.
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Waits for the load to end. Called before the first widget measures text, so that Qt's own
    // initialisation of fontconfig finds it done rather than racing it.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace brenvox::gui
