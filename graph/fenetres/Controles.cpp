#include "graph/fenetres/Controles.h"

std::span<const char* const> ControlesDe(Commande commande)
{
    static const char* const ZoomBouton[] = {"ZoomButton"};
    static const char* const ZoomMenu[] = {"Zoom1"};
    static const char* const Integrale[] = {"SomButton", "CalcInt"};
    static const char* const Extremum[] = {"ExtremumButton", "CalcExtremum"};
    static const char* const ZeroBouton[] = {"ZeroButton"};
    static const char* const ZeroMenu[] = {"CalcZero"};
    static const char* const Derivees[] = {"dXButton", "CalcDeriv"};
    static const char* const Contextuels[] = {"Intgration", "Recherchedezro", "Extremum"};
    static const char* const PlusPrecis[] = {"PlusPrecis"};
    static const char* const MoinsPrecis[] = {"MoinsPrecis"};
    static const char* const Tableau[] = {"TableauValeurs"};
    static const char* const Suivi[] = {"SuiviCourbe"};
    switch (commande) {
    case Commande::ZoomBouton: return ZoomBouton;
    case Commande::ZoomMenu: return ZoomMenu;
    case Commande::Integrale: return Integrale;
    case Commande::Extremum: return Extremum;
    case Commande::ZeroBouton: return ZeroBouton;
    case Commande::ZeroMenu: return ZeroMenu;
    case Commande::Derivees: return Derivees;
    case Commande::CalculsContextuels: return Contextuels;
    case Commande::PlusPrecis: return PlusPrecis;
    case Commande::MoinsPrecis: return MoinsPrecis;
    case Commande::TableauValeurs: return Tableau;
    case Commande::SuiviCourbe: return Suivi;
    }
    return {};
}
