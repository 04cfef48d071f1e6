// The core headers come first: the settings model has a member named like one of Qt's keywords.
#include "tftervola.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>

#include "codec/image_codec.h"
#include "link/progress_log.h"
#include "settings/cp1250.h"
#include "settings/module_settings.h"
#include "tfask.h"
#include "tfinput.h"
#include "ui_tftervola.h"

using brenvox::LinkEvent;
using brenvox::LinkOutcome;
using brenvox::OperationMode;

namespace {

QString deviceOverride;

// A posted event of the worker: which of the four, and the window session of its transfer.
class LinkQtEvent : public QEvent {
public:
    LinkQtEvent(LinkEvent e, int session) : QEvent(LinkEventType(e)), link(e), session(session) {}
    LinkEvent link;
    int session;
};

QString u8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

TFTervola::TFTervola(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFTervola>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFTervola"));
    // Single fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Memo1 = ui->Memo1;
    ProgressBar1 = ui->ProgressBar1;
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    ui->Memo2->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &TFTervola::Timer1Timer);

    // A show that finds the previous window session's worker still ending (the window was
    // closed under a transfer) waits for it: the images must not be encoded again while that
    // worker may still read them, and only one worker may talk to the port.
    waitForWorker_ = new QTimer(this);
    waitForWorker_->setInterval(20);
    connect(waitForWorker_, &QTimer::timeout, this, [this] {
        if (task_.Running()) return;
        waitForWorker_->stop();
        task_.Join();
        if (showing_) FormShow();
    });

    connect(BitBtn1, &QPushButton::clicked, this, &TFTervola::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFTervola::BitBtn2Click);

    BitBtn1->setVisible(true);
    BitBtn1->setEnabled(false);
    BitBtn2->setVisible(false);
    BitBtn2->setEnabled(false);
}

TFTervola::~TFTervola() {
    // Closing the port makes every read of a running worker fail at once, so the join in the
    // task's destructor is short.
    link_.ClosePort();
    task_.Join();
}

void TFTervola::setPortSelection(int typeIndex, int numberIndex) {
    portTypeIndex_ = typeIndex;
    portNumberIndex_ = numberIndex;
}

void TFTervola::setPortDeviceOverride(const QString& devicePath) {
    deviceOverride = devicePath;
}
QString TFTervola::portDeviceOverride() {
    return deviceOverride;
}

QString TFTervola::portDevice() const {
    if (!deviceOverride.isEmpty()) return deviceOverride;
    return u8(brenvox::PortDevicePath(portTypeIndex_, portNumberIndex_ + 1));
}

void TFTervola::RunLinkOperation() {
    exec();
}

QStringList TFTervola::logLines() const {
    QStringList lines;
    const QTextDocument* doc = Memo1->document();
    if (doc->isEmpty()) return lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

void TFTervola::AddLine(const QString& line) {
    Memo1->appendPlainText(line);
}

void TFTervola::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || showing_) return;
    showing_ = true;
    ++session_;
    Memo1->clear();
    BitBtn1->setVisible(true);
    BitBtn1->setEnabled(false);
    BitBtn2->setVisible(false);
    BitBtn2->setEnabled(false);
    if (task_.Running()) {
        waitForWorker_->start();
        return;
    }
    task_.Join();
    FormShow();
}

void TFTervola::FormShow() {
    Timer1->start();
    portOpened_ = false;
    state_.WritePos = 0;
    state_.CheckPos = 0;
    firstStart_ = true;

    Memo1->clear();
    BitBtn1->setVisible(true);
    BitBtn1->setEnabled(false);
    BitBtn2->setVisible(false);
    BitBtn2->setEnabled(false);

    AddLine(u8(brenvox::progress::kCheckingPort));
    bool opened = false;
    if (!deviceOverride.isEmpty()) {
        opened = link_.OpenDevice(deviceOverride.toStdString(), 115200, 200, 10);
    } else {
        // No number chosen (index -1) gives port 0, which OpenPort refuses.
        opened = link_.OpenPort(portNumberIndex_ + 1, 115200, 200, 10, portTypeIndex_);
    }
    if (!opened) {
        AddLine(u8(brenvox::progress::kPortError));
        return;
    }
    AddLine(u8(brenvox::progress::kPortReady));
    portOpened_ = true;

    AddLine(u8(brenvox::progress::kPreparingData));
    Memo1->repaint();
    if (settings_) {
        state_.ImageV10 = brenvox::EncodeImageV10(*settings_);
        state_.ImageV11 = brenvox::EncodeImageV11(*settings_);
    }
    AddLine(u8(brenvox::progress::kDataReady));
    BitBtn1Click();
}

void TFTervola::BitBtn1Click() {
    if (!portOpened_ || task_.Running()) return;
    task_.Join();
    BitBtn1->setVisible(false);
    BitBtn1->setEnabled(false);
    BitBtn2->setVisible(true);
    BitBtn2->setEnabled(true);
    if (firstStart_) {
        firstStart_ = false;
        AddLine(QString());
    } else {
        Memo1->clear();
    }
    AddLine(u8(brenvox::progress::kReadingVersion));
    state_.AbortRequested = false;
    workerSession_ = session_;
    if (!task_.Start(link_, state_, *this)) {
        // Cannot happen after the Running() test above; keep the window usable all the same.
        BitBtn1->setVisible(true);
        BitBtn1->setEnabled(true);
        BitBtn2->setVisible(false);
        BitBtn2->setEnabled(false);
    }
}

void TFTervola::BitBtn2Click() {
    BitBtn1->setVisible(false);
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
    state_.AbortRequested = true;
}

void TFTervola::Timer1Timer() {
    const int w = state_.WritePos.load();
    const int c = state_.CheckPos.load();
    ProgressBar1->setValue(std::min(ProgressBar1->maximum(),
                                    state_.CurrentMode.load() == OperationMode::Program ? w + c : 2 * c));
}

void TFTervola::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || !showing_) return;
    showing_ = false;
    FormClose();
}

void TFTervola::FormClose() {
    waitForWorker_->stop();
    if (portOpened_) link_.ClosePort();
    portOpened_ = false;
    Timer1->stop();
}

void TFTervola::OnLinkEvent(LinkEvent event) {
    QCoreApplication::postEvent(this, new LinkQtEvent(event, workerSession_.load()));
}

void TFTervola::customEvent(QEvent* event) {
    const int t = event->type();
    if (t < LinkEventType(LinkEvent::Done) || t > LinkEventType(LinkEvent::Restarting)) {
        QDialog::customEvent(event);
        return;
    }
    auto* e = static_cast<LinkQtEvent*>(event);
    // A transfer of an earlier session (the window was closed under it) has nobody to tell.
    if (e->session != session_ || !showing_) return;
    if (e->link == LinkEvent::Done) {
        ShowOutcome();
        return;
    }
    for (const std::string& line : brenvox::progress::EventLines(
             e->link, state_.CurrentMode.load(), state_.ModuleInfo.load(), LinkOutcome::Success))
        AddLine(u8(line));
}

void TFTervola::ShowOutcome() {
    BitBtn1->setVisible(true);
    BitBtn1->setEnabled(true);
    BitBtn2->setVisible(false);
    BitBtn2->setEnabled(false);
    const LinkOutcome outcome = state_.TransferOutcome.load();
    const OperationMode mode = state_.CurrentMode.load();
    for (const std::string& line :
         brenvox::progress::EventLines(LinkEvent::Done, mode, state_.ModuleInfo.load(), outcome))
        AddLine(u8(line));
    if (outcome == LinkOutcome::Success) {
        bool accepted = true;
        if (mode == OperationMode::Compare)
            Ask(1, 1, u8(brenvox::progress::kInfoCaption), u8(brenvox::progress::kCompareEqual), QString());
        else if (mode == OperationMode::Read)
            accepted = ReadAccepted();
        AddLine(u8(brenvox::progress::kModuleReady));
        if (accepted) Q_EMIT transferSucceeded();
    }
    Timer1Timer();
    Q_EMIT transferFinished(outcome);
}

bool TFTervola::ReadAccepted() {
    const brenvox::ModuleImage& image = state_.ReadImage;
    bool dialogAccepted = false;
    std::string entered;
    if (brenvox::ModuleHasPin(image)) {
        TFInput* input = pinDialog();
        dialogAccepted = input->exec() == TFInput::ResultOk;
        // The PIN is compared byte for byte with what the module holds, in its code page; a
        // character the code page cannot hold can never match.
        const auto bytes = brenvox::utf8ToCp1250(input->code().toStdString());
        entered = bytes.ok ? bytes.bytes : std::string("\x01\x01\x01\x01\x01");
    }
    if (!settings_ || !brenvox::ModulePinAccepted(image, dialogAccepted, entered)) {
        Ask(1, 1, u8(brenvox::progress::kInfoCaption), u8(brenvox::progress::kWrongModulePin), QString());
        return false;
    }
    const brenvox::ModuleInfo info = state_.ModuleInfo.load();
    if (info.VersionMajor == 1 && info.VersionMinor == 0)
        brenvox::DecodeImageV10(image, *settings_);
    else
        brenvox::DecodeImageV11(image, *settings_);
    Q_EMIT settingsDecoded();
    Ask(1, 1, u8(brenvox::progress::kInfoCaption), u8(brenvox::progress::kReadDecoded), QString());
    return true;
}
