#include "gui_style.h"

#include <QFontDatabase>
#include <QWidget>

namespace brenvox::gui {

QFont windowFont() {
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        font.setFamily(QStringLiteral("Tahoma"));
    } else {
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setStretch(QFont::SemiCondensed);
    }
    font.setPixelSize(11);  // 8 pt at 96 dpi, whatever the screen reports
    return font;
}

void applyWindowLook(QWidget* window) {
    window->setFont(windowFont());
    setBackground(window, kWindowColour);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace brenvox::gui
