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
// 10^0 .. 10^27, exact in the extended format.
extern const Etendu Dix[28];
// For a value a with binary exponent b (2^b <= a < 2^(b + 1)), from b = -45
// to 140: its decimal exponent is d, or d + 1 from the threshold on.
struct Seuil {
    Etendu seuil;
    int d;
};
inline constexpr int PremierExposant = -45;
inline constexpr int NombreExposants = 186;
extern const std::array<Seuil, NombreExposants> Seuils;
} // namespace arrondi

// The common case inline: a value between 1E-13 and 1E42 that lies clearly
// between two halfway points; anything else goes to the exact routine.
inline Etendu Arrondi15(Etendu x)
{
    const Etendu a = std::fabs(x);
    if (!(a >= 1E-13L && a < 1E42L))
        return arrondi::Exact(x);
    // The decimal exponent d of a, from its binary exponent (read from its
    // double) and one comparison, so that V = a * 10^(14 - d) has 15 digits
    // before the point.
    const double ad = static_cast<double>(a);
    std::uint64_t bits;
    std::memcpy(&bits, &ad, 8);
    const int rang = static_cast<int>((bits >> 52) & 0x7FF) - 1023 - arrondi::PremierExposant;
    if (rang < 0 || rang >= arrondi::NombreExposants)
        return arrondi::Exact(x);
    const arrondi::Seuil& s = arrondi::Seuils[rang];
    const int m = 14 - s.d - (a >= s.seuil);
    if (m < -27 || m > 27)
        return arrondi::Exact(x);
    const Etendu* dix = arrondi::Dix;
    const Etendu V = m >= 0 ? a * dix[m] : a / dix[-m];
    if (!(V > 1E14L + 1.0L && V < 1E15L - 1.0L))
        return arrondi::Exact(x);
    // V is within 4E-5 of the exact product: adding 2^63 leaves the nearest
    // integer, which is the rounding unless V is close to a halfway point.
    constexpr Etendu DeuxPuissance63 = 9223372036854775808.0L;
    const Etendu n = (V + DeuxPuissance63) - DeuxPuissance63;
    if (std::fabs(std::fabs(V - n) - 0.5L) < 1E-3L)
        return arrondi::Exact(x);
    // N * 10^-m rounded once, as the reader of the text does.
    const Etendu r = m >= 0 ? n / dix[m] : n * dix[-m];
    return x < 0.0L ? -r : r;
}
