// Complex arithmetic and polynomial roots: values to the last bits, the step
// orders that decide the division messages, aliasing and allocation.
#include "commun/Bac.h"
#include "commun/PlateformeEnregistreuse.h"
#include "commun/Proche.h"
#include "numerics/Complexe.h"
#include "numerics/Racines.h"

#include <cstdio>
#include <QtTest>

#include <cstdlib>
#include <new>

// Counts heap allocations while a test asks for it.
namespace {
bool compteAllocations = false;
int allocations = 0;
}

void* operator new(std::size_t taille)
{
    if (compteAllocations)
        ++allocations;
    if (void* p = std::malloc(taille ? taille : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

Q_DECLARE_METATYPE(TComplexe)

namespace {

using Fonction1 = void (*)(TComplexe, TComplexe&);

const Etendu Racine3 = std::sqrt(3.0L);
constexpr TComplexe Sentinelle{7.0L, -7.0L};

struct Cas1 {
    const char* nom;
    Fonction1 f;
};

} // namespace

class TestNumerics : public QObject {
    Q_OBJECT

private slots:
    void arithmetiqueExacte()
    {
        TComplexe r;
        CSomme({1, 2}, {3, -5}, r);
        QCOMPARE(r.Re, 4.0L); QCOMPARE(r.Im, -3.0L);
        CDifference({1, 2}, {3, -5}, r);
        QCOMPARE(r.Re, -2.0L); QCOMPARE(r.Im, 7.0L);
        CProduit({1, 2}, {3, 4}, r);
        QCOMPARE(r.Re, -5.0L); QCOMPARE(r.Im, 10.0L);
        Journal journal;
        CInverse({0, 2}, r, journal);
        QCOMPARE(r.Re, 0.0L); QCOMPARE(r.Im, -0.5L);
        CQuotient({-5, 10}, {3, 4}, r, journal);
        QVERIFY(Proche(r, {1, 2}));
        CConjugue({1, 2}, r);
        QCOMPARE(r.Im, -2.0L);
        COppose({1, -2}, r);
        QCOMPARE(r.Re, -1.0L); QCOMPARE(r.Im, 2.0L);
        QCOMPARE(CModule({3, -4}), 5.0L);
        // Moduli whose squares leave the range.
        const struct { TComplexe z; long double module; } Grands[] = {
            {{-5.86036994752296E+2632L, 5.40789482743750E+2632L}, 7.974287578615128478E+2632L},
            {{3E4931L, -4E4931L}, 5E4931L},
            {{1E-2500L, 1E-2500L}, 1.414213562373095049E-2500L},
            {{1E-2470L, 1E-2470L}, 1.414213562373095049E-2470L}, // a subnormal square
            {{0, -1E-4940L}, 1E-4940L},
        };
        for (int i = 0; i < 5; ++i)
            QVERIFY2(std::fabs(CModule(Grands[i].z) / Grands[i].module - 1) < 1E-17L, qPrintable(QString::number(i)));
        QVERIFY(journal.empty());
    }

    void resultatEstUnOperande()
    {
        TComplexe z{1, 2};
        CProduit(z, z, z);
        QCOMPARE(z.Re, -3.0L); QCOMPARE(z.Im, 4.0L);
        TComplexe a{1, 1}, b{0, 1};
        Journal journal;
        CQuotient(a, b, b, journal);
        QVERIFY(Proche(b, {1, -1}));
        TComplexe c{0, 1};
        CExp(c, c);
        QVERIFY(Proche(c, {std::cos(1.0L), std::sin(1.0L)}));
        TComplexe d{2, 0};
        CArgTh(d, d, journal); // the result holds -z midway: the copy of z must survive
        QVERIFY2(Proche(d, {0.5L * std::log(3.0L), PiEtendu / 2}, 8), qPrintable(Texte(d)));
    }

    void argument_data()
    {
        QTest::addColumn<TComplexe>("z");
        QTest::addColumn<long double>("attendu");
        QTest::newRow("-1") << TComplexe{-1, 0} << PiEtendu;
        QTest::newRow("-1 - 0i") << TComplexe{-1, -0.0L} << PiEtendu;
        QTest::newRow("-i") << TComplexe{0, -1} << -PiEtendu / 2;
        QTest::newRow("i") << TComplexe{0, 1} << PiEtendu / 2;
        QTest::newRow("0") << TComplexe{0, 0} << 0.0L;
        QTest::newRow("-1 - i") << TComplexe{-1, -1} << -3 * PiEtendu / 4;
        QTest::newRow("1 + i") << TComplexe{1, 1} << PiEtendu / 4;
    }

    void argument()
    {
        QFETCH(TComplexe, z);
        QFETCH(long double, attendu);
        QVERIFY2(ProcheReel(CArgument(z), attendu, 2), qPrintable(QString::number(double(CArgument(z)))));
    }

    void valeurs_data()
    {
        QTest::addColumn<int>("fonction");
        QTest::addColumn<TComplexe>("z");
        QTest::addColumn<TComplexe>("attendu");
        QTest::newRow("racine(-4) = 2i") << 0 << TComplexe{-4, 0} << TComplexe{0, 2};
        QTest::newRow("racine cubique(-8) = 1 + i√3") << 1 << TComplexe{-8, 0} << TComplexe{1, Racine3};
        QTest::newRow("racine cubique(0) = 0") << 1 << TComplexe{0, 0} << TComplexe{0, 0};
        QTest::newRow("ln(-1) = iπ") << 2 << TComplexe{-1, 0} << TComplexe{0, PiEtendu};
        QTest::newRow("exp(iπ) = -1") << 3 << TComplexe{0, PiEtendu} << TComplexe{-1, 0};
        QTest::newRow("cos(i) = ch 1") << 4 << TComplexe{0, 1} << TComplexe{std::cosh(1.0L), -0.0L};
        QTest::newRow("sin(i) = i sh 1") << 5 << TComplexe{0, 1} << TComplexe{0, std::sinh(1.0L)};
        QTest::newRow("ch(0) = 1") << 6 << TComplexe{0, 0} << TComplexe{1, 0};
        QTest::newRow("sh(1)") << 7 << TComplexe{1, 0} << TComplexe{std::sinh(1.0L), 0};
        QTest::newRow("arccos(1) = 0") << 8 << TComplexe{1, 0} << TComplexe{0, 0};
        QTest::newRow("arcsin(1) = π/2") << 9 << TComplexe{1, 0} << TComplexe{PiEtendu / 2, 0};
        QTest::newRow("arctan(1) = π/4") << 10 << TComplexe{1, 0} << TComplexe{PiEtendu / 4, 0};
        QTest::newRow("argch(1) = 0") << 11 << TComplexe{1, 0} << TComplexe{0, 0};
        QTest::newRow("argsh(0) = 0") << 12 << TComplexe{0, 0} << TComplexe{0, 0};
        // A sign that a cosine of i alone could not show.
        QTest::newRow("cos(1 + i)") << 4 << TComplexe{1, 1}
                                    << TComplexe{0.8337300251311490488838853943L, -0.9888977057628650963821295409L};
        // Past the squared modulus's range and the overflow of ch and sh
        // (it gave 0, then NaN); 40-digit references.
        QTest::newRow("tan(5700i) = i") << 13 << TComplexe{0, 5700} << TComplexe{0, 1};
        QTest::newRow("tan(0.5 + 12000i) = i") << 13 << TComplexe{0.5L, 12000} << TComplexe{0, 1};
        QTest::newRow("th(5700) = 1") << 14 << TComplexe{5700, 0} << TComplexe{1, 0};
        QTest::newRow("th(12000 + i) = 1") << 14 << TComplexe{12000, 1} << TComplexe{1, 0};
        QTest::newRow("ch(11356.8)") << 6 << TComplexe{11356.8L, 0} << TComplexe{7.844081244389434758220118494E+4931L, 0};
        // Principal values (the C library's conventions on the cuts) where the
        // literal steps crossed a cut or cancelled; 30-digit references.
        const Etendu L = 23.7189981105004021495996466683L, A = 1.31695789692481670862504634731L;
        QTest::newRow("arccos(-2)") << 8 << TComplexe{-2, 0} << TComplexe{PiEtendu, -A};
        QTest::newRow("arccos sous la coupure") << 8 << TComplexe{-94913885.5249L, -2.17214835512L}
                                                << TComplexe{3.14159263070432876603672340576L, 19.0616277508751056549371241102L};
        QTest::newRow("arccos(1E10)") << 8 << TComplexe{1e10L, 0} << TComplexe{0, -L};
        QTest::newRow("argch(-2)") << 11 << TComplexe{-2, 0} << TComplexe{A, PiEtendu};
        QTest::newRow("argch(-2i)") << 11 << TComplexe{0, -2} << TComplexe{1.44363547517881034249327674027L, -PiEtendu / 2};
        QTest::newRow("argch(-1E10)") << 11 << TComplexe{-1e10L, 0} << TComplexe{L, PiEtendu};
        QTest::newRow("arcsin(1E10 i)") << 9 << TComplexe{0, 1e10L} << TComplexe{0, L};
        QTest::newRow("arcsin(-1E10)") << 9 << TComplexe{-1e10L, 0} << TComplexe{-PiEtendu / 2, L};
        QTest::newRow("argsh(-1E10), sans message") << 12 << TComplexe{-1e10L, 0} << TComplexe{-L, 0};
        QTest::newRow("argsh(-1E10 i)") << 12 << TComplexe{0, -1e10L} << TComplexe{L, -PiEtendu / 2};
        QTest::newRow("sh(-11356.8)") << 7 << TComplexe{-11356.8L, 0} << TComplexe{-7.844081244389434758220118494E+4931L, 0};
    }

    void valeurs()
    {
        static constexpr Fonction1 fonctions[] = {
            CRacine, CRacineCubique, SansJournal<CLn>, CExp, CCos, CSin, CCh, CSh,
            SansJournal<CArcCos>, SansJournal<CArcSin>, SansJournal<CArcTan>, SansJournal<CArgCh>,
            SansJournal<CArgSh>, SansJournal<CTan>, SansJournal<CTh>};
        QFETCH(int, fonction);
        QFETCH(TComplexe, z);
        QFETCH(TComplexe, attendu);
        PlateformeEnregistreuse p;
        TComplexe r = Sentinelle;
        fonctions[fonction](z, r);
        // To the last bits, or to 1E-15 of the modulus where a huge argument
        // carries the rounding of its own digits.
        const Etendu module = std::max(std::fabs(attendu.Re), std::fabs(attendu.Im));
        QVERIFY2(Proche(r, attendu) || (std::fabs(r.Re - attendu.Re) <= 1E-15L * module &&
                                        std::fabs(r.Im - attendu.Im) <= 1E-15L * module),
                 qPrintable(Texte(r)));
        QVERIFY(p.journal.empty());
    }

    void puissances()
    {
        Journal journal;
        TComplexe r = Sentinelle;
        CPuissance({-1, 0}, {0.5L, 0}, r, journal);
        QVERIFY2(Proche(r, {0, 1}), qPrintable(Texte(r)));
        CPuissance({0, 0}, {2, 1}, r, journal);
        QCOMPARE(r.Re, 0.0L); QCOMPARE(r.Im, 0.0L);
        CPuissance({2, 0}, {10, 0}, r, journal);
        QVERIFY(Proche(r, {1024, 0}, 16));
        QVERIFY(journal.empty());
    }

    // The step orders decide how often the division error is shown and what
    // a failed function leaves in its result.
    void erreursDeDivision_data()
    {
        QTest::addColumn<int>("fonction");
        QTest::addColumn<TComplexe>("z");
        QTest::addColumn<int>("messages");
        QTest::addColumn<TComplexe>("resultat");
        QTest::newRow("inverse(0) intact") << 0 << TComplexe{0, 0} << 1 << Sentinelle;
        QTest::newRow("ln(0) intact") << 1 << TComplexe{0, 0} << 1 << Sentinelle;
        QTest::newRow("0 ^ 0 intact") << 2 << TComplexe{0, 0} << 1 << Sentinelle;
        QTest::newRow("(2+i) / 0 = 0") << 3 << TComplexe{2, 1} << 1 << TComplexe{0, 0};
        QTest::newRow("arctan(i): deux fois, 0") << 4 << TComplexe{0, 1} << 2 << TComplexe{0, 0};
        QTest::newRow("argth(1): deux fois, -1/2") << 5 << TComplexe{1, 0} << 2 << TComplexe{-0.5L, 0};
        QTest::newRow("argth(-1): une fois, 1/2") << 5 << TComplexe{-1, 0} << 1 << TComplexe{0.5L, 0};
        QTest::newRow("tan(π/2) existe") << 7 << TComplexe{PiEtendu / 2, 0} << 0 << TComplexe{0, 0};
    }

    void erreursDeDivision()
    {
        QFETCH(int, fonction);
        QFETCH(TComplexe, z);
        QFETCH(int, messages);
        QFETCH(TComplexe, resultat);
        PlateformeEnregistreuse p;
        Journal journal;
        TComplexe r = Sentinelle;
        switch (fonction) {
        case 0: CInverse(z, r, journal); break;
        case 1: CLn(z, r, journal); break;
        case 2: CPuissance(z, z, r, journal); break;
        case 3: CQuotient(z, CZero, r, journal); break;
        case 4: CArcTan(z, r, journal); break;
        case 5: CArgTh(z, r, journal); break;
        case 6: CArgSh(z, r, journal); break;
        case 7: CTan(z, r, journal); break;
        }
        QCOMPARE(journal, Journal(messages, Faute{"Division par zéro.", IconeFaute::Erreur}));
        QVERIFY(p.journal.empty()); // the kernel shows nothing itself
        if (fonction != 7)
            QVERIFY2(r.Re == resultat.Re && r.Im == resultat.Im, qPrintable(Texte(r)));
    }

    void grandesEtPetitesValeursSansPlantage()
    {
        PlateformeEnregistreuse p;
        const TComplexe valeurs[] = {{1e4000L, 0}, {-1e4000L, 1e4000L}, {1e-4000L, -0.0L},
                                     {-0.0L, -0.0L}, {12000, 12000}, {0, 1e4000L}};
        using FonctionJ = void (*)(TComplexe, TComplexe&, Journal&);
        const FonctionJ faillibles[] = {CInverse, CLn, CTan, CTh, CArcCos, CArcSin, CArcTan, CArgCh, CArgSh, CArgTh};
        const Fonction1 sures[] = {CExp, CRacine, CRacineCubique, CCos, CSin, CCh, CSh};
        // Extreme values end without a crash; a result may be infinite or NaN
        // ((1E4000)^(1E4000), e^(1E4000)), which every caller checks; the
        // only failure the kernel records is the division's, and it shows
        // nothing itself.
        Journal journal;
        for (TComplexe z : valeurs) {
            for (FonctionJ f : faillibles) {
                TComplexe r = z;
                f(z, r, journal);
            }
            for (Fonction1 f : sures) {
                TComplexe r = z;
                f(z, r);
            }
            TComplexe r = z;
            CPuissance(z, z, r, journal);
        }
        QVERIFY(!journal.empty());
        for (const Faute& f : journal)
            QCOMPARE(f.message, std::string("Division par zéro."));
        QVERIFY(p.journal.empty());
    }

    void aucuneAllocation()
    {
        Bac bac(false);
        PlateformeEnregistreuse p;
        p.journal.reserve(64);
        Journal journal;
        journal.reserve(64);
        TComplexe r, x1, x2, x3, x4;
        allocations = 0;
        compteAllocations = true;
        CArcCos({0.3L, 0.2L}, r, journal);
        CArgTh({0.3L, 0.2L}, r, journal);
        CPuissance({2, 1}, {0.5L, 3}, r, journal);
        CTh({1, 2}, r, journal);
        Racines4({1, 2}, {3, 0}, {0, 1}, {5, 5}, {-1, 0}, x1, x2, x3, x4, journal);
        compteAllocations = false;
        QCOMPARE(allocations, 0);
    }

    void grandsArgumentsEtCoupures()
    {
        // Values computed independently (30 digits, rounded here): the signs of
        // ch and sh past the range where e^x is computed directly, and arccos
        // where the textbook formula cancels, on and just off its cut.
        const Etendu pi = 3.14159265358979323846L, demiPi = 1.57079632679489661923L;
        const Etendu ch = 3.13971739857096878213E+4931L, sh = 4.88982012976782127094E+4931L;
        const Etendu acos = 23.7189981105004021496L;
        struct Cas {
            const char* nom;
            void (*f)(TComplexe, TComplexe&, Journal&);
            TComplexe z, attendu;
        };
        const Cas cas[] = {
            {"ch", [](TComplexe z, TComplexe& r, Journal&) { CCh(z, r); }, {-11356.5L, 1}, {ch, -sh}},
            {"ch conj", [](TComplexe z, TComplexe& r, Journal&) { CCh(z, r); }, {-11356.5L, -1}, {ch, sh}},
            {"sh", [](TComplexe z, TComplexe& r, Journal&) { CSh(z, r); }, {-11356.5L, 1}, {-ch, sh}},
            {"sh +", [](TComplexe z, TComplexe& r, Journal&) { CSh(z, r); }, {11356.5L, 1}, {ch, sh}},
            {"arccos -1E10 i", CArcCos, {0, -1E10L}, {demiPi, acos}},
            {"arccos 1E10 i", CArcCos, {0, 1E10L}, {demiPi, -acos}},
            {"arccos 1E10 + 1E-5 i", CArcCos, {1E10L, 1E-5L}, {1.00000000000000008181E-15L, -acos}},
            {"arccos 1E10 - 1E-5 i", CArcCos, {1E10L, -1E-5L}, {1.00000000000000008181E-15L, acos}},
            {"arccos -1E10 + 1E-5 i", CArcCos, {-1E10L, 1E-5L}, {pi - 1E-15L, -acos}},
            {"arccos -1E10 - 1E-5 i", CArcCos, {-1E10L, -1E-5L}, {pi - 1E-15L, acos}},
        };
        for (const Cas& c : cas) {
            Journal journal;
            TComplexe r;
            c.f(c.z, r, journal);
            QVERIFY2(journal.empty(), c.nom);
            char obtenu[96];
            std::snprintf(obtenu, sizeof obtenu, "%s : %.15Lg %+.15Lg i", c.nom, r.Re, r.Im);
            // Within 1E-14 of the modulus (a real part of 1E-15 beside an
            // imaginary part of 23.7 is noise at that scale), signs included.
            const Etendu m = std::hypot(c.attendu.Re, c.attendu.Im);
            const auto juste = [m](Etendu a, Etendu b) { return std::fabs(a - b) <= 1E-14L * m && std::signbit(a) == std::signbit(b); };
            QVERIFY2(juste(r.Re, c.attendu.Re) && juste(r.Im, c.attendu.Im), obtenu);
        }
    }

    void racines2()
    {
        Journal journal;
        TComplexe x1, x2;
        Racines2({1, 0}, {-3, 0}, {2, 0}, x1, x2, journal);
        QVERIFY(Proche(x1, {2, 0}));
        QVERIFY(Proche(x2, {1, 0}));
        Racines2({1, 0}, {0, 0}, {1, 0}, x1, x2, journal);
        QVERIFY2(Proche(x1, {0, 1}), qPrintable(Texte(x1)));
        QVERIFY2(Proche(x2, {0, -1}), qPrintable(Texte(x2)));
        QVERIFY(x1.Re != 0.0L); // the cosine of π/2 in extended precision
    }

    void racines3_data()
    {
        QTest::addColumn<TComplexe>("d");
        QTest::addColumn<TComplexe>("x1");
        QTest::addColumn<TComplexe>("x2");
        QTest::addColumn<TComplexe>("x3");
        QTest::newRow("x^3 - 8") << TComplexe{-8, 0} << TComplexe{-1, Racine3} << TComplexe{-1, -Racine3}
                                 << TComplexe{2, 0};
        // w = 0: v comes from the second root of the resolvent quadratic.
        QTest::newRow("x^3 + 8") << TComplexe{8, 0} << TComplexe{1, -Racine3} << TComplexe{-2, 0}
                                 << TComplexe{1, Racine3};
    }

    void racines3()
    {
        Journal journal;
        QFETCH(TComplexe, d);
        QFETCH(TComplexe, x1);
        QFETCH(TComplexe, x2);
        QFETCH(TComplexe, x3);
        TComplexe r1, r2, r3;
        Racines3({1, 0}, CZero, CZero, d, r1, r2, r3, journal);
        QVERIFY2(Proche(r1, x1, 8), qPrintable(Texte(r1)));
        QVERIFY2(Proche(r2, x2, 8), qPrintable(Texte(r2)));
        QVERIFY2(Proche(r3, x3, 8), qPrintable(Texte(r3)));
    }

    // x^3 + 1.35E-6 x + 1: the resolvent's first root no longer cancels
    // (it gave -1.18901..., 0.59451... +- 1.02971...i). 40-digit reference.
    void racines3SansAnnulation()
    {
        Journal journal;
        TComplexe r[3];
        Racines3({1, 0}, CZero, {1.35E-6L, 0}, {1, 0}, r[0], r[1], r[2], journal);
        const TComplexe attendu[3] = {{-0.9999995500000000000303750136687L, 0},
                                      {0.4999997750000000000151875068344L, 0.8660257934958703497874197242308L},
                                      {0.4999997750000000000151875068344L, -0.8660257934958703497874197242308L}};
        for (const TComplexe& z : r) {
            bool trouve = false;
            for (const TComplexe& a : attendu)
                trouve = trouve || (std::fabs(z.Re - a.Re) <= 1E-15L && std::fabs(z.Im - a.Im) <= 1E-15L);
            QVERIFY2(trouve, qPrintable(Texte(z)));
        }
    }

    void racines3Reelles()
    {
        Journal journal;
        TComplexe r[3];
        Racines3({1, 0}, {-6, 0}, {11, 0}, {-6, 0}, r[0], r[1], r[2], journal);
        std::vector<Etendu> re;
        for (const TComplexe& z : r) {
            QVERIFY2(std::fabs(z.Im) < 1e-17L, qPrintable(Texte(z)));
            re.push_back(z.Re);
        }
        std::sort(re.begin(), re.end());
        for (int k = 0; k < 3; ++k)
            QVERIFY2(ProcheReel(re[k], k + 1, 64), qPrintable(QString::number(double(re[k] - (k + 1)))));
    }

    void racines4()
    {
        Journal journal;
        // x^4 + 1: the roots in their stack order (ties in Ferrari's choice
        // keep the lower index).
        {
            TComplexe y[4];
            Racines4({1, 0}, CZero, CZero, CZero, {1, 0}, y[0], y[1], y[2], y[3], journal);
            const Etendu h = 0.70710678118654752440L;
            const TComplexe ordre[4] = {{h, -h}, {-h, -h}, {-h, h}, {h, h}};
            for (int k = 0; k < 4; ++k)
                QVERIFY2(Proche(y[k], ordre[k], 8), qPrintable(QString::number(k) + ": " + Texte(y[k])));
        }
        TComplexe x[4];
        Racines4({1, 0}, CZero, CZero, CZero, {-1, 0}, x[0], x[1], x[2], x[3], journal);
        const TComplexe attendu[4] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
        for (int k = 0; k < 4; ++k)
            QVERIFY2(Proche(x[k], attendu[k], 8), qPrintable(QString::number(k) + ": " + Texte(x[k])));

        // (x + 1)^4: every candidate is 0, so -B/4 four times.
        Racines4({1, 0}, {4, 0}, {6, 0}, {4, 0}, {1, 0}, x[0], x[1], x[2], x[3], journal);
        for (const TComplexe& z : x)
            QVERIFY2(Proche(z, {-1, 0}, 8), qPrintable(Texte(z)));
    }

    void coefficientDominantNul()
    {
        Journal journal;
        Bac bac;
        PlateformeEnregistreuse p;
        TComplexe x1 = Sentinelle, x2 = Sentinelle, x3 = Sentinelle;
        Racines2(CZero, {1, 0}, {1, 0}, x1, x2, journal);
        QCOMPARE(journal.size(), std::size_t(2));
        QCOMPARE(x1.Re, 0.0L); // written all the same
        journal.clear();
        Racines3(CZero, {1, 0}, {1, 0}, {1, 0}, x1, x2, x3, journal);
        QVERIFY(journal.size() >= 3);
        QVERIFY(p.journal.empty());
    }
};

QTEST_MAIN(TestNumerics)
#include "test_numerics.moc"
