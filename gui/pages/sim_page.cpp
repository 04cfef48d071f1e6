#include "sim_page.h"

#include "cp1250_text.h"

void SimPage::setUp() {
    Ui::SimPage& f = form();
    bindings_.text(f.simPinEdit, &brenvox::ModuleSettings::PIN, brenvox::kPinTypeMax);
    bindings_.text(f.smsCentreEdit, &brenvox::ModuleSettings::SMSC, brenvox::kSmscTypeMax);

    const std::pair<QPushButton*, const char*> presets[] = {
        {f.eraGsmButton, "+48602951111"},
        {f.plusGsmButton, "+48601000310"},
        {f.ideaButton, "+48501200777"},
    };
    for (const auto& [button, number] : presets) {
        // Set as the program's own text: the edit's change signal stores it in the settings.
        connect(button, &QPushButton::clicked, this, [edit = f.smsCentreEdit, number = number] {
            brenvox::gui::SetProgramText(edit, QString::fromLatin1(number));
        });
        button->setAccessibleDescription(f.smsCentrePresetsLabel->text());
    }
}
