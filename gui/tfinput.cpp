#include "tfinput.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "cp1250_text.h"
#include "enter_key.h"
#include "gui_style.h"
#include "settings/module_settings.h"
#include "ui_tfinput.h"

TFInput::TFInput(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFInput>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    brenvox::gui::ApplyWindowLook(this);
    // Enter presses the focused button (Enter in the PIN box still accepts the code).
    brenvox::gui::PressFocusedButtonOnEnter();
    setFont(brenvox::gui::PinDialogFont());
    setFixedSize(width(), height());
    // Any character is accepted (no digit filter) as long as the code page can hold it: the
    // code is compared byte for byte with the one stored in the module.
    brenvox::gui::LimitTyping(ui->Edit1, int(brenvox::kPinTypeMax));
    ui->BitBtn1->setIcon(brenvox::gui::StyleIcon(QStyle::SP_DialogOkButton));
    ui->BitBtn3->setIcon(brenvox::gui::StyleIcon(QStyle::SP_DialogCancelButton));
    ui->BitBtn1->setAutoDefault(false);
    ui->BitBtn3->setAutoDefault(false);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(ui->BitBtn3, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    connect(ui->Edit1, &QLineEdit::returnPressed, this, [this] { done(ResultOk); });
}

TFInput::~TFInput() = default;

QString TFInput::code() const {
    return ui->Edit1->text();
}

QLineEdit* TFInput::edit() const {
    return ui->Edit1;
}

void TFInput::reject() {
    done(ResultCancel);
}

void TFInput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ui->Edit1->clear();
    ui->Edit1->setFocus(Qt::OtherFocusReason);
}

TFInput* PinDialog() {
    static TFInput* dialog = nullptr;
    if (!dialog) dialog = new TFInput();
    return dialog;
}
