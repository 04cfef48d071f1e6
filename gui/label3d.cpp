#include "label3d.h"

#include <QPainter>

Label3D::Label3D(QWidget* parent) : QLabel(parent) {}

Label3D::~Label3D() = default;

void Label3D::setFrontColor(const QColor& c) {
    frontColor_ = c;
    update();
}

void Label3D::setBackColor(const QColor& c) {
    backColor_ = c;
    update();
}

void Label3D::setStyle3D(int style) {
    style3D_ = style;
    update();
}

void Label3D::setTransparent(bool on) {
    transparent_ = on;
    update();
}

void Label3D::setCaption(const QString& text) {
    setText(text);
    adjustSize();
}

void Label3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), palette().color(backgroundRole()));
    p.setFont(font());
    // One line at fixed offsets: no alignment, wrapping or mnemonic handling, whatever the
    // base label is set to, so the copies land exactly where the style puts them.
    const QFontMetrics fm(font());
    const QString caption = text();
    auto draw = [&](const QColor& colour, int dx, int dy) {
        p.setPen(colour);
        p.drawText(dx, dy + fm.ascent(), caption);
    };
    const QColor fontColour = palette().color(foregroundRole());
    switch (style3D_) {
        case 0:
            draw(fontColour, 0, 0);
            break;
        case 1:
            draw(backColor_, 1, 1);
            draw(fontColour, 0, 0);
            break;
        case 2:
            draw(backColor_, 2, 2);
            draw(frontColor_, 0, 0);
            draw(fontColour, 1, 1);
            break;
        default:
            break;
    }
}
