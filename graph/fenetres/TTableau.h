#pragma once
// The table of values window: a start, a step and a number of rows, and the
// table of the plotter's current curve. Non-modal; it follows the function
// when the plotter validates it again.
#include "app/fenetres/Travail.h"
#include "graph/modele/TableauValeurs.h"

#include <QMainWindow>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TTableau : public QMainWindow {
    Q_OBJECT
public:
    TTableau(QWidget* parent, const ModeleGraphe& modele);

    // The defaults of the current study interval: its start, a twentieth of
    // it as the step, 21 rows; then the table.
    void Initialise();
    // The table again with the fields as they are (a field that does not
    // read keeps the table as it was, with a beep).
    void Calcule();
    const TableauValeurs& Tableau() const { return tableau_; }
    // The table being computed, off the window's thread.
    bool CalculEnCours() const { return travail_->EnCours(); }

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Affiche(const TableauValeurs& tableau);
    void Copie();
    void Enregistre();

    const ModeleGraphe& modele_;
    Travail* travail_;
    TableauValeurs tableau_;
    QLineEdit* debut_;
    QLineEdit* pas_;
    QLineEdit* lignes_;
    QTableWidget* grille_;
    QCheckBox* seconde_;
    QLabel* panneau_;
};
