#include "inputs_page.h"

#include <QStyledItemDelegate>

#include "gui_style.h"

namespace {

constexpr int kListItemHeight = 13;

// What the three description labels and the two reaction captions say for each module input.
struct InputTexts {
    const char* line1;
    const char* line2;
    const char* line3;
    const char* opening;
    const char* closing;
};
constexpr const char* kUniversal2 = "Rozwarte - Czujnik NO wyłączony / Czujnik NC załączony.";
constexpr const char* kUniversal3 = "Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony.";
constexpr const char* kUniversalOpen = "Rozwarcie - Rozwarte";
constexpr const char* kUniversalClose = "Zwarcie - Zwarte do masy";
constexpr InputTexts kInputTexts[7] = {
    {"Wejście 1 - Blokada pracy modułu  (zwierne do masy 0V).",
     "Rozwarte - Moduł reaguje na zmiany sygnałów na pozostałych wejściach.",
     "Zwarte do masy - Moduł ignoruje zmiany sygnałów na pozostałych wejściach.",
     "Rozwarcie - Praca dozwolona", "Zwarcie - Zablokowanie modułu"},
    {"Wejście 2 - Kontrola napięcia akumulatora  (zwierne do +12V).",
     "Napięcie poniżej 10,4V (rozwarte) - niskie napięcie akumulatora.",
     "Napięcie powyżej 10,4V (zwarte do +12V) - napięcie akumulatora właściwe.",
     "Rozwarcie - Awaria akumulatora", "Zwarcie - Napięcie właściwe"},
    {"Wejście 3 - Alarm aktywny  (zwierne do +12V).",
     "Napięcie poniżej 7V (rozwarte) - stan normalny systemu.",
     "Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne.", "Rozwarcie - Koniec alarmu",
     "Zwarcie - Alarm uaktywniony"},
    {"Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 5 - Uniwersalne nr 2  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 6 - Uniwersalne nr 3  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
    {"Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V).", kUniversal2, kUniversal3, kUniversalOpen,
     kUniversalClose},
};

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
    // The slot editor's two groups, its options and the description labels.
    for (QGroupBox* group : findChildren<QGroupBox*>())
        brenvox::gui::SetBackground(group, brenvox::gui::kGroupColour);
    for (QWidget* w : {static_cast<QWidget*>(f.CheckBox5), static_cast<QWidget*>(f.RadioButton1),
                       static_cast<QWidget*>(f.RadioButton2)})
        brenvox::gui::SetBackground(w, brenvox::gui::kOptionColour);
    for (TLabel3D* l : {f.Label3D1, f.Label3D2, f.Label3D3}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
        l->setPalette(pal);
        // The descriptions must fit the 393-pixel group in the stand-in font too.
        QFont small = l->font();
        small.setPixelSize(10);
        l->setFont(small);
        l->adjustSize();
    }
    QFont listFont = f.ListBox1->font();
    listFont.setPixelSize(10);
    f.ListBox1->setFont(listFont);
    f.ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    f.ListBox1->setItemDelegate(new FixedHeightDelegate(f.ListBox1));
    f.ListBox1->setUniformItemSizes(true);
}

void InputsPage::describeInput(int input) {
    if (input < 1 || input > int(std::size(kInputTexts))) return;
    const InputTexts& t = kInputTexts[input - 1];
    Ui::InputsPage& f = form();
    f.Label3D1->setCaption(QString::fromUtf8(t.line1));
    f.Label3D2->setCaption(QString::fromUtf8(t.line2));
    f.Label3D3->setCaption(QString::fromUtf8(t.line3));
    f.RadioButton1->setText(QString::fromUtf8(t.opening));
    f.RadioButton2->setText(QString::fromUtf8(t.closing));
}
