#pragma once
// Derivative of a function text at a point, as the plotter computes it: the
// five-point central difference with h = 0.01.
#include "funclang/Evaluateur.h"

#include <string>

struct Derivee {
    Etendu valeur;     // ValeurErreur when an evaluation failed
    Evaluation echec;  // the failed evaluation (erreur false on success)
};

Derivee DeriveeEn(const std::string& texte, char lettre, Etendu x);
