#include "graph/modele/ModeleGraphe.h"

#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "graph/modele/Conique.h"
#include "graph/modele/FichierGraphe.h"

#include <algorithm>
#include <cmath>

const std::string& ModeleGraphe::SaisieX() const
{
    return const_cast<ModeleGraphe*>(this)->SaisieX();
}

std::string& ModeleGraphe::SaisieX()
{
    switch (Type) {
    case TypeCourbe::Carte: return SaisieFx;
    case TypeCourbe::Polr: return SaisieRo;
    case TypeCourbe::Para: return SaisieXt;
    case TypeCourbe::Cone: return SaisieConique;
    case TypeCourbe::Aucune: break;
    }
    return saisieSansType_;
}

std::string& ModeleGraphe::ExprX()
{
    switch (Type) {
    case TypeCourbe::Carte: return ExprFx;
    case TypeCourbe::Polr: return ExprRo;
    case TypeCourbe::Para: return ExprXt;
    case TypeCourbe::Cone: return ExprConique;
    case TypeCourbe::Aucune: break;
    }
    return exprSansType_;
}

void ModeleGraphe::ChoisitType(TypeCourbe type)
{
    Type = type;
    FoncXValidee = false;
    FoncYValidee = false;
}

bool ModeleGraphe::Refuse(const std::string& expr, Journal& journal) const
{
    const std::optional<Faute> faute = FauteDeSaisie(expr, Type);
    if (!faute)
        return false;
    // "2x" has told its fault already, from the check of the letter.
    if (std::find(journal.begin(), journal.end(), *faute) == journal.end())
        journal.push_back(*faute);
    return true;
}

ModeleGraphe::Saisie ModeleGraphe::ValideX(const std::string& texte, Journal& journal)
{
    if (texte.empty())
        return Saisie::Vide;
    if (Type == TypeCourbe::Aucune)
        return Saisie::Refusee;
    SaisieX() = texte;
    const std::optional<std::string> expr = NormaliseFonction(texte, Type, journal);
    // A refused text is no longer the one drawn: "Go ..." must not draw the
    // previous text while the field shows this one.
    if (!expr) {
        FoncXValidee = false;
        return Saisie::Refusee;
    }
    if (Type == TypeCourbe::Cone && !TextesDeLaConique(*expr)) {
        journal.push_back({ConiqueIncorrecte, IconeFaute::Avertissement});
        FoncXValidee = false;
        return Saisie::Refusee;
    }
    if (Refuse(*expr, journal)) {
        FoncXValidee = false;
        return Saisie::Refusee;
    }
    ExprX() = *expr;
    FoncXValidee = true;
    return Saisie::Validee;
}

ModeleGraphe::Saisie ModeleGraphe::ValideY(const std::string& texte, Journal& journal)
{
    if (texte.empty())
        return Saisie::Vide;
    SaisieYt = texte;
    const std::optional<std::string> expr = NormaliseFonction(texte, TypeCourbe::Para, journal);
    if (!expr || Refuse(*expr, journal)) {
        FoncYValidee = false;
        return Saisie::Refusee;
    }
    ExprYt = *expr;
    FoncYValidee = true;
    return Saisie::Validee;
}

void ModeleGraphe::Charge(const ContenuGraphe& c, Journal& journal)
{
    Ferme();
    Type = c.Type;
    // The window as saved; reversed edges, from a file written by hand,
    // are exchanged as a typed window's are.
    fenetre_ = Ordonnee(c.Fenetre);
    etudeMin_ = c.EtudeMin;
    etudeMax_ = c.EtudeMax;
    graduation_ = c.Graduation;
    precision_ = c.Precision;
    RecalculePas();
    // The read-outs show the file's texts as they are, except a window
    // whose edges were exchanged: it shows what is drawn.
    const LecturesGraphe l = Lectures();
    textes_ = LecturesGraphe{c.Lectures[0], c.Lectures[1], c.Lectures[2], c.Lectures[3],
                             c.Lectures[4], c.Lectures[5], c.Lectures[6], c.Lectures[7] + " ppp"};
    if (!(fenetre_ == c.Fenetre)) {
        textes_.xminval = l.xminval;
        textes_.xmaxval = l.xmaxval;
        textes_.yminval = l.yminval;
        textes_.ymaxval = l.ymaxval;
    }
    // As on Enter, except that an empty text is taken too (it draws 0).
    SaisieX() = c.SaisieX;
    ExprX() = NormaliseFonction(c.SaisieX, Type, journal).value_or(std::string());
    FoncXValidee = true;
    if (Type == TypeCourbe::Para) {
        SaisieYt = c.SaisieY;
        ExprYt = NormaliseFonction(c.SaisieY, Type, journal).value_or(std::string());
        FoncYValidee = true;
    }
}

void ModeleGraphe::Ferme()
{
    Type = TypeCourbe::Aucune;
    FoncXValidee = FoncYValidee = false;
    SaisieFx.clear();
    SaisieRo.clear();
    SaisieXt.clear();
    SaisieYt.clear();
    SaisieConique.clear();
    saisieSansType_.clear();
}

void ModeleGraphe::InitialiseAffichage()
{
    Reinitialise();
    Type = TypeCourbe::Aucune;
}

bool ModeleGraphe::ChangeFenetre(const Vue& vue)
{
    if (!FenetreCorrecte(vue))
        return false;
    fenetre_ = vue;
    RecalculePas();
    etudeMin_ = fenetre_.Xmin;
    etudeMax_ = fenetre_.Xmax;
    return true;
}


std::optional<Vue> ModeleGraphe::FenetreAjusteeEnY() const
{
    if (Type != TypeCourbe::Carte || !FoncXValidee)
        return std::nullopt;
    Programme f(ExprFx, 'x');
    Etendu bas = INFINITY, haut = -INFINITY;
    for (int X = 0; X <= LargeurEcran; ++X) {
        const Evaluation e = f.Execute(fenetre_.EcranVersX(X));
        if (!e.faute && std::isfinite(e.resultat)) {
            bas = std::min(bas, e.resultat);
            haut = std::max(haut, e.resultat);
        }
    }
    if (bas > haut)
        return std::nullopt;
    const Etendu marge = haut > bas ? (haut - bas) * 0.05L : 1.0L;
    return Vue{fenetre_.Xmin, fenetre_.Xmax, bas - marge, haut + marge};
}

void ModeleGraphe::ChangeGraduation(Etendu graduation)
{
    graduation = std::fabs(graduation);
    graduation_ = graduation == 0.0L ? 1.0L : graduation;
}

void ModeleGraphe::Reinitialise()
{
    OublieCurseurs();
    graduation_ = 1.0L;
    precision_ = 1;
    ChangeFenetre(Vue{});
    CurseursAuxCoins();
}

void ModeleGraphe::ChangePrecision(int precision)
{
    precision_ = precision < 1 ? 1 : precision > 10 ? 10 : precision;
    RecalculePas();
}

void ModeleGraphe::ChangeIntervalle(Etendu min, Etendu max)
{
    etudeMin_ = min;
    etudeMax_ = max;
}

ParametresTrace ModeleGraphe::Parametres() const
{
    return ParametresTrace{fenetre_, etudeMin_, etudeMax_, pas_, graduation_};
}

LecturesGraphe ModeleGraphe::Lectures() const
{
    return LecturesGraphe{TexteLecture(fenetre_.Xmin, 7), TexteLecture(fenetre_.Xmax, 7),
                          TexteLecture(fenetre_.Ymin, 7), TexteLecture(fenetre_.Ymax, 7),
                          TexteLecture(etudeMin_, 3),     TexteLecture(etudeMax_, 3),
                          TexteLecture(graduation_, 5),   std::to_string(precision_) + " ppp"};
}

void ModeleGraphe::MontreCurseur(int rang)
{
    const bool un = rang == 1;
    textesCurseurs_[un ? 0 : 2] = TexteLecture(un ? souris_.Curseur1X : souris_.Curseur2X, 6);
    textesCurseurs_[un ? 1 : 3] = TexteLecture(un ? souris_.Curseur1Y : souris_.Curseur2Y, 6);
    if (un)
        curseur1Montre_ = true;
}

void ModeleGraphe::CacheCurseurs()
{
    textesCurseurs_.fill(SansValeur);
    curseur1Montre_ = false;
}

std::array<std::string, 8> ModeleGraphe::TextesFichier() const
{
    const LecturesGraphe& t = textes_;
    // The precision without its " ppp".
    return {t.xminval, t.xmaxval, t.yminval, t.ymaxval, t.VarMin, t.VarMax, t.Label2,
            t.Fine.substr(0, t.Fine.size() >= 4 ? t.Fine.size() - 4 : 0)};
}

std::string ModeleGraphe::OctetsFichier() const { return EcritGraphe(Type, SaisieX(), SaisieYt, TextesFichier()); }

bool ModeleGraphe::Modifie() const
{
    if (Type == TypeCourbe::Aucune)
        return false;
    return fichier_ ? OctetsFichier() != *fichier_ : courbeDessinee_;
}

void ModeleGraphe::Activation()
{
    OublieCurseurs();
    CacheCurseurs();
    commandes_.zoomBouton = commandes_.somme = commandes_.zeroBouton = false;
    if (!FoncXValidee)
        commandes_.derivees = commandes_.zeroMenu = false;
}

void ModeleGraphe::ApresEffacement()
{
    OublieCurseurs();
    CurseursAuxCoins();
    commandes_.zoomMenu = commandes_.menuCalculs = commandes_.zoomBouton = false;
    courbeTracee_ = deriveesTracees_ = false;
}

void ModeleGraphe::ApresPresentation()
{
    if (Type != TypeCourbe::Carte)
        commandes_.somme = commandes_.zeroMenu = commandes_.zeroBouton = false;
    commandes_.derivees = Type == TypeCourbe::Carte || Type == TypeCourbe::Para;
}

void ModeleGraphe::ApresCalcul()
{
    if (Type == TypeCourbe::Carte)
        commandes_.derivees = true;
}

void ModeleGraphe::SansCalculs() { commandes_.somme = commandes_.zeroMenu = commandes_.zeroBouton = false; }

void ModeleGraphe::ClicDroit()
{
    commandes_.menuCalculs = souris_.Curseur2Pose() && Type == TypeCourbe::Carte;
    if (souris_.Curseur2Pose())
        commandes_.zoomBouton = commandes_.zoomMenu = true;
}

void ModeleGraphe::TroisiemeClic()
{
    OublieCurseurs();
    CacheCurseurs();
    SansCalculs();
    commandes_.zoomBouton = false;
}

Curseurs::Clic ModeleGraphe::ClicGauche(int X, int Y)
{
    const Curseurs::Clic clic = souris_.ClicGauche(fenetre_, X, Y);
    MontreCurseur(clic == Curseurs::Clic::Curseur1 ? 1 : 2);
    if (clic == Curseurs::Clic::Curseur2) {
        if (Type == TypeCourbe::Carte)
            commandes_.somme = commandes_.zeroMenu = commandes_.zeroBouton = true;
        commandes_.zoomBouton = commandes_.zoomMenu = true;
    }
    return clic;
}

void ModeleGraphe::PlaceCurseur1(Etendu x, Etendu y)
{
    OublieCurseurs();
    auto pixel = [](Etendu p, int n) { return std::isfinite(p) ? std::clamp(ArrondiPixel(p), 0, n - 1) : 0; };
    ClicGauche(pixel(fenetre_.Px(x), LargeurEcran), pixel(fenetre_.Py(y), HauteurEcran));
    souris_.Curseur1X = x;
    souris_.Curseur1Y = y;
    MontreCurseur(1);
}

void ModeleGraphe::ApresCalculCurseurs(bool parMenu)
{
    CacheCurseurs();
    SansCalculs();
    commandes_.zoomBouton = false;
    if (parMenu)
        commandes_.zoomMenu = commandes_.menuCalculs = false;
}

void ModeleGraphe::ApresZoomCurseurs() { commandes_.zoomBouton = false; }

EnsembleCommandes CommandesActives(const ModeleGraphe& m)
{
    const EtatCommandes& c = m.Commandes();
    EnsembleCommandes e;
    e.Met(Commande::ZoomBouton, c.zoomBouton);
    e.Met(Commande::ZoomMenu, c.zoomMenu);
    e.Met(Commande::Integrale, c.somme);
    e.Met(Commande::Extremum, c.somme);
    e.Met(Commande::ZeroBouton, c.zeroBouton);
    e.Met(Commande::ZeroMenu, c.zeroMenu);
    e.Met(Commande::Derivees, c.derivees);
    e.Met(Commande::CalculsContextuels, c.menuCalculs);
    e.Met(Commande::PlusPrecis, m.Precision() < 10);
    e.Met(Commande::MoinsPrecis, m.Precision() > 1);
    e.Met(Commande::TableauValeurs, m.PeutTracer());
    e.Met(Commande::SuiviCourbe, m.CourbeTracee() && m.PeutTracer());
    return e;
}

bool ModeleGraphe::PeutTracer() const
{
    if (Type == TypeCourbe::Para)
        return FoncXValidee && FoncYValidee;
    return FoncXValidee && Type != TypeCourbe::Aucune;
}

std::optional<CalculTrace> ModeleGraphe::CalculCourant() const
{
    if (!PeutTracer())
        return std::nullopt;
    return CalculDuType();
}

std::optional<CalculTrace> ModeleGraphe::CalculDuType() const
{
    // Copies of the parameters and of the texts: the plot runs on another
    // thread while the model goes on changing.
    const ParametresTrace p = Parametres();
    switch (Type) {
    case TypeCourbe::Carte:
        return [p, f = ExprFx](const Progression& g) { return TraceCartesienne(p, f, g); };
    case TypeCourbe::Polr:
        return [p, ro = ExprRo](const Progression& g) { return TracePolaire(p, ro, g); };
    case TypeCourbe::Para:
        return [p, x = ExprXt, y = ExprYt](const Progression& g) { return TraceParametrique(p, x, y, g); };
    case TypeCourbe::Cone:
        return [p, c = ExprConique](const Progression& g) { return TraceConique(p, c, g); };
    case TypeCourbe::Aucune: break;
    }
    return std::nullopt;
}

std::optional<ResultatTrace> ModeleGraphe::TraceCourant(const Progression& progression) const
{
    const auto calcul = CalculCourant();
    return calcul ? std::optional((*calcul)(progression)) : std::nullopt;
}

std::optional<ResultatTrace> ModeleGraphe::TraceDuType(const Progression& progression) const
{
    const auto calcul = CalculDuType();
    return calcul ? std::optional((*calcul)(progression)) : std::nullopt;
}

int ModeleGraphe::NombreDerivees() const
{
    if (Type == TypeCourbe::Carte && FoncXValidee)
        return 1;
    if (Type == TypeCourbe::Para && FoncXValidee && FoncYValidee)
        return 2;
    return 0;
}

CalculTrace ModeleGraphe::CalculDerivee(int rang) const
{
    const ParametresTrace p = Parametres();
    if (Type == TypeCourbe::Carte)
        return [p, f = ExprFx](const Progression& g) { return TraceDeriveeCartesienne(p, f, g); };
    const bool x = rang == 0;
    return [p, f = x ? ExprXt : ExprYt, c = x ? Vert : BleuClair](const Progression& g) {
        return TraceDeriveeParametrique(p, f, c, g);
    };
}

ResultatTrace ModeleGraphe::TraceDerivee(int rang, const Progression& progression) const
{
    return CalculDerivee(rang)(progression);
}

std::string ModeleGraphe::DescriptionEcran(bool courbe) const
{
    std::string texte = "Ecran vide";
    if (courbe) {
        switch (Type) {
        case TypeCourbe::Carte: texte = "Courbe cartésienne " + SaisieFx; break;
        case TypeCourbe::Polr: texte = "Courbe polaire " + SaisieRo; break;
        case TypeCourbe::Para: texte = "Courbe paramétrique " + SaisieXt + " ; " + SaisieYt; break;
        case TypeCourbe::Cone: texte = "Conique " + SaisieConique; break;
        case TypeCourbe::Aucune: break;
        }
    }
    return texte + ", fenêtre " + TexteCourt(fenetre_.Xmin) + " à " + TexteCourt(fenetre_.Xmax) + " sur " +
           TexteCourt(fenetre_.Ymin) + " à " + TexteCourt(fenetre_.Ymax);
}
