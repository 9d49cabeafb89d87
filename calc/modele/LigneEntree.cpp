#include "calc/modele/LigneEntree.h"

#include "funclang/Evaluateur.h"
#include "funclang/Texte.h"

#include <algorithm>
#include <cctype>

namespace {

EvaluationLigne Refus(const std::string& message)
{
    return EvaluationLigne{ValeurErreur, Faute{message, IconeFaute::Erreur}};
}

} // namespace

EvaluationLigne EvalueLigne(const std::string& ligne, char lettre, Journal& journal)
{
    // Counted in characters: an accent takes two bytes of the text.
    const auto caracteres = std::count_if(ligne.begin(), ligne.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    if (static_cast<std::size_t>(caracteres) > LongueurTexteMax)
        return Refus(ExpressionTropLongue);
    std::string texte = ligne;
    std::replace(texte.begin(), texte.end(), ',', '.'); // "2,5" as French users type it
    // The names step checks the place of the plotter's letters only.
    NormaliseNoms(texte, lettre == 'x' || lettre == 't' ? lettre : '\0', journal);
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr Regle Regles[] = {{"++", "+"}, {"--", "+"}, {"+-", "-"}, {"-+", "-"}};
    AppliqueRegles(Regles, texte);
    if (texte.find("()") != std::string::npos)
        return Refus("Parenthèses incorrectement placées.");
    // Unlike the plotter, no "0.0" before a leading sign: it binds to what follows.
    MarqueOperateursBinaires(texte);
    const Evaluation e = ReduitAvec(std::move(texte), DialecteLigne);
    if (e.faute)
        return Refus(e.faute->message);
    return EvaluationLigne{e.resultat, std::nullopt};
}
