#include "funclang/Texte.h"

void RemplaceTout(const std::string& motif, const std::string& remplacement, std::string& texte)
{
    if (motif.empty())
        return;
    // Searching again from the start finds nothing before the last
    // replacement that overlapped nothing new: resuming just before it is the
    // same search, without its quadratic cost on long texts.
    std::size_t depart = 0;
    std::string resultat;
    for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, depart)) {
        resultat.assign(texte, 0, p);
        resultat += remplacement;
        resultat += FinTexte(texte, p + motif.size() + 1);
        texte.swap(resultat);
        depart = p + 1 >= motif.size() ? p + 1 - motif.size() : 0;
    }
}

std::string FinTexte(const std::string& texte, std::size_t position)
{
    if (position == 0 || position > texte.size())
        return position == 0 ? texte : std::string();
    return texte.substr(position - 1);
}

