#include "calc/modele/OutilsPile.h"

namespace {
constexpr DefinitionOutil Table[] = {
    {OutilPile::Dupliquer, "Dupliquer", "D&upliquer", "Monte une copie de la ligne (1) sur la pile .", "Ctrl+D"},
    {OutilPile::Rotation, "Rotation", "R&otation",
     "Fait tourner la pile : la ligne (1) passe en ligne (5), les autres descendent d'une ligne .", "Ctrl+R"},
    {OutilPile::Module, "Module", "&Module", "Remplace la ligne (1) par son module .", "Ctrl+M"},
    {OutilPile::Argument, "Argument", "Ar&gument",
     "Remplace la ligne (1) par son argument, dans l'unité d'angle de l'affichage .", "Ctrl+G"},
};
} // namespace

std::span<const DefinitionOutil> LesOutils() { return Table; }

const DefinitionOutil& DefinitionDe(OutilPile o) { return Table[static_cast<std::size_t>(o)]; }

void ActionOutil(OutilPile o, Pile& pile, bool degres)
{
    switch (o) {
    case OutilPile::Dupliquer: pile.Monte(pile[1]); break;
    case OutilPile::Rotation: pile.Rotation(); break;
    case OutilPile::Module: pile[1] = Complexe(CModule(pile[1]), 0.0L); break;
    case OutilPile::Argument: {
        const Etendu a = CArgument(pile[1]);
        // The display's degrees, with its extended 1/pi.
        pile[1] = Complexe(degres ? a * 0.31830988618379067L * 180.0L : a, 0.0L);
        break;
    }
    }
}
