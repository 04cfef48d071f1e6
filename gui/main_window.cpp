#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <array>
#include <filesystem>

#include "cp1250_text.h"
#include "enter_key.h"
#include "file_dialogs.h"
#include "gui_style.h"
#include "main_window_look.h"
#include "page_icons.h"
#include "pages/files_page.h"
#include "pages/inputs_page.h"
#include "pages/module_page.h"
#include "pages/output_page.h"
#include "pages/ring_page.h"
#include "pages/sim_page.h"
#include "pages/sms_page.h"
#include "pages/test_page.h"
#include "question_dialog.h"
#include "settings/messages.h"
#include "settings/port_config.h"
#include "settings/settings_file.h"
#include "settings/settings_pages.h"
#include "splash_window.h"
#include "ui_main_window.h"

using brenvox::ModuleSettings;
using brenvox::gui::ConfirmCaption;
using brenvox::gui::CoreText;
using brenvox::gui::RunFileDialog;
using brenvox::gui::TellFileFault;

namespace {

constexpr int kStartUpDelayMs = 500;
// The name of settings not yet saved, in the user's language.
QString NewName() {
    return CoreText(brenvox::msg::kNewSettingsName);
}

// The application's style with less room around each tab's picture and caption. Without a base
// of its own the proxy uses the application's style object, so no second style is made (and no
// style plugins are searched) before the window first appears.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

std::string LocalPath(const QString& path) {
    return brenvox::gui::ToCorePath(path);
}

// The core names folders as std::filesystem paths; Qt converts them in the platform's own
// encoding (UTF-8 bytes on POSIX, UTF-16 on Windows).
std::filesystem::path ToFsPath(const QString& path) {
    return QFile(path).filesystemFileName();
}

QString FromFsPath(const std::filesystem::path& path) {
    return QFile(path).fileName();
}

std::array<LazyPage*, 8> AllPages(const MainWindow::Pages& p) {
    return {p.files, p.sim, p.inputs, p.output, p.sms, p.test, p.ring, p.module};
}

// Builds a page's controls and gives its buttons their pictures and its lists their fonts. Made
// inside the window, after its look is set: the slot editor sizes its descriptions by the
// window's font.
void BuildPage(LazyPage* page) {
    if (page->isBuilt()) return;
    page->build();
    brenvox::gui::ApplyMainWindowLook(page);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : MainWindow(Options{}, parent) {}

MainWindow::MainWindow(const Options& options, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), options_(options) {
    // The window's font first, so that its controls are made in it: measured in the platform's
    // default font first, they would load that font for nothing.
    brenvox::gui::ApplyWindowLook(this);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(638, 277);
    setUpFrame();
    brenvox::gui::PressFocusedButtonOnEnter();

    // Nothing can be touched until start-up has run.
    setEnabled(false);
    startUpTimer_ = new QTimer(this);
    startUpTimer_->setObjectName(QStringLiteral("startUpTimer"));
    startUpTimer_->setSingleShot(true);
    startUpTimer_->setInterval(kStartUpDelayMs);
    connect(startUpTimer_, &QTimer::timeout, this, &MainWindow::StartUp);
}

MainWindow::~MainWindow() = default;

QString MainWindow::caption() {
    return QString::fromLatin1(brenvox::msg::kProgramCaption);
}

// Puts a page on the page control under its caption, with its picture from the image list. The
// page's controls are built later (pages/form_page.h).
template <class Page>
Page* MainWindow::addPage(Page* page, int icon) {
    // The page the window opens on (the first) is built before the window appears; the others
    // all at once when one of them is first needed.
    if (ui->pageTabs->count() == 0)
        BuildPage(page);
    else
        page->setBuilder([this] { buildPages(); });
    // The tab's caption is the core's, which the page in the browser shows too.
    const int index = ui->pageTabs->count();
    ui->pageTabs->addTab(
        page, brenvox::gui::PageIcon(icon),
        CoreText(brenvox::pages::SettingsPages().at(static_cast<std::size_t>(index)).caption));
    return page;
}

void MainWindow::addPages() {
    pages_.files = addPage(new FilesPage(this), 0);
    pages_.sim = addPage(new SimPage(settings_, this), 1);
    pages_.inputs = addPage(new InputsPage(settings_, this), 4);
    pages_.output = addPage(new OutputPage(settings_, this), 6);
    pages_.sms = addPage(new SmsPage(settings_, this), 3);
    pages_.test = addPage(new TestPage(settings_, this), 7);
    pages_.ring = addPage(new RingPage(settings_, this), 5);
    pages_.module = addPage(new ModulePage(settings_, this), 2);
    ui->pageTabs->setCurrentIndex(0);

    FilesPage* files = pages_.files;
    connect(files, &FilesPage::newRequested, this, &MainWindow::NewCommand);
    connect(files, &FilesPage::openRequested, this, &MainWindow::OpenCommand);
    connect(files, &FilesPage::saveRequested, this, &MainWindow::SaveCommand);
    connect(files, &FilesPage::saveAsRequested, this, &MainWindow::SaveAsCommand);
    connect(files, &FilesPage::printRequested, this, &MainWindow::PrintSettings);
    connect(files, &FilesPage::pdfRequested, this, &MainWindow::SavePdfCommand);
    connect(files, &FilesPage::archiveRequested, this, &MainWindow::ArchiveCommand);
    connect(pages_.module, &ModulePage::operationRequested, this, &MainWindow::StartOperation);
    connect(pages_.module, &ModulePage::portChosen, this, &MainWindow::SaveConfig);
    connect(pages_.module, &ModulePage::findRequested, this, &MainWindow::FindModule);
}

void MainWindow::buildPages() {
    for (LazyPage* page : AllPages(pages_)) BuildPage(page);
}

void MainWindow::setUpFrame() {
    Ui::MainWindow& f = *ui;

    settingsNameLabel_ = new QLabel(this);
    settingsNameLabel_->setObjectName(QStringLiteral("settingsNameLabel"));
    settingsNameLabel_->setFixedWidth(200);
    settingsNameLabel_->setFrameShape(QFrame::Panel);
    settingsNameLabel_->setFrameShadow(QFrame::Sunken);
    f.statusBar->addWidget(settingsNameLabel_);
    f.statusBar->setSizeGripEnabled(false);

    f.pageTabs->setIconSize(QSize(brenvox::gui::kPageIconSize, brenvox::gui::kPageIconSize));
    f.pageTabs->setUsesScrollButtons(false);
    // Eight tabs with their pictures share 631 pixels: keep the padding around each caption small.
    auto* tabStyle = new CompactTabStyle();
    tabStyle->setParent(f.pageTabs->tabBar());
    f.pageTabs->tabBar()->setStyle(tabStyle);
    addPages();
}

void MainWindow::refreshControls() {
    for (LazyPage* page : AllPages(pages_)) page->refresh();
}

void MainWindow::settingsReadFromModule(const brenvox::ModuleSettings& settings) {
    settings_ = settings;
    keepSettings();
    refreshControls();
}

void MainWindow::ResetSettings() {
    {
        const InputsPage::Hold hold = pages_.inputs->holdEditor();
        brenvox::ResetSettings(settings_);
        setSettingsName(NewName());
        pointDialogsAt(settingsDir() + settingsName_);
        pages_.inputs->selectSlot(0);
    }
    keepSettings();
    refreshControls();
}

void MainWindow::setSettingsName(const QString& name) {
    settingsName_ = name;
    settingsNameLabel_->setText(tr(" Nazwa ustawień: ") + name);
}

QString MainWindow::statusText() const {
    return settingsNameLabel_->text();
}

bool MainWindow::loadingGuard() const {
    return pages_.inputs->editorHeld();
}

int MainWindow::portTypeIndex() const {
    return pages_.module->portType();
}

int MainWindow::portNumberIndex() const {
    return pages_.module->portNumber();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    startUpTimer_->start();
}

void MainWindow::StartUp() {
    startUpTimer_->stop();
    buildPages();
    setWindowTitle(caption());
    auto splash = std::make_unique<SplashWindow>();
    QString dir = options_.appDir.isEmpty() ? QCoreApplication::applicationDirPath() : options_.appDir;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    appDir_ = dir;
    paths_ = brenvox::ResolveAppPaths(ToFsPath(dir));
    pages_.module->showPort(0, 0);
    splash.reset();
    restorePortConfig();
    ResetSettings();
    setEnabled(true);
    startedUp_ = true;
    Q_EMIT startUpFinished();
}

// Restoring a choice does not write it back.
void MainWindow::restorePortConfig() {
    const QString path = portConfigPath();
    if (!QFileInfo(path).isFile()) return;
    const brenvox::PortConfig c = brenvox::ReadPortConfig(LocalPath(path));
    pages_.module->showPort(c.portType, c.portNum, brenvox::gui::FromCorePath(c.portDevice));
}

QString MainWindow::settingsDir() const {
    if (paths_.settingsDir.empty()) return {};
    return FromFsPath(paths_.settingsDir) + QLatin1Char('/');
}

QString MainWindow::archiveDir() const {
    if (paths_.archiveDir.empty()) return {};
    return FromFsPath(paths_.archiveDir) + QLatin1Char('/');
}

QString MainWindow::portConfigPath() const {
    return FromFsPath(paths_.portConfigFile);
}

// The user's settings folder of an installed program is made on first use; beside the program
// (portable layout) it exists, as that is what makes the layout portable.
std::error_code MainWindow::prepareSettingsDir() {
    if (paths_.portable) return {};
    return brenvox::MakePrivateDirs(paths_.settingsDir);
}

void MainWindow::SaveConfig() {
    if (appDir_.isEmpty()) return;  // not started yet: there is no program folder to write to
    if (!paths_.portable) (void)brenvox::MakePrivateDirs(paths_.portConfigFile.parent_path());
    // Silent by design: beside the program without the "System" folder the choice lasts until
    // the program ends.
    (void)brenvox::WritePortConfig(LocalPath(portConfigPath()), portTypeIndex(), portNumberIndex(),
                                   LocalPath(pages_.module->portDevice()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!startedUp_) {  // the window takes no input before start-up
        event->ignore();
        return;
    }
    if (Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(),
            tr("Czy na pewno chcesz zakończyć pracę programu?"), {}) != AskYes) {
        event->ignore();
        return;
    }
    // Closing was confirmed already: an unanswered offer does not keep the program open.
    (void)offerToSave();
    event->accept();
}

int MainWindow::offerToSave() {
    const int answer = Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(),
                           tr("Czy zapisać aktualne ustawienia na dysk?"), {});
    if (answer == AskYes) SaveAsCommand();
    return answer;
}

bool MainWindow::mayReplace(const QString& path) {
    return !QFileInfo::exists(path) ||
           Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(), tr("Plik o takiej nazwie już istnieje!"),
               tr("Czy na pewno mam go zastąpić nowym?")) == AskYes;
}

// ---- File commands ----

void MainWindow::pointDialogsAt(const QString& path) {
    brenvox::gui::CreateFileDialogs(this, openDialog_, saveDialog_);
    const QFileInfo info(path);
    const QDir folder = info.dir();
    for (QFileDialog* d : {openDialog_, saveDialog_}) {
        // Without the folder the dialogs open wherever they would by default.
        if (folder.exists()) {
            d->setDirectory(folder);
            d->selectFile(info.absoluteFilePath());
        } else {
            d->selectFile(info.fileName());
        }
        d->setProperty("currentFile", info.absoluteFilePath());
    }
}

void MainWindow::NewCommand() {
    if (Ask(AskButtons::OkNo, AskFocus::No, ConfirmCaption(),
            tr("Opcja ta spowoduje usunięcie bieżących ustawień!"),
            tr("Czy potwierdzasz jej wykonanie?")) == AskYes)
        ResetSettings();
}

namespace {
bool WriteSettings(const QString& path, const ModuleSettings& s) {
    const brenvox::FileWriteResult written = brenvox::WriteSettingsFile(LocalPath(path), s);
    if (written) return true;
    TellFileFault(CoreText(brenvox::msg::kSaveFailed), written.error, path, brenvox::FileAction::Write);
    return false;
}
}  // namespace

void MainWindow::OpenCommand() {
    (void)prepareSettingsDir();  // only so the dialog can start there
    const QString path = RunFileDialog(openDialog_);
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        Ask(AskButtons::Ok, AskFocus::Ok, ConfirmCaption(), tr("Brak na dysku pliku o wskazanej nazwie."),
            tr("Ustawienia nie zostały załadowane."));
        return;
    }
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    brenvox::SettingsReadResult read;
    {
        const InputsPage::Hold hold = pages_.inputs->holdEditor();
        read = brenvox::ReadSettingsFile(LocalPath(path), settings_);
    }
    switch (read.outcome) {
        case brenvox::ReadOutcome::Ok:
            keepSettings();
            refreshControls();
            break;
        case brenvox::ReadOutcome::OpenFailed:
            TellFileFault(CoreText(brenvox::msg::kOpenFailed), read.error, path, brenvox::FileAction::Read);
            break;
        case brenvox::ReadOutcome::ReadError:
            // The cause, when the disk gave one, before what was done about it.
            TellFileFault(CoreText(brenvox::msg::kReadError), read.error, path, brenvox::FileAction::Read,
                          CoreText(brenvox::msg::kDefaultsRestored));
            ResetSettings();
            break;
    }
}

void MainWindow::SaveCommand() {
    if (settingsName_ == NewName()) {
        SaveAsCommand();
        return;
    }
    const QString path = saveDialog_->property("currentFile").toString();
    // A settings folder removed since the file was opened is made again; if that fails the
    // write below reports it.
    if (QFileInfo(path).absolutePath() + QLatin1Char('/') == settingsDir()) (void)prepareSettingsDir();
    if (WriteSettings(path, settings_)) keepSettings();
}

void MainWindow::SaveAsCommand() {
    // Without a settings folder there is nowhere to propose; reported as a failed save before
    // anything (name, dialogs) changes.
    if (const std::error_code made = prepareSettingsDir()) {
        TellFileFault(CoreText(brenvox::msg::kSaveFailed), made, FromFsPath(paths_.settingsDir),
                      brenvox::FileAction::Write);
        return;
    }
    const QString path = RunFileDialog(saveDialog_);
    if (path.isEmpty()) return;
    if (!mayReplace(path)) return;
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    if (WriteSettings(path, settings_)) keepSettings();
}
