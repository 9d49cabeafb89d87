// Number texts: the 23-character form, the reader and the error value.
#include "funclang/Nombres.h"

#include <QtTest>

#include <cstring>
#include <limits>

class TestFunclang : public QObject {
    Q_OBJECT

private slots:
    void texteNombre_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("texte");
        QTest::newRow("zéro") << 0.0L << " 0.00000000000000E+0000";
        QTest::newRow("zéro négatif") << -0.0L << " 0.00000000000000E+0000";
        QTest::newRow("pi") << 3.14159265358979323846L << " 3.14159265358979E+0000";
        QTest::newRow("négatif petit") << -1e-5L << "-1.00000000000000E-0005";
        QTest::newRow("exactement une moitié") << 1000000000000005.0L << " 1.00000000000001E+0015";
        QTest::newRow("moitié négative") << -1000000000000005.0L << "-1.00000000000001E+0015";
        QTest::newRow("juste sous la moitié") << 1000000000000004.75L << " 1.00000000000000E+0015";
        QTest::newRow("retenue vers dix") << 9.9999999999999996L << " 1.00000000000000E+0001";
        QTest::newRow("un tiers") << 1.0L / 3.0L << " 3.33333333333333E-0001";
        QTest::newRow("deux tiers") << 2.0L / 3.0L << " 6.66666666666667E-0001";
        QTest::newRow("plus grand") << std::numeric_limits<long double>::max() << " 1.18973149535723E+4932";
        QTest::newRow("plus petit normal") << std::numeric_limits<long double>::min() << " 3.36210314311209E-4932";
        QTest::newRow("plus petit dénormal") << std::numeric_limits<long double>::denorm_min() << " 3.64519953188247E-4951";
        QTest::newRow("+Inf") << std::numeric_limits<long double>::infinity() << "                   +Inf";
        QTest::newRow("-Inf") << -std::numeric_limits<long double>::infinity() << "                   -Inf";
        QTest::newRow("Nan") << std::numeric_limits<long double>::quiet_NaN() << "                    Nan";
    }

    void texteNombre()
    {
        QFETCH(long double, x);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(TexteNombre(x)), texte);
        QCOMPARE(TexteNombre(x).size(), std::size_t(23));
    }

    void valeurErreurDepuisSesBits()
    {
        unsigned char octets[sizeof(long double)] = {};
        std::memcpy(octets, &ValeurErreur, 10);
        std::uint64_t mantisse;
        std::uint16_t exposant;
        std::memcpy(&mantisse, octets, 8);
        std::memcpy(&exposant, octets + 8, 2);
        QCOMPARE(mantisse, std::uint64_t(0xE9CFB518D4642A42ULL));
        QCOMPARE(exposant, std::uint16_t(0x4CF5));
        QVERIFY(ValeurErreur != 1.2E999L);
        QCOMPARE(QString::fromStdString(TexteNombre(ValeurErreur)), QString(" 1.20000000000000E+0999"));
    }

    void lecture_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<long double>("valeur");
        QTest::addColumn<int>("fin");
        QTest::addColumn<bool>("depassement");
        QTest::newRow("entier") << "12" << 12.0L << 2 << false;
        QTest::newRow("blancs et signe") << "  -3.5" << -3.5L << 6 << false;
        QTest::newRow("plus") << "+2" << 2.0L << 2 << false;
        QTest::newRow("point devant") << ".5" << 0.5L << 2 << false;
        QTest::newRow("point derrière") << "5." << 5.0L << 2 << false;
        QTest::newRow("exposant") << "2e-3" << 0.002L << 4 << false;
        QTest::newRow("exposant majuscule signé") << "1.5E+3" << 1500.0L << 6 << false;
        QTest::newRow("forme du programme") << "-1.00000000000000E-0005" << -1e-5L << 23 << false;
        QTest::newRow("préfixe") << "12abc" << 12.0L << 2 << false;
        QTest::newRow("virgule") << "1,5" << 1.0L << 1 << false;
        QTest::newRow("exposant sans chiffre") << "1e" << 1.0L << 1 << false;
        QTest::newRow("exposant signe seul") << "1e+" << 1.0L << 1 << false;
        QTest::newRow("lettres") << "abc" << 0.0L << 0 << false;
        QTest::newRow("vide") << "" << 0.0L << 0 << false;
        QTest::newRow("deux signes") << "--3" << 0.0L << 0 << false;
        QTest::newRow("point seul") << "." << 0.0L << 0 << false;
        QTest::newRow("infini écrit") << "inf" << 0.0L << 0 << false;
        QTest::newRow("trop grand") << "1e99999" << 0.0L << 7 << true;
        QTest::newRow("trop petit") << "1e-99999" << 0.0L << 8 << false;
        QTest::newRow("limite haute") << "1e4932" << 1e4932L << 6 << false;
    }

    void lecture()
    {
        QFETCH(QString, texte);
        QFETCH(long double, valeur);
        QFETCH(int, fin);
        QFETCH(bool, depassement);
        const LectureNombre l = LitDebutNombre(texte.toStdString());
        QCOMPARE(l.valeur, valeur);
        QCOMPARE(int(l.fin), fin);
        QCOMPARE(l.depassement, depassement);
    }

    void lectureIndependanteDesReglagesRegionaux()
    {
        const char* avant = setlocale(LC_NUMERIC, nullptr);
        const std::string sauve = avant ? avant : "C";
        if (setlocale(LC_NUMERIC, "fr_FR.UTF-8") || setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
            QCOMPARE(LitDebutNombre("2.5").valeur, 2.5L);
            QCOMPARE(QString::fromStdString(TexteNombre(2.5L)), QString(" 2.50000000000000E+0000"));
        }
        setlocale(LC_NUMERIC, sauve.c_str());
    }

    void allerRetourSansPerte()
    {
        // What the text gives back is the value rounded to 15 digits.
        for (long double x : {1.0L / 3.0L, 123456.789L, -2.5e-300L, 7e4000L}) {
            const std::string t = TexteNombre(x);
            QCOMPARE(TexteNombre(LitDebutNombre(t).valeur), t);
        }
    }
};

QTEST_MAIN(TestFunclang)
#include "test_funclang.moc"
