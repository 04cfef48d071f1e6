#include "progress_window.h"

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
#include "module_pin_dialog.h"
#include "operation/progress_log.h"
#include "question_dialog.h"
#include "settings/messages.h"
#include "settings/module_settings.h"
#include "ui_progress_window.h"

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

void ProgressWindow::ShowButtons(ProgressStage stage) {
    const ProgressButtons b = ProgressButtonsFor(stage);
    if (b.abortVisible && ui->abortButton->isHidden()) abortShown_.start();
    ui->repeatButton->setVisible(b.repeatVisible);
    ui->repeatButton->setEnabled(b.repeatEnabled);
    ui->abortButton->setVisible(b.abortVisible);
    ui->abortButton->setEnabled(b.abortEnabled);
    // The button shown takes its place at once, not when the layout gets round to it: a click
    // that follows at once lands on it as it would on the other.
    layout()->activate();
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ProgressWindow>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("ProgressWindow"));
    // Single fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The dialogs' grey and font, one fixed size, the middle of the screen on every showing
    // (not over the main window), and pictures on the two buttons.
    brenvox::gui::ApplyWindowLook(this);
    setFixedSize(size());
    brenvox::gui::KeepCentredOnScreen(this);
    ui->repeatButton->setIcon(brenvox::gui::StyleIcon(QStyle::SP_BrowserReload));
    ui->abortButton->setIcon(brenvox::gui::StyleIcon(QStyle::SP_BrowserStop));
    ui->progressBar->setRange(0, brenvox::progress::kProgressMax);

    barTimer_ = new QTimer(this);
    barTimer_->setObjectName(QStringLiteral("barTimer"));
    barTimer_->setInterval(250);
    connect(barTimer_, &QTimer::timeout, this, &ProgressWindow::moveBar);

    // A show that finds the previous showing's worker still ending (the window was closed under
    // a transfer) waits for it: the images must not be encoded again while that worker may
    // still read them, and only one worker may talk to the port.
    waitForWorker_ = new QTimer(this);
    waitForWorker_->setInterval(20);
    connect(waitForWorker_, &QTimer::timeout, this, [this] {
        if (runner_.workerRunning()) return;
        waitForWorker_->stop();
        runner_.joinWorker();
        if (showing_) openAndStart();
    });

    // Enter presses the focused button; neither button is the window's default (see the form),
    // so Enter on the log starts nothing.
    brenvox::gui::PressFocusedButtonOnEnter();
    connect(ui->repeatButton, &QPushButton::clicked, this, &ProgressWindow::startTransfer);
    connect(ui->abortButton, &QPushButton::pressed, this, &ProgressWindow::abortPressed);
    connect(ui->abortButton, &QPushButton::clicked, this, &ProgressWindow::abortClicked);

    ShowButtons(ProgressStage::Preparing);
}

ProgressWindow::~ProgressWindow() = default;

bool ProgressWindow::takeRequest(const brenvox::OperationRequest& request) {
    brenvox::OperationRequest taken = request;
    // A busy port leaves "Powtórz" disabled here: the way on is through closing this window.
    taken.portRetry = brenvox::PortRetry::CloseWindow;
    return runner_.Check(taken);
}

bool ProgressWindow::RunLinkOperation(const brenvox::OperationRequest& request) {
    if (!takeRequest(request)) return false;
    exec();
    return true;
}

QStringList ProgressWindow::logLines() const {
    QStringList lines;
    const QTextDocument* doc = ui->transferLog->document();
    if (doc->isEmpty()) return lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || showing_) return;
    showing_ = true;
    ui->transferLog->clear();
    ShowButtons(ProgressStage::Preparing);
    if (runner_.workerRunning()) {
        waitForWorker_->start();
        return;
    }
    runner_.joinWorker();
    openAndStart();
}

void ProgressWindow::openAndStart() {
    barTimer_->start();
    portOpened_ = false;
    running_ = false;
    ui->transferLog->clear();
    ShowButtons(ProgressStage::Preparing);
    if (!runner_.Open()) return;
    portOpened_ = true;
    startTransfer();
}

void ProgressWindow::startTransfer() {
    if (!portOpened_) return;
    runner_.Start();
}

void ProgressWindow::abortPressed() {
    abortPressTooSoon_ = abortShown_.isValid() &&
                         abortShown_.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void ProgressWindow::abortClicked() {
    if (abortPressTooSoon_) {
        abortPressTooSoon_ = false;
        return;
    }
    ShowButtons(ProgressStage::AbortAsked);
    runner_.Abort();
}

void ProgressWindow::moveBar() {
    ui->progressBar->setValue(std::min(ui->progressBar->maximum(), runner_.barPosition()));
}

void ProgressWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || !showing_) return;
    showing_ = false;
    stopAndClose();
}

void ProgressWindow::stopAndClose() {
    waitForWorker_->stop();
    // Closes the port when it was opened; a transfer still running then sees no replies, ends
    // on its own, and nothing it reports reaches this window any more.
    runner_.Close();
    portOpened_ = false;
    running_ = false;
    barTimer_->stop();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (running_ && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ProgressWindow::WorkerEvent() {
    QCoreApplication::postEvent(this, new QEvent(kWorkerEvent));
}

void ProgressWindow::customEvent(QEvent* event) {
    if (event->type() != kWorkerEvent) {
        QDialog::customEvent(event);
        return;
    }
    if (showing_) runner_.Pump();
}

void ProgressWindow::SettingsRefused(const brenvox::ValidationFailure& failure) {
    Ask(AskButtons::Ok, AskFocus::Ok, QString::fromStdString(failure.caption),
        QString::fromStdString(failure.line1), QString::fromStdString(failure.line2));
}

void ProgressWindow::AddLine(std::string_view line) {
    ui->transferLog->appendPlainText(U8(line));
}

void ProgressWindow::ClearLog() {
    ui->transferLog->clear();
}

void ProgressWindow::Preparing() {
    // The preparation line stays visible while the encoders run.
    ui->transferLog->repaint();
}

void ProgressWindow::TransferStarted() {
    running_ = true;
    ShowButtons(ProgressStage::Running);
}

void ProgressWindow::TransferStopped(brenvox::LinkOutcome) {
    running_ = false;
    ShowButtons(ProgressStage::Ended);
}

void ProgressWindow::ShowInformation(std::string_view text) {
    Ask(AskButtons::Ok, AskFocus::Ok, brenvox::gui::CoreText(brenvox::msg::kCaptionInfo), U8(text),
        QString());
}

std::optional<std::string> ProgressWindow::AskModulePin() {
    ModulePinDialog* input = PinDialog();
    if (input->exec() != ModulePinDialog::ResultOk) return std::nullopt;
    return input->code().toStdString();
}

void ProgressWindow::SettingsRead(const brenvox::ModuleSettings& settings) {
    Q_EMIT settingsDecoded(settings);
}

void ProgressWindow::OperationEnded(const brenvox::OperationResult& result) {
    if (result.status() == brenvox::OperationStatus::Succeeded) Q_EMIT transferSucceeded();
    moveBar();
    Q_EMIT transferFinished(result.outcome);
}
