#include "tftervola.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTextBlock>

#include "codec/image_codec.h"
#include "gui_style.h"
#include "link/progress_log.h"
#include "link/transfer_session.h"
#include "settings/module_settings.h"
#include "tfask.h"
#include "tfinput.h"
#include "ui_tftervola.h"

using brenvox::LinkEvent;
using brenvox::LinkOutcome;
using brenvox::OperationMode;

namespace {

// A posted event of the worker: which of the four, and the window session of its transfer.
class LinkQtEvent : public QEvent {
public:
    LinkQtEvent(LinkEvent e, int session) : QEvent(LinkEventType(e)), link(e), session(session) {}
    LinkEvent link;
    int session;
};

QString U8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

ProgressButtons ProgressButtonsFor(ProgressStage stage) {
    switch (stage) {
        case ProgressStage::Preparing:
            return {true, false, false, false};
        case ProgressStage::Running:
            return {false, false, true, true};
        case ProgressStage::AbortAsked:
            return {false, false, true, false};
        case ProgressStage::Ended:
            return {true, true, false, false};
    }
    return {true, false, false, false};
}

void TFTervola::ShowButtons(ProgressStage stage) {
    const ProgressButtons b = ProgressButtonsFor(stage);
    BitBtn1->setVisible(b.repeatVisible);
    BitBtn1->setEnabled(b.repeatEnabled);
    BitBtn2->setVisible(b.abortVisible);
    BitBtn2->setEnabled(b.abortEnabled);
}

TFTervola::TFTervola(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFTervola>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFTervola"));
    // Single fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The dialogs' grey and font, one fixed size, the middle of the screen on every showing
    // (not over the main window), and pictures on the two buttons.
    brenvox::gui::ApplyWindowLook(this);
    setFixedSize(size());
    brenvox::gui::KeepCentredOnScreen(this);
    ui->BitBtn1->setIcon(brenvox::gui::StyleIcon(QStyle::SP_BrowserReload));
    ui->BitBtn2->setIcon(brenvox::gui::StyleIcon(QStyle::SP_BrowserStop));
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

    ShowButtons(ProgressStage::Preparing);
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
    ShowButtons(ProgressStage::Preparing);
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
    ShowButtons(ProgressStage::Preparing);

    AddLine(U8(brenvox::progress::kCheckingPort));
    bool opened = false;
    if (!portDevice_.isEmpty()) {
        opened = brenvox::OpenModulePort(link_, portDevice_.toStdString());
    } else {
        // No number chosen (index -1) gives port 0, which OpenPort refuses.
        opened = brenvox::OpenModulePort(link_, portNumberIndex_ + 1, portTypeIndex_);
    }
    if (!opened) {
        AddLine(U8(brenvox::progress::kPortError));
        return;
    }
    AddLine(U8(brenvox::progress::kPortReady));
    portOpened_ = true;

    AddLine(U8(brenvox::progress::kPreparingData));
    Memo1->repaint();
    if (settings_) brenvox::PrepareImages(state_, *settings_);
    AddLine(U8(brenvox::progress::kDataReady));
    BitBtn1Click();
}

void TFTervola::BitBtn1Click() {
    if (!portOpened_ || task_.Running()) return;
    task_.Join();
    ShowButtons(ProgressStage::Running);
    if (firstStart_) {
        firstStart_ = false;
        AddLine(QString());
    } else {
        Memo1->clear();
    }
    AddLine(U8(brenvox::progress::kReadingVersion));
    state_.AbortRequested = false;
    workerSession_ = session_;
    if (!task_.Start(link_, state_, *this)) {
        // Cannot happen after the Running() test above; keep the window usable all the same.
        ShowButtons(ProgressStage::Ended);
    }
}

void TFTervola::BitBtn2Click() {
    ShowButtons(ProgressStage::AbortAsked);
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
        AddLine(U8(line));
}

void TFTervola::ShowOutcome() {
    ShowButtons(ProgressStage::Ended);
    const LinkOutcome outcome = state_.TransferOutcome.load();
    const OperationMode mode = state_.CurrentMode.load();
    for (const std::string& line :
         brenvox::progress::EventLines(LinkEvent::Done, mode, state_.ModuleInfo.load(), outcome))
        AddLine(U8(line));
    if (outcome == LinkOutcome::Success) {
        bool accepted = true;
        if (mode == OperationMode::Compare)
            Ask(AskButtons::Ok, AskFocus::Ok, U8(brenvox::progress::kInfoCaption),
                U8(brenvox::progress::kCompareEqual), QString());
        else if (mode == OperationMode::Read)
            accepted = ReadAccepted();
        AddLine(U8(brenvox::progress::kModuleReady));
        if (accepted) Q_EMIT transferSucceeded();
    }
    Timer1Timer();
    Q_EMIT transferFinished(outcome);
}

bool TFTervola::ReadAccepted() {
    const auto askPin = []() -> std::optional<std::string> {
        TFInput* input = PinDialog();
        if (input->exec() != TFInput::ResultOk) return std::nullopt;
        return input->code().toStdString();
    };
    const auto read = settings_ ? brenvox::AcceptReadImage(state_, askPin, *settings_) : std::nullopt;
    if (!read) {
        Ask(AskButtons::Ok, AskFocus::Ok, U8(brenvox::progress::kInfoCaption),
            U8(brenvox::progress::kWrongModulePin), QString());
        return false;
    }
    *settings_ = read->settings;
    Q_EMIT settingsDecoded();
    Ask(AskButtons::Ok, AskFocus::Ok, U8(brenvox::progress::kInfoCaption),
        U8(brenvox::progress::kReadDecoded), QString());
    return true;
}
