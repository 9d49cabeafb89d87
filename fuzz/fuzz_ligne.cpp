// The calculator's line entry: a result, or the last error with one of its
// messages; the same line twice gives the same outcome.
#include "Verifie.h"
#include "calc/LigneEntree.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static const std::set<std::string> messages = {
        "Parenthèses incorrectement placées.", "Il manque une parenthèse ouvrante.",
        "Il manque une parenthèse fermante.", "Division par zéro.", "Dépassement de capacité.",
        "Expression incorrecte.", "Racine carrée d'un nombre négatif.", "division par zéro.",
        "Logarithme d'un nombre négatif ou nul.", "Valeur interdite pour ArcSinus .",
        "Valeur interdite pour ArcCosinus .", "Valeur interdite pour ArgCh .",
        "Valeur interdite pour ArgTh ."};
    const std::string ligne(reinterpret_cast<const char*>(donnees), taille);
    const EvaluationLigne e = EvalueLigne(ligne, TypeCourbe::Aucune, Jete());
    if (e.erreur)
        VERIFIE(messages.count(e.message));
    else
        VERIFIE(e.message == "Ok" && std::isfinite(e.valeur));
    const EvaluationLigne f = EvalueLigne(ligne, TypeCourbe::Aucune, Jete());
    VERIFIE(f.erreur == e.erreur && f.message == e.message &&
            (e.erreur || std::memcmp(&e.valeur, &f.valeur, 10) == 0));
    return 0;
}
