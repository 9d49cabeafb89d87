#include "graph/modele/Vue.h"

#include <utility>

namespace {
// Stored once and multiplied, as the read-out has always computed it.
const Etendu UnSur320 = 1.0L / LargeurEcran;
const Etendu UnSur240 = 1.0L / HauteurEcran;
} // namespace

Etendu Vue::EcranVersX(int X) const { return X * Largeur() * UnSur320 + Xmin; }

Etendu Vue::EcranVersY(int Y) const { return Ymax - Y * Hauteur() * UnSur240; }

Etendu PasDe(const Vue& vue, int precision)
{
    return vue.Largeur() / static_cast<Etendu>(precision * LargeurEcran);
}

Vue Ordonnee(Vue vue)
{
    if (vue.Xmax < vue.Xmin)
        std::swap(vue.Xmin, vue.Xmax);
    if (vue.Ymax < vue.Ymin)
        std::swap(vue.Ymin, vue.Ymax);
    return vue;
}

namespace {
// Beyond these bounds the samples of neighbouring pixels would be one value:
// a step of one pixel must move both edges.
bool AxeCorrect(Etendu a, Etendu b, int pixels)
{
    const Etendu bas = std::fmin(a, b), haut = std::fmax(a, b);
    const Etendu pas = (haut - bas) / pixels;
    return std::isfinite(bas) && std::isfinite(haut) && std::isfinite(pas) && pas > 0.0L && bas + pas != bas &&
           haut - pas != haut;
}
} // namespace

bool FenetreCorrecte(const Vue& vue)
{
    return AxeCorrect(vue.Xmin, vue.Xmax, LargeurEcran) && AxeCorrect(vue.Ymin, vue.Ymax, HauteurEcran);
}

Vue Zoome(const Vue& vue, Etendu facteurX, Etendu facteurY)
{
    return Vue{vue.Xmin * facteurX, vue.Xmax * facteurX, vue.Ymin * facteurY, vue.Ymax * facteurY};
}

namespace {
// One axis of the re-centring: both edges move by d; a move under one step
// centres the axis on 0 instead, keeping its width.
void RecentreAxe(Etendu& bas, Etendu& haut, Etendu d, Etendu pas)
{
    if (std::fabs(d) >= pas) {
        bas += d;
        haut += d;
    } else {
        bas = -(haut - bas) * 0.5L;
        haut = -bas;
    }
}
} // namespace

Vue Recentre(const Vue& vue, int X, int Y, Etendu pas)
{
    Vue r = vue;
    RecentreAxe(r.Xmin, r.Xmax, vue.EcranVersX(X), pas);
    RecentreAxe(r.Ymin, r.Ymax, vue.EcranVersY(Y), pas);
    return r;
}
