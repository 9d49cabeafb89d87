#pragma once
// The solver's numeric methods on one real function: three quadrature rules,
// a five-point derivative, bisection and Newton's method. A failed evaluation
// of f shows only through the value it returns (ValeurErreur or 1.0), which
// then takes part in the sums and sign tests like any other value.
#include "numerics/Etendu.h"
#include "numerics/Faute.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

class Programme;

// f(x) for a text typed in the user's syntax, normalised and compiled once
// as a cartesian function of x. Each calculation evaluates it into a
// journal of its own, where the first failed evaluation of each kind is
// recorded: a result built on a point where f is undefined is then refused
// whole, and a fault of the text itself is told rather than a result.
class FonctionTexte {
public:
    explicit FonctionTexte(std::shared_ptr<const Programme> programme) : programme_(std::move(programme)) {}
    FonctionReelle Dans(Journal& journal) const;

private:
    std::shared_ptr<const Programme> programme_;
};
// No function for a text that normalisation refuses (too long); what
// normalisation found goes to the journal.
std::optional<FonctionTexte> FonctionDuTexte(const std::string& saisie, Journal& journal);
