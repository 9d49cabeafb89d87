#include "numerics/ValeursPropres.h"

#include <Eigen/Eigenvalues>

#include <algorithm>
#include <complex>

namespace {
using MatriceReelle = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic>;
using MatriceComplexe = Eigen::Matrix<std::complex<long double>, Eigen::Dynamic, Eigen::Dynamic>;

// The values and the residual of each pair, whatever the solver.
template <class Solveur, class Matrice>
Spectre Resous(const Matrice& m)
{
    Spectre s;
    const Solveur solveur(m, true);
    s.converge = solveur.info() == Eigen::Success;
    if (!s.converge)
        return s;
    const MatriceComplexe a = m.template cast<std::complex<long double>>();
    const MatriceComplexe vecteurs = solveur.eigenvectors();
    const long double normeA = a.stableNorm();
    for (Eigen::Index k = 0; k < a.rows(); ++k) {
        const std::complex<long double> lambda = solveur.eigenvalues()(k);
        s.valeurs.push_back(TComplexe{lambda.real(), lambda.imag()});
        const auto v = vecteurs.col(k);
        const long double echelle = normeA * v.stableNorm();
        if (echelle > 0.0L)
            s.residu = std::max(s.residu, (a * v - lambda * v).stableNorm() / echelle);
    }
    return s;
}
} // namespace

Spectre ValeursPropresQR(const TMat& a, int n)
{
    bool reelle = true;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            reelle = reelle && a(i, j).Im == 0.0L;
    Spectre s;
    if (reelle) {
        MatriceReelle m(n, n);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                m(i - 1, j - 1) = a(i, j).Re;
        s = Resous<Eigen::EigenSolver<MatriceReelle>>(m);
    } else {
        MatriceComplexe m(n, n);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                m(i - 1, j - 1) = {a(i, j).Re, a(i, j).Im};
        s = Resous<Eigen::ComplexEigenSolver<MatriceComplexe>>(m);
    }
    std::sort(s.valeurs.begin(), s.valeurs.end(), [](TComplexe x, TComplexe y) {
        return x.Re != y.Re ? x.Re > y.Re : x.Im > y.Im;
    });
    return s;
}
