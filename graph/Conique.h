#pragma once
// A conic a*y^2 + b*y + c = 0 whose coefficients are texts in x: the texts
// of the three coefficients cut out of the normalised conic, and the roots
// in y of one column.
#include "numerics/Etendu.h"

#include <string>
#include <vector>

// The A, B and C texts of a conic (texts in x): a missing term gives "0",
// a term without coefficient "1", and C is 0 plus what remains after the y
// term ("0" when nothing remains).
struct TextesConique {
    std::string A, B, C;
};
TextesConique CoefficientsConique(std::string texte);

// The real roots in y: none, one (a double root, or a linear equation) or
// two, lower first when A > 0. No root when A = B = 0 or when a root is not
// finite.
std::vector<Etendu> RacinesConique(Etendu A, Etendu B, Etendu C);
