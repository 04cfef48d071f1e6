#pragma once
// The question dialog through which every message and yes/no question of the program is shown,
// and `Ask`, the one routine that shows it.
#include <QDialog>
#include <QString>
#include <memory>

#include "settings/messages.h"

namespace Ui {
class QuestionDialog;
}

// The buttons a call shows.
enum class AskButtons { Ok, No, Cancel, OkNo, OkNoCancel };
// The button that has the focus when the dialog opens; it must be one the call shows. Default
// leaves the focus where the dialog puts it.
enum class AskFocus { Ok, No, Cancel, Default };

// Results of Ask: the dialog's result codes, which callers compare and tests script.
inline constexpr int AskYes = 6;     // "OK"
inline constexpr int AskNo = 7;      // "Nie"
inline constexpr int AskCancel = 2;  // "Anuluj", or the dialog closed any other way

namespace brenvox::gui {
// The caption of questions and of most messages, in the user's language: a function, because
// the language is chosen at start-up, after static texts would have been made.
QString ConfirmCaption();
}  // namespace brenvox::gui

class QuestionDialog : public QDialog {
    Q_OBJECT

public:
    explicit QuestionDialog(QWidget* parent = nullptr);
    ~QuestionDialog() override;

    // Lays the dialog out for one call without showing it: button visibility, the focus
    // request, caption, the two lines, the width and every position.
    void prepare(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
                 const QString& line2);

    // The window width for two lines of the given pixel widths: the wider plus 41, at least 282.
    static int widthFor(int line1Width, int line2Width);

public Q_SLOTS:
    void reject() override;  // Esc or closing the window: the same as "Anuluj"

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::QuestionDialog> ui;
    AskFocus focus_ = AskFocus::Default;
};

// The process-wide question dialog; created on first use (the program creates it at start-up)
// and kept until the program ends.
QuestionDialog* AskDialog();

// Shows the question dialog modally and returns the result of the pressed button (AskYes,
// AskNo, AskCancel). Messages use Ok / Ok; questions OkNo / No (the safe answer has the focus),
// and only AskYes counts as consent. An empty line2 gives a one-line dialog.
int Ask(AskButtons buttons, AskFocus focus, const QString& caption, const QString& line1,
        const QString& line2);
