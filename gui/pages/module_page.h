#pragma once
// Page "8.Moduł": the module commands, the read PIN and the port. The page asks for the
// operations and the search for the module and tells when the user has chosen another port; the
// window carries them out.
#include <QString>
#include <cstdint>

#include "settings_page.h"
#include "ui_module_page.h"

namespace brenvox {
enum class OperationMode : int32_t;  // link/transfer.h
struct DeviceProbe;                  // link/module_finder.h
}  // namespace brenvox

class ModulePage : public SettingsPage<Ui::ModulePage> {
    Q_OBJECT

public:
    using SettingsPage::SettingsPage;

    // The chosen port as list indices (type: kPortTypeNames, number: 0 for port 1); -1 without a
    // selection.
    int portType();
    int portNumber();
    // The device the operations open instead of the boxes' port: one the boxes cannot name
    // (/dev/ttyACM0, COM12) where the module was found. Empty: the boxes' port.
    QString portDevice() const { return device_; }
    // Shows a remembered or initial choice. It is not the user's choice, so no portChosen(); an
    // index outside its list leaves that list without selection.
    void showPort(int type, int number, const QString& device = {});
    // Where "Szukaj modułu" found the module: the boxes set as the user would set them when they
    // can name the device, else the device itself, and the page shows what answered there. A
    // choice of the user's (portChosen()).
    void showFoundModule(const brenvox::DeviceProbe& found);

Q_SIGNALS:
    void operationRequested(brenvox::OperationMode mode);
    // "Szukaj modułu".
    void findRequested();
    // The user changed the port type or number (which drops a found device), or the search
    // chose the port.
    void portChosen();

protected:
    void setUp() override;

private:
    void updatePortTooltip();
    // The device and, after a search, the module's version and type; empty lines are left out.
    void showFound(const QString& device, const QString& module, const QString& note);

    QString device_;
};
