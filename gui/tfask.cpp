#include "tfask.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "cp1250_text.h"
#include "enter_key.h"
#include "gui_style.h"
#include "ui_tfask.h"

namespace {
constexpr int kMinWidth = 282;
constexpr int kWidthExtra = 41;
constexpr int kMargin = 8;  // left, right and top margin of the panel and the buttons
constexpr int kButtonWidth = 81;
constexpr int kLabelHeight = 13;
}  // namespace

TFAsk::TFAsk(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFAsk>()) {
    ui->setupUi(this);
    // A fixed border and a title without any buttons: the only ways out are the buttons (and
    // Esc or the window manager, which count as "Anuluj").
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    brenvox::gui::ApplyWindowLook(this);
    // Enter presses the focused button, whichever of the three it is.
    brenvox::gui::PressFocusedButtonOnEnter();

    QPalette panel = ui->Panel1->palette();
    panel.setColor(QPalette::Window, QColor(1, 36, 106));
    panel.setColor(QPalette::WindowText, Qt::white);
    ui->Panel1->setPalette(panel);
    ui->Panel1->setAutoFillBackground(true);

    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    ui->BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { done(AskYes); });
    connect(ui->BitBtn2, &QPushButton::clicked, this, [this] { done(AskNo); });
    connect(ui->BitBtn3, &QPushButton::clicked, this, [this] { done(AskCancel); });
    setFixedSize(width(), height());
}

TFAsk::~TFAsk() = default;

int TFAsk::widthFor(int line1Width, int line2Width) {
    const int w = std::max(line1Width, line2Width) + kWidthExtra;
    return w < kMinWidth ? kMinWidth : w;
}

void TFAsk::prepare(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
                    const QString& line2) {
    QPushButton* ok = ui->BitBtn1;
    QPushButton* no = ui->BitBtn2;
    QPushButton* cancel = ui->BitBtn3;
    ok->setVisible(buttons == AskButtons::Ok || buttons == AskButtons::OkNo ||
                   buttons == AskButtons::OkNoCancel);
    no->setVisible(buttons == AskButtons::No || buttons == AskButtons::OkNo ||
                   buttons == AskButtons::OkNoCancel);
    cancel->setVisible(buttons == AskButtons::Cancel || buttons == AskButtons::OkNoCancel);
    focus_ = focus;

    setWindowTitle(caption);
    ui->Label1->setText(line1);
    ui->Label2->setText(line2);
    // Each label as wide as its text.
    const QFontMetrics fm1(ui->Label1->font());
    const QFontMetrics fm2(ui->Label2->font());
    const int w1 = fm1.horizontalAdvance(line1);
    const int w2 = fm2.horizontalAdvance(line2);
    const int h = std::max(kLabelHeight, fm1.height());
    ui->Label1->resize(w1, h);
    ui->Label2->resize(w2, h);

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
    ui->Panel1->setGeometry(kMargin, kMargin, P, ui->Panel1->height());

    if (!line2.isEmpty()) {
        ui->Label2->setVisible(true);
        ui->Label1->move((P - w1) / 2, 8);
        ui->Label2->move((P - w2) / 2, 24);
    } else {
        ui->Label2->setVisible(false);
        ui->Label1->move((P - w1) / 2, 16);
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

void TFAsk::reject() {
    done(AskCancel);
}

void TFAsk::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QPushButton* target = nullptr;
    switch (focus_) {
        case AskFocus::Ok:
            target = ui->BitBtn1;
            break;
        case AskFocus::No:
            target = ui->BitBtn2;
            break;
        case AskFocus::Cancel:
            target = ui->BitBtn3;
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

TFAsk* AskDialog() {
    static TFAsk* dialog = nullptr;
    if (!dialog) dialog = new TFAsk();  // lives until the program ends, like the other windows
    return dialog;
}

int Ask(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
        const QString& line2) {
    TFAsk* dialog = AskDialog();
    dialog->prepare(buttons, focus, caption, line1, line2);
    return dialog->exec();
}
