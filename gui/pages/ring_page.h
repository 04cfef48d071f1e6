#pragma once
// Page "7.RING": outgoing calls and what the module does with an incoming one.
#include "settings_page.h"
#include "ui_ring_page.h"

class RingPage : public SettingsPage<Ui::RingPage> {
public:
    using SettingsPage::SettingsPage;

protected:
    void setUp() override;
};
