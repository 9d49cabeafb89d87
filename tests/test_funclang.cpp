// The function language: number texts, normalisation and the evaluator.
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "funclang/Arrondi.h"
#include "funclang/Evaluateur.h"
#include "funclang/Nombres.h"
#include "funclang/Normalisation.h"
#include "funclang/Programme.h"
#include "funclang/Texte.h"
#include "graph/modele/TypeCourbe.h"
#include "Chemins.h"
#include "Generateur.h"

#include <QtTest>

#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include <cstring>
#include <limits>

namespace {
// The message of a failed evaluation, empty on success.
std::string MessageDe(const Evaluation& e) { return e.faute ? e.faute->message : std::string(); }
} // namespace

class TestFunclang : public QObject {
    Q_OBJECT

private slots:
    // f' and f'' of every function of the table at five points, and of
    // texts of several steps, against mpmath (tests/donnees/derivees.txt):
    // within one unit of the 15th digit, or a failure where there is no
    // derivative.
    void deriveesExactes()
    {
        std::ifstream fichier(TARVELLE_DONNEES "/derivees.txt");
        std::string ligne;
        int lignes = 0;
        auto conforme = [](const Evaluation& e, const std::string& attendu) {
            if (attendu == "echec")
                return e.faute.has_value();
            const Etendu a = std::stold(attendu);
            // A derivative that is 0 is 0 within the rounding of the values it is built from.
            const Etendu tolerance = std::fabs(a) >= 1E-10L ? 1E-14L * std::fabs(a) : 1E-15L;
            return !e.faute && std::fabs(e.resultat - a) <= tolerance;
        };
        while (std::getline(fichier, ligne)) {
            if (ligne.empty() || ligne[0] == '#')
                continue;
            std::istringstream champs(ligne);
            std::string texte, x, d1, d2;
            champs >> texte >> x >> d1 >> d2;
            Programme p(NormaliseFonction(texte, 'x', Jete()).value(), 'x');
            const Programme::Derivees d = p.ExecuteDerivees(std::stold(x));
            QVERIFY2(conforme(d.premiere, d1) && conforme(d.seconde, d2),
                     qPrintable(QString::fromStdString(ligne) + " : " + QString::number(double(d.premiere.resultat), 'g', 17) +
                                " " + QString::number(double(d.seconde.resultat), 'g', 17)));
            ++lignes;
        }
        QCOMPARE(lignes, 149);
    }

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
        QTest::newRow("juste sous une moitié, tapé") << 14480.93127642355L << " 1.44809312764235E+0004";
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

    void normalisation_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("interne");
        QTest::addColumn<bool>("refus");
        const int carte = int(TypeCourbe::Carte), polr = int(TypeCourbe::Polr), cone = int(TypeCourbe::Cone);
        QTest::newRow("SIN(X)") << "SIN(X)" << carte << "SIN(x)" << false;
        QTest::newRow("sin(x)") << "sin(x)" << carte << "SIN(x)" << false;
        QTest::newRow("arcsin+sh") << "arcsin(x)+sh(x)" << carte << "ASI(x)#SIH(x)" << false;
        QTest::newRow("argth") << "argth(x)" << carte << "ATH(x)" << false;
        QTest::newRow("tous les noms") << "frac(abs(carre(cube(racine(signe(rad(deg(fact(inv(exp(ln(log(int(x))))))))))))))"
                                       << carte << "FRC(ABS(CAR(CUB(RAC(SGN(RAD(DEG(FAC(INV(EXP(LGN(LOG(INT(x))))))))))))))" << false;
        QTest::newRow("inverses") << "arccos(x)*arctan(x)*tan(x)*argsh(x)*argch(x)*ch(x)*th(x)"
                                  << carte << "ACO(x)*ATN(x)*TAN(x)*ASH(x)*ACH(x)*COH(x)*TAH(x)" << false;
        QTest::newRow("2x refusé") << "2x" << carte << "2x" << true;
        QTest::newRow("2^x refusé") << "2^x" << carte << "2^x" << true;
        QTest::newRow("x*2") << "x*2" << carte << "x*2" << false;
        QTest::newRow("2*x") << "2*x" << carte << "2*x" << false;
        QTest::newRow("polaire: x pas vérifié") << "2x+t" << polr << "2x#t" << false;
        QTest::newRow("polaire: sqrt(t)") << "sqrt(t)" << polr << "sqrt(t)" << true;
        QTest::newRow("-(x-1)") << "-(x-1)" << carte << "0.0~(x~1)" << false;
        QTest::newRow("--x") << "--x" << carte << "0.0#x" << false;
        QTest::newRow("+x") << "+x" << carte << "0.0#x" << false;
        QTest::newRow("(+x)") << "(+x)" << carte << "(0.0#x)" << false;
        QTest::newRow("-x^2") << "-x^2" << carte << "0.0~x^2" << false;
        QTest::newRow("2*-3") << "2*-3" << carte << "2*-3" << false;
        QTest::newRow("1/x") << "1/x" << carte << "1*INV(x)" << false;
        QTest::newRow("a/x^2") << "3/x^2" << carte << "3*INV(x)^2" << false;
        QTest::newRow("1/t polaire") << "1/t+1/x" << polr << "1*INV(t)#1/x" << false;
        QTest::newRow("exposant signé") << "1.5e+3" << carte << "1.5E+3" << false;
        QTest::newRow("exposant négatif") << "1/2e-3" << carte << "1/2E-3" << false;
        QTest::newRow("exposant sans signe") << "2e3" << carte << "2e3" << false;
        QTest::newRow("exposant après un point") << "5.e-2*x" << carte << "5.E-2*x" << false;
        QTest::newRow("conique") << "Y^2+X^2-1" << cone << "y^2#x^2~1" << false;
        QTest::newRow("conique exposant") << "x^2-1E-3" << cone << "x^2~1E-3" << false;
        QTest::newRow("conique: fonctions de x") << "y^2-4+Ln(x)+racine(x)*y-inv(x)*exp(x)" << cone
                                                  << "y^2~4#LGN(x)#RAC(x)*y~INV(x)*EXP(x)" << false;
        QTest::newRow("conique: x où qu'il soit") << "2x*y+y^2/x" << cone << "2x*y#y^2/x" << false;
    }

    void normalisation()
    {
        QFETCH(QString, saisie);
        QFETCH(int, type);
        QFETCH(QString, interne);
        QFETCH(bool, refus);
        Journal journal;
        QCOMPARE(QString::fromStdString(NormaliseFonction(saisie.toStdString(), TypeCourbe(type), journal).value()), interne);
        const Journal attendu = refus ? Journal{{"Expression incorrecte .", IconeFaute::Erreur, GenreErreur::Texte}} : Journal{};
        QCOMPARE(journal, attendu);
    }

    // A rule that fails tells its journal, never the user: no box, no sound.
    void refusDansLeJournal()
    {
        PlateformeEnregistreuse p;
        std::string t = "2x";
        Journal journal;
        QVERIFY(!NormaliseNoms(t, 'x', journal));
        QCOMPARE(journal, (Journal{{"Expression incorrecte .", IconeFaute::Erreur, GenreErreur::Texte}}));
        QVERIFY(p.journal.empty());
    }

    void evaluation_data()
    {
        QTest::addColumn<QString>("interne");
        QTest::addColumn<long double>("x");
        QTest::addColumn<long double>("attendu");
        QTest::addColumn<QString>("message");
        const QString ok;
        QTest::newRow("(1/3)*3") << "(1/3)*3" << 0.0L << 0.999999999999999L << ok;
        QTest::newRow("1/3*3") << "1/3*3" << 0.0L << 0.999999999999999L << ok;
        QTest::newRow("2^3^2") << "2^3^2" << 0.0L << 64.0L << ok;
        QTest::newRow("8/2/2") << "8/2/2" << 0.0L << 2.0L << ok;
        QTest::newRow("2*-3") << "2*-3" << 0.0L << -6.0L << ok;
        QTest::newRow("0^0") << "0^0" << 0.0L << 0.0L << ok;
        QTest::newRow("x^0") << "x^0" << -7.5L << 1.0L << ok;
        QTest::newRow("x^2, x = -2") << "x^2" << -2.0L << 4.0L << ok;
        QTest::newRow("x~1, x = -2") << "x~1" << -2.0L << -3.0L << ok;
        QTest::newRow("0.0~x^2, x = -2") << "0.0~x^2" << -2.0L << -4.0L << ok;
        QTest::newRow("2#3*4") << "2#3*4" << 0.0L << 14.0L << ok;
        QTest::newRow("2^(0.0~1)") << "2^(0.0~1)" << 0.0L << ValeurErreur << "Syntaxe non supportée .";
        QTest::newRow("2^(0.0~0.5)") << "2^(0.0~0.5)" << 0.0L << 0.707106781186548L << ok;
        QTest::newRow("(0.0~8)^(1/3)") << "(0.0~8)^(1/3)" << 0.0L << ValeurErreur << "Dépassement de capacité .";
        QTest::newRow("(0.0~8)^3") << "(0.0~8)^3" << 0.0L << -512.0L << ok;
        QTest::newRow("FAC(5)") << "FAC(5)" << 0.0L << 120.0L << ok;
        QTest::newRow("FAC(0)") << "FAC(0)" << 0.0L << 1.0L << ok;
        QTest::newRow("FAC(2.5)") << "FAC(2.5)" << 0.0L << ValeurErreur << "Paramètre de factorielle non entier .";
        QTest::newRow("FAC(0.0~2.5)") << "FAC(0.0~2.5)" << 0.0L << ValeurErreur << "Paramètre de factorielle non entier .";
        QTest::newRow("FAC(0.0~3)") << "FAC(0.0~3)" << 0.0L << ValeurErreur << "Paramètre de factorielle négatif .";
        QTest::newRow("FAC(1755)") << "FAC(1755)" << 0.0L << ValeurErreur << "Paramètre de factorielle trop grand .";
        QTest::newRow("FAC(1754)") << "FAC(1754)" << 0.0L << 1.97926189010501E+4930L << ok;
        QTest::newRow("ASI(1)") << "ASI(1)" << 0.0L << ValeurErreur << "Valeur interdite pour ArcSinus .";
        QTest::newRow("ACO(1)") << "ACO(1)" << 0.0L << 0.0L << ok;
        QTest::newRow("ACO(0.0~1)") << "ACO(0.0~1)" << 0.0L << 3.14159265358979L << ok;
        QTest::newRow("ACO(0)") << "ACO(0)" << 0.0L << 1.5707963267949L << ok;
        QTest::newRow("SGN(0)") << "SGN(0)" << 0.0L << 1.0L << ok;
        QTest::newRow("1/0") << "1/0" << 0.0L << 1.0L << "Division par zéro .";
        QTest::newRow("INV(0)") << "INV(0)" << 0.0L << ValeurErreur << "Division par zéro .";
        QTest::newRow("RAC(0.0~4)#1") << "RAC(0.0~4)#1" << 0.0L << ValeurErreur << "Racine carrée d'un nombre négatif .";
        QTest::newRow("LGN(0)") << "LGN(0)" << 0.0L << ValeurErreur << "Logarithme d'un nombre négatif ou nul .";
        QTest::newRow("ACH(0.5)") << "ACH(0.5)" << 0.0L << ValeurErreur << "Valeur interdite pour ArgCh .";
        QTest::newRow("ATH(1)") << "ATH(1)" << 0.0L << ValeurErreur << "Valeur interdite pour ArgTh .";
        QTest::newRow("EXP(100000)") << "EXP(100000)" << 0.0L << ValeurErreur << "Dépassement de capacité .";
        QTest::newRow("(2#3") << "(2#3" << 0.0L << 1.0L << "Il manque une parenthèse fermante .";
        QTest::newRow("2#3)") << "2#3)" << 0.0L << 1.0L << "Il manque une parenthèse ouvrante .";
        QTest::newRow("vide") << "" << 0.0L << 0.0L << ok;
        QTest::newRow("produit qui déborde") << "1E4000*1E4000" << 0.0L << ValeurErreur << "Expression incorrecte .";
        QTest::newRow("nombre hors format") << "1E99999#1" << 0.0L << ValeurErreur << "Expression incorrecte .";
        QTest::newRow("exposant trop grand") << "2^1E10" << 0.0L << ValeurErreur << "Expression incorrecte .";
        QTest::newRow("puissance qui déborde") << "10^5000" << 0.0L << ValeurErreur << "Expression incorrecte .";
        QTest::newRow("1/2E-3") << "1/2E-3" << 0.0L << 500.0L << ok;
        QTest::newRow("2^1E+2") << "2^1E+2" << 0.0L << 1.26765060022823E+0030L << ok;
        QTest::newRow("INT et FRC") << "INT(0.0~2.5)#FRC(2.25)" << 0.0L << -1.75L << ok;
        QTest::newRow("DEG(RAD(90))") << "DEG(RAD(90))" << 0.0L << 90.0000000000002L << ok; // RAD(90) is carried with 15 digits
        QTest::newRow("LOG(1000)") << "LOG(1000)" << 0.0L << 3.0L << ok;
    }

    void evaluation()
    {
        QFETCH(QString, interne);
        QFETCH(long double, x);
        QFETCH(long double, attendu);
        QFETCH(QString, message);
        const Evaluation e = Evalue(interne.toStdString(), 'x', x);
        QCOMPARE(QString::fromStdString(MessageDe(e)), message);
        QVERIFY2(TexteNombre(e.resultat) == TexteNombre(attendu) && (attendu != ValeurErreur || e.resultat == ValeurErreur),
                 TexteNombre(e.resultat).c_str());
    }

    void exposantsDepuisLaSaisie_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("1/2e-3") << "1/2e-3" << " 5.00000000000000E+0002";
        QTest::newRow("2^1e+2") << "2^1e+2" << " 1.26765060022823E+0030";
        QTest::newRow("q/1.6e-19") << "1/1.6e-19" << " 6.25000000000000E+0018";
        QTest::newRow("1.5e+3") << "1.5e+3" << " 1.50000000000000E+0003";
        QTest::newRow("-x^2 en 3") << "-x^2" << "-9.00000000000000E+0000";
        QTest::newRow("sin(x)/x en 3") << "sin(x)/x" << " 4.70400026866223E-0002"; // sin 3 and 1/3 each rounded to 15 digits
    }

    void exposantsDepuisLaSaisie()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, valeur);
        const Evaluation e = Evalue(NormaliseFonction(saisie.toStdString(), TypeCourbe::Carte, Jete()).value(), 'x', 3.0L);
        QVERIFY(!e.faute);
        QCOMPARE(QString::fromStdString(TexteNombre(e.resultat)), valeur);
    }

    void puissancesEntieresParCarresSuccessifs()
    {
        const Evaluation a = Evalue("1.0000001^100000", 'x', 0.0L);
        const Evaluation b = Evalue("x^2147483647", 'x', 1.0L);
        const Evaluation c = Evalue("0.5^2000000000", 'x', 0.0L);
        QCOMPARE(QString::fromStdString(TexteNombre(a.resultat)), QString(" 1.01005016657914E+0000"));
        QCOMPARE(b.resultat, 1.0L);
        QCOMPARE(c.resultat, 0.0L);
        QVERIFY(!a.faute && !b.faute && !c.faute);
    }

    void textesMalFormesTerminent_data()
    {
        QTest::addColumn<QString>("saisie");
        for (const char* t : {"xx", "2(x+1)", "sqrt(x)", "2*-x", "*3", "3*", "((((", "))))", "+-*/^",
                              "machin(x)", "()", "1e99999", "x^x^x^x^x", "fact(171)", "fact(1755)",
                              "tan(1.5707963267949)", "-----1", "1e", "e1", "1e4933", "1e-4960"})
            QTest::newRow(t) << t;
        QTest::newRow("imbrication") << QString(3000, '(') + "x" + QString(3000, ')');
        QTest::newRow("10000 caractères") << QString("x+").repeated(4999) + "x";
    }

    void textesMalFormesTerminent()
    {
        QFETCH(QString, saisie);
        const std::string interne = NormaliseFonction(saisie.toStdString(), TypeCourbe::Polr, Jete()).value();
        for (long double x : {0.0L, -2.0L, 1e300L}) {
            const Evaluation e = Evalue(interne, 'x', x);
            QVERIFY(std::isfinite(e.resultat));
            QCOMPARE(Evalue(interne, 'x', x).faute, e.faute);
        }
    }

    void longueurLimite()
    {
        Bac bac;
        PlateformeEnregistreuse p;
        const std::string limite = "1" + std::string(LongueurTexteMax - 1, '0');
        QCOMPARE(TexteNombre(Evalue(limite.substr(0, 40) + "*0" + std::string(LongueurTexteMax - 42, ' '), 'x', 0).resultat),
                 std::string(" 0.00000000000000E+0000"));
        const std::string troisMille = std::string(LongueurTexteMax / 2 - 1, '(') + "10" + std::string(LongueurTexteMax / 2 - 1, ')');
        QVERIFY(!Evalue(troisMille, 'x', 0).faute);
        QCOMPARE(Evalue(troisMille, 'x', 0).resultat, 10.0L);
        QCOMPARE(MessageDe(Evalue(troisMille + " ", 'x', 0)), std::string("Expression incorrecte ."));
        Journal journal;
        QVERIFY(NormaliseFonction(std::string(LongueurTexteMax, 'x'), TypeCourbe::Carte, journal).has_value());
        QVERIFY(journal.empty());
        QVERIFY(!NormaliseFonction(std::string(LongueurTexteMax + 1, 'x'), TypeCourbe::Carte, journal));
        QCOMPARE(journal, (Journal{{"Expression incorrecte .", IconeFaute::Erreur, GenreErreur::Texte}}));
        QVERIFY(p.journal.empty());
    }

    // The rules mended in both evaluators, as a user's function text sees them.
    void textesReparees_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("resultat"); // the number text, or the message
        QTest::newRow("3*-(2)") << "3*-(2)" << 0.0L << "-6.00000000000000E+0000";
        QTest::newRow("2*-(x+1) en 1") << "2*-(x+1)" << 1.0L << "-4.00000000000000E+0000";
        QTest::newRow("2*-x en 3") << "2*-x" << 3.0L << "-6.00000000000000E+0000";
        QTest::newRow("x*-x en 3") << "x*-x" << 3.0L << "-9.00000000000000E+0000";
        QTest::newRow("2*-sin(0)") << "2*-sin(0)" << 0.0L << " 0.00000000000000E+0000";
        QTest::newRow("abs(-5)") << "abs(-5)" << 0.0L << " 5.00000000000000E+0000";
        QTest::newRow("sqrt(4)") << "sqrt(4)" << 0.0L << "Expression incorrecte .";
        QTest::newRow("2(x+1)") << "2(x+1)" << 1.0L << "Expression incorrecte .";
        QTest::newRow("1.2.3") << "1.2.3" << 0.0L << "Expression incorrecte .";
        QTest::newRow("2*3*") << "2*3*" << 0.0L << "Expression incorrecte .";
        QTest::newRow("2^3^") << "2^3^" << 0.0L << "Expression incorrecte .";
        QTest::newRow("5. et 2.E3") << "5.#2.E3" << 0.0L << " 2.00500000000000E+0003";
        QTest::newRow("2,5*2") << "2,5*2" << 0.0L << " 5.00000000000000E+0000";
        QTest::newRow("argch(4/0)") << "argch(4/0)" << 0.0L << "Division par zéro .";
        QTest::newRow("sin(PI/2)") << "sin(PI/2)" << 0.0L << "Expression incorrecte .";
        QTest::newRow("x2 en 3") << "x2" << 3.0L << " 3.00000000000000E+0002";
        QTest::newRow("9*()") << "9*()" << 0.0L << "Expression incorrecte .";
        QTest::newRow("signe(x+( ))") << "signe(x+( ))" << 1.0L << "Expression incorrecte .";
        QTest::newRow("(2)") << "(2)" << 0.0L << " 2.00000000000000E+0000";
        QTest::newRow("arccos(1E-4940)") << "arccos(1E-4940)" << 0.0L << " 1.57079632679490E+0000";
        // Near 1, 1 - x^2 taken as (1 - x)(1 + x): the 15 digits are right.
        QTest::newRow("arccos près de 1") << "arccos(0.99999999983686)" << 0.0L << " 1.80632223035874E-0005";
        QTest::newRow("arcsin près de -1") << "arcsin(-0.99999999983686)" << 0.0L << "-1.57077826357259E+0000";
    }
    void textesReparees()
    {
        QFETCH(QString, saisie);
        QFETCH(long double, x);
        QFETCH(QString, resultat);
        const std::string interne = NormaliseFonction(saisie.toStdString(), TypeCourbe::Carte, Jete()).value();
        for (const Evaluation& e : {Evalue(interne, 'x', x), Programme(interne, 'x').Execute(x)})
            QCOMPARE(QString::fromStdString(e.faute ? e.faute->message : TexteNombre(e.resultat)), resultat);
    }

    void genresDErreur()
    {
        QCOMPARE(Evalue("(2#3", 'x', 0).faute->genre, GenreErreur::Texte);
        QCOMPARE(Evalue("1E4000*1E4000", 'x', 0).faute->genre, GenreErreur::Texte);
        QCOMPARE(Evalue("1/0", 'x', 0).faute->genre, GenreErreur::Valeur);
        QCOMPARE(Evalue("RAC(0.0~1)", 'x', 0).faute->genre, GenreErreur::Valeur);
        QVERIFY(!Evalue("x", 'x', 2).faute);
        QVERIFY(Evalue("(2#3", 'x', 0).Fatale() && !Evalue("1/0", 'x', 0).Fatale());
        // The conic's "2x" at 3.2 reads 23.2: the value's text joins the 2.
        QCOMPARE(Programme("2x", 'x', false).Execute(3.2L).resultat, Evalue("23.2", 'x', 0).resultat);
    }

    // The compiled path gives the text path's bits, message and kind on
    // texts from the grammar (the fuzz target runs the same comparison).
    void compileCommeLeTexte()
    {
        std::mt19937 alea(20261208);
        auto octet = [&alea]() -> unsigned { return alea() & 0xFF; };
        GenerateurTexte<decltype(octet)> g(octet);
        int differences = 0;
        for (int i = 0; i < 100000; ++i) {
            const bool conique = i % 5 == 0;
            const auto interne = NormaliseFonction(g.Texte('x'), conique ? TypeCourbe::Cone : TypeCourbe::Carte, Jete());
            const long double valeurs[] = {g.Valeur(), g.Valeur()};
            if (interne && !CompareChemins(*interne, 'x', valeurs, !conique) && ++differences < 5)
                qWarning("différence : %s", interne->c_str());
        }
        QCOMPARE(differences, 0);
    }

    void arrondiCommeLeTexte()
    {
        std::mt19937_64 alea(42);
        int differences = 0;
        int echelle = 0; // the previous value's scale, and one at random
        auto compare = [&](long double x) {
            differences += ArrondisDifferents(x, echelle, static_cast<int>(alea() % 59) - 29);
        };
        for (int i = 0; i < 100000; ++i) {
            // Any bits over the whole exponent range, and values next to a tie.
            std::uint64_t m = alea() | (1ULL << 63);
            std::uint16_t e = static_cast<std::uint16_t>(alea() % 32767);
            long double x;
            std::memcpy(&x, &m, 8);
            std::memcpy(reinterpret_cast<char*>(&x) + 8, &e, 2);
            compare(x);
            char t[64];
            const int decade = i % 2 ? static_cast<int>(alea() % 70) - 50 : static_cast<int>(alea() % 9860) - 4945;
            std::snprintf(t, sizeof t, "%llu5e%d", 100000000000000ULL + alea() % 900000000000000ULL, decade);
            compare(-std::strtold(t, nullptr));
        }
        // The borders of the paths, and just under powers of two (where
        // the gap between neighbours halves).
        const long double max = std::numeric_limits<long double>::max();
        for (long double x : {max, std::numeric_limits<long double>::min(),
                              std::numeric_limits<long double>::denorm_min(), 1E4900L, 1E-4900L, 1E42L, 1E-13L,
                              0x1p16000L, 0x1p-16000L, 0x1p200L, 0x1p-200L, 0x1p-44L, 0x1p140L})
            for (long double y : {x, std::nextafter(x, 0.0L), std::nextafter(x, max)})
                compare(y);
        QCOMPARE(differences, 0);
    }

    void programmeBorne()
    {
        const std::string long_ = NormaliseFonction(QString("sin(x)+").repeated(1428).toStdString() + "x",
                                                    TypeCourbe::Carte, Jete()).value();
        const Programme p(long_, 'x');
        QVERIFY(p.Taille() <= 2 * long_.size());
        QVERIFY(CompareChemins(long_, 'x', 0.5L, true));
        const std::string imbrique = std::string(5000, '(') + "x" + std::string(5000, ')');
        QVERIFY(CompareChemins(imbrique, 'x', 2.0L, true));
        QCOMPARE(MessageDe(Programme(imbrique + "(", 'x').Execute(1)), std::string(Messages::ExpressionIncorrecte));
    }

    // Two clones of one program run on two threads at once, as a plot and a
    // trace may, and each gets what the program gives on one thread: they
    // share nothing they write.
    void clonesSurDeuxFils()
    {
        const std::string texte = NormaliseFonction("sin(x)*x2+ln(abs(x)+1)/x-exp(-x/7)", 'x', Jete()).value();
        const Programme original(texte, 'x');
        constexpr int N = 100000;
        auto calcule = [](Programme p, std::vector<Etendu>& valeurs) {
            valeurs.resize(N);
            for (int k = 0; k < N; ++k)
                valeurs[k] = p.Execute(-50.0L + k * 0.001L).resultat;
        };
        std::vector<Etendu> seul, premier, second;
        calcule(original, seul);
        std::thread a(calcule, original, std::ref(premier)), b(calcule, original, std::ref(second));
        a.join();
        b.join();
        int differences = 0;
        for (int k = 0; k < N; ++k) // the 80 bits of each value, not its padding
            differences += std::memcmp(&seul[k], &premier[k], 10) != 0 || std::memcmp(&seul[k], &second[k], 10) != 0;
        QCOMPARE(differences, 0);
        QVERIFY(std::count(seul.begin(), seul.end(), ValeurErreur) < N / 100);
    }

    // The plotter's read-outs: the fixed forms where they show the value,
    // a form that reads back as the value where they would hide it.
    void texteLecture_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<QString>("texte");
        QTest::newRow("-3.2 à 7") << -3.2L << 7 << "-3.2000000";
        QTest::newRow("-3.2 à 3") << -3.2L << 3 << "-3.200";
        QTest::newRow("1 à 5") << 1.0L << 5 << "1.00000";
        QTest::newRow("0.5 à 5") << 0.5L << 5 << "0.50000";
        QTest::newRow("0 à 7") << 0.0L << 7 << "0.0000000";
        QTest::newRow("0.001 exact") << 0.001L << 3 << "0.001";
        QTest::newRow("0.05 exact") << 0.05L << 3 << "0.050";
        QTest::newRow("14 caractères") << 123456.5L << 7 << "123456.5000000";
        QTest::newRow("1E-30") << 1E-30L << 5 << "1E-30";
        QTest::newRow("-1E-8") << -1E-8L << 7 << "-1E-8";
        QTest::newRow("2 chiffres") << 0.0123456L << 3 << "1.23456E-2";
        QTest::newRow("15 caractères") << 1234567.5L << 7 << "1.2345675E6";
        QTest::newRow("5E4931") << 5E4931L << 7 << "5E4931";
        QTest::newRow("-5E4931") << -5E4931L << 3 << "-5E4931";
    }
    void texteLecture()
    {
        QFETCH(long double, x);
        const std::string t = TexteLecture(x, Donnee<int>("decimales"));
        QCOMPARE(QString::fromStdString(t), Donnee<QString>("texte"));
        // The scientific form always reads back as the value itself.
        if (t.find('E') != std::string::npos)
            QCOMPARE(LitNombre(t).value_or(0.0L), x);
    }

    void texteCourt_data()
    {
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("texte");
        QTest::newRow("pi") << PiEtendu << "3.1415926535897932385";
        QTest::newRow("-2.5E-7") << -2.5E-7L << "-2.5E-7";
        QTest::newRow("1E20") << 1E20L << "1E20";
        QTest::newRow("0.1") << 0.1L << "0.1";
        QTest::newRow("3") << 3.0L << "3";
        QTest::newRow("0") << 0.0L << "0";
        QTest::newRow("1E-4000") << 1E-4000L << "1E-4000";
    }
    void texteCourt()
    {
        QFETCH(long double, x);
        const std::string t = TexteCourt(x);
        QCOMPARE(QString::fromStdString(t), Donnee<QString>("texte"));
        QCOMPARE(LitDebutNombre(t).valeur, x); // reads back the same value
        // Any value reads back whole, in 21 digits at most.
        std::mt19937_64 alea(5);
        for (int i = 0; i < 2000; ++i) {
            std::uint64_t m = alea() | (1ULL << 63);
            std::uint16_t e = static_cast<std::uint16_t>(16383 - 3000 + alea() % 6000);
            long double y;
            std::memcpy(&y, &m, 8);
            std::memcpy(reinterpret_cast<char*>(&y) + 8, &e, 2);
            QCOMPARE(LitDebutNombre(TexteCourt(y)).valeur, y);
        }
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
