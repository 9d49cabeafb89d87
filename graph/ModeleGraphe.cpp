#include "graph/ModeleGraphe.h"

#include "funclang/Nombres.h"
#include "graph/Conique.h"
#include "graph/FichierGraphe.h"

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
    if (!expr) {
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
    // A window written by hand may leave out the origin: it is put around
    // it as a typed window is, with the step in force before the file.
    Fenetre = Normalisee(c.Fenetre);
    EtudeMin = c.EtudeMin;
    EtudeMax = c.EtudeMax;
    Graduation = c.Graduation;
    Precision = c.Precision;
    RecalculePas();
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
    Fenetre = vue;
    RecalculePas();
    EtudeMin = Fenetre.Xmin;
    EtudeMax = Fenetre.Xmax;
    return true;
}

Vue ModeleGraphe::Normalisee(Vue vue) const
{
    NormaliseFenetre(vue, Pas);
    return vue;
}

void ModeleGraphe::ChangeGraduation(Etendu graduation)
{
    graduation = std::fabs(graduation);
    Graduation = graduation == 0.0L ? 1.0L : graduation;
}

void ModeleGraphe::Reinitialise()
{
    OublieCurseurs();
    Graduation = 1.0L;
    Precision = 1;
    ChangeFenetre(Vue{});
    CurseursAuxCoins();
}

void ModeleGraphe::ChangePrecision(int precision)
{
    Precision = precision < 1 ? 1 : precision > 10 ? 10 : precision;
    RecalculePas();
}

ParametresTrace ModeleGraphe::Parametres() const
{
    return ParametresTrace{Fenetre, EtudeMin, EtudeMax, Pas, Graduation};
}

LecturesGraphe ModeleGraphe::Lectures() const
{
    return LecturesGraphe{TexteLecture(Fenetre.Xmin, 7), TexteLecture(Fenetre.Xmax, 7),
                          TexteLecture(Fenetre.Ymin, 7), TexteLecture(Fenetre.Ymax, 7),
                          TexteLecture(EtudeMin, 3),     TexteLecture(EtudeMax, 3),
                          TexteLecture(Graduation, 5),   std::to_string(Precision) + " ppp"};
}

bool ModeleGraphe::PeutTracer() const
{
    if (Type == TypeCourbe::Para)
        return FoncXValidee && FoncYValidee;
    return FoncXValidee && Type != TypeCourbe::Aucune;
}

std::optional<ResultatTrace> ModeleGraphe::TraceCourant(const Progression& progression) const
{
    if (!PeutTracer())
        return std::nullopt;
    return TraceDuType(progression);
}

std::optional<ResultatTrace> ModeleGraphe::TraceDuType(const Progression& progression) const
{
    const ParametresTrace p = Parametres();
    switch (Type) {
    case TypeCourbe::Carte: return TraceCartesienne(p, ExprFx, progression);
    case TypeCourbe::Polr: return TracePolaire(p, ExprRo, progression);
    case TypeCourbe::Para: return TraceParametrique(p, ExprXt, ExprYt, progression);
    case TypeCourbe::Cone: return TraceConique(p, ExprConique, progression);
    case TypeCourbe::Aucune: break;
    }
    return std::nullopt;
}

int ModeleGraphe::NombreDerivees() const
{
    if (Type == TypeCourbe::Carte && FoncXValidee)
        return 1;
    if (Type == TypeCourbe::Para && FoncXValidee && FoncYValidee)
        return 2;
    return 0;
}

ResultatTrace ModeleGraphe::TraceDerivee(int rang, const Progression& progression) const
{
    const ParametresTrace p = Parametres();
    if (Type == TypeCourbe::Carte)
        return TraceDeriveeCartesienne(p, ExprFx, progression);
    return rang == 0 ? TraceDeriveeParametrique(p, ExprXt, Vert, progression)
                     : TraceDeriveeParametrique(p, ExprYt, BleuClair, progression);
}
