#pragma once
// The stack tools of the "Edition" menu, beside the 34 keys: a copy of line
// 1, a roll of the stack, and the modulus and the argument of line 1 as
// values of their own.
#include "calc/modele/Pile.h"

#include <span>

enum class OutilPile { Dupliquer, Rotation, Module, Argument };

struct DefinitionOutil {
    OutilPile outil;
    const char* nom;       // the menu item's object name
    const char* titre;     // its caption (UTF-8)
    const char* aide;      // its hint
    const char* raccourci; // its key, as QKeySequence reads it
};

std::span<const DefinitionOutil> LesOutils();
const DefinitionOutil& DefinitionDe(OutilPile o);

// The tool's action. Each takes line 1 as its operand; the argument is in
// degrees when degres (the display's unit), else in radians.
void ActionOutil(OutilPile o, Pile& pile, bool degres);
