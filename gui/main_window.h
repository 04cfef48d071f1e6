#pragma once
// The main window: the page control with eight pages that edit every setting of a module, the
// file commands and the module operations. Each page is a widget with its own form (gui/pages)
// that binds its own controls; the window owns the one ModuleSettings store, gives it to the
// pages and carries out what their buttons ask for.
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <system_error>

#include "settings/app_paths.h"
#include "settings/module_settings.h"

namespace brenvox {
enum class OperationMode : int32_t;  // link/transfer.h
struct OperationRequest;             // operation/operation_request.h
}  // namespace brenvox

namespace Ui {
class MainWindow;
}
class FilesPage;
class InputsPage;
class ModulePage;
class OutputPage;
class RingPage;
class SimPage;
class SmsPage;
class TestPage;
class QFileDialog;
class QLabel;
class QTimer;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    struct Options {
        // The program directory; empty: the directory of the executable (tests point it at a
        // scratch folder). A folder "Nastawy" in it keeps everything beside the program;
        // without one the user's own folders are used (settings/app_paths.h).
        QString appDir;
        // A device the progress window opens instead of the one the port selection names; empty:
        // the selection's. Tests and demos reach the simulator's pseudo-terminal through it.
        QString portDevice;
        // The devices "Szukaj modułu" asks instead of those the system lists (tests reach
        // simulators on pseudo-terminals through it); empty: the system's. Initialised here,
        // so that brace lists naming only the fields above stay complete.
        QStringList finderDevices = {};
    };

    explicit MainWindow(QWidget* parent = nullptr);
    explicit MainWindow(const Options& options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The pages of the page control, in tab order. Their controls are built when first needed
    // (reaching a page's form builds them all).
    struct Pages {
        FilesPage* files = nullptr;
        SimPage* sim = nullptr;
        InputsPage* inputs = nullptr;
        OutputPage* output = nullptr;
        SmsPage* sms = nullptr;
        TestPage* test = nullptr;
        RingPage* ring = nullptr;
        ModulePage* module = nullptr;
    };

    // The window's own form: the page control and the status bar.
    Ui::MainWindow& form() { return *ui; }
    const Pages& pages() const { return pages_; }

    brenvox::ModuleSettings& settings() { return settings_; }
    const brenvox::ModuleSettings& settings() const { return settings_; }
    QString settingsName() const { return settingsName_; }
    // Sets the name of the current settings and the status bar text.
    void setSettingsName(const QString& name);
    QString appDir() const { return appDir_; }
    const brenvox::AppPaths& appPaths() const { return paths_; }
    // Folder of the settings files, ending in "/": AppDir + "Nastawy/" beside the program, or
    // the user's own folder for an installed program. Empty before start-up.
    QString settingsDir() const;
    QString portConfigPath() const;
    // Where every successful transfer leaves an entry: "Archiwum/" beside the settings folder.
    QString archiveDir() const;
    int portTypeIndex() const;    // the port type's list index, -1 without selection
    int portNumberIndex() const;  // the port number's list index (0: port 1), -1 without selection
    bool startedUp() const { return startedUp_; }
    // True while the program replaces the settings or fills the slot editor: the editor then
    // neither loads nor stores a slot.
    bool loadingGuard() const;
    QString statusText() const;

    // The file dialogs are made when start-up first points them at the settings folder.
    QFileDialog* openDialog() const { return openDialog_; }
    QFileDialog* saveDialog() const { return saveDialog_; }
    QFileDialog* pdfDialog() const { return pdfDialog_; }

    // Every page shows the model in its controls (nothing is stored back), the inputs page the
    // selected slot in its editor. Used after a file load and a module read.
    void refreshControls();
    // The settings a read brought from the module replace the program's: shown in every control,
    // and what the program holds unedited from now on.
    void settingsReadFromModule(const brenvox::ModuleSettings& settings);
    // The settings differ from those last loaded, saved, made by "Nowy", taken from the archive
    // or read from a module: the model against the copy kept then, so no control has to report
    // its edits.
    bool settingsEdited() const { return settings_ != kept_; }
    // Default settings under the name "Nowy", dialogs pointed at the settings folder.
    void ResetSettings();

    // File commands of page "1.Pliki".
    void NewCommand();     // "Nowy"
    void OpenCommand();    // "Odczytaj"
    void SaveCommand();    // "Zapisz"
    void SaveAsCommand();  // "Zapisz jako"
    // Page "1.Pliki"'s later commands; they live in main_window_files.cpp.
    void SavePdfCommand();  // "Zapisz jako PDF": the printout into a PDF file
    void ArchiveCommand();  // "Archiwum": the archive window
    // "Wczytaj ustawienia" of the archive window: after the offer to save the program's settings,
    // the entry's settings file becomes them under the entry's name; false (the program's
    // settings untouched) when the file cannot be read.
    bool LoadArchivedSettings(const QString& settingsFile, const QString& name);

    // Module commands of page "8.Moduł" and printing; they live in main_window_operations.cpp.
    void StartOperation(brenvox::OperationMode mode);
    void PrintSettings();
    // "Szukaj modułu": every serial device asked for the module; where it answers becomes the
    // port, remembered as a choice of the user's.
    void FindModule();

    // Writes the port configuration file (silent when it cannot be written).
    void SaveConfig();

    static QString caption();  // "Kavrex V1.1"

Q_SIGNALS:
    void startUpFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpFrame();
    void addPages();
    template <class Page>
    Page* addPage(Page* page, int icon);
    // Builds every page's controls (each binds them and shows the settings in them).
    void buildPages();
    void StartUp();
    void restorePortConfig();
    void pointDialogsAt(const QString& path);
    std::error_code prepareSettingsDir();
    // What "Programuj", "Porównanie..." and "Odczyt..." hand to the progress window: the mode,
    // the port chosen, the settings, where the archive keeps the transfer.
    brenvox::OperationRequest operationRequest(brenvox::OperationMode mode) const;
    // "Czy zapisać aktualne ustawienia na dysk?": "OK" runs "Zapisz jako", "Nie" saves nothing.
    // Returns the answer: AskYes, AskNo, or AskCancel when the question was closed unanswered
    // (Escape, the window's close), which callers that can still stop take as "not now".
    int offerToSave();
    // The settings as they are now are the unedited ones (see settingsEdited).
    void keepSettings() { kept_ = settings_; }
    // True when `path` does not exist yet or the user agrees to replace it.
    bool mayReplace(const QString& path);

    std::unique_ptr<Ui::MainWindow> ui;
    Pages pages_;
    Options options_;
    brenvox::ModuleSettings settings_;
    brenvox::ModuleSettings kept_;  // see settingsEdited
    QString settingsName_ = QStringLiteral("Nowy");
    QString appDir_;
    brenvox::AppPaths paths_;
    bool startedUp_ = false;
    bool shownOnce_ = false;
    QTimer* startUpTimer_ = nullptr;
    QLabel* settingsNameLabel_ = nullptr;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    QFileDialog* pdfDialog_ = nullptr;
};
