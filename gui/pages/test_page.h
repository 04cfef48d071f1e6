#pragma once
// Page "6.TEST": the two periodic events and their interval.
#include "form_page.h"
#include "ui_test_page.h"

class TestPage : public FormPage<Ui::TestPage> {
public:
    using FormPage::FormPage;
};
