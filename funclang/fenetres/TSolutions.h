#pragma once
#include "app/fenetres/Activation.h"

#include <QDialog>

class QLabel;

// The result of an integral, a zero search or an extremum (two lines),
// shown modally.
class TSolutions : public QDialog, public FenetreActivable {
    Q_OBJECT
public:
    explicit TSolutions(QWidget* parent = nullptr);
    // The kind of calculation, the name of the result and its value, shown
    // in the labels at the next showing.
    // A second line only when nom2 or valeur2 is given.
    void DefinitTextes(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2 = {},
                       const QString& valeur2 = {});
    // The texts, then the window shown modally.
    void Affiche(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2 = {},
                 const QString& valeur2 = {});
    void FormActivate() override;

protected:
    void showEvent(QShowEvent* evenement) override;
    // Ctrl+C is this window's own: the value, and the second on a line of
    // its own when it is shown. A tool window shares its parent's
    // shortcuts, so the key is taken before they see it.
    bool event(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QString titre_, nom_, valeur_, nom2_, valeur2_;
    QLabel* methode_;
    QLabel* resultat1_;
    QLabel* resVal1_;
    QLabel* resultat2_;
    QLabel* resVal2_;
};
