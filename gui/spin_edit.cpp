#include "spin_edit.h"

#include <QRegularExpression>
#include <algorithm>

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State SpinEdit::validate(QString& input, int&) const {
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+")) return QValidator::Intermediate;
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    if (!number.match(t).hasMatch()) return QValidator::Invalid;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok) return QValidator::Intermediate;
    return (v >= minimum() && v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinEdit::fixup(QString& input) const {
    bool ok = false;
    const qlonglong v = input.trimmed().toLongLong(&ok);
    qlonglong fixed = minimum();
    if (ok) fixed = std::clamp<qlonglong>(v, minimum(), maximum());
    input = QString::number(fixed);
}
