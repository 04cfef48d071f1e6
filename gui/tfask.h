#pragma once
// The question dialog through which every message and yes/no question of the program is shown,
// and `Ask`, the one routine that shows it.
#include <QDialog>
#include <memory>

namespace Ui {
class TFAsk;
}

// Results of Ask.
inline constexpr int AskYes = 6;     // "OK"
inline constexpr int AskNo = 7;      // "Nie"
inline constexpr int AskCancel = 2;  // "Anuluj", or the dialog closed any other way

class TFAsk : public QDialog {
    Q_OBJECT

public:
    explicit TFAsk(QWidget* parent = nullptr);
    ~TFAsk() override;

    // Lays the dialog out for one call without showing it: button visibility (1 "OK", 2 "Nie",
    // 3 "Anuluj", 4 "OK"+"Nie", 5 all three, anything else: as the previous call left them),
    // the focus request, caption, the two lines, the width and every position.
    void prepare(int buttons, int focus, const QString& caption, const QString& line1, const QString& line2);

    // The window width for two lines of the given pixel widths: the wider plus 41, at least 282.
    static int widthFor(int line1Width, int line2Width);

public Q_SLOTS:
    void reject() override;  // Esc or closing the window: the same as "Anuluj"

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TFAsk> ui;
    int focus_ = 0;
};

// The process-wide question dialog; created on first use (the program creates it at start-up)
// and kept until the program ends.
TFAsk* askDialog();

// Shows the question dialog modally and returns the result of the pressed button (AskYes,
// AskNo, AskCancel). Messages use buttons 1 / focus 1; questions buttons 4 / focus 2, and only
// AskYes counts as consent. An empty line2 gives a one-line dialog.
int Ask(int buttons, int focus, const QString& caption, const QString& line1, const QString& line2);
