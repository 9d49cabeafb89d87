#include "graph/Conique.h"

#include <cmath>

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
