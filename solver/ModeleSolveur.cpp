#include "solver/ModeleSolveur.h"

#include "funclang/Nombres.h"

#include <cmath>

namespace {

// More decimals than extended precision holds would only print noise.
constexpr int DecimalesMax = 18;

} // namespace

std::string TexteZero(Etendu r, Etendu eps)
{
    if (!(eps > 0.0L))
        return TexteNombre(r);
    const Etendu d = std::nearbyint(-std::log10(eps)); // halves go to the even integer
    if (d < 0.0L || std::fabs(r) >= 1e36L)
        return TexteScientifiqueCourt(r);
    return TexteFixe(r, static_cast<int>(std::min<Etendu>(d, DecimalesMax)));
}

bool ModeleSolveur::ConfirmeFonction(const std::string& texte, Journal& journal)
{
    auto f = FonctionDuTexte(texte, journal);
    if (!f)
        return false;
    FonctionSolveur = texte;
    f_ = std::move(*f);
    FoncSaisie = true;
    return true;
}

ReponseSolveur ModeleSolveur::Calcule() const
{
    if (f_.echec)
        *f_.echec = false;
    if (f_.faute)
        f_.faute->clear();
    Etendu r;
    std::string texte;
    if (Type == TypeCalcul::Zero && Methode == 0 && FoncSaisie && InfSaisie && SupSaisie && PlusSaisie) {
        r = ZeroDichotomie(f_.f, SolvBorneInf, SolvBorneSup, ValeurPlus);
        texte = TexteZero(r, ValeurPlus);
    } else if (Type == TypeCalcul::Zero && Methode == 1 && FoncSaisie && InfSaisie && PlusSaisie) {
        r = ZeroNewton(f_.f, SolvBorneInf, ValeurPlus);
        texte = TexteZero(r, ValeurPlus);
    } else if (Type == TypeCalcul::Integrale && Methode >= 0 && Methode <= 2 && FoncSaisie &&
               InfSaisie && SupSaisie && PlusSaisie) {
        const Etendu tronque = std::trunc(ValeurPlus);
        // A count beyond what a rule accepts stays beyond it as a long.
        const long n = tronque > IntervallesMax ? IntervallesMax + 1
                       : tronque < 0.0L        ? 0
                                               : static_cast<long>(tronque);
        using Regle = Etendu (*)(const FonctionReelle&, long, Etendu, Etendu);
        static constexpr Regle regles[] = {IntegRectangles, IntegTrapezes, IntegSimpson};
        r = regles[Methode](f_.f, n, SolvBorneInf, SolvBorneSup);
        texte = TexteNombre(r);
    } else {
        return {std::nullopt, true, {}};
    }
    // A result that went through a point where f is undefined is no result.
    if (!f_.faute->empty())
        return {"???", false, *f_.faute};
    if (r == ValeurErreur || !std::isfinite(r) || *f_.echec)
        return {"???", true, {}};
    return {texte, false, {}};
}

std::string ModeleSolveur::Derivee() const
{
    *f_.echec = false;
    const Etendu r = DeriveeNum(f_.f, ValeurPlus);
    return r == ValeurErreur || !std::isfinite(r) || *f_.echec ? "?" : TexteNombre(r);
}
