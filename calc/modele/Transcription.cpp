#include "calc/modele/Transcription.h"

#include "funclang/Nombres.h"

void Transcription::Applique(Etape etape)
{
    lignes_.resize(etape.garde);
    lignes_.insert(lignes_.end(), etape.ajoutees.begin(), etape.ajoutees.end());
    memoire_ = etape.memoireApres;
    annulation_.Enregistre(std::move(etape));
}

std::optional<EvaluationLigne> Transcription::Entre(const std::string& ligne, char lettre, Journal& journal)
{
    Etape etape{lignes_.size(), {}, {ligne}, ligne, std::string(), memoire_, memoire_};
    std::optional<EvaluationLigne> e;
    if (!ligne.empty()) {
        expressions_.push_back(ligne);
        if (expressions_.size() > RappelsMax)
            expressions_.pop_front();
        e = EvalueLigne(ligne, lettre, journal, regles_, memoire_);
        if (!e->faute) {
            const std::string reponse = "= " + TexteNombre(e->valeur);
            etape.ajoutees.push_back(e->variable.empty() ? reponse : e->variable + " " + reponse);
            etape.memoireApres.ans = e->valeur;
            if (!e->variable.empty())
                etape.memoireApres.variables[EnMinuscules(e->variable)] = e->valeur;
        }
    }
    rappel_ = expressions_.size();
    Applique(std::move(etape));
    return e;
}

void Transcription::Efface(const std::string& courante)
{
    Applique(Etape{0, lignes_, {}, courante, std::string(), memoire_, memoire_});
}

void Transcription::SupprimeVariable(const std::string& nom, const std::string& courante)
{
    Etape etape{lignes_.size(), {}, {}, courante, courante, memoire_, memoire_};
    if (etape.memoireApres.variables.erase(EnMinuscules(nom)))
        Applique(std::move(etape));
}

void Transcription::EffaceVariables(const std::string& courante)
{
    Etape etape{lignes_.size(), {}, {}, courante, courante, memoire_, memoire_};
    etape.memoireApres.variables.clear();
    if (!memoire_.variables.empty())
        Applique(std::move(etape));
}

std::optional<Transcription::Retour> Transcription::Annule()
{
    const Etape* e = annulation_.Annule();
    if (!e)
        return std::nullopt;
    lignes_.resize(e->garde);
    lignes_.insert(lignes_.end(), e->retirees.begin(), e->retirees.end());
    memoire_ = e->memoireAvant;
    return Retour{e->garde, e->avant};
}

std::optional<Transcription::Retour> Transcription::Retablit()
{
    const Etape* e = annulation_.Retablit();
    if (!e)
        return std::nullopt;
    lignes_.resize(e->garde);
    lignes_.insert(lignes_.end(), e->ajoutees.begin(), e->ajoutees.end());
    memoire_ = e->memoireApres;
    return Retour{e->garde, e->apres};
}

std::optional<std::string> Transcription::Rappelle(int sens)
{
    if (sens < 0) {
        if (rappel_ == 0)
            return std::nullopt;
        return expressions_[--rappel_];
    }
    if (rappel_ >= expressions_.size())
        return std::nullopt;
    return ++rappel_ == expressions_.size() ? std::string() : expressions_[rappel_];
}
