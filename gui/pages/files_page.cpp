#include "files_page.h"

void FilesPage::setUp() {
    Ui::FilesPage& f = form();
    connect(f.newButton, &QPushButton::clicked, this, &FilesPage::newRequested);
    connect(f.printButton, &QPushButton::clicked, this, &FilesPage::printRequested);
    connect(f.openButton, &QPushButton::clicked, this, &FilesPage::openRequested);
    connect(f.saveButton, &QPushButton::clicked, this, &FilesPage::saveRequested);
    connect(f.saveAsButton, &QPushButton::clicked, this, &FilesPage::saveAsRequested);
    connect(f.savePdfButton, &QPushButton::clicked, this, &FilesPage::pdfRequested);
    connect(f.archiveButton, &QPushButton::clicked, this, &FilesPage::archiveRequested);

    // Each button describes itself by the text beside it, for screen readers.
    const std::pair<QPushButton*, QLabel*> described[] = {
        {f.newButton, f.newLabel},         {f.printButton, f.printLabel},   {f.openButton, f.openLabel},
        {f.saveButton, f.saveLabel},       {f.saveAsButton, f.saveAsLabel}, {f.savePdfButton, f.savePdfLabel},
        {f.archiveButton, f.archiveLabel},
    };
    for (const auto& [button, label] : described) button->setAccessibleDescription(label->text());
}
