#pragma once
// Page "7.RING": outgoing calls and what the module does with an incoming one.
#include "form_page.h"
#include "ui_ring_page.h"

class RingPage : public FormPage<Ui::RingPage> {
public:
    using FormPage::FormPage;
};
