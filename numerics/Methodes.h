#pragma once
// The numeric methods on one real function, of the solver and of the
// plotter side by side.
//
// The two sets are twins that do not merge: each program fixes its own step
// order, coefficients, accumulation order and failure handling, and the
// values they show (to 15 digits, in tests and in saved results) depend on
// every one of those choices. Where a plotter method differs from the
// solver's, its comment says how.
#include "numerics/Etendu.h"

#include <cmath>
#include <functional>
#include <optional>

// ---- The solver's methods ----
// A failed evaluation of f shows only through the value it returns
// (ValeurErreur or 1.0), which then takes part in the sums and sign tests
// like any other value: the calculation's journal tells the failure.

using FonctionReelle = std::function<Etendu(Etendu)>;

// The largest number of sub-intervals a quadrature accepts: beyond it the
// calculation would run for minutes, and the rules answer ValeurErreur, as
// they do for n <= 0.
inline constexpr long IntervallesMax = 100000;
// Newton's method gives up after this many passes.
inline constexpr int PassagesNewtonMax = 1000;

Etendu IntegRectangles(const FonctionReelle& f, long n, Etendu a, Etendu b);
Etendu IntegTrapezes(const FonctionReelle& f, long n, Etendu a, Etendu b);
Etendu IntegSimpson(const FonctionReelle& f, long n, Etendu a, Etendu b);
Etendu DeriveeNum(const FonctionReelle& f, Etendu x);
// ValeurErreur when f has the same sign at both ends; always ends, also
// for eps <= 0 (it stops when the interval can no longer shrink).
Etendu ZeroDichotomie(const FonctionReelle& f, Etendu a, Etendu b, Etendu eps);
// ValeurErreur when the derivative vanishes, a value is not finite, or no
// zero is reached within PassagesNewtonMax passes.
Etendu ZeroNewton(const FonctionReelle& f, Etendu x0, Etendu eps);

// ---- The plotter's methods ----
// f(x), or no value when the evaluation fails. The first failure ends the
// method with ValeurErreur: the plotter shows no value built on a point
// where f is undefined, where the solver computes on and lets its journal
// refuse the result.
using FonctionPartielle = std::function<std::optional<Etendu>(Etendu)>;

// The five-point central difference with h = 0.01, as DeriveeNum, with
// the same four evaluations in the same order; it divides the sum by 6h
// where the solver multiplies by 1/(6h), and stops at the first failure.
Etendu DeriveeTraceur(const FonctionPartielle& f, Etendu x);

// Simpson's rule on 200 sub-intervals (n = 100), taken from the left end to
// the right one whatever the order of a and b, where IntegSimpson keeps
// their order and takes n from the user. Coefficients h/3 and 2h/3 divide
// by 3 (the solver multiplies by a rounded third), each term is added
// after the sum (the solver adds it before) and the even point is
// evaluated before the odd one. ValeurErreur when the sum goes beyond
// extended precision.
Etendu IntegraleTraceur(const FonctionPartielle& f, Etendu a, Etendu b);

// A zero between a and b by bisection to 1E-14, or until the interval can
// no longer shrink (zeros of large magnitude); ValeurErreur without a
// change of sign. Where ZeroDichotomie differs: the tolerance is fixed, the
// bounds are not put in order, f is evaluated at the middle before the
// first step and again at the lower end at every step (the solver keeps
// it), signs are compared without their product (which overflows), and
// the root goes through ZeroSiProche and must be a point where f is
// defined.
Etendu ZeroTraceur(const FonctionPartielle& f, Etendu a, Etendu b);

// The plotter shows a value within 1E-14 of 0 as 0: the pointer's and the
// trace's read-outs, the zero search's root and the extremum's abscissa.
inline Etendu ZeroSiProche(Etendu v) { return std::fabs(v) < 1E-14L ? 0.0L : v; }
