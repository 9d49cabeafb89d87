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

SaisieComplexe::Resultat SaisieComplexe::Valide(const std::string& texte)
{
    const SaisieLue lu = LitSaisie(texte, etat_.etape == 0);
    switch (lu.sorte) {
    case SaisieLue::Sorte::Refusee: return {Issue::Refusee};
    case SaisieLue::Sorte::Depassement: return {Issue::Depassement};
    case SaisieLue::Sorte::Reel:
        if (etat_.etape == 0) {
            etat_ = {1, lu.valeur.Re};
            return {Issue::PartieReelle};
        }
        {
            const Etendu re = etat_.re;
            etat_ = {};
            return {Issue::Complete, Complexe(re, lu.valeur.Re)};
        }
    case SaisieLue::Sorte::Complexe: etat_ = {}; return {Issue::Complete, lu.valeur};
    }
    return {Issue::Refusee};
}
