#pragma once
// Page "8.Moduł": the module commands, the read PIN and the port. The page asks for the
// operations and the search for the module and tells when the user has chosen another port; the
// window carries them out.
//
// The port is one choice, shown in three places that never disagree: the type and number boxes
// name the ports they can name; the device chooser names every device present, by what a person
// recognises it by, and takes a typed path; the label below the operations says which port the
// operations will open (and, after "Szukaj modułu", what answered there). A device the boxes
// cannot name leaves them without selection, while the last port they named is kept for the
// port file, so that copies of the program that know no other devices still read it.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "link/serial_link.h"
#include "settings_page.h"
#include "ui_module_page.h"

namespace brenvox {
enum class OperationMode : int32_t;  // link/transfer.h
struct DeviceProbe;                  // operation/module_finder.h
}  // namespace brenvox

class ModulePage : public SettingsPage<Ui::ModulePage> {
    Q_OBJECT

public:
    using SettingsPage::SettingsPage;

    // The numbered port as list indices (type: kPortTypeNames, number: 0 for port 1), -1 without
    // one: the boxes' selection, or, while a device they cannot name is chosen, the last one they
    // named (what the port file keeps in PORTTYPE and PORTNUM).
    int portType();
    int portNumber();
    // The device the operations open instead of the numbered port: one the boxes cannot name
    // (/dev/ttyACM0, COM12, a typed path). Empty: the numbered port.
    QString portDevice() const { return device_; }
    // The device the operations will open, whichever way it was chosen; empty when none is.
    QString chosenDevice();
    // Shows a remembered or initial choice. It is not the user's choice, so no portChosen(); an
    // index outside its list leaves that list without selection.
    void showPort(int type, int number, const QString& device = {});
    // Where "Szukaj modułu" found the module: chosen as the user would choose that device, and
    // the page shows what answered there. A choice of the user's (portChosen()).
    void showFoundModule(const brenvox::DeviceProbe& found);

    // Where the chooser's list comes from: ListSerialDevices() unless set (tests give a device
    // tree of their own).
    using DeviceLister = std::function<std::vector<brenvox::SerialDeviceInfo>()>;
    void setDeviceLister(DeviceLister lister) { lister_ = std::move(lister); }

Q_SIGNALS:
    void operationRequested(brenvox::OperationMode mode);
    // "Szukaj modułu".
    void findRequested();
    // The user chose another port (in the boxes, from the device list or by typing a path; a
    // port chosen in the boxes drops a device chosen before), or the search chose it.
    void portChosen();

protected:
    void setUp() override;
    // The devices present are read again whenever the page comes into view.
    void showEvent(QShowEvent* event) override;

private:
    // The device the type and number boxes name; empty when either has no selection.
    QString boxesDevice();
    // Reads the devices present into the chooser; the choice stays what it was.
    void fillDeviceList();
    // A device chosen from the list, typed, or found: the boxes show it when they can name it.
    // False when it is the port chosen already.
    bool selectDevice(const QString& path);
    // The chooser's text as a device: an entry's device, or a typed path.
    void takeTypedDevice();
    // Puts the choice into the chooser and the label.
    void showChoice();

    QString device_;
    int lastType_ = 0, lastNumber_ = 0;  // the last port the boxes named
    QString module_, note_;              // what the search found on the chosen port
    std::vector<brenvox::SerialDeviceInfo> present_;
    DeviceLister lister_;
};
