#include "funclang/Programme.h"

#include "funclang/Arrondi.h"
#include "funclang/Derivees.h"
#include "funclang/Nombres.h"
#include "funclang/Operations.h"
#include "funclang/Texte.h"

#include <cmath>

// The text as the compiler sees it: characters, and values standing for
// the text of a register.
class TexteSymbolique {
public:
    using Valeur = std::uint32_t;
    struct Jeton {
        char c;
        std::int32_t registre; // -1 for a character
        bool sansBlanc;
    };

    TexteSymbolique(std::vector<Jeton> jetons, Programme::Compile& p) : j_(std::move(jetons)), p_(p) {}

    std::size_t Taille() const { return j_.size(); }
    // A value reads as a character that is no operator, bracket or letter.
    char Car(std::size_t i) const { return j_[i].registre >= 0 ? '\x01' : j_[i].c; }
    TexteSymbolique Extrait(std::size_t debut, std::size_t fin) const
    {
        return {std::vector<Jeton>(j_.begin() + debut, j_.begin() + fin), p_};
    }

    std::optional<Valeur> Operande(std::size_t debut, std::size_t fin)
    {
        if (debut == fin)
            return std::nullopt; // an empty operand
        // Characters alone: read now. One value with blanks around it: that
        // value. Anything else glues a value's text to characters: read the
        // text built at run time.
        std::size_t valeurs = 0, autres = 0, place = debut;
        std::string litteral;
        for (std::size_t i = debut; i < fin; ++i) {
            if (j_[i].registre >= 0) {
                ++valeurs;
                place = i;
            } else {
                litteral += j_[i].c;
                autres += j_[i].c != ' ';
            }
        }
        if (valeurs == 0) {
            const std::optional<Etendu> v = LitOperandeEntier(litteral);
            if (!v)
                return std::nullopt;
            p_.constantes_.push_back(*v);
            return p_.Emet({Programme::Code::Constante, 0, static_cast<std::uint32_t>(p_.constantes_.size() - 1), 0, nullptr});
        }
        if (valeurs == 1 && autres == 0) // blanks around one value: it reads whole
            return static_cast<Valeur>(j_[place].registre);
        std::vector<Programme::Morceau> morceaux;
        for (std::size_t i = debut; i < fin; ++i) {
            if (j_[i].registre >= 0)
                morceaux.push_back({std::string(), j_[i].registre, j_[i].sansBlanc});
            else if (!morceaux.empty() && morceaux.back().registre < 0)
                morceaux.back().litteral += j_[i].c;
            else
                morceaux.push_back({std::string(1, j_[i].c), -1, false});
        }
        p_.assemblages_.push_back(std::move(morceaux));
        return p_.Emet({Programme::Code::Assemble, 0, static_cast<std::uint32_t>(p_.assemblages_.size() - 1), 0, nullptr});
    }

    std::optional<Valeur> Final()
    {
        bool rien = true;
        for (const Jeton& j : j_)
            rien = rien && j.registre < 0 && j.c == ' ';
        if (rien) {
            p_.constantes_.push_back(0.0L);
            return p_.Emet({Programme::Code::Constante, 0, static_cast<std::uint32_t>(p_.constantes_.size() - 1), 0, nullptr});
        }
        return Operande(0, j_.size());
    }

    std::optional<Echec> Opere(char op, Valeur a, Valeur b, Valeur& r)
    {
        r = p_.Emet({Programme::Code::Operation, op, a, b, nullptr});
        return std::nullopt;
    }
    std::optional<Echec> Applique(const Fonction& f, Valeur& v)
    {
        v = p_.Emet({Programme::Code::Fonction, 0, v, 0, &f});
        return std::nullopt;
    }
    Valeur Oppose(Valeur v) { return p_.Emet({Programme::Code::Oppose, 0, v, 0, nullptr}); }
    std::size_t Remplace(std::size_t debut, std::size_t fin, Valeur v)
    {
        v = p_.Reecrit(v);
        j_.erase(j_.begin() + debut + 1, j_.begin() + fin);
        j_[debut] = Jeton{'\x01', static_cast<std::int32_t>(v), false};
        return 1;
    }

private:
    std::vector<Jeton> j_;
    Programme::Compile& p_;
};

std::uint32_t Programme::Compile::Emet(Instruction i)
{
    code_.push_back(i);
    return static_cast<std::uint32_t>(code_.size() - 1);
}

std::uint32_t Programme::Compile::Reecrit(std::uint32_t registre)
{
    switch (code_[registre].code) {
    case Code::Variable:
    case Code::Operation:
    case Code::Fonction:
    case Code::Reecrit: return registre;
    default: return Emet({Code::Reecrit, 0, registre, 0, nullptr});
    }
}

Programme::Programme(const std::string& texte, char lettre, bool blancInitial)
{
    auto compile = std::make_shared<Compile>();
    Compile& p = *compile;
    auto arrete = [&p](const Echec& e) {
        p.arrets_.push_back(e);
        p.resultat_ = p.Emet({Code::Arret, 0, static_cast<std::uint32_t>(p.arrets_.size() - 1), 0, nullptr});
    };
    if (texte.size() > LongueurTexteMax) {
        arrete(Echec{Messages::ExpressionIncorrecte, ValeurErreur, GenreErreur::Texte});
    } else {
        // The variable's value, and its opposite where a sign binds to it.
        const std::uint32_t x = p.Emet({Code::Variable, 0, 0, 0, nullptr});
        std::int32_t moinsX = -1;
        std::vector<TexteSymbolique::Jeton> jetons;
        jetons.reserve(texte.size());
        for (char c : texte) {
            if (c != lettre) {
                jetons.push_back({c, -1, false});
                continue;
            }
            std::int32_t r = static_cast<std::int32_t>(x);
            const std::size_t n = jetons.size();
            if (n > 0 && jetons[n - 1].registre < 0 && (jetons[n - 1].c == '+' || jetons[n - 1].c == '-') &&
                (n == 1 ||
                 (jetons[n - 2].registre < 0 && (jetons[n - 2].c == '(' || reecriture::EstOperateur(jetons[n - 2].c))))) {
                if (jetons[n - 1].c == '-') {
                    if (moinsX < 0)
                        moinsX = static_cast<std::int32_t>(p.Reecrit(p.Emet({Code::Oppose, 0, x, 0, nullptr})));
                    r = moinsX;
                }
                jetons.pop_back();
            }
            jetons.push_back({'\x01', r, !blancInitial});
        }
        TexteSymbolique t(std::move(jetons), p);
        std::uint32_t r = 0;
        if (const auto e = reecriture::Parentheses(t, DialecteFonctions, r))
            arrete(*e);
        else
            p.resultat_ = r;
    }
    p.Prepare();
    registres_ = p.depart_;
    echelles_.resize(p.code_.size());
    compile_ = std::move(compile);
}

namespace {
using Jet = Programme::Jet;

// r = a op b from the derivatives of a and b, their values va and vb, and
// the value vr of r.
Jet DeriveOperation(char op, Etendu va, Jet a, Etendu vb, Jet b, Etendu vr)
{
    Jet r;
    r.existe1 = a.existe1 && b.existe1;
    r.existe2 = a.existe2 && b.existe2;
    switch (op) {
    case '#': return {a.d1 + b.d1, a.d2 + b.d2, r.existe1, r.existe2};
    case '~': return {a.d1 - b.d1, a.d2 - b.d2, r.existe1, r.existe2};
    case '*': return {a.d1 * vb + va * b.d1, a.d2 * vb + 2.0L * a.d1 * b.d1 + va * b.d2, r.existe1, r.existe2};
    case '/': {
        const Etendu q = va / vb, d1 = (a.d1 - q * b.d1) / vb;
        return {d1, (a.d2 - 2.0L * d1 * b.d1 - q * b.d2) / vb, r.existe1, r.existe2};
    }
    case '^':
        if (b.d1 == 0.0L && b.d2 == 0.0L && b.existe1 && b.existe2) {
            // A constant exponent n: n a^(n-1) a', without 0 * infinity
            // where a = 0 and n is 1 or 2.
            const Etendu n = vb;
            if (n == 0.0L)
                return {0.0L, 0.0L, r.existe1, r.existe2};
            const Etendu p1 = n == 1.0L ? 1.0L : n * std::pow(va, n - 1.0L);
            const Etendu p2 = n == 1.0L ? 0.0L : n == 2.0L ? 2.0L : n * (n - 1.0L) * std::pow(va, n - 2.0L);
            return {p1 * a.d1, p2 * a.d1 * a.d1 + p1 * a.d2, r.existe1, r.existe2};
        }
        // a^b = exp(b ln a): only for a > 0.
        if (!(va > 0.0L))
            return {0.0L, 0.0L, false, false};
        {
            const Etendu ln = std::log(va);
            const Etendu w1 = b.d1 * ln + vb * a.d1 / va;
            const Etendu w2 = b.d2 * ln + 2.0L * b.d1 * a.d1 / va + vb * (a.d2 * va - a.d1 * a.d1) / (va * va);
            return {vr * w1, vr * (w2 + w1 * w1), r.existe1, r.existe2};
        }
    }
    return {0.0L, 0.0L, false, false};
}

Evaluation DeriveeFinale(Etendu d, bool existe)
{
    if (!existe || !std::isfinite(d))
        return EvaluationDe(Echec{DeriveeNonDefinie, ValeurErreur, GenreErreur::Valeur});
    return Evaluation{Arrondi15(d), std::nullopt};
}
} // namespace

Programme::Derivees Programme::ExecuteDerivees(Etendu x)
{
    Derivees r;
    r.valeur = Execute(x);
    if (r.valeur.faute) {
        r.premiere = r.seconde = r.valeur;
        return r;
    }
    // The registers hold every step's value now: the derivatives follow
    // the same steps.
    const Compile& p = *compile_;
    std::vector<Jet>& jets = jets_;
    jets.assign(p.code_.size(), Jet{});
    const Etendu* reg = registres_.data();
    for (const std::uint32_t i : p.execution_) {
        const Instruction& in = p.code_[i];
        Jet& j = jets[i];
        switch (in.code) {
        case Code::Variable: j = {1.0L, 0.0L}; break;
        case Code::Constante: break;
        case Code::Oppose: j = {-jets[in.a].d1, -jets[in.a].d2, jets[in.a].existe1, jets[in.a].existe2}; break;
        case Code::Operation: j = DeriveOperation(in.op, reg[in.a], jets[in.a], reg[in.b], jets[in.b], reg[i]); break;
        case Code::Fonction: {
            const Jet& a = jets[in.a];
            const std::optional<DeriveesFonction> f = DeriveesDe(*in.f, reg[in.a]);
            if (!f) {
                j = {0.0L, 0.0L, false, false};
                break;
            }
            j = {f->premiere * a.d1, f->seconde * a.d1 * a.d1 + f->premiere * a.d2, a.existe1, a.existe2};
            break;
        }
        // A text glued to a value's digits has no derivative.
        case Code::Assemble: j = {0.0L, 0.0L, false, false}; break;
        case Code::Reecrit: j = jets[in.a]; break;
        case Code::Arret: break;
        }
    }
    const Jet& fin = jets[p.resultat_];
    r.premiere = DeriveeFinale(fin.d1, fin.existe1);
    r.seconde = DeriveeFinale(fin.d2, fin.existe1 && fin.existe2);
    return r;
}

std::optional<Faute> Programme::FauteDuTexte() const
{
    const Compile& p = *compile_;
    const Instruction& fin = p.code_[p.resultat_];
    if (fin.code != Code::Arret || p.arrets_[fin.a].genre != GenreErreur::Texte)
        return std::nullopt;
    return EvaluationDe(p.arrets_[fin.a]).faute;
}

void Programme::Compile::Prepare()
{
    depart_.resize(code_.size());
    for (std::uint32_t i = 0; i < code_.size(); ++i) {
        if (code_[i].code == Code::Constante)
            depart_[i] = constantes_[code_[i].a];
        else
            execution_.push_back(i);
    }
}

template <bool Arrondi>
Evaluation Programme::Calcule(Etendu x)
{
    // Each step's value through 15 digits, or in full extended precision.
    auto arrondi = [](Etendu v, [[maybe_unused]] int& echelle) -> Etendu {
        if constexpr (Arrondi)
            return Arrondi15(v, echelle);
        else
            return v;
    };
    const Compile& p = *compile_;
    Etendu* reg = registres_.data();
    int* echelle = echelles_.data();
    const Echec fauteDuTexte{Messages::ExpressionIncorrecte, ValeurErreur, GenreErreur::Texte};
    for (const std::uint32_t i : p.execution_) {
        const Instruction& in = p.code_[i];
        switch (in.code) {
        case Code::Variable:
            // A value without digits (never from the plotter) cannot be read.
            reg[i] = std::isfinite(x) ? arrondi(x, echelle[i]) : NAN;
            break;
        case Code::Constante: reg[i] = p.constantes_[in.a]; break;
        case Code::Oppose: reg[i] = -reg[in.a]; break;
        case Code::Operation: {
            // The common case without the failure's machinery; anything
            // else (a NaN operand, an overflow, the other operators) goes
            // the general way below.
            const Etendu a = reg[in.a], b = reg[in.b];
            if (in.op == '#' || in.op == '~' || in.op == '*') {
                const Etendu r = in.op == '#' ? a + b : in.op == '~' ? a - b : a * b;
                if (std::isfinite(r)) {
                    reg[i] = arrondi(r, echelle[i]);
                    break;
                }
            } else if (in.op == '^' && a != 0.0L && b >= 1.0L && b <= 64.0L && b == std::rint(b)) {
                // A small whole exponent: the repeated product, as Opere does it.
                Etendu p = 1.0L;
                for (Etendu k = b; k > 0.5L; k -= 1.0L) // no conversion: it switches the rounding mode
                    p = p * a;
                if (std::isfinite(p)) {
                    reg[i] = arrondi(p, echelle[i]);
                    break;
                }
            }
            if (std::isnan(reg[in.a]) || std::isnan(reg[in.b]))
                return EvaluationDe(fauteDuTexte);
            Etendu r = 0.0L;
            if (const auto e = Opere(in.op, reg[in.a], reg[in.b], DialecteFonctions, r))
                return EvaluationDe(*e);
            reg[i] = arrondi(r, echelle[i]);
            break;
        }
        case Code::Fonction: {
            Etendu v = reg[in.a];
            if (!std::isnan(v) && (!in.f->refus || !in.f->refus(v))) {
                const Etendu r = in.f->calcul(v);
                if (std::isfinite(r)) {
                    reg[i] = arrondi(r, echelle[i]);
                    break;
                }
            }
            if (std::isnan(v))
                return EvaluationDe(fauteDuTexte);
            if (const auto e = Applique(*in.f, v, DialecteFonctions))
                return EvaluationDe(*e);
            reg[i] = arrondi(v, echelle[i]);
            break;
        }
        case Code::Assemble: {
            tampon_.clear();
            for (const Morceau& m : p.assemblages_[in.a]) {
                if (m.registre < 0) {
                    tampon_ += m.litteral;
                    continue;
                }
                const Etendu v = reg[m.registre];
                const std::string t = TexteNombre(m.registre == 0 ? x : v);
                tampon_.append(m.sansBlanc && t[0] == ' ' ? t.substr(1) : t);
            }
            const std::optional<Etendu> v = LitOperandeEntier(tampon_);
            if (!v)
                return EvaluationDe(fauteDuTexte);
            reg[i] = *v;
            break;
        }
        case Code::Reecrit: reg[i] = arrondi(reg[in.a], echelle[i]); break;
        case Code::Arret: return EvaluationDe(p.arrets_[in.a]);
        }
    }
    const Etendu r = reg[p.resultat_];
    if (std::isnan(r))
        return EvaluationDe(fauteDuTexte);
    return Evaluation{r, std::nullopt};
}

Evaluation Programme::Execute(Etendu x) { return Calcule<true>(x); }

Evaluation Programme::ExecuteEtendu(Etendu x) { return Calcule<false>(x); }
