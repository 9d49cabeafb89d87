// The settings loader on any bytes: it always ends with values the windows
// know, writes a file it reads back the same, and never depends on chance.
#include "Verifie.h"
#include "app/modele/Chemins.h"
#include "app/modele/Options.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

TOptions Charge(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille)
{
    {
        std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    }
    TOptions o;
    ChargeOptions(o);
    return o;
}

void VerifieDomaine(const TOptions& o)
{
    VERIFIE(o.NbBoutons == 2 || o.NbBoutons == 3);
    VERIFIE(o.TailleMatrices == 5 || o.TailleMatrices == 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static const std::string dossier = [] {
        const auto d = std::filesystem::temp_directory_path() / ("tarvelle-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    const std::string chemin = dossier + "/Tv32.ini";
    DefinitCheminReglages(chemin);
    DefinitCheminProgramme(dossier + "/tarvelle");

    const TOptions o = Charge(chemin, donnees, taille);
    VerifieDomaine(o);
    const TOptions encore = Charge(chemin, donnees, taille);
    VERIFIE(encore.TypeMachine == o.TypeMachine && encore.NbBoutons == o.NbBoutons &&
            encore.SonsOptions == o.SonsOptions && encore.TailleMatrices == o.TailleMatrices);

    EnregistreOptions(o);
    TOptions relu;
    ChargeOptions(relu);
    VerifieDomaine(relu);
    VERIFIE(relu.NbBoutons == o.NbBoutons && relu.SonsOptions == o.SonsOptions &&
            relu.TailleMatrices == o.TailleMatrices);
    VERIFIE((relu.TypeMachine == "classique") == (o.TypeMachine == "classique"));
    return 0;
}
