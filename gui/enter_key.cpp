#include "enter_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

const char* const kFilterName = "brenvox-enter-presses-focused-button";

class EnterPressesFocusedButton : public QObject {
public:
    explicit EnterPressesFocusedButton(QObject* parent) : QObject(parent) { setObjectName(kFilterName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Return, or the keypad's Enter; with Ctrl, Alt or Shift it is somebody else's key.
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus()) return false;
        // A key held down presses once: its repeats would answer the question the press opened.
        if (!key->isAutoRepeat()) button->click();
        return true;
    }
};

}  // namespace

void brenvox::gui::PressFocusedButtonOnEnter() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<QObject*>(QLatin1String(kFilterName), Qt::FindDirectChildrenOnly)) return;
    app->installEventFilter(new EnterPressesFocusedButton(app));
}
