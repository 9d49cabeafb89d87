#pragma once
// The drawing area: the 320 x 240 picture of the plots, shown at whole
// pixels on every screen (each pixel a square block on a high-density one,
// never smoothed). It owns the picture; the window draws into it.
#include <QImage>
#include <QWidget>

class EcranDigit : public QWidget {
    Q_OBJECT
public:
    explicit EcranDigit(QWidget* parent);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QImage image_;
};
