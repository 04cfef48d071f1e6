#pragma once
// Page "3.Wejścia": the sixteen slots of the module's seven inputs and the slot editor. The user
// picks a slot in the list, the editor shows it, and every change in the editor stores the whole
// slot at once.
#include "settings_page.h"
#include "ui_inputs_page.h"

class QShowEvent;

class InputsPage : public SettingsPage<Ui::InputsPage> {
public:
    using SettingsPage::SettingsPage;

    // While a hold lives the editor neither loads a slot nor stores one. The window holds it
    // while it replaces the settings (a reset, a file read); the editor holds it while it fills
    // itself.
    class Hold {
    public:
        ~Hold() { --holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        friend class InputsPage;
        explicit Hold(int& holds) : holds_(holds) { ++holds_; }
        int& holds_;
    };
    [[nodiscard]] Hold holdEditor() { return Hold(holds_); }
    bool editorHeld() const { return holds_ > 0; }

    // Shows the selected slot in the editor (nothing while held or with no slot selected).
    void loadSlotEditor();
    // Selects a slot in the list; the editor shows it unless held.
    void selectSlot(int index);

protected:
    void setUp() override;
    void showSettings() override { loadSlotEditor(); }
    // The page always comes into view showing the stored values of the selected slot.
    void showEvent(QShowEvent* event) override;

private:
    // Stores the editor's six fields into the selected slot.
    void storeSlot();
    // Shows what module input `input` (1..7) does: the three description lines and the captions
    // of the two reactions.
    void describeInput(int input);

    int holds_ = 0;
};
