// The matrix kernels and the matrix model: elimination, rank, inverse,
// systems, characteristic polynomial, eigenvalues, cell texts and commands.
#include "commun/Bac.h"
#include "commun/PlateformeEnregistreuse.h"
#include "commun/Proche.h"
#include "matrix/modele/ModeleMatrice.h"
#include "numerics/Matrices.h"
#include "numerics/ValeursPropres.h"

#include <QtTest>

#include <array>
#include <fstream>
#include <initializer_list>
#include <random>

namespace {

TMat Matrice(std::initializer_list<std::initializer_list<long double>> lignes)
{
    TMat m;
    int i = 1;
    for (const auto& ligne : lignes) {
        int j = 1;
        for (long double v : ligne)
            m(i, j++) = Complexe(v, 0.0L);
        ++i;
    }
    return m;
}

bool Egal(TComplexe a, long double re, long double im = 0.0L) { return Proche(a, {re, im}, 16); }

} // namespace

class TestMatrix : public QObject {
    Q_OBJECT

private slots:
    void determinants_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<long double>("det");
        QTest::newRow("échange de lignes") << 0 << -1.0L;
        QTest::newRow("première colonne nulle") << 1 << 0.0L;
        QTest::newRow("ordre 1") << 2 << 7.0L;
        QTest::newRow("[(1,2),(3,4)]") << 3 << -2.0L;
        QTest::newRow("ligne nulle au milieu") << 4 << 0.0L;
        QTest::newRow("pivot minuscule") << 5 << 2.0L; // exact value 2 - 1E-20 + ..., shown 2
    }

    void determinants()
    {
        QFETCH(int, cas);
        QFETCH(long double, det);
        const TMat mats[] = {Matrice({{0, 1}, {1, 0}}), Matrice({{0, 1}, {0, 2}}), Matrice({{7}}),
                             Matrice({{1, 2}, {3, 4}}), Matrice({{1, 2, 3}, {0, 0, 0}, {4, 5, 6}}),
                             Matrice({{1E-20L, 1, 1}, {1, 1, 2}, {1, 2, 1}})};
        const int ordres[] = {2, 2, 1, 2, 3, 3};
        const TComplexe d = Determinant(ordres[cas], mats[cas]);
        QVERIFY2(std::fabs(d.Re - det) <= 1E-15L * std::fabs(det) && std::fabs(d.Im) <= 1E-15L, qPrintable(Texte(d)));
    }

    void triangulationSansPivot()
    {
        TMat t;
        int signe = 0;
        Triangule(2, 2, Matrice({{0, 1}, {0, 2}}), t, signe);
        for (int i = 1; i <= 11; ++i)
            for (int j = 1; j <= 11; ++j)
                QVERIFY(EstNul(t(i, j)));
    }

    void rangs_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<int>("rang");
        QTest::newRow("[(1,2),(2,4)]") << 0 << 1;
        QTest::newRow("identité 3") << 1 << 3;
        QTest::newRow("échange à la deuxième étape") << 2 << 2;
        QTest::newRow("première colonne nulle: [(0,1),(0,2)]") << 3 << 1;
        QTest::newRow("colonne sans pivot: [(1,1,1),(1,1,2),(1,1,3)]") << 4 << 2;
        QTest::newRow("nulle") << 5 << 0;
    }

    void rangs()
    {
        QFETCH(int, cas);
        QFETCH(int, rang);
        const TMat mats[] = {Matrice({{1, 2}, {2, 4}}), Matrice({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}),
                             Matrice({{1, 2, 3}, {2, 4, 6}, {1, 1, 1}}), Matrice({{0, 1}, {0, 2}}),
                             Matrice({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}), TMat{}};
        const int ordres[] = {2, 3, 3, 2, 3, 2};
        int r = -1;
        TMat forme;
        RangMat(ordres[cas], mats[cas], r, forme);
        QCOMPARE(r, rang);
    }

    void rangGardeLaFormeDeLaTriangulation()
    {
        // Without a column lacking its pivot, the echelon form is Triangule's.
        const TMat m = Matrice({{1, 2, 3}, {2, 4, 6}, {1, 1, 1}});
        TMat t, forme;
        int signe, rang;
        Triangule(3, 3, m, t, signe);
        RangMat(3, m, rang, forme);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                QVERIFY(forme(i, j).Re == t(i, j).Re && forme(i, j).Im == t(i, j).Im);
        QVERIFY(Egal(forme(2, 2), -1.0L)); // rows 2 and 3 exchanged at the second step
    }

    void inverse()
    {
        TMat r;
        bool ok = false;
        ok = !InverseMat(2, Matrice({{1, 2}, {3, 4}}), r);
        QVERIFY(ok);
        QVERIFY(Egal(r(1, 1), -2) && Egal(r(1, 2), 1) && Egal(r(2, 1), 1.5L) && Egal(r(2, 2), -0.5L));
        TMat intact = Matrice({{9}});
        ok = !InverseMat(2, Matrice({{1, 2}, {2, 4}}), intact);
        QVERIFY(!ok);
        QCOMPARE(intact(1, 1).Re, 9.0L);
        // Singular within the rounding of their terms, imaginary parts counted.
        QVERIFY(InverseMat(2, Matrice({{1E15L, 1E15L}, {1E15L, 1E15L + 3}}), r));
        TMat imaginaire;
        for (int k = 0; k < 9; ++k)
            imaginaire(k / 3 + 1, k % 3 + 1) = Complexe(0.0L, (k + 1) / 10.0L);
        QVERIFY(InverseMat(3, imaginaire, r));
        // A tiny leading pivot no longer makes the matrix singular; the rank sees it too.
        const TMat petit = Matrice({{1E-20L, 1, 1}, {1, 1, 2}, {1, 2, 1}});
        ok = !InverseMat(3, petit, r);
        QVERIFY(ok);
        const TMat produit = ProduitMat(petit, r);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                QVERIFY(std::fabs(produit(i, j).Re - (i == j ? 1.0L : 0.0L)) < 1e-15L);
        int rang = 0;
        TMat forme;
        RangMat(3, petit, rang, forme);
        QCOMPARE(rang, 3);
        // Every pivot tiny: a value, no NaN.
        const TMat minuscule = Matrice({{1E-20L, 2E-20L, 0}, {3E-20L, 1E-20L, 0}, {0, 0, 1E-20L}});
        const TComplexe d = Determinant(3, minuscule);
        QVERIFY(std::isfinite(d.Re) && std::fabs(d.Re + 5E-60L) <= 1E-74L);
        ok = !InverseMat(3, minuscule, r);
        QVERIFY(ok && std::isfinite(r(1, 1).Re) && std::fabs(r(3, 3).Re - 1E20L) <= 1E6L);
    }

    void inverseDOrdreDix()
    {
        TMat m;
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 10; ++j)
                m(i, j) = Complexe(i == j ? 10.0L : 1.0L / (i + j), 0.0L);
        TMat r;
        bool ok = false;
        ok = !InverseMat(10, m, r);
        QVERIFY(ok);
        const TMat produit = ProduitMat(m, r);
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 10; ++j)
                QVERIFY(std::fabs(produit(i, j).Re - (i == j ? 1.0L : 0.0L)) < 1e-15L);
    }

    void systeme()
    {
        TMat m = Matrice({{2, 1, 3}, {1, 3, 5}});
        const TVecteur x = ResoutSysteme(2, m);
        QVERIFY(Egal(x(1), 0.8L));
        QVERIFY(Egal(x(2), 1.4L));
    }

    void polynomes_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QList<double>>("coefficients");
        QTest::newRow("diag(2,3)") << 0 << QList<double>{1, -5, 6};
        QTest::newRow("[(0,1),(-1,0)]") << 1 << QList<double>{1, 0, 1};
        QTest::newRow("diag(1,2,3)") << 2 << QList<double>{-1, 6, -11, 6};
        QTest::newRow("n = 1") << 3 << QList<double>{-1, 4};
    }

    void polynomes()
    {
        QFETCH(int, cas);
        QFETCH(QList<double>, coefficients);
        const TMat mats[] = {Matrice({{2, 0}, {0, 3}}), Matrice({{0, 1}, {-1, 0}}),
                             Matrice({{1, 0, 0}, {0, 2, 0}, {0, 0, 3}}), Matrice({{4}})};
        const int n = coefficients.size() - 1;
        const TVecteur p = PolyCaract(n, mats[cas]);
        for (int k = 0; k <= n; ++k)
            QVERIFY2(Egal(p(k + 1), coefficients[k]), qPrintable(Texte(p(k + 1))));
    }

    void polynomeDOrdreDix()
    {
        TMat m;
        for (int i = 1; i <= 10; ++i)
            m(i, i) = Complexe(1.0L, 0.0L);
        const TVecteur p = PolyCaract(10, m);
        // (1 - x)^10: the eleventh coefficient is the constant term 1.
        QVERIFY(Egal(p(1), 1));
        QVERIFY(Egal(p(2), -10));
        QVERIFY(Egal(p(11), 1));
    }

    void valeursPropres()
    {
        std::array<TComplexe, 4> x{};
        QVERIFY(ValeursPropres(2, Matrice({{2, 0}, {0, 3}}), x));
        QVERIFY(Egal(x[0], 3) && Egal(x[1], 2));
        QVERIFY(ValeursPropres(2, Matrice({{0, 1}, {-1, 0}}), x));
        QVERIFY(Egal(x[0], 0, 1) && Egal(x[1], 0, -1));
        QVERIFY(ValeursPropres(3, Matrice({{1, 0, 0}, {0, 2, 0}, {0, 0, 3}}), x));
        std::vector<long double> re{x[0].Re, x[1].Re, x[2].Re};
        std::sort(re.begin(), re.end());
        for (int k = 0; k < 3; ++k)
            QVERIFY(std::fabs(re[k] - (k + 1)) < 1e-15L);
        QVERIFY(!ValeursPropres(5, Matrice({{1}}), x));
    }

    // Orders 5 to 10 by the QR algorithm, against mpmath at 40 digits
    // (tests/donnees/valeurs_propres.py): random real and complex matrices,
    // rotation blocks seen in another basis, the companion matrix of
    // (x-1)...(x-10), Hilbert 10. Each value within 1E-17 |A| times its
    // condition number (|y| |x| / |y^H x|, from mpmath's left and right
    // vectors).
    void valeursPropresParQR()
    {
        std::ifstream fichier(TARVELLE_DONNEES "/valeurs-propres.txt");
        std::string nom;
        int n = 0, cas = 0;
        fichier.ignore(1000, '\n');
        while (fichier >> nom >> n) {
            TMat a;
            Etendu norme = 0.0L;
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j) {
                    std::string cellule;
                    fichier >> cellule;
                    const auto barre = cellule.find('/'), deux = cellule.find(':');
                    a(i, j) = barre != std::string::npos ? Complexe(1.0L / std::stold(cellule.substr(barre + 1)), 0.0L)
                              : deux != std::string::npos ? Complexe(std::stold(cellule.substr(0, deux)), std::stold(cellule.substr(deux + 1)))
                                                          : Complexe(std::stold(cellule), 0.0L);
                    norme += a(i, j).Re * a(i, j).Re + a(i, j).Im * a(i, j).Im;
                }
            norme = std::sqrt(norme);
            const Spectre s = ValeursPropresQR(a, n);
            QVERIFY2(s.converge && static_cast<int>(s.valeurs.size()) == n && s.residu < 1E-17L, nom.c_str());
            std::vector<bool> pris(n);
            for (int k = 0; k < n; ++k) {
                Etendu re, im, condition;
                fichier >> re >> im >> condition;
                int meilleur = -1;
                for (int q = 0; q < n; ++q)
                    if (!pris[q] && (meilleur < 0 || std::hypot(s.valeurs[q].Re - re, s.valeurs[q].Im - im) <
                                                         std::hypot(s.valeurs[meilleur].Re - re, s.valeurs[meilleur].Im - im)))
                        meilleur = q;
                pris[meilleur] = true;
                const Etendu ecart = std::hypot(s.valeurs[meilleur].Re - re, s.valeurs[meilleur].Im - im);
                QVERIFY2(ecart <= 1E-17L * norme * condition, qPrintable(QString("%1 : %2").arg(nom.c_str()).arg(double(ecart))));
            }
            ++cas;
        }
        QCOMPARE(cas, 10);
        // Through the window's model: a 10-fold eigenvalue (a Jordan block
        // in another basis) spreads by about 1E-2 at most; an entry of
        // 1E4000 is an eigenvalue like any other; the zero matrix has ten
        // zeros.
        ModeleMatrice m;
        m.TailleMax = m.TailleA = 10;
        m.DefA = true;
        for (int i = 1; i <= 10; ++i) {
            m.MatA(i, i) = Complexe(2, 0);
            for (int j = i + 1; j <= 10; ++j)
                m.MatA(i, j) = Complexe(j == i + 1 ? 1 : (i + j) % 3 - 1, 0);
        }
        std::vector<TComplexe> x;
        QVERIFY(!m.ValeursPropres(x) && x.size() == 10);
        for (const TComplexe& z : x)
            QVERIFY(std::hypot(z.Re - 2, z.Im) < 0.1L);
        m.MatA(1, 1) = Complexe(1E4000L, 0);
        Etendu residu = 0.0L;
        QVERIFY(!m.ValeursPropres(x, &residu) && x[0].Re == 1E4000L && x[9].Re == 2 && residu < 1E-17L);
        ZeroMat(m.MatA);
        QVERIFY(!m.ValeursPropres(x) && x.size() == 10 && std::all_of(x.begin(), x.end(), [](TComplexe z) { return z.Re == 0 && z.Im == 0; }));
    }

    // Undo keeps the last 200 changes; the oldest beyond are gone.
    void annulationBornee()
    {
        ModeleMatrice m;
        m.TailleMax = 10;
        m.Ouvre(true);
        for (int k = 1; k <= 250; ++k)
            QVERIFY(m.EcritCellule(1, 1, std::to_string(k)));
        int n = 0;
        while (m.Annule())
            ++n;
        QCOMPARE(n, 200);
        QCOMPARE(m.MatA(1, 1).Re, 50.0L);
    }

    // The cell texts typed in the window's tests are not repeated here.
    void litCoef_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<long double>("re");
        QTest::addColumn<long double>("im");
        QTest::newRow("{1e2, 3}") << "{1e2, 3}" << true << 100.0L << 3.0L;
        QTest::newRow("100,25") << "100,25" << false << 0.0L << 0.0L;
        QTest::newRow("5.") << "5." << false << 0.0L << 0.0L;
        QTest::newRow("blanc derrière") << "5 " << false << 0.0L << 0.0L;
        QTest::newRow("signe seul") << "-" << false << 0.0L << 0.0L;
        QTest::newRow("vide") << "" << false << 0.0L << 0.0L;
        QTest::newRow("(1,") << "(1," << false << 0.0L << 0.0L;
        QTest::newRow("(,)") << "(,)" << false << 0.0L << 0.0L;
        QTest::newRow("((1,2),3)") << "((1,2),3)" << false << 0.0L << 0.0L;
        QTest::newRow("(1,2,3)") << "(1,2,3)" << false << 0.0L << 0.0L;
        QTest::newRow("(1,5,-2)") << "(1,5,-2)" << false << 0.0L << 0.0L;
    }

    void litCoef()
    {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        QFETCH(long double, re);
        QFETCH(long double, im);
        const auto z = LitCoef(texte.toStdString());
        QCOMPARE(z.has_value(), valide);
        if (z) {
            QCOMPARE(z->Re, re);
            QCOMPARE(z->Im, im);
        }
    }

    void longueurDeCelluleLimitee()
    {
        const std::string limite = "1" + std::string(LongueurCelluleMax - 3, '0') + ".5";
        QVERIFY(LitCoef(limite).has_value());
        QVERIFY(!LitCoef(limite + "0"));
    }

    void formats()
    {
        QCOMPARE(QString::fromStdString(FormatCoef({0, 0}, false)), QString("0.00000"));
        QCOMPARE(QString::fromStdString(FormatCoef({-2.5L, 1}, false)), QString("-2.50000"));
        QCOMPARE(QString::fromStdString(FormatCoef({-0.000001L, 0}, false)), QString("-1.0E-0006"));
        QCOMPARE(QString::fromStdString(FormatCoef({2.73705E-33L, 0}, false)), QString(" 2.7E-0033"));
        QCOMPARE(QString::fromStdString(FormatCoef({0.00012L, 0}, false)), QString(" 1.2E-0004"));
        QCOMPARE(QString::fromStdString(FormatCoef({0.012L, 0}, false)), QString("0.01200"));
        QCOMPARE(QString::fromStdString(FormatCoef({-30744.5L, 0}, false, true)), QString("-3.1E+0004"));
        QCOMPARE(QString::fromStdString(FormatCoef({0, 1E-40L}, true)), QString("(0.00000, 1.0E-0040)"));
        QCOMPARE(QString::fromStdString(FormatCoef({0, 0}, true)), QString("(0.00000,0.00000)"));
        QCOMPARE(QString::fromStdString(FormatCoef({1.26e40L, -3}, true)), QString("( 1.3E+0040,-3.00000)"));
        QCOMPARE(QString::fromStdString(FormatCoef({-1e36L, 0}, false)), QString("-1.0E+0036"));
        QCOMPARE(QString::fromStdString(FormatComplexe({5, 0})), QString("(5.00000,0.00000)"));
    }

    void commandesSurLesBlocsActifs()
    {
        ModeleMatrice m;
        m.TailleA = m.TailleB = 3;
        m.MatA = Matrice({{1, 0, 0, 9}, {0, 2, 0, 9}, {0, 0, 3, 9}, {9, 9, 9, 9}});
        // A fourth row and column left over from order 4 take no part.
        TComplexe t;
        QVERIFY(!m.Trace(t));
        QVERIFY(Egal(t, 6));
        TVecteur p;
        QVERIFY(!m.Polynome(p));
        QVERIFY(Egal(p(4), 6));
        m.MatB = Matrice({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
        QVERIFY(!m.Produit());
        QVERIFY(Egal(m.MatA(2, 2), 2));
        QCOMPARE(m.MatA(4, 4).Re, 9.0L); // the store keeps the cell
        QCOMPARE(m.MatB(1, 1).Re, 0.0L);
    }

    void depassementsRefuses()
    {
        ModeleMatrice m;
        m.DefA = m.DefB = true;
        m.MatA = Matrice({{1e3000L, 1}, {1, 1e3000L}});
        m.MatB = m.MatA;
        const TMat avant = m.MatA;
        for (auto commande : {&ModeleMatrice::Produit, &ModeleMatrice::Somme}) {
            const auto refus = (m.*commande)();
            if (commande == &ModeleMatrice::Somme) {
                QVERIFY(!refus); // 2E3000 fits
                continue;
            }
            QVERIFY(refus);
            QCOMPARE(refus->message, std::string("Dépassement de capacité ."));
            QCOMPARE(m.MatA(1, 1).Re, avant(1, 1).Re);
            QCOMPARE(m.MatB(1, 1).Re, avant(1, 1).Re);
        }
        ModeleMatrice n;
        n.MatA = Matrice({{1e3000L, 0}, {0, 1e3000L}});
        TComplexe d;
        QCOMPARE(n.Det(d)->message, std::string("Dépassement de capacité ."));
        TVecteur p;
        QVERIFY(n.Polynome(p));
        std::vector<TComplexe> x;
        QVERIFY(n.ValeursPropres(x) && x.empty());
        n.MatA = Matrice({{1e-3000L, 0}, {0, 1e-3000L}});
        QCOMPARE(n.Inverse()->message, std::string("Matrice non inversible .")); // the determinant underflows to 0
    }

    // What counts as singular: an entry far below the terms it is made of.
    void singularite_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<int>("rang");
        QTest::addColumn<long double>("det"); // 0: exactly
        QTest::newRow("0.1 .. 0.9 tapée") << 0 << 2 << 0.0L;
        QTest::newRow("1 .. 9") << 1 << 2 << 0.0L;
        QTest::newRow("diag(1E-20, 1, 1)") << 2 << 3 << 1E-20L;
        QTest::newRow("pivot 1E-20") << 3 << 3 << 2.0L;
        QTest::newRow("(1E16, 1E16; 1, 2)") << 4 << 2 << 1E16L;
        QTest::newRow("nulle") << 5 << 0 << 0.0L;
        QTest::newRow("1E-4000 et 1E4000") << 6 << 2 << -1.0L; // 1E-4000 is no zero
    }
    void singularite()
    {
        QFETCH(int, cas);
        QFETCH(int, rang);
        QFETCH(long double, det);
        const TMat mats[] = {Matrice({{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}}),
                             Matrice({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
                             Matrice({{1E-20L, 0, 0}, {0, 1, 0}, {0, 0, 1}}),
                             Matrice({{1E-20L, 1, 1}, {1, 1, 2}, {1, 2, 1}}),
                             Matrice({{1E16L, 1E16L}, {1, 2}}),
                             Matrice({{0, 0}, {0, 0}}),
                             Matrice({{1E-4000L, 1E4000L}, {1E-4000L, 0}})};
        const int ordres[] = {3, 3, 3, 3, 2, 2, 2};
        const int n = ordres[cas];
        int r = -1;
        TMat forme;
        RangMat(n, mats[cas], r, forme);
        QCOMPARE(r, rang);
        const TComplexe d = Determinant(n, mats[cas]);
        if (det == 0.0L)
            QVERIFY2(d.Re == 0.0L && d.Im == 0.0L, qPrintable(Texte(d)));
        else
            QVERIFY2(std::fabs(d.Re - det) <= 1E-15L * std::fabs(det), qPrintable(Texte(d)));
        TMat inverse;
        bool ok = false;
        ok = !InverseMat(n, mats[cas], inverse);
        QCOMPARE(ok, rang == n);
        // The model refuses the inverse and the system of a singular matrix.
        ModeleMatrice m;
        m.DefA = m.DefB = true;
        m.TailleA = m.TailleB = n;
        m.MatA = mats[cas];
        std::vector<TComplexe> x;
        const auto systeme = m.Systeme(x);
        QCOMPARE(systeme.has_value() && systeme->message.find("Système indéterminé") != std::string::npos, rang < n);
    }

    void hilbertHuit()
    {
        TMat h;
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 8; ++j)
                h(i, j) = Complexe(1.0L / (i + j - 1), 0.0L);
        QVERIFY(std::fabs(Determinant(8, h).Re / 2.73705E-33L - 1.0L) < 1E-5L);
        TMat inverse;
        bool ok = false;
        ok = !InverseMat(8, h, inverse);
        QVERIFY(ok);
        const long double premiere[] = {64, -2016, 20160, -92400, 221760, -288288, 192192, -51480};
        for (int j = 1; j <= 8; ++j)
            QVERIFY2(std::fabs(inverse(1, j).Re / premiere[j - 1] - 1.0L) < 5E-7L, qPrintable(Texte(inverse(1, j))));
    }

    // Random decimal matrices as a user types them: one row a combination of
    // two others is singular at every order; none of the others is.
    void singularitesAleatoires()
    {
        std::mt19937 alea(29);
        std::uniform_int_distribution<int> entier(-99, 99);
        for (int essai = 0; essai < 200; ++essai) {
            const int n = 3 + essai % 8;
            std::array<std::array<int, 11>, 11> e{};
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    e[i][j] = entier(alea);
            const bool singuliere = essai % 2 == 0;
            const int a = entier(alea) % 10, b = entier(alea) % 10 + 10;
            if (singuliere)
                for (int j = 1; j <= n; ++j)
                    e[n][j] = a * e[1][j] + b * e[2][j];
            TMat m;
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    m(i, j) = Complexe(static_cast<long double>(e[i][j]) / 10.0L, 0.0L); // "2.3" typed
            int r = 0;
            TMat forme;
            RangMat(n, m, r, forme);
            QVERIFY2((r < n) == singuliere, qPrintable(QString("ordre %1, essai %2, rang %3").arg(n).arg(essai).arg(r)));
            QCOMPARE(EstNul(Determinant(n, m)), singuliere);
        }
    }

    void refusDesCommandes()
    {
        ModeleMatrice m;
        m.TailleB = 3;
        QCOMPARE(m.Somme()->message, std::string("Tailles des matrices incompatibles ."));
        QCOMPARE(m.Difference()->message, std::string("Taille des matrices incompatible ."));
        QCOMPARE(m.Produit()->message, std::string("Taille des matrices incompatible ."));
        QVERIFY(m.Inverse()->icone == Plateforme::Icone::Avertissement);
        std::vector<TComplexe> x;
        QCOMPARE(m.Systeme(x)->message,
                 std::string("Entrez la matrice dans A et le vecteur solution dans la 1ère colonne de B ."));
        m.DefA = m.DefB = true;
        m.TailleA = 3;
        QCOMPARE(m.Systeme(x)->message, std::string("La matrice A n'est pas de rang 3 . Système indéterminé ."));
    }
};

QTEST_MAIN(TestMatrix)
#include "test_matrix.moc"
