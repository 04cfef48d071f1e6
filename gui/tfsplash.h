#pragma once
// The splash window: a borderless picture that start-up creates and destroys again.
#include <QWidget>
#include <memory>

namespace Ui {
class TFSplash;
}

class TFSplash : public QWidget {
    Q_OBJECT

public:
    explicit TFSplash(QWidget* parent = nullptr);
    ~TFSplash() override;

private:
    std::unique_ptr<Ui::TFSplash> ui;
};
