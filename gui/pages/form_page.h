#pragma once
// A page of the main window's page control: a widget built from its own form. The form's window
// title is the caption of the page's tab, so each page's texts live in one place, its form.
#include <QWidget>

template <class Form>
class FormPage : public QWidget {
public:
    explicit FormPage(QWidget* parent = nullptr) : QWidget(parent) { form_.setupUi(this); }

    Form& form() { return form_; }
    const Form& form() const { return form_; }

private:
    Form form_;
};
