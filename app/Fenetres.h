#pragma once
// The window instances of the program, created once at start-up in a fixed
// order (the calculator first: it is the main window) and destroyed at the
// end. Windows reach each other only through these.
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
// The application's name and icon. No display name: the window system would
// append it to every caption ("Calculette — Tarvelle").
void NommeApplication();
void CreeFenetres();
void DetruitFenetres();
