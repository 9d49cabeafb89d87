#pragma once
// The calculator, the main window: a stack of five complex values with its
// keypad and menus in complex mode, the line entry in real mode.
#include "app/fenetres/Activation.h"
#include "calc/modele/ModeleCalculatrice.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class EcranLignes;
class QPushButton;
class QWidget;
class THistorique;
class TVariables;

class TCalculatrice : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TCalculatrice(QWidget* parent = nullptr);

    const Pile& LaPile() const { return modele_.LaPile(); }
    const ModeleCalculatrice& Modele() const { return modele_; }
    bool ModeComplexe() const { return modeComplexe_; }
    bool Polaire() const { return modele_.Polaire(); }
    bool Degres() const { return modele_.Degres(); }
    int LigneCourante() const { return static_cast<int>(modele_.LaTranscription().Lignes().size()); }
    // The history window, created on first use.
    THistorique* FenetreHistorique();

    // Re-reads "Type de machine" and applies the layout of that mode.
    void FormActivate() override;

public slots:
    void ClavierClick();
    void MenuClick(Touche t);
    void AnnulerClick();
    void RetablirClick();
    void CollerClick();
    void DernierArgumentClick();
    void HistoriqueClick();
    // « Règles usuelles »: the line entry's rules, kept in the settings.
    void ReglesClick(bool usuelles);
    void VariablesClick();
    // Enter or a double click on a history entry.
    void RameneHistorique(const EntreeHistorique& entree);
    void SwapBtnClick();
    void CoordClick();
    void MesureAngleClick();
    void OptionsClick();
    void Help2Click();
    void RefreshEcran();

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void CreeEcran(QWidget* centre);
    void CreeClavier(QWidget* centre);
    void CreeMenus();
    QAction* Commande(QMenu* menu, const char* nom, const QString& titre, const QString& aide);
    QAction* Commande(QMenu* menu, Touche t);
    void CreeMenuEdition();

    void Appuie(Touche t);
    void Ajoute(const QString& texte);
    void AjouteLigne(const QString& texte);
    void AppliqueModeEnregistre();
    void DispositionComplexe();
    void DispositionReelle();
    void ActiveCommandesComplexes(bool actif);
    // The display buttons and the entry's caption as the model has them.
    void MontreAffichage();
    // The edit commands that can run now.
    void ActiveEdition();
    // The history window, when it is open, shows the new entries; so does
    // the variables window.
    void ActualiseHistorique();
    // The rules of the settings in the model, the menu item and the label.
    void AppliqueRegles(bool usuelles);

    void AcquisitionEnter();
    void AcquisitionExit();
    bool AcquisitionKeyPress(QKeyEvent* evenement);
    // What an Enter did: the field, the caption and the stack follow.
    void EntreeValidee(const SaisieComplexe::Resultat& r);
    // Before an operation on the stack: the number in the field entered
    // first. False (a beep or the overflow's message) when it does not read:
    // the operation must not run.
    bool EntreChamp();
    // "C", "CE": the field emptied and a pending real part dropped.
    void AbandonneSaisie();
    // A stack tool of the "Edition" menu.
    void OutilClick(OutilPile o);
    bool EcranRKeyPress(QKeyEvent* touche);
    // Real mode's screen from line depuis on: the model's lines, then the
    // current line holding courante.
    void AfficheTranscription(std::size_t depuis, const QString& courante);
    // The text of the current line (empty when the user removed it).
    QString TexteCourant() const;
    // Undo in real mode: the typing of the current line first, then the last
    // line entered.
    void AnnuleReel();
    void RetablitReel();
    // Enter on the current line: its answer below it, or its message. True
    // when the line was evaluated without an error; an empty line opens a
    // new one, with the error sound unless silencieux.
    bool ValideLigneCourante(bool silencieux);
    // A paste of several lines: each added to the current line and entered.
    void ColleLignes(const QStringList& lignes);

    bool EcranPileKeyPress(QKeyEvent* touche);
    // Where the user types next: the entry field or the lines of real mode.
    void FocusDeSaisie();
    // The line that "Copier" takes (1 unless the user clicked another).
    void ChoisitLigne(int n);

    ModeleCalculatrice modele_;
    bool modeComplexe_ = true;
    int ligneChoisie_ = 1;
    THistorique* historique_ = nullptr;
    TVariables* variables_ = nullptr;

    QLabel* ligneR_[5];
    QLabel* signe_[5];
    QLabel* ligneC_[5];
    QWidget* cadreNumero_;
    QWidget* ecranPile_; // the stack display: takes the focus after an entry
    QLabel* parties_;
    QLineEdit* acquisition_;
    QLabel* saisieEnCours_; // the pending real part, while the entry waits for its imaginary part
    QLabel* reglesLigne_;   // real mode: the rules in force, « 15 ch. » or « 80 bits »
    EcranLignes* ecranR_;
    QPushButton* swapBtn_;
    QPushButton* coord_;
    QPushButton* mesureAngle_;
    QPushButton* quitter_;
    QLabel* panneau_;
    QMenu* edition_;
    QAction* annuler_;
    QAction* retablir_;
    QAction* copier_;
    QAction* dernierArgument_;
    QAction* reglesUsuelles_;
    std::vector<QAction*> outils_;
    QMenu* solve_;
    QMenu* ctes_;
    QMenu* functions_;
    QAction* cste1_;
    QAction* calc7_;
    QAction* graphe_;
    QAction* mat_;
    QAction* solveur_;
    QAction* ciao_;
};
