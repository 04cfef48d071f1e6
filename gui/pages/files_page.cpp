#include "files_page.h"

void FilesPage::setUp() {
    // Each button describes itself by the text beside it, for screen readers.
    Ui::FilesPage& f = form();
    const std::pair<QPushButton*, QLabel*> described[] = {
        {f.BitBtn4, f.Label1},  {f.BitBtn13, f.Label2}, {f.BitBtn9, f.Label3},
        {f.BitBtn10, f.Label4}, {f.BitBtn11, f.Label5},
    };
    for (const auto& [button, label] : described) button->setAccessibleDescription(label->text());
}
