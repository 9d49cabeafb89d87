#include "PlateformeEnregistreuse.h"

PlateformeEnregistreuse::PlateformeEnregistreuse() { InstallePlateforme(this); }

PlateformeEnregistreuse::~PlateformeEnregistreuse() { InstallePlateforme(nullptr); }

void PlateformeEnregistreuse::Message(Icone icone, const std::string& texte)
{
    journal.push_back((icone == Icone::Erreur ? "erreur: " : "avertissement: ") + texte);
}

Plateforme::Reponse PlateformeEnregistreuse::QuestionEnregistrer(const std::string& texte)
{
    journal.push_back("question: " + texte);
    if (questions.empty())
        return Reponse::Annuler;
    const Reponse r = questions.front();
    questions.pop_front();
    return r;
}

void PlateformeEnregistreuse::Bip() { journal.push_back("bip"); }

void PlateformeEnregistreuse::JoueFichierSon(const std::string& chemin)
{
    const auto separateur = chemin.find_last_of('/');
    journal.push_back("son: " + (separateur == std::string::npos ? chemin : chemin.substr(separateur + 1)));
}

void PlateformeEnregistreuse::Aide(const std::string& sujet) { journal.push_back("aide: " + sujet); }

void PlateformeEnregistreuse::DebutSablier() { ++sabliers; }

void PlateformeEnregistreuse::FinSablier() { --sabliers; }

std::optional<std::string> PlateformeEnregistreuse::DialogueOuvrir(const std::string&,
                                                                   const std::string&)
{
    journal.push_back("ouvrir");
    if (reponses.empty())
        return std::nullopt;
    auto r = reponses.front();
    reponses.pop_front();
    return r;
}

std::optional<std::string> PlateformeEnregistreuse::DialogueEnregistrer(const std::string&,
                                                                        const std::string&)
{
    journal.push_back("enregistrer");
    if (reponses.empty())
        return std::nullopt;
    auto r = reponses.front();
    reponses.pop_front();
    return r;
}

std::vector<std::string> PlateformeEnregistreuse::Messages() const
{
    std::vector<std::string> m;
    for (const auto& e : journal)
        if (e.rfind("erreur: ", 0) == 0 || e.rfind("avertissement: ", 0) == 0)
            m.push_back(e);
    return m;
}
