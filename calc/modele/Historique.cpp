#include "calc/modele/Historique.h"

#include "calc/modele/Pile.h"

void Historique::Ajoute(EntreeHistorique e)
{
    entrees_.push_back(std::move(e));
    ++total_;
    if (entrees_.size() > EntreesMax)
        entrees_.pop_front();
}

std::string EntreeHistorique::Copie() const
{
    if (valeurs.empty())
        return libelle;
    std::string texte;
    for (const TComplexe& z : valeurs)
        texte += (texte.empty() ? "" : " ; ") + TexteCopie(z);
    return texte;
}

std::string Historique::TexteFichier() const
{
    std::string texte;
    for (const EntreeHistorique& e : entrees_)
        texte += e.TexteSauve() + "\n";
    return texte;
}
