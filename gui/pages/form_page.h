#pragma once
// A page of the main window's page control: a widget built from its own form.
//
// The window makes every page at once, as each tab needs its page, but a page's controls are
// built only when first needed: when the page is about to be shown or its form is reached. The
// window lets only its first page be built before it appears and builds the others together
// when one of them is needed (at the latest by its start-up routine), so that the window appears
// sooner. A page binds its controls to the settings as it is built (settings_page.h).
#include <QWidget>
#include <functional>

class LazyPage : public QWidget {
public:
    using QWidget::QWidget;

    bool isBuilt() const { return built_; }
    // Builds this page's controls now, whatever the builder would do; nothing when built.
    void build() {
        if (built_) return;
        built_ = true;
        buildForm();
    }
    // What runs instead of build() when the page is first needed; the window builds all its
    // pages there.
    void setBuilder(std::function<void()> builder) { builder_ = std::move(builder); }

    // Shows the settings model in the page's controls, after the program has changed the model
    // (a reset, a file read, a module read). Pages that edit no settings have nothing to show.
    virtual void refresh() {}

    // A page is built before it becomes visible: controls made on a visible page would stay
    // hidden.
    void setVisible(bool visible) override {
        if (visible) need();
        QWidget::setVisible(visible);
    }

protected:
    void need() {
        if (built_) return;
        if (builder_) builder_();
        build();
    }
    virtual void buildForm() = 0;

private:
    bool built_ = false;
    std::function<void()> builder_;
};

template <class Form>
class FormPage : public LazyPage {
public:
    using LazyPage::LazyPage;

    Form& form() {
        need();
        return form_;
    }

protected:
    void buildForm() override {
        form_.setupUi(this);
        setUp();
    }
    // What a page does to its controls once they exist.
    virtual void setUp() {}

private:
    Form form_;
};
