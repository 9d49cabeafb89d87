#pragma once
// A conic a*y^2 + b*y + c = 0 whose coefficients are texts in x: the texts
// of the three coefficients cut out of the normalised conic, and the roots
// in y of one column.
#include "numerics/Etendu.h"

#include <optional>
#include <string>
#include <vector>

// The A, B and C texts of a conic (texts in x): a missing term gives "0",
// a term without coefficient "1", and C is 0 plus what remains after the y
// term ("0" when nothing remains).
struct TextesConique {
    std::string A, B, C;
};
TextesConique CoefficientsConique(std::string texte);

// The coefficients of any normalised conic text that is a polynomial of
// degree 2 at most in y ("x^2#y^2~1", "(y#x)^2~4", "2*x*y#y^2~3"), each a
// text in x built from the pieces of the text; none for any other text
// ("y^3~x", "sin(y)", "x/y", a y glued to other characters, brackets nested
// more than ProfondeurConiqueMax deep, a coefficient longer than the
// evaluator takes).
inline constexpr int ProfondeurConiqueMax = 200;
inline constexpr const char* ConiqueIncorrecte =
    "Expression incorrecte : la conique doit être un polynôme de degré 2 au plus en y .";
std::optional<TextesConique> DeveloppeConique(const std::string& texte);

// Whether the text has the form that the hint of the conic gives,
// a*y^2 + b*y + c with a, b and c free of y, each term in that order, in
// which CoefficientsConique reads it as it is written.
bool FormeDeLIndication(const std::string& texte);

// The coefficients a plot uses: CoefficientsConique for a text in the
// hint's form (its pixels stay those of that reading), DeveloppeConique for
// the other polynomials; none for a text that is no polynomial in y.
std::optional<TextesConique> TextesDeLaConique(const std::string& texte);

// The real roots in y: none, one (a double root, or a linear equation) or
// two, lower first when A > 0. No root when A = B = 0 or when a root is not
// finite.
std::vector<Etendu> RacinesConique(Etendu A, Etendu B, Etendu C);
