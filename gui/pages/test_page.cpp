#include "test_page.h"

void TestPage::setUp() {
    using brenvox::IntSetting;
    using brenvox::ModuleSettings;
    Ui::TestPage& f = form();
    bindings_.number(f.SpinEdit10, IntSetting::TESTMSB);
    bindings_.number(f.SpinEdit11, IntSetting::TESTLSB);
    bindings_.function(f.ComboBox4, IntSetting::TEST1TYPE);
    bindings_.text(f.Edit7, &ModuleSettings::TEST1PHONE, brenvox::kPhoneMax);
    bindings_.text(f.Edit8, &ModuleSettings::TEST1SMS, brenvox::kTestSmsTypeMax);
    bindings_.function(f.ComboBox5, IntSetting::TEST2TYPE);
    bindings_.text(f.Edit9, &ModuleSettings::TEST2PHONE, brenvox::kPhoneMax);
    bindings_.text(f.Edit10, &ModuleSettings::TEST2SMS, brenvox::kTestSmsTypeMax);
}
