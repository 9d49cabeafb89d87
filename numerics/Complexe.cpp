#include "numerics/Complexe.h"

#include <cfloat>
#include <cmath>
#include <complex>

namespace {

// Each composite below follows a fixed order of steps: the order decides how
// many times a failing composite shows the division error and what its
// result holds afterwards, so keep it step for step.

constexpr TComplexe Un{1.0L, 0.0L};
constexpr TComplexe MoinsUn{-1.0L, 0.0L};
constexpr TComplexe Demi{0.5L, 0.0L};
constexpr TComplexe IDemi{0.0L, 0.5L};
constexpr Etendu UnTiers = 1.0L / 3.0L;

void ErreurDivision(Journal& journal) { journal.push_back({"Division par zéro.", IconeFaute::Erreur}); }

// Past this |x|, e^x overflows the extended format while ch x and sh x
// (e^|x| / 2) may still be representable, and e^-x is below a unit in the
// last place of them: the two halves are computed directly.
constexpr Etendu SeuilHyperbolique = 11356.0L;

// The inverse functions' principal values, as the C library gives them
// (its branch cuts and signed zeros): where the literal steps leave the
// principal branch (a rounding of the square root crossing a cut) or cancel
// (z + sqrt(z^2 + 1) for a large negative z), the literal value is off by
// far more than its rounding. Elsewhere it agrees, and its bits stay.
std::complex<Etendu> Std(TComplexe z) { return {z.Re, z.Im}; }

void Principale(std::complex<Etendu> c, TComplexe& r) { r = {c.real(), c.imag()}; }

void Choisit(TComplexe litteral, std::complex<Etendu> principale, TComplexe& r)
{
    if (!std::isfinite(principale.real()) || !std::isfinite(principale.imag())) {
        r = litteral; // a pole, where the literal steps have shown their error
        return;
    }
    const Etendu echelle = std::fmax(std::abs(principale), LDBL_MIN);
    const bool accord = std::isfinite(litteral.Re) && std::isfinite(litteral.Im) &&
                        std::fabs(litteral.Re - principale.real()) <= 1E-12L * echelle &&
                        std::fabs(litteral.Im - principale.imag()) <= 1E-12L * echelle;
    if (accord)
        r = litteral;
    else
        Principale(principale, r);
}

// e^x / 2 without the overflow of e^x.
Etendu DemiExponentielle(Etendu x) { return std::exp(x - 0.693147180559945309417232121458176568L); }

} // namespace

void CSomme(TComplexe a, TComplexe b, TComplexe& r) { r = {a.Re + b.Re, a.Im + b.Im}; }

void CDifference(TComplexe a, TComplexe b, TComplexe& r) { r = {a.Re - b.Re, a.Im - b.Im}; }

void CProduit(TComplexe a, TComplexe b, TComplexe& r)
{
    r = {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re};
}

void CInverse(TComplexe z, TComplexe& r, Journal& journal)
{
    const Etendu m = z.Re * z.Re + z.Im * z.Im;
    if (m == 0.0L && z.Re == 0.0L && z.Im == 0.0L) {
        ErreurDivision(journal);
        return;
    }
    if (!std::isfinite(m) || m < LDBL_MIN) {
        // The squared modulus leaves the range (1 / 1E2467 would give 0):
        // divide by the larger part first.
        const Etendu s = std::fmax(std::fabs(z.Re), std::fabs(z.Im));
        const Etendu a = z.Re / s, b = z.Im / s;
        const Etendu ms = (a * a + b * b) * s;
        r = {a / ms, -b / ms};
        return;
    }
    r = {z.Re / m, -z.Im / m};
}

void CQuotient(TComplexe a, TComplexe b, TComplexe& r, Journal& journal)
{
    TComplexe t = b;
    CInverse(t, t, journal);
    CProduit(a, t, r);
}

void CConjugue(TComplexe z, TComplexe& r) { r = {z.Re, -z.Im}; }

void COppose(TComplexe z, TComplexe& r) { r = {-z.Re, -z.Im}; }

Etendu CModule(TComplexe z)
{
    const Etendu m = z.Re * z.Re + z.Im * z.Im;
    // Where the squared modulus leaves the range (|z| beyond 1E2466 or
    // under 1E-2466), it would give infinity or 0 for a finite modulus;
    // hypot scales. Elsewhere the plain formula, whose last bit the rest
    // of the program relies on.
    const bool horsDomaine = !std::isfinite(m) || (m < LDBL_MIN && (z.Re != 0.0L || z.Im != 0.0L));
    if (horsDomaine && std::isfinite(z.Re) && std::isfinite(z.Im))
        return std::hypot(z.Re, z.Im);
    return std::sqrt(m);
}

Etendu CArgument(TComplexe z)
{
    if (z.Re == 0.0L) {
        if (z.Im == 0.0L)
            return 0.0L;
        return z.Im > 0.0L ? PiEtendu / 2.0L : -PiEtendu / 2.0L;
    }
    const Etendu t = std::atan(z.Im / z.Re);
    if (z.Re > 0.0L)
        return t;
    return z.Im >= 0.0L ? t + PiEtendu : t - PiEtendu;
}

void CExp(TComplexe z, TComplexe& r)
{
    const Etendu e = std::exp(z.Re);
    r = {e * std::cos(z.Im), e * std::sin(z.Im)};
}

void CLn(TComplexe z, TComplexe& r, Journal& journal)
{
    const Etendu m = CModule(z);
    if (m == 0.0L) {
        ErreurDivision(journal);
        return;
    }
    r = {std::log(m), CArgument(z)};
}

void CPuissance(TComplexe a, TComplexe b, TComplexe& r, Journal& journal)
{
    const bool aNul = CModule(a) == 0.0L;
    if (aNul && CModule(b) == 0.0L) {
        ErreurDivision(journal);
        return;
    }
    if (aNul) {
        r = CZero;
        return;
    }
    TComplexe l = CZero;
    CLn(a, l, journal);
    CProduit(b, l, l);
    CExp(l, r);
}

void CRacine(TComplexe z, TComplexe& r)
{
    const Etendu rho = std::sqrt(CModule(z));
    const Etendu theta = CArgument(z) * 0.5L;
    r = {rho * std::cos(theta), rho * std::sin(theta)};
}

void CRacineCubique(TComplexe z, TComplexe& r)
{
    const Etendu m = CModule(z);
    if (m == 0.0L) {
        r = z;
        return;
    }
    const Etendu rho = std::exp(std::log(m) * UnTiers);
    const Etendu theta = CArgument(z) * UnTiers;
    r = {rho * std::cos(theta), rho * std::sin(theta)};
}

void CCos(TComplexe z, TComplexe& r)
{
    r = {std::cos(z.Re) * std::cosh(z.Im), -(std::sin(z.Re) * std::sinh(z.Im))};
}

void CSin(TComplexe z, TComplexe& r)
{
    r = {std::sin(z.Re) * std::cosh(z.Im), std::cos(z.Re) * std::sinh(z.Im)};
}

void CTan(TComplexe z, TComplexe& r, Journal& journal)
{
    // Beyond the overflow of sh and ch the tangent is i sign(Im z) to the
    // last digit of the extended format.
    if (std::fabs(z.Im) > SeuilHyperbolique) {
        r = {0.0L, std::copysign(1.0L, z.Im)};
        return;
    }
    TComplexe s, c;
    CSin(z, s);
    CCos(z, c);
    CQuotient(s, c, r, journal);
}

void CCh(TComplexe z, TComplexe& r)
{
    if (std::fabs(z.Re) > SeuilHyperbolique) {
        const Etendu demiExp = DemiExponentielle(std::fabs(z.Re));
        r = {demiExp * std::cos(z.Im), std::copysign(demiExp, z.Re) * std::sin(z.Im)};
        return;
    }
    TComplexe e1, m, e2, s;
    CExp(z, e1);
    CProduit(z, MoinsUn, m);
    CExp(m, e2);
    CSomme(e2, e1, s);
    CProduit(Demi, s, r);
}

void CSh(TComplexe z, TComplexe& r)
{
    if (std::fabs(z.Re) > SeuilHyperbolique) {
        const Etendu demiExp = DemiExponentielle(std::fabs(z.Re));
        r = {std::copysign(demiExp, z.Re) * std::cos(z.Im), demiExp * std::sin(z.Im)};
        return;
    }
    TComplexe e1, m, e2, s;
    CExp(z, e1);
    CProduit(z, MoinsUn, m);
    CExp(m, e2);
    CProduit(e2, MoinsUn, e2);
    CSomme(e2, e1, s);
    CProduit(Demi, s, r);
}

void CTh(TComplexe z, TComplexe& r, Journal& journal)
{
    if (std::fabs(z.Re) > SeuilHyperbolique) {
        r = {std::copysign(1.0L, z.Re), 0.0L};
        return;
    }
    TComplexe s, c;
    CSh(z, s);
    CCh(z, c);
    CQuotient(s, c, r, journal);
}

void CArcCos(TComplexe z, TComplexe& r, Journal& journal)
{
    TComplexe w = CZero;
    CProduit(z, z, w);
    COppose(w, w);
    CSomme(Un, w, w);
    CRacine(w, w);
    CProduit(w, CI, w);
    CSomme(w, z, w);
    if (EstNul(w))
        return Principale(std::acos(Std(z)), r);
    CLn(w, w, journal);
    CProduit(CI, w, w);
    COppose(w, w);
    Choisit(w, std::acos(Std(z)), r);
}

void CArcSin(TComplexe z, TComplexe& r, Journal& journal)
{
    TComplexe w = CZero, t = CZero;
    CProduit(z, z, w);
    COppose(w, w);
    CSomme(Un, w, w);
    CRacine(w, w);
    CProduit(z, CI, t);
    CSomme(w, t, w);
    if (EstNul(w))
        return Principale(std::asin(Std(z)), r);
    CLn(w, w, journal);
    CProduit(CI, w, w);
    COppose(w, w);
    Choisit(w, std::asin(Std(z)), r);
}

void CArcTan(TComplexe z, TComplexe& r, Journal& journal)
{
    TComplexe w = CZero, t = CZero;
    CSomme(CI, z, w);
    COppose(z, t);
    CSomme(CI, t, t);
    CQuotient(w, t, w, journal);
    CLn(w, w, journal);
    TComplexe litteral;
    CProduit(w, IDemi, litteral);
    Choisit(litteral, std::atan(Std(z)), r);
}

void CArgCh(TComplexe z, TComplexe& r, Journal& journal)
{
    TComplexe w = CZero;
    CProduit(z, z, w);
    CSomme(w, MoinsUn, w);
    CRacine(w, w);
    CSomme(z, w, w);
    if (EstNul(w))
        return Principale(std::acosh(Std(z)), r);
    CLn(w, w, journal);
    Choisit(w, std::acosh(Std(z)), r);
}

void CArgSh(TComplexe z, TComplexe& r, Journal& journal)
{
    TComplexe w = CZero;
    CProduit(z, z, w);
    CSomme(w, Un, w);
    CRacine(w, w);
    CSomme(z, w, w);
    if (EstNul(w))
        return Principale(std::asinh(Std(z)), r);
    CLn(w, w, journal);
    Choisit(w, std::asinh(Std(z)), r);
}

void CArgTh(TComplexe z, TComplexe& r, Journal& journal)
{
    // The result itself holds -z while the logarithm is taken: when the
    // logarithm fails, -z/2 is what the caller gets.
    TComplexe t = Un, w = CZero;
    CSomme(t, z, w);
    COppose(z, r);
    CSomme(r, t, t);
    CQuotient(w, t, w, journal);
    CLn(w, r, journal);
    CProduit(r, Demi, r);
}
