#include "calc/LigneEntree.h"

#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"
#include "funclang/Texte.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

bool FonctionLigne(const std::string& code, Etendu& x, EvaluationLigne& e)
{
    auto refus = [&](const char* message, bool erreurValeur) {
        e.Echec(message);
        if (erreurValeur)
            x = ValeurErreur;
        return true;
    };
    Etendu r;
    if (code == "CAR") r = x * x;
    else if (code == "RAC") {
        if (x < 0.0L) return refus("Racine carrée d'un nombre négatif.", false);
        r = std::sqrt(x);
    } else if (code == "INV") {
        if (x == 0.0L) return refus("division par zéro.", false);
        r = 1.0L / x;
    } else if (code == "EXP") r = std::exp(x);
    else if (code == "LGN") {
        if (x <= 0.0L) return refus("Logarithme d'un nombre négatif ou nul.", false);
        r = std::log(x);
    } else if (code == "SIN") r = std::sin(x);
    else if (code == "COS") r = std::cos(x);
    else if (code == "TAN") r = std::sin(x) / std::cos(x);
    else if (code == "ATN") r = std::atan(x);
    else if (code == "ASI") {
        if (!(x > -1.0L && x < 1.0L)) return refus("Valeur interdite pour ArcSinus .", true);
        r = std::atan(x / std::sqrt(1.0L - x * x));
    } else if (code == "ACO") {
        if (!(x >= -1.0L && x <= 1.0L)) return refus("Valeur interdite pour ArcCosinus .", true);
        r = ArcCosinus(x);
    } else if (code == "SIH") r = std::sinh(x);
    else if (code == "COH") r = std::cosh(x);
    else if (code == "TAH") r = std::tanh(x);
    else if (code == "ASH") r = std::asinh(x);
    else if (code == "ACH") {
        if (x < 1.0L) return refus("Valeur interdite pour ArgCh .", true);
        r = std::acosh(x);
    } else if (code == "ATH") {
        if (!(x > -1.0L && x < 1.0L)) return refus("Valeur interdite pour ArgTh .", true);
        r = std::atanh(x);
    } else
        return false;
    if (!std::isfinite(r))
        return refus("Dépassement de capacité.", true);
    x = r;
    return true;
}

Etendu CalculeLigne(std::string texte, EvaluationLigne& e)
{
    for (std::string_view niveau : NiveauxOperateurs) {
        for (std::size_t p = 0; p < texte.size(); ++p) {
            const char op = texte[p];
            if (niveau.find(op) == std::string_view::npos)
                continue;
            const auto [debut, fin] = BornesOperandes(texte, p);
            const std::string_view vue(texte);
            Etendu gauche, droite;
            if (!LitOperande(vue.substr(debut, p - debut), gauche) ||
                !LitOperande(vue.substr(p + 1, fin - p - 1), droite)) {
                e.Echec("Expression incorrecte.");
                return ValeurErreur;
            }
            Etendu r = 0.0L;
            switch (op) {
            case '#': r = gauche + droite; break;
            case '~': r = gauche - droite; break;
            case '*': r = gauche * droite; break;
            case '/':
                if (droite == 0.0L)
                    e.Echec("Division par zéro.");
                else
                    r = gauche / droite;
                break;
            case '^':
                if (gauche != 0.0L) {
                    r = std::exp(droite * std::log(gauche));
                    if (!std::isfinite(r)) {
                        e.Echec("Dépassement de capacité.");
                        return ValeurErreur;
                    }
                }
                break;
            }
            if (!std::isfinite(r)) {
                e.Echec("Expression incorrecte.");
                return ValeurErreur;
            }
            const std::string valeur = TexteNombre(r);
            texte.replace(debut, fin - debut, valeur);
            p = debut + valeur.size() - 1;
        }
    }
    Etendu valeur;
    if (!LitOperande(texte, valeur)) {
        e.Echec("Expression incorrecte.");
        return ValeurErreur;
    }
    return valeur;
}

void NormaliseLigne(std::string& texte, EvaluationLigne& e)
{
    static constexpr Regle Regles[] = {{"++", "+"}, {"--", "+"}, {"+-", "-"}, {"-+", "-"}};
    AppliqueRegles(Regles, texte);
    // Reached only when no sign rule applies any more; "1" has nothing left.
    if (texte.find("()") != std::string::npos) {
        e.Echec("Parenthèses incorrectement placées.");
        texte = "1";
    }
    // Unlike the plotter, no "0.0" before a leading sign.
    MarqueOperateursBinaires(texte);
}

void ReduitLigne(std::string& texte, EvaluationLigne& e)
{
    for (std::size_t p = texte.find(')'); p != std::string::npos; p = texte.find(')')) {
        const std::size_t a = p == 0 ? std::string::npos : texte.rfind('(', p - 1);
        // Without an opening bracket the group runs from the start of the text.
        const std::size_t debutGroupe = a == std::string::npos ? 0 : a + 1;
        if (a == std::string::npos) {
            e.Echec("Il manque une parenthèse ouvrante.");
            e.valeur = 1.0L;
        }
        Etendu v = CalculeLigne(texte.substr(debutGroupe, p - debutGroupe), e);
        std::size_t debut = a == std::string::npos ? 0 : a;
        if (a != std::string::npos && a >= 3 && FonctionLigne(texte.substr(a - 3, 3), v, e))
            debut = a - 3;
        texte.replace(debut, p + 1 - debut, TexteNombre(v));
    }
    if (texte.find('(') != std::string::npos) {
        e.Echec("Il manque une parenthèse fermante.");
        e.valeur = 1.0L;
    }
    e.valeur = CalculeLigne(texte, e);
}

EvaluationLigne EvalueLigne(const std::string& ligne, TypeCourbe type, bool sons)
{
    if (ligne.size() > LongueurTexteMax) {
        EvaluationLigne refus;
        refus.Echec("Expression incorrecte.");
        return refus;
    }
    std::string texte = ligne;
    NormaliseNoms(texte, type, sons);
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    EvaluationLigne e;
    NormaliseLigne(texte, e);
    ReduitLigne(texte, e);
    return e;
}
