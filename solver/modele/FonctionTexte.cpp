#include "solver/modele/FonctionTexte.h"

#include "funclang/Normalisation.h"

#include <algorithm>

std::optional<FonctionTexte> FonctionDuTexte(const std::string& saisie, Journal& journal)
{
    const auto normalise = NormaliseFonction(saisie, 'x', journal);
    if (!normalise)
        return std::nullopt;
    // Compiled once: the methods evaluate it up to 100,000 times.
    return FonctionTexte(Programme(*normalise, 'x'));
}

FonctionReelle FonctionTexte::Dans(Journal& journal) const
{
    return [programme = programme_, &journal](Etendu x) mutable {
        const Evaluation e = programme.Execute(x);
        if (e.faute && std::none_of(journal.begin(), journal.end(),
                                    [&e](const Faute& f) { return f.genre == e.faute->genre; }))
            journal.push_back(*e.faute);
        return e.resultat;
    };
}
