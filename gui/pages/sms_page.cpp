#include "sms_page.h"

void SmsPage::setUp() {
    using brenvox::IntSetting;
    Ui::SmsPage& f = form();
    bindings_.number(f.SpinEdit8, IntSetting::SMSMAX);
    bindings_.number(f.SpinEdit1, IntSetting::SMSTIME);
    bindings_.number(f.SpinEdit2, IntSetting::SMSACK);
    bindings_.number(f.SpinEdit3, IntSetting::SMSTRY);
}
