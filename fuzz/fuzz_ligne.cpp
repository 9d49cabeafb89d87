// The calculator's line entry under both rules (the program's with no name
// defined, the usual ones with ans and two variables): a result, or the
// error with one of its messages; the same line twice gives the same
// outcome; a definition names a variable that may be defined.
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
    static const MemoireLigne memoire{{{"a", 2.5L}, {"masse_1", -1E300L}}, 3.0L};
    const auto connu = [](const std::string& message) {
        const auto commence = [&](const char* debut) { return message.rfind(debut, 0) == 0; };
        return messages.count(message) || message == "Puissance non entière d'un nombre négatif." ||
               message == "Pas de réponse précédente." || commence("Variable inconnue : ") ||
               commence("Nom de variable incorrect : ");
    };
    const std::string ligne(reinterpret_cast<const char*>(donnees), taille);
    for (const ReglesLigne regles : {ReglesLigne::Programme, ReglesLigne::Usuelles}) {
        const MemoireLigne& noms = regles == ReglesLigne::Usuelles ? memoire : MemoireLigne{};
        const EvaluationLigne e = EvalueLigne(ligne, 0, Jete(), regles, noms);
        if (e.faute)
            VERIFIE(connu(e.faute->message) && e.variable.empty());
        else
            VERIFIE(std::isfinite(e.valeur) && (e.variable.empty() || NomDeVariable(e.variable)));
        const EvaluationLigne f = EvalueLigne(ligne, 0, Jete(), regles, noms);
        VERIFIE(f.faute == e.faute && (e.faute || std::memcmp(&e.valeur, &f.valeur, 10) == 0));
    }
    return 0;
}
