#pragma once
// The GUI boundary of the core's texts and paths: the model keeps code page 1250 bytes, the core's
// messages are UTF-8, its paths the file system's bytes; the widgets hold QStrings. The validator
// keeps out what the code page cannot hold and limits what the user types.
#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

class QLineEdit;

namespace brenvox::gui {

QString FromCp1250(const std::string& bytes);
// A UTF-8 text of the core, as it is.
QString FromUtf8(std::string_view utf8);
// A path or device name as the core takes it (the file system's bytes; UTF-8 on Windows), and
// one the core gave back.
std::string ToCorePath(const QString& path);
QString FromCorePath(const std::string& path);
// A text of the core written in Polish (marked BRENVOX_TEXT there), in the user's language.
QString CoreText(std::string_view polish);
// Characters the code page cannot hold become '?' (the validator keeps them out of the edit
// boxes, so this only matters for text that did not come from the user).
std::string ToCp1250(const QString& text);

// Refuses any character code page 1250 cannot hold, and refuses growing the text beyond
// `maxChars` characters. A longer text the program put into the box stays whole and can still be
// shortened: the limit only stops the text from growing past it, as a length limit on typing does.
class Cp1250Validator : public QValidator {
    Q_OBJECT

public:
    Cp1250Validator(QLineEdit* edit, int maxChars);  // maxChars 0: no limit
    State validate(QString& input, int& pos) const override;
    int maxChars() const { return maxChars_; }
    // The program is about to put a text of this length into the box: it is valid however long.
    void expectLength(qsizetype length) { lastLength_ = length; }

private:
    int maxChars_;
    // Length of the text as it stood before the change being validated (the line edit already
    // holds the changed text while the validator runs).
    qsizetype lastLength_ = 0;
};

// Installs the validator on the edit box; returns it.
Cp1250Validator* LimitTyping(QLineEdit* edit, int maxChars);

// Puts a text into the box as the program (not the user) does: shown whole even when it is
// longer than what may be typed. Use this rather than QLineEdit::setText for settings values.
void SetProgramText(QLineEdit* edit, const QString& text);

}  // namespace brenvox::gui
