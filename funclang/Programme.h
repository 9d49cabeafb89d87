#pragma once
// A normalised function text compiled once into a flat program that
// computes, for any value of its variable, exactly what the text evaluator
// computes: the same steps in the same order, each intermediate value
// rounded to 15 digits in the number domain, the same message, kind and
// value on failure. No text work and no allocation per evaluation, except
// where the text glues a value's digits to its neighbours ("x2"), which
// is read as the text would be.
#include "funclang/Evaluateur.h"

#include <cstdint>
#include <string>
#include <vector>

class Programme {
public:
    // blancInitial false: the variable's text joins what stands before it,
    // as in the conic's coefficients.
    Programme(const std::string& texte, char lettre, bool blancInitial = true);

    // Not re-entrant: the registers and the text buffer are the program's
    // own, so one program runs one evaluation at a time (a plot, a
    // quadrature); two threads need two programs.
    Evaluation Execute(Etendu x) const;

    std::size_t Taille() const { return code_.size(); } // instructions, for the tests

private:
    friend class TexteSymbolique;
    // Each instruction writes the register of its own index.
    enum class Code : std::uint8_t {
        Variable,  // the variable's value, rounded as its text would be
        Constante, // constantes_[a], filled once when the program is built
        Oppose,    // -register a (a sign bound to a bracket, a call or the variable)
        Operation, // register a op register b, rounded to 15 digits
        Fonction,  // f of register a, with its domain and messages
        Assemble,  // the text of the pieces assemblages_[a] read as one operand
        Reecrit,   // register a rounded to 15 digits (a value written back)
        Arret,     // the failure arrets_[a], found while compiling
    };
    struct Instruction {
        Code code;
        char op;               // the operator of an Operation
        std::uint32_t a, b;    // operand registers, or the index of a constant, pieces, failure
        const Fonction* f;
    };
    // A piece of a glued operand: literal characters, or a register's text.
    struct Morceau {
        std::string litteral;
        std::int32_t registre; // -1: the literal
        bool sansBlanc;
    };

    std::uint32_t Emet(Instruction i);
    // A register as the text holds it once written back: through 15 digits,
    // and 0 without a sign. Operations and functions round already.
    std::uint32_t Reecrit(std::uint32_t registre);
    void Prepare();

    std::vector<Instruction> code_;
    std::vector<Etendu> constantes_;
    std::vector<std::vector<Morceau>> assemblages_;
    std::vector<Echec> arrets_;
    std::uint32_t resultat_ = 0;
    mutable std::vector<Etendu> registres_;
    // The scale of each register's last rounding: the guess for the next.
    mutable std::vector<int> echelles_;
    // The instructions run at each evaluation: the constants' registers are
    // filled once, when the program is built.
    std::vector<std::uint32_t> execution_;
    mutable std::string tampon_;
};
