#pragma once
// What the plotter's tests read from a picture: the pixels of one colour,
// how many fall in some columns, a drawing painted on a fresh area.
#include "graph/modele/Trace.h"
#include "graph/toile/Toile.h"

#include <QImage>
#include <QMetaType>

#include <set>
#include <utility>

using Points = std::set<std::pair<int, int>>;

// The pixels of one colour in a picture.
inline Points PixelsDe(const QImage& image, Couleur c)
{
    Points p;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(c.r, c.g, c.b))
                p.insert({x, y});
    return p;
}

inline int DansColonnes(const Points& p, int de, int a)
{
    int n = 0;
    for (auto [x, y] : p)
        n += x >= de && x <= a;
    return n;
}

inline QImage Image(const Dessin& d)
{
    QImage image = NouvelleImage();
    Peint(image, d);
    return image;
}

// A plot's progress, told to nobody.
inline const Progression Rien{[](long) {}};

Q_DECLARE_METATYPE(Points)
