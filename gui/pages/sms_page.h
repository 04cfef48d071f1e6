#pragma once
// Page "5.SMS": the limit and the retries of the module's text messages.
#include "settings_page.h"
#include "ui_sms_page.h"

class SmsPage : public SettingsPage<Ui::SmsPage> {
public:
    using SettingsPage::SettingsPage;

protected:
    void setUp() override;
};
