#pragma once
// Derivative of a function text at a point, as the plotter computes it: the
// five-point central difference with h = 0.01.
#include "funclang/Programme.h"

#include <optional>
#include <string>

struct Derivee {
    Etendu valeur;     // ValeurErreur when an evaluation failed
    std::optional<Faute> faute; // of the failed evaluation
};

Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x);
Derivee DeriveeEn(const Programme& f, Etendu x);

// The integral of the cartesian text in x from a to b by Simpson's rule on
// 200 sub-intervals, taken from the left end to the right one whatever the
// order of a and b. ValeurErreur when one evaluation fails or the sum goes
// beyond extended precision.
Etendu Integrale(const std::string& texte, Etendu a, Etendu b);

// A zero of the cartesian text in x between a and b by bisection, to 1E-14
// or until the interval can no longer shrink (zeros of large magnitude);
// a root within 1E-14 of 0 is 0. ValeurErreur without a change of sign, or
// when one evaluation fails.
Etendu ChercheZero(const std::string& texte, Etendu a, Etendu b);
