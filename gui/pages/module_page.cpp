#include "module_page.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalBlocker>

#include "cp1250_text.h"
#include "link/module_identity.h"
#include "link/transfer.h"
#include "operation/module_finder.h"
#include "operation/port_texts.h"
#include "operation/progress_log.h"

namespace {

// An entry of the device list: the name written on the cable first, then the device; a name
// that carries its port already (Windows': "USB-SERIAL CH340 (COM5)") stands alone.
QString EntryText(const brenvox::SerialDeviceInfo& d) {
    const QString path = brenvox::gui::FromCorePath(d.path);
    const QString name = QString::fromStdString(d.product);
    if (name.isEmpty()) return path;
    if (name.contains(QStringLiteral("(%1)").arg(path))) return name;
    return QStringLiteral("%1 (%2)").arg(name, path);
}

}  // namespace

void ModulePage::setUp() {
    Ui::ModulePage& f = form();
    bindings_.text(f.modulePinEdit, &brenvox::ModuleSettings::MODPIN, brenvox::kPinTypeMax);

    using brenvox::OperationMode;
    connect(f.programButton, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Program); });
    connect(f.compareButton, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Compare); });
    connect(f.readButton, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Read); });
    connect(f.FindModuleButton, &QPushButton::clicked, this, &ModulePage::findRequested);

    for (const std::string_view name : brenvox::kPortTypeNames)
        f.portTypeCombo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    for (int n = 1; n <= brenvox::kPortNumberMax; ++n) f.portNumberCombo->addItem(QString::number(n));
    // Every change is the user's: a remembered choice is shown with the signals blocked. A port
    // chosen by hand is the one to open, whatever device was chosen before.
    for (QComboBox* box : {f.portTypeCombo, f.portNumberCombo}) {
        brenvox::gui::ChooseFromListOnly(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            Ui::ModulePage& page = form();
            if (!device_.isEmpty()) {
                // Back from a device the boxes could not name: the box not touched shows the
                // port it showed before, so that one choice makes a whole port.
                const QSignalBlocker quietType(page.portTypeCombo);
                const QSignalBlocker quietNumber(page.portNumberCombo);
                if (page.portTypeCombo->currentIndex() < 0)
                    brenvox::gui::SelectIndex(page.portTypeCombo, lastType_);
                if (page.portNumberCombo->currentIndex() < 0)
                    brenvox::gui::SelectIndex(page.portNumberCombo, lastNumber_);
            }
            device_.clear();
            lastType_ = page.portTypeCombo->currentIndex();
            lastNumber_ = page.portNumberCombo->currentIndex();
            module_.clear();
            note_.clear();
            showChoice();
            Q_EMIT portChosen();
        });
    }

    DeviceComboBox* chooser = f.PortDeviceBox;
    // A typed path is taken as it is, never completed into the name of another device.
    chooser->setInsertPolicy(QComboBox::NoInsert);
    chooser->setCompleter(nullptr);
    chooser->lineEdit()->setPlaceholderText(tr("urządzenie lub ścieżka"));
    connect(chooser, &DeviceComboBox::popupAboutToShow, this, &ModulePage::fillDeviceList);
    connect(chooser, &QComboBox::activated, this, [this](int index) {
        if (selectDevice(form().PortDeviceBox->itemData(index).toString())) Q_EMIT portChosen();
    });
    connect(chooser->lineEdit(), &QLineEdit::editingFinished, this, &ModulePage::takeTypedDevice);
    showChoice();
}

void ModulePage::showEvent(QShowEvent* event) {
    SettingsPage::showEvent(event);
    fillDeviceList();
}

int ModulePage::portType() {
    return device_.isEmpty() ? form().portTypeCombo->currentIndex() : lastType_;
}

int ModulePage::portNumber() {
    return device_.isEmpty() ? form().portNumberCombo->currentIndex() : lastNumber_;
}

QString ModulePage::chosenDevice() {
    if (!device_.isEmpty()) return device_;
    return boxesDevice();
}

QString ModulePage::boxesDevice() {
    const std::optional<brenvox::PortType> type = brenvox::PortTypeAt(form().portTypeCombo->currentIndex());
    if (!type) return {};
    return brenvox::gui::FromCorePath(
        brenvox::PortDevicePath(*type, form().portNumberCombo->currentIndex() + 1));
}

void ModulePage::showPort(int type, int number, const QString& device) {
    Ui::ModulePage& f = form();
    {
        const QSignalBlocker quietType(f.portTypeCombo);
        const QSignalBlocker quietNumber(f.portNumberCombo);
        brenvox::gui::SelectIndex(f.portTypeCombo, type);
        brenvox::gui::SelectIndex(f.portNumberCombo, number);
    }
    lastType_ = f.portTypeCombo->currentIndex();
    lastNumber_ = f.portNumberCombo->currentIndex();
    device_.clear();
    module_.clear();
    note_.clear();
    if (device.isEmpty())
        showChoice();
    else
        selectDevice(device);
}

bool ModulePage::selectDevice(const QString& path) {
    if (path == chosenDevice()) {
        showChoice();
        return false;
    }
    Ui::ModulePage& f = form();
    module_.clear();
    note_.clear();
    {
        const QSignalBlocker quietType(f.portTypeCombo);
        const QSignalBlocker quietNumber(f.portNumberCombo);
        if (const std::optional<brenvox::NumberedPort> port =
                brenvox::NumberedPortOf(brenvox::gui::ToCorePath(path))) {
            // As if chosen in the boxes.
            brenvox::gui::SelectIndex(f.portTypeCombo, static_cast<int>(port->portType));
            brenvox::gui::SelectIndex(f.portNumberCombo, port->portNumber - 1);
            lastType_ = static_cast<int>(port->portType);
            lastNumber_ = port->portNumber - 1;
            device_.clear();
        } else {
            // The boxes cannot name it: they show nothing rather than a port that will not be
            // opened; portType() and portNumber() keep the last port they named.
            brenvox::gui::SelectIndex(f.portTypeCombo, -1);
            brenvox::gui::SelectIndex(f.portNumberCombo, -1);
            device_ = path;
        }
    }
    showChoice();
    return true;
}

void ModulePage::takeTypedDevice() {
    DeviceComboBox* chooser = form().PortDeviceBox;
    const QString text = chooser->currentText().trimmed();
    const int entry = chooser->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    const QString path = entry >= 0 ? chooser->itemData(entry).toString() : text;
    if (path.isEmpty()) {  // an emptied box chooses nothing: it shows the choice again
        showChoice();
        return;
    }
    if (selectDevice(path)) Q_EMIT portChosen();
}

void ModulePage::fillDeviceList() {
    present_ = lister_ ? lister_() : brenvox::ListSerialDevices();
    DeviceComboBox* chooser = form().PortDeviceBox;
    {
        const QSignalBlocker quiet(chooser);
        chooser->clear();
        for (const brenvox::SerialDeviceInfo& d : present_) {
            chooser->addItem(EntryText(d), brenvox::gui::FromCorePath(d.path));
            const std::string about = brenvox::DeviceDescription(d);
            if (!about.empty())
                chooser->setItemData(chooser->count() - 1, QString::fromStdString(about), Qt::ToolTipRole);
        }
    }
    showChoice();
}

void ModulePage::showFoundModule(const brenvox::DeviceProbe& found) {
    selectDevice(brenvox::gui::FromCorePath(found.device.path));
    const brenvox::ModuleInfo& m = found.result.module;
    module_ = tr("Moduł V%1.%2").arg(int{m.versionMajor}).arg(int{m.versionMinor});
    const std::string_view type = brenvox::ModuleTypeName(m.moduleType);
    module_ += type.empty() ? tr(", typ %1").arg(int{m.moduleType})
                            : QStringLiteral(", ") + QString::fromUtf8(type.data(), qsizetype(type.size()));
    // What a transfer would refuse, said before anyone tries one.
    note_ = brenvox::ModuleSupported(m) ? QString()
                                        : brenvox::gui::CoreText(brenvox::progress::kUnsupportedModule);
    showChoice();
    Q_EMIT portChosen();
}

void ModulePage::showChoice() {
    Ui::ModulePage& f = form();
    const QString device = chosenDevice();
    const brenvox::SerialDeviceInfo* known = nullptr;
    for (const brenvox::SerialDeviceInfo& d : present_)
        if (brenvox::gui::FromCorePath(d.path) == device) known = &d;
    const QString about = known ? QString::fromStdString(brenvox::DeviceDescription(*known)) : QString();

    DeviceComboBox* chooser = f.PortDeviceBox;
    {
        const QSignalBlocker quiet(chooser);
        const int entry = chooser->findData(device);
        chooser->setCurrentIndex(entry);
        if (entry < 0) chooser->setEditText(device);
        chooser->lineEdit()->setCursorPosition(0);  // the start of a long name, not its end
    }
    chooser->setToolTip(about.isEmpty() ? device : device + QLatin1Char('\n') + about);
    chooser->setAccessibleDescription(about);

    // The port the operations will open, its name, and what answered there after a search.
    QStringList lines;
    if (!device.isEmpty()) lines << tr("Port: %1").arg(device);
    if (known && !known->product.empty()) lines << QString::fromStdString(known->product);
    if (!module_.isEmpty()) lines << module_;
    QLabel* label = f.FoundModuleLabel;
    // Each line within the label, shortened in its middle where needed; the tooltip and what a
    // screen reader reads keep it whole.
    const QFontMetrics fm(label->font());
    QStringList shown;
    for (const QString& line : lines) shown << fm.elidedText(line, Qt::ElideMiddle, label->width());
    label->setText(shown.join(QLatin1Char('\n')));
    if (!note_.isEmpty()) lines << note_;
    label->setToolTip(lines.join(QLatin1Char('\n')));
    label->setAccessibleName(lines.join(QStringLiteral(", ")));

    // The device the boxes' port stands for, for whoever wonders which one it is.
    f.portNumberCombo->setToolTip(boxesDevice());
}
