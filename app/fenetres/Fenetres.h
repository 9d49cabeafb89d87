#pragma once
// The window instances of the program, created once at start-up in a fixed
// order (the calculator first: it is the main window) and destroyed at the
// end. Windows reach each other only through these.
#include <QString>

class QWidget;
class TCalculatrice;
class TGraph;
class TAboutBox;
class TDonnees;
class TIntervalle;
class TScaleEcran;
class TFonctions;
class TZoomChoose;
class TSolutions;
class TSolveur;
class TOptionCalc;
class TMatrice;

struct Fenetres {
    TCalculatrice* Calculatrice = nullptr;
    TGraph* Graph = nullptr;
    TAboutBox* AboutBox = nullptr;
    TDonnees* Donnees = nullptr;
    TIntervalle* Intervalle = nullptr;
    TScaleEcran* ScaleEcran = nullptr;
    TFonctions* Fonctions = nullptr;
    TZoomChoose* ZoomChoose = nullptr;
    TSolutions* Solutions = nullptr;
    TSolveur* Solveur = nullptr;
    TOptionCalc* OptionCalc = nullptr;
    TMatrice* Matrice = nullptr;
};

const Fenetres& LesFenetres();

// What the calculator asks of the other windows, without their headers:
// the variable letter of the plotter's curve type ('x', 't', or 0 without
// a type), whether the plotter plays its sounds, and a window shown
// non-modally, raised and active.
char VariableDuTraceur();
bool SonsDuTraceur();
void MontreTraceur();
void MontreMatrices();
void MontreSolveur();
// What the plotter and the solver ask of the two small windows: whether the
// list of usable functions shows; the list shown beside its caller, or
// hidden (true when it shows afterwards); the results window with its texts.
bool ListeFonctionsVisible();
bool BasculeListeFonctions(QWidget* appelant);
void AfficheSolutions(const QString& titre, const QString& nom, const QString& valeur, const QString& nom2 = {},
                      const QString& valeur2 = {});
// The application's name and icon. No display name: the window system would
// append it to every caption ("Calculette — Tarvelle").
void NommeApplication();
void CreeFenetres();
void DetruitFenetres();
