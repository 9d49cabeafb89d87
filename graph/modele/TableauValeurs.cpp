#include "graph/modele/TableauValeurs.h"

#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Conique.h"

#include <algorithm>
#include <cmath>

namespace {

Cellule Manque(const std::string& message) { return Cellule{std::nullopt, MessageSansPoint(message)}; }

Cellule Valeur(Etendu v)
{
    if (!std::isfinite(v))
        return Manque("Dépassement de capacité .");
    return Cellule{v, std::string()};
}

Cellule De(const Evaluation& e) { return e.faute ? Manque(e.faute->message) : Valeur(e.resultat); }

} // namespace

std::string Cellule::Texte() const { return valeur ? TexteNombre(*valeur) : message; }

std::string Cellule::Copie() const { return valeur ? TexteCourt(*valeur) : message; }

TableauValeurs CalculeTableau(const ModeleGraphe& m, Etendu debut, Etendu pas, int lignes, bool seconde)
{
    TableauValeurs t;
    if (!m.PeutTracer())
        return t;
    lignes = std::clamp(lignes, 1, LignesTableauMax);
    auto variable = [&](int k) { return debut + static_cast<Etendu>(k) * pas; };
    switch (m.Type) {
    case TypeCourbe::Carte: {
        t.titres = {"x", "f(x)", "f′(x)"};
        if (seconde)
            t.titres.push_back("f″(x)");
        Programme f(m.ExprFx, 'x');
        for (int k = 0; k < lignes; ++k) {
            const Etendu x = variable(k);
            const Programme::Derivees d = f.ExecuteDerivees(x);
            t.lignes.push_back({Valeur(x), De(d.valeur), De(d.premiere)});
            if (seconde)
                t.lignes.back().push_back(De(d.seconde));
        }
        break;
    }
    case TypeCourbe::Polr: {
        t.titres = {"t", "ro(t)"};
        Programme ro(m.ExprRo, 't');
        for (int k = 0; k < lignes; ++k)
            t.lignes.push_back({Valeur(variable(k)), De(ro.Execute(variable(k)))});
        break;
    }
    case TypeCourbe::Para: {
        t.titres = {"t", "x(t)", "y(t)"};
        Programme x(m.ExprXt, 't'), y(m.ExprYt, 't');
        for (int k = 0; k < lignes; ++k)
            t.lignes.push_back({Valeur(variable(k)), De(x.Execute(variable(k))), De(y.Execute(variable(k)))});
        break;
    }
    case TypeCourbe::Cone: {
        t.titres = {"x", "y1", "y2"};
        const auto textes = TextesDeLaConique(m.ExprConique);
        if (!textes)
            return TableauValeurs{};
        Programme a(textes->A, 'x', false), b(textes->B, 'x', false), c(textes->C, 'x', false);
        for (int k = 0; k < lignes; ++k) {
            const Etendu x = variable(k);
            std::vector<Cellule> ligne{Valeur(x)};
            const Evaluation ea = a.Execute(x), eb = b.Execute(x), ec = c.Execute(x);
            if (const Evaluation* e = ea.faute ? &ea : eb.faute ? &eb : ec.faute ? &ec : nullptr) {
                ligne.push_back(De(*e));
            } else {
                for (const Etendu y : RacinesConique(ea.resultat, eb.resultat, ec.resultat))
                    ligne.push_back(Valeur(y));
            }
            ligne.resize(3);
            t.lignes.push_back(std::move(ligne));
        }
        break;
    }
    case TypeCourbe::Aucune: break;
    }
    return t;
}

std::string CopieLignes(const TableauValeurs& t, const std::vector<int>& rangs)
{
    std::string texte;
    for (const int r : rangs) {
        if (r < 0 || static_cast<std::size_t>(r) >= t.lignes.size())
            continue;
        for (std::size_t k = 0; k < t.lignes[r].size(); ++k)
            texte += (k ? "\t" : "") + t.lignes[r][k].Copie();
        texte += "\n";
    }
    return texte;
}

std::string TexteCsv(const TableauValeurs& t)
{
    std::string texte;
    auto cellule = [](std::string s) {
        std::replace(s.begin(), s.end(), '.', ','); // the decimal comma
        return s;
    };
    for (std::size_t k = 0; k < t.titres.size(); ++k)
        texte += (k ? ";" : "") + t.titres[k];
    texte += "\r\n";
    for (const auto& ligne : t.lignes) {
        for (std::size_t k = 0; k < ligne.size(); ++k)
            texte += (k ? ";" : "") + (ligne[k].valeur ? cellule(ligne[k].Copie()) : ligne[k].message);
        texte += "\r\n";
    }
    return texte;
}
