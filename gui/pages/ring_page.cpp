#include "ring_page.h"

void RingPage::setUp() {
    using brenvox::IntSetting;
    Ui::RingPage& f = form();
    bindings_.number(f.SpinEdit4, IntSetting::RINGTIME);
    bindings_.number(f.SpinEdit5, IntSetting::RINGCNT);
    bindings_.number(f.SpinEdit6, IntSetting::RINGDELAY);
    bindings_.number(f.SpinEdit7, IntSetting::RINGHUNGUP);
    // "Odrzuć połączenie po" holds RINGCUT; "Odbierz połączenie" is its opposite.
    bindings_.choice(f.RadioButton5, f.RadioButton6, &brenvox::ModuleSettings::RINGCUT);
}
