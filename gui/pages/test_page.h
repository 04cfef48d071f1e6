#pragma once
// Page "6.TEST": the two periodic events and their interval.
#include "settings_page.h"
#include "ui_test_page.h"

class TestPage : public SettingsPage<Ui::TestPage> {
public:
    using SettingsPage::SettingsPage;

protected:
    void setUp() override;
};
