#pragma once
// Page "5.SMS": the limit and the retries of the module's text messages.
#include "form_page.h"
#include "ui_sms_page.h"

class SmsPage : public FormPage<Ui::SmsPage> {
public:
    using FormPage::FormPage;
};
