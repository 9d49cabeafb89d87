// The solver's methods on a fuzzed function text and fuzzed bounds: every
// method ends with a finite value or the error value.
#include "Verifie.h"
#include "funclang/Nombres.h"
#include "solver/modele/FonctionTexte.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

long double Borne(const std::uint8_t* octets)
{
    static constexpr long double Tableau[] = {0.0L, 1.0L, -1.0L, 2.0L, -3.5L, 1e-4000L, 1e4000L,
                                              -1e4000L, 0.001L, 1e-12L, 100.0L, 0.0L, -0.0L};
    if (octets[0] < 200)
        return Tableau[octets[0] % (sizeof Tableau / sizeof Tableau[0])];
    long double v = 0.0L;
    std::memcpy(&v, octets + 1, 10);
    return std::isfinite(v) ? v : 0.0L;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    constexpr std::size_t Entete = 2 + 3 * 11;
    if (taille < Entete)
        return 0;
    const int methode = donnees[0] % 6;
    const long n = static_cast<long>(donnees[1] % 70) - 3; // a few counts <= 0 too
    const long double a = Borne(donnees + 2);
    const long double b = Borne(donnees + 13);
    const long double eps = Borne(donnees + 24);
    const std::string texte(reinterpret_cast<const char*>(donnees) + Entete, taille - Entete);
    const auto f = FonctionDuTexte(texte, Jete());
    if (!f)
        return 0;
    Journal journal;
    const FonctionReelle g = f->Dans(journal);
    long double r = 0.0L;
    switch (methode) {
    case 0: r = IntegRectangles(g, n, a, b); break;
    case 1: r = IntegTrapezes(g, n, a, b); break;
    case 2: r = IntegSimpson(g, n, a, b); break;
    case 3: r = DeriveeNum(g, a); break;
    case 4: r = ZeroDichotomie(g, a, b, eps); break;
    case 5: r = ZeroNewton(g, a, eps); break;
    }
    // The quadratures and the derivative may overflow on huge bounds: the
    // window shows those as "???"; the zero finders never do.
    if (methode >= 4)
        VERIFIE(std::isfinite(r) || r == ValeurErreur);
    if (methode == 4 && r != ValeurErreur)
        VERIFIE(r >= std::fmin(a, b) && r <= std::fmax(a, b));
    return 0;
}
