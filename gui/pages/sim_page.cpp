#include "sim_page.h"

#include <iterator>

#include "cp1250_text.h"
#include "settings/settings_pages.h"

void SimPage::setUp() {
    Ui::SimPage& f = form();
    bindings_.text(f.simPinEdit, &brenvox::ModuleSettings::PIN, brenvox::kPinTypeMax);
    bindings_.text(f.smsCentreEdit, &brenvox::ModuleSettings::SMSC, brenvox::kSmscTypeMax);

    // The core's numbers, in the buttons' order; the page in the browser takes the same.
    QPushButton* const buttons[] = {f.eraGsmButton, f.plusGsmButton, f.ideaButton};
    static_assert(std::size(buttons) == std::size(brenvox::pages::kSmsCentrePresets));
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        QPushButton* button = buttons[i];
        const char* number = brenvox::pages::kSmsCentrePresets[i].number;
        // Set as the program's own text: the edit's change signal stores it in the settings.
        connect(button, &QPushButton::clicked, this, [edit = f.smsCentreEdit, number] {
            brenvox::gui::SetProgramText(edit, QString::fromLatin1(number));
        });
        button->setAccessibleDescription(f.smsCentrePresetsLabel->text());
    }
}
