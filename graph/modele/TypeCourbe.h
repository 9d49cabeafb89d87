#pragma once
// The plotter's curve types. The type decides which variable letter a text
// may use: x for cartesian curves and conics, t for polar and parametric
// ones.
#include "numerics/Faute.h"

#include <optional>
#include <string>

enum class TypeCourbe { Aucune, Carte, Polr, Para, Cone };

// The letter of a type's texts; '\0' without a type.
char LettreDe(TypeCourbe type);

// The whole rewriting of a function field for a curve type, as the plotter
// and the graph-file loader both do it: names, signs and divisions in the
// type's letter; names and signs for conics, x and y anywhere; names
// without a check of the letter without a type. A text longer than the evaluators
// accept is refused with "Expression incorrecte ." in the journal: no value.
std::optional<std::string> NormaliseFonction(const std::string& saisie, TypeCourbe type, Journal& journal);

// A typo that no value of the variable gets past (a bracket left open, an
// operator without its operand), with the fault "Go ..." would report; none
// for a text that may evaluate somewhere, nor for a conic, which its own
// reader checks.
std::optional<Faute> FauteDeSaisie(const std::string& expr, TypeCourbe type);
