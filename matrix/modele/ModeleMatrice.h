#pragma once
// The matrix calculator's state and its eleven commands, without a window:
// the stores of A and B, their orders and entry flags, the mode, and what
// each command computes, always on the active n x n blocks.
#include "numerics/Faute.h"
#include "numerics/Matrices.h"

#include <optional>
#include <string>
#include <vector>

// The longest cell text that is read; a longer one is refused like any
// unreadable text.
inline constexpr std::size_t LongueurCelluleMax = 1000;

// A cell text: a decimal number, or "(re,im)" between any pair of brackets
// "(", "[" or "{" and ")", "]" or "}". No value for anything else.
std::optional<TComplexe> LitCoef(const std::string& texte);
// The complex form "(re,im)", each part as in FormatCoef's real form.
std::string FormatComplexe(TComplexe z, bool scientifique = false);
// A cell as the grid shows it: the real part in real mode, the complex form
// in complex mode; 5 decimals, or two significant digits (" 2.7E-0033") from
// 1E36 on, for a non-zero value whose 5 decimals would show fewer than 3
// significant digits, and for every non-zero part when scientifique (a
// text too wide for its column).
std::string FormatCoef(TComplexe z, bool complexe, bool scientifique = false);

// A cell as it leaves the program (copy): the stored value with the fewest
// digits that read back the same, in the form LitCoef reads ("2.5",
// "(3,-4)"), so that pasting it back gives the same matrix.
std::string TexteCelluleCopie(TComplexe z, bool complexe);

// A refused command: the failure the window tells (the error sound, then
// the box).
using RefusMatrice = Faute;

class ModeleMatrice {
public:
    TMat MatA, MatB;
    int TailleA = 2, TailleB = 2;
    bool DefA = false, DefB = false;
    bool EditA = false, EditB = false;
    int TailleMax = 5;
    bool SonsActifs = true;

    bool ModeComplexe() const { return TailleMax <= 5; }

    // Sum, difference and product put their result in A and empty B;
    // transpose and inverse replace A. Cells outside the order are kept.
    std::optional<RefusMatrice> Somme();
    std::optional<RefusMatrice> Difference();
    std::optional<RefusMatrice> Produit();
    void Transpose(); // a transpose of finite cells cannot overflow
    std::optional<RefusMatrice> Inverse();

    // A result beyond extended precision is refused with "Dépassement de
    // capacité ." and changes nothing, like every other refusal.
    std::optional<RefusMatrice> Trace(TComplexe& t) const;
    std::optional<RefusMatrice> Rang(int& rang, TMat& forme) const;
    std::optional<RefusMatrice> Det(TComplexe& d) const;
    std::optional<RefusMatrice> Polynome(TVecteur& p) const;
    // The eigenvalues for orders 2 to 4; none for any other order.
    std::optional<RefusMatrice> ValeursPropres(std::vector<TComplexe>& x) const;
    // A x = b with b the first column of B.
    std::optional<RefusMatrice> Systeme(std::vector<TComplexe>& x) const;

private:
    std::optional<RefusMatrice> Combine(TMat (*operation)(const TMat&, const TMat&),
                                        const char* refus);
    void RemplaceBlocA(const TMat& resultat);
};
