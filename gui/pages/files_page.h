#pragma once
// Page "1.Pliki": new settings, printing and the disk commands; the window connects its buttons.
#include "form_page.h"
#include "ui_files_page.h"

class FilesPage : public FormPage<Ui::FilesPage> {
public:
    using FormPage::FormPage;

protected:
    void setUp() override;
};
