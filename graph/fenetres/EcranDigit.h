#pragma once
// The drawing area: the 320 x 240 picture of the plots, shown at whole
// pixels on every screen (each pixel a square block on a high-density one,
// never smoothed). It owns the picture; the window draws into it.
#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

class EcranDigit : public QWidget {
    Q_OBJECT
public:
    explicit EcranDigit(QWidget* parent);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // The trace mode's marker over pixel (X, Y), drawn over the picture,
    // never into it; none to hide it.
    void DefinitMarque(std::optional<QPoint> pixel);
    // Small crosses over the points a study found, over the picture as the
    // marker is; none to hide them.
    void DefinitCroix(std::vector<QPoint> pixels);
    const std::vector<QPoint>& Croix() const { return croix_; }
    // Screen pixels per picture pixel: 1, 2 or 3 ("Agrandissement").
    void DefinitAgrandissement(int facteur);
    int Agrandissement() const { return facteur_; }

signals:
    // The pointer over pixel (X, Y) of the picture, and a button pressed
    // there; nothing is reported outside the picture.
    void Deplacement(int X, int Y);
    void Appui(Qt::MouseButton bouton, int X, int Y);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    // The pixel under a position, if it lies on the picture.
    std::optional<QPoint> PixelSous(const QPointF& position) const;
    QImage image_;
    std::optional<QPoint> marque_;
    std::vector<QPoint> croix_;
    int facteur_ = 1;
};
