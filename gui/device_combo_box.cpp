#include "device_combo_box.h"

#include <QAbstractItemView>
#include <QScreen>

void DeviceComboBox::showPopup() {
    Q_EMIT popupAboutToShow();
    // The box is narrower than the names: the list is as wide as its longest entry, within the
    // screen.
    int widest = width();
    const QFontMetrics fm = view()->fontMetrics();
    for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)) + 24);
    if (const QScreen* s = screen()) widest = std::min(widest, s->availableGeometry().width() / 2);
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}
