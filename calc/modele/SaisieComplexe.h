#pragma once
// The entry field of complex mode: what it reads on Enter, and the two
// steps of an entry (the real part, then the imaginary part).
#include "numerics/Complexe.h"

#include <string>

// What the entry field reads on Enter, blanks around the text aside: one
// whole number of the entry reader's form ("5", "2,5", "5.", "2.E3"); in the
// first step also a whole complex value, in the copy form of the stack
// ("3-4i", "-2.5E-7+1i", "4i") or in the matrix grid's ("(13.53,-2)").
// Anything else is refused; a part beyond extended precision is an
// overflow.
struct SaisieLue {
    enum class Sorte { Refusee, Depassement, Reel, Complexe } sorte = Sorte::Refusee;
    TComplexe valeur{};
};
SaisieLue LitSaisie(std::string texte, bool complexeAdmise);

// Where an entry stands, as an undo step puts it back.
struct EtatSaisie {
    int etape = 0;        // 0: the next Enter reads a real part, 1: an imaginary part
    Etendu re = 0.0L;     // the real part read in the first step
};

class SaisieComplexe {
public:
    enum class Issue {
        Vide,         // an empty field at the first step: nothing to enter
        Refusee,      // no number: the text stays for correction (a beep)
        Depassement,  // beyond extended precision: nothing is taken
        PartieReelle, // the real part is kept; the field asks for the imaginary part
        Complete,     // the value to lift onto the stack
    };
    struct Resultat {
        Issue issue;
        TComplexe valeur{};
    };

    // Enter on a field holding texte. An empty field completes a pending
    // real part with the imaginary part 0; at the first step it is Vide.
    Resultat Valide(const std::string& texte);
    // The field's text before an operation, which must work on a complete
    // value: a number at the first step is the real number itself, at the
    // second the imaginary part (0 for an empty field).
    Resultat Acheve(const std::string& texte);
    // "C", "CE": the pending real part is dropped.
    void Abandonne() { etat_ = {}; }
    // The caption beside the field.
    const char* Legende() const { return etat_.etape == 0 ? "Partie Réelle :" : "Partie Imaginaire :"; }

    const EtatSaisie& Etat() const { return etat_; }
    void Restaure(const EtatSaisie& e) { etat_ = e; }

private:
    // The value read ends the entry.
    Resultat Complete(const SaisieLue& lu);

    EtatSaisie etat_;
};
