#include "calc/modele/LigneEntree.h"

#include "calc/modele/LigneUsuelle.h"
#include "funclang/Evaluateur.h"
#include "funclang/Texte.h"

#include <algorithm>
#include <cctype>

namespace {

EvaluationLigne Refus(const std::string& message)
{
    return EvaluationLigne{ValeurErreur, Faute{message, IconeFaute::Erreur}, {}};
}

// The names of a line with the program's rules: each as the 23-character
// text of its value, like any intermediate result. A name glued to a
// number or a name ("2pi", "2 pi") would join its digits: refused.
std::optional<Faute> SubstitueNoms(std::string& texte, const MemoireLigne& memoire)
{
    const std::vector<Jeton> jetons = DecoupeLigne(texte);
    std::string resultat;
    std::size_t copie = 0; // the text copied up to here
    for (std::size_t k = 0; k < jetons.size(); ++k) {
        const Jeton& j = jetons[k];
        // A call keeps its name: a function's, or a text that fails as before.
        const bool appel = k + 1 < jetons.size() && jetons[k + 1].texte == "(";
        if (j.sorte != Jeton::Sorte::Nom || NomReserve(j.texte) || appel)
            continue;
        std::optional<Faute> refus;
        const auto v = ValeurDuNom(j.texte, memoire, refus);
        if (!v)
            return refus;
        const auto colle = [&](std::size_t voisin) {
            return voisin < jetons.size() && jetons[voisin].sorte != Jeton::Sorte::Autre;
        };
        if (colle(k - 1) || colle(k + 1)) // k - 1 wraps past the end for the first token
            return Faute{"Expression incorrecte.", IconeFaute::Erreur};
        const std::size_t debut = static_cast<std::size_t>(j.texte.data() - texte.data());
        std::string valeur = TexteNombre(*v);
        valeur.erase(0, valeur.find_first_not_of(' '));
        resultat += texte.substr(copie, debut - copie) + valeur;
        copie = debut + j.texte.size();
    }
    texte = resultat + texte.substr(copie);
    return std::nullopt;
}

EvaluationLigne EvalueExpression(std::string texte, char lettre, Journal& journal, ReglesLigne regles,
                                 const MemoireLigne& memoire)
{
    if (regles == ReglesLigne::Usuelles)
        return EvalueUsuelle(DecoupeLigne(texte), memoire);
    if (auto refus = SubstitueNoms(texte, memoire))
        return EvaluationLigne{ValeurErreur, std::move(refus), {}};
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
    return EvaluationLigne{e.resultat, std::nullopt, {}};
}

} // namespace

EvaluationLigne EvalueLigne(const std::string& ligne, char lettre, Journal& journal, ReglesLigne regles,
                            const MemoireLigne& memoire)
{
    // Counted in characters: an accent takes two bytes of the text.
    const auto caracteres = std::count_if(ligne.begin(), ligne.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    if (static_cast<std::size_t>(caracteres) > LongueurTexteMax)
        return Refus(ExpressionTropLongue);
    std::string texte = ligne;
    std::replace(texte.begin(), texte.end(), ',', '.'); // "2,5" as French users type it
    const std::optional<Definition> definition = LitDefinition(texte);
    if (!definition)
        return EvalueExpression(std::move(texte), lettre, journal, regles, memoire);
    if (definition->nom.empty() || definition->expression.find('=') != std::string::npos)
        return Refus("Expression incorrecte.");
    if (!NomDeVariable(definition->nom))
        return Refus("Nom de variable incorrect : " + definition->nom + ".");
    EvaluationLigne e = EvalueExpression(definition->expression, lettre, journal, regles, memoire);
    if (!e.faute)
        e.variable = definition->nom;
    return e;
}
