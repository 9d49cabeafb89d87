#pragma once
// The calculator's 34 keys in one table: for each, its keypad button, its
// menu item, the key that runs it on the stack display, what it does to the
// stack and what it appends to the current line in real mode. The keypad,
// the menus, the keyboard and the real mode all read this table.
#include "calc/modele/Pile.h"

#include <span>

// In the keypad's order, row by row.
enum class Touche {
    Echange, EffaceLigne, EffaceTout, Divise, Produit, Difference, Somme,
    Inverse, Oppose, Conjugue, Carre, Racine, Puissance, RacineY,
    Exp, Ln, Sin, Cos, Tan, ConstanteI, ConstantePi,
    ArcSin, ArcCos, ArcTan, Sh, Ch, Th,
    ArgSh, ArgCh, ArgTh, Degre1, Degre2, Degre3, Degre4,
};

// A menu item: object name, caption, hint; no name for a key without one.
struct ItemMenu {
    const char* nom = nullptr;
    const char* titre = nullptr;
    const char* aide = nullptr;
};

struct DefinitionTouche {
    Touche touche;
    int tag;           // the button's Tag, 1 to 34
    const char* nom;   // the keypad button's object name
    const char* titre; // its caption (UTF-8)
    const char* aide;  // its hint
    const char* parle; // what a screen reader says for it: the meaning of its glyph
    int ligne, colonne; // its place in the keypad grid
    ItemMenu menu;
    char clavier;          // the character typed on the stack display that runs it, 0: none
    const char* texteReel; // appended to the current line in real mode; nullptr: disabled there
    bool consomme;         // takes line 1 as an operand (it becomes the last argument)
    int racines;           // an equation: the number of roots it leaves; otherwise 0
    void (*action)(Pile&, Journal&);

    // Only on the stack: disabled in real mode ("C" clears the screen there).
    bool ComplexeSeule() const { return !texteReel && touche != Touche::EffaceTout; }
};

std::span<const DefinitionTouche> LesTouches();
const DefinitionTouche& DefinitionDe(Touche t);
// The key of a button's Tag; nullptr outside 1 to 34.
const DefinitionTouche* DefinitionDuTag(int tag);

// The key's action on the stack. A result beyond extended precision is
// refused (false): the stack stays as it was, "Dépassement de capacité ."
// goes to the journal, and the display never shows an infinity or a NaN.
bool ActionPile(Touche t, Pile& pile, Journal& journal);
