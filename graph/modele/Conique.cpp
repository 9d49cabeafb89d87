#include "graph/modele/Conique.h"

#include "funclang/Nombres.h"
#include "funclang/Texte.h"

#include <array>
#include <cmath>
#include <utility>

namespace {
// The coefficient text in front of the term at position p: "1" when the
// term starts the text, otherwise what stands before the "*" preceding it.
std::string Coefficient(const std::string& texte, std::size_t p)
{
    if (p == std::string::npos)
        return "0";
    if (p == 0)
        return "1";
    return texte.substr(0, p - 1);
}
} // namespace

TextesConique CoefficientsConique(std::string texte)
{
    TextesConique t;
    std::size_t p = texte.find("y^2");
    if (p != std::string::npos && p > 0 && texte[p - 1] == '~') {
        texte.insert(p, "1.0*");
        p += 4;
    }
    t.A = Coefficient(texte, p);
    if (p != std::string::npos)
        texte.erase(0, p + 3);
    if (!texte.empty() && texte[0] == '~')
        texte.replace(0, 1, "-1.0*");
    else if (!texte.empty() && texte[0] == '#')
        texte.erase(0, 1);
    const std::size_t q = texte.find('y');
    t.B = Coefficient(texte, q);
    if (q != std::string::npos)
        texte.erase(0, q + 1);
    // What remains is added to 0; its own leading sign is the operator.
    if (texte.empty())
        t.C = "0";
    else if (texte[0] == '#' || texte[0] == '~')
        t.C = "0.0" + texte;
    else
        t.C = "0.0#" + texte;
    return t;
}

namespace {

// The coefficient texts of a polynomial in y: coefficient k of y^k, the
// empty text for 0. Every piece is bracketed, so the evaluator reads it as
// one operand whatever it holds.
using Coefficients = std::array<std::string, 3>;

std::string Somme(const std::string& a, char op, const std::string& b)
{
    if (b.empty())
        return a;
    if (a.empty())
        return op == '#' ? b : "(0.0~(" + b + "))";
    return "(" + a + ")" + op + "(" + b + ")";
}

std::string Produit(const std::string& a, char op, const std::string& b)
{
    if (a.empty() || b.empty())
        return std::string();
    return "(" + a + ")" + op + "(" + b + ")";
}

// A piece of the text: free of y (its text as written is then its
// coefficient 0), or a polynomial in y of the given degree.
struct Piece {
    bool enY = false;
    int degre = 0;
    Coefficients c;

    static Piece Y()
    {
        Piece p;
        p.enY = true;
        p.degre = 1;
        p.c[1] = "1";
        return p;
    }
};

// a * b or a / b (b free of y), the terms beyond y^2 dropped: the caller
// refuses a degree above 2.
Piece Multiplie(const Piece& a, char op, const Piece& b)
{
    Piece p;
    p.enY = true;
    p.degre = a.degre + (op == '*' ? b.degre : 0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; i + j < 3; ++j)
            p.c[i + j] = Somme(p.c[i + j], '#', Produit(a.c[i], op, b.c[j]));
    return p;
}

// The text read by operator levels as the evaluator reads it: "#" and "~",
// then "*" and "/", then "^", each from left to right; a sign binds to the
// operand, bracket or call that follows it.
class LecteurConique {
public:
    explicit LecteurConique(const std::string& texte) : s_(texte) {}

    struct Terme {
        char op;            // '#' for the first
        std::string texte;  // as written
        bool enY;
    };

    std::optional<Piece> Lit(std::vector<Terme>* termes)
    {
        termes_ = termes;
        std::optional<Piece> p = LitSomme();
        Car();
        if (p && i_ != s_.size())
            return std::nullopt; // the whole text is read, a NUL in it included
        return p;
    }

private:
    char Car()
    {
        while (i_ < s_.size() && s_[i_] == ' ')
            ++i_;
        return i_ < s_.size() ? s_[i_] : '\0';
    }

    // A piece free of y keeps its text as written, from debut to here.
    Piece Libre(std::size_t debut) const
    {
        Piece p;
        p.c[0] = s_.substr(debut, i_ - debut);
        return p;
    }

    std::optional<Piece> LitSomme()
    {
        std::vector<Terme>* termes = termes_;
        termes_ = nullptr; // only the top level's terms are kept
        const std::size_t debut = i_;
        char op = '#';
        std::optional<Piece> resultat;
        for (;;) {
            const std::size_t debutTerme = (Car(), i_);
            std::optional<Piece> terme = LitProduit();
            if (!terme)
                return std::nullopt;
            if (termes)
                termes->push_back({op, s_.substr(debutTerme, i_ - debutTerme), terme->enY});
            if (!resultat) {
                resultat = terme;
            } else if (!terme->enY && resultat->enY) {
                // A term free of y joins coefficient 0 as written, without a
                // bracket: a long sum stays as long as it was typed.
                std::string& c0 = resultat->c[0];
                c0 = c0.empty() ? (op == '#' ? terme->c[0] : "0.0~" + terme->c[0]) : c0 + op + terme->c[0];
            } else if (terme->enY) {
                Piece p;
                p.enY = true;
                p.degre = std::max(resultat->degre, terme->degre);
                const Coefficients a = resultat->c, b = terme->c;
                for (int k = 0; k < 3; ++k)
                    p.c[k] = Somme(a[k], op, b[k]);
                resultat = p;
            } else {
                resultat = Libre(debut);
            }
            if (Car() != '#' && Car() != '~')
                return resultat;
            op = s_[i_++];
        }
    }

    std::optional<Piece> LitProduit()
    {
        const std::size_t debut = i_;
        std::optional<Piece> a = LitPuissance();
        while (a && (Car() == '*' || Car() == '/')) {
            const char op = s_[i_++];
            const std::optional<Piece> b = LitPuissance();
            if (!b || (op == '/' && b->enY))
                return std::nullopt; // no division by y
            if (!a->enY && !b->enY) {
                a = Libre(debut);
                continue;
            }
            a = Multiplie(*a, op, *b);
            if (a->degre > 2)
                return std::nullopt;
        }
        return a;
    }

    std::optional<Piece> LitPuissance()
    {
        const std::size_t debut = i_;
        std::optional<Piece> a = LitSigne();
        while (a && Car() == '^') {
            ++i_;
            const std::size_t debutExposant = i_;
            const std::optional<Piece> e = LitSigne();
            if (!e || e->enY)
                return std::nullopt;
            if (!a->enY) {
                a = Libre(debut);
                continue;
            }
            // A power of y: a whole exponent, 1 or 2.
            std::string exposant = s_.substr(debutExposant, i_ - debutExposant);
            while (!exposant.empty() && exposant.back() == ' ')
                exposant.pop_back();
            const std::optional<Etendu> n = LitNombre(exposant);
            if (!n || (*n != 1.0L && *n != 2.0L) || a->degre * static_cast<int>(*n) > 2)
                return std::nullopt;
            if (*n == 2.0L)
                a = Multiplie(*a, '*', *a);
        }
        return a;
    }

    std::optional<Piece> LitSigne()
    {
        const std::size_t debut = (Car(), i_);
        const char signe = Car();
        if (signe == '+' || signe == '-')
            ++i_;
        std::optional<Piece> p = LitPrimaire();
        if (!p)
            return std::nullopt;
        if (!p->enY)
            return Libre(debut);
        if (signe == '-')
            for (std::string& c : p->c)
                c = Somme(std::string(), '~', c);
        return p;
    }

    std::optional<Piece> LitPrimaire()
    {
        const std::size_t debut = i_;
        while (i_ < s_.size() && std::string_view("()#~*/^").find(s_[i_]) == std::string_view::npos)
            ++i_;
        std::string atome = s_.substr(debut, i_ - debut);
        while (!atome.empty() && atome.back() == ' ')
            atome.pop_back();
        if (Car() == '(') {
            // A bracket, or a call of what stands before it: y may not be
            // inside a call, nor glued to its name.
            if (atome.find('y') != std::string::npos || ++profondeur_ > ProfondeurConiqueMax)
                return std::nullopt;
            ++i_;
            std::optional<Piece> dedans = LitSomme();
            if (!dedans || Car() != ')')
                return std::nullopt;
            ++i_;
            --profondeur_;
            if (!atome.empty() && dedans->enY)
                return std::nullopt;
            return dedans->enY ? dedans : Libre(debut);
        }
        if (atome == "y")
            return Piece::Y();
        if (atome.empty() || atome.find('y') != std::string::npos)
            return std::nullopt;
        return Libre(debut);
    }

    const std::string& s_;
    std::size_t i_ = 0;
    int profondeur_ = 0;
    std::vector<Terme>* termes_ = nullptr;
};

bool LibreDeY(const std::string& texte) { return texte.find('y') == std::string::npos; }

// A term "k*<puissance>" or "<puissance>" alone, k free of y.
bool TermeEn(const std::string& terme, const std::string& puissance, bool seulPermis)
{
    if (terme == puissance)
        return seulPermis;
    const std::string fin = "*" + puissance;
    return terme.size() > fin.size() && terme.compare(terme.size() - fin.size(), fin.size(), fin) == 0 &&
           LibreDeY(terme.substr(0, terme.size() - fin.size()));
}

} // namespace

std::optional<TextesConique> DeveloppeConique(const std::string& texte)
{
    const std::optional<Piece> p = LecteurConique(texte).Lit(nullptr);
    if (!p)
        return std::nullopt;
    const Coefficients& c = p->c;
    // The evaluator takes texts of LongueurTexteMax characters at most.
    for (const std::string& t : c)
        if (t.size() > LongueurTexteMax)
            return std::nullopt;
    auto ou0 = [](const std::string& t) { return t.empty() ? std::string("0") : t; };
    return TextesConique{ou0(c[2]), ou0(c[1]), ou0(c[0])};
}

bool FormeDeLIndication(const std::string& texte)
{
    std::vector<LecteurConique::Terme> termes;
    if (texte.find(' ') != std::string::npos || !LecteurConique(texte).Lit(&termes))
        return false;
    std::size_t k = 0;
    // "0.0" before a leading sign ("-y^2+1" is "0.0~y^2#1").
    const bool signe = termes.size() > 1 && termes[0].texte == "0.0";
    if (signe)
        k = 1;
    // The reading takes a bare "y^2" or "y" as coefficient 1 only at the
    // start, a bare "y^2" after "0.0~" as -1, a bare "y" right after y^2.
    const bool carre = k < termes.size() &&
                       TermeEn(termes[k].texte, "y^2", !signe || termes[k].op == '~');
    if (carre)
        ++k;
    if (k < termes.size() && TermeEn(termes[k].texte, "y", carre || !signe))
        ++k;
    for (; k < termes.size(); ++k)
        if (termes[k].enY)
            return false;
    return true;
}

std::optional<TextesConique> TextesDeLaConique(const std::string& texte)
{
    if (FormeDeLIndication(texte))
        return CoefficientsConique(texte);
    return DeveloppeConique(texte);
}

std::vector<Etendu> RacinesConique(Etendu A, Etendu B, Etendu C)
{
    std::vector<Etendu> racines;
    auto ajoute = [&racines](Etendu y) {
        if (std::isfinite(y))
            racines.push_back(y);
    };
    if (A == 0.0L) {
        if (B != 0.0L)
            ajoute(-C / B);
        return racines;
    }
    const Etendu d = B * B - 4.0L * A * C;
    if (d == 0.0L)
        ajoute(-B / (2.0L * A));
    else if (d > 0.0L) {
        ajoute((-B - std::sqrt(d)) / (2.0L * A));
        ajoute((std::sqrt(d) - B) / (2.0L * A));
    }
    return racines;
}
