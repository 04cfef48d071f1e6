#include "output_page.h"

void OutputPage::setUp() {
    using brenvox::ModuleSettings;
    Ui::OutputPage& f = form();
    bindings_.flag(f.CheckBox3, &ModuleSettings::ONALARM);
    bindings_.flag(f.CheckBox4, &ModuleSettings::ON47);
    bindings_.flag(f.CheckBox1, &ModuleSettings::OFFRING);
    bindings_.flag(f.CheckBox2, &ModuleSettings::OFFTIME);
    bindings_.number(f.SpinEdit9, brenvox::IntSetting::OFFTIMEVAL);
    bindings_.text(f.Edit6, &ModuleSettings::OUTCODE, brenvox::kCodeTypeMax);
    bindings_.text(f.Edit11, &ModuleSettings::OFFCODE, brenvox::kCodeTypeMax);
}
