#pragma once
// Comparisons to within a few units in the last place of the extended format.
#include "numerics/Complexe.h"

#include <QString>

#include <cmath>

// One unit in the last place at the magnitude of x (x itself for 0).
inline Etendu Ulp(Etendu x)
{
    const Etendu a = std::fabs(x);
    return a == 0.0L ? std::numeric_limits<Etendu>::denorm_min() : std::ldexp(1.0L, std::ilogb(a) - 63);
}

inline bool ProcheReel(Etendu a, Etendu b, int ulps = 4)
{
    return a == b || std::fabs(a - b) <= ulps * Ulp(b);
}

// Both parts within a few ulps of the modulus of the expected value: a part
// that should be 0 may hold the rounding of the other part's computation.
inline bool Proche(TComplexe a, TComplexe b, int ulps = 4)
{
    const Etendu echelle = Ulp(std::max(std::fabs(b.Re), std::fabs(b.Im)));
    return std::fabs(a.Re - b.Re) <= ulps * echelle && std::fabs(a.Im - b.Im) <= ulps * echelle;
}

inline QString Texte(TComplexe z)
{
    char t[128];
    std::snprintf(t, sizeof t, "%.21Lg %+.21Lg i", z.Re, z.Im);
    return t;
}
// A function that can fail, with its journal thrown away: for the tables
// that check values only.
template <void (*F)(TComplexe, TComplexe&, Journal&)>
void SansJournal(TComplexe z, TComplexe& r)
{
    Journal j;
    F(z, r, j);
}
