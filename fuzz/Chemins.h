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
// the characters before it.
inline bool CompareChemins(const std::string& interne, char lettre, long double x, bool blancInitial)
{
    Evaluation texte;
    if (blancInitial) {
        texte = Evalue(interne, lettre, x);
    } else {
        std::string t = interne;
        SubstitueVariables(t, std::span<const char>(&lettre, 1), std::span<const long double>(&x, 1), false);
        texte = ReduitParentheses(t);
    }
    return MemesEvaluations(texte, Programme(interne, lettre, blancInitial).Execute(x));
}
