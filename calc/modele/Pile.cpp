#include "calc/modele/Pile.h"

#include "funclang/Nombres.h"

#include <algorithm>
#include <cmath>

void Pile::Monte(TComplexe z)
{
    for (int n = 4; n >= 1; --n)
        lignes_[n] = lignes_[n - 1];
    lignes_[0] = z;
}

void Pile::Descend()
{
    lignes_[1] = lignes_[2];
    lignes_[2] = lignes_[3];
    lignes_[3] = lignes_[4];
    lignes_[4] = CZero;
}

void Pile::EffaceLigne()
{
    for (int n = 0; n < 4; ++n)
        lignes_[n] = lignes_[n + 1];
    lignes_[4] = CZero;
}

void Pile::EffaceTout() { lignes_.fill(CZero); }

void Pile::Echange() { std::swap(lignes_[0], lignes_[1]); }

void Pile::Rotation() { std::rotate(lignes_.begin(), lignes_.begin() + 1, lignes_.end()); }

LigneAffichee AfficheLigne(TComplexe z, bool polaire, bool degres)
{
    if (!polaire)
        return {TexteNombre(z.Re), z.Im >= 0.0L ? "+" : "--", TexteNombre(std::fabs(z.Im))};
    const Etendu a = CArgument(z);
    // 0.31830988618379067 is 1/pi as the extended constant the display uses.
    const Etendu second = degres ? std::fabs(a * 0.31830988618379067L * 180.0L) : std::fabs(a);
    return {TexteNombre(CModule(z)), a >= 0.0L ? "+" : "--", TexteNombre(second)};
}

std::string TexteCopie(TComplexe z)
{
    if (z.Im == 0.0L)
        return TexteCourt(z.Re);
    const std::string im = TexteCourt(z.Im);
    return (z.Re == 0.0L ? std::string() : TexteCourt(z.Re) + (im[0] == '-' ? "" : "+")) + im + "i";
}
