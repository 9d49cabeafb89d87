// The plotter as values: the mapping and the window rules, the axes, the
// plots, the conic's coefficients, the analysis, the mouse states and the
// graph file, without a window.
#include "commun/Banc.h"
#include "commun/Dessins.h"
#include "commun/PlateformeEnregistreuse.h"
#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "graph/fenetres/Controles.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Conique.h"
#include "graph/modele/Etude.h"
#include "graph/modele/Extremum.h"
#include "graph/modele/FichierGraphe.h"
#include "graph/modele/ModeleGraphe.h"
#include "graph/modele/Souris.h"
#include "graph/modele/Suivi.h"
#include "graph/modele/TableauValeurs.h"

#include <QtTest>

class TestGraphValeurs : public QObject {
    Q_OBJECT

private slots:
    void correspondance_data()
    {
        QTest::addColumn<long double>("xmin");
        QTest::addColumn<long double>("ymin");
        QTest::addColumn<long double>("x");
        QTest::addColumn<long double>("y");
        QTest::addColumn<int>("px");
        QTest::addColumn<int>("py");
        QTest::newRow("origine, défaut") << -3.2L << -2.4L << 0.0L << 0.0L << 160 << 120;
        QTest::newRow("coin haut gauche") << -3.2L << -2.4L << -3.2L << 2.4L << 0 << 0;
        QTest::newRow("coin bas droit") << -3.2L << -2.4L << 3.2L << -2.4L << 320 << 240;
        QTest::newRow("x = 1, y = 1") << -3.2L << -2.4L << 1.0L << 1.0L << 210 << 70;
        QTest::newRow("origine, ±10 × ±7.5") << -10.0L << -7.5L << 0.0L << 0.0L << 160 << 120;
        QTest::newRow("(10, 7.5) visible") << -10.0L << -7.5L << 10.0L << 7.5L << 320 << 0;
    }
    void correspondance()
    {
        QFETCH(long double, xmin);
        QFETCH(long double, ymin);
        QFETCH(long double, x);
        QFETCH(long double, y);
        const Vue v{xmin, -xmin, ymin, -ymin};
        QCOMPARE(ArrondiPixel(v.Px(x)), Donnee<int>("px"));
        QCOMPARE(ArrondiPixel(v.Py(y)), Donnee<int>("py"));
        QVERIFY(Vue::Visible(v.Px(x), v.Py(y)));
    }

    void regleDesFenetres()
    {
        Vue v;
        QCOMPARE(PasDe(v, 1), 0.02L);
        QVERIFY(std::fabs(PasDe(v, 10) - 0.002L) < 1E-18L);
        QVERIFY(std::fabs(v.EcranVersX(319) - 3.18L) < 1E-15L && std::fabs(v.EcranVersY(239) + 2.38L) < 1E-15L);
        QCOMPARE(v.EcranVersX(0), -3.2L);
        QVERIFY(!Vue::Visible(320.001L, 0) && !Vue::Visible(0, -0.001L));
        // Any window: only reversed edges change.
        QVERIFY(Ordonnee(Vue{1, 5, -1, 1}) == (Vue{1, 5, -1, 1}));
        QVERIFY(Ordonnee(Vue{5, -5, 1, -1}) == (Vue{-5, 5, -1, 1}));
        const Vue decalee{1, 3, -1, 1};
        QCOMPARE(decalee.Px(2.0L), 160.0L);
        QCOMPARE(decalee.EcranVersX(0), 1.0L);
        QVERIFY(std::fabs(decalee.EcranVersX(160) - 2.0L) < 1E-18L);
    }

    void axes_data()
    {
        QTest::addColumn<long double>("xmax");
        QTest::addColumn<long double>("ymax");
        QTest::addColumn<long double>("graduation");
        QTest::addColumn<Points>("graduations");
        const Points defaut{{210, 119}, {260, 119}, {310, 119}, {110, 119}, {60, 119}, {10, 119},
                            {161, 170}, {161, 220}, {161, 70}, {161, 20}};
        QTest::newRow("défaut") << 3.2L << 2.4L << 1.0L << defaut;
        QTest::newRow("±1.6 × ±1.2, 0.5") << 1.6L << 1.2L << 0.5L << defaut;
        QTest::newRow("unité 1E-30: une par axe") << 3.2L << 2.4L << 1E-30L
                                                  << Points{{160, 119}, {161, 120}};
        QTest::newRow("unité 1E30: aucune") << 3.2L << 2.4L << 1E30L << Points{};
    }
    void axes()
    {
        QFETCH(long double, xmax);
        QFETCH(long double, ymax);
        const QImage image = Image(TraceAxes(Vue{-xmax, xmax, -ymax, ymax}, Donnee<long double>("graduation")));
        Points attendu = Donnee<Points>("graduations");
        for (int r = 1; r < 240; ++r)
            attendu.insert({160, r});
        for (int c = 1; c < 320; ++c)
            attendu.insert({c, 120});
        QCOMPARE(PixelsDe(image, Blanc), attendu);
    }

    void coefficientsConique_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<QString>("C");
        QTest::newRow("cercle") << "y^2#x^2~1" << "1" << "0" << "0.0#x^2~1";
        QTest::newRow("-y^2+1") << "0.0~y^2#1" << "0.0~1.0" << "0" << "0.0#1";
        QTest::newRow("trois termes") << "2*y^2#3*y~4" << "2" << "3" << "0.0~4";
        QTest::newRow("y^2+2*y+x") << "y^2#2*y#x" << "1" << "2" << "0.0#x";
        QTest::newRow("y^2-y") << "y^2~y" << "1" << "-1.0" << "0";
        QTest::newRow("x*y") << "x*y" << "0" << "x" << "0";
        QTest::newRow("sans y") << "x~1" << "0" << "0" << "0.0#x~1";
    }
    void coefficientsConique()
    {
        const TextesConique t = CoefficientsConique(Donnee<QString>("texte").toStdString());
        QCOMPARE(QString::fromStdString(t.A), Donnee<QString>("A"));
        QCOMPARE(QString::fromStdString(t.B), Donnee<QString>("B"));
        QCOMPARE(QString::fromStdString(t.C), Donnee<QString>("C"));
    }

    // A line to a point far outside is cut where it leaves the box around
    // the area, along its own direction.
    void ligneVersUnPointLointain()
    {
        const auto bout = [](Etendu x2, Etendu y2) {
            const auto l = LigneEntre(160, 120, x2, y2, Rouge);
            return l ? std::pair{l->x2, l->y2} : std::pair{0, 0};
        };
        QCOMPARE(bout(400, -1E9L), (std::pair{160, -32768}));  // steep, far above
        QCOMPARE(bout(1E7L, 130), (std::pair{32768, 120}));    // shallow, far right
        QCOMPARE(bout(1E6L, -1E6L + 280), (std::pair{32768, -32488})); // 45°
        QVERIFY(!LigneEntre(1E6L, 0, -1E6L, 0, Rouge));         // both ends outside
    }

    void racinesConique()
    {
        using R = std::vector<Etendu>;
        QCOMPARE(RacinesConique(0, 0, 1), R{});
        QCOMPARE(RacinesConique(0, 2, -4), R{2});
        QCOMPARE(RacinesConique(1, 0, -1), (R{-1, 1}));
        QCOMPARE(RacinesConique(1, 2, 1), R{-1});
        QCOMPARE(RacinesConique(1, 0, 1), R{});
    }

    void traces()
    {
        ParametresTrace p;
        const std::size_t axes = TraceAxes(p.vue, 1).size();
        // A parametric curve starts with a single pixel at the first t >= 0.
        const ResultatTrace para = TraceParametrique(p, "RAC(t)", "t", Rien);
        QVERIFY(!para.faute && para.dessin.size() > axes + 10);
        QCOMPARE(para.dessin[axes].sorte, Primitive::Sorte::Pixel);
        QCOMPARE(para.dessin[axes].y1, 119); // t = 0.02, x = 0.14
        // A wrong text stops the plot and leaves nothing to draw.
        for (const auto& [texte, icone] : {std::pair{"x*1E3000*1E3000", Plateforme::Icone::Erreur},
                                           std::pair{"SIN(x", Plateforme::Icone::Avertissement}}) {
            const ResultatTrace r = TraceCartesienne(p, texte, Rien);
            QVERIFY(r.Fatal() && r.dessin.empty());
            QCOMPARE(r.faute->icone, icone);
        }
        // Undefined everywhere, or beyond every number: axes only, no end.
        for (const char* texte : {"RAC(0.0~1#0.0*x)", "(x*x#2)^20000.5"})
            QCOMPARE(TraceCartesienne(p, texte, Rien).dessin.size(), axes);
        // No y term: nothing drawn, no crash.
        QCOMPARE(TraceConique(p, "x~1", Rien).dessin.size(), axes);
        // A study interval far beyond the window samples the window's part.
        long derniers = 0;
        p.etudeMax = 1E30L;
        TraceCartesienne(p, "x", Progression{[&derniers](long n) { derniers = n; }});
        QVERIFY(derniers > 320 && derniers < 330);
    }


    void litNombre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("lu");
        QTest::addColumn<long double>("valeur");
        QTest::newRow("-3.2") << "-3.2" << true << -3.2L;
        QTest::newRow("blancs devant") << "  7" << true << 7.0L;
        QTest::newRow("1E2") << "1E2" << true << 100.0L;
        QTest::newRow(".5") << ".5" << true << 0.5L;
        QTest::newRow("2e-3") << "2e-3" << true << 0.002L;
        QTest::newRow("virgule") << "1,5" << true << 1.5L;
        for (const char* refuse : {"abc", "1.", "7 ", "1e", "", "1E5000", "1,5,3", "1,5.3"})
            QTest::newRow(refuse) << refuse << false << 0.0L;
    }
    void litNombre()
    {
        const std::optional<Etendu> v = LitNombre(Donnee<QString>("texte").toStdString());
        QCOMPARE(v.has_value(), Donnee<bool>("lu"));
        if (v)
            QCOMPARE(*v, Donnee<long double>("valeur"));
    }

    void analyse_data()
    {
        QTest::addColumn<QString>("calcul");
        QTest::addColumn<QString>("fonction");
        QTest::addColumn<long double>("a");
        QTest::addColumn<long double>("b");
        QTest::addColumn<QString>("texte");
        QTest::newRow("intégrale de x^2 sur [0, 3]") << "I" << "x^2" << 0.0L << 3.0L << "9.00000000000000";
        QTest::newRow("bornes échangées") << "I" << "x^2" << 3.0L << 0.0L << "9.00000000000000";
        QTest::newRow("racine depuis -1") << "I" << "racine(x)" << -1.0L << 1.0L << "erreur";
        QTest::newRow("x^2 sur ±1E4000") << "I" << "x^2" << -1E4000L << 1E4000L << "erreur";
        QTest::newRow("zéro de x^2-2") << "Z" << "x^2-2" << 0.0L << 2.0L << "1.41421356237310";
        QTest::newRow("x^2+1: pas de zéro") << "Z" << "x^2+1" << 0.0L << 2.0L << "erreur";
        QTest::newRow("f(a) = 0") << "Z" << "x-0.5" << 0.5L << 2.0L << "0.50000000000000";
        QTest::newRow("racine près de 0") << "Z" << "x-1E-15" << -1.0L << 1.0L << "0.00000000000000";
        QTest::newRow("zéro de grande taille") << "Z" << "x-123456789" << 0.0L << 1E9L << "123456788.999999"; // x seen with 15 digits
        QTest::newRow("bornes à 1E300") << "Z" << "x" << -1E300L << 2E300L << "0.00000000000000";
        QTest::newRow("bornes à 1E-300") << "Z" << "x" << -1E-300L << 2E-300L << "0.00000000000000";
        QTest::newRow("à travers un trou") << "Z" << "inv(x)" << -1.0L << 2.0L << "erreur";
    }
    void analyse()
    {
        PlateformeEnregistreuse p;
        const std::string texte = *NormaliseFonction(Donnee<QString>("fonction").toStdString(), TypeCourbe::Carte, Jete());
        QFETCH(long double, a);
        QFETCH(long double, b);
        const Etendu r = Donnee<QString>("calcul") == "I" ? Integrale(texte, a, b) : ChercheZero(texte, a, b);
        const QString texteLu = r == ValeurErreur ? QString("erreur") : QString::fromStdString(TexteFixe(r, 14));
        QVERIFY2(texteLu.startsWith(Donnee<QString>("texte")), qPrintable(texteLu));
        QCOMPARE(p.sabliers, 0);
    }

    void deriveeEn()
    {
        QVERIFY(std::fabs(DeriveeEn("x^2", 'x', 1.0L).valeur - 2.0L) < 1E-13L);
        QCOMPARE(DeriveeEn("RAC(x)", 'x', 0.0L).valeur, ValeurErreur);
        QCOMPARE(DeriveeEn("x*1E3000*1E3000", 'x', 1.0L).faute->genre, GenreErreur::Texte);
        QVERIFY(std::isfinite(DeriveeEn("x", 'x', 1E4000L).valeur));
    }

    void etatsDeLaSouris()
    {
        const Vue v;
        ::Curseurs c;
        QVERIFY(!c.BandeVers(10, 10));
        QCOMPARE(c.ClicGauche(v, 80, 60), ::Curseurs::Clic::Curseur1);
        QCOMPARE(c.BandeVers(100, 70), (::Zone{80, 60, 100, 70}));
        QVERIFY(!c.BandeVers(79, 70) && !c.BandeVers(100, 59));
        QCOMPARE(c.ClicGauche(v, 40, 30), ::Curseurs::Clic::Curseur2); // up and left: accepted
        QVERIFY(c.Curseur2Pose() && !c.BandeVers(100, 70));
        QCOMPARE(c.ClicGauche(v, 1, 1), ::Curseurs::Clic::Efface);
        QCOMPARE(c.Etat, EtatSouris::SansCurseur);
    }

    void formatDuFichier()
    {
        const std::string octets = EcritGraphe(TypeCourbe::Para, "cos(t)", "sin(t)",
                                               {"-3.2000000", "3.2000000", "-2.4000000", "2.4000000", "-3.200", "3.200", "1.00000", "1"});
        std::string clair = octets;
        for (std::size_t i = clair.find('\n') + 1; i < clair.size(); ++i)
            if (clair[i] != '\r' && clair[i] != '\n')
                clair[i] = static_cast<char>(clair[i] - DecalageGraphe);
        QCOMPARE(QString::fromStdString(clair),
                 QString("Para\r\ncos(t)\r\nsin(t)\r\n-3.2000000\r\n3.2000000\r\n-2.4000000\r\n2.4000000\r\n"
                         "-3.200\r\n3.200\r\n1.00000\r\n1\r\n"));
        QVERIFY(octets.find("cos") == std::string::npos); // the texts are shifted
        // Every printable character survives the shift and the line split.
        std::string tous;
        for (char c = ' '; c < 127; ++c)
            tous += c;
        const auto relu = LitGraphe(EcritGraphe(TypeCourbe::Carte, tous, "", {"-1", "1", "-1", "1", "-1", "1", "1", "10"}));
        QVERIFY(relu && relu->SaisieX == tous && relu->Precision == 10);
        // The same file with LF line ends.
        std::string lf = octets;
        std::erase(lf, '\r');
        const auto c = LitGraphe(lf);
        QVERIFY(c && c->Type == TypeCourbe::Para && c->SaisieY == "sin(t)" && c->Fenetre.Xmin == -3.2L);
        // A window of zero width cannot be drawn.
        QVERIFY(!LitGraphe(EcritGraphe(TypeCourbe::Carte, "x", "", {"0", "-0", "-1", "1", "-1", "1", "1", "1"})));
    }

    void fichiersRefuses_data()
    {
        QTest::addColumn<QByteArray>("ligne");   // replaces the line of that rank ...
        QTest::addColumn<int>("rang");           // ... of a valid cartesian file
        QTest::addColumn<bool>("accepte");
        QTest::newRow("précision 0") << QByteArray("0") << 9 << false;
        QTest::newRow("précision 266") << QByteArray("266") << 9 << false;
        QTest::newRow("précision 10") << QByteArray("10") << 9 << true;
        QTest::newRow("précision 2.5") << QByteArray("2.5") << 9 << false;
        QTest::newRow("valeur abc") << QByteArray("abc") << 3 << false;
        QTest::newRow("valeur vide: 0") << QByteArray("") << 4 << true;
        QTest::newRow("graduation vide: 0") << QByteArray("") << 8 << false;
        QTest::newRow("fenêtre de 1E-4000") << QByteArray("-1E-4000") << 2 << true;
        QTest::newRow("graduation 1E4000") << QByteArray("1E4000") << 8 << true;
        QTest::newRow("10000 chiffres") << QByteArray(10000, '7') << 3 << false;
        QTest::newRow("graduation 0") << QByteArray("0") << 8 << false;
        QTest::newRow("graduation -2") << QByteArray("-2") << 8 << true;
        QTest::newRow("fenêtre sans l'origine") << QByteArray("1") << 2 << true;
        QTest::newRow("ligne d'un million") << QByteArray(1000000, '1') << 1 << false;
        QTest::newRow("octet nul") << QByteArray("Ca\0rte", 6) << 0 << false;
        QTest::newRow("caractère de contrôle") << QByteArray("x\x01") << 1 << false;
        QTest::newRow("mot-clé inconnu") << QByteArray("Courbe") << 0 << true;
    }
    void fichiersRefuses()
    {
        std::array<std::string, 10> lignes{"Carte", "x^2", "-3.2000000", "3.2000000", "-2.4000000", "2.4000000",
                                           "-3.200", "3.200", "1.00000", "1"};
        const QByteArray remplace = Donnee<QByteArray>("ligne");
        lignes[Donnee<int>("rang")] = std::string(remplace.constData(), remplace.size());
        std::string octets = lignes[0] + "\r\n";
        for (std::size_t k = 1; k < lignes.size(); ++k) {
            std::string l = lignes[k];
            for (char& ch : l)
                ch = static_cast<char>(ch + DecalageGraphe);
            octets += l + "\r\n";
        }
        QCOMPARE(LitGraphe(octets).has_value(), Donnee<bool>("accepte"));
        // Truncated anywhere, the file is refused.
        QVERIFY(!LitGraphe(octets.substr(0, octets.size() / 2)));
    }

    void coniquesDeveloppees_data()
    {
        QTest::addColumn<QString>("texte");    // normalised
        QTest::addColumn<bool>("indication");  // in the hint's form, read as written
        QTest::addColumn<QString>("abc");      // A, B and C at x = 2, or "refusée"
        QTest::newRow("y^2#x^2~1") << "y^2#x^2~1" << true << "1 0 3";
        QTest::newRow("2*y^2#3*y~4") << "2*y^2#3*y~4" << true << "2 3 -4";
        QTest::newRow("0.0~y^2#1") << "0.0~y^2#1" << true << "-1 0 1";
        QTest::newRow("y~x") << "y~x" << true << "0 1 -2";
        QTest::newRow("x~1") << "x~1" << true << "0 0 1";
        QTest::newRow("x^2#y^2~1") << "x^2#y^2~1" << false << "1 0 3";
        QTest::newRow("x^2/4#y^2~1") << "x^2/4#y^2~1" << false << "1 0 0";
        QTest::newRow("2*x*y#y^2~3") << "2*x*y#y^2~3" << false << "1 4 -3";
        QTest::newRow("(y#x)^2~4") << "(y#x)^2~4" << false << "1 4 0";
        QTest::newRow("0.0#y^2~x") << "0.0#y^2~x" << false << "1 0 -2";
        QTest::newRow("0.0~y#x") << "0.0~y#x" << false << "0 -1 2";
        QTest::newRow("2*-y^2") << "2*-y^2" << false << "2 0 0";
        QTest::newRow("y^2#x*-y~1") << "y^2#x*-y~1" << false << "1 -2 -1"; // y^2-x*y-1
        QTest::newRow("(y^2#y)*y~x") << "(y^2#y)*y~x" << false << "refusée";
        QTest::newRow("y*x/2~y^2") << "y*x/2~y^2" << false << "-1 1 0";
        QTest::newRow("x^2 # y^2 ~ 1") << "x^2 # y^2 ~ 1" << false << "1 0 3";
        for (const char* t : {"y^3~x", "sin(y)", "inv(y)", "x/y", "2y", "y^2*y", "y^50", "(y^2#1)^2", "y^x", "y^2#"})
            QTest::newRow(t) << t << false << "refusée";
        QTest::newRow("10000 caractères") << "(y#x)^2" + QString("#x").repeated(4996) << false << "1 4 9996";
        QTest::newRow("201 parenthèses") << QString(201, '(') + "y" + QString(201, ')') << false << "refusée";
    }
    void coniquesDeveloppees()
    {
        QFETCH(QString, texte);
        const std::string t = texte.toStdString();
        QCOMPARE(FormeDeLIndication(t), Donnee<bool>("indication"));
        const std::optional<TextesConique> c = TextesDeLaConique(t);
        QString abc = "refusée";
        if (c) {
            QStringList valeurs;
            for (const std::string* coef : {&c->A, &c->B, &c->C})
                valeurs << QString::number(static_cast<double>(Programme(*coef, 'x', false).Execute(2).resultat));
            abc = valeurs.join(' ');
        }
        QCOMPARE(abc, Donnee<QString>("abc"));
    }

    void intervallesDEtude()
    {
        ParametresTrace p;
        for (Etendu borne : {2000.0L, 1E12L, 1E4000L}) {
            p.etudeMin = -borne;
            p.etudeMax = borne;
            // Beyond 1E2466, x^2 overflows at the first sample: the text's
            // fault, told as always; x draws.
            const char* f = borne < 1E2000L ? "x^2" : "x";
            const Points courbe = PixelsDe(Image(TraceCartesienne(p, f, Rien).dessin), Rouge);
            QVERIFY(courbe.count({110, borne < 1E2000L ? 70 : 170}) && courbe.count({210, 70}) && courbe.count({160, 120}));
            const Points derivee = PixelsDe(Image(TraceDeriveeCartesienne(p, f, Rien).dessin), BleuClair);
            QVERIFY(derivee.count({210, borne < 1E2000L ? 20 : 70}));
            QCOMPARE(DansColonnes(PixelsDe(Image(TraceConique(p, "y^2#x^2~1", Rien).dessin), Rouge), 112, 112), 2);
        }
        // t cannot move by the step: the plot stops at once and says why.
        for (const ResultatTrace& r : {TracePolaire(p, "1", Rien), TraceParametrique(p, "t", "t", Rien)}) {
            QVERIFY(r.faute && !r.Fatal());
            QCOMPARE(r.faute->message, std::string(TraceIncomplet));
            QCOMPARE(r.faute->icone, IconeFaute::Avertissement);
        }
        // A plot of 100,000 lines hands them over DessinMax at a time.
        std::size_t plusGrand = 0;
        int vidages = 0;
        Progression suivi{[](long) {}};
        suivi.vide = [&](Dessin& d) {
            plusGrand = std::max(plusGrand, d.size());
            ++vidages;
        };
        ParametresTrace q;
        q.etudeMin = 0;
        q.etudeMax = 2000;
        const ResultatTrace r = TraceParametrique(q, "SIN(97*t)", "COS(101*t)", suivi);
        QVERIFY(vidages >= 1 && plusGrand == DessinMax && r.dessin.size() < DessinMax);
    }

    // The commands' state after the plotter's events, as the window enables
    // them: a sequence of events, then the enabled commands (precision
    // items aside).
    // Sampled on one thread or on two, each curve is the same drawing,
    // primitive for primitive: the heavy polar sum and the four types.
    void unFilOuDeux_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("fx");
        QTest::addColumn<QString>("fy");
        QTest::addColumn<long double>("etude"); // the study interval -etude .. etude
        QString somme = "SIN(t)";
        for (int k = 2; k <= 20; ++k)
            somme += QString("#SIN(%1*t)").arg(k);
        QTest::newRow("polaire lourde") << int(TypeCourbe::Polr) << somme << QString() << 100.0L;
        QTest::newRow("cartésienne") << int(TypeCourbe::Carte) << "SIN(x)*INV(x)" << QString() << 20.0L;
        QTest::newRow("cardioïde") << int(TypeCourbe::Polr) << "1.0#COS(t)" << QString() << 30.0L;
        QTest::newRow("paramétrique") << int(TypeCourbe::Para) << "COS(t)" << "SIN(t)" << 30.0L;
        QTest::newRow("conique") << int(TypeCourbe::Cone) << "x^2#y^2~1" << QString() << 20.0L;
    }
    void unFilOuDeux()
    {
        QFETCH(int, type);
        QFETCH(QString, fx);
        QFETCH(QString, fy);
        QFETCH(long double, etude);
        ParametresTrace p{Vue{}, -etude, etude, PasDe(Vue{}, 10), 1.0L};
        auto trace = [&](unsigned coeurs) {
            p.coeurs = coeurs;
            switch (TypeCourbe(type)) {
            case TypeCourbe::Polr: return TracePolaire(p, fx.toStdString(), Rien);
            case TypeCourbe::Para: return TraceParametrique(p, fx.toStdString(), fy.toStdString(), Rien);
            case TypeCourbe::Cone: return TraceConique(p, fx.toStdString(), Rien);
            default: return TraceCartesienne(p, fx.toStdString(), Rien);
            }
        };
        const ResultatTrace un = trace(1), deux = trace(2);
        QVERIFY(un.dessin.size() > 100);
        QVERIFY(un.dessin == deux.dessin);
        QCOMPARE(un.faute.has_value(), deux.faute.has_value());
    }

    void commandesActives_data()
    {
        QTest::addColumn<QStringList>("evenements");
        QTest::addColumn<QStringList>("actives");
        const QStringList deux{"CalcInt", "CalcZero", "SomButton", "ZeroButton", "Zoom1", "ZoomButton", "CalcExtremum",
                               "ExtremumButton"};
        QTest::newRow("au départ") << QStringList{} << QStringList{};
        QTest::newRow("type cartésien") << QStringList{"carte"} << QStringList{"CalcDeriv", "dXButton"};
        QTest::newRow("activation sans texte validé") << QStringList{"carte", "activation"} << QStringList{};
        QTest::newRow("deux curseurs") << QStringList{"carte", "valide", "go", "clic", "clic"}
                                       << (QStringList{"CalcDeriv", "dXButton"} + deux);
        QTest::newRow("clic droit") << QStringList{"carte", "valide", "go", "clic", "clic", "droit"}
                                    << (QStringList{"CalcDeriv", "dXButton", "Intgration", "Recherchedezro", "Extremum"} + deux);
        QTest::newRow("intégrale par le bouton")
            << QStringList{"carte", "valide", "go", "clic", "clic", "droit", "bouton"}
            << QStringList{"CalcDeriv", "Intgration", "Recherchedezro", "Extremum", "Zoom1", "dXButton"};
        QTest::newRow("intégrale par le menu") << QStringList{"carte", "valide", "go", "clic", "clic", "menu"}
                                               << QStringList{"CalcDeriv", "dXButton"};
        // Activation keeps CalcZero for a validated text: the menu item
        // survives where its button does not.
        QTest::newRow("activation, texte validé") << QStringList{"carte", "valide", "go", "clic", "clic", "activation"}
                                                  << QStringList{"CalcDeriv", "CalcZero", "Zoom1", "dXButton"};
        QTest::newRow("troisième clic") << QStringList{"carte", "valide", "go", "clic", "clic", "clic"}
                                        << QStringList{"CalcDeriv", "Zoom1", "dXButton"};
        QTest::newRow("effacement") << QStringList{"carte", "valide", "go", "clic", "clic", "efface"}
                                    << QStringList{"CalcDeriv", "CalcInt", "CalcZero", "SomButton", "ZeroButton",
                                                   "dXButton", "CalcExtremum", "ExtremumButton"};
        QTest::newRow("polaire") << QStringList{"polaire", "valide", "go", "clic", "clic", "droit"}
                                 << QStringList{"Zoom1", "ZoomButton"};
        QTest::newRow("paramétrique") << QStringList{"para"} << QStringList{"CalcDeriv", "dXButton"};
    }

    void commandesActives()
    {
        QFETCH(QStringList, evenements);
        ModeleGraphe m;
        m.InitialiseAffichage();
        Journal journal;
        for (const QString& e : evenements) {
            if (e == "carte" || e == "polaire" || e == "para") {
                m.ChoisitType(e == "carte" ? TypeCourbe::Carte : e == "polaire" ? TypeCourbe::Polr : TypeCourbe::Para);
                m.ApresPresentation();
            } else if (e == "valide") {
                QCOMPARE(m.ValideX(std::string(1, LettreDe(m.Type)), journal), ModeleGraphe::Saisie::Validee);
            } else if (e == "go") {
                m.ApresCalcul();
            } else if (e == "activation") {
                m.Activation();
            } else if (e == "clic") {
                if (m.Souris().Curseur2Pose())
                    m.TroisiemeClic();
                else
                    m.ClicGauche(100 + 50 * m.Souris().Curseur1Pose(), 100);
            } else if (e == "droit") {
                m.ClicDroit();
            } else if (e == "bouton" || e == "menu") {
                m.OublieCurseurs();
                m.ApresCalculCurseurs(e == "menu");
            } else if (e == "efface") {
                m.ApresEffacement();
            }
        }
        QStringList actives;
        const EnsembleCommandes commandes = CommandesActives(m);
        for (std::size_t k = 0; k < NombreCommandes; ++k)
            for (const char* nom : ControlesDe(static_cast<Commande>(k)))
                if (commandes.Contient(static_cast<Commande>(k)) && QString(nom) != "PlusPrecis" &&
                    QString(nom) != "MoinsPrecis" && QString(nom) != "TableauValeurs")
                    actives << nom;
        QStringList attendues = Donnee<QStringList>("actives");
        actives.sort();
        attendues.sort();
        QCOMPARE(actives, attendues);
    }

    void lecturesDuModele()
    {
        ModeleGraphe m;
        m.InitialiseAffichage();
        m.ChoisitType(TypeCourbe::Carte);
        QVERIFY(!m.Curseur1Montre());
        m.ClicGauche(0, 0);
        QCOMPARE(QString::fromStdString(m.TextesCurseurs()[0]), QString("-3.200000"));
        QVERIFY(m.Curseur1Montre());
        QCOMPARE(QString::fromStdString(m.TextesCurseurs()[2]), QString(SansValeur));
        m.ChangePrecision(4);
        m.MontrePrecision();
        QCOMPARE(QString::fromStdString(m.TextesFichier()[7]), QString("4"));
        QCOMPARE(QString::fromStdString(m.TextesFichier()[0]), QString("-3.2000000"));
    }

    void extremums_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<long double>("a");
        QTest::addColumn<long double>("b");
        QTest::addColumn<long double>("xMax");
        QTest::addColumn<long double>("fMax");
        QTest::addColumn<bool>("borneMax");
        QTest::addColumn<long double>("xMin");
        QTest::addColumn<long double>("fMin");
        QTest::addColumn<bool>("borneMin");
        QTest::newRow("sin sur [0, 3]") << "sin(x)" << 0.0L << 3.0L << PiEtendu / 2 << 1.0L << false << 0.0L << 0.0L
                                        << true;
        QTest::newRow("x^2 sur [-1, 2]") << "x^2" << -1.0L << 2.0L << 2.0L << 4.0L << true << 0.0L << 0.0L << false;
        QTest::newRow("bornes inversées") << "x^2" << 2.0L << -1.0L << 2.0L << 4.0L << true << 0.0L << 0.0L << false;
        QTest::newRow("-(x-0.3)^2 sur [-5, 5]") << "-(x-0.3)^2" << -5.0L << 5.0L << 0.3L << 0.0L << false << -5.0L
                                                << -28.09L << true;
        QTest::newRow("cos(100x) près de 0") << "cos(100*x)" << -0.04L << 0.011L << 0.0L << 1.0L << false
                                             << -PiEtendu / 100 << -1.0L << false;
        QTest::newRow("x e^-x sur [0, 4.3]") << "x*exp(-x)" << 0.0L << 4.3L << 1.0L << std::exp(-1.0L) << false
                                            << 0.0L << 0.0L << true;
        // A minimum read near 0 is 0, and so is its value.
        QTest::newRow("1E40 x^2 sur [-1, 2]") << "1E40*x^2" << -1.0L << 2.0L << 2.0L << 4E40L << true << 0.0L
                                              << 0.0L << false;
        QTest::newRow("intervalle nul") << "x" << 1E-300L << 1E-300L << 1E-300L << 1E-300L << true << 1E-300L
                                        << 1E-300L << true;
    }

    void extremums()
    {
        QFETCH(QString, saisie);
        QFETCH(long double, a);
        QFETCH(long double, b);
        const auto e = ChercheExtremums(NormaliseFonction(saisie.toStdString(), TypeCourbe::Carte, Jete()).value(), a, b);
        QVERIFY(e);
        const long double tolerance = 1E-9L * std::fabs(b - a);
        for (const auto& [p, nom] : {std::pair{e->maximum, "Max"}, std::pair{e->minimum, "Min"}}) {
            const long double x = Donnee<long double>(qPrintable(QString("x") + nom));
            const long double fx = Donnee<long double>(qPrintable(QString("f") + nom));
            QVERIFY2(std::fabs(p.x - x) <= tolerance, qPrintable(QString("%1 x = %2").arg(nom).arg(double(p.x), 0, 'g', 17)));
            QVERIFY2(std::fabs(p.fx - fx) <= 1E-14L * std::max(1.0L, std::fabs(fx)), nom);
            QCOMPARE(p.borne, Donnee<bool>(qPrintable(QString("borne") + nom)));
        }
    }

    void extremumsQuiEchouent()
    {
        const std::string racine = NormaliseFonction("racine(x)", TypeCourbe::Carte, Jete()).value();
        QVERIFY(!ChercheExtremums(racine, -1.0L, 1.0L));
        const std::string carre = NormaliseFonction("x^2", TypeCourbe::Carte, Jete()).value();
        QVERIFY(!ChercheExtremums(carre, -1E4000L, 1E4000L)); // beyond extended precision
        const auto e = ChercheExtremums(NormaliseFonction("x", TypeCourbe::Carte, Jete()).value(), -1E4000L, 1E4000L);
        QVERIFY(e && e->maximum.x == 1E4000L && e->minimum.x == -1E4000L);
    }

    // The study of a function against mpmath: exactly the zeros, extrema,
    // inflection points and poles listed, and the other points listed; x
    // and f(x) as their 15 digits show them (y NAN: not compared).
    void etudeDeFonctions()
    {
        using S = SortePoint;
        struct Cas {
            const char* texte;
            Etendu a, b;
            std::vector<std::tuple<S, Etendu, Etendu>> points;
        };
        const Etendu pi = PiEtendu, n = NAN;
        const Cas cas[] = {
            {"x*exp(-x)", -1, 5, {{S::Zero, 0, 0}, {S::Maximum, 1, 0.367879441171442322L}, {S::Inflexion, 2, 0.270670566473225384L},
                                  {S::Borne, -1, -2.71828182845904524L}, {S::Borne, 5, 0.0336897349954273355L},
                                  {S::Integrale, -1, -0.0404276819945128025L}}},
            {"x*exp(-x)", 0, 5, {{S::Zero, 0, 0}, {S::Maximum, 1, n}, {S::Inflexion, 2, n}, {S::Integrale, 0, 0.959572318005487197L}}},
            {"sin(x)", 0, 10, {{S::Zero, 0, 0}, {S::Zero, pi, 0}, {S::Zero, 2 * pi, 0}, {S::Zero, 3 * pi, 0},
                               {S::Maximum, pi / 2, 1}, {S::Minimum, 3 * pi / 2, -1}, {S::Maximum, 5 * pi / 2, 1},
                               {S::Inflexion, pi, n}, {S::Inflexion, 2 * pi, n}, {S::Inflexion, 3 * pi, n}}},
            {"x^3", -1, 1, {{S::Zero, 0, 0}, {S::Inflexion, 0, 0}}},
            {"abs(x)", -1, 1, {{S::Zero, 0, 0}, {S::Minimum, 0, 0}, {S::Echec, 0, n}}},
            {"inv(x)", -1, 1, {{S::Pole, 0, n}}},
            {"racine(x)", 0, 1, {{S::Zero, 0, 0}, {S::Integrale, 0, 2.0L / 3.0L}}},
            {"exp(-x^2)", -10, 10, {{S::Maximum, 0, 1}, {S::Inflexion, -0.707106781186547524L, 0.606530659712633424L},
                                    {S::Inflexion, 0.707106781186547524L, 0.606530659712633424L},
                                    {S::Integrale, -10, 1.77245385090551602730L}}},
            // A jump over 0 is no zero; where one unit of the 15th digit of x
            // spans many periods, changes of sign are noise.
            {"int(x)-0.5", -2.5, 2.5, {}},
            {"sin(x)", -1E4000L, 1E4000L, {{S::Zero, 0, 0}}},
        };
        auto proche = [](Etendu v, Etendu attendu) { return std::isnan(attendu) || TexteNombre(v) == TexteNombre(attendu); };
        for (const Cas& c : cas) {
            const Etude e = EtudieFonction(NormaliseFonction(c.texte, TypeCourbe::Carte, Jete()).value(), c.a, c.b);
            auto attendue = [&c](S s) {
                return std::any_of(c.points.begin(), c.points.end(), [s](const auto& p) { return std::get<0>(p) == s; });
            };
            std::vector<PointEtude> vus;
            for (const PointEtude& p : e.points)
                if (attendue(p.sorte) || p.sorte <= S::Inflexion || p.sorte == S::Pole)
                    vus.push_back(p);
            QVERIFY2(vus.size() == c.points.size(), c.texte);
            for (std::size_t k = 0; k < c.points.size(); ++k) {
                const auto [sorte, x, y] = c.points[k];
                const auto trouve = std::find_if(vus.begin(), vus.end(), [&, s = sorte, xa = x](const PointEtude& p) {
                    return p.sorte == s && (s == S::Integrale || proche(p.x, xa));
                });
                QVERIFY2(trouve != vus.end() && proche(trouve->y.value_or(NAN), y),
                         qPrintable(QString("%1 : %2 en %3").arg(c.texte, NomSorte(sorte)).arg(double(x))));
            }
            // Smooth functions: every point shows its 15 digits.
            for (const LigneEtude& l : LignesEtude(e))
                if (l.abscisse)
                    QVERIFY2(l.x.find('E') == 17 && (!l.ordonnee || l.y.find('E') == 17), (l.x + " " + l.y).c_str());
        }
        // More zeros than the list holds: 100 listed, the others counted.
        const Etude dense = EtudieFonction(NormaliseFonction("sin(1000*x)", TypeCourbe::Carte, Jete()).value(), 0, 100);
        QCOMPARE(std::count_if(dense.points.begin(), dense.points.end(), [](const PointEtude& p) { return p.sorte == S::Zero; }),
                 std::ptrdiff_t(PointsParSorte));
        QVERIFY(dense.autres[int(S::Zero)] > 1000);
        // A sum whose 15-digit steps scatter its derivatives: each x shows
        // the digits that stay within one unit of the true point (mpmath),
        // fewer than 15 for most.
        std::string somme = "sin(x)";
        for (int k = 2; k <= 20; ++k)
            somme += "+sin(" + std::to_string(k) + "*x)/" + std::to_string(k);
        const std::vector<LigneEtude> diffuse =
            LignesEtude(EtudieFonction(NormaliseFonction(somme, TypeCourbe::Carte, Jete()).value(), -10, -9));
        const std::pair<S, Etendu> vrais[] = {
            {S::Minimum, -9.738937226128359039L},   {S::Maximum, -9.723977261111264786L},
            {S::Minimum, -9.125578660427494645L},   {S::Maximum, -9.110618695410400392L},
            {S::Inflexion, -9.884801815367069200L}, {S::Inflexion, -9.731458687101445200L},
            {S::Inflexion, -9.578117781353076400L}, {S::Inflexion, -9.424777960769379715L},
            {S::Inflexion, -9.271438140185683000L}, {S::Inflexion, -9.118097234437314200L}};
        int reduits = 0;
        for (const auto& [sorte, vrai] : vrais) {
            const auto l = std::find_if(diffuse.begin(), diffuse.end(), [&, s = sorte, v = vrai](const LigneEtude& l) {
                return l.nature == NomSorte(s) && l.abscisse && std::fabs(*l.abscisse - v) < 1E-9L;
            });
            QVERIFY2(l != diffuse.end(), NomSorte(sorte));
            const int chiffres = static_cast<int>(l->x.find('E')) - 2;
            const Etendu unite = std::pow(10.0L, std::floor(std::log10(-vrai)) - chiffres + 1);
            QVERIFY2(std::fabs(std::strtold(l->x.c_str(), nullptr) - vrai) <= unite, l->x.c_str());
            reduits += chiffres < 15;
        }
        QVERIFY(reduits >= 5);
        // Too few samples between two zeros: the count is a lower bound.
        QVERIFY(LignesEtude(dense).back().x.starts_with("... et au moins "));
        // The interval in order; an integral whose bound is above its value
        // shows the interval that holds it, not a digit.
        const std::vector<LigneEtude> periode =
            LignesEtude(EtudieFonction(NormaliseFonction("sin(x)", TypeCourbe::Carte, Jete()).value(), 2 * pi, 0));
        const auto integrale = std::find_if(periode.begin(), periode.end(), [](const LigneEtude& l) { return l.nature == "Intégrale"; });
        QVERIFY(integrale != periode.end());
        QCOMPARE(QString::fromStdString(integrale->x), QString("0 .. 6.283185307179586477"));
        QVERIFY2(integrale->y.starts_with("0 ± "), integrale->y.c_str());
    }

    void tableauDeValeurs()
    {
        ModeleGraphe m;
        m.InitialiseAffichage();
        m.ChoisitType(TypeCourbe::Carte);
        QCOMPARE(m.ValideX("x^2", Jete()), ModeleGraphe::Saisie::Validee);
        TableauValeurs t = CalculeTableau(m, -1.0L, 0.5L, 5);
        QCOMPARE(t.titres, (std::vector<std::string>{"x", "f(x)", "f′(x)"}));
        QStringList lignes;
        for (const auto& l : t.lignes) {
            QStringList cellules;
            for (const Cellule& c : l)
                cellules << QString::fromStdString(c.Texte());
            lignes << cellules.join('|');
        }
        QCOMPARE(lignes, QStringList({
            "-1.00000000000000E+0000| 1.00000000000000E+0000|-2.00000000000000E+0000",
            "-5.00000000000000E-0001| 2.50000000000000E-0001|-1.00000000000000E+0000",
            " 0.00000000000000E+0000| 0.00000000000000E+0000| 0.00000000000000E+0000",
            " 5.00000000000000E-0001| 2.50000000000000E-0001| 1.00000000000000E+0000",
            " 1.00000000000000E+0000| 1.00000000000000E+0000| 2.00000000000000E+0000"}));
        // The exact derivatives, to the last digit shown.
        QCOMPARE(m.ValideX("x*exp(-x)", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, 3.0L, 1.0L, 1, true);
        QCOMPARE(t.titres.back(), std::string("f″(x)"));
        QCOMPARE(t.lignes[0][2].Texte() + t.lignes[0][3].Texte(),
                 std::string("-9.95741367357279E-0002 4.97870683678639E-0002"));
        QCOMPARE(m.ValideX("inv(x)", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, -1.0L, 0.5L, 5);
        QCOMPARE(QString::fromStdString(t.lignes[2][1].Texte()), QString("Division par zéro"));
        QVERIFY(!t.lignes[2][1].valeur && !t.lignes[2][2].valeur);
        // Bounds: at least one row, at most 10,000; a start beyond any value.
        QCOMPARE(CalculeTableau(m, 0.0L, 0.0L, 0).lignes.size(), std::size_t(1));
        QCOMPARE(CalculeTableau(m, 0.0L, 1.0L, 20000).lignes.size(), std::size_t(LignesTableauMax));
        QVERIFY(CalculeTableau(m, 1E4000L, 1E-4000L, 2).lignes.size() == 2);
        // The other types' columns; the copy and the CSV forms.
        m.ChoisitType(TypeCourbe::Polr);
        QCOMPARE(m.ValideX("t/2", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, -1.0L, 0.5L, 3);
        QCOMPARE(QString::fromStdString(CopieLignes(t, {0, 2})), QString("-1\t-0.5\n0\t0\n"));
        QCOMPARE(QString::fromStdString(TexteCsv(t)), QString("t;ro(t)\r\n-1;-0,5\r\n-0,5;-0,25\r\n0;0\r\n"));
        m.ChoisitType(TypeCourbe::Para);
        QCOMPARE(m.ValideX("cos(t)", Jete()), ModeleGraphe::Saisie::Validee);
        QCOMPARE(m.ValideY("sin(t)", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, 0.0L, 1.0L, 2);
        QCOMPARE(t.titres, (std::vector<std::string>{"t", "x(t)", "y(t)"}));
        QCOMPARE(t.lignes[0][1].Copie(), std::string("1"));
        for (const int n : {1, 2, 7, LignesTableauMax})
            QCOMPARE(CalculeTableau(m, 0.0L, 0.001L, n).lignes.size(), std::size_t(n));
        m.ChoisitType(TypeCourbe::Cone);
        QCOMPARE(m.ValideX("y^2+x^2-1", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, 0.0L, 2.0L, 2);
        QCOMPARE(t.lignes[0][1].Copie() + " " + t.lignes[0][2].Copie(), std::string("-1 1"));
        QVERIFY(!t.lignes[1][1].valeur && t.lignes[1][1].message.empty()); // no y at x = 2
        // A constant term that fails at a row: its message in that row.
        QCOMPARE(m.ValideX("y^2-1/x", Jete()), ModeleGraphe::Saisie::Validee);
        t = CalculeTableau(m, -1.0L, 1.0L, 3);
        QCOMPARE(t.lignes[1][1].Texte(), std::string("Division par zéro"));
        QCOMPARE(t.lignes[2][1].Copie() + " " + t.lignes[2][2].Copie(), std::string("-1 1"));
    }

    void suiviDeLaCourbe_data()
    {
        QTest::addColumn<QString>("fonction");
        QTest::addColumn<int>("deplacement"); // from the middle column
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("marque");
        QTest::newRow("colonne 0") << "x^2" << -160 << "-3.20000000000000E+0000" << " 1.02400000000000E+0001" << false;
        QTest::newRow("colonne 160") << "x^2" << 0 << " 0.00000000000000E+0000" << " 0.00000000000000E+0000" << true;
        QTest::newRow("colonne 319") << "x^2" << 159 << " 3.18000000000000E+0000" << " 1.01124000000000E+0001" << false;
        QTest::newRow("au-delà du bord") << "x^2" << 500 << " 3.18000000000000E+0000" << " 1.01124000000000E+0001"
                                         << false;
        QTest::newRow("inv en 0") << "inv(x)" << 0 << " 0.00000000000000E+0000" << "Division par zéro" << false;
    }

    void suiviDeLaCourbe()
    {
        QFETCH(QString, fonction);
        ModeleGraphe m;
        m.InitialiseAffichage();
        m.ChoisitType(TypeCourbe::Carte);
        QCOMPARE(m.ValideX(fonction.toStdString(), Jete()), ModeleGraphe::Saisie::Validee);
        Suivi s;
        QVERIFY(s.Commence(m, false));
        s.Deplace(Donnee<int>("deplacement"));
        const PointSuivi p = s.Point();
        QCOMPARE(QString::fromStdString(p.x), Donnee<QString>("x"));
        QCOMPARE(QString::fromStdString(p.y), Donnee<QString>("y"));
        QCOMPARE(p.pixel.has_value(), Donnee<bool>("marque"));
    }

    void suiviDesAutresCourbes()
    {
        ModeleGraphe m;
        m.InitialiseAffichage();
        Suivi s;
        QVERIFY(!s.Commence(m, false)); // nothing validated
        m.ChoisitType(TypeCourbe::Carte);
        QCOMPARE(m.ValideX("x^2", Jete()), ModeleGraphe::Saisie::Validee);
        QVERIFY(s.Commence(m, true));
        s.Deplace(10);
        s.ChangeCourbe(1); // the derivative at x = 0.2
        QCOMPARE(QString::fromStdString(s.Point().y).left(8), QString(" 4.00000"));
        m.ChoisitType(TypeCourbe::Polr);
        QCOMPARE(m.ValideX("1", Jete()), ModeleGraphe::Saisie::Validee);
        QVERIFY(s.Commence(m, false));
        QVERIFY(QString::fromStdString(s.Point().barre).startsWith("t = "));
        m.ChoisitType(TypeCourbe::Cone);
        QCOMPARE(m.ValideX("y^2+x^2-1", Jete()), ModeleGraphe::Saisie::Validee);
        QVERIFY(s.Commence(m, false));
        QCOMPARE(QString::fromStdString(s.Point().y), QString("-1.00000000000000E+0000"));
        s.ChangeCourbe(1);
        QCOMPARE(QString::fromStdString(s.Point().y), QString(" 1.00000000000000E+0000"));
        s.Deplace(150); // x = 3: no point of the circle
        QCOMPARE(QString::fromStdString(s.Point().y), QString("Pas de point"));
        QVERIFY(!s.Point().pixel);
    }

    // Curves in t from the middle of the study interval to its end; the
    // polar marker at ro cos t, ro sin t; the derivative curves of a
    // parametric plot each with its own value; the previous curve of the
    // first is the last.
    void suiviDesCourbesEnT()
    {
        ModeleGraphe m;
        m.InitialiseAffichage();
        m.ChoisitType(TypeCourbe::Polr);
        QCOMPARE(m.ValideX("1+t", Jete()), ModeleGraphe::Saisie::Validee);
        Suivi s;
        QVERIFY(s.Commence(m, false));
        QCOMPARE(s.Point().barre.substr(0, 27), std::string("t =  0.00000000000000E+0000"));
        s.Deplace(40);
        const long double t = 0.8L, ro = 1.8L;
        PointSuivi p = s.Point();
        QCOMPARE(p.x + "|" + p.y, TexteNombre(ro * std::cos(t)) + "|" + TexteNombre(ro * std::sin(t)));
        QVERIFY(p.pixel && p.pixel->first == ArrondiPixel(m.Fenetre().Px(ro * std::cos(t))) &&
                p.pixel->second == ArrondiPixel(m.Fenetre().Py(ro * std::sin(t))));
        s.Deplace(100000);
        QCOMPARE(s.Point().barre.substr(0, 27), std::string("t =  3.20000000000000E+0000"));
        m.ChoisitType(TypeCourbe::Para);
        QCOMPARE(m.ValideX("t", Jete()), ModeleGraphe::Saisie::Validee);
        QCOMPARE(m.ValideY("t^3", Jete()), ModeleGraphe::Saisie::Validee);
        QVERIFY(s.Commence(m, true));
        s.ChangeCourbe(-1); // the last: y'(t), 0 at t = 0
        QCOMPARE(s.Point().y, std::string(" 0.00000000000000E+0000"));
        s.ChangeCourbe(-1); // x'(t)
        QCOMPARE(s.Point().y, std::string(" 1.00000000000000E+0000"));
        m.ChoisitType(TypeCourbe::Carte);
        QCOMPARE(m.ValideX("x^3+x", Jete()), ModeleGraphe::Saisie::Validee);
        QVERIFY(s.Commence(m, true));
        s.ChangeCourbe(-1); // the derivative, 3x^2 + 1
        QCOMPARE(s.Point().y, std::string(" 1.00000000000000E+0000"));
    }
};

QTEST_MAIN(TestGraphValeurs)
#include "test_graph_valeurs.moc"
