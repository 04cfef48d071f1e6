#include "tfmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>

#include "cp1250_text.h"
#include "file_dialogs.h"
#include "gui_style.h"
#include "link/serial_link.h"
#include "link/transfer.h"
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
#include "settings/messages.h"
#include "settings/port_config.h"
#include "settings/settings_file.h"
#include "tfask.h"
#include "tfsplash.h"
#include "ui_tfmain.h"

using brenvox::IntSetting;
using brenvox::ModuleSettings;
using brenvox::gui::FromCp1250;
using brenvox::gui::kConfirm;
using brenvox::gui::ToCp1250;

namespace {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 1;
constexpr int kStartUpDelayMs = 500;
const QString kStatusPrefix = QStringLiteral(" Nazwa ustawień: ");
const QString kNewName = QString::fromUtf8(brenvox::msg::kNewSettingsName);

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
    return QFile::encodeName(path).toStdString();
}

std::filesystem::path ToFsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(LocalPath(path));
#endif
}

QString FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}

// The scalar settings and the controls that edit them.
struct TextBinding {
    QLineEdit* edit;
    std::string ModuleSettings::*field;
    int typeMax;
};
struct BoolBinding {
    QAbstractButton* box;
    bool ModuleSettings::*field;
};
struct IntBinding {
    QSpinBox* spin;
    IntSetting key;
};
struct ComboBinding {
    QComboBox* combo;
    IntSetting key;
};

std::vector<TextBinding> TextBindings(const TFMain::Pages& p) {
    return {
        {p.sim->form().Edit4, &ModuleSettings::PIN, int(brenvox::kPinTypeMax)},
        {p.module->form().Edit12, &ModuleSettings::MODPIN, int(brenvox::kPinTypeMax)},
        {p.sim->form().Edit5, &ModuleSettings::SMSC, int(brenvox::kSmscTypeMax)},
        {p.output->form().Edit6, &ModuleSettings::OUTCODE, int(brenvox::kCodeTypeMax)},
        {p.output->form().Edit11, &ModuleSettings::OFFCODE, int(brenvox::kCodeTypeMax)},
        {p.test->form().Edit7, &ModuleSettings::TEST1PHONE, int(brenvox::kPhoneMax)},
        {p.test->form().Edit8, &ModuleSettings::TEST1SMS, int(brenvox::kTestSmsTypeMax)},
        {p.test->form().Edit9, &ModuleSettings::TEST2PHONE, int(brenvox::kPhoneMax)},
        {p.test->form().Edit10, &ModuleSettings::TEST2SMS, int(brenvox::kTestSmsTypeMax)},
    };
}
std::vector<BoolBinding> BoolBindings(const TFMain::Pages& p) {
    const Ui::OutputPage& f = p.output->form();
    return {
        {f.CheckBox3, &ModuleSettings::ONALARM},
        {f.CheckBox4, &ModuleSettings::ON47},
        {f.CheckBox1, &ModuleSettings::OFFRING},
        {f.CheckBox2, &ModuleSettings::OFFTIME},
    };
}
std::vector<IntBinding> IntBindings(const TFMain::Pages& p) {
    const Ui::SmsPage& sms = p.sms->form();
    const Ui::RingPage& ring = p.ring->form();
    return {
        {p.output->form().SpinEdit9, IntSetting::OFFTIMEVAL},
        {sms.SpinEdit8, IntSetting::SMSMAX},
        {sms.SpinEdit1, IntSetting::SMSTIME},
        {sms.SpinEdit2, IntSetting::SMSACK},
        {sms.SpinEdit3, IntSetting::SMSTRY},
        {ring.SpinEdit4, IntSetting::RINGTIME},
        {ring.SpinEdit5, IntSetting::RINGCNT},
        {ring.SpinEdit6, IntSetting::RINGDELAY},
        {ring.SpinEdit7, IntSetting::RINGHUNGUP},
        {p.test->form().SpinEdit10, IntSetting::TESTMSB},
        {p.test->form().SpinEdit11, IntSetting::TESTLSB},
    };
}
std::vector<ComboBinding> ComboBindings(const TFMain::Pages& p) {
    return {{p.test->form().ComboBox4, IntSetting::TEST1TYPE},
            {p.test->form().ComboBox5, IntSetting::TEST2TYPE}};
}

std::array<LazyPage*, 8> AllPages(const TFMain::Pages& p) {
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

// A list index the box holds, or -1 (no selection) for anything outside its list.
int IndexIn(const QComboBox* box, int value) {
    return value >= 0 && value < box->count() ? value : -1;
}

// Checks one of two exclusive radio buttons, or neither (which an exclusive pair refuses).
void SetRadioPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn) {
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(firstOn);
    second->setChecked(secondOn);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

}  // namespace

TFMain::TFMain(QWidget* parent) : TFMain(Options{}, parent) {}

TFMain::TFMain(const Options& options, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFMain>()), options_(options) {
    // The window's font first, so that its controls are made in it: measured in the platform's
    // default font first, they would load that font for nothing.
    brenvox::gui::ApplyWindowLook(this);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(638, 277);
    setUpFrame();

    // The form starts with the default settings; start-up resets them once more.
    loadingGuard_ = true;

    // Nothing can be touched until start-up has run.
    setEnabled(false);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(kStartUpDelayMs);
    connect(timer1_, &QTimer::timeout, this, &TFMain::StartUp);
}

TFMain::~TFMain() = default;

QString TFMain::caption() {
    return QStringLiteral("Kavrex V") + QString::number(kVersionMajor) + QStringLiteral(".") +
           QString::number(kVersionMinor);
}

// Puts a page on the page control under its caption, with its picture from the image list. The
// page's controls are built later (pages/form_page.h).
template <class Page>
Page* TFMain::addPage(const char* caption, int icon) {
    auto* page = new Page(this);
    // The page the window opens on (the first) is built before the window appears; the others
    // all at once when one of them is first needed.
    if (ui->PageControl1->count() == 0)
        BuildPage(page);
    else
        page->setBuilder([this] { buildPages(); });
    ui->PageControl1->addTab(page, brenvox::gui::PageIcon(icon), QString::fromUtf8(caption));
    return page;
}

void TFMain::addPages() {
    pages_.files = addPage<FilesPage>("1.Pliki", 0);
    pages_.sim = addPage<SimPage>("2.SIM", 1);
    pages_.inputs = addPage<InputsPage>("3.Wejścia", 4);
    pages_.output = addPage<OutputPage>("4.Wyjście", 6);
    pages_.sms = addPage<SmsPage>("5.SMS", 3);
    pages_.test = addPage<TestPage>("6.TEST", 7);
    pages_.ring = addPage<RingPage>("7.RING ", 5);
    pages_.module = addPage<ModulePage>("8.Moduł", 2);
    ui->PageControl1->setCurrentIndex(0);
}

void TFMain::buildPages() {
    if (pagesBuilt_) return;
    pagesBuilt_ = true;
    for (LazyPage* page : AllPages(pages_)) BuildPage(page);
    setUpControls();
    bindScalars();
    refreshControls();
}

void TFMain::setUpFrame() {
    Ui::TFMain& f = *ui;

    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel_->setFixedWidth(200);
    statusPanel_->setFrameShape(QFrame::Panel);
    statusPanel_->setFrameShadow(QFrame::Sunken);
    f.StatusBar1->addWidget(statusPanel_);
    f.StatusBar1->setSizeGripEnabled(false);

    f.PageControl1->setIconSize(QSize(brenvox::gui::kPageIconSize, brenvox::gui::kPageIconSize));
    f.PageControl1->setUsesScrollButtons(false);
    // Eight tabs with their pictures share 631 pixels: keep the padding around each caption small.
    auto* tabStyle = new CompactTabStyle();
    tabStyle->setParent(f.PageControl1->tabBar());
    f.PageControl1->tabBar()->setStyle(tabStyle);
    addPages();
}

void TFMain::setUpControls() {
    Ui::TFMain& f = *ui;
    const Ui::InputsPage& in = pages_.inputs->form();
    const Ui::ModulePage& mod = pages_.module->form();
    const Ui::TestPage& test = pages_.test->form();

    // Typing limits of the edit boxes; a longer value the program sets stays whole.
    brenvox::gui::LimitTyping(in.Edit1, int(brenvox::kCommentMax));
    brenvox::gui::LimitTyping(in.Edit2, int(brenvox::kPhoneMax));
    brenvox::gui::LimitTyping(in.Edit3, int(brenvox::kSlotSmsTypeMax));
    for (const TextBinding& b : TextBindings(pages_)) brenvox::gui::LimitTyping(b.edit, b.typeMax);

    // Combo boxes change only by choosing from their lists.
    for (QComboBox* box : {in.ComboBox1, mod.ComboBox2, mod.ComboBox3, test.ComboBox4, test.ComboBox5}) {
        box->setEditable(false);
        box->installEventFilter(this);
        box->view()->installEventFilter(this);
    }

    // Slot editor.
    connect(in.ListBox1, &QListWidget::currentRowChanged, this, [this] { LoadSlotEditor(); });
    connect(f.PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (ui->PageControl1->widget(index) == pages_.inputs) TabSheet3Show();
    });
    connect(in.Edit1, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(in.ComboBox1, &QComboBox::currentIndexChanged, this, [this] { Store(); });
    connect(in.Edit2, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(in.Edit3, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(in.RadioButton1, &QRadioButton::toggled, this, [this] { Store(); });
    connect(in.RadioButton2, &QRadioButton::toggled, this, [this] { Store(); });
    connect(in.CheckBox5, &QCheckBox::toggled, this, [this] { Store(); });

    // File commands.
    const Ui::FilesPage& files = pages_.files->form();
    connect(files.BitBtn4, &QPushButton::clicked, this, &TFMain::NewCommand);
    connect(files.BitBtn9, &QPushButton::clicked, this, &TFMain::OpenCommand);
    connect(files.BitBtn10, &QPushButton::clicked, this, &TFMain::SaveCommand);
    connect(files.BitBtn11, &QPushButton::clicked, this, &TFMain::SaveAsCommand);
    connect(files.BitBtn13, &QPushButton::clicked, this, &TFMain::PrintSettings);

    // Module commands.
    using brenvox::OperationMode;
    connect(mod.BitBtn5, &QPushButton::clicked, this, [this] { StartOperation(OperationMode::Program); });
    connect(mod.BitBtn6, &QPushButton::clicked, this, [this] { StartOperation(OperationMode::Compare); });
    connect(mod.BitBtn7, &QPushButton::clicked, this, [this] { StartOperation(OperationMode::Read); });

    // Port selection: every change is remembered, except while it is being restored.
    for (QComboBox* box : {mod.ComboBox2, mod.ComboBox3}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            updatePortTooltip();
            if (!restoringPorts_) SaveConfig();
        });
    }
}

void TFMain::bindScalars() {
    for (const TextBinding& b : TextBindings(pages_)) {
        connect(b.edit, &QLineEdit::textChanged, this, [this, b](const QString& text) {
            if (!loadingGuard_) settings_.*b.field = ToCp1250(text);
        });
    }
    for (const BoolBinding& b : BoolBindings(pages_)) {
        connect(b.box, &QAbstractButton::toggled, this, [this, b](bool on) {
            if (!loadingGuard_) settings_.*b.field = on;
        });
    }
    for (const IntBinding& b : IntBindings(pages_)) {
        connect(b.spin, &QSpinBox::valueChanged, this, [this, b](int v) {
            if (!loadingGuard_) settings_.set(b.key, v);
        });
    }
    for (const ComboBinding& b : ComboBindings(pages_)) {
        connect(b.combo, &QComboBox::currentIndexChanged, this, [this, b](int index) {
            if (!loadingGuard_) settings_.set(b.key, index);
        });
    }
    // RadioButton5 holds RINGCUT; RadioButton6 is its opposite.
    const Ui::RingPage& ring = pages_.ring->form();
    for (QRadioButton* r : {ring.RadioButton5, ring.RadioButton6}) {
        connect(r, &QRadioButton::toggled, this, [this] {
            if (!loadingGuard_) settings_.RINGCUT = pages_.ring->form().RadioButton5->isChecked();
        });
    }
}

void TFMain::refreshControls() {
    const Ui::RingPage& ring = pages_.ring->form();
    const bool wasGuarded = loadingGuard_;
    loadingGuard_ = true;
    for (const TextBinding& b : TextBindings(pages_))
        brenvox::gui::SetProgramText(b.edit, FromCp1250(settings_.*b.field));
    for (const BoolBinding& b : BoolBindings(pages_)) b.box->setChecked(settings_.*b.field);
    for (const IntBinding& b : IntBindings(pages_)) b.spin->setValue(settings_.get(b.key));
    for (const ComboBinding& b : ComboBindings(pages_))
        b.combo->setCurrentIndex(IndexIn(b.combo, settings_.get(b.key)));
    SetRadioPair(ring.RadioButton5, ring.RadioButton6, settings_.RINGCUT, !settings_.RINGCUT);
    loadingGuard_ = wasGuarded;
    if (!loadingGuard_) LoadSlotEditor();
}

void TFMain::LoadSlotEditor() {
    if (loadingGuard_) return;
    loadingGuard_ = true;
    const Ui::InputsPage& f = pages_.inputs->form();
    const int i = f.ListBox1->currentRow();
    if (i >= 0 && i < brenvox::kSlotCount) {
        const brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
        pages_.inputs->describeInput(brenvox::SlotInput(i));
        brenvox::gui::SetProgramText(f.Edit1, FromCp1250(slot.Comment));
        f.ComboBox1->setCurrentIndex(IndexIn(f.ComboBox1, slot.Function));
        SetRadioPair(f.RadioButton1, f.RadioButton2, slot.Reaction == brenvox::OnOpening,
                     slot.Reaction == brenvox::OnClosing);
        brenvox::gui::SetProgramText(f.Edit2, FromCp1250(slot.Phone));
        brenvox::gui::SetProgramText(f.Edit3, FromCp1250(slot.SmsText));
        f.CheckBox5->setChecked(slot.Locked);
    }
    loadingGuard_ = false;
}

void TFMain::Store() {
    if (loadingGuard_) return;
    const Ui::InputsPage& f = pages_.inputs->form();
    const int i = f.ListBox1->currentRow();
    if (i < 0 || i >= brenvox::kSlotCount) return;
    // Every change stores the whole record, so the slot always matches what the editor shows.
    brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
    slot.setComment(ToCp1250(f.Edit1->text()));
    slot.Function = f.ComboBox1->currentIndex();
    if (f.RadioButton1->isChecked()) slot.Reaction = brenvox::OnOpening;
    if (f.RadioButton2->isChecked()) slot.Reaction = brenvox::OnClosing;
    slot.setPhone(ToCp1250(f.Edit2->text()));
    slot.setSmsText(ToCp1250(f.Edit3->text()));
    slot.Locked = f.CheckBox5->isChecked();
}

void TFMain::TabSheet3Show() {
    LoadSlotEditor();
}

void TFMain::ResetSettings() {
    loadingGuard_ = true;
    brenvox::ResetSettings(settings_);
    setSettingsName(kNewName);
    pointDialogsAt(settingsDir() + settingsName_);
    pages_.inputs->form().ListBox1->setCurrentRow(0);
    refreshControls();
    loadingGuard_ = false;
    LoadSlotEditor();
}

void TFMain::setSettingsName(const QString& name) {
    settingsName_ = name;
    statusPanel_->setText(kStatusPrefix + name);
}

QString TFMain::statusText() const {
    return statusPanel_->text();
}

int TFMain::portTypeIndex() const {
    return pages_.module->form().ComboBox2->currentIndex();
}

int TFMain::portNumberIndex() const {
    return pages_.module->form().ComboBox3->currentIndex();
}

void TFMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer1_->start();
}

void TFMain::StartUp() {
    timer1_->stop();
    buildPages();
    setWindowTitle(caption());
    auto splash = std::make_unique<TFSplash>();
    QString dir = options_.appDir.isEmpty() ? QCoreApplication::applicationDirPath() : options_.appDir;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    appDir_ = dir;
    paths_ = brenvox::ResolveAppPaths(ToFsPath(dir));
    restoringPorts_ = true;
    const Ui::ModulePage& mod = pages_.module->form();
    mod.ComboBox2->setCurrentIndex(0);
    mod.ComboBox3->setCurrentIndex(0);
    restoringPorts_ = false;
    splash.reset();
    restorePortConfig();
    ResetSettings();
    setEnabled(true);
    startedUp_ = true;
    Q_EMIT startUpFinished();
}

void TFMain::restorePortConfig() {
    const QString path = portConfigPath();
    restoringPorts_ = true;
    if (QFileInfo(path).isFile()) {
        const brenvox::PortConfig c = brenvox::ReadPortConfig(LocalPath(path));
        const Ui::ModulePage& mod = pages_.module->form();
        mod.ComboBox2->setCurrentIndex(IndexIn(mod.ComboBox2, c.portType));
        mod.ComboBox3->setCurrentIndex(IndexIn(mod.ComboBox3, c.portNum));
    }
    restoringPorts_ = false;
    updatePortTooltip();
}

QString TFMain::settingsDir() const {
    if (paths_.settingsDir.empty()) return {};
    return FromFsPath(paths_.settingsDir) + QLatin1Char('/');
}

QString TFMain::archiveDir() const {
    if (paths_.archiveDir.empty()) return {};
    return FromFsPath(paths_.archiveDir) + QLatin1Char('/');
}

QString TFMain::portConfigPath() const {
    return FromFsPath(paths_.portConfigFile);
}

// The user's settings folder of an installed program is made on first use; beside the program
// (portable layout) it exists, as that is what makes the layout portable.
bool TFMain::prepareSettingsDir() {
    if (paths_.portable) return true;
    return brenvox::EnsurePrivateDir(paths_.settingsDir);
}

void TFMain::SaveConfig() {
    if (appDir_.isEmpty()) return;  // not started yet: there is no program folder to write to
    if (!paths_.portable) (void)brenvox::EnsurePrivateDir(paths_.portConfigFile.parent_path());
    // Silent by design: beside the program without the "System" folder the choice lasts until
    // the program ends.
    (void)brenvox::WritePortConfig(LocalPath(portConfigPath()), portTypeIndex(), portNumberIndex());
}

void TFMain::updatePortTooltip() {
    const std::string device = brenvox::PortDevicePath(portTypeIndex(), portNumberIndex() + 1);
    pages_.module->form().ComboBox3->setToolTip(QString::fromStdString(device));
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Typed characters would pick list items by their first letter; these boxes change only
        // by choosing from the list (arrow keys, mouse).
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint()) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (!startedUp_) {  // the window takes no input before start-up
        event->ignore();
        return;
    }
    if (Ask(AskButtons::OkNo, AskFocus::No, kConfirm,
            QStringLiteral("Czy na pewno chcesz zakończyć pracę programu?"), {}) != AskYes) {
        event->ignore();
        return;
    }
    if (Ask(AskButtons::OkNo, AskFocus::No, kConfirm,
            QStringLiteral("Czy zapisać aktualne ustawienia na dysk?"), {}) == AskYes)
        SaveAsCommand();
    event->accept();
}

// ---- File commands ----

void TFMain::pointDialogsAt(const QString& path) {
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

void TFMain::NewCommand() {
    if (Ask(AskButtons::OkNo, AskFocus::No, kConfirm,
            QStringLiteral("Opcja ta spowoduje usunięcie bieżących ustawień!"),
            QStringLiteral("Czy potwierdzasz jej wykonanie?")) == AskYes)
        ResetSettings();
}

namespace {
// Shows a file dialog proposing its current file; the chosen path, or empty when cancelled.
QString RunFileDialog(QFileDialog* dialog) {
    const QString current = dialog->property("currentFile").toString();
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        if (info.dir().exists()) {
            dialog->setDirectory(info.dir());
            dialog->selectFile(info.absoluteFilePath());
        } else {
            dialog->selectFile(info.fileName());
        }
    }
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void WriteSettings(const QString& path, const ModuleSettings& s) {
    if (!brenvox::WriteSettingsFile(LocalPath(path), s))
        Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QString::fromUtf8(brenvox::msg::kSaveFailed), {});
}
}  // namespace

void TFMain::OpenCommand() {
    (void)prepareSettingsDir();  // only so the dialog can start there
    const QString path = RunFileDialog(openDialog_);
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QStringLiteral("Brak na dysku pliku o wskazanej nazwie."),
            QStringLiteral("Ustawienia nie zostały załadowane."));
        return;
    }
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    loadingGuard_ = true;
    const brenvox::ReadOutcome outcome = brenvox::ReadSettingsFile(LocalPath(path), settings_);
    loadingGuard_ = false;
    switch (outcome) {
        case brenvox::ReadOutcome::Ok:
            refreshControls();
            break;
        case brenvox::ReadOutcome::OpenFailed:
            Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QString::fromUtf8(brenvox::msg::kOpenFailed), {});
            break;
        case brenvox::ReadOutcome::ReadError:
            Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QString::fromUtf8(brenvox::msg::kReadError),
                QString::fromUtf8(brenvox::msg::kDefaultsRestored));
            ResetSettings();
            break;
    }
}

void TFMain::SaveCommand() {
    if (settingsName_ == kNewName) {
        SaveAsCommand();
        return;
    }
    const QString path = saveDialog_->property("currentFile").toString();
    // A settings folder removed since the file was opened is made again; if that fails the
    // write below reports it.
    if (QFileInfo(path).absolutePath() + QLatin1Char('/') == settingsDir()) (void)prepareSettingsDir();
    WriteSettings(path, settings_);
}

void TFMain::SaveAsCommand() {
    // Without a settings folder there is nowhere to propose; reported as a failed save before
    // anything (name, dialogs) changes.
    if (!prepareSettingsDir()) {
        Ask(AskButtons::Ok, AskFocus::Ok, kConfirm, QString::fromUtf8(brenvox::msg::kSaveFailed), {});
        return;
    }
    const QString path = RunFileDialog(saveDialog_);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        Ask(AskButtons::OkNo, AskFocus::No, kConfirm, QStringLiteral("Plik o takiej nazwie już istnieje!"),
            QStringLiteral("Czy na pewno mam go zastąpić nowym?")) != AskYes)
        return;
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    WriteSettings(path, settings_);
}
