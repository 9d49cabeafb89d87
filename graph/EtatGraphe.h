#pragma once
// The plotter's state, one instance for the run: the current curve type and
// the function texts as typed and as normalised. The line entry of the
// calculator reads the curve type from it to know which variable to check.
#include "funclang/Normalisation.h"

#include <string>

struct EtatGraphe {
    TypeCourbe Type = TypeCourbe::Aucune; // none until the user chooses one
    bool SonsActifs = true;               // the "Sons" setting, read on activation
    bool FoncXValidee = false;
    bool FoncYValidee = false;
    std::string SaisieFx, SaisieRo, SaisieXt, SaisieYt, SaisieConique;
    std::string ExprFx, ExprRo, ExprXt, ExprYt, ExprConique;
};

EtatGraphe& LEtatGraphe();
