// The calculator's line entry: a result, or the last error with one of its
// messages; the same line twice gives the same outcome.
#include "Verifie.h"
#include "calc/modele/LigneEntree.h"

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
        "Valeur interdite pour ArgTh .", "Expression trop longue.",
        // The plotter's functions that the line entry applies too (log, fact)
        // keep the plotter's messages.
        "Logarithme d'un nombre négatif ou nul .", "Paramètre de factorielle trop grand .",
        "Paramètre de factorielle non entier .", "Paramètre de factorielle négatif ."};
    const std::string ligne(reinterpret_cast<const char*>(donnees), taille);
    const EvaluationLigne e = EvalueLigne(ligne, 0, Jete());
    if (e.faute)
        VERIFIE(messages.count(e.faute->message));
    else
        VERIFIE(std::isfinite(e.valeur));
    const EvaluationLigne f = EvalueLigne(ligne, 0, Jete());
    VERIFIE(f.faute == e.faute && (e.faute || std::memcmp(&e.valeur, &f.valeur, 10) == 0));
    return 0;
}
