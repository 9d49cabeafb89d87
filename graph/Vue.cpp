#include "graph/Vue.h"

#include <utility>

namespace {
// Stored once and multiplied, as the read-out has always computed it.
const Etendu UnSur320 = 1.0L / LargeurEcran;
const Etendu UnSur240 = 1.0L / HauteurEcran;
} // namespace

Etendu Vue::EcranVersX(int X) const { return X * Largeur() * UnSur320 - std::fabs(Xmin); }

Etendu Vue::EcranVersY(int Y) const { return std::fabs(Ymax) - Y * Hauteur() * UnSur240; }

Etendu PasDe(const Vue& vue, int precision)
{
    return vue.Largeur() / static_cast<Etendu>(precision * LargeurEcran);
}

void NormaliseFenetre(Vue& vue, Etendu pas)
{
    if (vue.Xmin > 0.0L && vue.Xmax > 0.0L)
        vue.Xmin = -pas;
    if (vue.Ymin > 0.0L && vue.Ymax > 0.0L)
        vue.Ymin = -pas;
    if (vue.Xmin < 0.0L && vue.Xmax < 0.0L)
        vue.Xmax = pas;
    if (vue.Ymin < 0.0L && vue.Ymax < 0.0L)
        vue.Ymax = pas;
    if (vue.Xmax < vue.Xmin)
        std::swap(vue.Xmin, vue.Xmax);
    if (vue.Ymax < vue.Ymin)
        std::swap(vue.Ymin, vue.Ymax);
}

bool FenetreCorrecte(const Vue& vue)
{
    const Etendu l = vue.Largeur(), h = vue.Hauteur();
    return std::isfinite(l) && std::isfinite(h) && l > 0.0L && h > 0.0L;
}

Vue Zoome(const Vue& vue, Etendu facteurX, Etendu facteurY)
{
    return Vue{vue.Xmin * facteurX, vue.Xmax * facteurX, vue.Ymin * facteurY, vue.Ymax * facteurY};
}

Vue Recentre(const Vue& vue, int X, int Y, Etendu pas)
{
    // The edges move as the cursors' corners do: 1 is top left, 2 bottom right.
    Etendu c1x = vue.Xmin, c2x = vue.Xmax, c2y = vue.Ymin, c1y = vue.Ymax;
    const Etendu dx = vue.EcranVersX(X);
    if (std::fabs(dx) >= pas) {
        c1x += dx;
        c2x += dx;
    } else {
        c1x = -(std::fabs(c1x) + std::fabs(c2x)) * 0.5L;
        c2x = -c1x;
    }
    const Etendu dy = vue.EcranVersY(Y);
    if (std::fabs(dy) >= pas) {
        c2y += dy;
        c1y += dy;
    } else {
        c2y = -(std::fabs(c2y) + std::fabs(c1y)) * 0.5L;
        c1y = -c2y;
    }
    return Vue{c1x, c2x, c2y, c1y};
}
