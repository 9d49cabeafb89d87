#pragma once
// The real-valued evaluator of the plotter and the solver, by rewriting the
// normalised text: each variable letter becomes the text of its value, each
// bracketed group and then each operation is replaced by the 23-character
// text of its value, until one number is left. Every intermediate value
// therefore passes through 15 significant digits. This text path defines the
// results; the compiled path of Programme.h gives the same bits faster.
//
// Errors are never exceptions: the caller gets the failure (its kind, its
// French message, its icon) and a value (1.0 for the bracket and division
// messages, ValeurErreur for the others).
#include "funclang/Reecriture.h"
#include "numerics/Etendu.h"

#include <optional>
#include <span>
#include <string>

struct Evaluation {
    Etendu resultat = 0.0L;
    std::optional<Faute> faute; // none on success

    // The text itself is wrong: no value of the variable can succeed.
    bool Fatale() const { return faute && faute->genre == GenreErreur::Texte; }
};

// The outcome of a failed step.
Evaluation EvaluationDe(const Echec& e);


// The text with each letter replaced by the value of the same rank.
Evaluation Evalue(const std::string& texte, std::span<const char> lettres,
                  std::span<const Etendu> valeurs);
// One variable, as the plotter and the solver use it.
Evaluation Evalue(const std::string& texte, char lettre, Etendu valeur);

// The inner steps, for the conic coefficients and the tests. A sign right in
// front of a letter binds to its value ("2*-x"). Without the leading blank,
// a value's text joins the characters before it (the conic's "2x" at 3.2
// reads 23.2).
void SubstitueVariables(std::string& texte, std::span<const char> lettres,
                        std::span<const Etendu> valeurs, bool blancInitial = true);
Evaluation ReduitParentheses(std::string texte);
// The same skeleton with the messages and rules of a dialect.
Evaluation ReduitAvec(std::string texte, const Dialecte& d);

// The evaluator's messages.
namespace Messages {
inline constexpr const char* ParentheseOuvrante = "Il manque une parenthèse ouvrante .";
inline constexpr const char* ParentheseFermante = "Il manque une parenthèse fermante .";
inline constexpr const char* DivisionParZero = "Division par zéro .";
inline constexpr const char* SyntaxeNonSupportee = "Syntaxe non supportée .";
inline constexpr const char* Depassement = "Dépassement de capacité .";
inline constexpr const char* ExpressionIncorrecte = "Expression incorrecte .";
} // namespace Messages
