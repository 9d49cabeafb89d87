#include "app/fenetres/Fenetres.h"

#include "app/fenetres/Accessibilite.h"

#include "app/fenetres/TAboutBox.h"
#include "app/fenetres/TOptionCalc.h"
#include "calc/fenetres/TCalculatrice.h"
#include "funclang/fenetres/TFonctions.h"
#include "funclang/fenetres/TSolutions.h"
#include "app/fenetres/DansLEcran.h"
#include "graph/fenetres/Dialogues.h"
#include "graph/fenetres/TGraph.h"
#include "matrix/fenetres/TMatrice.h"
#include "solver/fenetres/TSolveur.h"

#include <QApplication>
#include <QIcon>

namespace {
Fenetres fenetres;
}

const Fenetres& LesFenetres() { return fenetres; }

char VariableDuTraceur()
{
    switch (fenetres.Graph ? fenetres.Graph->TypeCourant() : TypeCourbe::Aucune) {
    case TypeCourbe::Carte:
    case TypeCourbe::Cone: return 'x';
    case TypeCourbe::Polr:
    case TypeCourbe::Para: return 't';
    case TypeCourbe::Aucune: break;
    }
    return 0;
}

bool SonsDuTraceur() { return fenetres.Graph && fenetres.Graph->SonsActifs(); }

namespace {
void Montre(QWidget* fenetre)
{
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}
} // namespace

void MontreTraceur() { Montre(fenetres.Graph); }
void MontreMatrices() { Montre(fenetres.Matrice); }
void MontreSolveur() { Montre(fenetres.Solveur); }

bool ListeFonctionsVisible() { return fenetres.Fonctions && fenetres.Fonctions->isVisible(); }

bool BasculeListeFonctions(QWidget* appelant)
{
    TFonctions* liste = fenetres.Fonctions;
    if (!liste)
        return false;
    if (liste->isVisible())
        liste->hide();
    else
        liste->MontreAPresDe(appelant);
    return liste->isVisible();
}

void AfficheSolutions(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2,
                      const QString& valeur2)
{
    if (fenetres.Solutions)
        fenetres.Solutions->Affiche(titre, nom, valeur, nom2, valeur2);
}

void NommeApplication()
{
    QApplication::setApplicationName("Tarvelle");
    // The installed theme's icon when there is one, so the windows match the
    // menus; else the same drawings built into the program.
    QIcon icone;
    for (const int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        icone.addFile(QString(":/icones/tarvelle-%1.png").arg(taille), QSize(taille, taille));
    QApplication::setWindowIcon(QIcon::fromTheme("tarvelle", icone));
    QGuiApplication::setDesktopFileName("tarvelle");
}

void CreeFenetres()
{
    GardeLesFenetresDansLEcran();
    fenetres.Calculatrice = new TCalculatrice;
    fenetres.Graph = new TGraph;
    fenetres.AboutBox = new TAboutBox;
    fenetres.Donnees = new TDonnees;
    fenetres.Intervalle = new TIntervalle;
    fenetres.ScaleEcran = new TScaleEcran;
    fenetres.Fonctions = new TFonctions;
    fenetres.ZoomChoose = new TZoomChoose;
    fenetres.Solutions = new TSolutions;
    fenetres.Solveur = new TSolveur;
    fenetres.OptionCalc = new TOptionCalc;
    fenetres.Matrice = new TMatrice;
    for (QWidget* w : QApplication::topLevelWidgets())
        CompleteAccessibilite(w);
}

void DetruitFenetres()
{
    // In the reverse order of creation: the calculator, the main window, last.
    delete fenetres.Matrice;
    delete fenetres.OptionCalc;
    delete fenetres.Solveur;
    delete fenetres.Solutions;
    delete fenetres.ZoomChoose;
    delete fenetres.Fonctions;
    delete fenetres.ScaleEcran;
    delete fenetres.Intervalle;
    delete fenetres.Donnees;
    delete fenetres.AboutBox;
    delete fenetres.Graph;
    delete fenetres.Calculatrice;
    fenetres = Fenetres{};
}
