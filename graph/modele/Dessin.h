#pragma once
// What a plot draws, as plain values: single pixels and lines in whole
// pixels with their colours. The plotting routines produce them and a
// painter puts them on the drawing area, so the rules of a plot can be
// tested without any image.
#include "numerics/Etendu.h"

#include <cstdint>
#include <optional>
#include <vector>

struct Couleur {
    std::uint8_t r, g, b;
    bool operator==(const Couleur&) const = default;
};
inline constexpr Couleur Noir{0, 0, 0};
inline constexpr Couleur Blanc{255, 255, 255};
inline constexpr Couleur Rouge{255, 0, 0};
inline constexpr Couleur BleuClair{0, 255, 255};
inline constexpr Couleur Vert{0, 255, 0};

struct Primitive {
    enum class Sorte { Pixel, Ligne } sorte;
    int x1, y1, x2, y2; // a pixel uses x1, y1 only
    Couleur couleur;
    bool operator==(const Primitive&) const = default;
};
using Dessin = std::vector<Primitive>;

// A real pixel position rounded as every drawing rounds it (to the nearest,
// ties to even).
int ArrondiPixel(Etendu p);

// A line between two real pixel positions, both rounded. An end far outside
// the area (a curve leaving it, the error value of a derivative) is first
// brought back along the line to a box around the area, so that the line
// the painter clips is the same and its coordinates stay small. No line for
// a non-finite end.
std::optional<Primitive> LigneEntre(Etendu x1, Etendu y1, Etendu x2, Etendu y2, Couleur c);
