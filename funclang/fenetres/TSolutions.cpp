#include "funclang/fenetres/TSolutions.h"

#include "app/fenetres/Disposition.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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
    ActionCopier(this, resVal1_, "CopierValeur")->setShortcut(QKeySequence());
    resultat2_ = Etiquette(this, "Resultat2", QString(), 8, 58, 40, 18);
    resVal2_ = Etiquette(this, "ResVal2", QString(), 40, 58, 148, 18);
    ActionCopier(this, resVal2_, "CopierValeur2")->setShortcut(QKeySequence());
    // Emptied on creation: the texts come from the caller at every showing.
    methode_->clear();
    resultat1_->clear();
    resVal1_->clear();
    CentreSurEcran(this);
}

void TSolutions::DefinitTextes(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2,
                               const QString& valeur2)
{
    titre_ = titre;
    nom_ = nom;
    valeur_ = valeur;
    nom2_ = nom2;
    valeur2_ = valeur2;
}

void TSolutions::Affiche(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2,
                         const QString& valeur2)
{
    DefinitTextes(titre, nom, valeur, nom2, valeur2);
    exec();
}

void TSolutions::FormActivate()
{
    methode_->setText(titre_);
    resultat1_->setText(nom_);
    resVal1_->setText(valeur_);
    resultat2_->setText(nom2_);
    resVal2_->setText(valeur2_);
    const bool deux = !nom2_.isEmpty() || !valeur2_.isEmpty();
    resultat2_->setVisible(deux);
    resVal2_->setVisible(deux);
    // The values start right of the longest name ("Maximum :"), at 40 for
    // the short ones.
    const int gauche = std::max({40, 14 + resultat1_->sizeHint().width(), deux ? 14 + resultat2_->sizeHint().width() : 0});
    for (QLabel* nom : {resultat1_, resultat2_})
        nom->resize(gauche - 8, nom->height());
    // The window keeps its size unless a text needs more room.
    const int largeur = std::max({190, methode_->sizeHint().width() + 16, gauche + 8 + resVal1_->sizeHint().width(),
                                  deux ? gauche + 8 + resVal2_->sizeHint().width() : 0});
    setFixedSize(largeur, deux ? 93 : 67);
    methode_->resize(largeur - 14, methode_->height());
    for (QLabel* valeur : {resVal1_, resVal2_})
        valeur->setGeometry(gauche, valeur->y(), largeur - gauche - 2, valeur->height());
}

void TSolutions::showEvent(QShowEvent* evenement)
{
    // Also on showing: two results in a row, with no other window active in
    // between, must show the second texts.
    FormActivate();
    QDialog::showEvent(evenement);
}

bool TSolutions::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        evenement->accept();
        return true;
    }
    return QDialog::event(evenement);
}

void TSolutions::keyPressEvent(QKeyEvent* evenement)
{
    if (!evenement->matches(QKeySequence::Copy)) {
        QDialog::keyPressEvent(evenement);
        return;
    }
    QString texte = resVal1_->text().trimmed();
    if (resVal2_->isVisible())
        texte += "\n" + resVal2_->text().trimmed();
    QGuiApplication::clipboard()->setText(texte);
}
