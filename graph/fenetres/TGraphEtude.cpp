// The plotter's study commands beyond the drawing itself: trace mode,
// the table of values and the magnification of the drawing area.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/DansLEcran.h"
#include "app/fenetres/Plateforme.h"
#include "app/modele/Options.h"
#include "graph/fenetres/Dialogues.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/TResultatsEtude.h"
#include "graph/fenetres/TTableau.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace {
constexpr const char* AideSuivi =
    "Flèches : suivre la courbe ; haut, bas : autre courbe ; Entrée : curseur ; Echap : fin .";
} // namespace

void TGraph::AgrandissementClick(int facteur)
{
    if (!Agrandit(facteur)) {
        LaPlateforme().Message(Plateforme::Icone::Avertissement, "L'écran est trop petit pour cet agrandissement .");
        Agrandit(ecran_->Agrandissement()); // the check mark back on the factor in force
        return;
    }
    EnregistreAgrandissement(facteur);
}

bool TGraph::Agrandit(int facteur)
{
    QWidget* centre = centralWidget();
    const int dx = LargeurEcran * (facteur - 1), dy = HauteurEcran * (facteur - 1);
    const QSize centreAgrandi(570 + dx, 400 + dy);
    if (facteur > 1 && screen()) {
        // The whole window must fit, its frame, menus and panel included.
        const QSize cadre = frameGeometry().size() - geometry().size();
        const QSize fenetre = sizeHint() - centre->size() + centreAgrandi + cadre;
        const QSize zone = screen()->availableGeometry().size();
        if (fenetre.width() > zone.width() || fenetre.height() > zone.height())
            return false;
    }
    if (places_.empty())
        for (QWidget* w : centre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            places_.emplace_back(w, w->geometry());
    // What stands right of the area moves right, what stands below moves
    // down, and the wide lines below grow with it.
    for (auto& [w, g] : places_) {
        if (w == ecran_)
            continue;
        QRect r = g;
        if (g.y() >= 252) {
            r.translate(0, dy);
            if (g.width() >= 400)
                r.setWidth(g.width() + dx);
        }
        if (g.x() >= 336 || (g.y() >= 252 && g.x() >= 448))
            r.translate(dx, 0);
        w->setGeometry(r);
    }
    ecran_->DefinitAgrandissement(facteur);
    centre->setFixedSize(centreAgrandi);
    ActionNommee(qPrintable("Loupe" + QString::number(facteur)))->setChecked(true);
    adjustSize();
    // A window grown past the screen's edge comes back.
    if (isVisible())
        RameneDansLEcran(this);
    return true;
}

void TGraph::SuiviCourbeClick()
{
    if (!modele_.CourbeTracee() || !suivi_.Commence(modele_, modele_.DeriveesTracees())) {
        LaPlateforme().Bip();
        return;
    }
    ecran_->setFocusPolicy(Qt::StrongFocus);
    ecran_->setFocus();
    MontreSuivi();
}

void TGraph::MontreSuivi()
{
    const PointSuivi p = suivi_.Point();
    findChild<QLabel*>("CoordXCurs")->setText(QString::fromStdString(p.x));
    findChild<QLabel*>("CoordYCurs")->setText(QString::fromStdString(p.y));
    panneau_->setText(" " + QString::fromStdString(p.barre.empty() ? AideSuivi : p.barre));
    ecran_->DefinitMarque(p.pixel ? std::optional<QPoint>(QPoint(p.pixel->first, p.pixel->second)) : std::nullopt);
}

void TGraph::QuitteSuivi()
{
    if (!suivi_.Actif())
        return;
    suivi_.Arrete();
    ecran_->DefinitMarque(std::nullopt);
    ecran_->setFocusPolicy(Qt::NoFocus);
}

bool TGraph::SuiviKeyPress(QKeyEvent* touche)
{
    if (!suivi_.Actif())
        return false;
    const bool maj = touche->modifiers() & Qt::ShiftModifier;
    switch (touche->key()) {
    case Qt::Key_Left: suivi_.Deplace(maj ? -10 : -1); break;
    case Qt::Key_Right: suivi_.Deplace(maj ? 10 : 1); break;
    case Qt::Key_Up: suivi_.ChangeCourbe(1); break;
    case Qt::Key_Down: suivi_.ChangeCourbe(-1); break;
    case Qt::Key_Escape:
        QuitteSuivi();
        panneau_->setText(" ");
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A cursor at the marker, exactly as a click there places it.
        const PointSuivi p = suivi_.Point();
        if (!p.pixel) {
            LaPlateforme().Bip();
            return true;
        }
        EcranDigitMouseDown(Qt::LeftButton, p.pixel->first, p.pixel->second);
        if (!suivi_.Actif())
            return true;
        break;
    }
    default: return false;
    }
    MontreSuivi();
    return true;
}

void TGraph::TableauValeursClick()
{
    if (!modele_.PeutTracer()) {
        LaPlateforme().Bip();
        return;
    }
    if (!tableau_) {
        tableau_ = new TTableau(this, modele_);
        PlaceACote(tableau_, ecran_);
    }
    tableau_->Initialise();
    tableau_->show();
    tableau_->raise();
    tableau_->activateWindow();
}

void TGraph::EtudeFonctionClick()
{
    if (modele_.Type != TypeCourbe::Carte || !modele_.FoncXValidee || TraceEnCours()) {
        LaPlateforme().Bip();
        return;
    }
    // The cursors' interval when both are placed, else the study interval.
    const Curseurs& c = modele_.Souris();
    const bool curseurs = c.Curseur2Pose();
    if (!dialogueEtude_)
        dialogueEtude_ = new TEtude(this);
    if (!dialogueEtude_->Demande({curseurs ? c.Curseur1X : modele_.EtudeMin(), curseurs ? c.Curseur2X : modele_.EtudeMax()}))
        return;
    LanceEtude(dialogueEtude_->BorneInf, dialogueEtude_->BorneSup);
}

void TGraph::LanceEtude(Etendu a, Etendu b)
{
    if (b < a)
        std::swap(a, b);
    // 20,000 steps, or the pixel columns at 10 points per pixel when they
    // are more, within a bound that keeps the job short.
    const Etendu colonnes = (b - a) / PasDe(modele_.Fenetre(), 10);
    const int echantillons = std::isfinite(colonnes) ? static_cast<int>(std::clamp(colonnes, 0.0L, 2E6L)) : 0;
    DebutTravail();
    travail_->Lance([this, f = modele_.ExprFx, a, b, echantillons](Travail::Canal& canal) {
        Etude etude = EtudieFonction(f, a, b, echantillons, [&canal] { return canal.Arret(); });
        canal.Envoie([this, etude = std::move(etude)] {
            FinTravail();
            MontreEtude(etude);
        });
    });
}

void TGraph::MontreEtude(const Etude& etude)
{
    if (!resultatsEtude_) {
        resultatsEtude_ = new TResultatsEtude(this);
        PlaceACote(resultatsEtude_, ecran_);
        resultatsEtude_->placeCurseur = [this](Etendu x, Etendu y) {
            LacheCurseurs();
            modele_.PlaceCurseur1(x, y);
            MontreLectures();
            AppliqueCommandes();
        };
        resultatsEtude_->fermee = [this] { ecran_->DefinitCroix({}); };
    }
    resultatsEtude_->Affiche(etude, QString::fromStdString(modele_.SaisieFx));
    resultatsEtude_->show();
    resultatsEtude_->raise();
    resultatsEtude_->activateWindow();
    if (etude.interrompue)
        panneau_->setText(" Etude interrompue .");
    MarqueEtude();
}

void TGraph::MarqueEtude()
{
    // The marks belong to the curve studied, not to one typed since.
    if (!resultatsEtude_ || !resultatsEtude_->isVisible() || resultatsEtude_->Resultat().expression != modele_.ExprFx ||
        !modele_.FoncXValidee) {
        ecran_->DefinitCroix({});
        return;
    }
    std::vector<QPoint> croix;
    const Vue& vue = modele_.Fenetre();
    for (const PointEtude& p : resultatsEtude_->Resultat().points) {
        if (!p.y || p.sorte == SortePoint::Integrale || !Vue::Visible(vue.Px(p.x), vue.Py(*p.y)))
            continue;
        croix.emplace_back(std::min(ArrondiPixel(vue.Px(p.x)), LargeurEcran - 1),
                           std::min(ArrondiPixel(vue.Py(*p.y)), HauteurEcran - 1));
    }
    ecran_->DefinitCroix(std::move(croix));
}
