#include "files_page.h"

void FilesPage::setUp() {
    Ui::FilesPage& f = form();
    connect(f.BitBtn4, &QPushButton::clicked, this, &FilesPage::newRequested);
    connect(f.BitBtn13, &QPushButton::clicked, this, &FilesPage::printRequested);
    connect(f.BitBtn9, &QPushButton::clicked, this, &FilesPage::openRequested);
    connect(f.BitBtn10, &QPushButton::clicked, this, &FilesPage::saveRequested);
    connect(f.BitBtn11, &QPushButton::clicked, this, &FilesPage::saveAsRequested);
    connect(f.BitBtn14, &QPushButton::clicked, this, &FilesPage::pdfRequested);
    connect(f.BitBtn15, &QPushButton::clicked, this, &FilesPage::archiveRequested);

    // Each button describes itself by the text beside it, for screen readers.
    const std::pair<QPushButton*, QLabel*> described[] = {
        {f.BitBtn4, f.Label1},  {f.BitBtn13, f.Label2},  {f.BitBtn9, f.Label3},   {f.BitBtn10, f.Label4},
        {f.BitBtn11, f.Label5}, {f.BitBtn14, f.Label45}, {f.BitBtn15, f.Label46},
    };
    for (const auto& [button, label] : described) button->setAccessibleDescription(label->text());
}
