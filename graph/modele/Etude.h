#pragma once
// The study of a cartesian function on [a, b] in one computation: its
// zeros, local extrema, inflection points, values at the bounds, integral,
// poles and the points where it fails. Zeros and extrema come from the
// exact derivatives, refined by Newton's method kept inside a bracket by
// bisection; the integral from adaptive Gauss-Kronrod on the function in
// full extended precision.
#include "numerics/Etendu.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class SortePoint { Zero, Maximum, Minimum, Inflexion, Borne, Integrale, Pole, Echec };
inline constexpr int NombreSortes = 8;
// « Zéro », « Maximum », ... as the results show them.
const char* NomSorte(SortePoint sorte);

struct PointEtude {
    SortePoint sorte;
    Etendu x = 0.0L;
    std::optional<Etendu> y;   // f(x); the integral's value
    Etendu erreur = 0.0L;      // the integral's error bound
    std::string message;       // why there is no value
    // The significant digits of x and y the method guarantees.
    int chiffresX = 15, chiffresY = 15;
};

struct Etude {
    std::string expression;          // the normalised text studied
    Etendu debut = 0.0L, fin = 0.0L; // the interval, in order
    std::vector<PointEtude> points;  // by kind, then by x
    // What the sampling found beyond the points listed, by kind; with
    // fewer than a few samples between two extrema it cannot see them all.
    std::array<int, NombreSortes> autres{};
    bool echantillonnageGrossier = false;
    bool interrompue = false;
};

inline constexpr int EchantillonsEtude = 20000;
inline constexpr const char* IntegralePole = "Intégrale non calculée : pôle dans l'intervalle .";
inline constexpr const char* IntegraleImprecise = "Intégrale non calculée : précision insuffisante .";
inline constexpr int PointsParSorte = 100;
inline constexpr int EchecsListes = 10;

// The rows the results show: the kind, x (the integral's row: its
// interval) and f(x) (the integral's value, with « ± » its bound and only
// the digits the bound leaves when it is above 1E-15 of the value,
// IntegraleImprecise when it leaves none; the message where there is no
// value), then a row « ... et N autres » for each kind the list cut short
// (« ... et au moins N autres » when the sampling was too coarse to count). copie: the copy form instead (numbers as
// TexteCourt writes them, the bound after a tab).
struct LigneEtude {
    std::string nature, x, y;
    std::optional<Etendu> abscisse; // where a cursor can go
    std::optional<Etendu> ordonnee;
};
std::vector<LigneEtude> LignesEtude(const Etude& etude, bool copie = false);

// The study of the normalised text expr (in x) on [a, b] (the bounds in
// either order), on echantillons equal steps (at least EchantillonsEtude).
// arret() stops it: what was found stays, marked interrupted. The study
// runs on every core, and arret is asked on each.
Etude EtudieFonction(const std::string& expr, Etendu a, Etendu b, int echantillons = EchantillonsEtude,
                     const std::function<bool()>& arret = {});
