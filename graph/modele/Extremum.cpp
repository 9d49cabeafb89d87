#include "graph/modele/Extremum.h"

#include "funclang/Programme.h"
#include "numerics/Methodes.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

class Recherche {
public:
    Recherche(const std::string& texte, Etendu a, Etendu b) : f_(texte, 'x'), a_(a), b_(b) {}

    bool Echantillonne()
    {
        valeurs_.reserve(ExtremumPas + 1);
        for (int k = 0; k <= ExtremumPas; ++k) {
            const auto v = F(X(k));
            if (!v)
                return false;
            valeurs_.push_back(*v);
        }
        return true;
    }

    // sens +1: the maximum, -1: the minimum.
    std::optional<PointExtreme> Cherche(int sens)
    {
        int meilleur = 0;
        for (int k = 1; k <= ExtremumPas; ++k)
            if (sens * valeurs_[k] > sens * valeurs_[meilleur])
                meilleur = k;
        PointExtreme p{X(meilleur), valeurs_[meilleur], meilleur == 0 || meilleur == ExtremumPas};
        if (p.borne || a_ == b_)
            return p;
        const Etendu d = (b_ - a_) * 1E-6L;
        Etendu g = X(meilleur - 1), h = X(meilleur + 1);
        // Towards the extremum the difference has the sign of sens on the
        // left, the opposite on the right.
        auto pente = [&](Etendu x) -> std::optional<int> {
            const auto u = F(x + d), v = F(x - d);
            if (!u || !v)
                return std::nullopt;
            const Etendu diff = sens * (*u - *v);
            return diff > 0.0L ? 1 : diff < 0.0L ? -1 : 0;
        };
        const auto pg = pente(g), ph = pente(h);
        if (!pg || !ph)
            return std::nullopt;
        if (*pg <= 0 || *ph >= 0)
            return p; // no change of sign to follow
        for (int n = 0; n < 200; ++n) {
            const Etendu m = g + (h - g) / 2.0L;
            if (m <= g || m >= h)
                break;
            const auto pm = pente(m);
            if (!pm)
                return std::nullopt;
            if (*pm == 0) {
                g = h = m;
                break;
            }
            (*pm > 0 ? g : h) = m;
        }
        const Etendu x = ZeroSiProche(g + (h - g) / 2.0L); // as the zero search reads a root near 0
        const auto fx = F(x);
        if (!fx)
            return std::nullopt;
        if (sens * *fx >= sens * p.fx)
            p = PointExtreme{x, *fx, false};
        return p;
    }

private:
    Etendu X(int k) const
    {
        if (k == ExtremumPas)
            return b_;
        return a_ + (b_ - a_) * static_cast<Etendu>(k) / ExtremumPas;
    }
    std::optional<Etendu> F(Etendu x)
    {
        const Evaluation e = f_.Execute(x);
        if (e.faute || !std::isfinite(e.resultat))
            return std::nullopt;
        return e.resultat;
    }

    Programme f_;
    Etendu a_, b_;
    std::vector<Etendu> valeurs_;
};

} // namespace

std::optional<Extremums> ChercheExtremums(const std::string& texte, Etendu a, Etendu b)
{
    if (b < a)
        std::swap(a, b);
    if (!std::isfinite(b - a))
        return std::nullopt;
    Recherche r(texte, a, b);
    if (!r.Echantillonne())
        return std::nullopt;
    const auto maximum = r.Cherche(1);
    const auto minimum = maximum ? r.Cherche(-1) : std::nullopt;
    if (!minimum)
        return std::nullopt;
    return Extremums{*maximum, *minimum};
}
