#pragma once
// How a page ties its controls to the settings model. Each binding writes a user's change into
// the model at once (through the model's setters, which clamp and cut) and knows how to show the
// model's value. refresh() shows every bound value with the control's signals blocked, so showing
// a value can never write it back, whatever the value is.
//
// Ranges, typing limits and list texts come from the core here, when the page is built: the
// forms hold none of them, so they cannot disagree with what the model stores.
#include <QObject>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "settings/module_settings.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace brenvox::gui {

class SettingBindings {
public:
    explicit SettingBindings(ModuleSettings& settings) : settings_(settings) {}
    SettingBindings(const SettingBindings&) = delete;
    SettingBindings& operator=(const SettingBindings&) = delete;

    // A text field; the user may type at most `typeMax` characters (a longer text the program
    // shows stays whole).
    void text(QLineEdit* edit, std::string ModuleSettings::*field, std::size_t typeMax);
    void flag(QAbstractButton* box, bool ModuleSettings::*field);
    // An integer field in a spin edit with the field's range.
    void number(QSpinBox* spin, IntSetting key);
    // A function field (TEST1TYPE, TEST2TYPE) in a list of the function names; a value outside
    // the list shows no selection.
    void function(QComboBox* box, IntSetting key);
    // Two exclusive radio buttons: `on` checked holds true, `off` checked holds false.
    void choice(QRadioButton* on, QRadioButton* off, bool ModuleSettings::*field);

    // Shows the model in every bound control.
    void refresh() const;

private:
    ModuleSettings& settings_;
    std::vector<std::function<void()>> shows_;
};

// The function names (SlotFunctionName) as the items of a list, in value order.
void FillFunctionList(QComboBox* box);
// The box changes only by choosing from its list (arrow keys, mouse): a typed character would
// pick an item by its first letter and is ignored.
void ChooseFromListOnly(QComboBox* box);
// Selects `index`, or nothing (-1) for an index outside the box's list.
void SelectIndex(QComboBox* box, int index);
// Checks one of two exclusive radio buttons, or neither (which an exclusive pair refuses).
void SetRadioPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn);

}  // namespace brenvox::gui
