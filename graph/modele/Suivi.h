#pragma once
// Trace mode: a marker that follows a curve of the plot with the keyboard.
// A curve in x (a cartesian curve, a derivative curve, a root of a conic)
// is followed column by column, x being the column's x as the pointer
// read-out computes it; a polar or parametric curve sample by sample. The
// values are computed at the marker, never read from pixels.
#include "funclang/Programme.h"
#include "graph/modele/ModeleGraphe.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct PointSuivi {
    // The read-outs: 23-character forms, or the message of the failure
    // without its final " .".
    std::string x, y;
    // The status bar: t (and ro(t)) for a curve in t; empty otherwise.
    std::string barre;
    // The marker's pixel; none where the curve is undefined or off the area.
    std::optional<std::pair<int, int>> pixel;
};

class Suivi {
public:
    // The curves of the plot: the current one, its derivative curves when
    // they are drawn, both roots of a conic. False (nothing to follow)
    // without a validated curve.
    bool Commence(const ModeleGraphe& m, bool deriveesTracees);
    // pas columns (or samples) to the right, to the left when negative.
    void Deplace(int pas);
    // The next curve (sens +1) or the previous one; the marker keeps its
    // column.
    void ChangeCourbe(int sens);
    // Evaluates the curve at the marker, hence not const: the trace runs
    // programs of its own.
    PointSuivi Point();
    bool Actif() const { return !courbes_.empty(); }
    void Arrete() { courbes_.clear(); }

private:
    enum class Courbe { Fonction, Derivee, Polaire, Parametrique, DeriveeX, DeriveeY, Racine1, Racine2 };
    bool EnColonnes() const;
    Etendu XColonne() const;

    std::vector<Courbe> courbes_;
    std::size_t courbe_ = 0;
    int colonne_ = LargeurEcran / 2;
    long echantillon_ = 0, echantillons_ = 0;
    Vue vue_;
    Etendu etudeMin_ = 0.0L, pas_ = 0.02L;
    std::optional<Programme> f_, g_, a_, b_, c_;
};
