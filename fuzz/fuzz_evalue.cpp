// The plotter's path: a function text normalised for a curve type, then
// evaluated at a value of its variable; and the conic path, the raw text
// through the brackets step. Always a finite value and either success or one
// of the evaluator's messages with its value; the same input twice gives the
// same outcome.
#include "Verifie.h"
#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"
#include "funclang/Normalisation.h"
#include "graph/modele/TypeCourbe.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

namespace {

const std::set<std::string> MessagesUn = {Messages::ParentheseOuvrante, Messages::ParentheseFermante,
                                          Messages::DivisionParZero};
const std::set<std::string> MessagesErreur = {
    Messages::DivisionParZero, Messages::SyntaxeNonSupportee, Messages::Depassement,
    Messages::ExpressionIncorrecte, "Racine carrée d'un nombre négatif .",
    "Logarithme d'un nombre négatif ou nul .", "Paramètre de factorielle trop grand .",
    "Paramètre de factorielle non entier .", "Paramètre de factorielle négatif .",
    "Valeur interdite pour ArcSinus .", "Valeur interdite pour ArcCosinus .",
    "Valeur interdite pour ArgCh .", "Valeur interdite pour ArgTh ."};

void VerifieIssue(const Evaluation& e)
{
    VERIFIE(std::isfinite(e.resultat));
    if (!e.faute)
        return;
    const std::string& message = e.faute->message;
    VERIFIE(MessagesUn.count(message) || MessagesErreur.count(message));
    if (message == Messages::DivisionParZero)
        VERIFIE(e.resultat == 1.0L || e.resultat == ValeurErreur);
    else if (MessagesUn.count(message))
        VERIFIE(e.resultat == 1.0L);
    else
        VERIFIE(e.resultat == ValeurErreur);
}

bool Meme(const Evaluation& a, const Evaluation& b)
{
    return std::memcmp(&a.resultat, &b.resultat, 10) == 0 && a.faute == b.faute;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 1)
        return 0;
    static constexpr long double Valeurs[] = {0.0L, -2.0L, 3.0L, 0.5L, -0.0L, 1e300L, -1e-300L,
                                              1e4000L, 3.14159265358979L, 1754.0L, -1.0L, 1.0L};
    const std::uint8_t choix = donnees[0];
    long double x = Valeurs[choix % (sizeof Valeurs / sizeof Valeurs[0])];
    std::size_t debut = 1;
    if (choix >= 240 && taille >= 11) {
        std::memcpy(&x, donnees + 1, 10);
        if (!std::isfinite(x))
            x = 0.0L;
        debut = 11;
    }
    const std::string saisie(reinterpret_cast<const char*>(donnees) + debut, taille - debut);
    const bool polaire = choix & 1;
    const auto interne = NormaliseFonction(saisie, polaire ? TypeCourbe::Polr : TypeCourbe::Carte, Jete());
    if (interne) {
        const char lettre = polaire ? 't' : 'x';
        const Evaluation e = Evalue(*interne, lettre, x);
        VerifieIssue(e);
        VERIFIE(Meme(e, Evalue(*interne, lettre, x)));
    }
    if (saisie.size() <= 2000) {
        const Evaluation c = ReduitParentheses(saisie);
        VerifieIssue(c);
    }
    return 0;
}
