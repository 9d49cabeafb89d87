#pragma once
// Adaptive Gauss-Kronrod quadrature (7 and 15 points) in extended precision,
// for an integral meant to the last digit shown.
#include "numerics/Etendu.h"

#include <functional>
#include <optional>

// The integrand: false where it has no value (the caller keeps why).
using Integrande = std::function<bool(Etendu x, Etendu& y)>;

struct Integration {
    Etendu valeur = 0.0L;
    // The sum of the panels' error estimates, or the rounding of the sums
    // when it is larger: the bound the result reached.
    Etendu erreur = 0.0L;
    // The first point where the integrand had no value, if any (no value
    // then).
    std::optional<Etendu> echec;
    bool interrompue = false;
};

// The integral over [a, b] (a > b gives the opposite): the panel with the
// largest estimate is halved until the estimates sum to at most
// toleranceRelative times the result (or to the rounding of the integral of
// |f|, when the values cancel), or panelsMax panels are held, or arret()
// says to stop.
Integration IntegreGaussKronrod(const Integrande& f, Etendu a, Etendu b, Etendu toleranceRelative, int panelsMax,
                                const std::function<bool()>& arret = {});
