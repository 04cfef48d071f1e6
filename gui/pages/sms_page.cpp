#include "sms_page.h"

void SmsPage::setUp() {
    using brenvox::IntSetting;
    Ui::SmsPage& f = form();
    bindings_.number(f.smsLimitSpin, IntSetting::SMSMAX);
    bindings_.number(f.smsLimitHoursSpin, IntSetting::SMSTIME);
    bindings_.number(f.smsAckTimeSpin, IntSetting::SMSACK);
    bindings_.number(f.smsTriesSpin, IntSetting::SMSTRY);
}
