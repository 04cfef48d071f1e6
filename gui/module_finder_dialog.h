#pragma once
// "Szukaj modułu" of page "8.Moduł": every serial device asked in turn whether the module is on
// it (the core's SearchForModule on a thread of its own: a silent device takes over a second),
// while a small window shows which device is asked, how many of how many, and offers to stop.
#include <QDialog>
#include <QString>
#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "operation/module_finder.h"

namespace Ui {
class ModuleFinderDialog;
}

class ModuleFinderDialog : public QDialog {
    Q_OBJECT

public:
    explicit ModuleFinderDialog(QWidget* parent = nullptr);
    // Waits for a search still asking its last device.
    ~ModuleFinderDialog() override;

    // Shows the window modally while the devices are asked and returns when the search has
    // ended: a module found, every device asked, or stopped. The window stays responsive.
    brenvox::ModuleSearch Run(const std::vector<brenvox::SerialDeviceInfo>& devices);
    // The user asked to stop (also when the device being asked was the last one).
    bool stopAsked() const { return stop_.load(); }

    // Which device is being asked: `index` from 0 of `count`.
    void showAsking(std::size_t index, std::size_t count, const QString& device);

public Q_SLOTS:
    // "Przerwij", Escape and the close box: the search stops once the device being asked has
    // been closed again; until then the window stays, so no device is left open behind it.
    void reject() override;

private:
    std::unique_ptr<Ui::ModuleFinderDialog> ui;
    std::atomic<bool> stop_{false};
    bool searching_ = false;
    std::thread worker_;
    brenvox::ModuleSearch search_;  // written by the worker, read after it has been joined
};

namespace brenvox::gui {

// The whole command: the search, then, when no module answered, a message saying which devices
// were tried (or that there is no serial device at all). What answered, if anything.
std::optional<DeviceProbe> FindModule(QWidget* parent, const std::vector<SerialDeviceInfo>& devices);

}  // namespace brenvox::gui
