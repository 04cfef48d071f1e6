#include "module_page.h"

#include <QSignalBlocker>

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

    for (const std::string_view name : brenvox::kPortTypeNames)
        f.ComboBox2->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    for (int n = 1; n <= brenvox::kPortNumberMax; ++n) f.ComboBox3->addItem(QString::number(n));
    // Every change is the user's: a remembered choice is shown with the signals blocked.
    for (QComboBox* box : {f.ComboBox2, f.ComboBox3}) {
        brenvox::gui::ChooseFromListOnly(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
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

void ModulePage::showPort(int type, int number) {
    Ui::ModulePage& f = form();
    {
        const QSignalBlocker quietType(f.ComboBox2);
        const QSignalBlocker quietNumber(f.ComboBox3);
        brenvox::gui::SelectIndex(f.ComboBox2, type);
        brenvox::gui::SelectIndex(f.ComboBox3, number);
    }
    updatePortTooltip();
}

// The device the choice stands for, for whoever wonders which one the program will open.
void ModulePage::updatePortTooltip() {
    const std::string device = brenvox::PortDevicePath(portType(), portNumber() + 1);
    form().ComboBox3->setToolTip(QString::fromStdString(device));
}
