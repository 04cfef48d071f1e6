#pragma once
// Page "2.SIM": the SIM card's PIN and the operator's SMS centre, with one preset per operator.
#include "form_page.h"
#include "ui_sim_page.h"

class SimPage : public FormPage<Ui::SimPage> {
public:
    using FormPage::FormPage;

protected:
    void setUp() override;
};
