#pragma once
// Page "8.Moduł": the module commands, the read PIN and the port; the window connects its buttons.
#include "form_page.h"
#include "ui_module_page.h"

class ModulePage : public FormPage<Ui::ModulePage> {
public:
    using FormPage::FormPage;
};
