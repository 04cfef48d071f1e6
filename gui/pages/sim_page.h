#pragma once
// Page "2.SIM": the SIM card's PIN and the operator's SMS centre, with one preset per operator.
#include "settings_page.h"
#include "ui_sim_page.h"

class SimPage : public SettingsPage<Ui::SimPage> {
public:
    using SettingsPage::SettingsPage;

protected:
    void setUp() override;
};
