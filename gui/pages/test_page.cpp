#include "test_page.h"

void TestPage::setUp() {
    using brenvox::IntSetting;
    using brenvox::ModuleSettings;
    Ui::TestPage& f = form();
    bindings_.number(f.reportHoursSpin, IntSetting::TESTMSB);
    bindings_.number(f.reportTenMinutesSpin, IntSetting::TESTLSB);
    bindings_.function(f.event1FunctionCombo, IntSetting::TEST1TYPE);
    bindings_.text(f.event1PhoneEdit, &ModuleSettings::TEST1PHONE, brenvox::kPhoneMax);
    bindings_.text(f.event1SmsEdit, &ModuleSettings::TEST1SMS, brenvox::kTestSmsTypeMax);
    bindings_.function(f.event2FunctionCombo, IntSetting::TEST2TYPE);
    bindings_.text(f.event2PhoneEdit, &ModuleSettings::TEST2PHONE, brenvox::kPhoneMax);
    bindings_.text(f.event2SmsEdit, &ModuleSettings::TEST2SMS, brenvox::kTestSmsTypeMax);
}
