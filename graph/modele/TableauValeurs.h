#pragma once
// The table of values of the plotter's current curve: rows start + k x step,
// the columns of the curve's type (x, f(x), f'(x) and on demand f''(x), the
// exact derivatives; t, ro(t); t, x(t), y(t); x and the conic's y values). A value that cannot be computed shows the
// message of its failure, never a number.
#include "graph/modele/ModeleGraphe.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr int LignesTableauMax = 10000;

struct Cellule {
    std::optional<Etendu> valeur;
    std::string message; // without its final " ." when there is no value

    // The 23-character form, or the message.
    std::string Texte() const;
    // The copy form of the program ("3.5", "-2.5E-7"), or the message.
    std::string Copie() const;
};

struct TableauValeurs {
    std::vector<std::string> titres;
    std::vector<std::vector<Cellule>> lignes;
};

// The table of the validated curve of the current type; no column without
// one. lignes is taken between 1 and LignesTableauMax; seconde adds the
// f''(x) column of a cartesian curve.
TableauValeurs CalculeTableau(const ModeleGraphe& m, Etendu debut, Etendu pas, int lignes, bool seconde = false);

// The rows given, one line each, cells separated by tabs, in the copy form.
std::string CopieLignes(const TableauValeurs& t, const std::vector<int>& rangs);
// The whole table for a French spreadsheet: the titles, then the rows;
// semicolons between cells, a decimal comma, lines ending in CR LF.
std::string TexteCsv(const TableauValeurs& t);
