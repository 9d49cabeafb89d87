#pragma once
// The largest and the smallest value of a cartesian text between two
// abscissas, each with its x, as "Recherche d'extremum" shows them.
#include "numerics/Etendu.h"

#include <optional>
#include <string>

struct PointExtreme {
    Etendu x, fx;
    bool borne; // x is an end of the interval
};

struct Extremums {
    PointExtreme maximum, minimum;
};

// Nothing when f fails somewhere on the way (a sample or a refinement
// step) or a value goes beyond extended precision.
//
// The method: f on a grid of ExtremumPas intervals finds the best sample;
// at an end of the interval that end is the answer. Inside, the extremum
// lies between the sample's neighbours, where the central difference
// f(x + d) - f(x - d), with d a millionth of the interval, changes sign:
// bisection on that sign, until the bracket no longer shrinks. Comparing
// values alone would stop near 3E-8 (values carry 15 digits, and f is flat
// there); the difference of two values d apart keeps its sign down to about
// 1E-10 of the interval for a smooth function. When the difference shows no
// change of sign across the bracket (noise, a corner), the best sample
// stays the answer. The result is never worse than the best sample.
std::optional<Extremums> ChercheExtremums(const std::string& texte, Etendu a, Etendu b);

inline constexpr int ExtremumPas = 1000;
