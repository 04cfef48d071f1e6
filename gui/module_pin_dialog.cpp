#include "module_pin_dialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "cp1250_text.h"
#include "enter_key.h"
#include "gui_style.h"
#include "settings/module_settings.h"
#include "ui_module_pin_dialog.h"

ModulePinDialog::ModulePinDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ModulePinDialog>()) {
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
    brenvox::gui::LimitTyping(ui->pinEdit, int(brenvox::kPinTypeMax));
    ui->okButton->setIcon(brenvox::gui::StyleIcon(QStyle::SP_DialogOkButton));
    ui->cancelButton->setIcon(brenvox::gui::StyleIcon(QStyle::SP_DialogCancelButton));
    ui->okButton->setAutoDefault(false);
    ui->cancelButton->setAutoDefault(false);
    connect(ui->okButton, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(ui->cancelButton, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    connect(ui->pinEdit, &QLineEdit::returnPressed, this, [this] { done(ResultOk); });
}

ModulePinDialog::~ModulePinDialog() = default;

QString ModulePinDialog::code() const {
    return ui->pinEdit->text();
}

QLineEdit* ModulePinDialog::edit() const {
    return ui->pinEdit;
}

void ModulePinDialog::reject() {
    done(ResultCancel);
}

void ModulePinDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ui->pinEdit->clear();
    ui->pinEdit->setFocus(Qt::OtherFocusReason);
}

ModulePinDialog* PinDialog() {
    static ModulePinDialog* dialog = nullptr;
    if (!dialog) dialog = new ModulePinDialog();
    return dialog;
}
