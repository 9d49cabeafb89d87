#pragma once
// What the matrix window shows besides the matrix in its grid, as the last
// commands left it. The model holds it for the life of the program, so a
// window closed and opened again shows the same results, and a copy takes
// the values themselves rather than their texts.
#include "numerics/Matrices.h"

#include <optional>
#include <string>
#include <vector>

struct AffichageMatrice {
    // A single value under its title: the trace, the determinant, the rank
    // (a whole number).
    struct Valeur {
        std::string titre;
        TComplexe z;
        bool entier = false;
    };
    // A list under its title: the eigenvalues (always in the complex form)
    // or the solutions of the system; the eigenvalues' largest residual,
    // negative when there is none.
    struct Liste {
        std::string titre;
        std::vector<TComplexe> valeurs;
        bool complexe = false;
        Etendu residu = -1.0L;
    };
    // A result shown in the grid in place of the matrix: the characteristic
    // polynomial (one coefficient a row, highest degree first) or the
    // echelon form of A (its n x n block).
    struct Grille {
        bool polynome = false;
        std::vector<std::vector<TComplexe>> cellules;
    };

    std::optional<Valeur> valeur;
    std::optional<Liste> liste;
    std::optional<Grille> grille;
};
