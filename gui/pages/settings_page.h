#pragma once
// A page that edits settings. It is given the window's settings model, binds its own controls to
// it when it is built (setUp) and shows the model in them then and on every refresh().
#include "form_page.h"
#include "setting_bindings.h"
#include "settings/module_settings.h"

template <class Form>
class SettingsPage : public FormPage<Form> {
public:
    explicit SettingsPage(brenvox::ModuleSettings& settings, QWidget* parent = nullptr)
        : FormPage<Form>(parent), settings_(settings), bindings_(settings) {}

    // A page not built yet has nothing to show; it shows the model when it is built.
    void refresh() override {
        if (this->isBuilt()) showSettings();
    }

protected:
    void buildForm() override {
        FormPage<Form>::buildForm();
        showSettings();
    }
    // Puts the model's values into the controls without storing anything back.
    virtual void showSettings() { bindings_.refresh(); }

    brenvox::ModuleSettings& settings_;
    brenvox::gui::SettingBindings bindings_;
};
