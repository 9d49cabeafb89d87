#include "calc/modele/ModeleCalculatrice.h"

#include "funclang/Nombres.h"

#include <algorithm>
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

void ModeleCalculatrice::Enregistre(const EtatCalcul& avant) { annulation_.Enregistre(Etape{avant, etat_}); }

void ModeleCalculatrice::Restaure(const EtatCalcul& e)
{
    etat_ = e;
    saisie_.Abandonne();
}

SaisieComplexe::Resultat ModeleCalculatrice::Saisit(const std::string& texte)
{
    const EtatCalcul avant = etat_;
    const SaisieComplexe::Resultat r = saisie_.Valide(texte);
    if (r.issue == SaisieComplexe::Issue::Vide) {
        Execute(OutilPile::Dupliquer);
        return {SaisieComplexe::Issue::Complete, etat_.pile[1]};
    }
    if (r.issue == SaisieComplexe::Issue::Complete) {
        etat_.pile.Monte(r.valeur);
        Enregistre(avant);
    }
    return r;
}

SaisieComplexe::Resultat ModeleCalculatrice::AcheveSaisie(const std::string& texte)
{
    const EtatCalcul avant = etat_;
    const SaisieComplexe::Resultat r = saisie_.Acheve(texte);
    if (r.issue == SaisieComplexe::Issue::Complete) {
        etat_.pile.Monte(r.valeur);
        Enregistre(avant);
    }
    return r;
}

EntreeHistorique ModeleCalculatrice::EntreeDe(const char* titre, int n) const
{
    EntreeHistorique e{titre, std::string(), {}, false};
    for (int k = n; k >= 1; --k) {
        e.valeurs.push_back(etat_.pile[k]);
        e.resultat += (e.resultat.empty() ? "" : " ; ") + TexteAffiche(etat_.pile[k], etat_.polaire, etat_.degres);
    }
    return e;
}

void ModeleCalculatrice::Consomme(const EtatCalcul& avant, const char* titre, int n)
{
    etat_.dernierArgument = avant.pile[1];
    historique_.Ajoute(EntreeDe(titre, n));
    Enregistre(avant);
}

void ModeleCalculatrice::Execute(Touche t, Journal& journal)
{
    const EtatCalcul avant = etat_;
    const DefinitionTouche& d = DefinitionDe(t);
    // The roots would be divided by a leading coefficient of 0.
    if (d.racines && etat_.pile[d.racines + 1].Re == 0.0L && etat_.pile[d.racines + 1].Im == 0.0L) {
        journal.push_back({"Le coefficient du terme de plus haut degré est nul .", IconeFaute::Avertissement});
        return;
    }
    const std::size_t faits = journal.size();
    // A refused result changed nothing; a key that left the stack as it was
    // without a word (the conjugate of a real) neither. 1/0 said something
    // and dropped the stack, even a stack of zeros: a step.
    if (!ActionPile(t, etat_.pile, journal) || (MemesBits(etat_.pile, avant.pile) && journal.size() == faits))
        return;
    if (d.consomme)
        Consomme(avant, d.titre, d.racines ? d.racines : 1);
    else
        Enregistre(avant);
}

void ModeleCalculatrice::Execute(OutilPile o)
{
    const EtatCalcul avant = etat_;
    ActionOutil(o, etat_.pile, etat_.polaire && etat_.degres);
    // The caption without its menu mark.
    std::string titre = DefinitionDe(o).titre;
    titre.erase(std::remove(titre.begin(), titre.end(), '&'), titre.end());
    Consomme(avant, titre.c_str(), 1);
}

bool ModeleCalculatrice::DernierArgument()
{
    if (!etat_.dernierArgument)
        return false;
    const EtatCalcul avant = etat_;
    etat_.pile.Monte(*etat_.dernierArgument);
    Enregistre(avant);
    return true;
}

void ModeleCalculatrice::Ramene(const EntreeHistorique& entree)
{
    if (entree.valeurs.empty())
        return;
    const EtatCalcul avant = etat_;
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
