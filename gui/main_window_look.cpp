#include "main_window_look.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>
#include <QStyle>

#include "gui_style.h"
#include "page_icons.h"

namespace brenvox::gui {

namespace {

// Small enough for the 25-pixel buttons: a larger picture would make Qt grow the button's
// content and shift or clip its caption.
constexpr int kButtonIconSize = 16;

// The style has no printer among its standard pictures.
QIcon PrinterIcon() {
    QPixmap pm(kButtonIconSize, kButtonIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);  // paper going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6);  // the body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);  // paper coming out
    p.setPen(QColor(40, 160, 40));
    p.drawPoint(12, 8);  // the power light
    p.end();
    return QIcon(pm);
}

// Nor a magnifying glass, the usual sign of a search.
QIcon MagnifierIcon() {
    QPixmap pm(kButtonIconSize, kButtonIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(10, 10, 14, 14);  // the handle
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(190, 220, 245));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));  // the lens
    p.end();
    return QIcon(pm);
}

// A page with a red band: the usual sign of a PDF document.
QIcon PdfIcon() {
    QPixmap pm(kButtonIconSize, kButtonIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(3, 0), QPoint(10, 0), QPoint(13, 3), QPoint(13, 15), QPoint(3, 15)}));
    p.drawLine(10, 0, 10, 3);  // the folded corner
    p.drawLine(10, 3, 13, 3);
    p.fillRect(1, 7, 11, 5, QColor(200, 30, 30));
    p.setPen(QColor(150, 150, 150));
    p.drawLine(5, 4, 8, 4);  // lines of text
    p.drawLine(5, 13, 11, 13);
    p.end();
    return QIcon(pm);
}

QFont EightPoint(QFont font) {
    font.setPixelSize(WindowFont().pixelSize());
    return font;
}

}  // namespace

void ApplyMainWindowLook(QWidget* root) {
    const QIcon envelope = PageIcon(3);
    const std::pair<const char*, QIcon> pictures[] = {
        {"newButton", StyleIcon(QStyle::SP_FileIcon)},                    // "Nowy"
        {"printButton", PrinterIcon()},                                   // "Drukuj"
        {"openButton", StyleIcon(QStyle::SP_DialogOpenButton)},           // "Odczytaj"
        {"saveButton", StyleIcon(QStyle::SP_DialogSaveButton)},           // "Zapisz"
        {"saveAsButton", StyleIcon(QStyle::SP_DriveFDIcon)},              // "Zapisz jako"
        {"savePdfButton", PdfIcon()},                                     // "Zapisz jako PDF"
        {"archiveButton", StyleIcon(QStyle::SP_FileDialogDetailedView)},  // "Archiwum"
        {"eraGsmButton", envelope},                                       // the SMS-centre presets
        {"plusGsmButton", envelope},                                      //
        {"ideaButton", envelope},                                         //
        {"programButton", PageIcon(2)},                                   // "Programuj"
        {"compareButton", StyleIcon(QStyle::SP_FileDialogContentsView)},  // compare
        {"readButton", StyleIcon(QStyle::SP_ArrowDown)},                  // read
        {"FindModuleButton", MagnifierIcon()},                            // "Szukaj modułu"
    };
    for (const auto& [name, icon] : pictures) {
        auto* button = root->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!button) continue;
        button->setIcon(icon);
        button->setIconSize(QSize(kButtonIconSize, kButtonIconSize));
    }

    // The slot list and the three descriptions in the window's 8-point size, keeping each one's
    // weight (the first description is bold).
    if (auto* list = root->findChild<QListWidget*>(QStringLiteral("slotList")))
        list->setFont(EightPoint(list->font()));
    for (const char* name : {"inputTitleLabel", "openStateLabel", "closedStateLabel"}) {
        if (auto* label = root->findChild<QLabel*>(QString::fromLatin1(name))) {
            label->setFont(EightPoint(label->font()));
            label->adjustSize();
        }
    }
}

}  // namespace brenvox::gui
