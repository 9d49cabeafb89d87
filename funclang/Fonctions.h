#pragma once
// The 26 functions of the function language, in one table: the name a user
// types, its three-letter code, its computation and its domain with the
// messages of both evaluators, and its line in the function list window.
// The table is in the order in which names are rewritten, longer names
// first where one contains another ("arcsin" before "sin").
#include "numerics/Etendu.h"

#include <span>
#include <string_view>

struct Fonction {
    const char* nom;  // as typed, lower case
    const char* code; // the three upper-case letters of the normalised text
    Etendu (*calcul)(Etendu);
    // The message of a value outside the domain, nullptr inside it;
    // nullptr for a function defined everywhere.
    const char* (*refus)(Etendu);
    // The line entry: one of its own 17 functions (false: it takes the
    // function evaluator's domain and messages), the computation when it
    // differs, and its message for a refused value when it differs.
    bool deLaLigne;
    Etendu (*calculLigne)(Etendu);
    const char* refusLigne;
    // The function list window: group (a blank line between groups), rank
    // in the group, the line and its continuation (nullptr: none).
    int groupe, rang;
    const char* ligneListe;
    const char* suiteListe;
};

std::span<const Fonction> LesFonctions();
// The function of a code, nullptr for three characters that are not one.
const Fonction* FonctionDeCode(std::string_view code);

// The product 1 x 2 x ... x n in extended precision, 1 for 0.
Etendu Factorielle(int n);
// The arc cosine of x in [-1, 1], as both evaluators compute it: by the arc
// tangent of sqrt(1 - x^2) / x, plus pi for a negative x, pi/2 at 0.
Etendu ArcCosinus(Etendu x);
