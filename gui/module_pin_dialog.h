#pragma once
// The module PIN dialog: asks for the four-character access code of a module.
#include <QDialog>
#include <memory>

namespace Ui {
class ModulePinDialog;
}
class QLineEdit;

class ModulePinDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    explicit ModulePinDialog(QWidget* parent = nullptr);
    ~ModulePinDialog() override;

    // The code typed by the user (read after the OK result).
    QString code() const;
    QLineEdit* edit() const;

public Q_SLOTS:
    void reject() override;  // "Anuluj" or closing the window

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::ModulePinDialog> ui;
};

// The process-wide PIN dialog; created on first use (the program creates it at start-up).
ModulePinDialog* PinDialog();
