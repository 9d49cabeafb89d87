#include "funclang/Fonctions.h"

#include <cmath>

namespace {

const char* RefusRacine(Etendu x) { return x < 0.0L ? "Racine carrée d'un nombre négatif ." : nullptr; }
const char* RefusInverse(Etendu x) { return x == 0.0L ? "Division par zéro ." : nullptr; }
const char* RefusLogarithme(Etendu x) { return x <= 0.0L ? "Logarithme d'un nombre négatif ou nul ." : nullptr; }
const char* RefusArcSinus(Etendu x) { return x > -1.0L && x < 1.0L ? nullptr : "Valeur interdite pour ArcSinus ."; }
const char* RefusArcCosinus(Etendu x)
{
    return x >= -1.0L && x <= 1.0L ? nullptr : "Valeur interdite pour ArcCosinus .";
}
const char* RefusArgCh(Etendu x) { return x >= 1.0L ? nullptr : "Valeur interdite pour ArgCh ."; }
const char* RefusArgTh(Etendu x) { return x > -1.0L && x < 1.0L ? nullptr : "Valeur interdite pour ArgTh ."; }
const char* RefusFactorielle(Etendu x)
{
    if (x > 1754.0L)
        return "Paramètre de factorielle trop grand .";
    if (x != std::trunc(x))
        return "Paramètre de factorielle non entier .";
    if (x < 0.0L)
        return "Paramètre de factorielle négatif .";
    return nullptr;
}

Etendu Entier(Etendu x) { return std::trunc(x); }
Etendu Fraction(Etendu x) { return x - std::trunc(x); }
Etendu Absolue(Etendu x) { return std::fabs(x); }
Etendu Carre(Etendu x) { return x * x; }
Etendu Cube(Etendu x) { return x * x * x; }
Etendu Signe(Etendu x) { return x < 0.0L ? -1.0L : 1.0L; }
Etendu Racine(Etendu x) { return std::sqrt(x); }
Etendu Inverse(Etendu x) { return 1.0L / x; }
Etendu Exponentielle(Etendu x) { return std::exp(x); }
Etendu Ln(Etendu x) { return std::log(x); }
Etendu Log(Etendu x) { return std::log10(x); }
Etendu Sinus(Etendu x) { return std::sin(x); }
Etendu Cosinus(Etendu x) { return std::cos(x); }
Etendu Tangente(Etendu x) { return std::sin(x) / std::cos(x); }
Etendu ArcTangente(Etendu x) { return std::atan(x); }
Etendu Radians(Etendu x) { return x * PiEtendu * (1.0L / 180.0L); }
Etendu Degres(Etendu x) { return x * 180.0L * (1.0L / PiEtendu); }
Etendu FactorielleDe(Etendu x) { return Factorielle(static_cast<int>(std::nearbyint(x))); }
// 1 - x^2 as (1 - x)(1 + x): near +-1 the square's rounding would cancel
// every digit of the difference.
Etendu UnMoinsCarre(Etendu x) { return (1.0L - x) * (1.0L + x); }
Etendu ArcSinus(Etendu x) { return std::atan2(x, std::sqrt(UnMoinsCarre(x))); }
Etendu ArcSinusLigne(Etendu x) { return std::atan(x / std::sqrt(UnMoinsCarre(x))); }
Etendu Sh(Etendu x) { return std::sinh(x); }
Etendu Ch(Etendu x) { return std::cosh(x); }
Etendu Th(Etendu x) { return std::tanh(x); }
Etendu ArgSh(Etendu x) { return std::asinh(x); }
Etendu ArgCh(Etendu x) { return std::acosh(x); }
Etendu ArgTh(Etendu x) { return std::atanh(x); }

constexpr Fonction Table[] = {
    {"frac", "FRC", Fraction, nullptr, false, nullptr, nullptr, 0, 1, "FRAC(X) : partie décimale", nullptr},
    {"abs", "ABS", Absolue, nullptr, false, nullptr, nullptr, 0, 2, "ABS(X) : valeur absolue", nullptr},
    {"carre", "CAR", Carre, nullptr, true, nullptr, nullptr, 1, 0, "CARRE(X) : carré", nullptr},
    {"cube", "CUB", Cube, nullptr, false, nullptr, nullptr, 1, 1, "CUBE(X) : cube", nullptr},
    {"racine", "RAC", Racine, RefusRacine, true, nullptr, "Racine carrée d'un nombre négatif.", 1, 3,
     "RACINE(X) : racine carrée", nullptr},
    {"signe", "SGN", Signe, nullptr, false, nullptr, nullptr, 0, 3, "SIGNE(X) : signe", nullptr},
    {"rad", "RAD", Radians, nullptr, false, nullptr, nullptr, 0, 5, "RAD(X) : convertit en radians", nullptr},
    {"deg", "DEG", Degres, nullptr, false, nullptr, nullptr, 0, 4, "DEG(X) : convertit en degrés", nullptr},
    {"fact", "FAC", FactorielleDe, RefusFactorielle, false, nullptr, nullptr, 1, 4, "FACT(X) : factorielle", nullptr},
    {"inv", "INV", Inverse, RefusInverse, true, nullptr, "division par zéro.", 1, 5, "INV(X) : inverse", nullptr},
    {"exp", "EXP", Exponentielle, nullptr, true, nullptr, nullptr, 2, 0, "EXP(X) : exponentielle", nullptr},
    {"ln", "LGN", Ln, RefusLogarithme, true, nullptr, "Logarithme d'un nombre négatif ou nul.", 2, 1,
     "LN(X) : logarithme népérien", nullptr},
    {"log", "LOG", Log, RefusLogarithme, false, nullptr, nullptr, 2, 2, "LOG(X) : logarithme décimal", nullptr},
    {"arcsin", "ASI", ArcSinus, RefusArcSinus, true, ArcSinusLigne, nullptr, 3, 3, "ARCSIN(X) -> sinus inverse", nullptr},
    {"sin", "SIN", Sinus, nullptr, true, nullptr, nullptr, 3, 0, "SIN(X) -> sinus", nullptr},
    {"int", "INT", Entier, nullptr, false, nullptr, nullptr, 0, 0, "INT(X) : partie entière", nullptr},
    {"arccos", "ACO", ArcCosinus, RefusArcCosinus, true, nullptr, nullptr, 3, 4, "ARCCOS(X) -> cosinus inverse",
     nullptr},
    {"cos", "COS", Cosinus, nullptr, true, nullptr, nullptr, 3, 1, "COS(X) -> cosinus", nullptr},
    {"arctan", "ATN", ArcTangente, nullptr, true, nullptr, nullptr, 3, 5, "ARCTAN(X) -> tangente",
     "                        inverse"},
    {"tan", "TAN", Tangente, nullptr, true, nullptr, nullptr, 3, 2, "TAN(X) -> tangente", nullptr},
    {"argsh", "ASH", ArgSh, nullptr, true, nullptr, nullptr, 4, 3, "ARGSH(X) -> sinus",
     "                 hyperbolique inverse"},
    {"sh", "SIH", Sh, nullptr, true, nullptr, nullptr, 4, 0, "SH(X) -> sinus hyperbolique", nullptr},
    {"argch", "ACH", ArgCh, RefusArgCh, true, nullptr, nullptr, 4, 4, "ARGCH(X) -> cosinus",
     "                 hyperbolique inverse"},
    {"ch", "COH", Ch, nullptr, true, nullptr, nullptr, 4, 1, "CH(X) -> cosinus hyperbolique", nullptr},
    {"argth", "ATH", ArgTh, RefusArgTh, true, nullptr, nullptr, 4, 5, "ARGTH(X) -> tangente",
     "                 hyperbolique inverse"},
    {"th", "TAH", Th, nullptr, true, nullptr, nullptr, 4, 2, "TH(X) -> tangente hyperbolique", nullptr},
};

} // namespace

std::span<const Fonction> LesFonctions() { return Table; }

const Fonction* FonctionDeCode(std::string_view code)
{
    if (code.size() != 3)
        return nullptr;
    for (const Fonction& f : Table)
        if (code == f.code)
            return &f;
    return nullptr;
}

Etendu Factorielle(int n)
{
    Etendu f = 1.0L;
    for (int i = 2; i <= n; ++i)
        f = f * i;
    return f;
}

Etendu ArcCosinus(Etendu x)
{
    if (x == 0.0L)
        return PiEtendu / 2.0L;
    const Etendu r = std::atan(std::sqrt(UnMoinsCarre(x)) / x);
    return x < 0.0L ? r + PiEtendu : r;
}
