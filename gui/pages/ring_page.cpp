#include "ring_page.h"

void RingPage::setUp() {
    using brenvox::IntSetting;
    Ui::RingPage& f = form();
    bindings_.number(f.ringTimeSpin, IntSetting::RINGTIME);
    bindings_.number(f.ringCountSpin, IntSetting::RINGCNT);
    bindings_.number(f.ringGapSpin, IntSetting::RINGDELAY);
    bindings_.number(f.rejectAfterSpin, IntSetting::RINGHUNGUP);
    // "Odrzuć połączenie po" holds RINGCUT; "Odbierz połączenie" is its opposite.
    bindings_.choice(f.rejectCallRadio, f.answerCallRadio, &brenvox::ModuleSettings::RINGCUT);
}
