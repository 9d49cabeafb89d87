// The matrix window's commands: each asks the model, then shows its
// result (A in the grid, a value, a list, the polynomial or the echelon
// form) or tells its refusal.
#include "matrix/fenetres/TMatrice.h"

#include "funclang/Nombres.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

void TMatrice::MontreA()
{
    modele_.Ouvre(true);
    MontreMatrices();
    resulMat_->hide();
    cadreResCalculMat_->hide();
}

void TMatrice::MontreValeur(const QString& titre, const QString& valeur, const QString& copie)
{
    tipCalc_->setText(titre);
    resultat_->setText(valeur);
    copieResultat_ = copie;
    cadreResult_->show();
    resulMat_->hide();
    cadreResCalculMat_->hide();
}

void TMatrice::MontreListe(const QString& titre, const std::vector<TComplexe>& valeurs, bool complexe)
{
    const int n = static_cast<int>(valeurs.size());
    liste_ = valeurs;
    for (int i = 0; i < n; ++i)
        MontreCellule(resulMat_, 0, i, valeurs[i], complexe || modele_.ModeComplexe());
    Dimensionne(resulMat_, n, 1);
    resCalculMat_->setText(titre);
    cadreResCalculMat_->show();
    resulMat_->show();
}

void TMatrice::SommeClick()
{
    if (const auto refus = modele_.Somme())
        return Refuse(*refus);
    MontreA();
}

void TMatrice::DifferenceClick()
{
    if (const auto refus = modele_.Difference())
        return Refuse(*refus);
    MontreA();
}

void TMatrice::ProduitClick()
{
    if (const auto refus = modele_.Produit())
        return Refuse(*refus);
    MontreA();
}

void TMatrice::TransposeClick()
{
    modele_.Transpose();
    MontreA();
}

void TMatrice::InverseClick()
{
    if (const auto refus = modele_.Inverse())
        return Refuse(*refus);
    MontreA();
}

void TMatrice::TraceClick()
{
    TComplexe t;
    if (const auto refus = modele_.Trace(t))
        return Refuse(*refus);
    MontreValeur("Trace de la matrice A", QString::fromStdString(FormatComplexe(t)),
                 QString::fromStdString(TexteCelluleCopie(t, true)));
}

void TMatrice::RangClick()
{
    TMat forme;
    int rang = 0;
    if (const auto refus = modele_.Rang(rang, forme))
        return Refuse(*refus);
    AfficheMat(forme);
    Dimensionne(mat_, modele_.TailleA, modele_.TailleA);
    mat_->show();
    std::vector<std::vector<std::string>> copies(modele_.TailleA);
    for (int i = 1; i <= modele_.TailleA; ++i)
        for (int j = 1; j <= modele_.TailleA; ++j)
            copies[i - 1].push_back(TexteCelluleCopie(forme(i, j), modele_.ModeComplexe()));
    MontreResultatDansLaGrille(std::move(copies));
    MontreValeur("Rang de la matrice A", QString::number(rang), QString::number(rang));
}

void TMatrice::DeterminantClick()
{
    TComplexe d;
    if (const auto refus = modele_.Det(d))
        return Refuse(*refus);
    MontreValeur("Déterminant de la matrice A", QString::fromStdString(FormatComplexe(d)),
                 QString::fromStdString(TexteCelluleCopie(d, true)));
}

void TMatrice::PolynomeClick()
{
    const int n = modele_.TailleA;
    TVecteur p;
    if (const auto refus = modele_.Polynome(p))
        return Refuse(*refus);
    // A copy takes one coefficient a line, highest degree first.
    std::vector<std::vector<std::string>> copies;
    for (int r = 1; r <= n + 1; ++r) {
        MontreCellule(mat_, r - 1, 0, p(r), modele_.ModeComplexe());
        mat_->item(r - 1, 1)->setText(r <= n ? QString("* x^%1").arg(n + 1 - r) : QString());
        copies.push_back({TexteCelluleCopie(p(r), modele_.ModeComplexe())});
    }
    Dimensionne(mat_, 2, n + 1);
    MontreResultatDansLaGrille(std::move(copies));
    mat_->show();
}

void TMatrice::ValeursPropresClick()
{
    std::vector<TComplexe> x;
    Etendu residu = -1.0L;
    if (const auto refus = modele_.ValeursPropres(x, &residu))
        return Refuse(*refus);
    // How closely the values of the QR algorithm fit A.
    const QString ajustement =
        residu < 0.0L ? QString()
                      : QString("Plus grand résidu |Av - λv| / (|A| |v|) : %1 .")
                            .arg(QString::fromStdString(TexteScientifiqueCourt(residu)).trimmed());
    resulMat_->setToolTip(ajustement);
    resulMat_->setStatusTip(ajustement);
    if (modele_.TailleMax > 6)
        resulMat_->horizontalHeader()->setDefaultSectionSize(100); // complex values in real mode
    if (x.empty())
        return;
    MontreListe("Valeurs propres de la matrice A :", x, true);
}

void TMatrice::SystemeClick()
{
    std::vector<TComplexe> x;
    if (const auto refus = modele_.Systeme(x))
        return Refuse(*refus);
    MontreListe("Solutions du système d'équations :", x, false);
}
