#pragma once
// The results of the run: each completed stack operation with the value(s)
// it left, each evaluated line of real mode with its answer, newest last.
// The history lives for the run only.
#include "numerics/Complexe.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

struct EntreeHistorique {
    std::string libelle;  // the operation's caption, or the line's expression
    std::string resultat; // as the display showed it, or the line's answer
    // What bringing it back lifts, in the order to lift them (an equation's
    // roots: the one it left highest first); empty for a line that failed.
    std::vector<TComplexe> valeurs;
    bool ligne = false; // a real-mode line: bringing it back copies its expression

    // The line of the history window: the values as the display showed them.
    std::string Texte() const { return Separe() + resultat; }
    // The line of the saved file: the values in the copy form, every digit
    // that reads back as the same value.
    std::string TexteSauve() const { return Separe() + (valeurs.empty() ? resultat : Copie()); }
    // The values in the copy form of the stack display, or a failed line's
    // expression.
    std::string Copie() const;

private:
    std::string Separe() const { return libelle + (ligne && !valeurs.empty() ? " = " : " : "); }
};

class Historique {
public:
    static constexpr std::size_t EntreesMax = 1000;

    void Ajoute(EntreeHistorique e);
    void Efface() { entrees_.clear(); }
    // Entries ever added, those gone included: what a view has not shown yet.
    std::size_t Total() const { return total_; }
    const std::deque<EntreeHistorique>& Entrees() const { return entrees_; }
    // The whole history as the saved file holds it, one entry a line (UTF-8).
    std::string TexteFichier() const;

private:
    std::deque<EntreeHistorique> entrees_;
    std::size_t total_ = 0;
};
