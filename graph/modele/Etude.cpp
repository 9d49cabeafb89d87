#include "graph/modele/Etude.h"

#include "funclang/Arrondi.h"
#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "graph/modele/Trace.h"
#include "numerics/Quadrature.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>
#include <utility>

const char* NomSorte(SortePoint sorte)
{
    switch (sorte) {
    case SortePoint::Zero: return "Zéro";
    case SortePoint::Maximum: return "Maximum";
    case SortePoint::Minimum: return "Minimum";
    case SortePoint::Inflexion: return "Inflexion";
    case SortePoint::Borne: return "Borne";
    case SortePoint::Integrale: return "Intégrale";
    case SortePoint::Pole: return "Pôle";
    case SortePoint::Echec: return "Echec";
    }
    return "";
}

namespace {

// One unit of the 15th significant digit of x.
Etendu Unite15(Etendu x)
{
    return x == 0.0L ? 0.0L : std::pow(10.0L, std::floor(std::log10(std::fabs(x))) - 14.0L);
}

const Evaluation& Ordre(const Programme::Derivees& d, int ordre)
{
    return ordre == 0 ? d.valeur : ordre == 1 ? d.premiere : d.seconde;
}

// -1, 0 or 1; none for a failure.
std::optional<int> Signe(const Evaluation& e)
{
    if (e.faute)
        return std::nullopt;
    return (e.resultat > 0.0L) - (e.resultat < 0.0L);
}

PointEtude Point(SortePoint sorte, Etendu x, std::optional<Etendu> y = std::nullopt, std::string message = {})
{
    return PointEtude{sorte, x, y, 0.0L, std::move(message)};
}

bool Opposes(const std::optional<int>& a, const std::optional<int>& b) { return a && b && *a * *b < 0; }

// The order in which the results list the kinds: extrema together.
int Groupe(SortePoint s)
{
    const int k = static_cast<int>(s);
    return s >= SortePoint::Minimum ? k - 1 : k;
}

// A zero of f's derivative of this order between l and r, where it
// has the sign signeL at l and the other at r: Newton's step (for f'',
// whose own derivative is not computed, the secant's) where it stays
// inside the bracket and shrinks faster than bisection would, a
// bisection otherwise; until the bracket or the step holds no more of
// the digits the results show.
struct Crochet {
    Etendu l, r, x;
};
Crochet Affine(Programme& f, int ordre, Etendu l, Etendu r, int signeL, const std::function<bool()>& arret)
{
    if (l < 0.0L && r > 0.0L) {
        const Programme::Derivees zero = f.ExecuteDerivees(0.0L);
        if (Signe(Ordre(zero, ordre)) == 0)
            return {0.0L, 0.0L, 0.0L};
    }
    Etendu x = (l + r) * 0.5L, pas = r - l, pasAvant = pas;
    std::optional<std::pair<Etendu, Etendu>> precedent;
    for (int k = 0; k < 400 && !(arret && arret()); ++k) {
        const Programme::Derivees d = f.ExecuteDerivees(x);
        const Evaluation& g = Ordre(d, ordre);
        const std::optional<int> s = Signe(g);
        if (s == 0 || !s)
            return {x, x, x}; // exactly zero, or the point where it fails
        (*s == signeL ? l : r) = x;
        const Etendu milieu = (l + r) * 0.5L;
        if (milieu == l || milieu == r || r - l <= 1E-16L * std::max(std::fabs(l), std::fabs(r)))
            break;
        std::optional<Etendu> pente;
        if (ordre < 2 && !Ordre(d, ordre + 1).faute)
            pente = Ordre(d, ordre + 1).resultat;
        else if (ordre == 2 && precedent && precedent->first != x)
            pente = (g.resultat - precedent->second) / (x - precedent->first);
        precedent = {x, g.resultat};
        Etendu suivant = milieu;
        if (pente && *pente != 0.0L && std::isfinite(*pente)) {
            const Etendu newton = x - g.resultat / *pente;
            if (newton > l && newton < r && std::fabs(newton - x) < 0.5L * pasAvant) {
                if (std::fabs(newton - x) <= 1E-19L * std::fabs(x))
                    break;
                suivant = newton;
            }
        }
        pasAvant = pas;
        pas = std::fabs(suivant - x);
        x = suivant;
    }
    return {l, r, x};
}

// The values are computed from x through 15 digits: near the zero, g
// is a staircase whose sign changes between two 15-digit numbers. Of
// those, the one where |g| is smaller: the zero to 15 digits.
Etendu SurLaGrille(Programme& f, int ordre, const Crochet& crochet)
{
    Etendu meilleur = crochet.x, ecart = INFINITY;
    for (const Etendu c : {Arrondi15(crochet.l), Arrondi15(crochet.r), Arrondi15(crochet.x)}) {
        const Programme::Derivees d = f.ExecuteDerivees(c);
        const Evaluation& g = Ordre(d, ordre);
        if (!g.faute && std::fabs(g.resultat) < ecart) {
            ecart = std::fabs(g.resultat);
            meilleur = c;
        }
    }
    return meilleur;
}

// How far the zero z of f's derivative of this order may lie from the true
// one: the scatter of that derivative about its line through z's nine
// nearest 15-digit neighbours, over the line's slope. Rounding each step to
// 15 digits makes it scatter where its terms cancel (a sum of sines at an
// extremum); a smooth function scatters by less than one unit of the 15th
// digit.
Etendu Incertitude(Programme& f, int ordre, Etendu z)
{
    const Etendu u = Unite15(z);
    if (u == 0.0L)
        return 0.0L;
    std::vector<std::pair<Etendu, Etendu>> points;
    for (int k = -4; k <= 4; ++k) {
        const Programme::Derivees d = f.ExecuteDerivees(Arrondi15(z + k * u));
        const Evaluation& g = Ordre(d, ordre);
        if (!g.faute)
            points.emplace_back(k, g.resultat);
    }
    if (points.size() < 5)
        return 0.0L;
    Etendu sm = 0.0L, sg = 0.0L;
    for (const auto& [m, g] : points) {
        sm += m;
        sg += g;
    }
    const Etendu mm = sm / points.size(), mg = sg / points.size();
    Etendu smm = 0.0L, smg = 0.0L;
    for (const auto& [m, g] : points) {
        smm += (m - mm) * (m - mm);
        smg += (m - mm) * (g - mg);
    }
    const Etendu pente = smg / smm;
    Etendu ecart = 0.0L;
    for (const auto& [m, g] : points)
        ecart = std::max(ecart, std::fabs(g - (mg + pente * (m - mm))));
    return pente == 0.0L ? (ecart == 0.0L ? 0.0L : INFINITY) : ecart / std::fabs(pente) * u;
}

// The significant digits of v that an uncertainty leaves: 15 within half a
// unit of the 15th digit, one less for each power of ten beyond, at least 1.
int Chiffres(Etendu v, Etendu incertitude)
{
    const Etendu demi = 0.5L * Unite15(v);
    if (!(incertitude > demi))
        return 15;
    if (!std::isfinite(incertitude) || demi == 0.0L)
        return 1;
    return std::clamp(15 - static_cast<int>(std::ceil(std::log10(incertitude / demi))), 1, 15);
}

// calcul(f, i) for every i < n, the indices dealt out between the cores,
// each core on its own clone of f. arret is asked on every thread.
template <class Calcul>
void SurLesCoeurs(std::size_t n, const Programme& f, const std::function<bool()>& arret, Calcul calcul)
{
    const std::size_t coeurs = std::max<std::size_t>(1, std::min<std::size_t>(CoeursMachine(), n));
    auto part = [&](Programme clone, std::size_t premier) {
        for (std::size_t i = premier; i < n && !(arret && arret()); i += coeurs)
            calcul(clone, i);
    };
    std::vector<std::thread> fils;
    for (std::size_t k = 1; k < coeurs; ++k)
        fils.emplace_back(part, f, k);
    part(f, 0);
    for (std::thread& t : fils)
        t.join();
}

class Etudieur {
public:
    Etudieur(const std::string& expr, const std::function<bool()>& arret) : expression_(expr), f_(expr, 'x'), arret_(arret)
    {
    }

    Etude Etudie(Etendu a, Etendu b, int n)
    {
        if (b < a)
            std::swap(a, b);
        r_.expression = expression_;
        r_.debut = a;
        r_.fin = b;
        const Etendu h = (b - a) / n;
        std::vector<Etendu> xs(n + 1);
        for (int i = 0; i <= n; ++i)
            xs[i] = i == n ? b : a + i * h;
        std::vector<Programme::Derivees> d(n + 1);
        SurLesCoeurs(d.size(), f_, arret_, [&](Programme& f, std::size_t i) { d[i] = f.ExecuteDerivees(xs[i]); });
        if (Arrete())
            return Fin();
        auto f = [&d](int i) -> const Evaluation& { return d[i].valeur; };
        auto signe = [&d](int i, int ordre) { return Signe(Ordre(d[i], ordre)); };
        auto grandeur = [&](int i, int j) { return std::max(std::fabs(f(i).resultat), std::fabs(f(j).resultat)); };
        // Whether the 15-digit values of x can show f between the samples
        // i and i + 1: not where one unit of the 15th digit of x moves f
        // more than f's values there (sin(x) near 1E4000, where every
        // change of sign is noise).
        auto resolue = [&](int i) {
            Etendu pente = 0.0L;
            for (const int j : {i, i + 1})
                if (!d[j].premiere.faute)
                    pente = std::max(pente, std::fabs(d[j].premiere.resultat));
            return 4.0L * pente * Unite15(std::max(std::fabs(xs[i]), std::fabs(xs[i + 1]))) <= grandeur(i, i + 1);
        };

        // The refinements the loops below ask for, the changes of sign of
        // f, f' and f'' between two samples, as many as can be listed:
        // computed ahead on every core.
        struct Affinage {
            int ordre, i;
            Crochet crochet;
            Etendu grille;
            Etendu incertitude = 0.0L;
        };
        std::vector<Affinage> affinages;
        for (int ordre = 0; ordre <= 2; ++ordre)
            for (int i = 0, k = 0; i < n && k < 2 * PointsParSorte + 2; ++i)
                if (Opposes(signe(i, ordre), signe(i + 1, ordre)) && (ordre == 0 || !(f(i).faute || f(i + 1).faute))) {
                    affinages.push_back({ordre, i, {}, 0.0L});
                    ++k;
                }
        SurLesCoeurs(affinages.size(), f_, arret_, [&](Programme& p, std::size_t k) {
            Affinage& t = affinages[k];
            t.crochet = Affine(p, t.ordre, xs[t.i], xs[t.i + 1], *signe(t.i, t.ordre), arret_);
            t.grille = SurLaGrille(p, t.ordre, t.crochet);
            t.incertitude = Incertitude(p, t.ordre, t.grille);
        });
        if (Arrete())
            return Fin();
        // The change of sign of the derivative of this order between the
        // samples i and i + 1, refined.
        auto affine = [&](int ordre, int i) -> Affinage {
            const auto fait = std::find_if(affinages.begin(), affinages.end(),
                                           [&](const Affinage& t) { return t.ordre == ordre && t.i == i; });
            if (fait != affinages.end())
                return *fait;
            const Crochet c = Affine(f_, ordre, xs[i], xs[i + 1], *signe(i, ordre), [this] { return Arrete(); });
            const Etendu grille = SurLaGrille(f_, ordre, c);
            return {ordre, i, c, grille, Incertitude(f_, ordre, grille)};
        };

        // Poles and zeros: the sign changes of f, and its exact zeros.
        for (int i = 0; i <= n && !Arrete(); ++i) {
            // A run of exact zeros (int(x) on ]-1, 1[) is told once.
            if (signe(i, 0) == 0 && (i == 0 || signe(i - 1, 0) != 0))
                AjouteZero(xs[i]);
            const bool change = i < n && Opposes(signe(i, 0), signe(i + 1, 0)) && resolue(i);
            if (change && !Place(SortePoint::Zero)) {
                Compte(SortePoint::Zero); // beyond the list: counted, not refined
            } else if (change) {
                const Affinage z = affine(0, i);
                const Evaluation v = f_.Execute(z.crochet.x);
                if (v.faute || std::fabs(v.resultat) > 1E3L * grandeur(i, i + 1))
                    Ajoute(Point(SortePoint::Pole, Arrondi15(Pole(xs[i], xs[i + 1], *signe(i, 0)))));
                else if (Continue(z.grille, grandeur(i, i + 1)))
                    AjouteZero(z.grille, Chiffres(z.grille, z.incertitude));
            }
            // A single failing sample between values of opposite signs.
            if (i > 0 && i < n && f(i).faute && Opposes(signe(i - 1, 0), signe(i + 1, 0)))
                Ajoute(Point(SortePoint::Pole, xs[i]));
        }
        // Fewer than 8 samples between two extrema: zeros and extrema may
        // lie unseen between two samples.
        int extremaVus = 0;
        for (int i = 0; i < n; ++i)
            extremaVus += Opposes(signe(i, 1), signe(i + 1, 1));
        r_.echantillonnageGrossier = extremaVus > n / 8;
        // Extrema and inflection points, inside the interval.
        for (int ordre = 1; ordre <= 2 && !Arrete(); ++ordre) {
            for (int i = 0; i < n && !Arrete(); ++i) {
                if (f(i).faute || f(i + 1).faute)
                    continue;
                const bool interieur = i > 0;
                std::optional<Etendu> x;
                Etendu incertitude = 0.0L;
                int avant = 0;
                if (Opposes(signe(i, ordre), signe(i + 1, ordre)) && resolue(i)) {
                    avant = *signe(i, ordre);
                    if (Place(ordre == 1 ? SortePoint::Maximum : SortePoint::Inflexion)) {
                        const Affinage t = affine(ordre, i);
                        x = t.grille;
                        incertitude = t.incertitude;
                    } else {
                        Compte(ordre == 1 ? (avant > 0 ? SortePoint::Maximum : SortePoint::Minimum) : SortePoint::Inflexion);
                    }
                } else if (const std::optional<int> ici = signe(i, ordre);
                           interieur && (!ici || *ici == 0) && Opposes(signe(i - 1, ordre), signe(i + 1, ordre)) &&
                           resolue(i)) {
                    // Zero at the sample itself, or a failure there (a kink).
                    if (ordre == 2 && Ordre(d[i], 2).faute)
                        continue;
                    avant = *signe(i - 1, ordre);
                    x = xs[i];
                }
                if (!x || *x <= a || *x >= b)
                    continue;
                const Evaluation v = f_.ExecuteEtendu(*x);
                // A pole between the samples is no extremum.
                if (v.faute || std::fabs(v.resultat) > 1E3L * grandeur(i, i + 1) + 1E3L)
                    continue;
                const SortePoint sorte = ordre == 2 ? SortePoint::Inflexion
                                         : avant > 0 ? SortePoint::Maximum
                                                     : SortePoint::Minimum;
                PointEtude p = Point(sorte, *x, v.resultat);
                p.chiffresX = Chiffres(*x, incertitude);
                // f(x) is f at the 15-digit x shown; where x shows fewer
                // digits, the inflection point may be off by the uncertainty
                // of x, and f by its slope times it (flat at an extremum).
                if (ordre == 2 && p.chiffresX < 15) {
                    const Evaluation pente = f_.ExecuteDerivees(*x).premiere;
                    p.chiffresY = pente.faute ? 1 : Chiffres(v.resultat, std::fabs(pente.resultat) * incertitude);
                }
                Ajoute(p);
                if (ordre == 1 && v.resultat == 0.0L)
                    AjouteZero(*x); // a zero the curve touches
            }
        }
        // The bounds.
        for (const int i : {0, n}) {
            PointEtude p = Point(SortePoint::Borne, xs[i]);
            const Evaluation v = f_.ExecuteEtendu(xs[i]);
            if (v.faute)
                p.message = v.faute->message;
            else
                p.y = v.resultat;
            Ajoute(p);
        }
        // Where f, then f', fails: the first sample of each run.
        for (int ordre = 0; ordre <= 1; ++ordre)
            for (int i = 0; i <= n; ++i) {
                const Evaluation& e = Ordre(d[i], ordre);
                const bool debut = e.faute && (i == 0 || !Ordre(d[i - 1], ordre).faute);
                if (!debut || (ordre == 1 && f(i).faute) || EstPole(xs[i]))
                    continue;
                Ajoute(Point(SortePoint::Echec, xs[i], std::nullopt, e.faute->message));
            }
        Integre(a, b);
        return Fin();
    }

private:
    bool Arrete()
    {
        if (!interrompue_ && arret_ && arret_())
            interrompue_ = true;
        return interrompue_;
    }

    int Limite(SortePoint s) const { return s == SortePoint::Echec ? EchecsListes : PointsParSorte; }
    // Whether a point of this kind is still listed (extrema: either kind).
    bool Place(SortePoint s) const
    {
        const int k = static_cast<int>(s);
        if (s == SortePoint::Maximum || s == SortePoint::Minimum)
            return trouves_[1] < Limite(s) || trouves_[2] < Limite(s);
        return trouves_[k] < Limite(s);
    }
    void Compte(SortePoint s) { ++r_.autres[static_cast<int>(s)]; }

    void Ajoute(const PointEtude& p)
    {
        int& n = trouves_[static_cast<int>(p.sorte)];
        if (n++ < Limite(p.sorte))
            r_.points.push_back(p);
        else
            Compte(p.sorte);
    }
    void AjouteZero(Etendu x, int chiffres = 15)
    {
        for (const PointEtude& p : r_.points)
            if (p.sorte == SortePoint::Zero && p.x == x)
                return;
        PointEtude p = Point(SortePoint::Zero, x, 0.0L);
        p.chiffresX = chiffres;
        Ajoute(p);
    }
    // Whether f crosses 0 at the 15-digit x, rather than jumping over it
    // (int(x) - 0.5 at 1): |f(x)| within what its slope moves in one unit of
    // the 15th digit, and the noise of the 15-digit steps.
    bool Continue(Etendu x, Etendu grandeur)
    {
        const Programme::Derivees d = f_.ExecuteDerivees(x);
        if (d.valeur.faute)
            return false;
        const Etendu pente = d.premiere.faute ? 0.0L : std::fabs(d.premiere.resultat);
        return std::fabs(d.valeur.resultat) <= 4.0L * pente * Unite15(x) + 1E-12L * grandeur;
    }

    bool EstPole(Etendu x) const
    {
        return std::any_of(r_.points.begin(), r_.points.end(),
                           [x](const PointEtude& p) { return p.sorte == SortePoint::Pole && p.x == x; });
    }

    // A pole by bisection on f in full extended precision: through 15
    // digits, x would put the change of sign half-way between two of them.
    Etendu Pole(Etendu l, Etendu r, int signeL)
    {
        for (int k = 0; k < 200 && !Arrete(); ++k) {
            const Etendu x = (l + r) * 0.5L;
            if (x == l || x == r)
                break;
            const std::optional<int> s = Signe(f_.ExecuteEtendu(x));
            if (!s || s == 0)
                return x;
            (*s == signeL ? l : r) = x;
        }
        return (l + r) * 0.5L;
    }

    void Integre(Etendu a, Etendu b)
    {
        if (Arrete() || a == b)
            return;
        // Across a pole the integral diverges, whatever the panels say.
        if (std::any_of(r_.points.begin(), r_.points.end(), [](const PointEtude& p) { return p.sorte == SortePoint::Pole; })) {
            Ajoute(Point(SortePoint::Integrale, a, std::nullopt, IntegralePole));
            return;
        }
        std::string message;
        const Integration i = IntegreGaussKronrod(
            [this, &message](Etendu x, Etendu& y) {
                const Evaluation e = f_.ExecuteEtendu(x);
                if (e.faute)
                    message = e.faute->message;
                y = e.resultat;
                return !e.faute;
            },
            a, b, 1E-15L, 4000, [this] { return Arrete(); });
        PointEtude p = Point(SortePoint::Integrale, a);
        if (i.echec)
            p.message = message;
        else if (!i.interrompue) {
            p.y = i.valeur;
            p.erreur = i.erreur;
        }
        if (p.y || !p.message.empty())
            Ajoute(p);
    }

    Etude Fin()
    {
        r_.interrompue = interrompue_;
        std::stable_sort(r_.points.begin(), r_.points.end(), [](const PointEtude& p, const PointEtude& q) {
            return Groupe(p.sorte) != Groupe(q.sorte) ? Groupe(p.sorte) < Groupe(q.sorte) : p.x < q.x;
        });
        return r_;
    }

    std::string expression_;
    Programme f_;
    std::function<bool()> arret_;
    Etude r_;
    std::array<int, NombreSortes> trouves_{};
    bool interrompue_ = false;
};

} // namespace

namespace {
// A bound written with two digits, rounded up: what is shown still bounds.
std::string TexteBorne(Etendu e)
{
    const Etendu unite = std::pow(10.0L, std::floor(std::log10(e)) - 1.0L);
    return TexteScientifiqueCourt(std::ceil(e / unite * (1.0L - 1E-15L)) * unite).substr(1);
}

std::string TexteIntegrale(Etendu v, Etendu erreur, bool copie)
{
    if (copie)
        return TexteCourt(Arrondi15(v)) + (erreur > 1E-15L * std::fabs(v) ? "\t" + TexteCourt(erreur) : "");
    if (!(erreur > 1E-15L * std::fabs(v)))
        return TexteNombre(v);
    // Where the bound is above the value, not even its sign is known: the
    // interval that holds the integral, around 0.
    if (!(std::fabs(v) > erreur))
        return "0 ± " + TexteBorne(std::fabs(v) + erreur);
    // The digits the bound leaves, at least one.
    const int chiffres = std::clamp(static_cast<int>(std::floor(std::log10(std::fabs(v) / erreur))), 1, 15);
    return TexteScientifique(v, chiffres) + " ± " + TexteBorne(erreur);
}
} // namespace

std::vector<LigneEtude> LignesEtude(const Etude& etude, bool copie)
{
    auto nombre = [copie](Etendu v, int chiffres) {
        if (chiffres >= 15)
            return copie ? TexteCourt(Arrondi15(v)) : TexteNombre(v);
        const std::string texte = TexteScientifique(v, chiffres);
        return copie ? TexteCourt(std::strtold(texte.c_str(), nullptr)) : texte;
    };
    std::vector<LigneEtude> lignes;
    for (const PointEtude& p : etude.points) {
        LigneEtude l{NomSorte(p.sorte), nombre(p.x, p.chiffresX), p.message, p.x, p.y};
        if (p.sorte == SortePoint::Integrale)
            l = LigneEtude{NomSorte(p.sorte), TexteCourt(etude.debut) + " .. " + TexteCourt(etude.fin), p.message, std::nullopt,
                           std::nullopt};
        if (p.y)
            l.y = p.sorte == SortePoint::Integrale ? TexteIntegrale(*p.y, p.erreur, copie) : nombre(*p.y, p.chiffresY);
        else if (!copie && !l.y.empty() && l.y.back() == '.')
            l.y.erase(l.y.find_last_not_of(" .") + 1);
        lignes.push_back(l);
    }
    for (int k = 0; k < NombreSortes; ++k)
        if (etude.autres[k] > 0)
            lignes.push_back({NomSorte(static_cast<SortePoint>(k)),
                              (etude.echantillonnageGrossier ? "... et au moins " : "... et ") +
                                  std::to_string(etude.autres[k]) + " autres",
                              std::string(), std::nullopt, std::nullopt});
    return lignes;
}

Etude EtudieFonction(const std::string& expr, Etendu a, Etendu b, int echantillons, const std::function<bool()>& arret)
{
    return Etudieur(expr, arret).Etudie(a, b, std::max(echantillons, EchantillonsEtude));
}
