#include "calc/Pile.h"

#include "funclang/Nombres.h"
#include "numerics/Racines.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

void Pile::Monte(TComplexe z)
{
    for (int n = 4; n >= 1; --n)
        lignes_[n] = lignes_[n - 1];
    lignes_[0] = z;
}

void Pile::Descend()
{
    lignes_[1] = lignes_[2];
    lignes_[2] = lignes_[3];
    lignes_[3] = lignes_[4];
    lignes_[4] = CZero;
}

void Pile::EffaceLigne()
{
    for (int n = 0; n < 4; ++n)
        lignes_[n] = lignes_[n + 1];
    lignes_[4] = CZero;
}

void Pile::EffaceTout() { lignes_.fill(CZero); }

void Pile::Echange() { std::swap(lignes_[0], lignes_[1]); }

namespace {

using Fonction = void (*)(TComplexe, TComplexe&);
using FonctionFaillible = void (*)(TComplexe, TComplexe&, Journal&);

void Applique(Fonction f, Pile& p, Journal&) { f(p[1], p[1]); }
void Applique(FonctionFaillible f, Pile& p, Journal& journal) { f(p[1], p[1], journal); }

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

} // namespace

namespace {

void ActionBrute(int tag, Pile& p, Journal& journal)
{
    switch (tag) {
    case 1: p.Echange(); break;
    case 2: p.EffaceLigne(); break;
    case 3: p.EffaceTout(); break;
    case 4: CQuotient(p[2], p[1], p[1], journal); p.Descend(); break;
    case 5: Applique(CInverse, p, journal); break;
    case 6: CProduit(p[1], p[2], p[1]); p.Descend(); break;
    case 7: p.Monte(CI); break;
    case 8: CDifference(p[2], p[1], p[1]); p.Descend(); break;
    case 9: p.Monte(Complexe(PiEtendu, 0.0L)); break;
    case 10: CSomme(p[1], p[2], p[1]); p.Descend(); break;
    case 11: Applique(CArgSh, p, journal); break;
    case 12: Applique(CCos, p, journal); break;
    case 13: Applique(CCh, p, journal); break;
    case 14:
        CInverse(p[1], p[1], journal);
        CPuissance(p[2], p[1], p[1], journal);
        p.Descend();
        break;
    case 15: Equation3(p, journal); break;
    case 16: Applique(CSin, p, journal); break;
    case 17: Applique(CSh, p, journal); break;
    case 18: CPuissance(p[2], p[1], p[1], journal); p.Descend(); break;
    case 19: Applique(CExp, p, journal); break;
    case 20: Applique(CTan, p, journal); break;
    case 21: Applique(CTh, p, journal); break;
    case 22: Equation4(p, journal); break;
    case 23: Equation2(p, journal); break;
    case 24: Applique(CLn, p, journal); break;
    case 25: Equation1(p, journal); break;
    case 26: Applique(CArcCos, p, journal); break;
    case 27: Applique(CArcSin, p, journal); break;
    case 28: Applique(CArcTan, p, journal); break;
    case 29: Applique(CArgCh, p, journal); break;
    case 30: Applique(CArgTh, p, journal); break;
    case 31: CProduit(p[1], p[1], p[1]); break;
    case 32: Applique(CRacine, p, journal); break;
    case 33: Applique(COppose, p, journal); break;
    case 34: Applique(CConjugue, p, journal); break;
    default: break;
    }
}

} // namespace

void ActionPile(int tag, Pile& p, Journal& journal)
{
    // A result beyond extended precision is refused: the stack stays as it
    // was and the display never shows an infinity or a NaN.
    const Pile avant = p;
    ActionBrute(tag, p, journal);
    for (int n = 1; n <= 5; ++n)
        if (!std::isfinite(p[n].Re) || !std::isfinite(p[n].Im)) {
            p = avant;
            journal.push_back({"Dépassement de capacité .", IconeFaute::Erreur});
            return;
        }
}

const char* TexteTouche(int tag)
{
    switch (tag) {
    case 4: return "/";
    case 5: return "1/";
    case 6: return "*";
    case 8: return "-";
    case 9: return "3.14159265358979";
    case 10: return "+";
    case 11: return "ArgSh(";
    case 12: return "Cos(";
    case 13: return "Ch(";
    case 14: return "^(1/";
    case 16: return "Sin(";
    case 17: return "Sh(";
    case 18: return "^";
    case 19: return "Exp(";
    case 20: return "Tan(";
    case 21: return "Th(";
    case 24: return "Ln(";
    case 26: return "ArcCos(";
    case 27: return "ArcSin(";
    case 28: return "ArcTan(";
    case 29: return "ArgCh(";
    case 30: return "ArgTh(";
    case 31: return "Carre(";
    case 32: return "Racine(";
    case 33: return "-";
    default: return nullptr; // 3 clears the screen; the others are disabled
    }
}

LigneAffichee AfficheLigne(TComplexe z, bool polaire, bool degres)
{
    if (!polaire)
        return {TexteNombre(z.Re), z.Im >= 0.0L ? "+" : "--", TexteNombre(std::fabs(z.Im))};
    const Etendu a = CArgument(z);
    // 0.31830988618379067 is 1/pi as the extended constant the display uses.
    const Etendu second = degres ? std::fabs(a * 0.31830988618379067L * 180.0L) : std::fabs(a);
    return {TexteNombre(CModule(z)), a >= 0.0L ? "+" : "--", TexteNombre(second)};
}

std::string TexteCopie(TComplexe z)
{
    if (z.Im == 0.0L)
        return TexteCourt(z.Re);
    const std::string im = TexteCourt(z.Im);
    return (z.Re == 0.0L ? std::string() : TexteCourt(z.Re) + (im[0] == '-' ? "" : "+")) + im + "i";
}

namespace {
// One whole number of the entry reader's form, nothing before or after it.
std::optional<LectureNombre> NombreEntier(std::string_view texte)
{
    const LectureNombre l = LitDebutNombre(texte);
    if (texte.empty() || texte.front() == ' ' || !l.chiffres || l.fin != texte.size())
        return std::nullopt;
    return l;
}
} // namespace

SaisieLue LitSaisie(std::string texte, bool complexeAdmise)
{
    using Sorte = SaisieLue::Sorte;
    const std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos)
        return {};
    texte = texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
    std::replace(texte.begin(), texte.end(), ',', '.'); // "2,5" as French users type it
    if (const auto l = NombreEntier(texte)) {
        if (l->depassement)
            return {Sorte::Depassement, {}};
        return {Sorte::Reel, Complexe(l->valeur, 0.0L)};
    }
    if (!complexeAdmise || texte.back() != 'i')
        return {};
    const std::string corps = texte.substr(0, texte.size() - 1);
    // The imaginary part starts at the last sign that is no exponent's.
    std::size_t p = 0;
    for (std::size_t i = 1; i < corps.size(); ++i)
        if ((corps[i] == '+' || corps[i] == '-') && corps[i - 1] != 'E' && corps[i - 1] != 'e')
            p = i;
    const auto im = NombreEntier(std::string_view(corps).substr(p));
    const auto re = p > 0 ? NombreEntier(std::string_view(corps).substr(0, p)) : LectureNombre{};
    if (!im || !re)
        return {};
    if (im->depassement || re->depassement)
        return {Sorte::Depassement, {}};
    return {Sorte::Complexe, Complexe(re->valeur, im->valeur)};
}
