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
