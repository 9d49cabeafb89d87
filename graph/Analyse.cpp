#include "graph/Analyse.h"

#include "funclang/Nombres.h"
#include "graph/Trace.h"

Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x)
{
    constexpr Etendu h = 0.01L;
    Derivee r{0.0L, {}};
    // The first failed evaluation ends the difference.
    auto f = [&](Etendu t, Etendu& valeur) {
        const Evaluation e = EvalueCourbe(texte, lettre, t);
        if (e.erreur) {
            r.echec = e;
            return false;
        }
        valeur = e.resultat;
        return true;
    };
    Etendu a, b, c, d;
    if (!f(x - h, a) || !f(x + h, b) || !f(x - h / 2.0L, c) || !f(x + h / 2.0L, d)) {
        r.valeur = ValeurErreur;
        return r;
    }
    Etendu s = a;
    s = s - b;
    s = s - 8.0L * c;
    s = s + 8.0L * d;
    r.valeur = s / (6.0L * h);
    return r;
}
