#include "funclang/Evaluateur.h"

#include "funclang/Nombres.h"
#include "funclang/Texte.h"

#include <climits>
#include <cmath>
#include <string_view>

namespace {

// Powers by an integer up to this exponent are the literal repeated product;
// beyond it, repeated squaring keeps a plot of x^2147483647 from taking
// minutes for every point.
constexpr long ProduitLitteralMax = 65536;

Evaluation Echec(const char* message, Etendu valeur)
{
    return Evaluation{valeur, message, true};
}

Evaluation Succes(Etendu valeur) { return Evaluation{valeur, std::string(), false}; }

Evaluation PuissanceEntiere(Etendu base, long n)
{
    Etendu p = 1.0L;
    if (n <= ProduitLitteralMax) {
        for (long i = 0; i < n; ++i)
            p = p * base;
    } else {
        for (Etendu facteur = base; n > 0; n >>= 1) {
            if (n & 1)
                p = p * facteur;
            if (n > 1)
                facteur = facteur * facteur;
        }
    }
    if (!std::isfinite(p))
        return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
    return Succes(p);
}

Evaluation Puissance(Etendu gauche, Etendu droite)
{
    if (gauche == 0.0L)
        return Succes(0.0L);
    if (droite == 0.0L)
        return Succes(1.0L);
    const Etendu arrondi = std::nearbyint(droite);
    if (arrondi > static_cast<Etendu>(INT_MAX) || arrondi < static_cast<Etendu>(INT_MIN))
        return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
    if (droite == arrondi) {
        const long n = static_cast<long>(arrondi);
        if (n <= -1)
            return Echec(Messages::SyntaxeNonSupportee, ValeurErreur);
        return PuissanceEntiere(gauche, n);
    }
    const Etendu r = std::exp(droite * std::log(gauche));
    if (!std::isfinite(r))
        return Echec(Messages::Depassement, ValeurErreur);
    return Succes(r);
}

Evaluation Operation(char op, Etendu gauche, Etendu droite)
{
    Etendu r = 0.0L;
    switch (op) {
    case '^': return Puissance(gauche, droite);
    case '#': r = gauche + droite; break;
    case '~': r = gauche - droite; break;
    case '*': r = gauche * droite; break;
    case '/':
        if (droite == 0.0L)
            return Echec(Messages::DivisionParZero, 1.0L);
        r = gauche / droite;
        break;
    }
    if (!std::isfinite(r))
        return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
    return Succes(r);
}

} // namespace

Etendu Factorielle(int n)
{
    Etendu f = 1.0L;
    for (int i = 2; i <= n; ++i)
        f = f * i;
    return f;
}

Etendu ArcCosinus(Etendu x)
{
    if (x == 0.0L)
        return PiEtendu / 2.0L;
    const Etendu r = std::atan(std::sqrt(1.0L - x * x) / x);
    return x < 0.0L ? r + PiEtendu : r;
}

bool AppliqueFonction(const std::string& code, Evaluation& e)
{
    const Etendu x = e.resultat;
    auto refus = [&e](const char* message) {
        e = Echec(message, ValeurErreur);
        return true;
    };
    Etendu r;
    if (code == "INT") r = std::trunc(x);
    else if (code == "FRC") r = x - std::trunc(x);
    else if (code == "ABS") r = std::fabs(x);
    else if (code == "CAR") r = x * x;
    else if (code == "CUB") r = x * x * x;
    else if (code == "SGN") r = x < 0.0L ? -1.0L : 1.0L;
    else if (code == "RAC") {
        if (x < 0.0L) return refus("Racine carrée d'un nombre négatif .");
        r = std::sqrt(x);
    } else if (code == "INV") {
        if (x == 0.0L) return refus(Messages::DivisionParZero);
        r = 1.0L / x;
    } else if (code == "EXP") r = std::exp(x);
    else if (code == "LGN" || code == "LOG") {
        if (x <= 0.0L) return refus("Logarithme d'un nombre négatif ou nul .");
        r = code == "LGN" ? std::log(x) : std::log10(x);
    } else if (code == "SIN") r = std::sin(x);
    else if (code == "COS") r = std::cos(x);
    else if (code == "TAN") r = std::sin(x) / std::cos(x);
    else if (code == "ATN") r = std::atan(x);
    else if (code == "RAD") r = x * PiEtendu * (1.0L / 180.0L);
    else if (code == "DEG") r = x * 180.0L * (1.0L / PiEtendu);
    else if (code == "FAC") {
        if (x > 1754.0L) return refus("Paramètre de factorielle trop grand .");
        if (x != std::trunc(x)) return refus("Paramètre de factorielle non entier .");
        if (x < 0.0L) return refus("Paramètre de factorielle négatif .");
        r = Factorielle(static_cast<int>(std::nearbyint(x)));
    } else if (code == "ASI") {
        if (!(x > -1.0L && x < 1.0L)) return refus("Valeur interdite pour ArcSinus .");
        r = std::atan2(x, std::sqrt(1.0L - x * x));
    } else if (code == "ACO") {
        if (!(x >= -1.0L && x <= 1.0L)) return refus("Valeur interdite pour ArcCosinus .");
        r = ArcCosinus(x);
    } else if (code == "SIH") r = std::sinh(x);
    else if (code == "COH") r = std::cosh(x);
    else if (code == "TAH") r = std::tanh(x);
    else if (code == "ASH") r = std::asinh(x);
    else if (code == "ACH") {
        if (x < 1.0L) return refus("Valeur interdite pour ArgCh .");
        r = std::acosh(x);
    } else if (code == "ATH") {
        if (!(x > -1.0L && x < 1.0L)) return refus("Valeur interdite pour ArgTh .");
        r = std::atanh(x);
    } else
        return false;
    if (!std::isfinite(r))
        return refus(Messages::Depassement);
    e = Succes(r);
    return true;
}

Evaluation EvalueSansParentheses(std::string& texte)
{
    for (std::string_view niveau : NiveauxOperateurs) {
        for (std::size_t p = 0; p < texte.size(); ++p) {
            if (niveau.find(texte[p]) == std::string_view::npos)
                continue;
            const auto [debutGauche, fin] = BornesOperandes(texte, p);
            Etendu gauche, droite;
            const std::string_view vue(texte);
            if (!LitOperande(vue.substr(debutGauche, p - debutGauche), gauche) ||
                !LitOperande(vue.substr(p + 1, fin - p - 1), droite))
                return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
            const Evaluation r = Operation(texte[p], gauche, droite);
            if (r.erreur)
                return r;
            const std::string valeur = TexteNombre(r.resultat);
            texte.replace(debutGauche, fin - debutGauche, valeur);
            p = debutGauche + valeur.size() - 1; // the scan goes on after the number
        }
    }
    Etendu valeur;
    if (!LitOperande(texte, valeur))
        return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
    return Succes(valeur);
}

Evaluation ReduitParentheses(std::string texte)
{
    for (std::size_t p = texte.find(')'); p != std::string::npos; p = texte.find(')')) {
        const std::size_t q = p == 0 ? std::string::npos : texte.rfind('(', p - 1);
        if (q == std::string::npos)
            return Echec(Messages::ParentheseOuvrante, 1.0L);
        std::string dedans = texte.substr(q + 1, p - q - 1);
        Evaluation e = EvalueSansParentheses(dedans);
        if (e.erreur)
            return e;
        std::size_t debut = q;
        if (q >= 3 && AppliqueFonction(texte.substr(q - 3, 3), e)) {
            if (e.erreur)
                return e;
            debut = q - 3;
        }
        texte.replace(debut, p + 1 - debut, TexteNombre(e.resultat));
    }
    if (texte.find('(') != std::string::npos)
        return Echec(Messages::ParentheseFermante, 1.0L);
    return EvalueSansParentheses(texte);
}

void SubstitueVariables(std::string& texte, std::span<const char> lettres,
                        std::span<const Etendu> valeurs)
{
    for (std::size_t i = 0; i < lettres.size() && i < valeurs.size(); ++i)
        RemplaceTout(std::string(1, lettres[i]), TexteNombre(valeurs[i]), texte);
}

Evaluation Evalue(const std::string& texte, std::span<const char> lettres,
                  std::span<const Etendu> valeurs)
{
    if (texte.size() > LongueurTexteMax)
        return Echec(Messages::ExpressionIncorrecte, ValeurErreur);
    std::string t = texte;
    SubstitueVariables(t, lettres, valeurs);
    return ReduitParentheses(std::move(t));
}

Evaluation Evalue(const std::string& texte, char lettre, Etendu valeur)
{
    return Evalue(texte, std::span<const char>(&lettre, 1), std::span<const Etendu>(&valeur, 1));
}
