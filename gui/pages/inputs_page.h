#pragma once
// Page "3.Wejścia": the sixteen slots of the module's seven inputs and the slot editor. The window
// binds the editor to the settings; the page knows how it looks and what each input means.
#include "form_page.h"
#include "ui_inputs_page.h"

class InputsPage : public FormPage<Ui::InputsPage> {
public:
    using FormPage::FormPage;

    // Shows what module input `input` (1..7) does: the three description lines and the captions
    // of the two reactions.
    void describeInput(int input);

protected:
    void setUp() override;
};
