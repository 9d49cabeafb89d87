#pragma once
// The compiled evaluator against the text evaluator, on one normalised text
// at one value: the same bits, message and kind of error. Used by the
// differential fuzz target, the test suite and the rounding check.
#include "funclang/Arrondi.h"
#include "funclang/Nombres.h"
#include "funclang/Programme.h"

#include <cstring>
#include <span>
#include <string>

inline bool MemesEvaluations(const Evaluation& a, const Evaluation& b)
{
    return std::memcmp(&a.resultat, &b.resultat, 10) == 0 && a.faute == b.faute;
}

// blancInitial false: the conic's path, where the variable's text joins
// the characters before it. One program runs at every value in turn, as a
// plot runs it: what it keeps from one value to the next must not show.
inline bool CompareChemins(const std::string& interne, char lettre, std::span<const long double> valeurs,
                           bool blancInitial)
{
    Programme programme(interne, lettre, blancInitial);
    for (const long double x : valeurs) {
        Evaluation texte;
        if (blancInitial) {
            texte = Evalue(interne, lettre, x);
        } else {
            std::string t = interne;
            SubstitueVariables(t, std::span<const char>(&lettre, 1), std::span<const long double>(&x, 1), false);
            texte = ReduitParentheses(t);
        }
        if (!MemesEvaluations(texte, programme.Execute(x)))
            return false;
    }
    return true;
}

inline bool CompareChemins(const std::string& interne, char lettre, long double x, bool blancInitial)
{
    return CompareChemins(interne, lettre, std::span<const long double>(&x, 1), blancInitial);
}

// The 15-digit rounding of x against the text it stands for, three ways:
// with the scale found, with echelle (the previous value's, updated as a
// program does) and with a scale at random. How many of them differ.
inline int ArrondisDifferents(long double x, int& echelle, int auHasard)
{
    const long double b = LitDebutNombre(TexteNombre(x)).valeur;
    int differences = 0;
    for (const long double a : {Arrondi15(x), Arrondi15(x, echelle), Arrondi15(x, auHasard)})
        differences += std::memcmp(&a, &b, 10) != 0 && !(a == 0 && b == 0);
    return differences;
}
