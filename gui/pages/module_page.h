#pragma once
// Page "8.Moduł": the module commands, the read PIN and the port. The page asks for the
// operations and tells when the user has chosen another port; the window carries both out.
#include <cstdint>

#include "settings_page.h"
#include "ui_module_page.h"

namespace brenvox {
enum class OperationMode : int32_t;  // link/transfer.h
}

class ModulePage : public SettingsPage<Ui::ModulePage> {
    Q_OBJECT

public:
    using SettingsPage::SettingsPage;

    // The chosen port as list indices (type: kPortTypeNames, number: 0 for port 1); -1 without a
    // selection.
    int portType();
    int portNumber();
    // Shows a remembered or initial choice. It is not the user's choice, so no portChosen(); an
    // index outside its list leaves that list without selection.
    void showPort(int type, int number);

Q_SIGNALS:
    void operationRequested(brenvox::OperationMode mode);
    // The user changed the port type or number.
    void portChosen();

protected:
    void setUp() override;

private:
    void updatePortTooltip();
};
