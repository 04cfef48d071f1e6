#pragma once
// Page "1.Pliki": new settings, the archive of transfers, printing (on paper or into a PDF
// file) and the disk commands. The page only asks for them; the window carries them out.
#include "form_page.h"
#include "ui_files_page.h"

class FilesPage : public FormPage<Ui::FilesPage> {
    Q_OBJECT

public:
    using FormPage::FormPage;

Q_SIGNALS:
    void newRequested();      // "Nowy"
    void printRequested();    // "Drukuj"
    void openRequested();     // "Odczytaj"
    void saveRequested();     // "Zapisz"
    void saveAsRequested();   // "Zapisz jako"
    void pdfRequested();      // "Zapisz jako PDF"
    void archiveRequested();  // "Archiwum"

protected:
    void setUp() override;
};
