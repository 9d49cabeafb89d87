#include "calc/modele/SaisieComplexe.h"

#include "funclang/Nombres.h"

#include <algorithm>
#include <optional>
#include <string_view>

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
    // The grid's form, before a comma can be read as a decimal point.
    if (complexeAdmise && texte.size() > 2 && texte.front() == '(' && texte.back() == ')' &&
        std::count(texte.begin(), texte.end(), ',') == 1) {
        const std::size_t virgule = texte.find(',');
        auto partie = [](std::string t) {
            const std::size_t d = t.find_first_not_of(' ');
            return d == std::string::npos ? std::nullopt : NombreEntier(t.substr(d, t.find_last_not_of(' ') - d + 1));
        };
        const auto re = partie(texte.substr(1, virgule - 1));
        const auto im = partie(texte.substr(virgule + 1, texte.size() - virgule - 2));
        if (!re || !im)
            return {};
        if (re->depassement || im->depassement)
            return {Sorte::Depassement, {}};
        return {Sorte::Complexe, Complexe(re->valeur, im->valeur)};
    }
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

namespace {
bool Blanc(const std::string& texte) { return texte.find_first_not_of(' ') == std::string::npos; }
} // namespace

SaisieComplexe::Resultat SaisieComplexe::Valide(const std::string& texte)
{
    if (Blanc(texte) && etat_.etape == 0)
        return {Issue::Vide};
    if (Blanc(texte))
        return Acheve(texte);
    const SaisieLue lu = LitSaisie(texte, etat_.etape == 0);
    if (lu.sorte == SaisieLue::Sorte::Reel && etat_.etape == 0) {
        etat_ = {1, lu.valeur.Re};
        return {Issue::PartieReelle};
    }
    return Complete(lu);
}

SaisieComplexe::Resultat SaisieComplexe::Acheve(const std::string& texte)
{
    if (Blanc(texte)) {
        if (etat_.etape == 0)
            return {Issue::Vide};
        return Complete({SaisieLue::Sorte::Reel, CZero});
    }
    return Complete(LitSaisie(texte, etat_.etape == 0));
}

SaisieComplexe::Resultat SaisieComplexe::Complete(const SaisieLue& lu)
{
    switch (lu.sorte) {
    case SaisieLue::Sorte::Refusee: return {Issue::Refusee};
    case SaisieLue::Sorte::Depassement: return {Issue::Depassement};
    case SaisieLue::Sorte::Reel: {
        // At the first step the number is the real value itself.
        const TComplexe z = etat_.etape == 0 ? lu.valeur : Complexe(etat_.re, lu.valeur.Re);
        etat_ = {};
        return {Issue::Complete, z};
    }
    case SaisieLue::Sorte::Complexe: etat_ = {}; return {Issue::Complete, lu.valeur};
    }
    return {Issue::Refusee};
}
