#include "graph/toile/Toile.h"

#include "graph/modele/Vue.h"

#include <QPainter>

#include <optional>
#include <utility>

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
    // The pen changes only with the colour or the kind: a plot of 3,200
    // samples is as many lines of one colour.
    std::optional<std::pair<Couleur, Primitive::Sorte>> courant;
    for (const Primitive& d : dessin) {
        if (!courant || courant->first != d.couleur || courant->second != d.sorte) {
            QPen stylo(CouleurQt(d.couleur), 0);
            stylo.setCapStyle(d.sorte == Primitive::Sorte::Pixel ? Qt::SquareCap : Qt::FlatCap);
            p.setPen(stylo);
            courant = {d.couleur, d.sorte};
        }
        if (d.sorte == Primitive::Sorte::Pixel)
            p.drawPoint(d.x1, d.y1); // column 320 and row 240 fall outside: clipped
        else if (d.x1 != d.x2 || d.y1 != d.y2) // without its last pixel, a point is nothing
            p.drawLine(d.x1, d.y1, d.x2, d.y2);
    }
}
