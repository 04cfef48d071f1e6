#include "module_page.h"

#include <QFile>
#include <QFontMetrics>
#include <QSignalBlocker>

#include "link/module_finder.h"
#include "link/module_identity.h"
#include "link/serial_link.h"
#include "link/transfer.h"

void ModulePage::setUp() {
    Ui::ModulePage& f = form();
    bindings_.text(f.Edit12, &brenvox::ModuleSettings::MODPIN, brenvox::kPinTypeMax);

    using brenvox::OperationMode;
    connect(f.BitBtn5, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Program); });
    connect(f.BitBtn6, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Compare); });
    connect(f.BitBtn7, &QPushButton::clicked, this,
            [this] { Q_EMIT operationRequested(OperationMode::Read); });
    connect(f.FindModuleButton, &QPushButton::clicked, this, &ModulePage::findRequested);

    for (const std::string_view name : brenvox::kPortTypeNames)
        f.ComboBox2->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    for (int n = 1; n <= brenvox::kPortNumberMax; ++n) f.ComboBox3->addItem(QString::number(n));
    // Every change is the user's: a remembered choice is shown with the signals blocked. A port
    // chosen by hand is the one to open, whatever device a search found before.
    for (QComboBox* box : {f.ComboBox2, f.ComboBox3}) {
        brenvox::gui::ChooseFromListOnly(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            device_.clear();
            showFound({}, {}, {});
            updatePortTooltip();
            Q_EMIT portChosen();
        });
    }
}

int ModulePage::portType() {
    return form().ComboBox2->currentIndex();
}

int ModulePage::portNumber() {
    return form().ComboBox3->currentIndex();
}

void ModulePage::showPort(int type, int number, const QString& device) {
    Ui::ModulePage& f = form();
    {
        const QSignalBlocker quietType(f.ComboBox2);
        const QSignalBlocker quietNumber(f.ComboBox3);
        brenvox::gui::SelectIndex(f.ComboBox2, type);
        brenvox::gui::SelectIndex(f.ComboBox3, number);
    }
    device_ = device;
    showFound(device, {}, {});
    updatePortTooltip();
}

void ModulePage::showFoundModule(const brenvox::DeviceProbe& found) {
    Ui::ModulePage& f = form();
    const brenvox::SerialDeviceInfo& d = found.device;
    const QString path = QFile::decodeName(QByteArray::fromStdString(d.path));
    const bool named = d.portType >= 0 && d.portNumber >= 1;
    if (named) {
        const QSignalBlocker quietType(f.ComboBox2);
        const QSignalBlocker quietNumber(f.ComboBox3);
        brenvox::gui::SelectIndex(f.ComboBox2, d.portType);
        brenvox::gui::SelectIndex(f.ComboBox3, d.portNumber - 1);
    }
    device_ = named ? QString() : path;

    const brenvox::ModuleInfo& m = found.result.module;
    QString module = QStringLiteral("Moduł V%1.%2").arg(int{m.VersionMajor}).arg(int{m.VersionMinor});
    const std::string_view type = brenvox::ModuleTypeName(m.ModuleType);
    module += type.empty() ? QStringLiteral(", typ %1").arg(int{m.ModuleType})
                           : QStringLiteral(", ") + QString::fromUtf8(type.data(), qsizetype(type.size()));
    // What a transfer would refuse, said before anyone tries one.
    const QString note =
        brenvox::ModuleSupported(m) ? QString() : QStringLiteral("Program nie obsługuje tej wersji modułu!");
    showFound(path, module, note);
    updatePortTooltip();
    Q_EMIT portChosen();
}

void ModulePage::showFound(const QString& device, const QString& module, const QString& note) {
    QLabel* label = form().FoundModuleLabel;
    QStringList lines;
    if (!device.isEmpty()) lines << QStringLiteral("Port: ") + device;
    if (!module.isEmpty()) lines << module;
    // Each line within the label, shortened in its middle where needed; the tooltip keeps it whole.
    const QFontMetrics fm(label->font());
    QStringList shown;
    for (const QString& line : lines) shown << fm.elidedText(line, Qt::ElideMiddle, label->width());
    label->setText(shown.join(QLatin1Char('\n')));
    if (!note.isEmpty()) lines << note;
    label->setToolTip(lines.join(QLatin1Char('\n')));
}

// The device the choice stands for, for whoever wonders which one the program will open.
void ModulePage::updatePortTooltip() {
    const std::string device = brenvox::PortDevicePath(portType(), portNumber() + 1);
    form().ComboBox3->setToolTip(QString::fromStdString(device));
}
