// The complex functions against the same functions in __float128 (g++'s
// libquadmath, in the tests only): over magnitudes 1E-8 to 1E8, the axes,
// the neighbourhoods of +-1 and +-i and the cuts, no NaN or infinity for a
// representable value, no result off the principal branch, and a relative
// error below 1E-10 except where the function itself is that ill-conditioned.
#include "commun/Proche.h"
#include "numerics/Complexe.h"
#include "numerics/Matrices.h"

#include <QtTest>

extern "C" {
#include <quadmath.h>
}

#include <cmath>
#include <random>
#include <vector>

namespace {

using Fonction1 = void (*)(TComplexe, TComplexe&);
using FonctionQ = __complex128 (*)(__complex128);

__complex128 Q(TComplexe z)
{
    __complex128 q;
    __real__ q = z.Re;
    __imag__ q = z.Im;
    return q;
}

std::vector<TComplexe> Points()
{
    std::vector<TComplexe> p;
    for (int e = -8; e <= 8; ++e)
        for (int k = 0; k < 96; ++k) {
            const Etendu m = std::pow(10.0L, e) * (1.0L + 0.37L * (k % 3));
            const Etendu a = k * PiEtendu / 48 + 0.01L;
            p.push_back({m * std::cos(a), m * std::sin(a)});
        }
    for (Etendu v : {0.5L, 1.0L, 2.0L, 1E3L, 1E8L}) // the axes and the cuts
        for (TComplexe z : {TComplexe{v, 0}, {-v, 0}, {0, v}, {0, -v}})
            p.push_back(z);
    std::mt19937 alea(11);
    std::uniform_real_distribution<double> u(-1E-3, 1E-3);
    for (TComplexe c : {TComplexe{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) // around +-1 and +-i
        for (int k = 0; k < 100; ++k)
            p.push_back({c.Re + u(alea), c.Im + u(alea)});
    return p;
}

// The relative condition number of f at z, |z f'(z) / f(z)|, estimated by a
// difference in __float128: large where the result itself is near 0 or
// near a singular point.
__float128 Condition(FonctionQ f, __complex128 z)
{
    const __float128 h = static_cast<__float128>(1E-12L) * (cabsq(z) > 1 ? cabsq(z) : 1);
    const __complex128 d = (f(z + h) - f(z - h)) / (2 * h);
    const __complex128 v = f(z);
    return cabsq(v) == 0 ? static_cast<__float128>(1E30L) : cabsq(z * d / v);
}

} // namespace

class TestNumeriquesQuad : public QObject {
    Q_OBJECT

private slots:
    void balayage_data()
    {
        QTest::addColumn<int>("rang");
        const char* noms[] = {"exp", "ln", "racine", "cos", "sin", "tan", "ch", "sh", "th",
                              "arccos", "arcsin", "arctan", "argch", "argsh", "argth"};
        for (int k = 0; k < 15; ++k)
            QTest::newRow(noms[k]) << k;
    }

    void balayage()
    {
        static const Fonction1 nous[] = {CExp, SansJournal<CLn>, CRacine, CCos, CSin, SansJournal<CTan>,
                                          CCh, CSh, SansJournal<CTh>, SansJournal<CArcCos>,
                                          SansJournal<CArcSin>, SansJournal<CArcTan>, SansJournal<CArgCh>,
                                          SansJournal<CArgSh>, SansJournal<CArgTh>};
        static const FonctionQ eux[] = {cexpq, clogq, csqrtq, ccosq, csinq, ctanq, ccoshq, csinhq, ctanhq,
                                        cacosq, casinq, catanq, cacoshq, casinhq, catanhq};
        const int rang = *static_cast<int*>(QTest::qData("rang", qMetaTypeId<int>()));
        int fautes = 0, mal = 0;
        for (const TComplexe z : Points()) {
            const __complex128 ref = eux[rang](Q(z));
            const __float128 module = cabsq(ref);
            if (!(module < static_cast<__float128>(1E4900L)) || module == 0) // beyond extended precision, or a zero: not compared
                continue;
            TComplexe r{NAN, NAN};
            fonctionSilencieuse(nous[rang], z, r);
            const bool fini = std::isfinite(r.Re) && std::isfinite(r.Im);
            const __float128 erreur = cabsq(Q(r) - ref) / module;
            // An error the conditioning explains: 1E-18 per unit of condition.
            const __float128 tolere = fmaxq(static_cast<__float128>(1E-10L), static_cast<__float128>(1E-17L) * Condition(eux[rang], Q(z)));
            if (!fini || !(erreur <= tolere)) {
                if (++fautes <= 5) {
                    char t[128];
                    quadmath_snprintf(t, sizeof t, "%.3Qe", erreur);
                    qWarning("%s(%Lg %+Lgi) = %Lg %+Lgi, erreur relative %s", QTest::currentDataTag(), z.Re,
                             z.Im, r.Re, r.Im, t);
                }
                ++mal;
            }
        }
        QCOMPARE(mal, 0);
    }

    // Random matrices with one tiny leading entry but a condition number below
    // 1E4: determinant and inverse within 1E-12 of __float128 elimination.
    void matricesAuPivotMinuscule()
    {
        std::mt19937 alea(3);
        std::uniform_real_distribution<double> u(-1, 1);
        for (int n : {3, 5, 10}) {
            int verifiees = 0;
            for (int essai = 0; essai < 8; ++essai) {
                TMat m;
                __float128 q[10][20] = {};
                for (int i = 1; i <= n; ++i)
                    for (int j = 1; j <= n; ++j) {
                        const Etendu v = i == 1 && j == 1 ? 1E-20L : static_cast<Etendu>(u(alea));
                        m(i, j) = {v, 0};
                        q[i - 1][j - 1] = v;
                        q[i - 1][n + j - 1] = i == j;
                    }
                // Gauss-Jordan with partial pivoting in __float128.
                __float128 det = 1;
                for (int k = 0; k < n; ++k) {
                    int p = k;
                    for (int i = k + 1; i < n; ++i)
                        if (fabsq(q[i][k]) > fabsq(q[p][k]))
                            p = i;
                    if (p != k) {
                        for (int j = 0; j < 2 * n; ++j)
                            std::swap(q[p][j], q[k][j]);
                        det = -det;
                    }
                    det *= q[k][k];
                    const __float128 pivot = q[k][k];
                    for (int j = 0; j < 2 * n; ++j)
                        q[k][j] /= pivot;
                    for (int i = 0; i < n; ++i)
                        if (i != k) {
                            const __float128 f = q[i][k];
                            for (int j = 0; j < 2 * n; ++j)
                                q[i][j] -= f * q[k][j];
                        }
                }
                __float128 normeA = 0, normeInv = 0;
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j) {
                        normeA = fmaxq(normeA, fabsq(static_cast<__float128>(m(i + 1, j + 1).Re)));
                        normeInv = fmaxq(normeInv, fabsq(q[i][n + j]));
                    }
                if (normeA * normeInv * n > static_cast<__float128>(1E4L))
                    continue; // too ill-conditioned for the test's bound
                ++verifiees;
                const TComplexe d = Determinant(n, m);
                QVERIFY2(fabsq(static_cast<__float128>(d.Re) - det) <= static_cast<__float128>(1E-12L) * fabsq(det),
                         qPrintable(QString("ordre %1").arg(n)));
                TMat r;
                bool ok = false;
                ok = !InverseMat(n, m, r);
                QVERIFY(ok);
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j)
                        QVERIFY(fabsq(static_cast<__float128>(r(i + 1, j + 1).Re) - q[i][n + j]) <=
                                static_cast<__float128>(1E-12L) * normeInv);
            }
            QVERIFY2(verifiees >= 2, qPrintable(QString("ordre %1 : %2").arg(n).arg(verifiees)));
        }
    }

private:
    // The functions that can fail show the error themselves; here no point
    // is a pole, and the recorder is not needed.
    static void fonctionSilencieuse(Fonction1 f, TComplexe z, TComplexe& r) { f(z, r); }
};

QTEST_MAIN(TestNumeriquesQuad)
#include "test_numerics_quad.moc"
