#pragma once
// The matrix calculator: two square matrices A and B, real up to 10 x 10 or
// complex up to 5 x 5, entered in a grid, and the eleven commands on them.
#include "app/fenetres/Activation.h"
#include "matrix/modele/ModeleMatrice.h"

#include <QMainWindow>

class DelegueCellule;
class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QModelIndex;
class QSpinBox;
class QTableWidget;

class TMatrice : public QMainWindow, public FenetreActivable {
    Q_OBJECT
public:
    explicit TMatrice(QWidget* parent = nullptr);
    ~TMatrice() override;

    ModeleMatrice& Modele() { return modele_; }
    void FormActivate() override;

public slots:
    void MatABtnClick();
    void MatBBtnClick();
    void TailMatChange(int valeur);
    void AquiMatClick();
    void SwapABClick();
    void ClearClick();
    void AnnuleClick();
    void RetablitClick();
    void ByeClick();
    void SommeClick();
    void DifferenceClick();
    void ProduitClick();
    void TransposeClick();
    void InverseClick();
    void TraceClick();
    void RangClick();
    void DeterminantClick();
    void PolynomeClick();
    void ValeursPropresClick();
    void SystemeClick();
    // Enter in a cell of the grid: the cell's text is read and stored.
    void MatKeyPress(int ligne, int colonne);
    // The selected cells as tab-separated rows; a block of such rows pasted
    // from the current cell on, each cell read as if typed.
    void CreeActionsCellules();
    void CopieCellules();
    void ColleCellules();
    // The results leave as they are stored, not as shown: the value of
    // "Tr", "Rg" and "Dét", and the selected cells of the result grid.
    void CopieResultat();
    void CopieListe();

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreeOutils();
    void CreeMenus();
    void CreePanneaux(QWidget* centre);
    void LitReglages();
    void AppliqueMode();
    void Dimensionne(QTableWidget* grille, int colonnes, int lignes);
    void AfficheMat(const TMat& m);
    // The window as the model holds it: the grid, the order, the sizes of A
    // and B, the results, the commands that can be given.
    void Montre();
    void Execute(std::optional<RefusMatrice> refus);
    // A value in a cell of a grid, in the grid's form; scientific when that
    // is too wide for the column, and with the value as a tool tip when even
    // that is.
    void MontreCellule(QTableWidget* grille, int ligne, int colonne, TComplexe z, bool complexe);
    void Refuse(const RefusMatrice& refus);
    int LargeurColonne() const { return modele_.ModeComplexe() ? 100 : 50; }

    ModeleMatrice modele_;
    QAction* annuler_ = nullptr;
    QAction* retablir_ = nullptr;
    QAction* coller_ = nullptr;
    QAction* copierValeur_ = nullptr;
    QAction* copierListe_ = nullptr;

    QTableWidget* mat_;
    QTableWidget* resulMat_;
    QFrame* cadreTaille_;
    QSpinBox* tailMat_;
    QLabel* grosA_;
    QLabel* grosB_;
    QFrame* cadreResult_;
    QLabel* tipCalc_;
    QLabel* resultat_;
    QFrame* cadreResCalculMat_;
    QLabel* resCalculMat_;
    QFrame* cadreTypeMat_;
    QLabel* matImag_;
    QLabel* panneau_;
    DelegueCellule* delegue_ = nullptr; // reads a cell when its editor commits
};
