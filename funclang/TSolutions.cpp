#include "funclang/TSolutions.h"

#include "app/Disposition.h"

#include <QShowEvent>

#include <algorithm>

TSolutions::TSolutions(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("Solutions");
    setWindowTitle("Résultat du calcul");
    setFixedSize(190, 67);
    setModal(true);
    methode_ = Etiquette(this, "Methode", "( Type de calcul fait )", 8, 6, 176, 18);
    QFont souligne = methode_->font();
    souligne.setUnderline(true);
    methode_->setFont(souligne);
    resultat1_ = Etiquette(this, "Resultat1", "X =", 8, 32, 40, 18);
    resVal1_ = Etiquette(this, "ResVal1", "0.00000000000000E+0000", 40, 32, 148, 18);
    ActionCopier(this, resVal1_, "CopierValeur");
    // Emptied on creation: the texts come from the caller at every showing.
    methode_->clear();
    resultat1_->clear();
    resVal1_->clear();
    CentreSurEcran(this);
}

void TSolutions::DefinitTextes(const QString& titre, const QString& nom, const QString& valeur)
{
    titre_ = titre;
    nom_ = nom;
    valeur_ = valeur;
}

void TSolutions::Affiche(const QString& titre, const QString& nom, const QString& valeur)
{
    DefinitTextes(titre, nom, valeur);
    exec();
}

void TSolutions::FormActivate()
{
    methode_->setText(titre_);
    resultat1_->setText(nom_);
    resVal1_->setText(valeur_);
    // The window keeps its size unless a text needs more room.
    const int largeur = std::max({190, methode_->sizeHint().width() + 16, 48 + resVal1_->sizeHint().width()});
    setFixedSize(largeur, 67);
    methode_->resize(largeur - 14, methode_->height());
    resVal1_->resize(largeur - 42, resVal1_->height());
}

void TSolutions::showEvent(QShowEvent* evenement)
{
    // Also on showing: two results in a row, with no other window active in
    // between, must show the second texts.
    FormActivate();
    QDialog::showEvent(evenement);
}
