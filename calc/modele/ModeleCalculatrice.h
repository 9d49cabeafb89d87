#pragma once
// The calculator's state and what its commands do to it, without a window:
// the stack and its display, the two-step entry, the last argument, the
// undo steps, the history of results and real mode's screen.
#include "calc/modele/Annulation.h"
#include "calc/modele/Historique.h"
#include "calc/modele/OutilsPile.h"
#include "calc/modele/SaisieComplexe.h"
#include "calc/modele/Touches.h"
#include "calc/modele/Transcription.h"

#include <optional>

// Everything one undo step of the stack puts back. Not the entry: undo and
// redo always leave it at its first step, never half typed.
struct EtatCalcul {
    Pile pile;
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
    // The real part typed at the first step, while the entry waits for its
    // imaginary part.
    std::optional<Etendu> PartieReelleEnAttente() const
    {
        return saisie_.Etat().etape ? std::optional(saisie_.Etat().re) : std::nullopt;
    }

    // The display ("Coord", "rad/deg"): not an undo step. Back to the
    // rectangular display, the angles go back to radians.
    void ChangeAffichage(bool polaire, bool degres);
    // The complex layout starts from the rectangular display.
    void AffichageRectangulaire() { ChangeAffichage(false, false); }

    // Enter in the entry field. A complete value is lifted onto the stack:
    // one undo step. An empty field at the first step duplicates line 1.
    SaisieComplexe::Resultat Saisit(const std::string& texte);
    // Before an operation: what the field holds is entered first, as a
    // complete value (SaisieComplexe::Acheve), in an undo step of its own.
    // Refusee or Depassement: nothing was entered and the operation must
    // not run.
    SaisieComplexe::Resultat AcheveSaisie(const std::string& texte);
    // "C", "CE": a pending real part is dropped, never entered.
    void AbandonneSaisie() { saisie_.Abandonne(); }
    // A key on the stack: one undo step unless it changed nothing (a refused
    // result leaves the stack as it was: no step); a key that consumes line 1
    // keeps it as the last argument and enters the history.
    // An equation whose leading coefficient is 0 is refused whole (a
    // warning in the journal, the stack and the history unchanged).
    void Execute(Touche t, Journal& journal);
    // A stack tool: one undo step, the last argument and a history entry.
    void Execute(OutilPile o);
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
    // The history's entry of a command that left its result(s), line n
    // (the highest) to line 1.
    EntreeHistorique EntreeDe(const char* titre, int n) const;
    // A command has consumed line 1 of avant: its last argument, its entry
    // and its undo step.
    void Consomme(const EtatCalcul& avant, const char* titre, int n);

    EtatCalcul etat_;
    SaisieComplexe saisie_;
    Annulation<Etape> annulation_;
    Historique historique_;
    Transcription transcription_;
};

// Two stacks with the same values, bit for bit (the sign of a zero counts).
bool MemesBits(const Pile& a, const Pile& b);
