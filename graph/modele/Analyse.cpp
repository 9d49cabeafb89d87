#include "graph/modele/Analyse.h"

Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x)
{
    Programme f(texte, lettre);
    return DeriveeEn(f, x);
}

Derivee DeriveeEn(Programme& programme, Etendu x)
{
    Derivee r{0.0L, {}};
    // The method stops at the first failed evaluation: its fault is the one
    // kept.
    r.valeur = DeriveeTraceur(
        [&](Etendu t) -> std::optional<Etendu> {
            const Evaluation e = programme.Execute(t);
            if (e.faute) {
                r.faute = e.faute;
                return std::nullopt;
            }
            return e.resultat;
        },
        x);
    return r;
}

namespace {
// The cartesian text as a function that has no value where it fails.
FonctionPartielle Partielle(const std::string& texte)
{
    return [programme = Programme(texte, 'x')](Etendu x) mutable -> std::optional<Etendu> {
        const Evaluation e = programme.Execute(x);
        if (e.faute)
            return std::nullopt;
        return e.resultat;
    };
}
} // namespace

Etendu Integrale(const std::string& texte, Etendu a, Etendu b) { return IntegraleTraceur(Partielle(texte), a, b); }

Etendu ChercheZero(const std::string& texte, Etendu a, Etendu b) { return ZeroTraceur(Partielle(texte), a, b); }
