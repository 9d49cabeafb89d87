// One plot as the plotter runs it, off the window's thread: the hourglass,
// the progress bar, the stop, the primitives painted as they arrive and
// kept; and the derivative curves.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Plateforme.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/toile/Toile.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <chrono>

void TGraph::DebutTravail()
{
    arretDemande_ = false;
    // "Arrêter" at the right end of the bar, which leaves it room.
    barre_ = drawProgress_->geometry();
    drawProgress_->setGeometry(barre_.adjusted(0, 0, -arret_->width() - 8, 0));
    arret_->move(barre_.right() + 1 - arret_->width(), barre_.center().y() - arret_->height() / 2);
    arret_->show();
    // The hourglass over the drawing area only: the rest of the program
    // answers.
    ecran_->setCursor(Qt::WaitCursor);
    traceEnCours_ = true;
    VerrouilleCommandes(true);
    arret_->setFocus();
}

void TGraph::FinTravail()
{
    arret_->hide();
    drawProgress_->setGeometry(barre_);
    ecran_->unsetCursor();
    traceEnCours_ = false;
    VerrouilleCommandes(false);
}

void TGraph::Dessine(CalculTrace calcul, std::function<void(bool)> suite)
{
    drawProgress_->setValue(1);
    DebutTravail();
    travail_->Lance([this, calcul = std::move(calcul), suite = std::move(suite)](Travail::Canal& canal) {
        // The bar moves a few times a second, not at every sample.
        auto dernier = std::chrono::steady_clock::now();
        Progression progression;
        progression.total = [this, &canal](long n) {
            canal.Envoie([this, n] { drawProgress_->setMaximum(static_cast<int>(std::max(n, 1L))); });
        };
        progression.avance = [this, &canal, &dernier](long n) {
            if (n % 256 != 0)
                return;
            const auto maintenant = std::chrono::steady_clock::now();
            if (maintenant - dernier < std::chrono::milliseconds(33))
                return;
            dernier = maintenant;
            canal.Envoie([this, n] {
                drawProgress_->setValue(static_cast<int>(std::min<long>(n, drawProgress_->maximum())));
            });
        };
        progression.arret = [&canal] { return canal.Arret(); };
        // A long plot hands its primitives over as it goes: painted as they
        // arrive.
        progression.vide = [this, &canal](Dessin& d) {
            canal.Envoie([this, d = std::move(d)] {
                GardeDessin(d);
                ecran_->update();
            });
            d = Dessin();
        };
        ResultatTrace r = calcul(progression);
        canal.Envoie([this, r = std::move(r), suite] { FinDessin(r, suite); });
    });
}

bool TGraph::Redessine()
{
    auto calcul = modele_.CalculCourant();
    if (!calcul)
        return false;
    drawProgress_->show();
    Dessine(std::move(*calcul), [this](bool correct) {
        if (correct)
            modele_.NoteCourbe();
        drawProgress_->hide();
    });
    return true;
}

void TGraph::closeEvent(QCloseEvent* evenement)
{
    // A plot running ends first, with what it drew.
    ArreteTrace();
    travail_->Acheve();
    QMainWindow::closeEvent(evenement);
}

void TGraph::CalculBtnClick()
{
    if (!Redessine())
        LaPlateforme().Bip();
    modele_.ApresCalcul();
    AppliqueCommandes();
}

void TGraph::Replot()
{
    EffaceEcran();
    ecran_->repaint();
    Redessine();
}

void TGraph::FinDessin(const ResultatTrace& r, const std::function<void(bool)>& suite)
{
    FinTravail();
    bool correct = true;
    if (r.Fatal()) {
        EffaceEcran();
        drawProgress_->hide();
        RaconteJournal({*r.faute}, modele_.SonsActifs);
        correct = false;
    } else {
        GardeDessin(r.dessin);
        ecran_->update();
        ecran_->setAccessibleDescription(QString::fromStdString(modele_.DescriptionEcran(true)));
        if (arretDemande_) {
            // What was drawn stays; no sound, no warning.
            panneau_->setText(QString(" ") + TraceInterrompu);
        } else {
            if (modele_.SonsActifs)
                JoueSon(DossierProgramme() + "Son2.wav");
            if (r.faute)
                RaconteJournal({*r.faute}, false); // the end of the plot has sounded
        }
    }
    if (suite)
        suite(correct);
    AppliqueCommandes();
}

void TGraph::ArreteTrace()
{
    if (!travail_->EnCours())
        return;
    arretDemande_ = true;
    travail_->Arrete();
}

void TGraph::VerrouilleCommandes(bool verrou)
{
    // During a plot only "Arrêter", the help and the hints work: every
    // other command would see the area half drawn.
    std::function<void(const QList<QAction*>&)> menus = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            if (a->menu() && a->menu()->objectName() == "Aide")
                continue;
            if (a->menu())
                menus(a->menu()->actions());
            else if (!a->isSeparator())
                a->setEnabled(!verrou);
        }
    };
    menus(menuBar()->actions());
    menus(popup_->actions());
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (b != arret_ && b->window() == this)
            b->setEnabled(!verrou);
    for (QLineEdit* champ : {fonctionXouRo_, fonctionY_})
        champ->setEnabled(!verrou);
}

void TGraph::GardeDessin(const Dessin& dessin)
{
    Peint(ecran_->Image(), dessin);
    // The SVG export draws the primitives again; past a bound the picture
    // stands in for them.
    if (dessinEcran_.size() + dessin.size() > DessinEcranMax) {
        dessinEcran_.clear();
        dessinEcranComplet_ = false;
    }
    if (dessinEcranComplet_)
        dessinEcran_.insert(dessinEcran_.end(), dessin.begin(), dessin.end());
}

void TGraph::Derivees(bool bipSansCourbe)
{
    if (modele_.NombreDerivees() == 0) {
        if (bipSansCourbe)
            LaPlateforme().Bip();
        return;
    }
    drawProgress_->show();
    DeriveesDepuis(0);
}

void TGraph::DeriveesDepuis(int rang)
{
    // x'(t), then y'(t) once the first is drawn, unless stopped.
    Dessine(modele_.CalculDerivee(rang), [this, rang](bool correct) {
        const int n = modele_.NombreDerivees();
        if (correct && !arretDemande_ && rang == n - 1)
            modele_.NoteDerivees();
        if (!correct || arretDemande_ || rang + 1 >= n) {
            drawProgress_->hide();
            return;
        }
        repaint();
        drawProgress_->setValue(0);
        DeriveesDepuis(rang + 1);
    });
}

void TGraph::dXButtonClick() { Derivees(true); }

void TGraph::CalcDerivClick() { Derivees(false); }
