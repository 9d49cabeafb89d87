#pragma once
// The line entry's usual rules: the same texts as the program's rules,
// computed in full extended precision with no rounding between steps, with
// the precedences other calculators use: "^" binds right to left and more
// tightly than a leading sign (-2^2 is -4, 2^3^2 is 512), a negative base
// takes an integer exponent ((-2)^3 is -8), 0^0 is 1.
#include "calc/modele/LigneEntree.h"
#include "calc/modele/NomsLigne.h"

#include <vector>

EvaluationLigne EvalueUsuelle(const std::vector<Jeton>& jetons, const MemoireLigne& memoire);
