#pragma once
// Page "4.Wyjście": how the module's output is switched on and off.
#include "form_page.h"
#include "ui_output_page.h"

class OutputPage : public FormPage<Ui::OutputPage> {
public:
    using FormPage::FormPage;
};
