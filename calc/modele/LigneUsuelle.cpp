#include "calc/modele/LigneUsuelle.h"

#include "funclang/Operations.h"
#include "funclang/Texte.h"

#include <cmath>

namespace {

// The operators waiting on the stack, from the loosest to the tightest:
// a leading sign binds more tightly than a product and less than a power.
enum class Op { Parenthese, Fonction, Somme, Difference, Produit, Quotient, Oppose, Identite, Puissance };

int Priorite(Op op)
{
    switch (op) {
    case Op::Somme:
    case Op::Difference: return 1;
    case Op::Produit:
    case Op::Quotient: return 2;
    case Op::Oppose:
    case Op::Identite: return 3;
    case Op::Puissance: return 4;
    default: return 0; // a bracket or a function waits for its ")"
    }
}

struct EnAttente {
    Op op;
    const Fonction* fonction = nullptr;
};

Faute Refus(const char* message, IconeFaute icone = IconeFaute::Erreur) { return Faute{message, icone}; }

std::optional<Faute> Puissance(Etendu base, Etendu exposant, Etendu& r)
{
    if (base == 0.0L) {
        if (exposant < 0.0L)
            return Refus(DialecteLigne.divisionParZero);
        r = exposant == 0.0L ? 1.0L : 0.0L;
        return std::nullopt;
    }
    if (base < 0.0L && std::rint(exposant) != exposant)
        return Refus("Puissance non entière d'un nombre négatif.");
    // powl is exact wherever the power is representable (2^3^2 is 512).
    r = std::pow(base, exposant);
    if (!std::isfinite(r))
        return Refus(DialecteLigne.depassement);
    return std::nullopt;
}

class Calcul {
public:
    // The tightest operators first, down to (not past) the priority given.
    std::optional<Faute> Reduit(int jusque)
    {
        while (!ops_.empty() && Priorite(ops_.back().op) > 0 && Priorite(ops_.back().op) >= jusque) {
            const Op op = ops_.back().op;
            ops_.pop_back();
            if (const auto f = Applique(op))
                return f;
        }
        return std::nullopt;
    }
    // A binary operator: what binds at least as tightly before it is done
    // first; a right-associative power waits for the one that follows.
    std::optional<Faute> Pousse(Op op)
    {
        const int p = Priorite(op);
        if (const auto f = Reduit(op == Op::Puissance ? p + 1 : p))
            return f;
        ops_.push_back({op});
        return std::nullopt;
    }
    // A leading sign has no left operand: nothing before it is done yet.
    void Prefixe(Op op) { ops_.push_back({op}); }
    void Ouvre(const Fonction* f) { ops_.push_back({f ? Op::Fonction : Op::Parenthese, f}); }
    // ")": the group's operators, then its function.
    std::optional<Faute> Ferme()
    {
        if (const auto f = Reduit(1))
            return f;
        if (ops_.empty())
            return Refus(DialecteLigne.parentheseOuvrante, IconeFaute::Avertissement);
        const EnAttente e = ops_.back();
        ops_.pop_back();
        if (e.fonction)
            if (const auto echec = ::Applique(*e.fonction, valeurs_.back(), DialecteLigne))
                return Faute{echec->message, IconeFaute::Erreur};
        return std::nullopt;
    }
    std::optional<Faute> Termine(Etendu& resultat)
    {
        if (const auto f = Reduit(1))
            return f;
        if (!ops_.empty())
            return Refus(DialecteLigne.parentheseFermante, IconeFaute::Avertissement);
        resultat = valeurs_.back();
        return std::nullopt;
    }
    void Empile(Etendu v) { valeurs_.push_back(v); }

private:
    std::optional<Faute> Applique(Op op)
    {
        Etendu droite = valeurs_.back();
        if (op == Op::Oppose || op == Op::Identite) {
            valeurs_.back() = op == Op::Oppose ? -droite : droite;
            return std::nullopt;
        }
        valeurs_.pop_back();
        Etendu& gauche = valeurs_.back();
        Etendu r = 0.0L;
        switch (op) {
        case Op::Somme: r = gauche + droite; break;
        case Op::Difference: r = gauche - droite; break;
        case Op::Produit: r = gauche * droite; break;
        case Op::Quotient:
            if (droite == 0.0L)
                return Refus(DialecteLigne.divisionParZero);
            r = gauche / droite;
            break;
        default:
            if (const auto f = Puissance(gauche, droite, r))
                return f;
        }
        if (!std::isfinite(r))
            return Refus(DialecteLigne.expressionIncorrecte);
        gauche = r;
        return std::nullopt;
    }

    std::vector<EnAttente> ops_;
    std::vector<Etendu> valeurs_;
};

const Fonction* FonctionNommee(std::string_view nom)
{
    const std::string minuscules = EnMinuscules(nom);
    for (const Fonction& f : LesFonctions())
        if (minuscules == f.nom || minuscules == EnMinuscules(f.code))
            return &f;
    return nullptr;
}

} // namespace

EvaluationLigne EvalueUsuelle(const std::vector<Jeton>& jetons, const MemoireLigne& memoire)
{
    const auto echec = [](Faute f) { return EvaluationLigne{ValeurErreur, std::move(f), {}}; };
    const auto incorrecte = [&] { return echec(Refus(DialecteLigne.expressionIncorrecte)); };
    Calcul calcul;
    // Operator precedence on two stacks, without recursion: 5,000 nested
    // brackets take no deeper a stack than one.
    bool operande = true; // an operand is expected next
    for (std::size_t k = 0; k < jetons.size(); ++k) {
        const Jeton& j = jetons[k];
        const char c = j.texte[0];
        if (operande) {
            if (j.sorte == Jeton::Sorte::Nombre) {
                Etendu v = 0.0L;
                if (!LitDecimal(j.texte, v))
                    return LitDebutNombre(j.texte).depassement ? echec(Refus(DialecteLigne.depassement)) : incorrecte();
                calcul.Empile(v);
                operande = false;
            } else if (j.sorte == Jeton::Sorte::Nom) {
                const bool appel = k + 1 < jetons.size() && jetons[k + 1].texte == "(";
                if (appel) {
                    const Fonction* f = FonctionNommee(j.texte);
                    if (!f)
                        return incorrecte();
                    calcul.Ouvre(f);
                    ++k; // its "("
                    continue;
                }
                std::optional<Faute> refus;
                const auto v = ValeurDuNom(j.texte, memoire, refus);
                if (!v)
                    return echec(*refus);
                calcul.Empile(*v);
                operande = false;
            } else if (c == '(') {
                calcul.Ouvre(nullptr);
            } else if (c == '-' || c == '+') {
                calcul.Prefixe(c == '-' ? Op::Oppose : Op::Identite);
            } else if (c == ')' && k > 0 && jetons[k - 1].texte == "(") {
                return echec(Refus("Parenthèses incorrectement placées."));
            } else {
                return incorrecte();
            }
            continue;
        }
        std::optional<Faute> f;
        switch (c) {
        case '+': f = calcul.Pousse(Op::Somme); break;
        case '-': f = calcul.Pousse(Op::Difference); break;
        case '*': f = calcul.Pousse(Op::Produit); break;
        case '/': f = calcul.Pousse(Op::Quotient); break;
        case '^': f = calcul.Pousse(Op::Puissance); break;
        case ')':
            if (j.sorte != Jeton::Sorte::Autre)
                return incorrecte();
            if (const auto e = calcul.Ferme())
                return echec(*e);
            continue;
        default: return incorrecte(); // two operands in a row: "2 3", "2pi", "2(3)"
        }
        if (j.sorte != Jeton::Sorte::Autre)
            return incorrecte();
        if (f)
            return echec(*f);
        operande = true;
    }
    if (operande)
        return incorrecte();
    Etendu resultat = 0.0L;
    if (const auto f = calcul.Termine(resultat))
        return echec(*f);
    return EvaluationLigne{resultat, std::nullopt, {}};
}
