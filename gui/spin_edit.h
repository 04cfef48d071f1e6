#pragma once
// The integer box of the settings pages. A plain QSpinBox refuses every keystroke that would
// leave its range, so an installer typing "300" into a 1..250 box sees "30" and no reason why.
// This box lets the number be typed and, when the user leaves it, replaces a number outside the
// range by the nearest bound and a text that is no number at all by the range's minimum.
#include <QSpinBox>

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
