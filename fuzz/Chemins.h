#pragma once
// The compiled evaluator against the text evaluator, on one normalised text
// at one value: the same bits, message and kind of error. Used by the
// differential fuzz target and by the test suite.
#include "funclang/Programme.h"

#include <cstring>
#include <span>
#include <string>

inline bool MemesEvaluations(const Evaluation& a, const Evaluation& b)
{
    return std::memcmp(&a.resultat, &b.resultat, 10) == 0 && a.message == b.message && a.erreur == b.erreur &&
           a.genre == b.genre;
}

// blancInitial false: the conic's path, where the variable's text joins
// the characters before it. One program runs at every value in turn, as a
// plot runs it: what it keeps from one value to the next must not show.
inline bool CompareChemins(const std::string& interne, char lettre, std::span<const long double> valeurs,
                           bool blancInitial)
{
    const Programme programme(interne, lettre, blancInitial);
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
