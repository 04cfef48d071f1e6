#include "output_page.h"

void OutputPage::setUp() {
    using brenvox::ModuleSettings;
    Ui::OutputPage& f = form();
    bindings_.flag(f.onAlarmCheck, &ModuleSettings::ONALARM);
    bindings_.flag(f.onInputs4To7Check, &ModuleSettings::ON47);
    bindings_.flag(f.offByRingCheck, &ModuleSettings::OFFRING);
    bindings_.flag(f.offAfterTimeCheck, &ModuleSettings::OFFTIME);
    bindings_.number(f.offTimeSpin, brenvox::IntSetting::OFFTIMEVAL);
    bindings_.text(f.onCodeEdit, &ModuleSettings::OUTCODE, brenvox::kCodeTypeMax);
    bindings_.text(f.offCodeEdit, &ModuleSettings::OFFCODE, brenvox::kCodeTypeMax);
}
