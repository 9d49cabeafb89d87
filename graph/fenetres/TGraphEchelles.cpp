// The plotter's viewport commands: the window, the study interval and the
// tick unit from their dialogs, the zooms, the re-centring and the reset.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "graph/fenetres/Dialogues.h"
#include "graph/fenetres/EcranDigit.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

void TGraph::ConnecteEchelles()
{
    const std::tuple<const char*, const char*, void (TGraph::*)()> Commandes[] = {
        {"Coords", "SpeedButton7", &TGraph::CoordsClick},
        {"ScaleInterval", "SpeedButton5", &TGraph::ScaleIntervalClick},
        {"ScaleScreen", "SpeedButton6", &TGraph::ScaleScreenClick},
        {"Zoom12", nullptr, &TGraph::Zoom12Click},
        {"Zoom21", nullptr, &TGraph::Zoom21Click},
        {"ZoomUser", "SpeedButton9", &TGraph::ZoomUserClick},
        {"Zoom1", "ZoomButton", &TGraph::ZoomButtonClick},
        {"ReInit", nullptr, &TGraph::ReInitClick},
        {"AjusteY", nullptr, &TGraph::AjusteYClick},
        {"Rinitialisationdesparamtres", nullptr, &TGraph::ReInitClick},
    };
    for (auto [action, bouton, commande] : Commandes) {
        connect(ActionNommee(action), &QAction::triggered, this, commande);
        if (bouton)
            connect(Bouton(bouton), &QToolButton::clicked, this, commande);
    }
}

bool TGraph::AccepteFenetre(const Vue& vue)
{
    if (FenetreCorrecte(vue))
        return true;
    LaPlateforme().Message(Plateforme::Icone::Avertissement, "Fenêtre d'affichage incorrecte .");
    return false;
}

void TGraph::ApresFenetre()
{
    AfficheParametres();
    Redessine();
}

void TGraph::TraceDuType()
{
    auto calcul = modele_.CalculDuType();
    if (!calcul)
        return;
    drawProgress_->show();
    Dessine(std::move(*calcul), [this](bool) { drawProgress_->hide(); });
}

void TGraph::CoordsClick()
{
    TDonnees* d = LesFenetres().Donnees;
    const Vue& f = modele_.Fenetre();
    if (!d->Demande({f.Xmin, f.Xmax, f.Ymin, f.Ymax}))
        return;
    const Vue vue = Ordonnee(Vue{d->DonXmin, d->DonXmax, d->DonYmin, d->DonYmax});
    if (!AccepteFenetre(vue))
        return;
    EffaceEcran();
    ecran_->repaint();
    modele_.ChangeFenetre(vue);
    ApresFenetre();
    LacheCurseurs();
}

void TGraph::ScaleIntervalClick()
{
    TIntervalle* d = LesFenetres().Intervalle;
    if (!d->Demande({modele_.EtudeMin(), modele_.EtudeMax()}))
        return;
    LacheCurseurs();
    EffaceEcran();
    ecran_->repaint();
    modele_.ChangeIntervalle(d->BorneInf, d->BorneSup);
    AfficheParametres();
    TraceDuType();
}

void TGraph::ScaleScreenClick()
{
    TScaleEcran* d = LesFenetres().ScaleEcran;
    if (!d->Demande({modele_.Graduation()}))
        return;
    LacheCurseurs();
    ecran_->repaint();
    modele_.ChangeGraduation(d->EchelleSaisie);
    AfficheParametres();
    EffaceEcran();
    Redessine();
}

void TGraph::Zoom(Etendu facteur)
{
    LacheCurseurs();
    const Vue vue = Zoome(modele_.Fenetre(), facteur, facteur);
    if (!AccepteFenetre(vue))
        return;
    modele_.MultiplieGraduation(facteur);
    modele_.ChangeFenetre(vue);
    AfficheParametres();
    EffaceEcran();
    // "1 : 2" tells with a beep that it had nothing to redraw.
    if (!Redessine() && facteur < 1.0L)
        LaPlateforme().Bip();
}

void TGraph::Zoom12Click() { Zoom(0.5L); }

void TGraph::Zoom21Click() { Zoom(2.0L); }

void TGraph::ZoomUserClick()
{
    TZoomChoose* d = LesFenetres().ZoomChoose;
    if (!d->Demande({1.0L, 1.0L}))
        return;
    LacheCurseurs();
    const Vue vue = Zoome(modele_.Fenetre(), d->CoefZoomX, d->CoefZoomY);
    if (!AccepteFenetre(vue))
        return;
    EffaceEcran();
    ecran_->repaint();
    modele_.MultiplieGraduation(d->CoefZoomX);
    modele_.ChangeFenetre(vue);
    ApresFenetre();
}

void TGraph::ZoomButtonClick()
{
    const Vue vue = Ordonnee(
        Vue{modele_.Souris().Curseur1X, modele_.Souris().Curseur2X, modele_.Souris().Curseur2Y, modele_.Souris().Curseur1Y});
    if (!AccepteFenetre(vue))
        return;
    LacheCurseurs();
    modele_.SansCalculs();
    RemetCurseursAZero();
    modele_.ChangeFenetre(vue);
    AfficheParametres();
    EffaceEcran();
    TraceDuType();
    modele_.ApresZoomCurseurs();
    AppliqueCommandes();
}

void TGraph::Recentre(int X, int Y)
{
    const Vue vue = ::Recentre(modele_.Fenetre(), X, Y, modele_.Pas());
    if (!AccepteFenetre(vue))
        return;
    LacheCurseurs();
    modele_.ChangeFenetre(vue);
    EffaceEcran();
    ApresFenetre();
}

void TGraph::AjusteYClick()
{
    const std::optional<Vue> vue = modele_.FenetreAjusteeEnY();
    if (!vue) {
        LaPlateforme().Bip();
        return;
    }
    if (!AccepteFenetre(*vue))
        return;
    LacheCurseurs();
    const Etendu a = modele_.EtudeMin(), b = modele_.EtudeMax(); // X does not change: nor does the study
    modele_.ChangeFenetre(*vue);
    modele_.ChangeIntervalle(a, b);
    EffaceEcran();
    ApresFenetre();
}

void TGraph::ReInitClick()
{
    modele_.Reinitialise();
    AppliqueCommandes();
    AfficheParametres();
    EffaceEcran();
    Redessine();
}
