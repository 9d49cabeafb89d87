#include "numerics/Methodes.h"

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

namespace {
// The signs of two values differ or one is 0: the comparison a product
// makes, without the product's overflow or underflow.
bool ChangeDeSigne(Etendu u, Etendu v) { return u == 0.0L || v == 0.0L || (u < 0.0L) != (v < 0.0L); }
} // namespace

Etendu DeriveeTraceur(const FonctionPartielle& f, Etendu x)
{
    std::optional<Etendu> a, b, c, d;
    if (!(a = f(x - PasDerivee)) || !(b = f(x + PasDerivee)) || !(c = f(x - PasDerivee / 2.0L)) ||
        !(d = f(x + PasDerivee / 2.0L)))
        return ValeurErreur;
    Etendu s = *a;
    s = s - *b;
    s = s - 8.0L * *c;
    s = s + 8.0L * *d;
    return s / (6.0L * PasDerivee);
}

Etendu IntegraleTraceur(const FonctionPartielle& f, Etendu a, Etendu b)
{
    if (b < a)
        std::swap(a, b);
    const Etendu h = std::fabs(a - b) * 0.005L;
    const auto fa = f(a), fb = f(b);
    if (!fa || !fb)
        return ValeurErreur;
    Etendu s = h / 3.0L * (*fa + *fb);
    for (int i = 1; i <= 100; ++i) {
        const auto pair = f(a + 2 * i * h), impair = f(a + (2 * i - 1) * h);
        if (!pair || !impair)
            return ValeurErreur;
        s = s + (2.0L * h / 3.0L) * (2.0L * *impair + *pair);
    }
    const auto fin = f(a + 200 * h);
    if (!fin)
        return ValeurErreur;
    s = s - (2.0L * h / 3.0L) * *fin;
    return std::isfinite(s) ? s : ValeurErreur;
}

Etendu ZeroTraceur(const FonctionPartielle& f, Etendu a, Etendu b)
{
    constexpr Etendu Tolerance = 1E-14L;
    auto fa = f(a);
    if (!fa)
        return ValeurErreur;
    if (std::fabs(*fa) < Tolerance)
        return a;
    const auto fb = f(b);
    if (!fb)
        return ValeurErreur;
    if (std::fabs(*fb) < Tolerance)
        return b;
    if (!ChangeDeSigne(*fa, *fb) || !f((a + b) / 2.0L))
        return ValeurErreur;
    do {
        const Etendu m = (a + b) / 2.0L;
        if (m == a || m == b)
            break; // the interval cannot shrink any more
        fa = f(a);
        const auto fm = f(m);
        if (!fa || !fm)
            return ValeurErreur;
        (ChangeDeSigne(*fa, *fm) ? b : a) = m;
    } while (!(std::fabs(a - b) / 2.0L < Tolerance));
    const Etendu m = ZeroSiProche((a + b) / 2.0L);
    return f(m) ? m : ValeurErreur;
}
