#pragma once
// Real mode's screen as lines: every line above the current one (the
// expressions entered and their answers), the expressions that line recall
// walks through, and the steps that undo takes back. The current line's
// text is typed in the window; the window shows these lines above it.
#include "calc/modele/Annulation.h"
#include "calc/modele/LigneEntree.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class Transcription {
public:
    static constexpr std::size_t RappelsMax = 1000;

    // Enter on the current line: an empty line only opens a new one (no
    // evaluation); otherwise the line is evaluated with the rules in force
    // and, when it succeeds, its answer "= value" (for a definition
    // "nom = value") stands below it and becomes ans. One undo step either
    // way; it takes back a definition too.
    std::optional<EvaluationLigne> Entre(const std::string& ligne, char lettre, Journal& journal);
    void ChoisitRegles(ReglesLigne regles) { regles_ = regles; }
    ReglesLigne Regles() const { return regles_; }

    // The variables and ans, and their removal (one undo step each; the
    // current line keeps its text).
    const MemoireLigne& Memoire() const { return memoire_; }
    void SupprimeVariable(const std::string& nom, const std::string& courante);
    void EffaceVariables(const std::string& courante);
    // "C": every line goes, the current one with them. One undo step.
    void Efface(const std::string& courante);

    const std::vector<std::string>& Lignes() const { return lignes_; }

    // After an undo or a replay: the first line that changed (the window
    // rewrites the screen from there) and the current line's text.
    struct Retour {
        std::size_t depuis;
        std::string courante;
    };
    std::optional<Retour> Annule();
    std::optional<Retour> Retablit();
    bool PeutAnnuler() const { return annulation_.PeutAnnuler(); }
    bool PeutRetablir() const { return annulation_.PeutRetablir(); }

    // Line recall, as a shell's history: sens -1 an earlier expression, +1 a
    // later one, then the empty line again; nothing beyond either end.
    std::optional<std::string> Rappelle(int sens);

private:
    struct Etape {
        std::size_t garde; // lines kept from the start
        std::vector<std::string> retirees, ajoutees;
        std::string avant, apres; // the current line's text
        MemoireLigne memoireAvant, memoireApres;
    };
    void Applique(Etape etape);

    std::vector<std::string> lignes_;
    std::deque<std::string> expressions_;
    std::size_t rappel_ = 0; // the expression recalled; expressions_.size(): none
    MemoireLigne memoire_;
    ReglesLigne regles_ = ReglesLigne::Programme;
    Annulation<Etape> annulation_;
};
