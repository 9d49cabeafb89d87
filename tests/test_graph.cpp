// The plotter: its mapping and plots as values, then its window driven
// through its buttons, fields and menus, with the pixels of the area read.
#include "app/Activation.h"
#include "app/Fenetres.h"
#include "app/Options.h"
#include "commun/Bac.h"
#include "commun/PlateformeEnregistreuse.h"
#include "funclang/TFonctions.h"
#include "graph/Conique.h"
#include "graph/EcranDigit.h"
#include "graph/ModeleGraphe.h"
#include "graph/TGraph.h"
#include "graph/Toile.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <set>

namespace {

using Points = std::set<std::pair<int, int>>;

// The pixels of one colour in a picture.
Points PixelsDe(const QImage& image, Couleur c)
{
    Points p;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(c.r, c.g, c.b))
                p.insert({x, y});
    return p;
}

int DansColonnes(const Points& p, int de, int a)
{
    int n = 0;
    for (auto [x, y] : p)
        n += x >= de && x <= a;
    return n;
}

QImage Image(const Dessin& d)
{
    QImage image = NouvelleImage();
    Peint(image, d);
    return image;
}

const Progression Rien = [](long) {};

// A column of the current row of a table, in an expression.
template <class T>
T Donnee(const char* nom)
{
    return *static_cast<T*>(QTest::qData(nom, qMetaTypeId<T>()));
}

} // namespace

Q_DECLARE_METATYPE(Points)

class TestGraph : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;
    std::unique_ptr<PlateformeEnregistreuse> p_;
    TGraph* g_ = nullptr;

    QString Texte(const char* nom) { return g_->findChild<QLabel*>(nom)->text(); }
    QLineEdit* Champ(const char* nom) { return g_->findChild<QLineEdit*>(nom); }
    QAction* Menu(const char* nom) { return g_->findChild<QAction*>(nom); }
    QToolButton* Bouton(const char* nom) { return g_->findChild<QToolButton*>(nom); }
    void Clique(const char* nom) { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }
    void Go() { QTest::mouseClick(g_->findChild<QPushButton*>("CalculBtn"), Qt::LeftButton); }
    const QImage& Ecran() { return g_->findChild<EcranDigit*>("EcranDigit")->Image(); }
    Points Rouges() { return PixelsDe(Ecran(), Rouge); }

    // Types a text in a function field and validates it with Enter.
    void Valide(const char* champ, const QString& texte)
    {
        Champ(champ)->clear();
        QTest::keyClicks(Champ(champ), texte);
        QTest::keyClick(Champ(champ), Qt::Key_Return);
    }
    void Trace(const char* type, const QString& fx, const QString& fy = QString())
    {
        Clique(type);
        Valide("FonctionXouRo", fx);
        if (!fy.isEmpty())
            Valide("FonctionY", fy);
        Go();
    }

private slots:
    void init()
    {
        bac_ = std::make_unique<Bac>();
        p_ = std::make_unique<PlateformeEnregistreuse>();
        TOptions options;
        options.SonsOptions = true;
        EnregistreOptions(options);
        CreeFenetres();
        g_ = LesFenetres().Graph;
        SuiviActivation::Oublie();
        g_->show();
        QApplication::setActiveWindow(g_);
        QVERIFY(QTest::qWaitForWindowActive(g_));
        SuiviActivation::Activee(g_);
        p_->Vide();
    }

    void cleanup()
    {
        DetruitFenetres();
        p_.reset();
        bac_.reset();
    }

    // -- The mapping and the window rules, as values.

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
        Vue a{1, 5, -1, 1};
        NormaliseFenetre(a, 0.02L);
        QCOMPARE(a.Xmin, -0.02L);
        QCOMPARE(a.Xmax, 5.0L);
        Vue b{5, -5, 1, -1};
        NormaliseFenetre(b, 0.02L);
        QVERIFY(b.Xmin == -5 && b.Xmax == 5 && b.Ymin == -1 && b.Ymax == 1);
    }

    // The axes and their ticks: one pixel above the x axis and right of the
    // y axis, every tick unit rounded once to whole pixels.
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
        QTest::newRow("trois termes") << "2*y^2#3*y~4" << "2" << "3" << "0.0#~4";
        QTest::newRow("y^2-y") << "y^2~y" << "1" << "-1.0" << "0.0#";
        QTest::newRow("x*y") << "x*y" << "0" << "x" << "0.0#";
        QTest::newRow("sans y") << "x~1" << "0" << "0" << "0.0#x~1";
    }
    void coefficientsConique()
    {
        const TextesConique t = CoefficientsConique(Donnee<QString>("texte").toStdString());
        QCOMPARE(QString::fromStdString(t.A), Donnee<QString>("A"));
        QCOMPARE(QString::fromStdString(t.B), Donnee<QString>("B"));
        QCOMPARE(QString::fromStdString(t.C), Donnee<QString>("C"));
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

    // Plots as values: where the curve starts, what stops it.
    void traces()
    {
        ParametresTrace p;
        const std::size_t axes = TraceAxes(p.vue, 1).size();
        // A parametric curve starts with a single pixel at the first t >= 0.
        const ResultatTrace para = TraceParametrique(p, "RAC(t)", "t", Rien);
        QVERIFY(!para.fatal && para.dessin.size() > axes + 10);
        QCOMPARE(para.dessin[axes].sorte, Primitive::Sorte::Pixel);
        QCOMPARE(para.dessin[axes].y1, 119); // t = 0.02, x = 0.14
        // A wrong text stops the plot and leaves nothing to draw.
        for (const auto& [texte, icone] : {std::pair{"x*1E3000*1E3000", Plateforme::Icone::Erreur},
                                           std::pair{"SIN(x", Plateforme::Icone::Avertissement}}) {
            const ResultatTrace r = TraceCartesienne(p, texte, Rien);
            QVERIFY(r.fatal && r.dessin.empty());
            QCOMPARE(r.icone, icone);
        }
        // Undefined everywhere, or beyond every number: axes only, no end.
        for (const char* texte : {"RAC(~1#0.0*x)", "(x*x#2)^20000.5"})
            QCOMPARE(TraceCartesienne(p, texte, Rien).dessin.size(), axes);
        // No y term: nothing drawn, no crash.
        QCOMPARE(TraceConique(p, "x~1", Rien).dessin.size(), axes);
        // A study interval far beyond the window ends after the cap.
        long derniers = 0;
        p.etudeMax = 1E30L;
        TraceCartesienne(p, "x", [&derniers](long n) { derniers = n; });
        QCOMPARE(derniers, EchantillonsMax);
    }

    // -- The window.

    void courbes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fx");
        QTest::addColumn<QString>("fy");
        QTest::addColumn<Points>("presents");
        QTest::addColumn<int>("colonneDe");
        QTest::addColumn<int>("colonneA");
        // Each row: pixels that must be red, and columns where nothing is.
        QTest::newRow("parabole") << "SpeedButton2" << "x^2" << "" << Points{{110, 70}, {160, 120}, {210, 70}} << -1 << -1;
        QTest::newRow("racine: rien à gauche") << "SpeedButton2" << "racine(x)" << "" << Points{{210, 70}} << 0 << 159;
        QTest::newRow("inv: pas de trait en 0") << "SpeedButton2" << "inv(x)" << "" << Points{{210, 70}, {110, 170}} << 150 << 170;
        QTest::newRow("tan: pas d'asymptote") << "SpeedButton2" << "tan(x)" << "" << Points{{160, 120}} << 224 << 255;
        QTest::newRow("cercle polaire") << "SpeedButton3" << "1" << "" << Points{{210, 120}, {160, 70}, {110, 120}, {160, 170}} << 0 << 105;
        QTest::newRow("paramétrique") << "SpeedButton4" << "cos(t)" << "sin(t)" << Points{{210, 120}, {160, 70}} << 215 << 319;
    }
    void courbes()
    {
        QFETCH(QString, type);
        Trace(type.toLatin1().constData(), Donnee<QString>("fx"), Donnee<QString>("fy"));
        const Points rouges = Rouges();
        for (auto point : Donnee<Points>("presents"))
            QVERIFY2(rouges.count(point), qPrintable(QString("%1,%2").arg(point.first).arg(point.second)));
        QFETCH(int, colonneDe);
        QCOMPARE(DansColonnes(rouges, colonneDe, Donnee<int>("colonneA")), 0);
        QCOMPARE(p_->journal, std::vector<std::string>{"son: Son2.wav"});
        QVERIFY(!g_->findChild<QProgressBar*>("DrawProgress")->isVisible());
        QCOMPARE(p_->sabliers, 0);
    }

    void coniqueCercle()
    {
        Trace("SpeedButton10", "y^2+x^2-1");
        const Points rouges = Rouges();
        for (int c = 112; c <= 208; ++c)
            QCOMPARE(DansColonnes(rouges, c, c), 2);
        QCOMPARE(DansColonnes(rouges, 0, 108) + DansColonnes(rouges, 212, 319), 0);
    }

    void derivees()
    {
        Trace("SpeedButton2", "x^2");
        Clique("dXButton");
        // f'(x) = 2x passes through (1, 2) and the origin.
        const Points bleus = PixelsDe(Ecran(), BleuClair);
        QVERIFY(bleus.count({210, 20}) && bleus.count({160, 120}));
        Trace("SpeedButton4", "t", "2*t");
        Clique("dXButton");
        QVERIFY(PixelsDe(Ecran(), Vert).count({210, 70}));      // x'(t) = 1
        QVERIFY(PixelsDe(Ecran(), BleuClair).count({210, 20})); // y'(t) = 2
        // Polar curves and conics have no derivative command.
        Clique("SpeedButton3");
        QVERIFY(!Bouton("dXButton")->isEnabled() && !Menu("CalcDeriv")->isEnabled());
    }

    void erreurFatale()
    {
        Trace("SpeedButton2", "x^2");
        p_->Vide();
        Valide("FonctionXouRo", "x*1E3000*1E3000");
        Go();
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Expression incorrecte ."}));
        QVERIFY(Rouges().empty() && PixelsDe(Ecran(), Blanc).empty());
        QVERIFY(!g_->findChild<QProgressBar*>("DrawProgress")->isVisible());
        p_->Vide();
        Valide("FonctionXouRo", "sin(x");
        Go();
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Il manque une parenthèse fermante ."});
    }

    void typesEtValidation()
    {
        Go(); // no type yet
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        QVERIFY(!Champ("FonctionXouRo")->isVisible());
        Clique("SpeedButton2");
        QCOMPARE(Texte("Tip"), QString("(Fonction cartésienne)"));
        QCOMPARE(Texte("EntreFoncXouRo"), QString("Entrez la fonction f(x) çi-dessous :"));
        QVERIFY(Champ("FonctionXouRo")->hasFocus() && !Champ("FonctionY")->isVisible());
        p_->Vide();
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return); // empty: a beep
        QTest::keyClicks(Champ("FonctionXouRo"), "x^2");
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        QVERIFY(g_->findChild<QPushButton*>("CalculBtn")->hasFocus());
        QTest::keyClick(g_->findChild<QPushButton*>("CalculBtn"), Qt::Key_Return); // Enter on "Go ..."
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "son: Son2.wav"}));
        Points parabole = Rouges();
        std::erase_if(parabole, [](auto p) { return p.first == 160 || p.second == 120; }); // axes redrawn
        // Another type and back: the text returns, not its validation.
        Menu("tyPol")->trigger();
        QCOMPARE(Champ("FonctionXouRo")->text(), QString());
        Menu("tyCartesian")->trigger();
        QCOMPARE(Champ("FonctionXouRo")->text(), QString("x^2"));
        p_->Vide();
        Go();
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        // A text longer than the evaluator takes is refused on Enter.
        Champ("FonctionXouRo")->setText(QString(10001, 'x'));
        p_->Vide();
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        Go();
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Expression incorrecte .", "bip"}));
        // A parametric curve needs both fields.
        Clique("SpeedButton4");
        QVERIFY(Champ("FonctionY")->isVisible());
        Valide("FonctionXouRo", "cos(t)");
        QVERIFY(Champ("FonctionY")->hasFocus());
        p_->Vide();
        Go();
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        // Two plots stay on the screen together.
        Trace("SpeedButton2", "x^2");
        Trace("SpeedButton2", "x");
        const Points deux = Rouges();
        QVERIFY(std::includes(deux.begin(), deux.end(), parabole.begin(), parabole.end()));
        QVERIFY(deux.count({210, 70}) && deux.count({110, 170}));
        // Clearing the screen.
        Menu("CleanUp")->trigger();
        QVERIFY(Rouges().empty());
        QCOMPARE(Texte("Cur1X"), QString("---"));
    }

    void precision()
    {
        QCOMPARE(Texte("Fine"), QString("1 ppp"));
        QCOMPARE(Texte("xminval"), QString("-3.2000000"));
        QCOMPARE(Texte("VarMax"), QString("3.200"));
        QCOMPARE(Texte("Label2"), QString("1.00000"));
        QVERIFY(!Menu("MoinsPrecis")->isEnabled() && Menu("PlusPrecis")->isEnabled());
        Trace("SpeedButton2", "x^2");
        p_->Vide();
        for (int k = 0; k < 9; ++k)
            Menu("PlusPrecis")->trigger();
        QCOMPARE(Texte("Fine"), QString("10 ppp"));
        QVERIFY(!Menu("PlusPrecis")->isEnabled() && Menu("MoinsPrecis")->isEnabled());
        QCOMPARE(g_->Modele().Pas, PasDe(Vue{}, 10));
        // Each change replotted the parabola.
        QCOMPARE(p_->journal, std::vector<std::string>(9, "son: Son2.wav"));
        QVERIFY(Rouges().count({210, 70}));
        // Shown again, the window starts over at one point per pixel.
        g_->hide();
        g_->show();
        QCOMPARE(Texte("Fine"), QString("1 ppp"));
        QVERIFY(!Menu("MoinsPrecis")->isEnabled() && Menu("PlusPrecis")->isEnabled());
        QCOMPARE(g_->TypeCourant(), TypeCourbe::Aucune);
    }

    void listeDesFonctions()
    {
        Clique("SpeedButton1");
        QVERIFY(LesFenetres().Fonctions->isVisible());
        QCOMPARE(Bouton("SpeedButton1")->statusTip(), QString("Cache la liste des fonctions utilisables ."));
        QCOMPARE(g_->findChild<QLabel*>("BarreEtatPanneau")->text(), QString(" Cache la liste des fonctions utilisables ."));
        Clique("SpeedButton1");
        QVERIFY(!LesFenetres().Fonctions->isVisible());
        Clique("Secours");
        Menu("ModOp1")->trigger();
        QCOMPARE(p_->journal, (std::vector<std::string>{"aide: GRAPH", "aide: PRESENT"}));
    }

    void sansSons()
    {
        EnregistreOptions(TOptions{"complexe", 2, false, 5, {}});
        g_->FormActivate();
        Trace("SpeedButton2", "x*1E3000*1E3000");
        QCOMPARE(p_->journal, std::vector<std::string>{"erreur: Expression incorrecte ."});
    }
};

QTEST_MAIN(TestGraph)
#include "test_graph.moc"
