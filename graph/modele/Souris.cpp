#include "graph/modele/Souris.h"

void Curseurs::Oublie()
{
    Etat = EtatSouris::SansCurseur;
    Curseur1PixX = Curseur1PixY = Curseur2PixX = Curseur2PixY = 0;
    Bande.reset();
}

void Curseurs::AuxCoins(const Vue& vue)
{
    Curseur1X = vue.Xmin;
    Curseur2X = vue.Xmax;
    Curseur2Y = vue.Ymin;
    Curseur1Y = vue.Ymax;
}

Curseurs::Clic Curseurs::ClicGauche(const Vue& vue, int X, int Y)
{
    switch (Etat) {
    case EtatSouris::DeuxCurseurs:
        Oublie();
        return Clic::Efface;
    case EtatSouris::SansCurseur:
        Etat = EtatSouris::Curseur1;
        Curseur1PixX = X;
        Curseur1PixY = Y;
        Curseur1X = vue.EcranVersX(X);
        Curseur1Y = vue.EcranVersY(Y);
        return Clic::Curseur1;
    case EtatSouris::Curseur1: break;
    }
    Etat = EtatSouris::DeuxCurseurs;
    Curseur2PixX = X;
    Curseur2PixY = Y;
    Curseur2X = vue.EcranVersX(X);
    Curseur2Y = vue.EcranVersY(Y);
    return Clic::Curseur2;
}

std::optional<Zone> Curseurs::BandeVers(int X, int Y) const
{
    if (Etat != EtatSouris::Curseur1 || X < Curseur1PixX || Y < Curseur1PixY)
        return std::nullopt;
    return Zone{Curseur1PixX, Curseur1PixY, X, Y};
}
