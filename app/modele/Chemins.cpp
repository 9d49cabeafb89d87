#include "app/modele/Chemins.h"

#include <filesystem>
#include <system_error>

namespace {
std::string chemin;
std::string dossier;
} // namespace

const std::string& CheminProgramme() { return chemin; }

const std::string& DossierProgramme() { return dossier; }

void DefinitCheminProgramme(const std::string& c)
{
    chemin = c;
    const auto separateur = chemin.find_last_of('/');
    dossier = separateur == std::string::npos ? std::string() : chemin.substr(0, separateur + 1);
    std::error_code ec;
    const std::string installe = dossier + "../share/tarvelle/";
    if (!std::filesystem::exists(dossier + "Son1.wav", ec) && std::filesystem::exists(installe + "Son1.wav", ec))
        dossier = installe;
}
