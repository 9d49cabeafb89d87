#include "graph/modele/Suivi.h"

#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Conique.h"
#include "graph/modele/Dessin.h"

#include <algorithm>
#include <cmath>

namespace {

// A value, or why there is none.
struct Valeur {
    std::optional<Etendu> v;
    std::string message;
    std::string Texte() const { return v ? TexteNombre(*v) : message; }
};

Valeur De(const Evaluation& e)
{
    if (e.faute)
        return {std::nullopt, MessageSansPoint(e.faute->message)};
    return {e.resultat, {}};
}

Valeur DeriveeDe(Programme& f, Etendu x)
{
    const Derivee d = DeriveeEn(f, x);
    if (d.faute)
        return {std::nullopt, MessageSansPoint(d.faute->message)};
    if (d.valeur == ValeurErreur || !std::isfinite(d.valeur))
        return {std::nullopt, "Erreur lors du calcul"};
    return {d.valeur, {}};
}

} // namespace

bool Suivi::Commence(const ModeleGraphe& m, bool deriveesTracees)
{
    courbes_.clear();
    courbe_ = 0;
    if (!m.PeutTracer())
        return false;
    vue_ = m.Fenetre();
    etudeMin_ = m.EtudeMin();
    pas_ = m.Pas();
    colonne_ = LargeurEcran / 2;
    const Etendu n = std::floor((m.EtudeMax() - m.EtudeMin()) / m.Pas());
    echantillons_ = std::isfinite(n) ? static_cast<long>(std::clamp<Etendu>(n, 0.0L, 2000000.0L)) : 0;
    echantillon_ = echantillons_ / 2;
    auto programme = [](const std::string& texte, char lettre, bool blanc = true) {
        return std::optional<Programme>(std::in_place, texte, lettre, blanc);
    };
    switch (m.Type) {
    case TypeCourbe::Carte:
        f_ = programme(m.ExprFx, 'x');
        courbes_ = {Courbe::Fonction};
        if (deriveesTracees)
            courbes_.push_back(Courbe::Derivee);
        break;
    case TypeCourbe::Polr:
        f_ = programme(m.ExprRo, 't');
        courbes_ = {Courbe::Polaire};
        break;
    case TypeCourbe::Para:
        f_ = programme(m.ExprXt, 't');
        g_ = programme(m.ExprYt, 't');
        courbes_ = {Courbe::Parametrique};
        if (deriveesTracees)
            courbes_.insert(courbes_.end(), {Courbe::DeriveeX, Courbe::DeriveeY});
        break;
    case TypeCourbe::Cone: {
        const auto t = TextesDeLaConique(m.ExprConique);
        if (!t)
            return false;
        a_ = programme(t->A, 'x', false);
        b_ = programme(t->B, 'x', false);
        c_ = programme(t->C, 'x', false);
        courbes_ = {Courbe::Racine1, Courbe::Racine2};
        break;
    }
    case TypeCourbe::Aucune: return false;
    }
    return true;
}

bool Suivi::EnColonnes() const
{
    const Courbe c = courbes_[courbe_];
    return c != Courbe::Polaire && c != Courbe::Parametrique;
}

Etendu Suivi::XColonne() const
{
    return ZeroSiProche(vue_.EcranVersX(colonne_)); // as the pointer's read-out
}

void Suivi::Deplace(int pas)
{
    if (!Actif())
        return;
    if (EnColonnes())
        colonne_ = std::clamp(colonne_ + pas, 0, LargeurEcran - 1);
    else
        echantillon_ = std::clamp<long>(echantillon_ + pas, 0, echantillons_);
}

void Suivi::ChangeCourbe(int sens)
{
    if (!Actif())
        return;
    const auto n = static_cast<long>(courbes_.size());
    courbe_ = static_cast<std::size_t>(((static_cast<long>(courbe_) + sens) % n + n) % n);
}

PointSuivi Suivi::Point()
{
    PointSuivi p;
    if (!Actif())
        return p;
    auto place = [&](const Valeur& x, const Valeur& y) {
        p.x = x.Texte();
        p.y = y.Texte();
        if (x.v && y.v) {
            const Etendu px = vue_.Px(*x.v), py = vue_.Py(*y.v);
            if (Vue::Visible(px, py))
                p.pixel = std::pair{std::min(ArrondiPixel(px), LargeurEcran - 1), std::min(ArrondiPixel(py), HauteurEcran - 1)};
        }
    };
    if (EnColonnes()) {
        const Etendu x = XColonne();
        Valeur y;
        switch (courbes_[courbe_]) {
        case Courbe::Fonction: y = De(f_->Execute(x)); break;
        case Courbe::Derivee:
        case Courbe::DeriveeX: y = DeriveeDe(*f_, x); break;
        case Courbe::DeriveeY: y = DeriveeDe(*g_, x); break;
        default: {
            // A root of the conic: the lower one first.
            const Evaluation ea = a_->Execute(x), eb = b_->Execute(x), ec = c_->Execute(x);
            if (const Evaluation* e = ea.faute ? &ea : eb.faute ? &eb : ec.faute ? &ec : nullptr) {
                y = De(*e);
            } else {
                const std::vector<Etendu> r = RacinesConique(ea.resultat, eb.resultat, ec.resultat);
                const std::size_t k = courbes_[courbe_] == Courbe::Racine1 ? 0 : 1;
                y = r.empty() ? Valeur{std::nullopt, "Pas de point"} : Valeur{r[std::min(k, r.size() - 1)], {}};
            }
        }
        }
        place(Valeur{x, {}}, y);
        if (y.v && p.pixel)
            p.pixel->first = colonne_;
        return p;
    }
    // Read near 0 as 0, as the pointer's read-out: the middle of [-3.2, 3.2]
    // is t = 0, not the rounding of 160 steps of 0.02.
    const Etendu t = ZeroSiProche(etudeMin_ + static_cast<Etendu>(echantillon_) * pas_);
    p.barre = "t = " + TexteNombre(t);
    if (courbes_[courbe_] == Courbe::Polaire) {
        const Valeur ro = De(f_->Execute(t));
        p.barre += "   ro(t) = " + ro.Texte();
        if (!ro.v)
            place(ro, ro);
        else
            place(Valeur{*ro.v * std::cos(t), {}}, Valeur{*ro.v * std::sin(t), {}});
    } else {
        place(De(f_->Execute(t)), De(g_->Execute(t)));
    }
    return p;
}
