#pragma once
#include "app/Activation.h"

#include <QDialog>

class QLabel;

// The three texts that the plotter sets before it shows the results window.
inline QString ResultatTitre;
inline QString ResultatNom;
inline QString ResultatValeur;

// The result of an integral or a zero search, shown modally.
class TSolutions : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    explicit TSolutions(QWidget* parent = nullptr);
    // Copies the three shared texts into the labels.
    void FormActivate() override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QLabel* methode_;
    QLabel* resultat1_;
    QLabel* resVal1_;
};
