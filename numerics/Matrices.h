#pragma once
// Complex matrices of order 1 to 10 in a fixed 11 x 11 store, and the kernels
// the matrix window computes with: zero tests relative to the terms an entry
// is made of (an entry below n x 1E-15 of the sum of their moduli counts as
// zero, so a matrix within about 1E-15 of a singular one is singular), the
// first pivot that counts below the diagonal (the largest of the column when
// that one is far smaller), cofactor inverse, and the Faddeev-LeVerrier
// characteristic polynomial.
#include "numerics/Complexe.h"

#include <array>
#include <optional>

// Rows and columns 1 to 11 (index 0 unused); column 11 holds the right-hand
// side of a linear system of order 10.
struct TMat {
    std::array<std::array<TComplexe, 12>, 12> cellules{};
    TComplexe& operator()(int i, int j) { return cellules[i][j]; }
    const TComplexe& operator()(int i, int j) const { return cellules[i][j]; }
};

// Elements 0 to 11: a characteristic polynomial of order 10 has 11
// coefficients, P(1) to P(11).
struct TVecteur {
    std::array<TComplexe, 12> elements{};
    TComplexe& operator()(int i) { return elements[i]; }
    const TComplexe& operator()(int i) const { return elements[i]; }
};

void ZeroMat(TMat& m);
// The cells of the n x n block, every other cell 0.
TMat BlocMat(const TMat& m, int n);

// Whole-block routines over rows and columns 1 to 10.
TMat SommeMat(const TMat& a, const TMat& b);
TMat DiffMat(const TMat& a, const TMat& b);
TMat ProduitMat(const TMat& a, const TMat& b);
TMat TransposeMat(const TMat& m);
TComplexe TraceMat(const TMat& m);

// Upper-triangular form of rows 1 to n over columns up to m (n for a square
// matrix, n + 1 with a right-hand side). A column without a pivot that counts
// on or below the diagonal gives the zero matrix; a last diagonal element
// that counts as zero is 0.
void Triangule(int n, int m, const TMat& mat, TMat& t, int& signe);
TComplexe Determinant(int n, const TMat& m);
// The rank and the echelon form: a column without a pivot is skipped and the
// next one tried on the same row.
void RangMat(int n, const TMat& m, int& rang, TMat& t);
TMat SupprLigne(int n, int i, const TMat& m);
TMat SupprColonne(int n, int j, const TMat& m);
// Adjugate over determinant; for a zero determinant, the failure "Matrice
// non inversible ." and r untouched. n is at least 2.
std::optional<Faute> InverseMat(int n, const TMat& m, TMat& r);
// Columns 1 to n hold the matrix, column n + 1 the right-hand side.
TVecteur ResoutSysteme(int n, const TMat& m);

// det(A - xI) = P(1) x^n + ... + P(n + 1).
TVecteur PolyCaract(int n, const TMat& m);
// The roots of the characteristic polynomial for n = 2, 3, 4 (x1 .. xn in the
// order of the root finders); false for any other order.
bool ValeursPropres(int n, const TMat& m, std::array<TComplexe, 4>& x);
