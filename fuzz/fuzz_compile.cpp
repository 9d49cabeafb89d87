// The compiled evaluator against the text evaluator that defines the
// results: texts from the grammar, normalised for a curve type, evaluated
// both ways at values of the variable; the value's bits, the message and
// the kind of error must be the same. The conic path too, where the
// variable's text joins the characters before it.
#include "Chemins.h"
#include "Generateur.h"
#include "Verifie.h"
#include "funclang/Normalisation.h"
#include "graph/modele/TypeCourbe.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    std::size_t i = 0;
    auto octet = [&]() -> unsigned { return i < taille ? donnees[i++] : 0u; };
    GenerateurTexte<decltype(octet)> g(octet);
    const unsigned choix = octet() % 3;
    const TypeCourbe type = choix == 0 ? TypeCourbe::Carte : choix == 1 ? TypeCourbe::Polr : TypeCourbe::Cone;
    const char lettre = type == TypeCourbe::Polr ? 't' : 'x';
    const std::string saisie = g.Texte(lettre);
    const auto interne = NormaliseFonction(saisie, type, Jete());
    if (!interne)
        return 0;
    const long double valeurs[] = {g.Valeur(), g.Valeur(), g.Valeur()};
    VERIFIE(CompareChemins(*interne, lettre, valeurs, type != TypeCourbe::Cone));
    return 0;
}
