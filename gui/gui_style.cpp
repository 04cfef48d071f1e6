#include "gui_style.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIconEngine>
#include <QScreen>
#include <QWidget>

namespace brenvox::gui {

QFont WindowFont() {
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        font.setFamily(QStringLiteral("Tahoma"));
    } else {
        // DejaVu Sans Condensed is the nearest shape; at this size it still runs about a tenth
        // wider than Tahoma, so the longest captions (the slot list, the input descriptions)
        // would be clipped by their fixed boxes. Qt narrows it the rest of the way.
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setStretch(80);
    }
    font.setPixelSize(11);  // 8 pt at 96 dpi, whatever the screen reports
    return font;
}

QFont PinDialogFont() {
    for (const char* family :
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Nimbus Sans"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            QFont font(QString::fromLatin1(family));
            font.setPixelSize(WindowFont().pixelSize());
            return font;
        }
    }
    return WindowFont();
}

namespace {
class CentreOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* w = static_cast<QWidget*>(watched);
            QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
            if (screen) w->move(screen->availableGeometry().center() - w->rect().center());
        }
        return false;
    }
};

class StyleIconEngine : public QIconEngine {
public:
    explicit StyleIconEngine(QStyle::StandardPixmap which) : which_(which) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    // Layout asks only for the size and whether there is a picture: answering from here keeps
    // the lookup away until the first paint.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new StyleIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!loaded_) {
            icon_ = QApplication::style()->standardIcon(which_);
            loaded_ = true;
        }
        return icon_;
    }
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};
}  // namespace

QIcon StyleIcon(QStyle::StandardPixmap which) {
    return QIcon(new StyleIconEngine(which));
}

void KeepCentredOnScreen(QWidget* window) {
    window->installEventFilter(new CentreOnShow(window));
}

void ApplyWindowLook(QWidget* window) {
    window->setFont(WindowFont());
    SetBackground(window, kWindowColour);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace brenvox::gui
