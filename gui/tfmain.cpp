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
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "cp1250_text.h"
#include "gui_style.h"
#include "link/serial_link.h"
#include "page_icons.h"
#include "settings/messages.h"
#include "settings/port_config.h"
#include "settings/settings_file.h"
#include "tfask.h"
#include "tfsplash.h"
#include "ui_tfmain.h"

using brenvox::IntSetting;
using brenvox::ModuleSettings;
using brenvox::gui::fromCp1250;
using brenvox::gui::toCp1250;

namespace {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 1;
constexpr int kStartUpDelayMs = 500;
constexpr int kListItemHeight = 13;
const QString kStatusPrefix = QStringLiteral(" Nazwa ustawień: ");
const QString kNewName = QString::fromUtf8(brenvox::msg::kNewSettingsName);
const QString kConfirm = QString::fromUtf8(brenvox::msg::kCaptionConfirm);

// Tab icon of each page, in page order (indexes into the image list).
constexpr int kPageIcon[8] = {0, 1, 4, 6, 3, 7, 5, 2};

// What the three description labels and the two reaction captions say for each module input.
struct InputTexts {
    const char* line1;
    const char* line2;
    const char* line3;
    const char* opening;
    const char* closing;
};
constexpr const char* kUniversal2 = "Rozwarte - Czujnik NO wyłączony / Czujnik NC załączony.";
constexpr const char* kUniversal3 = "Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony.";
constexpr const char* kUniversalOpen = "Rozwarcie - Rozwarte";
constexpr const char* kUniversalClose = "Zwarcie - Zwarte do masy";
constexpr InputTexts kInputTexts[7] = {
    {"Wejście 1 - Blokada pracy modułu  (zwierne do masy 0V).",
     "Rozwarte - Moduł reaguje na zmiany sygnałów na pozostałych wejściach.",
     "Zwarte do masy - Moduł ignoruje zmiany sygnałów na pozostałych wejściach.",
     "Rozwarcie - Praca dozwolona", "Zwarcie - Zablokowanie modułu"},
    {"Wejście 2 - Kontrola napięcia akumulatora  (zwierne do +12V).",
     "Napięcie poniżej 10,4V (rozwarte) - niskie napięcie akumulatora.",
     "Napięcie powyżej 10,4V (zwarte do +12V) - napięcie akumulatora właściwe.",
     "Rozwarcie - Awaria akumulatora", "Zwarcie - Napięcie właściwe"},
    {"Wejście 3 - Alarm aktywny  (zwierne do +12V).",
     "Napięcie poniżej 7V (rozwarte) - stan normalny systemu.",
     "Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne.", "Rozwarcie - Koniec alarmu",
     "Zwarcie - Alarm uaktywniony"},
    {"Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 5 - Uniwersalne nr 2  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 6 - Uniwersalne nr 3  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
};

// Rows of the slot list are as high as the original list's items, so all sixteen fit.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(kListItemHeight);
        return s;
    }
};

// The platform style with less room around each tab's picture and caption.
class CompactTabStyle : public QProxyStyle {
public:
    CompactTabStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::filesystem::path ToFsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(localPath(path));
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

std::vector<TextBinding> textBindings(Ui::TFMain& f) {
    return {
        {f.Edit4, &ModuleSettings::PIN, int(brenvox::kPinTypeMax)},
        {f.Edit12, &ModuleSettings::MODPIN, int(brenvox::kPinTypeMax)},
        {f.Edit5, &ModuleSettings::SMSC, int(brenvox::kSmscTypeMax)},
        {f.Edit6, &ModuleSettings::OUTCODE, int(brenvox::kCodeTypeMax)},
        {f.Edit11, &ModuleSettings::OFFCODE, int(brenvox::kCodeTypeMax)},
        {f.Edit7, &ModuleSettings::TEST1PHONE, int(brenvox::kPhoneMax)},
        {f.Edit8, &ModuleSettings::TEST1SMS, int(brenvox::kTestSmsTypeMax)},
        {f.Edit9, &ModuleSettings::TEST2PHONE, int(brenvox::kPhoneMax)},
        {f.Edit10, &ModuleSettings::TEST2SMS, int(brenvox::kTestSmsTypeMax)},
    };
}
std::vector<BoolBinding> boolBindings(Ui::TFMain& f) {
    return {
        {f.CheckBox3, &ModuleSettings::ONALARM},
        {f.CheckBox4, &ModuleSettings::ON47},
        {f.CheckBox1, &ModuleSettings::OFFRING},
        {f.CheckBox2, &ModuleSettings::OFFTIME},
    };
}
std::vector<IntBinding> intBindings(Ui::TFMain& f) {
    return {
        {f.SpinEdit9, IntSetting::OFFTIMEVAL}, {f.SpinEdit8, IntSetting::SMSMAX},
        {f.SpinEdit1, IntSetting::SMSTIME},    {f.SpinEdit2, IntSetting::SMSACK},
        {f.SpinEdit3, IntSetting::SMSTRY},     {f.SpinEdit4, IntSetting::RINGTIME},
        {f.SpinEdit5, IntSetting::RINGCNT},    {f.SpinEdit6, IntSetting::RINGDELAY},
        {f.SpinEdit7, IntSetting::RINGHUNGUP}, {f.SpinEdit10, IntSetting::TESTMSB},
        {f.SpinEdit11, IntSetting::TESTLSB},
    };
}
std::vector<ComboBinding> comboBindings(Ui::TFMain& f) {
    return {{f.ComboBox4, IntSetting::TEST1TYPE}, {f.ComboBox5, IntSetting::TEST2TYPE}};
}

// A list index the box holds, or -1 (no selection) for anything outside its list.
int indexIn(const QComboBox* box, int value) {
    return value >= 0 && value < box->count() ? value : -1;
}

// Checks one of two exclusive radio buttons, or neither (which an exclusive pair refuses).
void setRadioPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn) {
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
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    brenvox::gui::applyWindowLook(this);
    setFixedSize(638, 277);
    setUpControls();
    bindScalars();

    // The form starts with the default settings; start-up resets them once more.
    loadingGuard_ = true;
    refreshControls();

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

void TFMain::setUpControls() {
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
    for (int i = 0; i < f.PageControl1->count(); ++i)
        f.PageControl1->setTabIcon(i, brenvox::gui::pageIcon(kPageIcon[i]));

    // The slot editor's two groups, its options and the description labels.
    for (QGroupBox* group : f.TabSheet3->findChildren<QGroupBox*>())
        brenvox::gui::setBackground(group, brenvox::gui::kGroupColour);
    for (QWidget* w : {static_cast<QWidget*>(f.CheckBox5), static_cast<QWidget*>(f.RadioButton1),
                       static_cast<QWidget*>(f.RadioButton2)})
        brenvox::gui::setBackground(w, brenvox::gui::kOptionColour);
    for (TLabel3D* l : {f.Label3D1, f.Label3D2, f.Label3D3}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(pal);
        // The descriptions must fit the 393-pixel group in the stand-in font too.
        QFont small = l->font();
        small.setPixelSize(10);
        l->setFont(small);
        l->adjustSize();
    }
    QFont listFont = f.ListBox1->font();
    listFont.setPixelSize(10);
    f.ListBox1->setFont(listFont);
    f.ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    f.ListBox1->setItemDelegate(new FixedHeightDelegate(f.ListBox1));
    f.ListBox1->setUniformItemSizes(true);

    // Typing limits of the edit boxes; a longer value the program sets stays whole.
    brenvox::gui::limitTyping(f.Edit1, int(brenvox::kCommentMax));
    brenvox::gui::limitTyping(f.Edit2, int(brenvox::kPhoneMax));
    brenvox::gui::limitTyping(f.Edit3, int(brenvox::kSlotSmsTypeMax));
    for (const TextBinding& b : textBindings(f)) brenvox::gui::limitTyping(b.edit, b.typeMax);

    // Combo boxes change only by choosing from their lists.
    for (QComboBox* box : {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5}) {
        box->setEditable(false);
        box->installEventFilter(this);
        box->view()->installEventFilter(this);
    }

    // The two file dialogs: no filter, no default extension, no overwrite question of their
    // own (the program asks), and names are taken exactly as chosen.
    openDialog_ = new QFileDialog(this);
    openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
    openDialog_->setOptions(QFileDialog::DontUseNativeDialog);
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_ = new QFileDialog(this);
    saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
    saveDialog_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);

    // Slot editor.
    connect(f.ListBox1, &QListWidget::currentRowChanged, this, [this] { LoadSlotEditor(); });
    connect(f.PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (ui->PageControl1->widget(index) == ui->TabSheet3) TabSheet3Show();
    });
    connect(f.Edit1, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(f.ComboBox1, &QComboBox::currentIndexChanged, this, [this] { Store(); });
    connect(f.Edit2, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(f.Edit3, &QLineEdit::textChanged, this, [this] { Store(); });
    connect(f.RadioButton1, &QRadioButton::toggled, this, [this] { Store(); });
    connect(f.RadioButton2, &QRadioButton::toggled, this, [this] { Store(); });
    connect(f.CheckBox5, &QCheckBox::toggled, this, [this] { Store(); });

    // File commands and presets.
    connect(f.BitBtn4, &QPushButton::clicked, this, &TFMain::NewCommand);
    connect(f.BitBtn9, &QPushButton::clicked, this, &TFMain::OpenCommand);
    connect(f.BitBtn10, &QPushButton::clicked, this, &TFMain::SaveCommand);
    connect(f.BitBtn11, &QPushButton::clicked, this, &TFMain::SaveAsCommand);
    connect(f.BitBtn13, &QPushButton::clicked, this, &TFMain::PrintSettings);
    connect(f.BitBtn1, &QPushButton::clicked, this, [this] { presetSmsc("+48602951111"); });
    connect(f.BitBtn2, &QPushButton::clicked, this, [this] { presetSmsc("+48601000310"); });
    connect(f.BitBtn3, &QPushButton::clicked, this, [this] { presetSmsc("+48501200777"); });

    // Module commands.
    connect(f.BitBtn5, &QPushButton::clicked, this, [this] { StartOperation(1); });
    connect(f.BitBtn6, &QPushButton::clicked, this, [this] { StartOperation(2); });
    connect(f.BitBtn7, &QPushButton::clicked, this, [this] { StartOperation(3); });

    // Port selection: every change is remembered, except while it is being restored.
    for (QComboBox* box : {f.ComboBox2, f.ComboBox3}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            updatePortTooltip();
            if (!restoringPorts_) SaveConfig();
        });
    }

    // Buttons describe themselves by the texts beside them.
    const std::pair<QPushButton*, const char*> described[] = {
        {f.BitBtn4, "Reset ustawień."},
        {f.BitBtn13, "Wydruk ustawień."},
        {f.BitBtn9, "Wprowadza do programu ustawienia zapisane wcześniej na dysku."},
        {f.BitBtn10, "Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia."},
        {f.BitBtn11, "Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą."},
        {f.BitBtn1, "Automatyczne wstawienie numeru centrum SMS dla operatora:"},
        {f.BitBtn2, "Automatyczne wstawienie numeru centrum SMS dla operatora:"},
        {f.BitBtn3, "Automatyczne wstawienie numeru centrum SMS dla operatora:"},
    };
    for (const auto& [button, text] : described) button->setAccessibleDescription(QString::fromUtf8(text));
}

void TFMain::bindScalars() {
    Ui::TFMain& f = *ui;
    for (const TextBinding& b : textBindings(f)) {
        connect(b.edit, &QLineEdit::textChanged, this, [this, b](const QString& text) {
            if (!loadingGuard_) settings_.*b.field = toCp1250(text);
        });
    }
    for (const BoolBinding& b : boolBindings(f)) {
        connect(b.box, &QAbstractButton::toggled, this, [this, b](bool on) {
            if (!loadingGuard_) settings_.*b.field = on;
        });
    }
    for (const IntBinding& b : intBindings(f)) {
        connect(b.spin, &QSpinBox::valueChanged, this, [this, b](int v) {
            if (!loadingGuard_) settings_.set(b.key, v);
        });
    }
    for (const ComboBinding& b : comboBindings(f)) {
        connect(b.combo, &QComboBox::currentIndexChanged, this, [this, b](int index) {
            if (!loadingGuard_) settings_.set(b.key, index);
        });
    }
    // RadioButton5 holds RINGCUT; RadioButton6 is its opposite.
    for (QRadioButton* r : {f.RadioButton5, f.RadioButton6}) {
        connect(r, &QRadioButton::toggled, this, [this] {
            if (!loadingGuard_) settings_.RINGCUT = ui->RadioButton5->isChecked();
        });
    }
}

void TFMain::refreshControls() {
    Ui::TFMain& f = *ui;
    const bool wasGuarded = loadingGuard_;
    loadingGuard_ = true;
    for (const TextBinding& b : textBindings(f))
        brenvox::gui::setProgramText(b.edit, fromCp1250(settings_.*b.field));
    for (const BoolBinding& b : boolBindings(f)) b.box->setChecked(settings_.*b.field);
    for (const IntBinding& b : intBindings(f)) b.spin->setValue(settings_.get(b.key));
    for (const ComboBinding& b : comboBindings(f))
        b.combo->setCurrentIndex(indexIn(b.combo, settings_.get(b.key)));
    setRadioPair(f.RadioButton5, f.RadioButton6, settings_.RINGCUT, !settings_.RINGCUT);
    loadingGuard_ = wasGuarded;
    if (!loadingGuard_) LoadSlotEditor();
}

void TFMain::LoadSlotEditor() {
    if (loadingGuard_) return;
    loadingGuard_ = true;
    Ui::TFMain& f = *ui;
    const int i = f.ListBox1->currentRow();
    if (i >= 0 && i < brenvox::kSlotCount) {
        const brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
        const InputTexts& t = kInputTexts[brenvox::slotInput(i) - 1];
        f.Label3D1->setCaption(QString::fromUtf8(t.line1));
        f.Label3D2->setCaption(QString::fromUtf8(t.line2));
        f.Label3D3->setCaption(QString::fromUtf8(t.line3));
        brenvox::gui::setProgramText(f.Edit1, fromCp1250(slot.Comment));
        f.ComboBox1->setCurrentIndex(indexIn(f.ComboBox1, slot.Function));
        setRadioPair(f.RadioButton1, f.RadioButton2, slot.Reaction == brenvox::OnOpening,
                     slot.Reaction == brenvox::OnClosing);
        f.RadioButton1->setText(QString::fromUtf8(t.opening));
        f.RadioButton2->setText(QString::fromUtf8(t.closing));
        brenvox::gui::setProgramText(f.Edit2, fromCp1250(slot.Phone));
        brenvox::gui::setProgramText(f.Edit3, fromCp1250(slot.SmsText));
        f.CheckBox5->setChecked(slot.Locked);
    }
    loadingGuard_ = false;
}

void TFMain::Store() {
    if (loadingGuard_) return;
    Ui::TFMain& f = *ui;
    const int i = f.ListBox1->currentRow();
    if (i < 0 || i >= brenvox::kSlotCount) return;
    // Every change stores the whole record, so the slot always matches what the editor shows.
    brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
    slot.setComment(toCp1250(f.Edit1->text()));
    slot.Function = f.ComboBox1->currentIndex();
    if (f.RadioButton1->isChecked()) slot.Reaction = brenvox::OnOpening;
    if (f.RadioButton2->isChecked()) slot.Reaction = brenvox::OnClosing;
    slot.setPhone(toCp1250(f.Edit2->text()));
    slot.setSmsText(toCp1250(f.Edit3->text()));
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
    ui->ListBox1->setCurrentRow(0);
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
    return ui->ComboBox2->currentIndex();
}

int TFMain::portNumberIndex() const {
    return ui->ComboBox3->currentIndex();
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
    setWindowTitle(caption());
    auto splash = std::make_unique<TFSplash>();
    QString dir = options_.appDir.isEmpty() ? QCoreApplication::applicationDirPath() : options_.appDir;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    appDir_ = dir;
    paths_ = brenvox::ResolveAppPaths(ToFsPath(dir));
    restoringPorts_ = true;
    ui->ComboBox2->setCurrentIndex(0);
    ui->ComboBox3->setCurrentIndex(0);
    restoringPorts_ = false;
    splash.reset();
    restorePortConfig();
    ResetSettings();
    setEnabled(true);
    startedUp_ = true;
    Q_EMIT startUpFinished();
    if (!options_.screenshotDir.isEmpty()) QTimer::singleShot(0, this, &TFMain::takeScreenshots);
}

void TFMain::restorePortConfig() {
    const QString path = portConfigPath();
    restoringPorts_ = true;
    if (QFileInfo(path).isFile()) {
        const brenvox::PortConfig c = brenvox::ReadPortConfig(localPath(path));
        ui->ComboBox2->setCurrentIndex(indexIn(ui->ComboBox2, c.portType));
        ui->ComboBox3->setCurrentIndex(indexIn(ui->ComboBox3, c.portNum));
    }
    restoringPorts_ = false;
    updatePortTooltip();
}

QString TFMain::settingsDir() const {
    if (paths_.settingsDir.empty()) return {};
    return FromFsPath(paths_.settingsDir) + QLatin1Char('/');
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
    (void)brenvox::WritePortConfig(localPath(portConfigPath()), portTypeIndex(), portNumberIndex());
}

void TFMain::updatePortTooltip() {
    const std::string device = brenvox::PortDevicePath(portTypeIndex(), portNumberIndex() + 1);
    ui->ComboBox3->setToolTip(QString::fromStdString(device));
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
    if (Ask(4, 2, kConfirm, QStringLiteral("Czy na pewno chcesz zakończyć pracę programu?"), {}) != AskYes) {
        event->ignore();
        return;
    }
    if (Ask(4, 2, kConfirm, QStringLiteral("Czy zapisać aktualne ustawienia na dysk?"), {}) == AskYes)
        SaveAsCommand();
    event->accept();
}

// ---- File commands ----

void TFMain::pointDialogsAt(const QString& path) {
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

void TFMain::presetSmsc(const char* number) {
    brenvox::gui::setProgramText(ui->Edit5, QString::fromLatin1(number));
}

void TFMain::NewCommand() {
    if (Ask(4, 2, kConfirm, QStringLiteral("Opcja ta spowoduje usunięcie bieżących ustawień!"),
            QStringLiteral("Czy potwierdzasz jej wykonanie?")) == AskYes)
        ResetSettings();
}

namespace {
// Shows a file dialog proposing its current file; the chosen path, or empty when cancelled.
QString runFileDialog(QFileDialog* dialog) {
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

void writeSettings(const QString& path, const ModuleSettings& s) {
    if (!brenvox::WriteSettingsFile(localPath(path), s))
        Ask(1, 1, kConfirm, QString::fromUtf8(brenvox::msg::kSaveFailed), {});
}
}  // namespace

void TFMain::OpenCommand() {
    (void)prepareSettingsDir();  // only so the dialog can start there
    const QString path = runFileDialog(openDialog_);
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        Ask(1, 1, kConfirm, QStringLiteral("Brak na dysku pliku o wskazanej nazwie."),
            QStringLiteral("Ustawienia nie zostały załadowane."));
        return;
    }
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    loadingGuard_ = true;
    const brenvox::ReadOutcome outcome = brenvox::ReadSettingsFile(localPath(path), settings_);
    loadingGuard_ = false;
    switch (outcome) {
        case brenvox::ReadOutcome::Ok:
            refreshControls();
            break;
        case brenvox::ReadOutcome::OpenFailed:
            Ask(1, 1, kConfirm, QString::fromUtf8(brenvox::msg::kOpenFailed), {});
            break;
        case brenvox::ReadOutcome::ReadError:
            Ask(1, 1, kConfirm, QString::fromUtf8(brenvox::msg::kReadError),
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
    writeSettings(path, settings_);
}

void TFMain::SaveAsCommand() {
    // Without a settings folder there is nowhere to propose; reported as a failed save before
    // anything (name, dialogs) changes.
    if (!prepareSettingsDir()) {
        Ask(1, 1, kConfirm, QString::fromUtf8(brenvox::msg::kSaveFailed), {});
        return;
    }
    const QString path = runFileDialog(saveDialog_);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && Ask(4, 2, kConfirm, QStringLiteral("Plik o takiej nazwie już istnieje!"),
                                       QStringLiteral("Czy na pewno mam go zastąpić nowym?")) != AskYes)
        return;
    pointDialogsAt(path);
    setSettingsName(QFileInfo(path).fileName());
    writeSettings(path, settings_);
}

// ---- Pictures for the documentation and for checking the layout ----

void TFMain::takeScreenshots() {
    const QString dir = options_.screenshotDir;
    QDir().mkpath(dir);
    for (int i = 0; i < ui->PageControl1->count(); ++i) {
        ui->PageControl1->setCurrentIndex(i);
        QApplication::processEvents();
        grab().save(QStringLiteral("%1/page%2.png").arg(dir).arg(i + 1));
    }
    ui->PageControl1->setCurrentIndex(0);
    auto snap = [dir](const QString& name) {
        QTimer::singleShot(300, [dir, name] {
            TFAsk* dialog = askDialog();
            dialog->grab().save(QStringLiteral("%1/%2.png").arg(dir, name));
            dialog->done(AskNo);
        });
    };
    snap(QStringLiteral("ask-question"));
    Ask(4, 2, kConfirm, QStringLiteral("Czy na pewno chcesz zakończyć pracę programu?"), {});
    snap(QStringLiteral("ask-message"));
    Ask(1, 1, kConfirm, QStringLiteral("Brak na dysku pliku o wskazanej nazwie."),
        QStringLiteral("Ustawienia nie zostały załadowane."));
    snap(QStringLiteral("ask-three"));
    Ask(5, 3, kConfirm, QStringLiteral("Opcja ta spowoduje usunięcie bieżących ustawień!"),
        QStringLiteral("Czy potwierdzasz jej wykonanie?"));
    // exit(), not quit(): quit() closes the windows first, and closing asks the close question.
    QCoreApplication::exit(0);
}
