#pragma once
#include "app/Activation.h"

#include <QDialog>

class QLabel;

// The result of an integral or a zero search, shown modally.
class TSolutions : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    explicit TSolutions(QWidget* parent = nullptr);
    // The kind of calculation, the name of the result and its value, shown
    // in the labels at the next showing.
    void DefinitTextes(const QString& titre, const QString& nom, const QString& valeur);
    // The texts, then the window shown modally.
    void Affiche(const QString& titre, const QString& nom, const QString& valeur);
    void FormActivate() override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QString titre_, nom_, valeur_;
    QLabel* methode_;
    QLabel* resultat1_;
    QLabel* resVal1_;
};
