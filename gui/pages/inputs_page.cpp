#include "inputs_page.h"

#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "cp1250_text.h"
#include "gui_style.h"
#include "settings/settings_pages.h"

namespace {

constexpr int kListItemHeight = 13;

// Rows of the slot list are as high as the original list's items, so all sixteen fit.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(kListItemHeight);
        return s;
    }
};

}  // namespace

void InputsPage::setUp() {
    Ui::InputsPage& f = form();
    for (int i = 0; i < brenvox::kSlotCount; ++i)
        new QListWidgetItem(brenvox::gui::CoreText(brenvox::SlotInfoOf(i).listText), f.slotList);
    brenvox::gui::FillFunctionList(f.functionCombo);
    brenvox::gui::ChooseFromListOnly(f.functionCombo);
    // Typing limits; a longer value from a file is shown whole.
    brenvox::gui::LimitTyping(f.commentEdit, int(brenvox::kCommentMax));
    brenvox::gui::LimitTyping(f.phoneEdit, int(brenvox::kPhoneMax));
    brenvox::gui::LimitTyping(f.smsTextEdit, int(brenvox::kSlotSmsTypeMax));

    connect(f.slotList, &QListWidget::currentRowChanged, this, [this] { loadSlotEditor(); });
    for (QLineEdit* edit : {f.commentEdit, f.phoneEdit, f.smsTextEdit})
        connect(edit, &QLineEdit::textChanged, this, [this] { storeSlot(); });
    connect(f.functionCombo, &QComboBox::currentIndexChanged, this, [this] { storeSlot(); });
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{f.onOpeningRadio, f.onClosingRadio, f.lockedCheck})
        connect(button, &QAbstractButton::toggled, this, [this] { storeSlot(); });

    // The slot editor's two groups, its options and the description labels.
    for (QGroupBox* group : findChildren<QGroupBox*>())
        brenvox::gui::SetBackground(group, brenvox::gui::kGroupColour);
    for (QWidget* w : {static_cast<QWidget*>(f.lockedCheck), static_cast<QWidget*>(f.onOpeningRadio),
                       static_cast<QWidget*>(f.onClosingRadio)})
        brenvox::gui::SetBackground(w, brenvox::gui::kOptionColour);
    for (Label3D* l : {f.inputTitleLabel, f.openStateLabel, f.closedStateLabel}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(pal);
        // The descriptions must fit the 393-pixel group in the stand-in font too.
        QFont small = l->font();
        small.setPixelSize(10);
        l->setFont(small);
        l->adjustSize();
    }
    QFont listFont = f.slotList->font();
    listFont.setPixelSize(10);
    f.slotList->setFont(listFont);
    f.slotList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    f.slotList->setItemDelegate(new FixedHeightDelegate(f.slotList));
    f.slotList->setUniformItemSizes(true);
}

void InputsPage::showEvent(QShowEvent* event) {
    SettingsPage::showEvent(event);
    loadSlotEditor();
}

void InputsPage::selectSlot(int index) {
    form().slotList->setCurrentRow(index);
}

void InputsPage::loadSlotEditor() {
    if (editorHeld()) return;
    const Hold hold = holdEditor();
    Ui::InputsPage& f = form();
    const int i = f.slotList->currentRow();
    if (i < 0 || i >= brenvox::kSlotCount) return;
    const brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
    describeInput(brenvox::SlotInput(i));
    // Filled with the editor's signals blocked: showing the slot cannot store into it.
    const QSignalBlocker quiet[] = {QSignalBlocker(f.commentEdit),    QSignalBlocker(f.functionCombo),
                                    QSignalBlocker(f.onOpeningRadio), QSignalBlocker(f.onClosingRadio),
                                    QSignalBlocker(f.phoneEdit),      QSignalBlocker(f.smsTextEdit),
                                    QSignalBlocker(f.lockedCheck)};
    brenvox::gui::SetProgramText(f.commentEdit, brenvox::gui::FromCp1250(slot.Comment));
    brenvox::gui::SelectIndex(f.functionCombo, slot.Function);
    brenvox::gui::SetRadioPair(f.onOpeningRadio, f.onClosingRadio, slot.Reaction == brenvox::OnOpening,
                               slot.Reaction == brenvox::OnClosing);
    brenvox::gui::SetProgramText(f.phoneEdit, brenvox::gui::FromCp1250(slot.Phone));
    brenvox::gui::SetProgramText(f.smsTextEdit, brenvox::gui::FromCp1250(slot.SmsText));
    f.lockedCheck->setChecked(slot.Locked);
}

void InputsPage::storeSlot() {
    if (editorHeld()) return;
    Ui::InputsPage& f = form();
    const int i = f.slotList->currentRow();
    if (i < 0 || i >= brenvox::kSlotCount) return;
    // Every change stores the whole record, so the slot always matches what the editor shows.
    // With nothing chosen the function is stored as -1 and the reaction is kept.
    brenvox::InputSlot& slot = settings_.slots[static_cast<std::size_t>(i)];
    slot.setComment(brenvox::gui::ToCp1250(f.commentEdit->text()));
    slot.Function = f.functionCombo->currentIndex();
    if (f.onOpeningRadio->isChecked()) slot.Reaction = brenvox::OnOpening;
    if (f.onClosingRadio->isChecked()) slot.Reaction = brenvox::OnClosing;
    slot.setPhone(brenvox::gui::ToCp1250(f.phoneEdit->text()));
    slot.setSmsText(brenvox::gui::ToCp1250(f.smsTextEdit->text()));
    slot.Locked = f.lockedCheck->isChecked();
}

void InputsPage::describeInput(int input) {
    if (input < 1 || input > brenvox::pages::kModuleInputs) return;
    // The core's texts of each input, which the page in the browser shows too.
    const brenvox::pages::InputTexts& t = brenvox::pages::InputTextsOf(input);
    Ui::InputsPage& f = form();
    auto text = [](const char* polish) { return brenvox::gui::CoreText(polish); };
    f.inputTitleLabel->setCaption(text(t.line1));
    f.openStateLabel->setCaption(text(t.line2));
    f.closedStateLabel->setCaption(text(t.line3));
    f.onOpeningRadio->setText(text(t.opening));
    f.onClosingRadio->setText(text(t.closing));
}
