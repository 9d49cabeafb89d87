#include "graph/modele/Dessin.h"

#include <cmath>

namespace {
// Ends within this many pixels of the area are rounded as they are; beyond
// it the line is cut at this box, far enough that the cut is not seen.
constexpr Etendu Boite = 32768.0L;

// Moves (x1, y1) along the line towards (x2, y2) until it lies inside the box.
void RamenerDansBoite(Etendu& x1, Etendu& y1, Etendu x2, Etendu y2)
{
    Etendu t = 1.0L; // fraction of the way from (x2, y2) to (x1, y1) kept
    const Etendu dx = x1 - x2, dy = y1 - y2;
    if (std::fabs(x1) > Boite)
        t = std::fmin(t, ((x1 > 0.0L ? Boite : -Boite) - x2) / dx);
    if (std::fabs(y1) > Boite)
        t = std::fmin(t, ((y1 > 0.0L ? Boite : -Boite) - y2) / dy);
    x1 = x2 + t * dx;
    y1 = y2 + t * dy;
}
} // namespace

int ArrondiPixel(Etendu p)
{
    // Far outside the area every position is as good as another: the
    // clamp keeps the conversion defined (a NaN goes far to the left).
    if (!(p > -Boite))
        return -static_cast<int>(Boite);
    if (p > Boite)
        return static_cast<int>(Boite);
    // rint rounds ties to even in the default mode, without the cost of
    // nearbyint, which saves and restores the floating-point environment.
    return static_cast<int>(std::rint(p));
}

std::optional<Primitive> LigneEntre(Etendu x1, Etendu y1, Etendu x2, Etendu y2, Couleur c)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    const bool dehors1 = std::fabs(x1) > Boite || std::fabs(y1) > Boite;
    const bool dehors2 = std::fabs(x2) > Boite || std::fabs(y2) > Boite;
    if (dehors1 && dehors2)
        return std::nullopt; // the joining rule never links two points outside
    if (dehors1)
        RamenerDansBoite(x1, y1, x2, y2);
    if (dehors2)
        RamenerDansBoite(x2, y2, x1, y1);
    return Primitive{Primitive::Sorte::Ligne, ArrondiPixel(x1), ArrondiPixel(y1), ArrondiPixel(x2),
                     ArrondiPixel(y2), c};
}
