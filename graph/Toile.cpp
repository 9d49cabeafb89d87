#include "graph/Toile.h"

#include "graph/Vue.h"

#include <QPainter>

namespace {
QColor CouleurQt(Couleur c) { return QColor(c.r, c.g, c.b); }
} // namespace

QImage NouvelleImage()
{
    QImage image(LargeurEcran, HauteurEcran, QImage::Format_RGB32);
    EffaceImage(image);
    return image;
}

void EffaceImage(QImage& image) { image.fill(Qt::black); }

void Peint(QImage& image, const Dessin& dessin)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Primitive& d : dessin) {
        QPen stylo(CouleurQt(d.couleur), 0);
        stylo.setCapStyle(d.sorte == Primitive::Sorte::Pixel ? Qt::SquareCap : Qt::FlatCap);
        p.setPen(stylo);
        if (d.sorte == Primitive::Sorte::Pixel)
            p.drawPoint(d.x1, d.y1); // column 320 and row 240 fall outside: clipped
        else
            p.drawLine(d.x1, d.y1, d.x2, d.y2);
    }
}
