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
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Programme {
public:
    // blancInitial false: the variable's text joins what stands before it,
    // as in the conic's coefficients.
    Programme(const std::string& texte, char lettre, bool blancInitial = true);

    // A copy is a clone, and a cheap one: it shares the compiled code,
    // which nothing changes once built, and gets registers of its own. Each
    // calculation owns the program it runs; two threads run two clones.
    //
    // Runs on the program's own registers, hence not const: a program seen
    // through a const reference or a pointer to const cannot be run, so no
    // two calculations ever share one.
    Evaluation Execute(Etendu x);
    // The same steps in full extended precision, no step rounded to 15
    // digits: the function as mathematics reads the text, for a result
    // meant to the last digit (the study's integral).
    Evaluation ExecuteEtendu(Etendu x);

    // f, f' and f'' at x by forward differentiation of the same steps: the
    // value exactly as Execute gives it; each derivative computed from the
    // registers' 15-digit values in extended arithmetic, rounded to 15
    // digits once at the end. Where a derivative does not exist (abs at 0,
    // u^v at u = 0 with v varying, a glued text), it fails with
    // DeriveeNonDefinie; f' may exist where f'' does not.
    struct Derivees {
        Evaluation valeur, premiere, seconde;
    };
    Derivees ExecuteDerivees(Etendu x);

    // A fault of the text itself (a bracket left open, an operator without
    // its operand), found while compiling: every value of the variable gets
    // it. None for a text that may evaluate at some value.
    std::optional<Faute> FauteDuTexte() const;

    // The derivatives of one register: the first, the second, and whether
    // each exists.
    struct Jet {
        Etendu d1 = 0.0L, d2 = 0.0L;
        bool existe1 = true, existe2 = true;
    };

    std::size_t Taille() const { return compile_->code_.size(); } // instructions, for the tests

private:
    friend class TexteSymbolique;
    template <bool Arrondi>
    Evaluation Calcule(Etendu x);
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

    // What compiling the text gives: read-only once built, shared by the
    // clones.
    struct Compile {
        std::vector<Instruction> code_;
        std::vector<Etendu> constantes_;
        std::vector<std::vector<Morceau>> assemblages_;
        std::vector<Echec> arrets_;
        std::uint32_t resultat_ = 0;
        // The instructions run at each evaluation: the constants' registers
        // are filled once, in the registers every clone starts from.
        std::vector<std::uint32_t> execution_;
        std::vector<Etendu> depart_;

        std::uint32_t Emet(Instruction i);
        // A register as the text holds it once written back: through 15
        // digits, and 0 without a sign. Operations and functions round
        // already.
        std::uint32_t Reecrit(std::uint32_t registre);
        void Prepare();
    };

    std::shared_ptr<const Compile> compile_;
    std::vector<Etendu> registres_;
    // The scale of each register's last rounding: the guess for the next.
    std::vector<int> echelles_;
    std::string tampon_;
    std::vector<Jet> jets_;
};
