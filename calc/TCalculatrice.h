#pragma once
// The calculator, the main window: a stack of five complex values with its
// keypad and menus in complex mode, the line entry in real mode.
#include "app/Activation.h"
#include "calc/Pile.h"

#include <QMainWindow>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class EcranLignes;
class QPushButton;
class QWidget;

class TCalculatrice : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TCalculatrice(QWidget* parent = nullptr);

    Pile& LaPile() { return pile_; }
    bool ModeComplexe() const { return modeComplexe_; }
    bool Polaire() const { return polaire_; }
    bool Degres() const { return degres_; }
    int LigneCourante() const { return ligneCourante_; }

    // Re-reads "Type de machine" and applies the layout of that mode.
    void FormActivate() override;

public slots:
    void ClavierClick();
    void MenuClick(int tag);
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
    QAction* Commande(QMenu* menu, const char* nom, const QString& titre, const QString& aide,
                      int tag);

    void Touche(int tag);
    void Ajoute(const QString& texte);
    void AjouteLigne(const QString& texte);
    void AppliqueModeEnregistre();
    void DispositionComplexe();
    void DispositionReelle();
    void ActiveCommandesComplexes(bool actif);
    void CoordEnXY();

    void AcquisitionEnter();
    void AcquisitionExit();
    bool AcquisitionKeyPress(int touche);
    bool EcranRKeyPress(int touche);
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

    Pile pile_;
    bool modeComplexe_ = true;
    bool polaire_ = false;
    bool degres_ = false;
    Etendu saisieRe_ = 0.0L;
    Etendu saisieIm_ = 0.0L;
    int etapeSaisie_ = 0; // 0: the next Enter reads a real part, 1: an imaginary part
    int ligneCourante_ = 0;
    int ligneChoisie_ = 1;

    QLabel* ligneR_[5];
    QLabel* signe_[5];
    QLabel* ligneC_[5];
    QWidget* cadreNumero_;
    QWidget* ecranPile_; // the stack display: takes the focus after an entry
    QLabel* parties_;
    QLineEdit* acquisition_;
    EcranLignes* ecranR_;
    QPushButton* swapBtn_;
    QPushButton* coord_;
    QPushButton* mesureAngle_;
    QPushButton* quitter_;
    QLabel* panneau_;
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
