#include "page_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brenvox::gui {

QIcon PageIcon(int index) {
    const int s = kPageIconSize;
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    switch (index) {
        case 0: {  // a floppy disk: files
            p.setBrush(QColor(40, 80, 160));
            p.drawRoundedRect(3, 3, 18, 18, 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(7, 3, 10, 7);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(6, 14, 12, 7);
            break;
        }
        case 1: {  // a SIM card
            QPainterPath card;
            card.moveTo(5, 2);
            card.lineTo(15, 2);
            card.lineTo(20, 7);
            card.lineTo(20, 22);
            card.lineTo(5, 22);
            card.closeSubpath();
            p.setBrush(QColor(230, 230, 230));
            p.drawPath(card);
            p.setBrush(QColor(210, 170, 40));
            p.drawRoundedRect(8, 10, 9, 9, 1, 1);
            break;
        }
        case 2: {  // a chip: the module
            p.setBrush(QColor(50, 50, 50));
            p.drawRect(6, 6, 12, 12);
            p.setPen(QPen(QColor(170, 170, 170), 1.5));
            for (int k = 0; k < 3; ++k) {
                const int c = 8 + k * 4;
                p.drawLine(c, 2, c, 6);
                p.drawLine(c, 18, c, 22);
                p.drawLine(2, c, 6, c);
                p.drawLine(18, c, 22, c);
            }
            break;
        }
        case 3: {  // an envelope: SMS
            p.setBrush(QColor(250, 240, 200));
            p.drawRect(2, 6, 20, 13);
            p.drawLine(2, 6, 12, 14);
            p.drawLine(22, 6, 12, 14);
            break;
        }
        case 4: {  // a connector with pins: inputs
            p.setBrush(QColor(60, 140, 60));
            p.drawRect(3, 8, 18, 10);
            p.setBrush(QColor(220, 200, 60));
            for (int k = 0; k < 4; ++k) p.drawRect(5 + k * 4, 3, 2, 5);
            break;
        }
        case 5: {  // a handset: calls
            p.setBrush(QColor(180, 30, 30));
            p.drawRoundedRect(4, 4, 16, 6, 3, 3);
            p.drawRect(9, 9, 6, 4);
            p.drawRoundedRect(4, 13, 16, 8, 2, 2);
            break;
        }
        case 6: {  // a bulb: the output
            p.setBrush(QColor(250, 220, 50));
            p.drawEllipse(5, 2, 14, 14);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(8, 16, 8, 5);
            break;
        }
        default: {  // a clock: periodic test events
            p.setBrush(Qt::white);
            p.drawEllipse(2, 2, 20, 20);
            p.setPen(QPen(QColor(20, 20, 120), 2));
            p.drawLine(12, 12, 12, 6);
            p.drawLine(12, 12, 17, 12);
            break;
        }
    }
    p.end();
    return QIcon(pm);
}

}  // namespace brenvox::gui
