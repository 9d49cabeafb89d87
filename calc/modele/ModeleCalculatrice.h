#pragma once
// The calculator's state and what its commands do to it, without a window:
// the stack and its display, the two-step entry, the last argument, the
// undo steps, the history of results and real mode's screen.
#include "calc/modele/Annulation.h"
#include "calc/modele/Historique.h"
#include "calc/modele/SaisieComplexe.h"
#include "calc/modele/Touches.h"
#include "calc/modele/Transcription.h"

#include <optional>

// Everything one undo step of the stack puts back.
struct EtatCalcul {
    Pile pile;
    EtatSaisie saisie;
    bool polaire = false, degres = false;
    std::optional<TComplexe> dernierArgument;
};

class ModeleCalculatrice {
public:
    const Pile& LaPile() const { return etat_.pile; }
    bool Polaire() const { return etat_.polaire; }
    bool Degres() const { return etat_.degres; }
    const char* LegendeSaisie() const { return saisie_.Legende(); }
    int EtapeSaisie() const { return saisie_.Etat().etape; }

    // The display ("Coord", "rad/deg"): not an undo step. Back to the
    // rectangular display, the angles go back to radians.
    void ChangeAffichage(bool polaire, bool degres);
    // The complex layout starts from the rectangular display.
    void AffichageRectangulaire() { ChangeAffichage(false, false); }

    // Enter in the entry field (its text not empty). A complete value is
    // lifted onto the stack: one undo step.
    SaisieComplexe::Resultat Saisit(const std::string& texte);
    // A key on the stack: one undo step unless it changed nothing (a refused
    // result leaves the stack as it was: no step); a key that consumes line 1
    // keeps it as the last argument and enters the history.
    void Execute(Touche t, Journal& journal);
    // Lifts the last argument: false (nothing done) before any key consumed
    // a value.
    bool DernierArgument();
    // Lifts the values of a history entry: one undo step.
    void Ramene(const EntreeHistorique& entree);

    bool Annule();
    bool Retablit();
    bool PeutAnnuler() const { return annulation_.PeutAnnuler(); }
    bool PeutRetablir() const { return annulation_.PeutRetablir(); }
    std::size_t EtapesAnnulables() const { return annulation_.Etapes(); }

    // Real mode: Enter on the current line (into the history when it was
    // evaluated), and "C".
    std::optional<EvaluationLigne> EntreLigne(const std::string& ligne, char lettre, Journal& journal);
    Transcription& LaTranscription() { return transcription_; }
    const Transcription& LaTranscription() const { return transcription_; }

    Historique& LHistorique() { return historique_; }
    const Historique& LHistorique() const { return historique_; }

private:
    struct Etape {
        EtatCalcul avant, apres;
    };
    void Enregistre(const EtatCalcul& avant);
    void Restaure(const EtatCalcul& e);
    // The history's entry of a key that left its result(s).
    EntreeHistorique EntreeDe(const DefinitionTouche& d) const;

    EtatCalcul etat_;
    SaisieComplexe saisie_;
    Annulation<Etape> annulation_;
    Historique historique_;
    Transcription transcription_;
};

// Two stacks with the same values, bit for bit (the sign of a zero counts).
bool MemesBits(const Pile& a, const Pile& b);
