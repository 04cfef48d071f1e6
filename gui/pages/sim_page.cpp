#include "sim_page.h"

#include "cp1250_text.h"

void SimPage::setUp() {
    Ui::SimPage& f = form();
    bindings_.text(f.Edit4, &brenvox::ModuleSettings::PIN, brenvox::kPinTypeMax);
    bindings_.text(f.Edit5, &brenvox::ModuleSettings::SMSC, brenvox::kSmscTypeMax);

    const std::pair<QPushButton*, const char*> presets[] = {
        {f.BitBtn1, "+48602951111"},
        {f.BitBtn2, "+48601000310"},
        {f.BitBtn3, "+48501200777"},
    };
    for (const auto& [button, number] : presets) {
        // Set as the program's own text: the edit's change signal stores it in the settings.
        connect(button, &QPushButton::clicked, this, [edit = f.Edit5, number = number] {
            brenvox::gui::SetProgramText(edit, QString::fromLatin1(number));
        });
        button->setAccessibleDescription(f.Label8->text());
    }
}
