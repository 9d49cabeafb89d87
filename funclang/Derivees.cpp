#include "funclang/Derivees.h"

#include <cmath>
#include <string_view>

namespace {
constexpr Etendu Ln10 = 2.30258509299404568401799145468436421L;

std::optional<DeriveesFonction> Regle(Etendu premiere, Etendu seconde)
{
    return DeriveesFonction{premiere, seconde};
}
} // namespace

std::optional<DeriveesFonction> DeriveesDe(const Fonction& f, Etendu v)
{
    const std::string_view code = f.code;
    const bool entier = v == std::trunc(v);
    if (code == "FRC" || code == "INT")
        return entier ? std::nullopt : Regle(code == "FRC" ? 1.0L : 0.0L, 0.0L);
    if (code == "ABS")
        return v == 0.0L ? std::nullopt : Regle(v < 0.0L ? -1.0L : 1.0L, 0.0L);
    if (code == "SGN")
        return v == 0.0L ? std::nullopt : Regle(0.0L, 0.0L);
    if (code == "CAR")
        return Regle(2.0L * v, 2.0L);
    if (code == "CUB")
        return Regle(3.0L * v * v, 6.0L * v);
    if (code == "RAC") {
        if (v <= 0.0L)
            return std::nullopt;
        const Etendu r = std::sqrt(v);
        return Regle(0.5L / r, -0.25L / (v * r));
    }
    if (code == "RAD")
        return Regle(PiEtendu / 180.0L, 0.0L);
    if (code == "DEG")
        return Regle(180.0L / PiEtendu, 0.0L);
    if (code == "FAC")
        return std::nullopt;
    if (code == "INV")
        return Regle(-1.0L / (v * v), 2.0L / (v * v * v));
    if (code == "EXP") {
        const Etendu e = std::exp(v);
        return Regle(e, e);
    }
    if (code == "LGN")
        return Regle(1.0L / v, -1.0L / (v * v));
    if (code == "LOG")
        return Regle(1.0L / (v * Ln10), -1.0L / (v * v * Ln10));
    if (code == "SIN" || code == "COS" || code == "TAN") {
        // One reduction of the argument for both: it is most of the cost
        // of a sum of sines.
        Etendu s, c;
        sincosl(v, &s, &c);
        if (code == "SIN")
            return Regle(c, -s);
        if (code == "COS")
            return Regle(-s, -c);
        const Etendu t = s / c, d = 1.0L + t * t;
        return Regle(d, 2.0L * t * d);
    }
    if (code == "ASI" || code == "ACO") {
        if (!(v > -1.0L && v < 1.0L))
            return std::nullopt;
        // 1 - v^2 as (1 - v)(1 + v), as the functions compute it.
        const Etendu u = (1.0L - v) * (1.0L + v), r = std::sqrt(u);
        const Etendu signe = code == "ASI" ? 1.0L : -1.0L;
        return Regle(signe / r, signe * v / (u * r));
    }
    if (code == "ATN") {
        const Etendu u = 1.0L + v * v;
        return Regle(1.0L / u, -2.0L * v / (u * u));
    }
    if (code == "ASH") {
        const Etendu u = 1.0L + v * v, r = std::sqrt(u);
        return Regle(1.0L / r, -v / (u * r));
    }
    if (code == "ACH") {
        if (!(v > 1.0L))
            return std::nullopt;
        const Etendu u = (v - 1.0L) * (v + 1.0L), r = std::sqrt(u);
        return Regle(1.0L / r, -v / (u * r));
    }
    if (code == "ATH") {
        const Etendu u = (1.0L - v) * (1.0L + v);
        return Regle(1.0L / u, 2.0L * v / (u * u));
    }
    if (code == "SIH")
        return Regle(std::cosh(v), std::sinh(v));
    if (code == "COH")
        return Regle(std::sinh(v), std::cosh(v));
    if (code == "TAH") {
        const Etendu t = std::tanh(v), d = 1.0L - t * t;
        return Regle(d, -2.0L * t * d);
    }
    return std::nullopt;
}
