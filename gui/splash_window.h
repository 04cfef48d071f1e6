#pragma once
// The splash window: a borderless picture that start-up creates and destroys again.
#include <QWidget>
#include <memory>

namespace Ui {
class SplashWindow;
}

class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

private:
    std::unique_ptr<Ui::SplashWindow> ui;
};
