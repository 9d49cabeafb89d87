#include "funclang/Normalisation.h"

#include "funclang/Fonctions.h"
#include "funclang/Texte.h"

#include <algorithm>
#include <cctype>

namespace {

bool VariableBienPlacee(const std::string& texte, char lettre)
{
    const auto p = texte.find(lettre);
    if (p == std::string::npos || p == 0)
        return true;
    const char avant = texte[p - 1];
    return avant == '(' || avant == '*' || avant == '+' || avant == '-' || avant == '/';
}

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

void ExpressionIncorrecte(Journal& journal)
{
    journal.push_back({"Expression incorrecte .", IconeFaute::Erreur, GenreErreur::Texte});
}

} // namespace

bool NormaliseNoms(std::string& texte, char lettre, Journal& journal)
{
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    RemplaceTout("e+", "E+", texte);
    RemplaceTout("e-", "E-", texte);
    // The codes are upper case and so are never matched again.
    for (const Fonction& f : LesFonctions())
        RemplaceTout(f.nom, f.code, texte);

    // One pass is enough: a second finds nothing left to rewrite.
    const bool correct = lettre == '\0' || VariableBienPlacee(texte, lettre);
    if (!correct)
        ExpressionIncorrecte(journal);
    return correct;
}

void NormaliseSignes(std::string& texte)
{
    if (!texte.empty() && texte[0] == '-')
        texte = "0.0" + texte;
    if (!texte.empty() && texte[0] == '+')
        texte = "0.0" + texte;

    static constexpr Regle Regles[] = {
        {"++", "+"}, {"(-", "(0.0-"}, {"(+", "(0.0+"}, {"--", "+"}, {"+-", "-"}, {"-+", "-"},
    };
    AppliqueRegles(Regles, texte);
    MarqueOperateursBinaires(texte);
}

void MarqueOperateursBinaires(std::string& texte)
{
    char precedent = '*';
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char& c = texte[i];
        if (c == '+' || c == '-') {
            const bool exposant = i >= 2 && (texte[i - 1] == 'E' || texte[i - 1] == 'e') &&
                                  (EstChiffre(texte[i - 2]) || texte[i - 2] == '.');
            const bool binaire = std::string_view("#~*/^(").find(precedent) == std::string_view::npos;
            if (!exposant && binaire)
                c = c == '+' ? '#' : '~';
        }
        precedent = c;
    }
}

void RemplaceDivision(char lettre, std::string& texte)
{
    const std::string motif{'/', lettre};
    if (texte.find(motif) != std::string::npos)
        RemplaceTout(motif, std::string("*INV(") + lettre + ")", texte);
}

namespace {
// The text as typed, commas read as decimal points ("2,5" as French users
// type it); no text beyond what the evaluators accept.
std::optional<std::string> Preleve(const std::string& saisie, Journal& journal)
{
    if (saisie.size() > LongueurTexteMax) {
        ExpressionIncorrecte(journal);
        return std::nullopt;
    }
    std::string texte = saisie;
    std::replace(texte.begin(), texte.end(), ',', '.');
    return texte;
}
} // namespace

std::optional<std::string> NormaliseFonction(const std::string& saisie, char lettre, Journal& journal)
{
    auto texte = Preleve(saisie, journal);
    if (!texte)
        return std::nullopt;
    NormaliseNoms(*texte, lettre, journal);
    NormaliseSignes(*texte);
    if (lettre != '\0')
        RemplaceDivision(lettre, *texte);
    return texte;
}

std::optional<std::string> NormalisePolynome(const std::string& saisie, Journal& journal)
{
    auto texte = Preleve(saisie, journal);
    if (!texte)
        return std::nullopt;
    // The pieces free of y are texts in x, read by the function evaluator:
    // their names take its codes. Both letters may stand anywhere.
    NormaliseNoms(*texte, '\0', journal);
    NormaliseSignes(*texte);
    return texte;
}
