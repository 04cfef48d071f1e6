#pragma once
// A text label that draws its caption two or three times with small offsets and different
// colours, for a shadowed or raised look. Everything but the painting is QLabel's own.
#include <QColor>
#include <QLabel>

class Label3D : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor FrontColor READ frontColor WRITE setFrontColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int Style3D READ style3D WRITE setStyle3D)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)

public:
    explicit Label3D(QWidget* parent = nullptr);
    ~Label3D() override;

    QColor frontColor() const { return frontColor_; }
    QColor backColor() const { return backColor_; }
    int style3D() const { return style3D_; }
    bool transparent() const { return transparent_; }

    // Stored as given (no range check: an unknown style simply draws no text) and repainted.
    void setFrontColor(const QColor& c);
    void setBackColor(const QColor& c);
    void setStyle3D(int style);
    void setTransparent(bool on);

    // Sets the caption and sizes the label to it, as an auto-sized label does.
    void setCaption(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor frontColor_{255, 255, 255};
    QColor backColor_{0, 0, 0};
    int style3D_ = 1;
    bool transparent_ = false;
};
