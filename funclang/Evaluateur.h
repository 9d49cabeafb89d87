#pragma once
// The real-valued evaluator of the plotter and the solver. It works on the
// normalised text by rewriting: each variable letter becomes the text of its
// value, each bracketed group and then each operation is replaced by the
// 23-character text of its value, until one number is left. Every
// intermediate value therefore passes through 15 significant digits.
//
// Errors are never exceptions: the caller gets a flag, a French message and
// a value (1.0 for the bracket and division messages, ValeurErreur for the
// others). A successful evaluation leaves the message empty.
#include "numerics/Etendu.h"

#include <span>
#include <string>

struct Evaluation {
    Etendu resultat = 0.0L;
    std::string message;
    bool erreur = false;
};

// The text with each letter replaced by the value of the same rank.
Evaluation Evalue(const std::string& texte, std::span<const char> lettres,
                  std::span<const Etendu> valeurs);
// One variable, as the plotter and the solver use it.
Evaluation Evalue(const std::string& texte, char lettre, Etendu valeur);

// The inner steps, for the conic coefficients and the tests.
void SubstitueVariables(std::string& texte, std::span<const char> lettres,
                        std::span<const Etendu> valeurs);
Evaluation ReduitParentheses(std::string texte);
Evaluation EvalueSansParentheses(std::string& texte);
// Applies the function of a three-letter code to the value in place; false
// when the code is not one of the 26.
bool AppliqueFonction(const std::string& code, Evaluation& e);
Etendu Factorielle(int n);
// The arc cosine of x in [-1, 1], as both evaluators compute it: by the arc
// tangent of sqrt(1 - x^2) / x, plus pi for a negative x, pi/2 at 0.
Etendu ArcCosinus(Etendu x);

// The evaluator's messages.
namespace Messages {
inline constexpr const char* ParentheseOuvrante = "Il manque une parenthèse ouvrante .";
inline constexpr const char* ParentheseFermante = "Il manque une parenthèse fermante .";
inline constexpr const char* DivisionParZero = "Division par zéro .";
inline constexpr const char* SyntaxeNonSupportee = "Syntaxe non supportée .";
inline constexpr const char* Depassement = "Dépassement de capacité .";
inline constexpr const char* ExpressionIncorrecte = "Expression incorrecte .";
} // namespace Messages
