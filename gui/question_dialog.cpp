#include "question_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "cp1250_text.h"
#include "enter_key.h"
#include "gui_style.h"
#include "ui_question_dialog.h"

namespace {
constexpr int kMinWidth = 282;
constexpr int kWidthExtra = 41;
constexpr int kMargin = 8;  // left, right and top margin of the panel and the buttons
constexpr int kButtonWidth = 81;
constexpr int kLabelHeight = 13;
}  // namespace

QuestionDialog::QuestionDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::QuestionDialog>()) {
    ui->setupUi(this);
    // A fixed border and a title without any buttons: the only ways out are the buttons (and
    // Esc or the window manager, which count as "Anuluj").
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    brenvox::gui::ApplyWindowLook(this);
    // Enter presses the focused button, whichever of the three it is.
    brenvox::gui::PressFocusedButtonOnEnter();

    QPalette panel = ui->messagePanel->palette();
    panel.setColor(QPalette::Window, QColor(1, 36, 106));
    panel.setColor(QPalette::WindowText, Qt::white);
    ui->messagePanel->setPalette(panel);
    ui->messagePanel->setAutoFillBackground(true);

    ui->okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->noButton->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    ui->cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ui->okButton, &QPushButton::clicked, this, [this] { done(AskYes); });
    connect(ui->noButton, &QPushButton::clicked, this, [this] { done(AskNo); });
    connect(ui->cancelButton, &QPushButton::clicked, this, [this] { done(AskCancel); });
    setFixedSize(width(), height());
}

QuestionDialog::~QuestionDialog() = default;

int QuestionDialog::widthFor(int line1Width, int line2Width) {
    const int w = std::max(line1Width, line2Width) + kWidthExtra;
    return w < kMinWidth ? kMinWidth : w;
}

void QuestionDialog::prepare(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
                             const QString& line2) {
    QPushButton* ok = ui->okButton;
    QPushButton* no = ui->noButton;
    QPushButton* cancel = ui->cancelButton;
    ok->setVisible(buttons == AskButtons::Ok || buttons == AskButtons::OkNo ||
                   buttons == AskButtons::OkNoCancel);
    no->setVisible(buttons == AskButtons::No || buttons == AskButtons::OkNo ||
                   buttons == AskButtons::OkNoCancel);
    cancel->setVisible(buttons == AskButtons::Cancel || buttons == AskButtons::OkNoCancel);
    focus_ = focus;

    setWindowTitle(caption);
    ui->firstLineLabel->setText(line1);
    ui->secondLineLabel->setText(line2);
    // Each label as wide as its text.
    const QFontMetrics fm1(ui->firstLineLabel->font());
    const QFontMetrics fm2(ui->secondLineLabel->font());
    const int w1 = fm1.horizontalAdvance(line1);
    const int w2 = fm2.horizontalAdvance(line2);
    const int h = std::max(kLabelHeight, fm1.height());
    ui->firstLineLabel->resize(w1, h);
    ui->secondLineLabel->resize(w2, h);

    // W is the outer width, frame included. The layout itself is made for the client area
    // that is left inside the frame, so the panel and the buttons keep the same margin on
    // both sides whether a window manager draws a frame (of whatever width) or none does.
    // The frame's width is only known once the window has been shown under it: the first
    // showing may be wider by the frame, never lopsided.
    const int W = widthFor(w1, w2);
    const int frame = frameGeometry().width() - geometry().width();
    const int C = W - frame;
    setFixedSize(C, height());
    const int P = C - 2 * kMargin;
    ui->messagePanel->setGeometry(kMargin, kMargin, P, ui->messagePanel->height());

    if (!line2.isEmpty()) {
        ui->secondLineLabel->setVisible(true);
        ui->firstLineLabel->move((P - w1) / 2, 8);
        ui->secondLineLabel->move((P - w2) / 2, 24);
    } else {
        ui->secondLineLabel->setVisible(false);
        ui->firstLineLabel->move((P - w1) / 2, 16);
    }

    const int top = ok->y();
    const int right = C - kMargin - kButtonWidth;  // left of a button against the right margin
    switch (buttons) {
        case AskButtons::Ok:
            ok->move((C - kButtonWidth) / 2, top);
            break;
        case AskButtons::No:
            no->move((C - kButtonWidth) / 2, top);
            break;
        case AskButtons::Cancel:
            cancel->move((C - kButtonWidth) / 2, top);
            break;
        case AskButtons::OkNo:
            ok->move(kMargin, top);
            no->move(right, top);
            break;
        case AskButtons::OkNoCancel: {
            ok->move(kMargin, top);
            cancel->move(right, top);
            // "Nie" centred in the gap; C++ division truncates towards zero as required.
            const int gap = cancel->x() - ok->x() - ok->width() - no->width();
            no->move(ok->x() + ok->width() + gap / 2, top);
            break;
        }
    }
}

void QuestionDialog::reject() {
    done(AskCancel);
}

void QuestionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QPushButton* target = nullptr;
    switch (focus_) {
        case AskFocus::Ok:
            target = ui->okButton;
            break;
        case AskFocus::No:
            target = ui->noButton;
            break;
        case AskFocus::Cancel:
            target = ui->cancelButton;
            break;
        case AskFocus::Default:
            break;
    }
    if (target && target->isVisible()) {
        target->setDefault(true);
        target->setFocus(Qt::OtherFocusReason);
    }
}

QString brenvox::gui::ConfirmCaption() {
    return CoreText(brenvox::msg::kCaptionConfirm);
}

QuestionDialog* AskDialog() {
    static QuestionDialog* dialog = nullptr;
    if (!dialog) dialog = new QuestionDialog();  // lives until the program ends, like the other windows
    return dialog;
}

int Ask(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
        const QString& line2) {
    QuestionDialog* dialog = AskDialog();
    dialog->prepare(buttons, focus, caption, line1, line2);
    return dialog->exec();
}
