#include "funclang/Evaluateur.h"

#include "funclang/Nombres.h"
#include "funclang/Operations.h"
#include "funclang/Texte.h"

#include <climits>
#include <cmath>

const Dialecte DialecteFonctions{false,
                                 Messages::ParentheseOuvrante,
                                 Messages::ParentheseFermante,
                                 Messages::DivisionParZero,
                                 Messages::Depassement,
                                 Messages::ExpressionIncorrecte,
                                 Messages::SyntaxeNonSupportee};
const Dialecte DialecteLigne{true,
                             "Il manque une parenthèse ouvrante.",
                             "Il manque une parenthèse fermante.",
                             "Division par zéro.",
                             "Dépassement de capacité.",
                             "Expression incorrecte.",
                             "Syntaxe non supportée."};

Evaluation EvaluationDe(const Echec& e) { return Evaluation{e.valeur, Faute{e.message, e.icone, e.genre}}; }

namespace {

// The real text: values are written as their 23-character text.
class TexteReel {
public:
    using Valeur = Etendu;

    TexteReel(std::string texte, const Dialecte& d) : s_(std::move(texte)), d_(d) {}

    std::size_t Taille() const { return s_.size(); }
    char Car(std::size_t i) const { return s_[i]; }
    TexteReel Extrait(std::size_t debut, std::size_t fin) const { return {s_.substr(debut, fin - debut), d_}; }
    std::optional<Etendu> Operande(std::size_t debut, std::size_t fin) const
    {
        return LitOperandeEntier(std::string_view(s_).substr(debut, fin - debut));
    }
    std::optional<Etendu> Final() const
    {
        // An empty text (or blanks alone) is 0.
        if (s_.find_first_not_of(' ') == std::string::npos)
            return 0.0L;
        return LitOperandeEntier(s_);
    }
    std::optional<Echec> Opere(char op, Etendu a, Etendu b, Etendu& r) const { return ::Opere(op, a, b, d_, r); }
    std::optional<Echec> Applique(const Fonction& f, Etendu& v) const { return ::Applique(f, v, d_); }
    static Etendu Oppose(Etendu v) { return -v; }
    std::size_t Remplace(std::size_t debut, std::size_t fin, Etendu v)
    {
        const std::string texte = TexteNombre(v);
        s_.replace(debut, fin - debut, texte);
        return texte.size();
    }

private:
    std::string s_;
    const Dialecte& d_;
};

} // namespace

Evaluation ReduitAvec(std::string texte, const Dialecte& d)
{
    TexteReel t(std::move(texte), d);
    Etendu v = 0.0L;
    if (const auto e = reecriture::Parentheses(t, d, v))
        return EvaluationDe(*e);
    return Evaluation{v, std::nullopt};
}

Evaluation ReduitParentheses(std::string texte) { return ReduitAvec(std::move(texte), DialecteFonctions); }

void SubstitueVariables(std::string& texte, std::span<const char> lettres,
                        std::span<const Etendu> valeurs, bool blancInitial)
{
    auto ecrit = [blancInitial](Etendu v) {
        std::string t = TexteNombre(v);
        if (!blancInitial && t[0] == ' ')
            t.erase(0, 1);
        return t;
    };
    for (std::size_t i = 0; i < lettres.size() && i < valeurs.size(); ++i) {
        // Number texts hold no lower-case letter: one pass from the left.
        std::string resultat;
        for (std::size_t p = 0; p < texte.size(); ++p) {
            if (texte[p] != lettres[i]) {
                resultat += texte[p];
                continue;
            }
            Etendu v = valeurs[i];
            if (!resultat.empty() && reecriture::SigneUnaire(reecriture::VueTexte{resultat}, resultat.size() - 1)) {
                if (resultat.back() == '-')
                    v = -v;
                resultat.pop_back();
            }
            resultat += ecrit(v);
        }
        texte.swap(resultat);
    }
}

Evaluation Evalue(const std::string& texte, std::span<const char> lettres,
                  std::span<const Etendu> valeurs)
{
    if (texte.size() > LongueurTexteMax)
        return EvaluationDe(Echec{Messages::ExpressionIncorrecte, ValeurErreur, GenreErreur::Texte});
    std::string t = texte;
    SubstitueVariables(t, lettres, valeurs);
    return ReduitParentheses(std::move(t));
}

Evaluation Evalue(const std::string& texte, char lettre, Etendu valeur)
{
    return Evalue(texte, std::span<const char>(&lettre, 1), std::span<const Etendu>(&valeur, 1));
}
