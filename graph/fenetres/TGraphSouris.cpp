// The plotter's mouse: the pointer's read-out, the two cursors with their
// rubber band, the middle click, the context menu; and the integral and the
// zero search between the cursors.
#include "graph/fenetres/TGraph.h"

#include "app/fenetres/Fenetres.h"
#include "app/fenetres/Plateforme.h"
#include "funclang/Nombres.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Extremum.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <cmath>

namespace {
constexpr const char* AideDeuxBoutons =
    "Clic gauche = curseur n°1 ; 2ème clic gauche = curseur n°2 . Clic droit = menu contextuel .";
constexpr const char* AideTroisBoutons = "Clic gauche = curseur 1; 2nd clic gauche = curseur 2. Clic droit = menu "
                                         "contextuel. Clic milieu = centre du graphique .";

QRect Rectangle(const Zone& z) { return QRect(QPoint(z.x1, z.y1), QPoint(z.x2, z.y2)); }
} // namespace

const char* TGraph::AideZone() const { return boutonsSouris_ == 3 ? AideTroisBoutons : AideDeuxBoutons; }

void TGraph::ConnecteSouris()
{
    connect(ecran_, &EcranDigit::Deplacement, this, &TGraph::EcranDigitMouseMove);
    connect(ecran_, &EcranDigit::Appui, this, &TGraph::EcranDigitMouseDown);
    connect(Bouton("SomButton"), &QToolButton::clicked, this, &TGraph::SomButtonClick);
    connect(Bouton("ZeroButton"), &QToolButton::clicked, this, &TGraph::ZeroButtonClick);
    for (const char* nom : {"CalcInt", "Intgration"})
        connect(ActionNommee(nom), &QAction::triggered, this, &TGraph::CalcIntClick);
    for (const char* nom : {"CalcZero", "Recherchedezro"})
        connect(ActionNommee(nom), &QAction::triggered, this, &TGraph::CalcZeroClick);
    connect(Bouton("ExtremumButton"), &QToolButton::clicked, this, [this] { RechercheExtremum(false); });
    for (const char* nom : {"CalcExtremum", "Extremum"})
        connect(ActionNommee(nom), &QAction::triggered, this, [this] { RechercheExtremum(true); });
}

void TGraph::SauveZone(const Zone& zone)
{
    QPainter p(&copieEcran_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), ecran_->Image(), Rectangle(zone));
}

void TGraph::RestaureZone(const Zone& zone)
{
    QPainter p(&ecran_->Image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(zone.x1, zone.y1), copieEcran_, QRect(0, 0, zone.x2 - zone.x1 + 1, zone.y2 - zone.y1 + 1));
    ecran_->update();
}

void TGraph::DessineBande(const Zone& z)
{
    QPainter p(&ecran_->Image());
    QPen stylo(QColor(128, 128, 128), 0, Qt::DashLine, Qt::FlatCap);
    p.setPen(stylo);
    p.drawLine(z.x1, z.y1, z.x2, z.y1);
    p.drawLine(z.x2, z.y1, z.x2, z.y2);
    p.drawLine(z.x2, z.y2, z.x1, z.y2);
    p.drawLine(z.x1, z.y2, z.x1, z.y1);
    ecran_->update();
}

void TGraph::LacheCurseurs()
{
    // Whatever the order of the clicks, the band drawn last is the one
    // whose pixels are saved: restoring it leaves no trace.
    if (modele_.Souris().Bande)
        RestaureZone(*modele_.Souris().Bande);
    modele_.OublieCurseurs();
}

void TGraph::EcranDigitMouseMove(int X, int Y)
{
    if (traceEnCours_)
        return;
    auto* coordX = findChild<QLabel*>("CoordXCurs");
    auto* coordY = findChild<QLabel*>("CoordYCurs");
    if (modele_.Type == TypeCourbe::Aucune) {
        coordX->setText(SansValeur);
        coordY->setText(SansValeur);
        ecran_->setStatusTip(QString());
        panneau_->setText(" ");
        return;
    }
    auto lecture = [](Etendu v) { return QString::fromStdString(TexteNombre(ZeroSiProche(v))); };
    coordX->setText(lecture(modele_.Fenetre().EcranVersX(X)));
    coordY->setText(lecture(modele_.Fenetre().EcranVersY(Y)));
    if (boutonsSouris_ == 2 || boutonsSouris_ == 3) {
        ecran_->setStatusTip(AideZone());
        panneau_->setText(QString(" ") + AideZone());
    }
    if (const auto bande = modele_.Souris().BandeVers(X, Y)) {
        if (modele_.Souris().Bande)
            RestaureZone(*modele_.Souris().Bande);
        SauveZone(*bande);
        modele_.EtireBande(*bande, X, Y);
        DessineBande(*bande);
    }
}

void TGraph::EcranDigitMouseDown(Qt::MouseButton bouton, int X, int Y)
{
    if (traceEnCours_)
        return; // the area is being drawn: no cursor, no menu
    const Curseurs& c = modele_.Souris();
    if (modele_.Type == TypeCourbe::Aucune) {
        LaPlateforme().Bip();
    } else if (bouton == Qt::MiddleButton) {
        Recentre(X, Y);
        return;
    } else if (bouton == Qt::RightButton) {
        modele_.ClicDroit();
    } else if (bouton == Qt::LeftButton) {
        if (c.Etat == EtatSouris::DeuxCurseurs) {
            LacheCurseurs(); // erases the band
            modele_.TroisiemeClic();
        } else {
            modele_.ClicGauche(X, Y);
        }
        MontreLectures();
    }
    AppliqueCommandes();
    if (bouton == Qt::RightButton)
        popup_->popup(ecran_->mapToGlobal(QPoint(X, Y)));
}

void TGraph::Integration(bool parMenu)
{
    Etudie(parMenu, [](const std::string& f, Etendu a, Etendu b) {
        const Etendu i = Integrale(f, a, b);
        return std::function<void(TGraph&)>([i](TGraph& g) {
            QString valeur = "Erreur lors du calcul .";
            if (i != ValeurErreur)
                valeur = QString::fromStdString(TexteFixe(i, 14));
            else if (g.modele_.SonsActifs)
                JoueSon(DossierProgramme() + "Son1.wav");
            AfficheSolutions("Intégration :", "I =", valeur);
        });
    });
}

void TGraph::RechercheZero(bool parMenu)
{
    Etudie(parMenu, [](const std::string& f, Etendu a, Etendu b) {
        const Etendu x0 = ChercheZero(f, a, b);
        return std::function<void(TGraph&)>([x0](TGraph&) {
            const QString valeur =
                x0 == ValeurErreur ? QString("Racine non trouvée .") : QString::fromStdString(TexteFixe(x0, 14));
            AfficheSolutions("Recherche du zéro de la fonction :", "x0 =", valeur);
        });
    });
}

void TGraph::RechercheExtremum(bool parMenu)
{
    // As the integral: the cursors go, their interval stays.
    Etudie(parMenu, [](const std::string& f, Etendu a, Etendu b) {
        const auto e = ChercheExtremums(f, a, b);
        return std::function<void(TGraph&)>([e](TGraph& g) {
            if (!e) {
                if (g.modele_.SonsActifs)
                    JoueSon(DossierProgramme() + "Son1.wav");
                AfficheSolutions("Extremum", "", "Erreur lors du calcul .");
                return;
            }
            auto ligne = [](const PointExtreme& p) {
                return QString("x = %1%2  f(x) = %3")
                    .arg(QString::fromStdString(TexteFixe(p.x, 14)), p.borne ? " (borne)" : "",
                         QString::fromStdString(TexteFixe(p.fx, 14)));
            };
            AfficheSolutions("Extremum", "Maximum :", ligne(e->maximum), "Minimum :", ligne(e->minimum));
        });
    });
}

void TGraph::Etudie(bool parMenu, CalculEtude calcul)
{
    LacheCurseurs();
    if (!modele_.Curseur1Montre()) {
        LaPlateforme().Bip();
        return;
    }
    // The commands sleep while it runs, as during a plot; the cursors'
    // read-outs go when its result shows.
    ecran_->setCursor(Qt::WaitCursor);
    traceEnCours_ = true;
    VerrouilleCommandes(true);
    travail_->Lance([this, parMenu, calcul = std::move(calcul), f = modele_.ExprFx, a = modele_.Souris().Curseur1X,
                     b = modele_.Souris().Curseur2X](Travail::Canal& canal) {
        canal.Envoie([this, parMenu, montre = calcul(f, a, b)] {
            ecran_->unsetCursor();
            traceEnCours_ = false;
            VerrouilleCommandes(false);
            montre(*this);
            modele_.ApresCalculCurseurs(parMenu);
            MontreLectures();
            AppliqueCommandes();
        });
    });
}

void TGraph::SomButtonClick() { Integration(false); }
void TGraph::CalcIntClick() { Integration(true); }
void TGraph::ZeroButtonClick() { RechercheZero(false); }
void TGraph::CalcZeroClick() { RechercheZero(true); }
