#include "solver/modele/ModeleSolveur.h"

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
    f_ = std::move(f);
    FoncSaisie = true;
    return true;
}

ReponseSolveur ModeleSolveur::Calcule(const SuiviCalcul& suivi) const
{
    Journal journal;
    const FonctionReelle calcul = f_ ? f_->Dans(journal) : FonctionReelle();
    long faites = 0, total = 0;
    bool arretee = false;
    const FonctionReelle f = [&](Etendu x) {
        if (arretee)
            return ValeurErreur;
        if (++faites % 1024 == 0) {
            arretee = suivi.arret && suivi.arret();
            if (suivi.avance)
                suivi.avance(faites, total);
        }
        return calcul(x);
    };
    Etendu r;
    std::string texte;
    if (Type == TypeCalcul::Zero && Methode == 0 && FoncSaisie && InfSaisie && SupSaisie && PlusSaisie) {
        r = ZeroDichotomie(f, SolvBorneInf, SolvBorneSup, ValeurPlus);
        texte = TexteZero(r, ValeurPlus);
    } else if (Type == TypeCalcul::Zero && Methode == 1 && FoncSaisie && InfSaisie && PlusSaisie) {
        r = ZeroNewton(f, SolvBorneInf, ValeurPlus);
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
        static constexpr long evaluations[][2] = {{1, 0}, {1, 1}, {2, 1}}; // a·n + b
        if (n <= IntervallesMax)
            total = evaluations[Methode][0] * n + evaluations[Methode][1];
        r = regles[Methode](f, n, SolvBorneInf, SolvBorneSup);
        texte = TexteNombre(r);
    } else {
        return {std::nullopt, {RefusSansMessage()}};
    }
    if (arretee)
        return {std::nullopt, {}, true};
    // A fault of the text is told; a result that went through a point where
    // f is undefined is no result.
    for (const Faute& faute : journal)
        if (faute.genre == GenreErreur::Texte)
            return {"???", {faute}};
    if (r == ValeurErreur || !std::isfinite(r) || !journal.empty())
        return {"???", {RefusSansMessage()}};
    return {texte, {}};
}

std::string ModeleSolveur::Derivee() const
{
    if (!f_)
        return "?";
    Journal journal;
    const Etendu r = DeriveeNum(f_->Dans(journal), ValeurPlus);
    return r == ValeurErreur || !std::isfinite(r) || !journal.empty() ? "?" : TexteNombre(r);
}
