#include "splash_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "gui_style.h"
#include "ui_splash_window.h"

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::SplashWindow>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(400, 199);

    QPixmap picture(400, 199);
    QPainter p(&picture);
    QLinearGradient g(0, 0, 0, 199);
    g.setColorAt(0, QColor(1, 36, 106));
    g.setColorAt(1, QColor(58, 110, 165));
    p.fillRect(picture.rect(), g);
    QFont f = brenvox::gui::WindowFont();
    f.setPixelSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Kavrex GSM"));
    p.end();
    ui->pictureLabel->setPixmap(picture);
}

SplashWindow::~SplashWindow() = default;
