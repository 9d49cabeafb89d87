// The plotter's window driven through its buttons, fields, dialogs and
// menus, with the pixels of its area read (its rules as values are in
// test_graph_valeurs).
#include "app/fenetres/Activation.h"
#include "app/fenetres/Fenetres.h"
#include "app/modele/Options.h"
#include "commun/AttendsTrace.h"
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "funclang/Nombres.h"
#include "funclang/Programme.h"
#include "funclang/fenetres/TFonctions.h"
#include "funclang/fenetres/TSolutions.h"
#include "calc/fenetres/TCalculatrice.h"
#include "graph/fenetres/Controles.h"
#include "graph/fenetres/Dialogues.h"
#include "graph/fenetres/EcranDigit.h"
#include "graph/fenetres/TGraph.h"
#include "graph/fenetres/TResultatsEtude.h"
#include "graph/fenetres/TTableau.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Conique.h"
#include "graph/modele/FichierGraphe.h"
#include "graph/modele/ModeleGraphe.h"
#include "graph/toile/Toile.h"

#include <QAccessible>
#include <QCheckBox>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QClipboard>
#include <QPainter>
#include <QSvgRenderer>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <QElapsedTimer>
#include <QtTest>

#include <memory>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#include <set>

#include "commun/Dessins.h"

class TestGraph : public QObject, protected Banc {
    Q_OBJECT

    TGraph* g_ = nullptr;

    QString Texte(const char* nom) { return g_->findChild<QLabel*>(nom)->text(); }
    QLineEdit* Champ(const char* nom) { return g_->findChild<QLineEdit*>(nom); }
    QAction* Menu(const char* nom) { return g_->findChild<QAction*>(nom); }
    QToolButton* Bouton(const char* nom) { return g_->findChild<QToolButton*>(nom); }
    void Clique(const char* nom)
    {
        QTest::mouseClick(Bouton(nom), Qt::LeftButton);
        QVERIFY(AttendsTrace(g_));
    }
    void Go()
    {
        QTest::mouseClick(g_->findChild<QPushButton*>("CalculBtn"), Qt::LeftButton);
        QVERIFY(AttendsTrace(g_));
    }
    const QImage& Ecran() { return g_->findChild<EcranDigit*>("EcranDigit")->Image(); }
    Points Rouges() { return PixelsDe(Ecran(), Rouge); }

    // Runs a command that shows a modal dialog and answers the dialog from
    // inside its event loop; what is still open then is closed by its box.
    void AvecDialogue(const char* commande, std::function<void(QDialog*)> reponse)
    {
        QTimer::singleShot(0, [reponse] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            reponse(d);
            if (d->isVisible())
                d->close();
        });
        Menu(commande)->trigger();
        QVERIFY(AttendsTrace(g_));
    }
    static void Tape(QDialog* d, const char* champ, const QString& texte)
    {
        auto* e = d->findChild<QLineEdit*>(champ);
        e->setFocus();
        e->setText(texte);
        QTest::keyClick(e, Qt::Key_Return);
    }
    QStringList Fenetre()
    {
        QStringList l;
        for (const char* nom : {"xminval", "xmaxval", "yminval", "ymaxval", "VarMin", "VarMax", "Label2"})
            l << Texte(nom);
        return l;
    }

    EcranDigit* Zone() { return g_->findChild<EcranDigit*>("EcranDigit"); }
    // Mouse events sent to the area itself (QTest takes (0, 0) for its
    // centre), at the middle of the pixel.
    void Evenement(QEvent::Type type, int X, int Y, Qt::MouseButton bouton)
    {
        const QPointF ou(X + 0.5, Y + 0.5);
        QMouseEvent e(type, ou, Zone()->mapToGlobal(ou), bouton, bouton, {});
        QApplication::sendEvent(Zone(), &e);
    }
    void Souris(int X, int Y) { Evenement(QEvent::MouseMove, X, Y, Qt::NoButton); }
    void Clic(int X, int Y, Qt::MouseButton bouton = Qt::LeftButton)
    {
        Evenement(QEvent::MouseButtonPress, X, Y, bouton);
        Evenement(QEvent::MouseButtonRelease, X, Y, bouton);
        QVERIFY(AttendsTrace(g_));
    }
    // A command that shows the results window: its three texts, five with
    // a second line.
    QStringList Resultat(std::function<void()> commande)
    {
        QStringList textes;
        // The window shows at the end of the computation, which runs off
        // the window's thread.
        QTimer guet;
        QObject::connect(&guet, &QTimer::timeout, [&textes] {
            auto* s = LesFenetres().Solutions;
            if (!s->isVisible())
                return;
            for (const char* nom : {"Methode", "Resultat1", "ResVal1", "Resultat2", "ResVal2"})
                if (!s->findChild<QLabel*>(nom)->isHidden())
                    textes << s->findChild<QLabel*>(nom)->text();
            s->close();
        });
        guet.start(5);
        commande();
        if (!AttendsTrace(g_))
            textes << "calcul sans fin";
        return textes;
    }
    QStringList Curseurs()
    {
        return {Texte("Cur1X"), Texte("Cur1Y"), Texte("Cur2X"), Texte("Cur2Y")};
    }

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

    // The heavy polar plot: a 20-term sum at 10 ppp over -2000 .. 2000,
    // started and left running.
    void LanceTraceLong()
    {
        Clique("SpeedButton3");
        Valide("FonctionXouRo", "sin(t)+sin(2*t)+sin(3*t)+sin(4*t)+sin(5*t)+sin(6*t)+sin(7*t)+sin(8*t)+sin(9*t)+"
                                "sin(10*t)+sin(11*t)+sin(12*t)+sin(13*t)+sin(14*t)+sin(15*t)+sin(16*t)+sin(17*t)+"
                                "sin(18*t)+sin(19*t)+sin(20*t)");
        Menu("MaxiPrecis")->trigger();
        QVERIFY(AttendsTrace(g_));
        g_->Modele().ChangeIntervalle(-2000.0L, 2000.0L);
        p_->Vide();
        QTest::mouseClick(g_->findChild<QPushButton*>("CalculBtn"), Qt::LeftButton);
        QVERIFY(g_->TraceEnCours());
    }
    QPushButton* Arret() { return g_->findChild<QPushButton*>("ArretTrace"); }

private slots:
    void init()
    {
        Installe();
        TOptions options;
        options.SonsOptions = true;
        EnregistreOptions(options);
        CreeFenetres();
        g_ = LesFenetres().Graph;
        SuiviActivation::Oublie();
        QVERIFY(MontreActive(g_));
    }

    void cleanup()
    {
        DetruitFenetres();
        Retire();
    }


    // The axes and their ticks: one pixel above the x axis and right of the
    // y axis, every tick unit rounded once to whole pixels.
    // Plots as values: where the curve starts, what stops it.
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
        // A function of x in the equation: y = ±racine(ln x), from x = 1.
        Menu("CleanUp")->trigger();
        QVERIFY(AttendsTrace(g_));
        Trace("SpeedButton10", "y^2-ln(x)");
        const Points lnx = Rouges();
        QVERIFY(lnx.count({296, 70}) || lnx.count({296, 71}));
        QCOMPARE(DansColonnes(lnx, 0, 205), 0);
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
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "son: Son2.wav"}));
        Points parabole = Rouges();
        std::erase_if(parabole, [](auto p) { return p.first == 160 || p.second == 120; }); // axes redrawn
        // Another type and back: the text returns, not its validation.
        Menu("tyPol")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Champ("FonctionXouRo")->text(), QString());
        Menu("tyCartesian")->trigger();
        QVERIFY(AttendsTrace(g_));
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
        QVERIFY(AttendsTrace(g_));
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
        for (int k = 0; k < 9; ++k) {
            Menu("PlusPrecis")->trigger();
            QVERIFY(AttendsTrace(g_));
        }
        QCOMPARE(Texte("Fine"), QString("10 ppp"));
        QVERIFY(!Menu("PlusPrecis")->isEnabled() && Menu("MoinsPrecis")->isEnabled());
        QCOMPARE(g_->Modele().Pas(), PasDe(Vue{}, 10));
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
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, (std::vector<std::string>{"aide: GRAPH", "aide: PRESENT"}));
    }

    // Each viewport command, its read-outs compared whole.
    void echelles_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QStringList>("lectures");
        const QStringList defaut{"-3.2000000", "3.2000000", "-2.4000000", "2.4000000", "-3.200", "3.200", "1.00000"};
        QTest::newRow("1 : 2") << "Zoom12" << QStringList{}
                               << QStringList{"-1.6000000", "1.6000000", "-1.2000000", "1.2000000", "-1.600", "1.600", "0.50000"};
        QTest::newRow("2 : 1") << "Zoom21" << QStringList{}
                               << QStringList{"-6.4000000", "6.4000000", "-4.8000000", "4.8000000", "-6.400", "6.400", "2.00000"};
        QTest::newRow("Autre 2 et 0.5") << "ZoomUser" << QStringList{"2", "0.5"}
                                        << QStringList{"-6.4000000", "6.4000000", "-1.2000000", "1.2000000", "-6.400", "6.400", "2.00000"};
        QTest::newRow("Autre x seul: 1 et 1") << "ZoomUser" << QStringList{"3"} << defaut;
        QTest::newRow("fenêtre 1 5 -1 1") << "Coords" << QStringList{"1", "5", "-1", "1"}
                                          << QStringList{"1.0000000", "5.0000000", "-1.0000000", "1.0000000", "1.000", "5.000", "1.00000"};
        QTest::newRow("fenêtre fermée après x") << "Coords" << QStringList{"5", "-5"} << defaut;
        QTest::newRow("fenêtre fermée après x min") << "Coords" << QStringList{"2"} << defaut;
        QTest::newRow("unité -2") << "ScaleScreen" << QStringList{"-2"} << QStringList(defaut.mid(0, 6)) + QStringList{"2.00000"};
        QTest::newRow("unité 0") << "ScaleScreen" << QStringList{"0"} << defaut;
        QTest::newRow("intervalle") << "ScaleInterval" << QStringList{"0", "1E1"}
                                    << QStringList(defaut.mid(0, 4)) + QStringList{"0.000", "10.000", "1.00000"};
    }
    void echelles()
    {
        QFETCH(QStringList, saisies);
        if (Donnee<QString>("commande").startsWith("Zoom") && saisies.isEmpty())
            Menu(qPrintable(Donnee<QString>("commande")))->trigger(); // no dialog
        else AvecDialogue(Donnee<QString>("commande").toLatin1().constData(), [saisies](QDialog* d) {
            for (int k = 0; k < saisies.size(); ++k)
                Tape(d, qPrintable("Edit" + QString::number(k + 1)), saisies[k]);
        });
        QCOMPARE(Fenetre(), Donnee<QStringList>("lectures"));
        QCOMPARE(g_->Modele().Pas(), PasDe(g_->Modele().Fenetre(), 1));
    }

    void recentrage_data()
    {
        QTest::addColumn<QPoint>("clic");
        QTest::addColumn<QStringList>("lectures");
        QTest::newRow("(240, 60)") << QPoint(240, 60) << QStringList{"-1.6000000", "4.8000000", "-1.2000000", "3.6000000"};
        QTest::newRow("(160, 120)") << QPoint(160, 120) << QStringList{"-3.2000000", "3.2000000", "-2.4000000", "2.4000000"};
        QTest::newRow("(310, 120)") << QPoint(310, 120) << QStringList{"-0.2000000", "6.2000000", "-2.4000000", "2.4000000"};
    }
    void recentrage()
    {
        const QPoint clic = Donnee<QPoint>("clic");
        g_->Recentre(clic.x(), clic.y());
        QCOMPARE(Fenetre().mid(0, 4), Donnee<QStringList>("lectures"));
        QCOMPARE(Fenetre().mid(4, 2), QStringList({Fenetre()[0].chopped(4), Fenetre()[1].chopped(4)}));
    }

    void dialogues()
    {
        // Fields in order: Enter in the second field first only beeps.
        AvecDialogue("Coords", [this](QDialog* d) {
            Tape(d, "Edit2", "5");
            QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
            Tape(d, "Edit1", "abc"); // not a number: refused
            Tape(d, "Edit1", "1E5000"); // beyond extended precision
            QCOMPARE(p_->journal.size(), std::size_t(3));
            Tape(d, "Edit1", "2");
            QCOMPARE(d->focusWidget(), d->findChild<QLineEdit*>("Edit2"));
        });
        // An empty upper bound beeps and keeps the dialog open.
        AvecDialogue("ScaleInterval", [](QDialog* d) {
            Tape(d, "Edit1", "1");
            Tape(d, "Edit2", "");
            QVERIFY(d->isVisible());
        });
        AvecDialogue("ScaleScreen", [](QDialog*) {});
        QCOMPARE(Texte("Label2"), QString("1.00000"));
        // Zoom factors from 0.05 to 20.
        p_->Vide();
        AvecDialogue("ZoomUser", [](QDialog* d) {
            Tape(d, "Edit1", "0.049");
            Tape(d, "Edit1", "20.5");
            Tape(d, "Edit1", "");
            Tape(d, "Edit1", "20");
            Tape(d, "Edit2", "0.05");
        });
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "bip"}));
        QCOMPARE(Texte("xmaxval"), QString("64.0000000"));
        QCOMPARE(Texte("ymaxval"), QString("0.1200000"));
    }

    void dialoguesFermesSansEffet()
    {
        Trace("SpeedButton2", "x^2");
        auto fenetre = [](std::vector<const char*> textes) {
            return [textes](QDialog* d) {
                for (std::size_t k = 0; k < textes.size(); ++k)
                    Tape(d, qPrintable("Edit" + QString::number(k + 1)), textes[k]);
            };
        };
        AvecDialogue("Coords", fenetre({"1", "5", "-1", "1"}));
        AvecDialogue("ScaleInterval", fenetre({"0", "4"}));
        AvecDialogue("ScaleScreen", fenetre({"0.5"}));
        const QStringList enVigueur = Fenetre();
        QCOMPARE(enVigueur, (QStringList{"1.0000000", "5.0000000", "-1.0000000", "1.0000000", "0.000", "4.000", "0.50000"}));
        const QImage avant = Ecran();
        // Each dialog opens on the values in force, and closing it before
        // its last Enter changes nothing, fields confirmed or not.
        const std::pair<const char*, QStringList> dialogues[] = {
            {"Coords", {"1", "5", "-1", "1"}}, {"ScaleInterval", {"0", "4"}},
            {"ScaleScreen", {"0.5"}}, {"ZoomUser", {"1", "1"}}};
        for (const auto& [commande, textes] : dialogues) {
            p_->Vide();
            AvecDialogue(commande, [&textes](QDialog* d) {
                for (int k = 0; k < textes.size(); ++k)
                    QCOMPARE(d->findChild<QLineEdit*>("Edit" + QString::number(k + 1))->text(), textes[k]);
                Tape(d, "Edit1", "2");
                if (textes.size() > 2)
                    Tape(d, "Edit2", "3");
                QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
                QVERIFY(!d->isVisible());
            });
            QCOMPARE(Fenetre(), enVigueur);
            QCOMPARE(Ecran(), avant);
            QVERIFY(p_->journal.empty());
        }
        // A window whose pixel step is below its bounds' precision is
        // refused, the old one kept.
        AvecDialogue("Coords", fenetre({"-1", "1", "-1", "-0.99999999999999999999"}));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Fenêtre d'affichage incorrecte ."});
        QCOMPARE(Fenetre(), enVigueur);
    }

    // A window without the origin stays as typed; « Ajuster Y » fits the
    // curve; the zoom on the cursors keeps the rectangle chosen.
    // The study from the keyboard, the focus in the function's field:
    // Ctrl+Maj+E, the bounds with Enter; its rows, their copy, the crosses
    // over the picture and the cursor on a row's point.
    void etudeAuClavier()
    {
        Trace("SpeedButton2", "x*exp(-x)");
        QLineEdit* champ = Champ("FonctionXouRo");
        champ->setFocus();
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(d && d->objectName() == "TEtude");
            for (auto [nom, texte] : {std::pair{"EtudeDebut", "-1"}, std::pair{"EtudeFin", "5"}}) {
                auto* e = d->findChild<QLineEdit*>(nom);
                QTRY_VERIFY_WITH_TIMEOUT(e->hasFocus() || !d->isVisible(), 2000);
                QTest::keyClicks(e, texte);
                QTest::keyClick(e, Qt::Key_Return);
            }
            if (d->isVisible())
                d->close();
        });
        QTest::keyClick(champ, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(AttendsTrace(g_));
        TResultatsEtude* r = g_->FenetreEtude();
        QTRY_VERIFY(r && r->isVisible());
        auto* grille = r->findChild<QTableWidget*>("GrilleEtude");
        QStringList lignes;
        for (int k = 0; k < grille->rowCount(); ++k)
            lignes << grille->item(k, 0)->text() + " " + grille->item(k, 1)->text().trimmed() + " " +
                          grille->item(k, 2)->text().trimmed();
        QCOMPARE(lignes, (QStringList{"Zéro 0.00000000000000E+0000 0.00000000000000E+0000",
                                      "Maximum 1.00000000000000E+0000 3.67879441171442E-0001",
                                      "Inflexion 2.00000000000000E+0000 2.70670566473225E-0001",
                                      "Borne -1.00000000000000E+0000 -2.71828182845905E+0000",
                                      "Borne 5.00000000000000E+0000 3.36897349954273E-0002",
                                      "Intégrale -1 .. 5 -4.04276819945128E-0002"}));
        grille->clearSelection();
        QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Zéro\t0\t0\nMaximum\t1\t0.367879441171442\n"));
        // The zero, the maximum and the inflection point; x = 1, f(x) = 0.3679
        // in the window [-3.2, 3.2] x [-2.4, 2.4].
        QVERIFY(Zone()->Croix().size() == 3 && Zone()->Croix()[1] == QPoint(210, 102)); // the bounds are outside
        grille->selectRow(1);
        QTest::mouseClick(r->findChild<QPushButton*>("PlacerCurseur"), Qt::LeftButton);
        QCOMPARE(Texte("Cur1X"), QString("1.000000"));
        // Beside the picture rather than over it.
        const QRect image(Zone()->mapToGlobal(QPoint()), Zone()->size()), cache = image.intersected(r->frameGeometry());
        QVERIFY(cache.width() * cache.height() * 5 < image.width() * image.height());
        // The marks are of the function studied, the results of the graph.
        champ->setText("x^2");
        QTest::keyClick(champ, Qt::Key_Return);
        QVERIFY(Zone()->Croix().empty() && r->isVisible());
        Menu("Fermer")->trigger();
        QVERIFY(!r->isVisible());
    }

    void fenetreSansOrigine()
    {
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "1"}, {"Edit2", "3"}, {"Edit3", "-1"}, {"Edit4", "1"}})
                Tape(d, champ, texte);
        });
        Trace("SpeedButton2", "x-2");
        QCOMPARE(Fenetre().mid(0, 4), (QStringList{"1.0000000", "3.0000000", "-1.0000000", "1.0000000"}));
        const Points diagonale = Rouges();
        QVERIFY(diagonale.count({80, 180}) && diagonale.count({160, 120}) && diagonale.count({240, 60}));
        Menu("AjusteY")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Fenetre().mid(0, 6), (QStringList{"1.0000000", "3.0000000", "-1.1000000", "1.1000000", "1.000", "3.000"}));
        Menu("ReInit")->trigger();
        QVERIFY(AttendsTrace(g_));
        Go();
        Clic(200, 100);
        Clic(220, 140); // x from 0.8 to 1.2
        Clique("ZoomButton");
        QCOMPARE(Fenetre().mid(0, 2), (QStringList{"0.8000000", "1.2000000"}));
    }

    void fenetreRedessineEtRefusee()
    {
        Trace("SpeedButton2", "x^2");
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-10"}, {"Edit2", "10"}, {"Edit3", "-7.5"}, {"Edit4", "7.5"}})
                Tape(d, champ, texte);
        });
        // x = 2, y = 4 in the window of ±10 × ±7.5.
        QVERIFY(Rouges().count({192, 56}));
        const QImage avant = Ecran();
        p_->Vide();
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "0"}, {"Edit2", "0"}, {"Edit3", "-1"}, {"Edit4", "1"}})
                Tape(d, champ, texte);
        });
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Fenêtre d'affichage incorrecte ."});
        QCOMPARE(Ecran(), avant);
        QCOMPARE(Texte("xmaxval"), QString("10.0000000"));
        // "1 : 2" without a curve beeps; so does nothing else.
        Menu("CleanUp")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("tyPol")->trigger();
        QVERIFY(AttendsTrace(g_));
        p_->Vide();
        Menu("Zoom12")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("Zoom21")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        Menu("ReInit")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Fenetre()[0], QString("-3.2000000"));
    }

    void lecturesDuPointeur()
    {
        Souris(100, 100); // no type yet
        QCOMPARE(Texte("CoordXCurs"), QString("---"));
        p_->Vide();
        Clic(100, 100);
        Clic(100, 100, Qt::RightButton);
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "bip"}));
        QCOMPARE(Texte("Cur1X"), QString("---"));
        g_->findChild<QMenu*>("GrafPopupMenu")->hide();
        Clique("SpeedButton2");
        const std::tuple<QPoint, const char*, const char*> Points[] = {
            {{160, 120}, " 0.00000000000000E+0000", " 0.00000000000000E+0000"},
            {{0, 0}, "-3.20000000000000E+0000", " 2.40000000000000E+0000"},
            {{319, 239}, " 3.18000000000000E+0000", "-2.38000000000000E+0000"},
        };
        for (auto [point, x, y] : Points) {
            Souris(point.x(), point.y());
            QCOMPARE(Texte("CoordXCurs"), QString(x));
            QCOMPARE(Texte("CoordYCurs"), QString(y));
        }
        QCOMPARE(Zone()->statusTip(), QString("Clic gauche = curseur n°1 ; 2ème clic gauche = curseur n°2 . Clic droit = menu contextuel ."));
    }

    void curseursEtZoom()
    {
        Trace("SpeedButton2", "x^2");
        QVERIFY(!Bouton("SomButton")->isEnabled());
        Clic(80, 60);
        QVERIFY(!Bouton("SomButton")->isEnabled() && !Bouton("ZoomButton")->isEnabled());
        Clic(240, 180);
        QCOMPARE(Curseurs(), QStringList({"-1.600000", "1.200000", "1.600000", "-1.200000"}));
        QVERIFY(Bouton("SomButton")->isEnabled() && Bouton("ZeroButton")->isEnabled() && Bouton("ZoomButton")->isEnabled());
        Clique("ZoomButton");
        QCOMPARE(Fenetre().mid(0, 4), QStringList({"-1.6000000", "1.6000000", "-1.2000000", "1.2000000"}));
        QCOMPARE(Curseurs(), QStringList({"---", "---", "---", "---"}));
        QVERIFY(Rouges().count({240, 56})); // x = 0.8, y = 0.64
        // Other curve types: the zoom only.
        Menu("tyPol")->trigger();
        QVERIFY(AttendsTrace(g_));
        Clic(80, 60);
        Clic(240, 180);
        QVERIFY(Bouton("ZoomButton")->isEnabled() && !Bouton("SomButton")->isEnabled() && !Menu("CalcZero")->isEnabled());
        // Activation drops the cursors.
        g_->FormActivate();
        QCOMPARE(Curseurs(), QStringList({"---", "---", "---", "---"}));
        QVERIFY(!Bouton("ZoomButton")->isEnabled());
    }

    void bandeSansTrace()
    {
        Trace("SpeedButton2", "x^2");
        const QImage avant = Ecran();
        Clic(100, 100);
        Souris(200, 150);
        QVERIFY(PixelsDe(Ecran(), Couleur{128, 128, 128}).size() > 50);
        Souris(50, 40);  // up and left: the last band stays
        Souris(150, 130);
        Souris(120, 110);
        QVERIFY(!PixelsDe(Ecran(), Couleur{128, 128, 128}).empty());
        Clic(30, 20); // cursor 2 up and left of cursor 1
        Clic(5, 5);   // the third click
        QCOMPARE(Ecran(), avant);
        QCOMPARE(Curseurs(), QStringList({"---", "---", "---", "---"}));
    }

    // « Arrêter » clicked as the window system delivers it (to the window,
    // at the button's place) or Escape stops a long plot: what was drawn
    // stays, the status bar says so, no sound and no warning.
    void traceInterrompu_data()
    {
        QTest::addColumn<bool>("souris");
        QTest::newRow("clic sur Arrêter") << true;
        QTest::newRow("Echap") << false;
    }
    void traceInterrompu()
    {
        LanceTraceLong();
        QTest::qWait(300);
        QVERIFY(Arret()->isVisible());
        if (Donnee<bool>("souris"))
            QTest::mouseClick(g_->windowHandle(), Qt::LeftButton, {}, Arret()->mapTo(g_, Arret()->rect().center()));
        else
            QTest::keyClick(g_, Qt::Key_Escape);
        QElapsedTimer montre;
        montre.start();
        QVERIFY(AttendsTrace(g_));
        QVERIFY(montre.elapsed() < 5000);
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" Tracé interrompu ."));
        QVERIFY(p_->journal.empty()); // no sound, no box
        QVERIFY(!Rouges().empty());   // what was drawn stays
        QVERIFY(!Arret()->isVisible());
        // « Arrêter » or Escape with no plot running changes nothing.
        Arret()->click();
        QTest::keyClick(g_, Qt::Key_Escape);
        QVERIFY(p_->journal.empty());
    }

    // Escape during the first of the two derivative curves of a parametric
    // plot stops both.
    void derivesParametriquesInterrompues()
    {
        // Each column a sum of 700 sines and its derivative.
        QString somme = "sin(t)";
        for (int k = 2; somme.size() < 9980; ++k)
            somme += QString("+sin(%1*t)").arg(k);
        Clique("SpeedButton4");
        Champ("FonctionXouRo")->setText(somme); // typed, it would take seconds
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        Valide("FonctionY", "t");
        Go();
        Menu("MaxiPrecis")->trigger();
        QVERIFY(AttendsTrace(g_));
        p_->Vide();
        QTest::mouseClick(Bouton("dXButton"), Qt::LeftButton);
        QTest::qWait(50);
        QVERIFY(g_->TraceEnCours());
        QTest::keyClick(g_, Qt::Key_Escape);
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" Tracé interrompu ."));
        QVERIFY(p_->journal.empty());
        QVERIFY(!PixelsDe(Ecran(), Vert).empty() && PixelsDe(Ecran(), BleuClair).empty());
    }

    // During a plot every plotter command sleeps but « Arrêter » and the
    // help; the other windows work; after it the commands are what the
    // model gives.
    void commandesPendantLeTrace()
    {
        LanceTraceLong();
        for (const char* nom : {"Ouvrir", "Coords", "Zoom12", "MaxiPrecis", "Rinitialisationdesparamtres"})
            QVERIFY2(!Menu(nom)->isEnabled(), nom);
        for (const char* nom : {"SpeedButton2", "SpeedButton3"})
            QVERIFY2(!Bouton(nom)->isEnabled(), nom);
        QVERIFY(!Champ("FonctionXouRo")->isEnabled() && !g_->findChild<QPushButton*>("CalculBtn")->isEnabled());
        QVERIFY(Menu("ModOp")->isEnabled() && Arret()->isEnabled());
        // The calculator takes typing while the plot goes on.
        TCalculatrice* c = LesFenetres().Calculatrice;
        QVERIFY(MontreActive(c, false));
        auto* champ = c->findChild<QLineEdit*>("Acquisition");
        for (const char* t : {"1", "0"}) {
            QTest::keyClicks(champ, t);
            QTest::keyClick(champ, Qt::Key_Return);
        }
        QCOMPARE(c->LaPile()[1].Re, 1.0L);
        QVERIFY(g_->TraceEnCours());
        QVERIFY(MontreActive(g_, false));
        Arret()->click();
        QVERIFY(AttendsTrace(g_));
        for (std::size_t k = 0; k < NombreCommandes; ++k)
            for (const char* nom : ControlesDe(static_cast<Commande>(k))) {
                QAction* a = Menu(nom);
                const bool actif = a ? a->isEnabled() : Bouton(nom)->isEnabled();
                QVERIFY2(actif == CommandesActives(g_->Modele()).Contient(static_cast<Commande>(k)), nom);
            }
        QVERIFY(Menu("Ouvrir")->isEnabled() && Champ("FonctionXouRo")->isEnabled());
    }

    // Closing the plotter ends its plot first.
    void fermerPendantLeTrace()
    {
        LanceTraceLong();
        g_->close();
        QVERIFY(!g_->TraceEnCours());
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" Tracé interrompu ."));
    }

    // The drawing area's hint says what the buttons do, as the setting
    // says, from the window's first showing on.
    void aideDeLaZone_data()
    {
        QTest::addColumn<int>("boutons");
        QTest::addColumn<QString>("aide");
        QTest::newRow("2 boutons") << 2
                                   << "Clic gauche = curseur n°1 ; 2ème clic gauche = curseur n°2 . Clic droit = menu "
                                      "contextuel .";
        QTest::newRow("3 boutons") << 3
                                   << "Clic gauche = curseur 1; 2nd clic gauche = curseur 2. Clic droit = menu "
                                      "contextuel. Clic milieu = centre du graphique .";
    }
    void aideDeLaZone()
    {
        DetruitFenetres();
        TOptions options;
        options.NbBoutons = Donnee<int>("boutons");
        EnregistreOptions(options);
        CreeFenetres();
        g_ = LesFenetres().Graph;
        QCOMPARE(g_->findChild<EcranDigit*>("EcranDigit")->statusTip(), Donnee<QString>("aide"));
        QVERIFY(MontreActive(g_));
        QCOMPARE(g_->findChild<EcranDigit*>("EcranDigit")->statusTip(), Donnee<QString>("aide"));
    }

    // F1 opens the plotter's topic in the plotter, its table and its dialogs.
    void aideParF1()
    {
        Trace("SpeedButton2", "x^2");
        std::vector<std::string> aides;
        auto note = [&] {
            for (const std::string& e : p_->journal)
                if (e.rfind("aide: ", 0) == 0)
                    aides.push_back(e);
        };
        QTest::keyClick(g_, Qt::Key_F1);
        note();
        Menu("TableauValeurs")->trigger();
        TTableau* t = g_->FenetreTableau();
        QVERIFY(MontreActive(t, false));
        QTest::keyClick(t, Qt::Key_F1);
        note();
        QVERIFY(MontreActive(g_, false));
        AvecDialogue("Coords", [&](QDialog* d) {
            p_->Vide();
            QTest::keyClick(d->focusWidget(), Qt::Key_F1);
            note();
        });
        QCOMPARE(aides, (std::vector<std::string>{"aide: GRAPH", "aide: GRAPH", "aide: GRAPH"}));
    }

    void agrandissement()
    {
        Clique("SpeedButton2");
        Menu("Loupe2")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Zone()->size(), QSize(640, 480));
        Souris(320, 240); // widget pixels: the middle of the picture
        QCOMPARE(Texte("CoordXCurs"), QString(" 0.00000000000000E+0000"));
        Clic(320, 240);
        QCOMPARE(Texte("Cur1X"), QString("0.000000"));
        QCOMPARE(LitAgrandissement(), 2);
        QVERIFY(QString::fromStdString(bac_->TexteReglages()).contains("Taille des matrices=5\nAgrandissement=2"));
        // The test's screen (1024 x 768) is too small for x3.
        Menu("Loupe3")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: L'écran est trop petit pour cet agrandissement ."});
        QVERIFY(Menu("Loupe2")->isChecked() && Zone()->width() == 640);
        Menu("Loupe1")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Zone()->size(), QSize(320, 240));
    }

    void suiviAuClavier()
    {
        Trace("SpeedButton2", "x^2");
        const QImage avant = Ecran();
        QTest::keyClick(g_, Qt::Key_T);
        QWidget* zone = Zone();
        QVERIFY(zone->hasFocus());
        for (int k = 0; k < 10; ++k)
            QTest::keyClick(zone, Qt::Key_Left);
        QCOMPARE(Texte("CoordXCurs"), QString("-2.00000000000000E-0001"));
        QCOMPARE(Texte("CoordYCurs"), QString(" 4.00000000000000E-0002"));
        QCOMPARE(Ecran(), avant); // the marker is drawn over the picture, not into it
        QTest::keyClick(zone, Qt::Key_Return);
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(zone, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(zone, Qt::Key_Return);
        QCOMPARE(Texte("Cur1X"), QString("-0.200000"));
        QCOMPARE(Texte("Cur2X"), QString("0.800000"));
        QVERIFY(Bouton("SomButton")->isEnabled() && Menu("CalcInt")->isEnabled());
        QTest::keyClick(zone, Qt::Key_Escape);
        QTest::keyClick(zone, Qt::Key_Left); // trace mode is over
        QCOMPARE(Texte("CoordXCurs"), QString(" 8.00000000000000E-0001"));
    }

    void tableauDeValeurs()
    {
        QVERIFY(!Menu("TableauValeurs")->isEnabled()); // nothing validated yet
        // A parametric curve needs both its functions.
        Clique("SpeedButton4");
        Valide("FonctionXouRo", "cos(t)");
        QVERIFY(!Menu("TableauValeurs")->isEnabled());
        Valide("FonctionY", "sin(t)");
        QVERIFY(Menu("TableauValeurs")->isEnabled());
        Trace("SpeedButton2", "x^2");
        QVERIFY(Menu("TableauValeurs")->isEnabled());
        Menu("TableauValeurs")->trigger();
        QVERIFY(AttendsTrace(g_));
        TTableau* t = g_->FenetreTableau();
        QVERIFY(t && t->isVisible());
        QTRY_VERIFY(!t->CalculEnCours());
        auto* grille = t->findChild<QTableWidget*>("GrilleTableau");
        QCOMPARE(grille->rowCount(), 21);
        QCOMPARE(t->findChild<QLineEdit*>("PasTableau")->text(), QString("0.32"));
        for (auto [nom, texte] : {std::pair{"DebutTableau", "-1"}, std::pair{"PasTableau", "0,5"},
                                  std::pair{"LignesTableau", "5"}}) {
            auto* champ = t->findChild<QLineEdit*>(nom);
            champ->clear();
            QTest::keyClicks(champ, texte);
            QTest::keyClick(champ, Qt::Key_Return);
        }
        QTRY_VERIFY(!t->CalculEnCours());
        QCOMPARE(grille->rowCount(), 5);
        QCOMPARE(grille->item(1, 1)->text(), QString(" 2.50000000000000E-0001"));
        grille->selectRow(1);
        QTest::keyClick(grille, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("-0.5\t0.25\t"));
        QTest::mouseClick(t->findChild<QCheckBox*>("DeriveeSeconde"), Qt::LeftButton);
        QTRY_VERIFY(!t->CalculEnCours());
        QCOMPARE(grille->horizontalHeaderItem(3)->text(), QString("f″(x)"));
        QCOMPARE(grille->item(1, 3)->text(), QString(" 2.00000000000000E+0000"));
        // The table follows the function validated again.
        Valide("FonctionXouRo", "inv(x)");
        QTRY_VERIFY(!t->CalculEnCours());
        QCOMPARE(grille->item(2, 1)->text(), QString("Division par zéro"));
        p_->Vide();
        auto* lignes = t->findChild<QLineEdit*>("LignesTableau");
        lignes->setText("10001");
        QTest::keyClick(lignes, Qt::Key_Return);
        lignes->setText("2.5");
        QTest::keyClick(lignes, Qt::Key_Return);
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "bip"}));
        QCOMPARE(grille->rowCount(), 5);
        // A table of 10,000 rows of a 20-term sum, asked again with another
        // function before its end: only the new function's rows show.
        Valide("FonctionXouRo", QString("sin(x)+").repeated(19) + "sin(x)");
        lignes->setText("10000");
        QTest::keyClick(lignes, Qt::Key_Return);
        Valide("FonctionXouRo", "x+1");
        QTRY_VERIFY_WITH_TIMEOUT(!t->CalculEnCours(), 60000);
        QCOMPARE(grille->rowCount(), 10000);
        QCOMPARE(grille->item(2, 1)->text(), QString(" 1.00000000000000E+0000"));
    }

    void extremumEntreLesCurseurs()
    {
        Trace("SpeedButton2", "x^2");
        Clic(110, 100);
        Clic(260, 200); // x from -1 to 2
        QCOMPARE(Resultat([this] { Clique("ExtremumButton"); }),
                 QStringList({"Extremum", "Maximum :", "x = 2.00000000000000 (borne)  f(x) = 4.00000000000000",
                              "Minimum :", "x = 0.00000000000000  f(x) = 0.00000000000000"}));
        QVERIFY(!Bouton("ExtremumButton")->isEnabled() && Texte("Cur1X") == "---");
        Trace("SpeedButton2", "racine(x)");
        Clic(110, 100);
        Clic(210, 200); // x from -1 to 1
        p_->Vide();
        QCOMPARE(Resultat([this] { Menu("CalcExtremum")->trigger(); }),
                 QStringList({"Extremum", "", "Erreur lors du calcul ."}));
        QCOMPARE(p_->journal, std::vector<std::string>{"son: Son1.wav"});
    }

    // Ctrl+C in the results window copies its values, the second on a line
    // of its own.
    void copieDesResultats()
    {
        Trace("SpeedButton2", "x^2");
        Clic(110, 100);
        Clic(260, 200);
        QGuiApplication::clipboard()->clear();
        QTimer guet;
        QObject::connect(&guet, &QTimer::timeout, [] {
            auto* s = LesFenetres().Solutions;
            if (!s->isVisible())
                return;
            QTest::keyClick(s, Qt::Key_C, Qt::ControlModifier);
            s->close();
        });
        guet.start(5);
        Clique("ExtremumButton");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("x = 2.00000000000000 (borne)  f(x) = 4.00000000000000\n"
                         "x = 0.00000000000000  f(x) = 0.00000000000000"));
    }

    void integraleEtZero()
    {
        Trace("SpeedButton2", "x^2");
        Clic(160, 100);
        Clic(310, 200); // x from 0 to 3
        QCOMPARE(Resultat([this] { Clique("SomButton"); }), QStringList({"Intégration :", "I =", "9.00000000000000"}));
        QVERIFY(!Bouton("SomButton")->isEnabled() && !Menu("CalcInt")->isEnabled() && Texte("Cur1X") == "---");
        Trace("SpeedButton2", "x^2-2");
        Clic(160, 100);
        Clic(260, 200); // x from 0 to 2
        QCOMPARE(Resultat([this] { Menu("CalcZero")->trigger(); }),
                 QStringList({"Recherche du zéro de la fonction :", "x0 =", "1.41421356237310"}));
        Trace("SpeedButton2", "racine(x)");
        Clic(110, 100);
        Clic(210, 200); // x from -1 to 1
        p_->Vide();
        QCOMPARE(Resultat([this] { Clique("SomButton"); }).last(), QString("Erreur lors du calcul ."));
        QCOMPARE(p_->journal, std::vector<std::string>{"son: Son1.wav"});
        Trace("SpeedButton2", "x^2+1");
        Clic(110, 100);
        Clic(210, 200);
        p_->Vide();
        QCOMPARE(Resultat([this] { Clique("ZeroButton"); }).last(), QString("Racine non trouvée ."));
        QVERIFY(p_->journal.empty());
    }

    // Whether some red pixel lies within `rayon` pixels of (X, Y).
    bool RougePres(int X, int Y, int rayon = 1)
    {
        const Points rouges = Rouges();
        for (int dx = -rayon; dx <= rayon; ++dx)
            for (int dy = -rayon; dy <= rayon; ++dy)
                if (rouges.count({X + dx, Y + dy}))
                    return true;
        return false;
    }

    void cardioideAuxBonsPixels()
    {
        // ro = 1 + cos(t) reaches x = 2 on the positive x axis, rises no
        // higher than y = 1.3 and goes no further left than x = -0.25; its
        // cusp is at the origin. 50 pixels per unit, origin at (160, 120).
        Trace("SpeedButton3", "1+cos(t)");
        QVERIFY(RougePres(260, 120));    // (2, 0)
        QVERIFY(RougePres(185, 55));     // (0.5, 1.3) near t = pi/3
        QVERIFY(!RougePres(160, 20, 3)); // (0, 2): not the curve turned a quarter
        QVERIFY(!RougePres(60, 120, 3)); // (-2, 0): not the curve mirrored
        QVERIFY(RougePres(185, 185)); // (0.5, -1.3): symmetric about the x axis
    }

    void fenetreDissymetrique()
    {
        // x from -1 to 5 (53.3 pixels per unit), y from -1 to 3 (60 per unit):
        // the origin at (53, 180).
        Trace("SpeedButton2", "x");
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-1"}, {"Edit2", "5"}, {"Edit3", "-1"}, {"Edit4", "3"}})
                Tape(d, champ, texte);
        });
        QCOMPARE(Ecran().pixel(300, 180), qRgb(255, 255, 255)); // the x axis row
        QCOMPARE(Ecran().pixel(53, 20), qRgb(255, 255, 255));   // the y axis column
        QVERIFY(RougePres(160, 60));                            // (2, 2)
        for (auto [X, Y, x, y] : {std::tuple{0, 0, "-1.00000000000000E+0000", " 3.00000000000000E+0000"},
                                  std::tuple{160, 180, " 2.00000000000000E+0000", " 0.00000000000000E+0000"},
                                  std::tuple{160, 60, " 2.00000000000000E+0000", " 2.00000000000000E+0000"}}) {
            Souris(X, Y);
            QCOMPARE(Texte("CoordXCurs"), QString(x));
            QCOMPARE(Texte("CoordYCurs"), QString(y));
        }
    }

    void clicDuMilieuEnBasAGauche()
    {
        // (80, 180) is (-1.6, -1.2): the window is centred there.
        Trace("SpeedButton2", "x");
        Clic(80, 180, Qt::MiddleButton);
        QCOMPARE(Fenetre().mid(0, 4), QStringList({"-4.8000000", "1.6000000", "-3.6000000", "1.2000000"}));
        QVERIFY(RougePres(240, 60)); // y = x through the origin, now at (240, 60)
    }

    void segmentJusquAuBordDuHaut()
    {
        // A spike: y = 1 at x = -0.02 and 0.02, y = 1E9 at x = 0, far above
        // the area and beyond the box where lines are computed. The line back
        // to the visible point at 0.02 is drawn from the top row down to row 70.
        Trace("SpeedButton2", "10^(9-22500*x^2)");
        for (int Y = 0; Y <= 69; ++Y)
            QVERIFY2(RougePres(160, Y, 1), qPrintable(QString::number(Y)));
    }

    void finDeLIntervalleJamaisEchantillonnee()
    {
        // x from -5 to 5 makes the step 1/32, exact: the grid of the study
        // interval lands on 1, its end, which is never sampled. The last
        // sample is 0.96875, in column 191, where the steep line is at y = 0;
        // a sample at 1 would draw on to y = 3.125 in column 192.
        Trace("SpeedButton2", "100*x-96.875");
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-5"}, {"Edit2", "5"}, {"Edit3", "-5"}, {"Edit4", "5"}})
                Tape(d, champ, texte);
        });
        AvecDialogue("ScaleInterval", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-5"}, {"Edit2", "1"}})
                Tape(d, champ, texte);
        });
        QCOMPARE(Fenetre().mid(4, 2), QStringList({"-5.000", "1.000"}));
        QVERIFY(RougePres(191, 120));
        QCOMPARE(DansColonnes(Rouges(), 192, 319), 0);
    }

    void bandeDeLargeurNulle()
    {
        // The pointer straight below or straight right of cursor 1 still
        // draws the band, a line.
        Trace("SpeedButton2", "x^2");
        for (QPoint vers : {QPoint(100, 160), QPoint(180, 100)}) {
            Clic(100, 100);
            Souris(vers.x(), vers.y());
            QVERIFY(PixelsDe(Ecran(), Couleur{128, 128, 128}).size() >= 50);
            Clic(5, 5);
            Clic(5, 5); // the third click clears
        }
    }

    void ligneDeFichierALaLimite()
    {
        // A line of 10,000 characters is read; one more is a bad file.
        QTemporaryDir dossier;
        std::string texte = "10*x";
        while (texte.size() < 10000)
            texte += "+0";
        for (const std::string& t : {texte, texte + "0"}) {
            const std::string chemin = dossier.filePath("long.mgr").toStdString();
            std::ofstream(chemin, std::ios::binary)
                << EcritGraphe(TypeCourbe::Carte, t, "", {"-1", "1", "-1", "1", "-1", "1", "1", "1"});
            p_->Vide();
            p_->reponses.push_back(chemin);
            Menu("Ouvrir")->trigger();
            QVERIFY(AttendsTrace(g_));
            if (t.size() == 10000) {
                QVERIFY(p_->Messages().empty());
                QCOMPARE(Champ("FonctionXouRo")->text().size(), 10000);
            } else {
                QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Fichier graphique incorrect ."});
            }
        }
    }

    void clicDuMilieu()
    {
        Trace("SpeedButton2", "x");
        Clic(240, 60, Qt::MiddleButton);
        QCOMPARE(Fenetre().mid(0, 4), QStringList({"-1.6000000", "4.8000000", "-1.2000000", "3.6000000"}));
        QVERIFY(Rouges().count({100, 160})); // y = x at 0.4
    }

    // -- Graph files.

    void lecteurDEcranDitLaCourbeEtLesLectures()
    {
        const auto decrit = [](QWidget* w, QAccessible::Text t) {
            return QAccessible::queryAccessibleInterface(w)->text(t);
        };
        QCOMPARE(decrit(Zone(), QAccessible::Description), QString("Ecran vide, fenêtre -3.2 à 3.2 sur -2.4 à 2.4"));
        Trace("SpeedButton2", "sin(x)/x");
        QCOMPARE(decrit(Zone(), QAccessible::Description),
                 QString("Courbe cartésienne sin(x)/x, fenêtre -3.2 à 3.2 sur -2.4 à 2.4"));
        QLabel* xmin = g_->findChild<QLabel*>("xminval");
        QCOMPARE(decrit(xmin, QAccessible::Name), QString("X minimum"));
        QCOMPARE(decrit(xmin, QAccessible::Value), xmin->text());
        QCOMPARE(decrit(Bouton("SpeedButton3"), QAccessible::Name), QString("Courbe polaire"));
        for (auto [lecture, nom] : {std::pair{"Cur1X", "Curseur 1"}, std::pair{"Cur1Y", "Curseur 1"},
                                    std::pair{"Cur2X", "Curseur 2"}, std::pair{"Cur2Y", "Curseur 2"}})
            QCOMPARE(decrit(g_->findChild<QLabel*>(lecture), QAccessible::Name), QString(nom));
        Clique("SpeedButton8");
        QCOMPARE(decrit(Zone(), QAccessible::Description), QString("Ecran vide, fenêtre -3.2 à 3.2 sur -2.4 à 2.4"));
    }

    void enregistreEtOuvre()
    {
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("cercle.mgr").toStdString();
        // Nothing to save yet.
        Menu("Sauve")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, (std::vector<std::string>{"bip", "bip"}));
        Trace("SpeedButton4", "cos(t)", "sin(t)");
        p_->reponses.push_back(chemin);
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        std::ifstream f(chemin, std::ios::binary);
        const std::string octets{std::istreambuf_iterator<char>(f), {}};
        QCOMPARE(octets, EcritGraphe(TypeCourbe::Para, "cos(t)", "sin(t)",
                                     {"-3.2000000", "3.2000000", "-2.4000000", "2.4000000", "-3.200", "3.200", "1.00000", "1"}));
        QCOMPARE(g_->windowTitle(), QString("Module graphique")); // saving names no file
        // Closed, then opened again through the dialog.
        Menu("Fermer")->trigger();
        QVERIFY(AttendsTrace(g_));
        QVERIFY(Rouges().empty() && Champ("FonctionXouRo")->text().isEmpty());
        for (int k = 0; k < 10; ++k) {
            Menu("PlusPrecis")->trigger();
            QVERIFY(AttendsTrace(g_));
        }
        p_->Vide();
        p_->reponses.push_back(chemin);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(g_->windowTitle(), QString("Module graphique (cercle.mgr)"));
        QVERIFY(Rouges().count({210, 120}) && Rouges().count({160, 70}));
        QCOMPARE(Texte("Fine"), QString("1 ppp"));
        QVERIFY(!Menu("MoinsPrecis")->isEnabled() && Menu("No0")->isChecked() && Menu("No0")->isVisible());
        QCOMPARE(Menu("No0")->text(), QString::fromStdString("&0 " + chemin));
        QCOMPARE(LitFichiersRecents()[0], chemin);
        QCOMPARE(LitTexteOption("Options", "Sons", ""), std::string("1")); // the other keys stay
        // "&Enregistrer" now writes to the loaded file, at precision 10.
        Menu("MaxiPrecis")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("Sauve")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("Fermer")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("No0")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Texte("Fine"), QString("10 ppp"));
        QVERIFY(!Menu("PlusPrecis")->isEnabled() && Menu("MoinsPrecis")->isEnabled());
        // After "&Fermer", "&Enregistrer" asks for a name (here cancelled).
        Menu("Fermer")->trigger();
        QVERIFY(AttendsTrace(g_));
        Trace("SpeedButton2", "x");
        p_->Vide();
        Menu("Sauve")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, std::vector<std::string>{"enregistrer"});
        // A cancelled open changes nothing.
        const QImage avant = Ecran();
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Ecran(), avant);
        QCOMPARE(g_->TypeCourant(), TypeCourbe::Carte);
    }

    void listeDesRecents()
    {
        QTemporaryDir dossier;
        std::vector<std::string> noms;
        for (const char* nom : {"a.mgr", "b.mgr", "c.mgr", "d.mgr", "e.mgr"}) {
            noms.push_back(dossier.filePath(nom).toStdString());
            std::ofstream(noms.back(), std::ios::binary)
                << EcritGraphe(TypeCourbe::Carte, "x", "", {"-1", "1", "-1", "1", "-1", "1", "1", "1"});
        }
        for (int k = 0; k < 4; ++k) {
            p_->reponses.push_back(noms[k]);
            Menu("Ouvrir")->trigger();
            QVERIFY(AttendsTrace(g_));
        }
        QCOMPARE(LitFichiersRecents(), (std::array<std::string, 4>{noms[3], noms[2], noms[1], noms[0]}));
        // Entry 2 opened again: list and settings file unchanged.
        const std::string reglages = bac_->TexteReglages();
        p_->reponses.push_back(noms[1]);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(bac_->TexteReglages(), reglages);
        QVERIFY(Menu("No2")->isChecked() && !Menu("No0")->isChecked());
        // A fifth file: the oldest falls off.
        p_->reponses.push_back(noms[4]);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(LitFichiersRecents(), (std::array<std::string, 4>{noms[4], noms[3], noms[2], noms[1]}));
        // A file gone: the message, the entry stays.
        std::remove(noms[3].c_str());
        p_->Vide();
        Menu("No1")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"erreur: Fichier introuvable"});
        QCOMPARE(LitFichiersRecents()[1], noms[3]);
        // Not a graph file: refused, the view unchanged.
        std::ofstream(noms[3], std::ios::binary) << "Carte\r\n";
        p_->Vide();
        p_->reponses.push_back(noms[3]);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Fichier graphique incorrect ."});
        QCOMPARE(g_->windowTitle(), QString::fromStdString("Module graphique (e.mgr)"));
    }

    void enregistrementsRates()
    {
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("garde.mgr").toStdString();
        const std::string ancien = "ancien contenu, à garder octet pour octet";
        std::ofstream(chemin, std::ios::binary) << ancien;
        Trace("SpeedButton2", "x^2");
        // A write that fails halfway: the file size limit stops it.
        struct rlimit avant;
        getrlimit(RLIMIT_FSIZE, &avant);
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit petit = avant;
        petit.rlim_cur = 20;
        setrlimit(RLIMIT_FSIZE, &petit);
        p_->reponses.push_back(chemin);
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        setrlimit(RLIMIT_FSIZE, &avant);
        QCOMPARE(p_->Messages(), std::vector<std::string>{"erreur: Disque plein"});
        std::ifstream f(chemin, std::ios::binary);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(f), {}), ancien);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"garde.mgr"}); // no temporary left
        // A folder where nothing may be written (root writes everywhere but in /sys).
        QTemporaryDir ferme;
        QFile::setPermissions(ferme.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString interdit = geteuid() == 0 ? "/sys/essai.mgr" : ferme.filePath("essai.mgr");
        p_->Vide();
        p_->reponses.push_back(interdit.toStdString());
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"erreur: Accès au fichier refusé"});
        QFile::setPermissions(ferme.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void exportDeLImage()
    {
        Trace("SpeedButton2", "x^2");
        Trace("SpeedButton2", "x");
        QTemporaryDir dossier;
        const QString png = dossier.filePath("parabole.png"), svg = dossier.filePath("parabole.svg");
        for (const QString& nom : {png, svg, dossier.filePath("grande@3x.png"), dossier.filePath("plus@4x.png")}) {
            p_->reponses.push_back(nom.toStdString());
            Menu("ExporteImage")->trigger();
            QVERIFY(AttendsTrace(g_));
        }
        QVERIFY(p_->Messages().empty());
        QImage lue(png);
        QCOMPARE(lue.convertToFormat(QImage::Format_RGB32), Ecran());
        QCOMPARE(QImage(dossier.filePath("grande@3x.png")).size(), QSize(960, 720));
        QCOMPARE(QImage(dossier.filePath("plus@4x.png")).size(), QSize(1280, 960));
        // The SVG, drawn at the area's size: every red pixel of the PNG has
        // a red pixel within one pixel.
        QSvgRenderer rendu(svg);
        QVERIFY(rendu.isValid());
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing, false);
        rendu.render(&peintre);
        peintre.end();
        int manquants = 0;
        for (auto [x, y] : Rouges()) {
            bool trouve = false;
            for (int dx = -1; dx <= 1 && !trouve; ++dx)
                for (int dy = -1; dy <= 1 && !trouve; ++dy) {
                    const QPoint q(x + dx, y + dy);
                    // Red, as the renderer blends a one-pixel diagonal (191, 0, 0).
                    trouve = image.rect().contains(q) && qRed(image.pixel(q)) >= 180 &&
                             qGreen(image.pixel(q)) < 40 && qBlue(image.pixel(q)) < 40;
                }
            manquants += !trouve;
        }
        QCOMPARE(manquants, 0);
        Menu("CopieImage")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Ecran());
        // The format follows the name; an unknown one writes nothing.
        const QString jpeg = dossier.filePath("parabole.jpg"), gif = dossier.filePath("parabole.gif");
        for (const QString& nom : {jpeg, gif}) {
            p_->reponses.push_back(nom.toStdString());
            Menu("ExporteImage")->trigger();
            QVERIFY(AttendsTrace(g_));
        }
        QFile fichier(jpeg);
        QVERIFY(fichier.open(QIODevice::ReadOnly) && fichier.read(2) == QByteArray("\xFF\xD8"));
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Format d'image non reconnu ."});
        QVERIFY(!QFile::exists(gif));
    }

    // -- What a new user found: files that open again, read-outs that show
    // what is used, plots that draw what is typed.

    // A study interval of any width draws the whole visible curve; t curves
    // stop at their bound and say so; one plot's memory stays bounded.
    void lecturesQuiSeRelisent()
    {
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("petit.mgr").toStdString();
        Trace("SpeedButton2", "x");
        AvecDialogue("ScaleScreen", [](QDialog* d) { Tape(d, "Edit1", "1E-30"); });
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-1E-8"}, {"Edit2", "1E-8"}, {"Edit3", "-1E-8"}, {"Edit4", "1E-8"}})
                Tape(d, champ, texte);
        });
        const QStringList lues = Fenetre();
        QCOMPARE(lues, (QStringList{"-1E-8", "1E-8", "-1E-8", "1E-8", "-1E-8", "1E-8", "1E-30"}));
        p_->reponses.push_back(chemin);
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("Fermer")->trigger();
        QVERIFY(AttendsTrace(g_));
        Menu("ReInit")->trigger();
        QVERIFY(AttendsTrace(g_));
        p_->Vide();
        p_->reponses.push_back(chemin);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QVERIFY(p_->Messages().empty());
        QCOMPARE(Fenetre(), lues);
        QCOMPARE(g_->Modele().Graduation(), 1E-30L);
        // A huge window: short read-outs, within the panel.
        AvecDialogue("Coords", [](QDialog* d) {
            for (auto [champ, texte] : {std::pair{"Edit1", "-5E4931"}, {"Edit2", "5E4931"}, {"Edit3", "-1"}, {"Edit4", "1"}})
                Tape(d, champ, texte);
        });
        QCOMPARE(Fenetre().mid(0, 2), (QStringList{"-5E4931", "5E4931"}));
        auto* etiquette = g_->findChild<QLabel*>("xminval");
        QVERIFY(etiquette->sizeHint().width() <= etiquette->width());
    }

    // Quitting with a graph changed since it was loaded or saved asks first;
    // the program goes on unless the graph was saved or let go.
    void questionAvantDeQuitter()
    {
        using R = Plateforme::Reponse;
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("q.mgr").toStdString();
        TCalculatrice* c = LesFenetres().Calculatrice;
        const std::string question = "question: Enregistrer les modifications du graphique ?";
        auto quitte = [this, c](std::deque<R> questions, std::deque<std::optional<std::string>> noms = {}) {
            c->show();
            p_->Vide();
            p_->questions = std::move(questions);
            p_->reponses = std::move(noms);
            c->findChild<QAction*>("Ciao")->trigger();
            return !c->isVisible();
        };
        QVERIFY(quitte({}));
        QVERIFY(p_->journal.empty()); // nothing drawn, nothing asked
        Trace("SpeedButton2", "x^2");
        QVERIFY(!quitte({R::Annuler}));
        QCOMPARE(p_->journal, std::vector<std::string>{question});
        QVERIFY(!quitte({R::Enregistrer})); // the name is not given
        QCOMPARE(p_->journal, (std::vector<std::string>{question, "enregistrer"}));
        QVERIFY(!quitte({R::Enregistrer}, {dossier.filePath("parti/q.mgr").toStdString()}));
        QCOMPARE(p_->Messages().size(), std::size_t(1));
        QVERIFY(quitte({R::Enregistrer}, {chemin}));
        std::ifstream f(chemin, std::ios::binary);
        QCOMPARE(LitGraphe(std::string(std::istreambuf_iterator<char>(f), {}))->SaisieX, std::string("x^2"));
        QVERIFY(quitte({}));
        QVERIFY(p_->journal.empty()); // saved: nothing to ask
        AvecDialogue("ScaleScreen", [](QDialog* d) { Tape(d, "Edit1", "2"); });
        QVERIFY(quitte({R::NePasEnregistrer}));
        QCOMPARE(p_->journal, std::vector<std::string>{question});
        // Opened, then left as it was: nothing to ask.
        p_->reponses.push_back(chemin);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QVERIFY(quitte({}));
        QVERIFY(p_->journal.empty());
    }

    void fichierHorsDeLOrigine()
    {
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("decale.mgr").toStdString();
        const std::string octets = EcritGraphe(TypeCourbe::Carte, "x", "", {"1", "5", "1", "3", "1", "5", "1", "1"});
        std::ofstream(chemin, std::ios::binary) << octets;
        p_->reponses.push_back(chemin);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        // The window as saved; the axes, outside it, along the left and
        // bottom edges, the ticks at x = 2, 3, 4 and y = 2 inside.
        QCOMPARE(Fenetre().mid(0, 4), (QStringList{"1", "5", "1", "3"}));
        QVERIFY(g_->Modele().Fenetre() == (Vue{1, 5, 1, 3}));
        const Points blancs = PixelsDe(Ecran(), Blanc);
        QVERIFY(blancs.count({0, 120}) && blancs.count({160, 239}));
        QVERIFY(blancs.count({80, 238}) && blancs.count({160, 238}) && blancs.count({240, 238}) && blancs.count({1, 120}));
        // Shown again the window has no curve: "&Enregistrer" beeps and the
        // file stays as it was.
        g_->hide();
        g_->show();
        p_->Vide();
        Menu("Sauve")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        std::ifstream f(chemin, std::ios::binary);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(f), {}), octets);
    }

    void textesRefusesNeTracentPas()
    {
        Trace("SpeedButton2", "x^2");
        Champ("FonctionXouRo")->setText(QString(10001, 'x'));
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        p_->Vide();
        Go();
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        // Nor is it saved for a parametric curve whose y(t) is validated.
        Trace("SpeedButton4", "cos(t)", "sin(t)");
        Champ("FonctionXouRo")->setText(QString(10001, 't'));
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        p_->Vide();
        Menu("SauveSous")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        // Conics: the natural order draws the circle, a cubic is refused.
        Menu("CleanUp")->trigger();
        QVERIFY(AttendsTrace(g_));
        Trace("SpeedButton10", "y^2+x^2-1");
        const Points cercle = Rouges();
        Menu("CleanUp")->trigger();
        QVERIFY(AttendsTrace(g_));
        Trace("SpeedButton10", "x^2+y^2-1");
        QCOMPARE(Rouges(), cercle);
        p_->Vide();
        Valide("FonctionXouRo", "y^3-x");
        Go();
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "avertissement: " + std::string(ConiqueIncorrecte), "bip"}));
    }

    // A typo that fails at every value is refused on Enter, as "Go ..." would
    // report it, and the curves drawn stay; from a file it still loads.
    void fauteDeFrappeRefusee_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::newRow("cos(x") << "SpeedButton2" << "cos(x" << "avertissement: Il manque une parenthèse fermante .";
        QTest::newRow("x^") << "SpeedButton2" << "x^" << "erreur: Expression incorrecte .";
        QTest::newRow("2*") << "SpeedButton2" << "2*" << "erreur: Expression incorrecte .";
        QTest::newRow("9*()") << "SpeedButton2" << "9*()" << "erreur: Expression incorrecte .";
        QTest::newRow("polaire x)") << "SpeedButton3" << "t)" << "avertissement: Il manque une parenthèse ouvrante .";
    }
    void fauteDeFrappeRefusee()
    {
        Trace("SpeedButton2", "x^2");
        const QImage avant = Ecran();
        Clique(qPrintable(Donnee<QString>("bouton")));
        p_->Vide();
        Valide("FonctionXouRo", Donnee<QString>("texte"));
        QCOMPARE(p_->Messages(), std::vector<std::string>{Donnee<QString>("message").toStdString()});
        QCOMPARE(Ecran(), avant);
        Go();
        QCOMPARE(Ecran(), avant);
        // Loaded from a file, the text stands, and "Go ..." tells its fault.
        QTemporaryDir dossier;
        const std::string chemin = dossier.filePath("faute.mgr").toStdString();
        std::ofstream(chemin, std::ios::binary)
            << EcritGraphe(TypeCourbe::Carte, "cos(x", "", {"-3.2", "3.2", "-2.4", "2.4", "-3.2", "3.2", "1", "1"});
        p_->reponses.push_back(chemin);
        Menu("Ouvrir")->trigger();
        QVERIFY(AttendsTrace(g_));
        QCOMPARE(Champ("FonctionXouRo")->text(), QString("cos(x"));
        p_->Vide();
        Go();
        QCOMPARE(p_->Messages(), std::vector<std::string>{"avertissement: Il manque une parenthèse fermante ."});
    }

    void progressionEtTraceIncomplet()
    {
        Trace("SpeedButton2", "x^2");
        AvecDialogue("ScaleInterval", [](QDialog* d) {
            Tape(d, "Edit1", "0");
            Tape(d, "Edit2", "1");
        });
        QCOMPARE(g_->findChild<QProgressBar*>("DrawProgress")->maximum(), 50); // the samples of 0 .. 1
        Clique("SpeedButton3");
        Valide("FonctionXouRo", "1");
        p_->Vide();
        AvecDialogue("ScaleInterval", [](QDialog* d) {
            Tape(d, "Edit1", "-1E4000");
            Tape(d, "Edit2", "1E4000");
        });
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son2.wav", "avertissement: " + std::string(TraceIncomplet)}));
    }

    void entreeSelectionneLeChampSuivant()
    {
        auto auClavier = [](QDialog* d) {
            for (const char* texte : {"-2", "3", "-1", "1"}) {
                QWidget* champ = d->focusWidget();
                QTest::keyClicks(champ, texte);
                QTest::keyClick(champ, Qt::Key_Return);
            }
        };
        AvecDialogue("Coords", auClavier);
        AvecDialogue("Coords", auClavier); // the fields still hold the first texts
        QCOMPARE(Fenetre().mid(0, 4), (QStringList{"-2.0000000", "3.0000000", "-1.0000000", "1.0000000"}));
        Trace("SpeedButton4", "cos(t)", "sin(t)");
        QTest::keyClick(Champ("FonctionXouRo"), Qt::Key_Return);
        QTest::keyClicks(Champ("FonctionY"), "t");
        QCOMPARE(Champ("FonctionY")->text(), QString("t"));
    }

    void listeDesFonctionsEntiere()
    {
        Clique("SpeedButton1");
        auto* liste = LesFenetres().Fonctions->findChild<QListWidget*>("ListBox1");
        const QRect derniere = liste->visualItemRect(liste->item(liste->count() - 1));
        QVERIFY(liste->viewport()->rect().contains(derniere) ||
                liste->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
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
