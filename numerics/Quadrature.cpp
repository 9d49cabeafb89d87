#include "numerics/Quadrature.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

// The Kronrod nodes of [-1, 1] from 1 down to 0, and their weights; the odd
// ranks are the 7-point Gauss nodes, with the Gauss weights below.
constexpr Etendu Noeuds[8] = {
    0.991455371120812639206854697526329L, 0.949107912342758524526189684047851L,
    0.864864423359769072789712788640926L, 0.741531185599394439863864773280788L,
    0.586087235467691130294144845693013L, 0.405845151377397166906606412076961L,
    0.207784955007898467600689403773245L, 0.0L};
constexpr Etendu PoidsKronrod[8] = {
    0.022935322010529224963732008058970L, 0.063092092629978553290700663189204L,
    0.104790010322250183839876322541518L, 0.140653259715525918745189590510238L,
    0.169004726639267902826583426598550L, 0.190350578064785409913256402421014L,
    0.204432940075298892414161999234649L, 0.209482141084727828012999174891714L};
constexpr Etendu PoidsGauss[4] = {0.129484966168869693270611432679082L, 0.279705391489276667901467771423780L,
                                  0.381830050505118944950369775488975L, 0.417959183673469387755102040816327L};

struct Panneau {
    Etendu a, b, valeur, erreur;
    Etendu absolu; // the integral of |f|, the scale of the rounding
    bool operator<(const Panneau& autre) const { return erreur < autre.erreur; }
};

// One panel: the Kronrod value, and |Kronrod - Gauss| as its error.
bool Panneau15(const Integrande& f, Etendu a, Etendu b, Panneau& p, Etendu& echec)
{
    const Etendu centre = (a + b) * 0.5L, demi = (b - a) * 0.5L;
    Etendu kronrod = 0.0L, gauss = 0.0L, absolu = 0.0L;
    for (int k = 0; k < 8; ++k) {
        const int cotes = k == 7 ? 1 : 2;
        for (int s = 0; s < cotes; ++s) {
            const Etendu x = centre + (s == 0 ? demi : -demi) * Noeuds[k];
            Etendu y;
            if (!f(x, y) || !std::isfinite(y)) {
                echec = x;
                return false;
            }
            kronrod += PoidsKronrod[k] * y;
            absolu += PoidsKronrod[k] * std::fabs(y);
            if (k % 2 == 1)
                gauss += PoidsGauss[k / 2] * y;
        }
    }
    p = Panneau{a, b, kronrod * demi, std::fabs((kronrod - gauss) * demi), absolu * std::fabs(demi)};
    return true;
}

} // namespace

Integration IntegreGaussKronrod(const Integrande& f, Etendu a, Etendu b, Etendu toleranceRelative, int panelsMax,
                                const std::function<bool()>& arret)
{
    Integration r;
    if (a == b)
        return r;
    std::vector<Panneau> panneaux; // a heap, the largest estimate on top
    Panneau p;
    Etendu echec = 0.0L;
    if (!Panneau15(f, a, b, p, echec)) {
        r.echec = echec;
        return r;
    }
    panneaux.push_back(p);
    Etendu valeur = p.valeur, erreur = p.erreur, absolu = p.absolu;
    // Where the values cancel (sin over a period), the rounding of the
    // panels' sums, a few units of the last place of the integral of |f|,
    // is the bound that can be reached.
    auto arrondi = [&] { return 64.0L * LDBL_EPSILON * absolu; };
    auto atteinte = [&] { return erreur <= std::max(toleranceRelative * std::fabs(valeur), arrondi()); };
    while (!atteinte() && static_cast<int>(panneaux.size()) < panelsMax) {
        if (arret && arret()) {
            r.interrompue = true;
            break;
        }
        const Panneau pire = panneaux.front();
        const Etendu milieu = (pire.a + pire.b) * 0.5L;
        // A panel too narrow to halve holds what it can.
        if (milieu == pire.a || milieu == pire.b)
            break;
        Panneau gauche, droite;
        if (!Panneau15(f, pire.a, milieu, gauche, echec) || !Panneau15(f, milieu, pire.b, droite, echec)) {
            r.echec = echec;
            return r;
        }
        std::pop_heap(panneaux.begin(), panneaux.end());
        panneaux.back() = gauche;
        std::push_heap(panneaux.begin(), panneaux.end());
        panneaux.push_back(droite);
        std::push_heap(panneaux.begin(), panneaux.end());
        // Summed again rather than updated: the differences would pile up
        // their rounding over thousands of panels.
        valeur = erreur = absolu = 0.0L;
        for (const Panneau& q : panneaux) {
            valeur += q.valeur;
            erreur += q.erreur;
            absolu += q.absolu;
        }
    }
    r.valeur = valeur;
    // The estimates do not hold the rounding: the bound holds both.
    r.erreur = std::max(erreur, arrondi());
    return r;
}
