// The conic reader: any text, normalised as the field does it, ends in
// coefficient texts the evaluator takes (no function left under its typed
// name) or in a refusal; a text in the hint's form, read literally, gives
// the values its expansion gives.
#include "Verifie.h"
#include "funclang/Fonctions.h"
#include "funclang/Normalisation.h"
#include "funclang/Programme.h"
#include "funclang/Texte.h"
#include "graph/modele/Conique.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {
struct Valeurs {
    bool ok = true;
    Etendu v[3];
};

Valeurs EnX(const TextesConique& t, Etendu x)
{
    Valeurs r;
    const std::string* textes[] = {&t.A, &t.B, &t.C};
    for (int k = 0; k < 3; ++k) {
        VERIFIE(textes[k]->size() <= LongueurTexteMax);
        for (const Fonction& f : LesFonctions())
            VERIFIE(textes[k]->find(f.nom) == std::string::npos);
        const Evaluation e = Programme(*textes[k], 'x', false).Execute(x);
        r.ok = r.ok && !e.faute;
        r.v[k] = e.resultat;
    }
    return r;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille > LongueurTexteMax)
        return 0;
    Journal journal;
    const std::optional<std::string> normalise =
        NormalisePolynome(std::string(reinterpret_cast<const char*>(donnees), taille), journal);
    VERIFIE(normalise);
    const std::string& texte = *normalise;
    const auto lus = TextesDeLaConique(texte);
    if (!lus)
        return 0;
    const Valeurs a = EnX(*lus, 1.5L);
    if (!FormeDeLIndication(texte))
        return 0;
    const auto developpes = DeveloppeConique(texte);
    if (!developpes)
        return 0; // an expansion beyond the evaluator's length
    const Valeurs b = EnX(*developpes, 1.5L);
    if (!a.ok || !b.ok)
        return 0;
    for (int k = 0; k < 3; ++k) {
        if (!std::isfinite(a.v[k]) || !std::isfinite(b.v[k]))
            continue;
        const Etendu echelle = std::max({1.0L, std::fabs(a.v[k]), std::fabs(b.v[k])});
        VERIFIE(std::fabs(a.v[k] - b.v[k]) <= 1E-9L * echelle);
    }
    return 0;
}
