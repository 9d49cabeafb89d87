#pragma once
// The real-mode line entry's own evaluator. It rewrites the text like the
// plotter's evaluator, but with rules of its own: no "0.0" before a leading
// sign, every power as exp(right x ln(left)), 17 functions, messages without
// the blank before the final "." (most of them), and an evaluation that goes
// on after an error, so that the last error met gives the message.
#include "funclang/Normalisation.h"
#include "numerics/Etendu.h"

#include <string>

struct EvaluationLigne {
    Etendu valeur = 0.0L;
    std::string message = "Ok";
    bool erreur = false;

    void Echec(const char* texte)
    {
        message = texte;
        erreur = true;
    }
};

// Names, upper case, signs, brackets, then the operator levels. The curve
// type is the plotter's (it decides the variable check of the names step).
EvaluationLigne EvalueLigne(const std::string& ligne, TypeCourbe type, bool sons);

void NormaliseLigne(std::string& texte, EvaluationLigne& e);
void ReduitLigne(std::string& texte, EvaluationLigne& e);
Etendu CalculeLigne(std::string texte, EvaluationLigne& e);
// Applies a function code to x in place; false for a code it does not know.
bool FonctionLigne(const std::string& code, Etendu& x, EvaluationLigne& e);
