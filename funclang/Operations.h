#pragma once
// The operations and the functions of both evaluators on values read from
// the text, inline: the text path and the compiled path share them, and the
// compiled path runs them millions of times a second.
#include "funclang/Reecriture.h"

#include <climits>
#include <cmath>

namespace operations {

// Powers by an integer up to this exponent are the literal repeated product;
// beyond it, repeated squaring keeps a plot of x^2147483647 from taking
// minutes for every point.
constexpr long ProduitLitteralMax = 65536;

inline std::optional<Echec> Refus(const char* message, Etendu valeur, GenreErreur genre = GenreErreur::Valeur)
{
    return Echec{message, valeur, genre};
}

inline std::optional<Echec> PuissanceEntiere(Etendu base, long n, const Dialecte& d, Etendu& r)
{
    Etendu p = 1.0L;
    if (n <= ProduitLitteralMax) {
        for (long i = 0; i < n; ++i)
            p = p * base;
    } else {
        for (Etendu facteur = base; n > 0; n >>= 1) {
            if (n & 1)
                p = p * facteur;
            if (n > 1)
                facteur = facteur * facteur;
        }
    }
    if (!std::isfinite(p))
        return Refus(d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte);
    r = p;
    return std::nullopt;
}

inline std::optional<Echec> Puissance(Etendu gauche, Etendu droite, const Dialecte& d, Etendu& r)
{
    r = 0.0L;
    if (gauche == 0.0L)
        return std::nullopt;
    if (!d.ligne) {
        r = 1.0L;
        if (droite == 0.0L)
            return std::nullopt;
        const Etendu arrondi = std::rint(droite); // to the nearest, ties to even
        if (arrondi > static_cast<Etendu>(INT_MAX) || arrondi < static_cast<Etendu>(INT_MIN))
            return Refus(d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte);
        if (droite == arrondi) {
            const long n = static_cast<long>(arrondi);
            if (n <= -1)
                return Refus(d.syntaxeNonSupportee, ValeurErreur);
            return PuissanceEntiere(gauche, n, d, r);
        }
    }
    r = std::exp(droite * std::log(gauche));
    if (!std::isfinite(r))
        return Refus(d.depassement, ValeurErreur);
    return std::nullopt;
}

} // namespace operations

inline std::optional<Echec> Opere(char op, Etendu gauche, Etendu droite, const Dialecte& d, Etendu& r)
{
    switch (op) {
    case '^': return operations::Puissance(gauche, droite, d, r);
    case '#': r = gauche + droite; break;
    case '~': r = gauche - droite; break;
    case '*': r = gauche * droite; break;
    case '/':
        if (droite == 0.0L)
            return operations::Refus(d.divisionParZero, 1.0L);
        r = gauche / droite;
        break;
    }
    if (!std::isfinite(r))
        return operations::Refus(d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte);
    return std::nullopt;
}

inline std::optional<Echec> Applique(const Fonction& f, Etendu& v, const Dialecte& d)
{
    const char* refus = f.refus ? f.refus(v) : nullptr;
    if (refus && d.ligne && f.deLaLigne && f.refusLigne)
        refus = f.refusLigne;
    if (refus)
        return operations::Refus(refus, ValeurErreur);
    const Etendu r = (d.ligne && f.calculLigne ? f.calculLigne : f.calcul)(v);
    if (!std::isfinite(r))
        return operations::Refus(d.depassement, ValeurErreur);
    v = r;
    return std::nullopt;
}

