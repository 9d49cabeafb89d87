#pragma once
// The real-mode line entry's evaluator: the rewriting skeleton of the
// function evaluator with rules of its own: no "0.0" before a leading sign,
// every power as exp(right x ln(left)), the line entry's own messages
// (most of them without the blank before the final ".") for its 17
// functions, the function evaluator's for the 9 others.
#include "calc/modele/NomsLigne.h"
#include "funclang/Normalisation.h"
#include "numerics/Etendu.h"

#include <optional>
#include <string>

// A line longer than the evaluators take (LongueurTexteMax characters).
inline constexpr const char* ExpressionTropLongue = "Expression trop longue.";

// The value of a line, or the failure that ended its evaluation.
struct EvaluationLigne {
    Etendu valeur = 0.0L;
    std::optional<Faute> faute;
    std::string variable; // the name a line "nom = expression" defines, as typed
};

// A line "nom = expression" defines nom; pi, ans and the variables of the
// memory stand for their values.
// With the program's rules: each name's value enters the text as its
// 23-character form, then function names, upper case, signs, brackets and
// the operator levels; the first error ends the evaluation. The letter is
// the plotter's variable ('x', 't', or 0 for none): the names step checks
// where it stands, its failure going to the journal (the evaluation's own
// is in the result).
// With the usual rules: the whole line in extended precision
// (LigneUsuelle.h); no letter is checked.
EvaluationLigne EvalueLigne(const std::string& ligne, char lettre, Journal& journal,
                            ReglesLigne regles = ReglesLigne::Programme, const MemoireLigne& memoire = {});
