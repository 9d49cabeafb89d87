// The matrix window's commands and what it shows: each command asks the
// model, which keeps its result; Montre draws the window from the model
// alone, after a command as after a reopening.
#include "matrix/fenetres/TMatrice.h"

#include "funclang/Nombres.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

void TMatrice::Montre()
{
    const AffichageMatrice& vu = modele_.Affichage;
    const bool complexe = modele_.ModeComplexe();
    const bool edition = modele_.Editee != ModeleMatrice::Grille::Aucune;
    const int taille = modele_.TailleEditee();
    {
        const QSignalBlocker bloque(tailMat_);
        tailMat_->setValue(taille);
    }
    cadreTaille_->setVisible(edition);

    // The grid: a result in place of the matrix, or the matrix edited.
    mat_->horizontalHeader()->setDefaultSectionSize(LargeurColonne());
    if (vu.grille) {
        const auto& cellules = vu.grille->cellules;
        const int lignes = static_cast<int>(cellules.size());
        for (int l = 0; l < lignes; ++l)
            MontreCellule(mat_, l, 0, cellules[l][0], complexe);
        if (vu.grille->polynome) {
            // "* x^n" down to "* x^1", then the constant term alone.
            for (int l = 0; l < lignes; ++l) {
                mat_->item(l, 1)->setText(l + 1 < lignes ? QString("* x^%1").arg(lignes - 1 - l) : QString());
                mat_->item(l, 1)->setToolTip(QString());
            }
        } else {
            for (int l = 0; l < lignes; ++l)
                for (int c = 1; c < lignes; ++c)
                    MontreCellule(mat_, l, c, cellules[l][c], complexe);
        }
        Dimensionne(mat_, vu.grille->polynome ? 2 : lignes, lignes);
    } else {
        AfficheMat(modele_.MatEditee());
        Dimensionne(mat_, taille, taille);
    }
    // A result in the grid is read, not typed into.
    mat_->setEditTriggers(!modele_.Permise(ModeleMatrice::Commande::Ecrire) ? QAbstractItemView::NoEditTriggers
                                    : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                          QAbstractItemView::EditKeyPressed);
    mat_->setVisible(edition || vu.grille);

    cadreResult_->setVisible(vu.valeur.has_value());
    if (vu.valeur) {
        tipCalc_->setText(QString::fromStdString(vu.valeur->titre));
        resultat_->setText(vu.valeur->entier ? QString::number(static_cast<int>(vu.valeur->z.Re))
                                             : QString::fromStdString(FormatComplexe(vu.valeur->z)));
    }

    cadreResCalculMat_->setVisible(vu.liste.has_value());
    resulMat_->setVisible(vu.liste.has_value());
    if (vu.liste) {
        const auto& valeurs = vu.liste->valeurs;
        // Complex eigenvalues in real mode take the complex mode's column.
        resulMat_->horizontalHeader()->setDefaultSectionSize(vu.liste->complexe ? 100 : LargeurColonne());
        for (int i = 0; i < static_cast<int>(valeurs.size()); ++i)
            MontreCellule(resulMat_, 0, i, valeurs[i], vu.liste->complexe || complexe);
        Dimensionne(resulMat_, static_cast<int>(valeurs.size()), 1);
        resCalculMat_->setText(QString::fromStdString(vu.liste->titre));
        // How closely the values of the QR algorithm fit A.
        const QString ajustement =
            vu.liste->residu < 0.0L
                ? QString()
                : QString("Plus grand résidu |Av - λv| / (|A| |v|) : %1 .")
                      .arg(QString::fromStdString(TexteScientifiqueCourt(vu.liste->residu)).trimmed());
        resulMat_->setToolTip(ajustement);
        resulMat_->setStatusTip(ajustement);
    }

    grosA_->setText(modele_.DefA ? QString("%1 * %1").arg(modele_.TailleA) : QString("---"));
    grosB_->setText(modele_.DefB ? QString("%1 * %1").arg(modele_.TailleB) : QString("---"));
    using C = ModeleMatrice::Commande;
    for (auto [action, commande] : {std::pair{annuler_, C::Annuler}, std::pair{retablir_, C::Retablir},
                                    std::pair{coller_, C::Ecrire}, std::pair{copierValeur_, C::CopierValeur},
                                    std::pair{copierListe_, C::CopierListe}})
        if (action)
            action->setEnabled(modele_.Permise(commande));
}

// Every command the same way: the model computes and keeps what is shown,
// or refuses and nothing changes.
void TMatrice::Execute(std::optional<RefusMatrice> refus)
{
    if (refus)
        return Refuse(*refus);
    Montre();
}

void TMatrice::SommeClick() { Execute(modele_.Somme()); }

void TMatrice::DifferenceClick() { Execute(modele_.Difference()); }

void TMatrice::ProduitClick() { Execute(modele_.Produit()); }

void TMatrice::TransposeClick()
{
    modele_.Transpose();
    Montre();
}

void TMatrice::InverseClick() { Execute(modele_.Inverse()); }

void TMatrice::TraceClick()
{
    TComplexe t;
    Execute(modele_.Trace(t));
}

void TMatrice::RangClick()
{
    TMat forme;
    int rang = 0;
    Execute(modele_.Rang(rang, forme));
}

void TMatrice::DeterminantClick()
{
    TComplexe d;
    Execute(modele_.Det(d));
}

void TMatrice::PolynomeClick()
{
    TVecteur p;
    Execute(modele_.Polynome(p));
}

void TMatrice::ValeursPropresClick()
{
    std::vector<TComplexe> x;
    Execute(modele_.ValeursPropres(x));
}

void TMatrice::SystemeClick()
{
    std::vector<TComplexe> x;
    Execute(modele_.Systeme(x));
}
