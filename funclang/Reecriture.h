#pragma once
// The rewriting skeleton of both evaluators (the plotter's and the line
// entry's), written once over a text policy:
//  - the text evaluator runs it on the real text, where every value is
//    written as its 23-character text and read back;
//  - the compiler runs it on a symbolic text, where each value is one token,
//    and records the operations as a program instead of computing them.
// The order of the steps, the operands and the faults of the text do not
// depend on the values (a value's text holds no operator, bracket or
// letter), so both runs take the same steps.
#include "funclang/Fonctions.h"
#include "funclang/Nombres.h"
#include "numerics/Etendu.h"
#include "numerics/Faute.h"

#include <optional>
#include <string_view>

// A failure as the skeleton finds it, before it leaves the evaluator as a
// Faute: a static message, so that the compiled path's inner steps never
// allocate.
struct Echec {
    const char* message;
    Etendu valeur; // 1.0 or ValeurErreur, as the caller gets it
    GenreErreur genre;
    // The box that tells it: a warning for a missing bracket.
    IconeFaute icone = IconeFaute::Erreur;
};

// The messages and rules that differ between the two evaluators.
struct Dialecte {
    bool ligne; // powers by exp(y ln x) only; the line entry's own functions
    const char* parentheseOuvrante;
    const char* parentheseFermante;
    const char* divisionParZero;
    const char* depassement;
    const char* expressionIncorrecte;
    const char* syntaxeNonSupportee;
};
extern const Dialecte DialecteFonctions;
extern const Dialecte DialecteLigne;

inline constexpr std::string_view OperateursTexte = "#~*/^";

// Opere (one operation on two values read from the text, its exact result
// before it is written back with 15 digits) and Applique (a function) are
// in Operations.h.

namespace reecriture {

// A plain text seen as the skeleton sees its texts.
struct VueTexte {
    std::string_view s;
    std::size_t Taille() const { return s.size(); }
    char Car(std::size_t i) const { return s[i]; }
};

inline bool EstOperateur(char c) { return c != '\0' && OperateursTexte.find(c) != std::string_view::npos; }

// A sign directly in front of position i + 1 that binds to what follows:
// at the start, or after an operator or an opening bracket.
template <class T>
bool SigneUnaire(const T& t, std::size_t i)
{
    const char c = t.Car(i);
    if (c != '+' && c != '-')
        return false;
    if (i == 0)
        return true;
    const char avant = t.Car(i - 1);
    return avant == '(' || EstOperateur(avant);
}

// The operator levels, then the one number left.
template <class T>
std::optional<Echec> SansParentheses(T& t, const Dialecte& d, typename T::Valeur& resultat)
{
    static constexpr std::string_view Niveaux[] = {"^", "*/", "#~"};
    for (std::string_view niveau : Niveaux) {
        for (std::size_t p = 0; p < t.Taille(); ++p) {
            const char op = t.Car(p);
            if (op == '\0' || niveau.find(op) == std::string_view::npos)
                continue;
            std::size_t debut = p, fin = p + 1;
            while (debut > 0 && !EstOperateur(t.Car(debut - 1)))
                --debut;
            while (fin < t.Taille() && !EstOperateur(t.Car(fin)))
                ++fin;
            const auto gauche = t.Operande(debut, p);
            const auto droite = t.Operande(p + 1, fin);
            if (!gauche || !droite)
                return Echec{d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte};
            typename T::Valeur r{};
            if (const auto e = t.Opere(op, *gauche, *droite, r))
                return e;
            p = debut + t.Remplace(debut, fin, r) - 1; // the scan goes on after the number
        }
    }
    const auto v = t.Final();
    if (!v)
        return Echec{d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte};
    resultat = *v;
    return std::nullopt;
}

// Innermost brackets first, each group with the function whose code stands
// before it and the sign in front of both; then the flat text.
template <class T>
std::optional<Echec> Parentheses(T& t, const Dialecte& d, typename T::Valeur& resultat)
{
    for (std::size_t depart = 0;;) {
        std::size_t p = depart;
        while (p < t.Taille() && t.Car(p) != ')')
            ++p;
        if (p == t.Taille())
            break;
        std::size_t q = p;
        while (q > 0 && t.Car(q - 1) != '(')
            --q;
        if (q == 0)
            return Echec{d.parentheseOuvrante, 1.0L, GenreErreur::Texte, IconeFaute::Avertissement};
        --q; // the "(" itself
        // "()" would read as 0 and hide a missing operand ("9*()").
        bool vide = true;
        for (std::size_t i = q + 1; i < p && vide; ++i)
            vide = t.Car(i) == ' ';
        if (vide)
            return Echec{d.expressionIncorrecte, ValeurErreur, GenreErreur::Texte};
        T dedans = t.Extrait(q + 1, p);
        typename T::Valeur v;
        if (const auto e = SansParentheses(dedans, d, v))
            return e;
        std::size_t debut = q;
        if (q >= 3) {
            const char code[3] = {t.Car(q - 3), t.Car(q - 2), t.Car(q - 1)};
            if (const Fonction* f = FonctionDeCode(std::string_view(code, 3))) {
                if (const auto e = t.Applique(*f, v))
                    return e;
                debut = q - 3;
            }
        }
        if (debut > 0 && SigneUnaire(t, debut - 1)) {
            if (t.Car(debut - 1) == '-')
                v = t.Oppose(v);
            --debut;
        }
        t.Remplace(debut, p + 1, v);
        // Nothing before the group holds a ")": the next one lies after it.
        depart = debut;
    }
    for (std::size_t i = 0; i < t.Taille(); ++i)
        if (t.Car(i) == '(')
            return Echec{d.parentheseFermante, 1.0L, GenreErreur::Texte, IconeFaute::Avertissement};
    return SansParentheses(t, d, resultat);
}

} // namespace reecriture
