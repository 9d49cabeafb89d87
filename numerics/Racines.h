#pragma once
// Closed-form roots of polynomials of degree 2 to 4 with complex coefficients.
// The order of the roots is part of the interface: the calculator's stack and
// the eigenvalue list show them in that order. The leading coefficient is not
// tested: a division by 0 adds the division error to the journal and the
// roots are written.
#include "numerics/Complexe.h"

// a x^2 + b x + c; x1 takes +sqrt(delta), x2 -sqrt(delta).
void Racines2(TComplexe a, TComplexe b, TComplexe c, TComplexe& x1, TComplexe& x2, Journal& journal);
// a x^3 + b x^2 + c x + d, by Cardano.
void Racines3(TComplexe a, TComplexe b, TComplexe c, TComplexe d,
              TComplexe& x1, TComplexe& x2, TComplexe& x3, Journal& journal);
// a x^4 + b x^3 + c x^2 + d x + e.
void Racines4(TComplexe a, TComplexe b, TComplexe c, TComplexe d, TComplexe e,
              TComplexe& x1, TComplexe& x2, TComplexe& x3, TComplexe& x4, Journal& journal);
// Monic x^4 + B x^3 + C x^2 + D x + E, by Ferrari's resolvent cubic.
void Ferrari(TComplexe B, TComplexe C, TComplexe D, TComplexe E,
             TComplexe& x1, TComplexe& x2, TComplexe& x3, TComplexe& x4, Journal& journal);
