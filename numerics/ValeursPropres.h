#pragma once
// The eigenvalues of a matrix of any order the matrix window offers, by the
// QR algorithm on its Hessenberg form in extended precision (Eigen's
// solvers on long double): the real solver when every imaginary part is
// zero, the complex one otherwise.
#include "numerics/Matrices.h"

#include <vector>

struct Spectre {
    // Sorted by decreasing real part, then decreasing imaginary part (a
    // conjugate pair: +i first).
    std::vector<TComplexe> valeurs;
    // The largest |Av - λv| / (|A| |v|) over the values (Frobenius and
    // Euclidean norms): how closely each value and its vector fit A.
    Etendu residu = 0.0L;
    bool converge = true;
};

// The eigenvalues of the n x n block of a.
Spectre ValeursPropresQR(const TMat& a, int n);
