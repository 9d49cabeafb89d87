#pragma once
// A value as the evaluators carry it between two steps: written as the
// 23-character text (15 significant digits, rounded half up) and read back.
// Computed in the number domain, with the same result as the text, bit for
// bit, over the whole exponent range.
#include "numerics/Etendu.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace arrondi {
// Every case, with exact integer comparisons where the rounding is close.
Etendu Exact(Etendu x);
// 10^0 .. 10^27, exact in the extended format, and their inverses rounded.
extern const Etendu Dix[28];
extern const Etendu UnSurDix[28];
// For a value a with binary exponent b (2^b <= a < 2^(b + 1)), from b = -45
// to 140: its decimal exponent is d, or d + 1 from the threshold on.
struct Seuil {
    Etendu seuil;
    int d;
};
inline constexpr int PremierExposant = -45;
inline constexpr int NombreExposants = 186;
extern const std::array<Seuil, NombreExposants> Seuils;
inline constexpr int DecadeMax = 27;

// The scale m (|m| <= DecadeMax) for which |x| * 10^m has 15 digits before
// the point, when the common path can know it; anything else gives a scale
// that Decale refuses.
inline int Echelle(Etendu x)
{
    // From the binary exponent of x (read from its double) and one
    // comparison.
    const Etendu a = std::fabs(x);
    const double ad = static_cast<double>(a);
    std::uint64_t bits;
    std::memcpy(&bits, &ad, 8);
    const int rang = static_cast<int>((bits >> 52) & 0x7FF) - 1023 - PremierExposant;
    if (rang < 0 || rang >= NombreExposants)
        return DecadeMax + 1;
    const Seuil& s = Seuils[rang];
    return 14 - s.d - (a >= s.seuil);
}

// The common case: x rounded at the scale m, when m is its scale and x lies
// clearly between two halfway points. The scale does not depend on x's
// computation, so the processor can run the multiplication before it knows
// whether m was right.
inline bool Decale(Etendu x, int m, Etendu& r)
{
    if (m < -DecadeMax || m > DecadeMax)
        return false;
    // V is within 1.2E-4 of x * 10^m: one rounding, of the product by
    // 10^m or by the rounded 10^-m.
    const Etendu V = x * (m >= 0 ? Dix[m] : UnSurDix[-m]);
    const Etendu a = std::fabs(V);
    if (!(a > 1E14L + 1.0L && a < 1E15L - 1.0L))
        return false;
    // Adding 3 * 2^62 leaves no fraction bit: the nearest integer, which is
    // the rounding unless V is close to a halfway point.
    constexpr Etendu Decalage = 13835058055282163712.0L;
    const Etendu n = (V + Decalage) - Decalage;
    if (std::fabs(std::fabs(V - n) - 0.5L) < 1E-3L)
        return false;
    // N * 10^-m rounded once, as the reader of the text does.
    r = m >= 0 ? n / Dix[m] : n * Dix[-m];
    return true;
}
} // namespace arrondi

inline Etendu Arrondi15(Etendu x)
{
    Etendu r = 0.0L;
    return arrondi::Decale(x, arrondi::Echelle(x), r) ? r : arrondi::Exact(x);
}

// The same with the scale of the previous value at this place of a program:
// successive values of a plot mostly share it, and a right guess takes the
// search of the scale off the chain of dependent operations.
inline Etendu Arrondi15(Etendu x, int& echelle)
{
    Etendu r = 0.0L;
    if (arrondi::Decale(x, echelle, r))
        return r;
    echelle = arrondi::Echelle(x);
    return arrondi::Decale(x, echelle, r) ? r : arrondi::Exact(x);
}
