#include "module_finder_dialog.h"

#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include "cp1250_text.h"
#include "gui_style.h"
#include "operation/port_texts.h"
#include "question_dialog.h"
#include "settings/messages.h"
#include "ui_module_finder_dialog.h"

namespace {

QString U8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString DeviceName(const brenvox::SerialDeviceInfo& device) {
    return brenvox::gui::FromCorePath(device.path);
}

// More names than this make the message wider than a screen; the count says the rest.
constexpr std::size_t kNamesListed = 8;

QString TriedList(const std::vector<brenvox::DeviceProbe>& asked) {
    QStringList names;
    for (std::size_t i = 0; i < asked.size() && i < kNamesListed; ++i) names << DeviceName(asked[i].device);
    QString list = names.join(QStringLiteral(", "));
    if (asked.size() > kNamesListed) list += ModuleFinderDialog::tr(", ... (razem %1)").arg(asked.size());
    return list;
}

}  // namespace

ModuleFinderDialog::ModuleFinderDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ModuleFinderDialog>()) {
    ui->setupUi(this);
    // As the progress window: one fixed size, the system menu and the minimise box only, the
    // dialogs' grey and font, the middle of the screen.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    brenvox::gui::ApplyWindowLook(this);
    setFixedSize(size());
    brenvox::gui::KeepCentredOnScreen(this);
    ui->abortButton->setIcon(brenvox::gui::StyleIcon(QStyle::SP_BrowserStop));
    connect(ui->abortButton, &QPushButton::clicked, this, &ModuleFinderDialog::reject);
}

ModuleFinderDialog::~ModuleFinderDialog() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void ModuleFinderDialog::showAsking(std::size_t index, std::size_t count, const QString& device) {
    // A long device name is shortened in its middle, where names differ least.
    const QFontMetrics fm(ui->askingLabel->font());
    const QString counted = tr(" (%1 z %2)...").arg(index + 1).arg(count);
    const QString prefix = tr("Sprawdzanie portu ");
    const int room = ui->askingLabel->width() - fm.horizontalAdvance(prefix + counted);
    ui->askingLabel->setText(prefix + fm.elidedText(device, Qt::ElideMiddle, room) + counted);
    ui->askingLabel->setToolTip(device);
    ui->progressBar->setRange(0, static_cast<int>(count));
    ui->progressBar->setValue(static_cast<int>(index));
}

brenvox::ModuleSearch ModuleFinderDialog::Run(const std::vector<brenvox::SerialDeviceInfo>& devices) {
    stop_ = false;
    searching_ = true;
    search_ = {};
    ui->abortButton->setEnabled(true);
    if (!devices.empty()) showAsking(0, devices.size(), DeviceName(devices.front()));

    brenvox::ModuleSearchHooks hooks;
    // The worker only posts: the window's controls change on the GUI thread, and a post to a
    // window that is gone is dropped.
    hooks.asking = [this](std::size_t index, std::size_t count, const brenvox::SerialDeviceInfo& device) {
        const QString name = DeviceName(device);
        QMetaObject::invokeMethod(
            this,
            [this, index, count, name] {
                if (!stop_) showAsking(index, count, name);  // keeps "Przerywanie szukania..."
            },
            Qt::QueuedConnection);
    };
    worker_ = std::thread([this, devices, hooks] {
        search_ = brenvox::SearchForModule(devices, brenvox::SearchUntil::FirstModule, stop_, hooks);
        QMetaObject::invokeMethod(
            this,
            [this] {
                searching_ = false;
                done(QDialog::Accepted);
            },
            Qt::QueuedConnection);
    });
    exec();
    worker_.join();
    searching_ = false;
    return search_;
}

void ModuleFinderDialog::reject() {
    if (!searching_) {
        QDialog::reject();
        return;
    }
    stop_ = true;
    ui->abortButton->setEnabled(false);
    ui->askingLabel->setText(tr("Przerywanie szukania..."));
}

namespace brenvox::gui {

std::optional<DeviceProbe> FindModule(QWidget* parent, const std::vector<SerialDeviceInfo>& devices) {
    const QString info = CoreText(msg::kCaptionInfo);
    if (devices.empty()) {
        Ask(AskButtons::Ok, AskFocus::Ok, info, brenvox::gui::CoreText(brenvox::kNoSerialPorts),
            ModuleFinderDialog::tr("Sprawdź podłączenie kabla."));
        return std::nullopt;
    }
    ModuleFinderDialog dialog(parent);
    const ModuleSearch search = dialog.Run(devices);
    if (const DeviceProbe* found = search.found()) return *found;
    // Stopped by the user: nothing to say that the user does not know.
    if (dialog.stopAsked()) return std::nullopt;

    // A device that did not open was never asked: the module may well be on it, so it is not
    // counted among those where the module did not answer; the line after says why it stayed
    // closed. The likelier cause is one the user can remove (no rights to it, another program
    // holding it); one that is gone since it was listed says nothing more than the cable does.
    std::vector<DeviceProbe> opened, closed;
    for (const DeviceProbe& p : search.asked) (p.result.opened ? opened : closed).push_back(p);
    const DeviceProbe* cause = nullptr;
    for (const DeviceProbe& p : closed)
        if (!cause || (cause->result.portError.fault == PortFault::NoDevice &&
                       p.result.portError.fault != PortFault::NoDevice))
            cause = &p;
    if (opened.empty() && cause) {
        const QString line1 =
            closed.size() == 1
                ? ModuleFinderDialog::tr("Nie można otworzyć portu %1.")
                      .arg(DeviceName(closed.front().device))
                : ModuleFinderDialog::tr("Nie można otworzyć żadnego portu: %1.").arg(TriedList(closed));
        // A device gone since it was listed: the line names those that are there now.
        const PortOpenError& error = cause->result.portError;
        Ask(AskButtons::Ok, AskFocus::Ok, info, line1,
            U8(PortFaultLine(error, error.fault == PortFault::NoDevice ? ListSerialDevices()
                                                                       : std::vector<SerialDeviceInfo>{})));
        return std::nullopt;
    }
    const bool removable = cause && cause->result.portError.fault != PortFault::NoDevice;
    Ask(AskButtons::Ok, AskFocus::Ok, info,
        ModuleFinderDialog::tr("Moduł nie odpowiedział na żadnym porcie: %1.").arg(TriedList(opened)),
        removable ? U8(PortFaultLine(cause->result.portError, {}))
                  : ModuleFinderDialog::tr("Sprawdź podłączenie kabla i zasilanie modułu."));
    return std::nullopt;
}

}  // namespace brenvox::gui
