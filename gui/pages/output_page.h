#pragma once
// Page "4.Wyjście": how the module's output is switched on and off.
#include "settings_page.h"
#include "ui_output_page.h"

class OutputPage : public SettingsPage<Ui::OutputPage> {
public:
    using SettingsPage::SettingsPage;

protected:
    void setUp() override;
};
