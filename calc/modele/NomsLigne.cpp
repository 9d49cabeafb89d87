#include "calc/modele/NomsLigne.h"

#include "funclang/Fonctions.h"

#include <algorithm>
#include <cctype>

namespace {

bool Chiffre(char c) { return c >= '0' && c <= '9'; }
bool Lettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool HorsAscii(char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; }

} // namespace

std::string EnMinuscules(std::string_view texte)
{
    std::string s(texte);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::vector<Jeton> DecoupeLigne(std::string_view ligne)
{
    std::vector<Jeton> jetons;
    std::size_t i = 0;
    const std::size_t n = ligne.size();
    while (i < n) {
        const char c = ligne[i];
        const std::size_t debut = i;
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (Chiffre(c) || c == '.') {
            while (i < n && (Chiffre(ligne[i]) || ligne[i] == '.'))
                ++i;
            // An exponent only where digits follow: "2e" is 2 and the name e.
            if (i < n && (ligne[i] == 'e' || ligne[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < n && (ligne[j] == '+' || ligne[j] == '-'))
                    ++j;
                if (j < n && Chiffre(ligne[j])) {
                    i = j;
                    while (i < n && Chiffre(ligne[i]))
                        ++i;
                }
            }
            jetons.push_back({Jeton::Sorte::Nombre, ligne.substr(debut, i - debut)});
        } else if (Lettre(c) || HorsAscii(c)) {
            while (i < n && (Lettre(ligne[i]) || Chiffre(ligne[i]) || ligne[i] == '_' || HorsAscii(ligne[i])))
                ++i;
            jetons.push_back({Jeton::Sorte::Nom, ligne.substr(debut, i - debut)});
        } else {
            jetons.push_back({Jeton::Sorte::Autre, ligne.substr(i++, 1)});
        }
    }
    return jetons;
}

bool NomReserve(std::string_view nom)
{
    const std::string minuscules = EnMinuscules(nom);
    if (minuscules == "e" || minuscules == "x" || minuscules == "t" || minuscules == "y")
        return true;
    return std::any_of(LesFonctions().begin(), LesFonctions().end(), [&](const Fonction& f) {
        return minuscules == f.nom || minuscules == EnMinuscules(f.code);
    });
}

bool NomDeVariable(std::string_view nom)
{
    if (nom.empty() || nom.size() > LongueurNomMax || !Lettre(nom[0]))
        return false;
    if (!std::all_of(nom.begin(), nom.end(), [](char c) { return Lettre(c) || Chiffre(c) || c == '_'; }))
        return false;
    const std::string minuscules = EnMinuscules(nom);
    return !NomReserve(nom) && minuscules != "pi" && minuscules != "ans";
}

std::optional<Etendu> ValeurDuNom(std::string_view nom, const MemoireLigne& memoire, std::optional<Faute>& refus)
{
    // Not a name a variable can have: a text the line cannot read.
    if (nom.size() > LongueurNomMax || std::any_of(nom.begin(), nom.end(), HorsAscii)) {
        refus = Faute{"Expression incorrecte.", IconeFaute::Erreur};
        return std::nullopt;
    }
    const std::string minuscules = EnMinuscules(nom);
    if (minuscules == "pi")
        return PiEtendu;
    if (minuscules == "ans") {
        if (!memoire.ans)
            refus = Faute{"Pas de réponse précédente.", IconeFaute::Erreur};
        return memoire.ans;
    }
    if (const auto v = memoire.variables.find(minuscules); v != memoire.variables.end())
        return v->second;
    refus = Faute{"Variable inconnue : " + std::string(nom) + ".", IconeFaute::Erreur};
    return std::nullopt;
}

std::optional<Definition> LitDefinition(const std::string& ligne)
{
    const auto egal = ligne.find('=');
    if (egal == std::string::npos)
        return std::nullopt;
    std::string nom = ligne.substr(0, egal);
    nom.erase(0, nom.find_first_not_of(" \t"));
    nom.erase(nom.find_last_not_of(" \t") + 1);
    return Definition{nom, ligne.substr(egal + 1)};
}
