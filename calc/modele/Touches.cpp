#include "calc/modele/Touches.h"

#include "numerics/Racines.h"

#include <cmath>
#include <iterator>
#include <type_traits>

namespace {

// A function of line 1, in place.
template <auto F>
void Un(Pile& p, Journal& journal)
{
    if constexpr (std::is_invocable_v<decltype(F), TComplexe, TComplexe&, Journal&>)
        F(p[1], p[1], journal);
    else
        F(p[1], p[1]);
}

// An operation on lines 2 and 1: its result in line 1, the stack moves down.
template <auto F>
void Deux(Pile& p, Journal& journal)
{
    if constexpr (std::is_invocable_v<decltype(F), TComplexe, TComplexe, TComplexe&, Journal&>)
        F(p[2], p[1], p[1], journal);
    else
        F(p[2], p[1], p[1]);
    p.Descend();
}

// The roots replace the coefficients, which sit in the lowest lines with the
// highest degree first; all coefficients are read before any root is written.
void Equation1(Pile& p, Journal& journal)
{
    TComplexe moinsB;
    COppose(p[1], moinsB);
    CQuotient(moinsB, p[2], p[1], journal);
    p.Descend();
}

void Equation2(Pile& p, Journal& journal)
{
    TComplexe x1, x2;
    Racines2(p[3], p[2], p[1], x1, x2, journal);
    p[2] = x1;
    p[1] = x2;
    p[3] = p[4];
    p[4] = p[5];
    p[5] = CZero;
}

void Equation3(Pile& p, Journal& journal)
{
    TComplexe x1, x2, x3;
    Racines3(p[4], p[3], p[2], p[1], x1, x2, x3, journal);
    p[3] = x1;
    p[2] = x2;
    p[1] = x3;
    p[4] = p[5];
    p[5] = CZero;
}

void Equation4(Pile& p, Journal& journal)
{
    TComplexe x1, x2, x3, x4;
    Racines4(p[5], p[4], p[3], p[2], p[1], x1, x2, x3, x4, journal);
    p[4] = x1;
    p[3] = x2;
    p[2] = x3;
    p[1] = x4;
    p[5] = CZero;
}

void RacineYieme(Pile& p, Journal& journal)
{
    CInverse(p[1], p[1], journal);
    CPuissance(p[2], p[1], p[1], journal);
    p.Descend();
}

constexpr int R = 0; // no root

// Captions and texts are UTF-8.
constexpr DefinitionTouche Table[] = {
    {Touche::Echange, 1, "Swap", "x↔y", "Echange les lignes (1) et (2) .", "Echange x et y", 0, 0, {}, 0, nullptr, false, R,
     [](Pile& p, Journal&) { p.Echange(); }},
    {Touche::EffaceLigne, 2, "Effaceligne", "CE", "Efface la ligne n°1 et abandonne la saisie en cours .", "Efface la ligne 1", 0, 1, {}, 0, nullptr, false, R,
     [](Pile& p, Journal&) { p.EffaceLigne(); }},
    {Touche::EffaceTout, 3, "Effacetout", "C", "Efface tout l'écran et abandonne la saisie en cours .", "Efface tout", 0, 2, {}, 0, nullptr, false, R,
     [](Pile& p, Journal&) { p.EffaceTout(); }},
    {Touche::Divise, 4, "Divise", "/", "(2) / (1)", "Division", 0, 3, {"Calc4", "Di&vision", "(2) / (1)"}, '/', "/", true, R,
     Deux<CQuotient>},
    {Touche::Produit, 6, "Multiplie", "*", "(1) * (2)", "Produit", 0, 4, {"Calc3", "&Produit", "(1) * (2)"}, '*', "*", true, R,
     [](Pile& p, Journal&) { CProduit(p[1], p[2], p[1]); p.Descend(); }},
    {Touche::Difference, 8, "Moins", "-", "(2) - (1)", "Différence", 0, 5, {"Calc2", "&Différence", "(2) - (1)"}, '-', "-", true, R,
     Deux<CDifference>},
    {Touche::Somme, 10, "Plus", "+", "(1) + (2)", "Somme", 0, 6, {"Calc1", "&Somme", "(1) + (2)"}, '+', "+", true, R,
     [](Pile& p, Journal&) { CSomme(p[1], p[2], p[1]); p.Descend(); }},
    {Touche::Inverse, 5, "InvX", "1/x", "Inverse .", "Inverse", 1, 0, {"Calc5", "&Inverse", "Inverse de la ligne (1) ."}, 0, "1/",
     true, R, Un<CInverse>},
    {Touche::Oppose, 33, "Oppose", "+/−", "Opposé .", "Opposé", 1, 1, {"Calc6", "&Opposé", "Opposé de la ligne (1) ."}, 0, "-",
     true, R, Un<COppose>},
    {Touche::Conjugue, 34, "Conjugue", "conj", "Conjugué .", "Conjugué", 1, 2, {"Calc7", "&Conjugué", "Conjugué de la ligne (1) ."},
     0, nullptr, true, R, Un<CConjugue>},
    {Touche::Carre, 31, "xcarre", "x ²", "Carré .", "Carré", 1, 3, {"Puis6", "x ²", "Carré ."}, 0, "Carre(", true, R,
     [](Pile& p, Journal&) { CProduit(p[1], p[1], p[1]); }},
    {Touche::Racine, 32, "Sqrtx", "√x", "Racine carrée .", "Racine carrée", 1, 4, {"Puis5", "x ^ (1/2)", "Racine carrée ."}, 0, "Racine(",
     true, R, Un<CRacine>},
    {Touche::Puissance, 18, "xPuisy", "x^y", "(2) ^ (1)", "Puissance", 1, 5, {"Puis1", "x ^ y", "Puissance (2) de (1) ."}, '^', "^",
     true, R, Deux<CPuissance>},
    {Touche::RacineY, 14, "ySqrx", "y√x", "Racine (1)ème de (2) .", "Racine y-ième", 1, 6,
     {"Puis2", "x ^ (1/y)", "Racine (1)ème de (2) ."}, 0, "^(1/", true, R, RacineYieme},
    {Touche::Exp, 19, "Exponentielle", "Exp", "Exponentielle .", "Exponentielle", 2, 0, {"Puis3", "Exp", "Exponentielle ."}, 0, "Exp(",
     true, R, Un<CExp>},
    {Touche::Ln, 24, "Logarithme", "Ln", "Logarithme néperien .", "Logarithme népérien", 2, 1, {"Puis4", "Ln", "Logarithme népérien ."}, 0,
     "Ln(", true, R, Un<CLn>},
    {Touche::Sin, 16, "Sinus", "sin", "Sinus .", "Sinus", 2, 2, {"Trig2", "&Sin", "Sinus ."}, 0, "Sin(", true, R, Un<CSin>},
    {Touche::Cos, 12, "Cosinus", "cos", "Cosinus .", "Cosinus", 2, 3, {"Trig1", "&Cos", "Cosinus ."}, 0, "Cos(", true, R, Un<CCos>},
    {Touche::Tan, 20, "Tangente", "tan", "Tangente .", "Tangente", 2, 4, {"Trig3", "&Tan", "Tangente ."}, 0, "Tan(", true, R,
     Un<CTan>},
    {Touche::ConstanteI, 7, "Btni", "i", "Constante i .", "Constante i", 2, 5, {"Cste1", "&i", "Constante i ( i ² = -1) ."}, 0, nullptr,
     false, R, [](Pile& p, Journal&) { p.Monte(CI); }},
    {Touche::ConstantePi, 9, "Btnpi", "π", "Constante pi .", "Constante pi", 2, 6, {"Cste2", "&pi", "Constante pi ."}, 0,
     "pi", false, R, [](Pile& p, Journal&) { p.Monte(Complexe(PiEtendu, 0.0L)); }},
    {Touche::ArcSin, 27, "ArcSin", "asin", "ArcSin .", "Arc sinus", 3, 0, {"Inv2", "Arc&Sin", "Sinus inverse ."}, 0, "ArcSin(", true,
     R, Un<CArcSin>},
    {Touche::ArcCos, 26, "ArcCos", "acos", "ArcCos .", "Arc cosinus", 3, 1, {"Inv1", "Arc&Cos", "Cosinus inverse ."}, 0, "ArcCos(", true,
     R, Un<CArcCos>},
    {Touche::ArcTan, 28, "ArcTan", "atan", "ArcTan .", "Arc tangente", 3, 2, {"Inv3", "Arc&Tan", "Tangente inverse ."}, 0, "ArcTan(",
     true, R, Un<CArcTan>},
    {Touche::Sh, 17, "SinHyp", "sh", "Sinus hyperbolique .", "Sinus hyperbolique", 3, 3, {"Hyper2", "&Sh", "Sinus hyperbolique ."}, 0, "Sh(",
     true, R, Un<CSh>},
    {Touche::Ch, 13, "CosHyp", "ch", "Cosinus hyperbolique .", "Cosinus hyperbolique", 3, 4, {"Hyper1", "&Ch", "Cosinus hyperbolique ."}, 0,
     "Ch(", true, R, Un<CCh>},
    {Touche::Th, 21, "TanHyp", "th", "Tangente hyperbolique .", "Tangente hyperbolique", 3, 5, {"Hyper3", "&Th", "Tangente hyperbolique ."}, 0,
     "Th(", true, R, Un<CTh>},
    {Touche::ArgSh, 11, "ArgSh", "ash", "ArgSh .", "Argument sinus hyperbolique", 4, 0, {"Invh2", "Arg&Sh", "Sinus hyperbolique inverse ."}, 0,
     "ArgSh(", true, R, Un<CArgSh>},
    {Touche::ArgCh, 29, "ArgCh", "ach", "ArgCh .", "Argument cosinus hyperbolique", 4, 1, {"Invh1", "Arg&Ch", "Cosinus hyperbolique inverse ."}, 0,
     "ArgCh(", true, R, Un<CArgCh>},
    {Touche::ArgTh, 30, "ArgTh", "ath", "ArgTh .", "Argument tangente hyperbolique", 4, 2, {"Inh3", "Arg&Th", "Tangente hyperbolique inverse ."}, 0,
     "ArgTh(", true, R, Un<CArgTh>},
    {Touche::Degre1, 25, "Degre1", "d°1", "Equation du 1er degré .", "Equation du 1er degré", 4, 3,
     {"Eqn1", "Equation du &1er degré", "Résolution d'une équation du premier degré ."}, 0, nullptr, true, 1, Equation1},
    {Touche::Degre2, 23, "Degre2", "d°2", "Equation du 2nd degré .", "Equation du 2nd degré", 4, 4,
     {"Eqn2", "Equation du &2nd degré", "Résolution d'une équation du second degré ."}, 0, nullptr, true, 2, Equation2},
    {Touche::Degre3, 15, "Degre3", "d°3", "Equation du 3ème degré .", "Equation du 3ème degré", 4, 5,
     {"Eqn3", "Equation du &3ème degré", "Résolution d'une équation du troisième degré ."}, 0, nullptr, true, 3,
     Equation3},
    {Touche::Degre4, 22, "Degre4", "d°4", "Equation du 4ème degré .", "Equation du 4ème degré", 4, 6,
     {"Eqn4", "Equation du &4ème degré", "Résolution d'une équation du quatrième degré ."}, 0, nullptr, true, 4,
     Equation4},
};

constexpr bool DansLOrdre()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (static_cast<std::size_t>(Table[i].touche) != i)
            return false;
    return true;
}
static_assert(DansLOrdre(), "one row per key, in the order of the keys");

} // namespace

std::span<const DefinitionTouche> LesTouches() { return Table; }

const DefinitionTouche& DefinitionDe(Touche t) { return Table[static_cast<std::size_t>(t)]; }

const DefinitionTouche* DefinitionDuTag(int tag)
{
    for (const DefinitionTouche& d : Table)
        if (d.tag == tag)
            return &d;
    return nullptr;
}

bool ActionPile(Touche t, Pile& p, Journal& journal)
{
    const Pile avant = p;
    DefinitionDe(t).action(p, journal);
    for (int n = 1; n <= 5; ++n)
        if (!std::isfinite(p[n].Re) || !std::isfinite(p[n].Im)) {
            p = avant;
            journal.push_back({"Dépassement de capacité .", IconeFaute::Erreur});
            return false;
        }
    return true;
}
