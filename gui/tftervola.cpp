#include "tftervola.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleHints>
#include <QTextBlock>

#include "cp1250_text.h"
#include "enter_key.h"
#include "gui_style.h"
#include "operation/progress_log.h"
#include "settings/messages.h"
#include "settings/module_settings.h"
#include "tfask.h"
#include "tfinput.h"
#include "ui_tftervola.h"

namespace {

// The worker's sign that an event waits in the runner: the window pumps it on its own thread.
const QEvent::Type kWorkerEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// The runner's lines and messages come in the user's language already.
QString U8(std::string_view s) {
    return brenvox::gui::FromUtf8(s);
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
    if (b.abortVisible && BitBtn2->isHidden()) abortShown_.start();
    BitBtn1->setVisible(b.repeatVisible);
    BitBtn1->setEnabled(b.repeatEnabled);
    BitBtn2->setVisible(b.abortVisible);
    BitBtn2->setEnabled(b.abortEnabled);
    // The button shown takes its place at once, not when the layout gets round to it: a click
    // that follows at once lands on it as it would on the other.
    layout()->activate();
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
    ProgressBar1->setRange(0, brenvox::progress::kProgressMax);
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    ui->Memo2->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &TFTervola::Timer1Timer);

    // A show that finds the previous showing's worker still ending (the window was closed under
    // a transfer) waits for it: the images must not be encoded again while that worker may
    // still read them, and only one worker may talk to the port.
    waitForWorker_ = new QTimer(this);
    waitForWorker_->setInterval(20);
    connect(waitForWorker_, &QTimer::timeout, this, [this] {
        if (runner_.workerRunning()) return;
        waitForWorker_->stop();
        runner_.joinWorker();
        if (showing_) FormShow();
    });

    // Enter presses the focused button; neither button is the window's default (see the form),
    // so Enter on the log starts nothing.
    brenvox::gui::PressFocusedButtonOnEnter();
    connect(BitBtn1, &QPushButton::clicked, this, &TFTervola::BitBtn1Click);
    connect(BitBtn2, &QPushButton::pressed, this, &TFTervola::BitBtn2Pressed);
    connect(BitBtn2, &QPushButton::clicked, this, &TFTervola::BitBtn2Click);

    ShowButtons(ProgressStage::Preparing);
}

TFTervola::~TFTervola() = default;

bool TFTervola::takeRequest(const brenvox::OperationRequest& request) {
    brenvox::OperationRequest taken = request;
    // A busy port leaves "Powtórz" disabled here: the way on is through closing this window.
    taken.portRetry = brenvox::PortRetry::CloseWindow;
    return runner_.Check(taken);
}

bool TFTervola::RunLinkOperation(const brenvox::OperationRequest& request) {
    if (!takeRequest(request)) return false;
    exec();
    return true;
}

QStringList TFTervola::logLines() const {
    QStringList lines;
    const QTextDocument* doc = Memo1->document();
    if (doc->isEmpty()) return lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

void TFTervola::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || showing_) return;
    showing_ = true;
    Memo1->clear();
    ShowButtons(ProgressStage::Preparing);
    if (runner_.workerRunning()) {
        waitForWorker_->start();
        return;
    }
    runner_.joinWorker();
    FormShow();
}

void TFTervola::FormShow() {
    Timer1->start();
    portOpened_ = false;
    running_ = false;
    Memo1->clear();
    ShowButtons(ProgressStage::Preparing);
    if (!runner_.Open()) return;
    portOpened_ = true;
    BitBtn1Click();
}

void TFTervola::BitBtn1Click() {
    if (!portOpened_) return;
    runner_.Start();
}

void TFTervola::BitBtn2Pressed() {
    abortPressTooSoon_ = abortShown_.isValid() &&
                         abortShown_.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void TFTervola::BitBtn2Click() {
    if (abortPressTooSoon_) {
        abortPressTooSoon_ = false;
        return;
    }
    ShowButtons(ProgressStage::AbortAsked);
    runner_.Abort();
}

void TFTervola::Timer1Timer() {
    ProgressBar1->setValue(std::min(ProgressBar1->maximum(), runner_.barPosition()));
}

void TFTervola::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || !showing_) return;
    showing_ = false;
    FormClose();
}

void TFTervola::FormClose() {
    waitForWorker_->stop();
    // Closes the port when it was opened; a transfer still running then sees no replies, ends
    // on its own, and nothing it reports reaches this window any more.
    runner_.Close();
    portOpened_ = false;
    running_ = false;
    Timer1->stop();
}

void TFTervola::keyPressEvent(QKeyEvent* event) {
    if (running_ && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFTervola::WorkerEvent() {
    QCoreApplication::postEvent(this, new QEvent(kWorkerEvent));
}

void TFTervola::customEvent(QEvent* event) {
    if (event->type() != kWorkerEvent) {
        QDialog::customEvent(event);
        return;
    }
    if (showing_) runner_.Pump();
}

void TFTervola::SettingsRefused(const brenvox::ValidationFailure& failure) {
    Ask(AskButtons::Ok, AskFocus::Ok, QString::fromStdString(failure.caption),
        QString::fromStdString(failure.line1), QString::fromStdString(failure.line2));
}

void TFTervola::AddLine(std::string_view line) {
    Memo1->appendPlainText(U8(line));
}

void TFTervola::ClearLog() {
    Memo1->clear();
}

void TFTervola::Preparing() {
    // The preparation line stays visible while the encoders run.
    Memo1->repaint();
}

void TFTervola::TransferStarted() {
    running_ = true;
    ShowButtons(ProgressStage::Running);
}

void TFTervola::TransferStopped(brenvox::LinkOutcome) {
    running_ = false;
    ShowButtons(ProgressStage::Ended);
}

void TFTervola::ShowInformation(std::string_view text) {
    Ask(AskButtons::Ok, AskFocus::Ok, brenvox::gui::CoreText(brenvox::msg::kCaptionInfo), U8(text),
        QString());
}

std::optional<std::string> TFTervola::AskModulePin() {
    TFInput* input = PinDialog();
    if (input->exec() != TFInput::ResultOk) return std::nullopt;
    return input->code().toStdString();
}

void TFTervola::SettingsRead(const brenvox::ModuleSettings& settings) {
    Q_EMIT settingsDecoded(settings);
}

void TFTervola::OperationEnded(const brenvox::OperationResult& result) {
    if (result.status() == brenvox::OperationStatus::Succeeded) Q_EMIT transferSucceeded();
    Timer1Timer();
    Q_EMIT transferFinished(result.outcome);
}
