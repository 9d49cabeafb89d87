// The graph file reader: any bytes end in a content or a refusal, and what
// it accepts is a view the plotter can draw, which writes back to the same
// content.
#include "Verifie.h"
#include "graph/modele/FichierGraphe.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string octets(reinterpret_cast<const char*>(donnees), taille);
    const auto c = LitGraphe(octets);
    if (!c)
        return 0;
    VERIFIE(FenetreCorrecte(c->Fenetre));
    VERIFIE(c->Precision >= 1 && c->Precision <= 10);
    VERIFIE(c->Graduation != 0.0L && std::isfinite(c->Graduation));
    VERIFIE(std::isfinite(c->EtudeMin) && std::isfinite(c->EtudeMax));
    const auto relu = LitGraphe(EcritGraphe(c->Type, c->SaisieX, c->SaisieY, c->Lectures));
    VERIFIE(relu && relu->Type == c->Type && relu->SaisieX == c->SaisieX && relu->SaisieY == c->SaisieY &&
            relu->Lectures == c->Lectures);
    return 0;
}
