#include "graph/Analyse.h"

#include "funclang/Nombres.h"

#include <cmath>
#include <optional>
#include <utility>

Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x)
{
    return DeriveeEn(Programme(texte, lettre), x);
}

Derivee DeriveeEn(const Programme& programme, Etendu x)
{
    constexpr Etendu h = 0.01L;
    Derivee r{0.0L, {}};
    // The first failed evaluation ends the difference.
    auto f = [&](Etendu t, Etendu& valeur) {
        const Evaluation e = programme.Execute(t);
        if (e.faute) {
            r.faute = e.faute;
            return false;
        }
        valeur = e.resultat;
        return true;
    };
    Etendu a, b, c, d;
    if (!f(x - h, a) || !f(x + h, b) || !f(x - h / 2.0L, c) || !f(x + h / 2.0L, d)) {
        r.valeur = ValeurErreur;
        return r;
    }
    Etendu s = a;
    s = s - b;
    s = s - 8.0L * c;
    s = s + 8.0L * d;
    r.valeur = s / (6.0L * h);
    return r;
}

namespace {
// f(x), or no value when the evaluation fails.
std::optional<Etendu> F(const Programme& f, Etendu x)
{
    const Evaluation e = f.Execute(x);
    if (e.faute)
        return std::nullopt;
    return e.resultat;
}

// The signs of two values differ or one is 0: the comparison a product
// makes, without the product's overflow or underflow.
bool ChangeDeSigne(Etendu u, Etendu v) { return u == 0.0L || v == 0.0L || (u < 0.0L) != (v < 0.0L); }
} // namespace

Etendu Integrale(const std::string& fonction, Etendu a, Etendu b)
{
    const Programme f(fonction, 'x');
    if (b < a)
        std::swap(a, b);
    const Etendu h = std::fabs(a - b) * 0.005L;
    const auto fa = F(f, a), fb = F(f, b);
    if (!fa || !fb)
        return ValeurErreur;
    Etendu s = h / 3.0L * (*fa + *fb);
    for (int i = 1; i <= 100; ++i) {
        const auto pair = F(f, a + 2 * i * h), impair = F(f, a + (2 * i - 1) * h);
        if (!pair || !impair)
            return ValeurErreur;
        s = s + (2.0L * h / 3.0L) * (2.0L * *impair + *pair);
    }
    const auto fin = F(f, a + 200 * h);
    if (!fin)
        return ValeurErreur;
    s = s - (2.0L * h / 3.0L) * *fin;
    return std::isfinite(s) ? s : ValeurErreur;
}

Etendu ChercheZero(const std::string& fonction, Etendu a, Etendu b)
{
    constexpr Etendu Tolerance = 1E-14L;
    const Programme f(fonction, 'x');
    auto fa = F(f, a);
    if (!fa)
        return ValeurErreur;
    if (std::fabs(*fa) < Tolerance)
        return a;
    const auto fb = F(f, b);
    if (!fb)
        return ValeurErreur;
    if (std::fabs(*fb) < Tolerance)
        return b;
    if (!ChangeDeSigne(*fa, *fb) || !F(f, (a + b) / 2.0L))
        return ValeurErreur;
    do {
        const Etendu m = (a + b) / 2.0L;
        if (m == a || m == b)
            break; // the interval cannot shrink any more
        fa = F(f, a);
        const auto fm = F(f, m);
        if (!fa || !fm)
            return ValeurErreur;
        (ChangeDeSigne(*fa, *fm) ? b : a) = m;
    } while (!(std::fabs(a - b) / 2.0L < Tolerance));
    Etendu m = (a + b) / 2.0L;
    if (std::fabs(m) < Tolerance)
        m = 0.0L;
    return F(f, m) ? m : ValeurErreur;
}
