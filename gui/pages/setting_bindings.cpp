#include "setting_bindings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "cp1250_text.h"

namespace brenvox::gui {

namespace {

// Swallows printable keys; one per box, owned by it.
class TypedCharacterFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.at(0).isPrint()) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SettingBindings::text(QLineEdit* edit, std::string ModuleSettings::*field, std::size_t typeMax) {
    LimitTyping(edit, static_cast<int>(typeMax));
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this, field](const QString& t) { settings_.*field = ToCp1250(t); });
    shows_.push_back([this, edit, field] {
        const QSignalBlocker quiet(edit);
        SetProgramText(edit, FromCp1250(settings_.*field));
    });
}

void SettingBindings::flag(QAbstractButton* box, bool ModuleSettings::*field) {
    QObject::connect(box, &QAbstractButton::toggled, box, [this, field](bool on) { settings_.*field = on; });
    shows_.push_back([this, box, field] {
        const QSignalBlocker quiet(box);
        box->setChecked(settings_.*field);
    });
}

void SettingBindings::number(QSpinBox* spin, IntSetting key) {
    const IntRange range = IntRangeOf(key);
    spin->setRange(range.min, range.max);
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [this, key](int v) { settings_.set(key, v); });
    shows_.push_back([this, spin, key] {
        const QSignalBlocker quiet(spin);
        spin->setValue(settings_.get(key));
    });
}

void SettingBindings::function(QComboBox* box, IntSetting key) {
    FillFunctionList(box);
    ChooseFromListOnly(box);
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [this, key](int i) { settings_.set(key, i); });
    shows_.push_back([this, box, key] {
        const QSignalBlocker quiet(box);
        SelectIndex(box, settings_.get(key));
    });
}

void SettingBindings::choice(QRadioButton* on, QRadioButton* off, bool ModuleSettings::*field) {
    for (QRadioButton* r : {on, off})
        QObject::connect(r, &QRadioButton::toggled, r,
                         [this, on, field] { settings_.*field = on->isChecked(); });
    shows_.push_back([this, on, off, field] {
        const QSignalBlocker quietOn(on);
        const QSignalBlocker quietOff(off);
        SetRadioPair(on, off, settings_.*field, !(settings_.*field));
    });
}

void SettingBindings::refresh() const {
    for (const auto& show : shows_) show();
}

void FillFunctionList(QComboBox* box) {
    for (int f = 0; f < kSlotFunctionCount; ++f) box->addItem(QString::fromUtf8(SlotFunctionName(f)));
}

void ChooseFromListOnly(QComboBox* box) {
    box->setEditable(false);
    auto* filter = new TypedCharacterFilter(box);
    box->installEventFilter(filter);
    box->view()->installEventFilter(filter);
}

void SelectIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void SetRadioPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn) {
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(firstOn);
    second->setChecked(secondOn);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

}  // namespace brenvox::gui
