#pragma once
// From the text a user types to the internal form the evaluator reads:
// three-letter function codes, "#" and "~" for the binary plus and minus,
// "0.0" before a leading sign, and divisions by the variable as products with
// its inverse.
#include "numerics/Faute.h"

#include <optional>
#include <string>

// Lower-cases the text, rewrites the function names into their codes and the
// exponent marks "e+", "e-" into "E+", "E-", then checks that the first
// variable letter follows "(", "*", "+", "-" or "/" (or starts the text);
// no check for the letter '\0'. A failed check adds "Expression incorrecte ." to the journal;
// the text keeps the rewrites. Returns false then; the program's callers go
// on regardless.
bool NormaliseNoms(std::string& texte, char lettre, Journal& journal);

// "0.0" before a leading sign, sign pairs collapsed, binary "+" and "-" into
// "#" and "~". A sign right after an exponent letter that follows a digit or
// a point belongs to the number ("1.5E+3" stays whole).
void NormaliseSignes(std::string& texte);

// The sign walk shared by both evaluators: a "+" or "-" that follows neither
// an operator ("#~*/^") nor "(" nor the start of the text is a binary
// operator and becomes "#" or "~". A sign right after an exponent letter that
// follows a digit or a point belongs to its number.
void MarqueOperateursBinaires(std::string& texte);

// "/x" becomes "*INV(x)" for the given letter.
void RemplaceDivision(char lettre, std::string& texte);

// The whole rewriting of a function text in the variable lettre: names
// (their check skipped for '\0'), signs and divisions by the variable. A
// text longer than the evaluators accept is refused with "Expression
// incorrecte ." in the journal: no value.
std::optional<std::string> NormaliseFonction(const std::string& saisie, char lettre, Journal& journal);

// A polynomial in x and y, as a conic's equation is typed: names and signs
// as in a function, no check of where the letters stand, no division
// rewritten. Refused as above when too long.
std::optional<std::string> NormalisePolynome(const std::string& saisie, Journal& journal);
