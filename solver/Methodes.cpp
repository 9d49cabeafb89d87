#include "solver/Methodes.h"

#include "funclang/Programme.h"

#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"
#include "funclang/Normalisation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Etendu UnTiers = 1.0L / 3.0L;
constexpr Etendu PasDerivee = 0.01L;

bool NombreValide(long n) { return n >= 1 && n <= IntervallesMax; }

} // namespace

Etendu IntegRectangles(const FonctionReelle& f, long n, Etendu a, Etendu b)
{
    if (!NombreValide(n))
        return ValeurErreur;
    const Etendu h = (b - a) / n;
    Etendu s = 0.0L;
    for (long i = 1; i <= n; ++i)
        s = s + f(a + i * h);
    return h * s;
}

Etendu IntegTrapezes(const FonctionReelle& f, long n, Etendu a, Etendu b)
{
    if (!NombreValide(n))
        return ValeurErreur;
    const Etendu h = (b - a) / n;
    const Etendu fa = f(a);
    Etendu s = (h * 0.5L) * (fa + f(b));
    for (long i = 1; i <= n - 1; ++i)
        s = h * f(a + i * h) + s;
    return s;
}

Etendu IntegSimpson(const FonctionReelle& f, long n, Etendu a, Etendu b)
{
    if (!NombreValide(n))
        return ValeurErreur;
    const Etendu h = (b - a) / (2 * n);
    const Etendu fa = f(a);
    Etendu s = (h * UnTiers) * (fa + f(b));
    for (long i = 1; i <= n; ++i) {
        const Etendu pair = f(a + (2 * i) * h);
        const Etendu impair = f(a + (2 * i - 1) * h);
        s = (h * 2.0L * UnTiers) * (2.0L * impair + pair) + s;
    }
    s = s - (h * 2.0L * UnTiers) * f(a + (2 * n) * h);
    return s;
}

Etendu DeriveeNum(const FonctionReelle& f, Etendu x)
{
    Etendu d = f(x - PasDerivee);
    d = d - f(x + PasDerivee);
    d = d - 8.0L * f(x - PasDerivee / 2.0L);
    d = 8.0L * f(x + PasDerivee / 2.0L) + d;
    return (1.0L / (PasDerivee * 6.0L)) * d;
}

Etendu ZeroDichotomie(const FonctionReelle& f, Etendu a, Etendu b, Etendu eps)
{
    if (b < a)
        std::swap(a, b);
    // A bound where f is exactly 0 is the root, also for eps <= 0.
    const Etendu fa = f(a);
    if (fa == 0.0L || std::fabs(fa) < eps)
        return a;
    const Etendu fb = f(b);
    if (fb == 0.0L || std::fabs(fb) < eps)
        return b;
    if (fa * fb >= 0.0L)
        return ValeurErreur;
    // f(a) is kept from the step that moved a: f gives the same value and
    // the same failures for the same x, and a bisection over a huge
    // interval takes tens of thousands of steps.
    Etendu fg = fa;
    do {
        const Etendu m = (a + b) * 0.5L;
        if (!std::isfinite(m))
            return ValeurErreur;
        if (m <= a || m >= b)
            break; // no extended value lies between a and b any more
        const Etendu fm = f(m);
        if (fg * fm > 0.0L) {
            a = m;
            fg = fm;
        } else {
            b = m;
        }
    } while (!(std::fabs(b - a) * 0.5L < eps));
    const Etendu r = (a + b) * 0.5L;
    return std::isfinite(r) ? r : ValeurErreur;
}

Etendu ZeroNewton(const FonctionReelle& f, Etendu x0, Etendu eps)
{
    Etendu x = x0;
    for (int passe = 0; passe < PassagesNewtonMax; ++passe) {
        const Etendu xc = x;
        const Etendu fx = f(xc);
        const Etendu d = DeriveeNum(f, xc);
        if (!(std::fabs(d) > 1E-4600L) || !std::isfinite(d) || !std::isfinite(fx))
            return ValeurErreur;
        x = xc - fx / d;
        if (!std::isfinite(x))
            return ValeurErreur;
        // With eps <= 0: when a step no longer changes x.
        if (x == xc || std::fabs(x - xc) < eps)
            return x;
    }
    return ValeurErreur;
}

std::optional<FonctionTexte> FonctionDuTexte(const std::string& saisie, Journal& journal)
{
    const auto normalise = NormaliseFonction(saisie, TypeCourbe::Carte, journal);
    if (!normalise)
        return std::nullopt;
    // Compiled once: the methods evaluate it up to 100,000 times.
    return FonctionTexte(std::make_shared<const Programme>(*normalise, 'x'));
}

FonctionReelle FonctionTexte::Dans(Journal& journal) const
{
    return [programme = programme_, &journal](Etendu x) {
        const Evaluation e = programme->Execute(x);
        if (e.faute && std::none_of(journal.begin(), journal.end(),
                                    [&e](const Faute& f) { return f.genre == e.faute->genre; }))
            journal.push_back(*e.faute);
        return e.resultat;
    };
}
