// The calculator's edit menu: undo and redo, paste, the last argument and
// the history window.
#include "calc/fenetres/TCalculatrice.h"

#include "app/fenetres/DansLEcran.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "calc/fenetres/EcranLignes.h"
#include "calc/fenetres/THistorique.h"
#include "calc/fenetres/TVariables.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextCursor>

#include <algorithm>

void TCalculatrice::AnnulerClick()
{
    if (!modeComplexe_) {
        AnnuleReel();
        return;
    }
    // The entry comes back clean, never half typed.
    if (modele_.Annule()) {
        acquisition_->clear();
        ChoisitLigne(1);
        MontreAffichage();
    }
}

void TCalculatrice::RetablirClick()
{
    if (!modeComplexe_) {
        RetablitReel();
        return;
    }
    if (modele_.Retablit()) {
        acquisition_->clear();
        ChoisitLigne(1);
        MontreAffichage();
    }
}

void TCalculatrice::CollerClick()
{
    // Where the user types: the entry field, or real mode's current line
    // (where several lines are entered one by one).
    if (modeComplexe_) {
        acquisition_->setFocus();
        acquisition_->paste();
    } else {
        ecranR_->setFocus();
        ecranR_->moveCursor(QTextCursor::End);
        ecranR_->paste();
    }
}

void TCalculatrice::DernierArgumentClick()
{
    if (!modeComplexe_) {
        LaPlateforme().Bip();
        return;
    }
    if (!EntreChamp())
        return;
    if (!modele_.DernierArgument())
        LaPlateforme().Bip();
    ChoisitLigne(1);
    MontreAffichage();
}

void TCalculatrice::OutilClick(OutilPile o)
{
    if (!modeComplexe_ || !EntreChamp())
        return;
    modele_.Execute(o);
    ChoisitLigne(1);
    MontreAffichage();
    ActualiseHistorique();
}

THistorique* TCalculatrice::FenetreHistorique()
{
    if (!historique_)
        historique_ = new THistorique(this, modele_.LHistorique(),
                                      [this](const EntreeHistorique& e) { RameneHistorique(e); });
    return historique_;
}

void TCalculatrice::HistoriqueClick()
{
    THistorique* h = FenetreHistorique();
    if (!h->isVisible()) {
        // Beside the calculator, on the side where the screen has room.
        const QRect ecran = screen()->availableGeometry();
        const QRect ici = frameGeometry();
        const int largeur = h->frameGeometry().width();
        const int x = ici.right() + 4 + largeur <= ecran.right() ? ici.right() + 4
                      : ici.left() - 4 - largeur >= ecran.left() ? ici.left() - 4 - largeur
                                                                 : ecran.right() - largeur;
        h->move(std::max(x, ecran.left()), ici.top());
    }
    h->show();
    h->raise();
    h->activateWindow();
}

void TCalculatrice::ActualiseHistorique()
{
    if (historique_ && historique_->isVisible())
        historique_->Actualise();
    if (variables_ && variables_->isVisible())
        variables_->Actualise();
}

void TCalculatrice::AppliqueRegles(bool usuelles)
{
    modele_.LaTranscription().ChoisitRegles(usuelles ? ReglesLigne::Usuelles : ReglesLigne::Programme);
    reglesUsuelles_->setChecked(usuelles);
    reglesLigne_->setText(usuelles ? "80 bits" : "15 ch.");
}

void TCalculatrice::ReglesClick(bool usuelles)
{
    EnregistreReglesUsuelles(usuelles);
    AppliqueRegles(usuelles);
}

void TCalculatrice::VariablesClick()
{
    if (!variables_) {
        auto& transcription = modele_.LaTranscription();
        variables_ = new TVariables(
            this, [&transcription]() -> const MemoireLigne& { return transcription.Memoire(); },
            [this, &transcription](const std::string& nom) {
                transcription.SupprimeVariable(nom, TexteCourant().toStdString());
                ActiveEdition();
            },
            [this, &transcription] {
                transcription.EffaceVariables(TexteCourant().toStdString());
                ActiveEdition();
            });
        // Placed before it shows, so that the window manager puts its
        // frame, title bar included, where it is asked.
        PlaceACote(variables_, this);
    }
    variables_->show();
    variables_->raise();
    variables_->activateWindow();
}

void TCalculatrice::RameneHistorique(const EntreeHistorique& entree)
{
    if (modeComplexe_) {
        if (!EntreChamp())
            return;
        modele_.Ramene(entree);
        ChoisitLigne(1);
        MontreAffichage();
        return;
    }
    // Real mode: the expression (or the value) on the current line, in
    // place of what it held.
    const std::string texte = entree.ligne ? entree.libelle : entree.Copie();
    AfficheTranscription(static_cast<std::size_t>(LigneCourante()), QString::fromStdString(texte));
}
