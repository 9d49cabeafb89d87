#pragma once
// The calculator's stack of five complex values, line 1 at the bottom.
#include "numerics/Complexe.h"

#include <array>
#include <string>

class Pile {
public:
    // Line n, 1 to 5.
    TComplexe& operator[](int n) { return lignes_[n - 1]; }
    const TComplexe& operator[](int n) const { return lignes_[n - 1]; }

    // A new value arrives in line 1; the old line 5 is lost.
    void Monte(TComplexe z);
    // A two-operand operation has left its result in line 1: lines 3 to 5 move
    // down one place and line 5 becomes 0.
    void Descend();
    // "CE": line 1 goes, the others move down, line 5 becomes 0.
    void EffaceLigne();
    void EffaceTout();
    void Echange();

private:
    std::array<TComplexe, 5> lignes_{CZero, CZero, CZero, CZero, CZero};
};

// The keypad's actions on the stack, by the tag of the button (1 to 34); the
// menu commands use the tag of their keypad twin. Another tag does nothing.
void ActionPile(int tag, Pile& pile, Journal& journal);

// The text that a tag appends to the current line in real mode, or nullptr
// for the buttons that real mode disables.
const char* TexteTouche(int tag);

// What one display line shows: the two numbers and the sign between them.
struct LigneAffichee {
    std::string premier;
    std::string signe;
    std::string second;
};
LigneAffichee AfficheLigne(TComplexe z, bool polaire, bool degres);

// A stack value as it leaves the program: "3-4i", "3+4i", or the real part
// alone when the imaginary part is 0.
std::string TexteCopie(TComplexe z);

// What the entry field reads on Enter, blanks around the text aside: one
// whole number of the entry reader's form ("5", "2,5", "5.", "2.E3"); in the
// first step also a value in the copy form above with its imaginary part
// ("3-4i", "-2.5E-7+1i", "4i"), both parts at once. Anything else is
// refused; a part beyond extended precision is an overflow.
struct SaisieLue {
    enum class Sorte { Refusee, Depassement, Reel, Complexe } sorte = Sorte::Refusee;
    TComplexe valeur{};
};
SaisieLue LitSaisie(std::string texte, bool complexeAdmise);
