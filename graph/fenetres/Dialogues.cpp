#include "graph/fenetres/Dialogues.h"

#include "app/fenetres/Disposition.h"
#include "app/fenetres/Plateforme.h"
#include "funclang/Nombres.h"

#include <QFormLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>

TDialogueGraphe::TDialogueGraphe(const char* nom, const QString& titre, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowCloseButtonHint)
{
    setObjectName(nom);
    setWindowTitle(titre);
    setModal(true);
    auto* disposition = new QFormLayout(this);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    disposition->setLabelAlignment(Qt::AlignLeft);
}

QLineEdit* TDialogueGraphe::AjouteChamp(const QString& libelle)
{
    auto* champ = new QLineEdit(this);
    champ->setObjectName("Edit" + QString::number(champs_.size() + 1));
    champ->setMinimumWidth(110);
    champ->installEventFilter(this);
    static_cast<QFormLayout*>(layout())->addRow(libelle, champ);
    champs_.push_back(champ);
    return champ;
}

void TDialogueGraphe::AjouteNote(const QString& texte)
{
    static_cast<QFormLayout*>(layout())->addRow(new QLabel(texte, this));
}

bool TDialogueGraphe::Lit(const QString& texte, Etendu& valeur)
{
    const std::optional<Etendu> v = LitNombre(texte.toStdString());
    if (!v) {
        LaPlateforme().Bip();
        return false;
    }
    valeur = *v;
    return true;
}

bool TDialogueGraphe::Demande(std::vector<Etendu> enVigueur)
{
    enVigueur_ = std::move(enVigueur);
    for (std::size_t k = 0; k < champs_.size() && k < enVigueur_.size(); ++k)
        champs_[k]->setText(QString::fromStdString(TexteCourt(enVigueur_[k])));
    return exec() == QDialog::Accepted;
}

void TDialogueGraphe::Suivant(int champ)
{
    if (champ + 1 < static_cast<int>(champs_.size()))
        SelectionneChamp(champs_[champ + 1]);
}

bool TDialogueGraphe::eventFilter(QObject* objet, QEvent* evenement)
{
    // F1 opens the plotter's help. The key is taken before the shortcuts:
    // this tool window shares the plotter's, where F1 is bound as well.
    const bool touche = evenement->type() == QEvent::ShortcutOverride || evenement->type() == QEvent::KeyPress;
    if (touche && static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1) {
        evenement->accept();
        if (evenement->type() == QEvent::KeyPress)
            LaPlateforme().Aide("GRAPH");
        return true;
    }
    if (!EstToucheEntree(evenement))
        return QDialog::eventFilter(objet, evenement);
    for (std::size_t k = 0; k < champs_.size(); ++k)
        if (objet == champs_[k])
            Entree(static_cast<int>(k), champs_[k]->text());
    return true;
}

void TDialogueGraphe::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // A modal dialog is active as soon as it is shown: its pending values
    // start over then, whatever window was active before.
    FormActivate();
    SelectionneChamp(champs_.front());
    CentreSurEcran(this);
}

TDonnees::TDonnees(QWidget* parent)
    : TDialogueGraphe("Donnees", "Axes des abscisses et ordonnées", parent)
{
    for (const char* libelle : {"X minimum :", "X maximum :", "Y minimum :", "Y maximum :"})
        AjouteChamp(libelle);
}

void TDonnees::FormActivate()
{
    if (enVigueur_.size() == 4) {
        DonXmin = enVigueur_[0];
        DonXmax = enVigueur_[1];
        DonYmin = enVigueur_[2];
        DonYmax = enVigueur_[3];
    }
    confirmes_ = 0;
}

void TDonnees::Entree(int champ, const QString& texte)
{
    // Each field waits for the ones before it.
    Etendu v;
    if (confirmes_ < champ || texte.isEmpty()) {
        LaPlateforme().Bip();
        return;
    }
    if (!Lit(texte, v))
        return;
    Etendu* const valeurs[] = {&DonXmin, &DonXmax, &DonYmin, &DonYmax};
    *valeurs[champ] = v;
    confirmes_ = std::max(confirmes_, champ + 1);
    if (champ == 3)
        accept();
    else
        Suivant(champ);
}

TIntervalle::TIntervalle(QWidget* parent)
    : TIntervalle("Intervalle", "Intervalle d'étude de la variable", "Borne inférieure :", "Borne supérieure :", parent)
{
}

TIntervalle::TIntervalle(const char* nom, const QString& titre, const QString& inf, const QString& sup, QWidget* parent)
    : TDialogueGraphe(nom, titre, parent)
{
    AjouteChamp(inf);
    AjouteChamp(sup);
}

void TIntervalle::FormActivate()
{
    if (enVigueur_.size() == 2) {
        BorneInf = enVigueur_[0];
        BorneSup = enVigueur_[1];
    }
    infConfirmee_ = false;
}

void TIntervalle::Entree(int champ, const QString& texte)
{
    Etendu v;
    if ((champ == 1 && !infConfirmee_) || texte.isEmpty()) {
        LaPlateforme().Bip();
        return;
    }
    if (!Lit(texte, v))
        return;
    if (champ == 0) {
        BorneInf = v;
        infConfirmee_ = true;
        Suivant(champ);
    } else if (!BorneSupAcceptee(v)) {
        LaPlateforme().Bip();
    } else {
        BorneSup = v;
        accept();
    }
}

TEtude::TEtude(QWidget* parent) : TIntervalle("TEtude", "Etude de la fonction", "De :", "A :", parent)
{
    champs_[0]->setObjectName("EtudeDebut");
    champs_[1]->setObjectName("EtudeFin");
    champs_[0]->setStatusTip("Début de l'intervalle étudié (Entrée : passe à la fin) .");
    champs_[1]->setStatusTip("Fin de l'intervalle étudié (Entrée : lance l'étude) .");
    AjouteNote("Zéros, extremums, points d'inflexion, pôles et intégrale .");
}

TScaleEcran::TScaleEcran(QWidget* parent) : TDialogueGraphe("ScaleEcran", "Echelle sur les axes", parent)
{
    AjouteChamp("Echelle :");
}

void TScaleEcran::FormActivate()
{
    if (enVigueur_.size() == 1)
        EchelleSaisie = enVigueur_[0];
}

void TScaleEcran::Entree(int, const QString& texte)
{
    Etendu v;
    if (texte.isEmpty()) {
        LaPlateforme().Bip();
        return;
    }
    if (!Lit(texte, v))
        return;
    EchelleSaisie = v;
    accept();
}

TZoomChoose::TZoomChoose(QWidget* parent) : TDialogueGraphe("ZoomChoose", "Zoom", parent)
{
    AjouteChamp("Coefficient de zoom suivant l'axe Ox :");
    AjouteChamp("Coefficient de zoom suivant l'axe Oy :");
    AjouteNote("( Rq : valeurs entre 0.05 et 20 accéptées )");
}

void TZoomChoose::FormActivate()
{
    CoefZoomX = CoefZoomY = 1.0L;
    xConfirme_ = yConfirme_ = false;
}

void TZoomChoose::Entree(int champ, const QString& texte)
{
    if (texte.isEmpty())
        return;
    if (champ == 1 && !xConfirme_) {
        LaPlateforme().Bip();
        return;
    }
    Etendu c;
    if (!Lit(texte, c))
        return;
    Etendu& coef = champ == 0 ? CoefZoomX : CoefZoomY;
    const bool accepte = c >= 0.05L && c <= 20.0L;
    coef = accepte ? c : 1.0L;
    if (!accepte) {
        LaPlateforme().Bip();
        return;
    }
    (champ == 0 ? xConfirme_ : yConfirme_) = true;
    if (champ == 0)
        Suivant(champ);
    else if (xConfirme_ && yConfirme_)
        accept();
}
