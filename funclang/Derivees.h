#pragma once
// The derivative rules of the function table, for the exact derivatives
// of a compiled text: each function's first and second derivatives at a
// value, in extended arithmetic.
#include "funclang/Fonctions.h"

#include <optional>

struct DeriveesFonction {
    Etendu premiere, seconde;
};

// None where the function has no derivative: abs and signe at 0, racine at
// 0, int and frac at an integer, arcsin and arccos at -1 and 1, argch at 1,
// fact anywhere (it is defined on integers only).
std::optional<DeriveesFonction> DeriveesDe(const Fonction& f, Etendu v);

// What a derivative that does not exist at a point says.
inline constexpr const char* DeriveeNonDefinie = "Dérivée non définie en ce point .";
