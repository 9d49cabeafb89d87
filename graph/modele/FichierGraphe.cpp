#include "graph/modele/FichierGraphe.h"

#include "funclang/Nombres.h"

#include <vector>

namespace {

std::string Decale(std::string ligne, int sens)
{
    for (char& c : ligne)
        c = static_cast<char>(static_cast<unsigned char>(c) + sens * DecalageGraphe);
    return ligne;
}

// A line as a text file holds it: no control character (tabs aside).
bool LigneDeTexte(std::string_view ligne)
{
    for (unsigned char c : ligne)
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return false;
    return true;
}

// The lines of the file, each without its CR LF (or LF); none when a line
// is too long or the bytes hold what no text file does.
std::optional<std::vector<std::string>> Lignes(std::string_view octets)
{
    std::vector<std::string> lignes;
    while (!octets.empty()) {
        std::size_t fin = octets.find('\n');
        std::string_view ligne = octets.substr(0, fin);
        octets = fin == std::string_view::npos ? std::string_view() : octets.substr(fin + 1);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        if (ligne.size() > LigneGrapheMax)
            return std::nullopt;
        lignes.emplace_back(ligne);
    }
    return lignes;
}

// The precision: a whole number from 1 to 10, checked on the number read
// (266 is refused, not narrowed to a byte).
std::optional<int> LitPrecision(std::string_view texte)
{
    while (!texte.empty() && texte.front() == ' ')
        texte.remove_prefix(1);
    if (!texte.empty() && texte.front() == '+')
        texte.remove_prefix(1);
    if (texte.empty() || texte.size() > 9 || texte.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int p = std::stoi(std::string(texte));
    if (p < 1 || p > 10)
        return std::nullopt;
    return p;
}

} // namespace

const char* MotCle(TypeCourbe type)
{
    switch (type) {
    case TypeCourbe::Carte: return "Carte";
    case TypeCourbe::Polr: return "Polr";
    case TypeCourbe::Para: return "Para";
    case TypeCourbe::Cone: return "Cone";
    case TypeCourbe::Aucune: break;
    }
    return "";
}

std::string EcritGraphe(TypeCourbe type, const std::string& saisieX, const std::string& saisieY,
                        const std::array<std::string, 8>& lectures)
{
    std::string octets = std::string(MotCle(type)) + "\r\n" + Decale(saisieX, 1) + "\r\n";
    if (type == TypeCourbe::Para)
        octets += Decale(saisieY, 1) + "\r\n";
    for (const std::string& l : lectures)
        octets += Decale(l, 1) + "\r\n";
    return octets;
}

std::optional<ContenuGraphe> LitGraphe(std::string_view octets)
{
    if (octets.size() > TailleGrapheMax)
        return std::nullopt;
    const auto lignes = Lignes(octets);
    if (!lignes || lignes->empty() || !LigneDeTexte((*lignes)[0]))
        return std::nullopt;
    ContenuGraphe c;
    for (TypeCourbe t : {TypeCourbe::Carte, TypeCourbe::Polr, TypeCourbe::Para, TypeCourbe::Cone})
        if ((*lignes)[0] == MotCle(t))
            c.Type = t;
    std::size_t n = 1;
    bool texte = true;
    auto suivante = [&]() {
        std::string ligne = n < lignes->size() ? Decale((*lignes)[n], -1) : std::string();
        ++n;
        texte = texte && LigneDeTexte(ligne);
        return ligne;
    };
    c.SaisieX = suivante();
    if (c.Type == TypeCourbe::Para)
        c.SaisieY = suivante();
    std::array<Etendu, 7> valeurs;
    for (std::size_t k = 0; k < 8; ++k) {
        c.Lectures[k] = suivante();
        if (k == 7)
            break;
        // An empty line reads as 0; the checks below still apply to it.
        const std::optional<Etendu> v = c.Lectures[k].empty() ? 0.0L : LitNombre(c.Lectures[k]);
        if (!v)
            return std::nullopt;
        valeurs[k] = *v;
    }
    const std::optional<int> precision = LitPrecision(c.Lectures[7]);
    if (!precision)
        return std::nullopt;
    c.Precision = *precision;
    c.Fenetre = Vue{valeurs[0], valeurs[1], valeurs[2], valeurs[3]};
    c.EtudeMin = valeurs[4];
    c.EtudeMax = valeurs[5];
    c.Graduation = valeurs[6];
    if (!texte || !FenetreCorrecte(c.Fenetre) || c.Graduation == 0.0L)
        return std::nullopt;
    return c;
}
