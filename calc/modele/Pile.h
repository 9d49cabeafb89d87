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
    // Line 1 goes to line 5, the others move down one line.
    void Rotation();

private:
    std::array<TComplexe, 5> lignes_{CZero, CZero, CZero, CZero, CZero};
};

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
