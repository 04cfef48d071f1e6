#include "cp1250_text.h"

#include <QFile>
#include <QLineEdit>

#include "i18n/translate.h"
#include "settings/cp1250.h"

namespace brenvox::gui {

QString FromCp1250(const std::string& bytes) {
    return QString::fromStdString(Cp1250ToUtf8(bytes));
}

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCorePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromCorePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString CoreText(std::string_view polish) {
    return FromUtf8(Tr(polish));
}

std::string ToCp1250(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const auto b = UnicodeToCp1250(cp);
        out.push_back(b ? static_cast<char>(*b) : '?');
    }
    return out;
}

Cp1250Validator::Cp1250Validator(QLineEdit* edit, int maxChars)
    : QValidator(edit), maxChars_(maxChars), lastLength_(edit->text().size()) {
    // Every text the box accepts, typed or set by the program, is the base for the next check.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { lastLength_ = text.size(); });
}

QValidator::State Cp1250Validator::validate(QString& input, int&) const {
    for (const char32_t cp : input.toUcs4())
        if (!UnicodeToCp1250(cp)) return Invalid;
    if (maxChars_ > 0) {
        if (input.size() > maxChars_ && input.size() > lastLength_) return Invalid;
    }
    return Acceptable;
}

Cp1250Validator* LimitTyping(QLineEdit* edit, int maxChars) {
    auto* v = new Cp1250Validator(edit, maxChars);
    edit->setValidator(v);
    return v;
}

}  // namespace brenvox::gui

namespace brenvox::gui {

void SetProgramText(QLineEdit* edit, const QString& text) {
    // The line edit validates the new text before it tells anyone about it; the validator must
    // already know that this length is the program's.
    if (auto* v = qobject_cast<const Cp1250Validator*>(edit->validator()))
        const_cast<Cp1250Validator*>(v)->expectLength(text.size());
    edit->setText(text);
}

}  // namespace brenvox::gui
