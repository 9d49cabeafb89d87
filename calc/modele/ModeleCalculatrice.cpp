#include "calc/modele/ModeleCalculatrice.h"

#include "funclang/Nombres.h"

#include <cstring>

bool MemesBits(const Pile& a, const Pile& b)
{
    // The ten significant bytes of each extended value; the padding is noise.
    for (int n = 1; n <= 5; ++n)
        if (std::memcmp(&a[n].Re, &b[n].Re, 10) != 0 || std::memcmp(&a[n].Im, &b[n].Im, 10) != 0)
            return false;
    return true;
}

namespace {
// A number's display form without the blank that stands for its sign.
std::string SansBlanc(std::string texte)
{
    if (!texte.empty() && texte.front() == ' ')
        texte.erase(0, 1);
    return texte;
}

// A stack value as its display line shows it.
std::string TexteAffiche(TComplexe z, bool polaire, bool degres)
{
    const LigneAffichee l = AfficheLigne(z, polaire, degres);
    return SansBlanc(l.premier) + " " + l.signe + " " + SansBlanc(l.second) + " i";
}
} // namespace

void ModeleCalculatrice::ChangeAffichage(bool polaire, bool degres)
{
    etat_.polaire = polaire;
    etat_.degres = polaire && degres;
}

void ModeleCalculatrice::Enregistre(const EtatCalcul& avant)
{
    EtatCalcul apres = etat_;
    apres.saisie = saisie_.Etat();
    annulation_.Enregistre(Etape{avant, apres});
}

void ModeleCalculatrice::Restaure(const EtatCalcul& e)
{
    etat_ = e;
    saisie_.Restaure(e.saisie);
}

SaisieComplexe::Resultat ModeleCalculatrice::Saisit(const std::string& texte)
{
    EtatCalcul avant = etat_;
    avant.saisie = saisie_.Etat();
    const SaisieComplexe::Resultat r = saisie_.Valide(texte);
    if (r.issue == SaisieComplexe::Issue::Complete) {
        etat_.pile.Monte(r.valeur);
        Enregistre(avant);
    }
    return r;
}

EntreeHistorique ModeleCalculatrice::EntreeDe(const DefinitionTouche& d) const
{
    EntreeHistorique e{d.titre, std::string(), {}, false};
    const int n = d.racines ? d.racines : 1;
    for (int k = n; k >= 1; --k) {
        e.valeurs.push_back(etat_.pile[k]);
        e.resultat += (e.resultat.empty() ? "" : " ; ") + TexteAffiche(etat_.pile[k], etat_.polaire, etat_.degres);
    }
    return e;
}

void ModeleCalculatrice::Execute(Touche t, Journal& journal)
{
    EtatCalcul avant = etat_;
    avant.saisie = saisie_.Etat();
    const DefinitionTouche& d = DefinitionDe(t);
    const std::size_t faits = journal.size();
    // A refused result changed nothing; a key that left the stack as it was
    // without a word (the conjugate of a real) neither. 1/0 said something
    // and dropped the stack, even a stack of zeros: a step.
    if (!ActionPile(t, etat_.pile, journal) || (MemesBits(etat_.pile, avant.pile) && journal.size() == faits))
        return;
    if (d.consomme) {
        etat_.dernierArgument = avant.pile[1];
        historique_.Ajoute(EntreeDe(d));
    }
    Enregistre(avant);
}

bool ModeleCalculatrice::DernierArgument()
{
    if (!etat_.dernierArgument)
        return false;
    EtatCalcul avant = etat_;
    avant.saisie = saisie_.Etat();
    etat_.pile.Monte(*etat_.dernierArgument);
    Enregistre(avant);
    return true;
}

void ModeleCalculatrice::Ramene(const EntreeHistorique& entree)
{
    if (entree.valeurs.empty())
        return;
    EtatCalcul avant = etat_;
    avant.saisie = saisie_.Etat();
    for (const TComplexe& z : entree.valeurs)
        etat_.pile.Monte(z);
    Enregistre(avant);
}

bool ModeleCalculatrice::Annule()
{
    const Etape* e = annulation_.Annule();
    if (e)
        Restaure(e->avant);
    return e != nullptr;
}

bool ModeleCalculatrice::Retablit()
{
    const Etape* e = annulation_.Retablit();
    if (e)
        Restaure(e->apres);
    return e != nullptr;
}

std::optional<EvaluationLigne> ModeleCalculatrice::EntreLigne(const std::string& ligne, char lettre,
                                                                Journal& journal)
{
    const auto e = transcription_.Entre(ligne, lettre, journal);
    if (e)
        historique_.Ajoute(EntreeHistorique{ligne, e->faute ? e->faute->message : SansBlanc(TexteNombre(e->valeur)),
                                            e->faute ? std::vector<TComplexe>{} : std::vector{Complexe(e->valeur, 0.0L)},
                                            true});
    return e;
}
