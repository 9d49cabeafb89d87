#pragma once
// The plotter's analysis of a function text: its derivative at a point,
// its integral and a zero between the cursors. The methods themselves are
// in numerics/Methodes.h, beside the solver's.
#include "funclang/Programme.h"
#include "numerics/Methodes.h"

#include <optional>
#include <string>

struct Derivee {
    Etendu valeur;     // ValeurErreur when an evaluation failed
    std::optional<Faute> faute; // of the failed evaluation
};

// The five-point central difference with h = 0.01 (DeriveeTraceur).
Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x);
Derivee DeriveeEn(Programme& f, Etendu x);

// The integral of the cartesian text in x from a to b by Simpson's rule on
// 200 sub-intervals (IntegraleTraceur). ValeurErreur when one evaluation
// fails or the sum goes beyond extended precision.
Etendu Integrale(const std::string& texte, Etendu a, Etendu b);

// A zero of the cartesian text in x between a and b by bisection to 1E-14
// (ZeroTraceur); a root within 1E-14 of 0 is 0. ValeurErreur without a
// change of sign, or when one evaluation fails.
Etendu ChercheZero(const std::string& texte, Etendu a, Etendu b);
