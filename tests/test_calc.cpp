// The calculator window, driven through its real controls.
#include "app/fenetres/Activation.h"
#include "app/fenetres/Fenetres.h"
#include "app/fenetres/TAboutBox.h"
#include "app/fenetres/TOptionCalc.h"
#include "app/modele/Options.h"
#include "calc/fenetres/TCalculatrice.h"
#include "calc/fenetres/THistorique.h"
#include "calc/modele/LigneEntree.h"
#include "calc/modele/Touches.h"
#include "commun/Bac.h"
#include "commun/Banc.h"
#include "commun/PlateformeEnregistreuse.h"
#include "commun/Proche.h"
#include "funclang/Nombres.h"
#include "funclang/Texte.h"
#include "funclang/fenetres/TFonctions.h"
#include "graph/fenetres/TGraph.h"
#include "matrix/fenetres/TMatrice.h"
#include "solver/fenetres/TSolveur.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QtTest>

#include <memory>

#include <unistd.h>

class TestCalc : public QObject, protected Banc {
    Q_OBJECT

    TCalculatrice* c_ = nullptr;

    QString Texte(const char* nom) { return c_->findChild<QLabel*>(nom)->text(); }
    QPushButton* Bouton(const char* nom) { return c_->findChild<QPushButton*>(nom); }
    QAction* Action(const char* nom) { return c_->findChild<QAction*>(nom); }
    QLineEdit* Acquisition() { return c_->findChild<QLineEdit*>("Acquisition"); }
    QPlainTextEdit* EcranR() { return c_->findChild<QPlainTextEdit*>("EcranR"); }
    void Clique(const char* nom) { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }

    void Tape(const QString& texte)
    {
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QTest::keyClicks(Acquisition(), texte);
        QTest::keyClick(Acquisition(), Qt::Key_Return);
    }
    void Entre(const QString& re, const QString& im = "0")
    {
        Tape(re);
        Tape(im);
    }
    void VerifieLigne(int n, const QString& r, const QString& s, const QString& i)
    {
        QCOMPARE(Texte(qPrintable(QString("Ligne%1R").arg(n))), r);
        QCOMPARE(Texte(qPrintable(QString("Signe%1").arg(n))), s);
        QCOMPARE(Texte(qPrintable(QString("Ligne%1C").arg(n))), i);
    }

private slots:
    void lecteurDEcranToutesLesTouchesEtLaPile()
    {
        // A screen reader says each key's meaning, not its glyph, and its hint.
        const QMap<QString, QString> glyphes = {{"Sqrtx", "Racine carrée"}, {"ySqrx", "Racine y-ième"},
                                                {"xcarre", "Carré"}, {"Swap", "Echange x et y"},
                                                {"Oppose", "Opposé"}, {"Btnpi", "Constante pi"},
                                                {"Divise", "Division"}, {"Degre3", "Equation du 3ème degré"}};
        QSet<QString> noms;
        for (const DefinitionTouche& d : LesTouches()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Bouton(d.nom));
            noms.insert(a->text(QAccessible::Name));
            QCOMPARE(a->text(QAccessible::Description), QString::fromUtf8(d.aide));
            if (glyphes.contains(d.nom))
                QCOMPARE(a->text(QAccessible::Name), glyphes[d.nom]);
        }
        QCOMPARE(noms.size(), 34); // 34 keys, 34 different names
        Entre("3", "-4");
        Entre("0.5");
        for (const auto& [ligne, texte] : {std::pair{"Ligne1C", "Ligne 1 : 0.5"}, std::pair{"Signe2", "Ligne 2 : 3-4i"},
                                           std::pair{"Ligne3R", "Ligne 3 : 0"}}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c_->findChild<QLabel*>(ligne));
            QCOMPARE(a->text(QAccessible::Description), QString(texte));
        }
        // The entry field by its caption; R / C described by its new hint.
        QCOMPARE(QAccessible::queryAccessibleInterface(Acquisition())->text(QAccessible::Name), QString("Partie Réelle :"));
        Clique("SwapBtn");
        QCOMPARE(QAccessible::queryAccessibleInterface(Bouton("SwapBtn"))->text(QAccessible::Description),
                 QString("Calculs dans R ."));
    }

    void init()
    {
        Installe();
        SuiviActivation::Oublie();
        CreeFenetres();
        c_ = LesFenetres().Calculatrice;
        QVERIFY(MontreActive(c_));
    }

    void cleanup()
    {
        DetruitFenetres();
        Retire();
    }

    void fenetreEtComposants()
    {
        QCOMPARE(c_->windowTitle(), QString("Calculette"));
        QCOMPARE(c_->centralWidget()->width(), 486);
        QCOMPARE(c_->centralWidget()->height() + c_->statusBar()->height(), 363);
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(Texte(qPrintable(QString("i%1").arg(n))), QString("i"));
            QCOMPARE(Texte(qPrintable(QString("LabelLigne%1").arg(n))), QString("%1:").arg(n));
            QVERIFY(c_->findChild<QLabel*>(QString("Ligne%1R").arg(n))->font().bold());
        }
        // Line 1 at the bottom.
        QVERIFY(c_->findChild<QLabel*>("Ligne1R")->y() > c_->findChild<QLabel*>("Ligne5R")->y());
        QCOMPARE(Bouton("Btnpi")->text(), QString("π"));
        QCOMPARE(Bouton("Coord")->text(), QString("(x,y)"));
        QVERIFY(!Bouton("MesureAngle")->isEnabled());
        VerifieLigne(1, " 0.00000000000000E+0000", "+", " 0.00000000000000E+0000");
    }

    void saisieDUnComplexe()
    {
        for (int k = 1; k <= 5; ++k)
            Entre(QString::number(k));
        Entre("3", "-4");
        VerifieLigne(1, " 3.00000000000000E+0000", "--", " 4.00000000000000E+0000");
        VerifieLigne(5, " 2.00000000000000E+0000", "+", " 0.00000000000000E+0000");
        QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
        QVERIFY(c_->findChild<QWidget*>("EcranPile")->hasFocus());
    }

    // After an entry the focus rests on the stack display: Space does not
    // quit, and typing goes on without the mouse.
    void saisieAuClavierSansSouris()
    {
        Entre("7");
        QWidget* pile = c_->findChild<QWidget*>("EcranPile");
        QTest::keyClick(pile, Qt::Key_Space);
        QTest::keyClick(pile, Qt::Key_Return);
        QVERIFY(c_->isVisible());
        QCOMPARE(c_->LaPile()[1].Re, 7.0L);
        for (const char* touches : {"1\r0\r", "2\r0\r"})
            for (const char* t = touches; *t; ++t) {
                QWidget* ici = QApplication::focusWidget();
                QVERIFY(ici == pile || ici == Acquisition());
                if (*t == '\r')
                    QTest::keyClick(ici, Qt::Key_Return);
                else
                    QTest::keyClicks(ici, QString(*t));
            }
        QTest::keyClicks(QApplication::focusWidget(), "+");
        QCOMPARE(c_->LaPile()[1].Re, 3.0L);
        QCOMPARE(c_->LaPile()[2].Re, 7.0L);
        // After "R / C" the focus goes where the user types.
        Clique("SwapBtn");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(EcranR()));
        Clique("SwapBtn");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Acquisition()));
    }

    void copierColler()
    {
        Entre("2,5"); // a decimal comma in the entry field
        Entre("3", "-4");
        QWidget* pile = c_->findChild<QWidget*>("EcranPile");
        QTest::keyClick(pile, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("3-4i"));
        // A click chooses line 2.
        QTest::mouseClick(pile, Qt::LeftButton, {}, QPoint(100, 4 + 3 * 26 + 10));
        QTest::keyClick(pile, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2.5"));
        // Pasted into the entry field, read by its reader.
        QGuiApplication::clipboard()->setText("1,5");
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QTest::keyClick(Acquisition(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(Acquisition(), Qt::Key_Return);
        Tape("0");
        QCOMPARE(c_->LaPile()[1].Re, 1.5L);
    }

    // arccos(-2) on its principal branch, as the stack shows it (it showed -π).
    void arcCosinusPrincipal()
    {
        Entre("-2");
        Clique("ArcCos");
        VerifieLigne(1, " 3.14159265358979E+0000", "--", " 1.31695789692482E+0000");
        QVERIFY(p_->journal.empty());
    }

    void carreQuiDeborde()
    {
        Entre("5");
        Entre("1E4000");
        p_->Vide();
        Clique("xcarre");
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Dépassement de capacité ."}));
        QCOMPARE(c_->LaPile()[1].Re, 1E4000L);
        QCOMPARE(c_->LaPile()[2].Re, 5.0L);
        QCOMPARE(Texte("Ligne1R"), QString(" 1.00000000000000E+4000"));
    }

    void legendesExactes()
    {
        const std::pair<QWidget*, const char*> Fenetres[] = {
            {c_, "Calculette"}, {LesFenetres().Graph, "Module graphique"},
            {LesFenetres().Matrice, "Module matriciel"}, {LesFenetres().Solveur, "Module solveur"},
            {LesFenetres().OptionCalc, "Options"},
            {LesFenetres().Fonctions, "Liste des fonctions"}};
        for (auto [fenetre, titre] : Fenetres)
            QCOMPARE(fenetre->windowTitle(), QString(titre));
        // No display name for the window system to append.
        const QString nom = QCoreApplication::applicationName();
        NommeApplication();
        QCoreApplication::setApplicationName("Essai");
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Essai"));
        QCoreApplication::setApplicationName(nom);
    }

    void affichagePolaireEtDegres()
    {
        Entre("3", "-4");
        Clique("Coord");
        QCOMPARE(Bouton("Coord")->text(), QString("(r,θ)"));
        VerifieLigne(1, " 5.00000000000000E+0000", "--", " 9.27295218001612E-0001");
        Clique("MesureAngle");
        QCOMPARE(Bouton("MesureAngle")->text(), QString("deg"));
        VerifieLigne(1, " 5.00000000000000E+0000", "--", " 5.31301023541560E+0001");
        // Leaving polar form and coming back shows radians again.
        Clique("Coord");
        VerifieLigne(1, " 3.00000000000000E+0000", "--", " 4.00000000000000E+0000");
        QCOMPARE(Bouton("MesureAngle")->text(), QString("rad"));
        QVERIFY(!Bouton("MesureAngle")->isEnabled());
        Clique("Coord");
        VerifieLigne(1, " 5.00000000000000E+0000", "--", " 9.27295218001612E-0001");
    }

    void modulesAuxBordsDuDomaine()
    {
        // Squares beyond the extended range: the modulus is still shown.
        Entre("-5.86036994752296E+2632", "5.40789482743750E+2632");
        Clique("Coord");
        VerifieLigne(1, " 7.97428757861513E+2632", "+", " 2.39632774694561E+0000");
        Entre("1E-2500", "1E-2500");
        VerifieLigne(1, " 1.41421356237310E-2500", "+", " 7.85398163397448E-0001");
    }

    void moinsUnEnPolaire()
    {
        Entre("-1");
        Clique("Coord");
        VerifieLigne(1, " 1.00000000000000E+0000", "+", " 3.14159265358979E+0000");
        Entre("5"); // a zero angle with its "+"
        VerifieLigne(1, " 5.00000000000000E+0000", "+", " 0.00000000000000E+0000");
    }

    void operationsADeuxTermes_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<long double>("attendu");
        QTest::addColumn<int>("ulps");
        QTest::newRow("/") << "Divise" << 2.0L << 0;
        QTest::newRow("-") << "Moins" << 3.0L << 0;
        QTest::newRow("*") << "Multiplie" << 18.0L << 0;
        QTest::newRow("+") << "Plus" << 9.0L << 0;
        QTest::newRow("x^y") << "xPuisy" << 216.0L << 16;
    }

    void operationsADeuxTermes()
    {
        QFETCH(QString, bouton);
        QFETCH(long double, attendu);
        QFETCH(int, ulps);
        Entre("7");
        Entre("6");
        Entre("3");
        Clique(qPrintable(bouton));
        const TComplexe z = c_->LaPile()[1];
        QVERIFY2(ProcheReel(z.Re, attendu, ulps) && std::fabs(z.Im) <= 16 * Ulp(attendu), qPrintable(::Texte(z)));
        QCOMPARE(c_->LaPile()[2].Re, 7.0L);
        QCOMPARE(c_->LaPile()[5].Re, 0.0L);
    }

    void racineYiemeDeX()
    {
        Entre("8");
        Entre("3");
        Clique("ySqrx");
        QVERIFY2(Proche(c_->LaPile()[1], {2, 0}, 16), qPrintable(::Texte(c_->LaPile()[1])));
    }

    void equationDuPremierDegre()
    {
        Entre("2");
        Clique("Btnpi");
        Clique("Degre1");
        QVERIFY(Proche(c_->LaPile()[1], {-PiEtendu / 2, 0}));
        VerifieLigne(1, "-1.57079632679490E+0000", "+", " 0.00000000000000E+0000");
    }

    void equationDuSecondDegre()
    {
        Entre("9");
        Entre("8");
        Entre("1");
        Entre("0");
        Entre("1");
        Action("Eqn2")->trigger();
        QVERIFY(Proche(c_->LaPile()[2], {0, 1}));
        QVERIFY(Proche(c_->LaPile()[1], {0, -1}));
        QVERIFY(c_->LaPile()[1].Re != 0.0L);
        QCOMPARE(c_->LaPile()[3].Re, 8.0L);
        QCOMPARE(c_->LaPile()[4].Re, 9.0L);
        QCOMPARE(c_->LaPile()[5].Re, 0.0L);
    }

    void effaceLigneEtTout()
    {
        for (int k = 1; k <= 5; ++k)
            Entre(QString::number(k));
        Clique("Effaceligne");
        QCOMPARE(c_->LaPile()[5].Re, 0.0L);
        QCOMPARE(c_->LaPile()[1].Re, 4.0L);
        Clique("Effacetout");
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(c_->LaPile()[n].Re, 0.0L);
    }

    void erreursDeDivisionSurLaPile_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<long double>("ligne1");
        QTest::addColumn<long double>("ligne2");
        QTest::newRow("5 / 0: 0 et descente") << "Divise" << 0.0L << 9.0L;
        QTest::newRow("1/0: ligne 1 intacte") << "InvX" << 0.0L << 5.0L;
        QTest::newRow("0 ^ 0 intact, descente") << "xPuisy" << 0.0L << 9.0L;
        QTest::newRow("ln 0 intact") << "Logarithme" << 0.0L << 5.0L;
    }

    void erreursDeDivisionSurLaPile()
    {
        QFETCH(QString, bouton);
        QFETCH(long double, ligne1);
        QFETCH(long double, ligne2);
        Entre("9");
        Entre(bouton == "xPuisy" ? "0" : "5");
        Entre("0");
        p_->Vide();
        Clique(qPrintable(bouton));
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Division par zéro."}));
        QCOMPARE(c_->LaPile()[1].Re, ligne1);
        QCOMPARE(c_->LaPile()[2].Re, ligne2);
    }

    // Enter on an empty field: line 1 duplicated at the first step, the
    // imaginary part 0 at the second; Enter on the stack does the same.
    void entreeSurChampVide()
    {
        Entre("4");
        Tape("");
        QCOMPARE(c_->LaPile()[1].Re, 4.0L);
        QCOMPARE(c_->LaPile()[2].Re, 4.0L);
        Tape("5");
        QVERIFY(c_->findChild<QLabel*>("SaisieEnCours")->isVisible());
        QCOMPARE(Texte("SaisieEnCours"), QString("5 + … i"));
        Tape("");
        QVERIFY(!c_->findChild<QLabel*>("SaisieEnCours")->isVisible());
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("5"));
        QCOMPARE(c_->LaPile()[3].Re, 4.0L);
        QTest::keyClick(c_->findChild<QWidget*>("EcranPile"), Qt::Key_Return);
        QCOMPARE(c_->LaPile()[2].Re, 5.0L);
        QCOMPARE(c_->LaPile()[4].Re, 4.0L);
        QCOMPARE(c_->Modele().EtapesAnnulables(), std::size_t(4));
        QCOMPARE(c_->Modele().LHistorique().Entrees().size(), std::size_t(2));
        QVERIFY(p_->journal.empty());
    }

    // An operation enters the number typed first (two undo steps); a text
    // that does not read beeps and nothing else happens.
    void operationSurLeNombreTape()
    {
        Entre("3");
        Entre("2");
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QTest::keyClicks(Acquisition(), "10");
        Clique("Plus");
        QCOMPARE(c_->LaPile()[1].Re, 12.0L);
        QCOMPARE(c_->LaPile()[2].Re, 3.0L);
        QCOMPARE(Acquisition()->text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, 10.0L);
        QCOMPARE(c_->LaPile()[2].Re, 2.0L);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, 2.0L);
        QCOMPARE(c_->LaPile()[2].Re, 3.0L);
        QCOMPARE(Acquisition()->text(), QString());
        QCOMPARE(c_->Modele().EtapeSaisie(), 0);
        // At the second step the number typed is the imaginary part; "*" typed
        // in the field runs the product.
        Tape("1");
        QTest::keyClicks(Acquisition(), "2*");
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("2+4i"));
        QCOMPARE(c_->LaPile()[2].Re, 3.0L);
        p_->Vide();
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QTest::keyClicks(Acquisition(), "abc");
        Action("Calc1")->trigger();
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        QCOMPARE(Acquisition()->text(), QString("abc"));
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("2+4i"));
    }

    // Undo brings the entry back clean: never the real part of an entry
    // waiting for its imaginary part.
    void annulerRendUneSaisiePropre()
    {
        Entre("2");
        Entre("3");
        Clique("Plus");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        Tape("5");
        Tape("");
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("5"));
        QCOMPARE(c_->LaPile()[2].Re, 2.0L);
        QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
    }

    // The clear keys drop a pending real part and what is typed.
    void effacerAbandonneLaSaisie_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("C") << "Effacetout";
        QTest::newRow("CE") << "Effaceligne";
    }
    void effacerAbandonneLaSaisie()
    {
        QFETCH(QString, bouton);
        Tape("1E4000");
        QTest::keyClicks(Acquisition(), "8");
        Clique(qPrintable(bouton));
        QCOMPARE(Acquisition()->text(), QString());
        QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
        Entre("7");
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("7"));
        QCOMPARE(c_->LaPile()[2].Re, 0.0L);
    }

    // An equation whose leading coefficient is 0: one warning after the error
    // sound, and nothing else changes.
    void equationACoefficientDominantNul()
    {
        for (const char* v : {"0", "1", "-6", "11", "-6"})
            Entre(v);
        const Pile avant = c_->LaPile();
        p_->Vide();
        Clique("Degre4");
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav",
                                                        "avertissement: Le coefficient du terme de plus haut degré est nul ."}));
        QVERIFY(MemesBits(c_->LaPile(), avant));
        QVERIFY(c_->Modele().LHistorique().Entrees().empty());
    }

    // The stack tools on -3+4i, by their keys.
    void outilsDeLaPile_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("degres");
        QTest::addColumn<QStringList>("lignes"); // lines 1 to 5 after, in the copy form
        const QStringList pile{"-3+4i", "1", "2", "3", "4"};
        QTest::newRow("Dupliquer") << int(Qt::Key_D) << false << QStringList{"-3+4i", "-3+4i", "1", "2", "3"};
        QTest::newRow("Rotation") << int(Qt::Key_R) << false << QStringList{"1", "2", "3", "4", "-3+4i"};
        QTest::newRow("Module") << int(Qt::Key_M) << false << QStringList{"5", "1", "2", "3", "4"};
        QTest::newRow("Argument") << int(Qt::Key_G) << false << QStringList{"2.21429743558818", "1", "2", "3", "4"};
        QTest::newRow("Argument en degrés") << int(Qt::Key_G) << true
                                          << QStringList{"126.869897645844", "1", "2", "3", "4"};
    }
    void outilsDeLaPile()
    {
        QFETCH(int, touche);
        QFETCH(QStringList, lignes);
        for (const char* v : {"4", "3", "2", "1"})
            Entre(v);
        Entre("-3", "4");
        if (Donnee<bool>("degres")) {
            Clique("Coord");
            Clique("MesureAngle");
        }
        const Pile avant = c_->LaPile();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche), Qt::ControlModifier);
        for (int n = 1; n <= 5; ++n) {
            const TComplexe z = c_->LaPile()[n];
            const std::string attendu = lignes[n - 1].toStdString();
            if (attendu.back() == 'i') {
                QCOMPARE(TexteCopie(z), attendu);
            } else { // a real value, to the 15 digits the display shows
                QCOMPARE(z.Im, 0.0L);
                QCOMPARE(TexteNombre(z.Re), TexteNombre(LitNombre(attendu).value()));
            }
        }
        QCOMPARE(c_->Modele().LHistorique().Entrees().size(), std::size_t(1));
        Action("DernierArgument")->trigger();
        QCOMPARE(TexteCopie(c_->LaPile()[1]), std::string("-3+4i"));
        Action("Annuler")->trigger();
        Action("Annuler")->trigger();
        QVERIFY(MemesBits(c_->LaPile(), avant));
    }

    // The entry field on Enter: one whole number, or in the first step a
    // copied value with both its parts; anything else beeps and stays.
    void saisieDuChamp_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("ligne1"); // line 1 in the copy form, or "bip"
        for (const char* t : {"abc", "--3", "12abc", "(3,-4", "(3;-4)", "(3,,4)", "3--4i", "i", "3-4i 5", "3 -4i"})
            QTest::newRow(t) << t << "bip";
        QTest::newRow("(3,-4)") << "(3,-4)" << "3-4i";
        QTest::newRow("(13.53,-2)") << "(13.53,-2)" << "13.53-2i";
        QTest::newRow("( 1E3 , 0 )") << "( 1E3 , 0 )" << "1E3";
        QTest::newRow("1,5") << "1,5" << "1.5";
        QTest::newRow(" 2,5 ") << " 2,5 " << "2.5";
        QTest::newRow("5.") << "5." << "5";
        QTest::newRow("2.E3") << "2.E3" << "2E3";
        QTest::newRow("3-4i") << "3-4i" << "3-4i";
        QTest::newRow("-2.5E-7+1i") << "-2.5E-7+1i" << "-2.5E-7+1i";
        QTest::newRow("4i") << "4i" << "4i";
        QTest::newRow("-4,5i") << "-4,5i" << "-4.5i";
        QTest::newRow("1E5-2E-3i") << "1E5-2E-3i" << "1E5-0.002i";
    }
    void saisieDuChamp()
    {
        QFETCH(QString, texte);
        QFETCH(QString, ligne1);
        Entre("7", "0");
        p_->Vide();
        Tape(texte);
        if (ligne1 == "bip") {
            QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
            QCOMPARE(Acquisition()->text(), texte);
            QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
            QCOMPARE(c_->LaPile()[1].Re, 7.0L);
            return;
        }
        if (Texte("Parties") == "Partie Imaginaire :") {
            // A number is the real part; the second step takes one number only.
            Tape("4i");
            QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
            Acquisition()->clear();
            Tape("0");
        }
        QCOMPARE(QString::fromStdString(TexteCopie(c_->LaPile()[1])), ligne1);
        QCOMPARE(c_->LaPile()[2].Re, 7.0L);
    }

    void saisieDeCinqMilleChiffres()
    {
        Entre(QString(5000, '7').prepend("0."));
        QVERIFY(ProcheReel(c_->LaPile()[1].Re, 0.7777777777777777777777L, 1));
        QVERIFY(p_->journal.empty());
    }

    void depassementRefuse()
    {
        Entre("2");
        Tape("1e99999");
        QCOMPARE(p_->Messages(), (std::vector<std::string>{"erreur: Dépassement de capacité ."}));
        QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
        Acquisition()->clear();
        Tape("1");
        Tape("1e-99999"); // an underflow is 0, not an error
        QCOMPARE(c_->LaPile()[1].Re, 1.0L);
        QCOMPARE(c_->LaPile()[2].Re, 2.0L);
        QCOMPARE(p_->Messages().size(), std::size_t(1));
        // A copied value with a part beyond every number: the same message,
        // nothing lifted.
        Tape("1e99999-4i");
        QCOMPARE(p_->Messages().size(), std::size_t(2));
        QCOMPARE(c_->LaPile()[1].Re, 1.0L);
    }

    // The menus stay enabled while the field has the focus: their commands
    // enter the number typed first.
    void menusActifsPendantLaSaisie()
    {
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QVERIFY(Acquisition()->hasFocus());
        for (const char* nom : {"Ciao", "Graphe", "Mat", "Solveur"})
            QVERIFY2(Action(nom)->isEnabled(), nom);
        for (const char* nom : {"Solve", "Functions", "Ctes", "Edition"})
            QVERIFY2(c_->findChild<QMenu*>(nom)->menuAction()->isEnabled(), nom);
    }

    void modeReelEtActivation()
    {
        EnregistreOptions(TOptions{"classique", 2, true, 5, {}});
        SuiviActivation::Activee(LesFenetres().Graph);
        SuiviActivation::Activee(c_);
        QVERIFY(!c_->ModeComplexe());
        QVERIFY(EcranR()->isVisible());
        QVERIFY(Bouton("SwapBtn")->isChecked());
        QVERIFY(!Bouton("Degre2")->isEnabled());
        QVERIFY(!Acquisition()->isVisible());
        QVERIFY(!c_->findChild<QMenu*>("Solve")->menuAction()->isEnabled());
        Clique("SwapBtn");
        QVERIFY(c_->ModeComplexe());
        QVERIFY(!EcranR()->isVisible());
        // A message box does not count as another window; the matrix window does.
        SuiviActivation::Activee(c_);
        QVERIFY(c_->ModeComplexe());
        SuiviActivation::Activee(LesFenetres().Matrice);
        SuiviActivation::Activee(c_);
        QVERIFY(!c_->ModeComplexe());
    }

    void toucheEnModeReel()
    {
        Clique("SwapBtn");
        QVERIFY(!c_->ModeComplexe());
        EcranR()->setFocus();
        Clique("Sinus");
        QTest::keyClicks(EcranR(), "2)");
        QCOMPARE(EcranR()->toPlainText(), QString("Sin(2)"));
        Clique("Effacetout");
        QCOMPARE(EcranR()->toPlainText(), QString());
        QCOMPARE(c_->LigneCourante(), 0);
    }

    void menusEnModeReelAjoutentLeurTexte_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("texte");
        QTest::newRow("Cste2") << "Cste2" << "pi";
        QTest::newRow("Calc5") << "Calc5" << "1/";
        QTest::newRow("Trig3") << "Trig3" << "Tan(";
        QTest::newRow("Inv1") << "Inv1" << "ArcCos(";
        QTest::newRow("Hyper1") << "Hyper1" << "Ch(";
        QTest::newRow("Invh2") << "Invh2" << "ArgSh(";
        QTest::newRow("Inh3") << "Inh3" << "ArgTh(";
        QTest::newRow("Puis6") << "Puis6" << "Carre(";
        QTest::newRow("Puis1") << "Puis1" << "^";
        QTest::newRow("Puis2") << "Puis2" << "^(1/";
        QTest::newRow("Puis5") << "Puis5" << "Racine(";
        QTest::newRow("Puis3") << "Puis3" << "Exp(";
        QTest::newRow("Puis4") << "Puis4" << "Ln(";
    }

    void menusEnModeReelAjoutentLeurTexte()
    {
        QFETCH(QString, action);
        QFETCH(QString, texte);
        Entre("5");
        Clique("SwapBtn");
        Action(qPrintable(action))->trigger();
        QCOMPARE(EcranR()->toPlainText(), texte);
        QCOMPARE(c_->LaPile()[1].Re, 5.0L); // the hidden stack is left alone
    }

    void evalueLigne_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("resultat"); // the number text, or the message
        QTest::newRow("2+3") << "2+3" << " 5.00000000000000E+0000";
        QTest::newRow("1/3*3") << "1/3*3" << " 9.99999999999999E-0001";
        QTest::newRow("2+3*4") << "2+3*4" << " 1.40000000000000E+0001";
        QTest::newRow("2^3^2") << "2^3^2" << " 6.40000000000000E+0001";
        QTest::newRow("2^-2") << "2^-2" << " 2.50000000000000E-0001";
        QTest::newRow("10/4") << "10/4" << " 2.50000000000000E+0000";
        QTest::newRow("1e+3") << "1e+3" << " 1.00000000000000E+0003";
        QTest::newRow("1E-3") << "1E-3" << " 1.00000000000000E-0003";
        QTest::newRow("1/2e-3") << "1/2e-3" << " 5.00000000000000E+0002";
        QTest::newRow("2^1e+2") << "2^1e+2" << " 1.26765060022823E+0030";
        QTest::newRow("-5+3") << "-5+3" << "-2.00000000000000E+0000";
        QTest::newRow("2*-3") << "2*-3" << "-6.00000000000000E+0000";
        QTest::newRow("sin(0)") << "sin(0)" << " 0.00000000000000E+0000";
        QTest::newRow("Sin(2)") << "Sin(2)" << " 9.09297426825682E-0001";
        QTest::newRow("arccos(1)") << "arccos(1)" << " 0.00000000000000E+0000";
        QTest::newRow("arccos(0)") << "arccos(0)" << " 1.57079632679490E+0000";
        QTest::newRow("arccos(-1)") << "arccos(-1)" << " 3.14159265358979E+0000";
        QTest::newRow("0^0") << "0^0" << " 0.00000000000000E+0000";
        QTest::newRow("carre(racine(2))") << "carre(racine(2))" << " 2.00000000000001E+0000"; // the root is carried with 15 digits
        QTest::newRow("ln(exp(1))") << "ln(exp(1))" << " 1.00000000000000E+0000";
        QTest::newRow("2*3/") << "2*3/" << "Expression incorrecte.";
        QTest::newRow("2*3*") << "2*3*" << "Expression incorrecte.";
        QTest::newRow("2^3^") << "2^3^" << "Expression incorrecte.";
        QTest::newRow("sqrt(4)") << "sqrt(4)" << "Expression incorrecte.";
        QTest::newRow("2(1+1)") << "2(1+1)" << "Expression incorrecte.";
        QTest::newRow("1.2.3") << "1.2.3" << "Expression incorrecte.";
        QTest::newRow("5.") << "5." << " 5.00000000000000E+0000";
        QTest::newRow("-sin(2)") << "-sin(2)" << "-9.09297426825682E-0001";
        QTest::newRow("-sin(2)^2") << "-sin(2)^2" << "Dépassement de capacité.";
        QTest::newRow("3*-(2)") << "3*-(2)" << "-6.00000000000000E+0000";
        QTest::newRow("abs(-5)") << "abs(-5)" << " 5.00000000000000E+0000";
        QTest::newRow("fact(5)") << "fact(5)" << " 1.20000000000000E+0002";
        QTest::newRow("log(100)") << "log(100)" << " 2.00000000000000E+0000";
        QTest::newRow("int(-2.5)") << "int(-2.5)" << "-2.00000000000000E+0000";
        QTest::newRow("fact(2.5)") << "fact(2.5)" << "Paramètre de factorielle non entier .";
        QTest::newRow("2,5*2") << "2,5*2" << " 5.00000000000000E+0000";
        QTest::newRow("argch(4/0)") << "argch(4/0)" << "Division par zéro.";
        QTest::newRow("sin(PI/2)") << "sin(PI/2)" << " 1.00000000000000E+0000";
        QTest::newRow("racine(-4)") << "racine(-4)" << "Racine carrée d'un nombre négatif.";
        QTest::newRow("arcsin(1)") << "arcsin(1)" << "Valeur interdite pour ArcSinus .";
        QTest::newRow("arccos(2)") << "arccos(2)" << "Valeur interdite pour ArcCosinus .";
        QTest::newRow("argch(0)") << "argch(0)" << "Valeur interdite pour ArgCh .";
        QTest::newRow("argth(1)") << "argth(1)" << "Valeur interdite pour ArgTh .";
        QTest::newRow("ln(0)") << "ln(0)" << "Logarithme d'un nombre négatif ou nul.";
        QTest::newRow("-2^2") << "-2^2" << "Dépassement de capacité.";
        QTest::newRow("(0-2)^2") << "(0-2)^2" << "Dépassement de capacité.";
        QTest::newRow("exp(100000)") << "exp(100000)" << "Dépassement de capacité.";
        QTest::newRow("1e4000*1e4000") << "1e4000*1e4000" << "Expression incorrecte.";
        QTest::newRow("1e99999") << "1e99999" << "Expression incorrecte.";
        QTest::newRow("1/0") << "1/0" << "Division par zéro.";
        QTest::newRow("inv(0)") << "inv(0)" << "division par zéro.";
        QTest::newRow("le premier message gagne") << "inv(0)+1/0" << "division par zéro.";
        QTest::newRow("()") << "()" << "Parenthèses incorrectement placées.";
        QTest::newRow("(2") << "(2" << "Il manque une parenthèse fermante.";
        QTest::newRow("2)") << "2)" << "Il manque une parenthèse ouvrante.";
        QTest::newRow("2000 parenthèses") << QString(2000, '(') + "1" << "Il manque une parenthèse fermante.";
        QTest::newRow("imbrication équilibrée") << QString(2000, '(') + "1" + QString(2000, ')') << " 1.00000000000000E+0000";
    }

    void evalueLigne()
    {
        QFETCH(QString, ligne);
        QFETCH(QString, resultat);
        const EvaluationLigne e = EvalueLigne(ligne.toStdString(), 0, Jete());
        const QString obtenu = QString::fromStdString(e.faute ? e.faute->message : TexteNombre(e.valeur));
        QCOMPARE(obtenu, resultat);
        QVERIFY(p_->journal.empty());
    }

    void longueurDeLigneLimite()
    {
        const QString limite = QString("1+").repeated(4999) + "10"; // 10,000 characters
        QCOMPARE(QString::fromStdString(TexteNombre(EvalueLigne(limite.toStdString(), 0, Jete()).valeur)),
                 QString(" 5.00900000000000E+0003"));
        const EvaluationLigne trop = EvalueLigne((limite + "0").toStdString(), 0, Jete());
        QVERIFY(trop.faute);
        QCOMPARE(trop.faute->message, std::string("Expression trop longue."));
        // Characters, not bytes: 10,000 accented letters are not too long.
        const std::string accents = QString(LongueurTexteMax, QChar(0xE9)).toStdString();
        QCOMPARE(EvalueLigne(accents, 0, Jete()).faute->message, std::string("Expression incorrecte."));
    }

    void lignesQuelconquesTerminent()
    {
        for (const QString& ligne : {QString("+-*/^").repeated(2000), QString("1e").repeated(5000),
                                     QString(")(").repeated(5000), QString("x").repeated(10000),
                                     QString("9^9^9^9^9^9"), QString("abs(-5)"), QString("3*-(2)")}) {
            const EvaluationLigne e = EvalueLigne(ligne.toStdString(), 0, Jete());
            QVERIFY(e.faute || std::isfinite(e.valeur));
        }
    }

    void entreeDansLEcran_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<int>("ligneCourante");
        QTest::addColumn<QString>("message");
        QTest::newRow("2+3") << "2+3" << "2+3\n=  5.00000000000000E+0000\n" << 2 << "";
        QTest::newRow("1/0") << "1/0" << "1/0\n" << 1 << "Division par zéro.";
        QTest::newRow("inv(0)") << "inv(0)" << "inv(0)\n" << 1 << "division par zéro.";
        QTest::newRow("ligne vide") << "" << "\n" << 1 << "";
    }

    void entreeDansLEcran()
    {
        QFETCH(QString, ligne);
        QFETCH(QString, ecran);
        QFETCH(int, ligneCourante);
        QFETCH(QString, message);
        Clique("SwapBtn");
        QTest::keyClicks(EcranR(), ligne);
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QCOMPARE(EcranR()->toPlainText(), ecran);
        QCOMPARE(c_->LigneCourante(), ligneCourante);
        std::vector<std::string> journal{"son: Son1.wav"};
        if (!message.isEmpty())
            journal.push_back("erreur: " + message.toStdString());
        else if (!ligne.isEmpty())
            journal.clear();
        QCOMPARE(p_->journal, journal);
    }

    // « Règles usuelles »: the rules in force beside the lines, kept in the
    // settings from the user's first choice on; variables typed and listed.
    void reglesUsuellesEtVariables()
    {
        QVERIFY(!QString::fromStdString(bac_->TexteReglages()).contains("Regles"));
        Clique("SwapBtn");
        const auto entre = [this](const QString& ligne) {
            QTest::keyClicks(EcranR(), ligne);
            QTest::keyClick(EcranR(), Qt::Key_Return);
        };
        QCOMPARE(Texte("ReglesLigne"), QString("15 ch."));
        QVERIFY(c_->findChild<QLabel*>("ReglesLigne")->isVisible());
        entre("-2^2");
        QCOMPARE(p_->Messages().back(), std::string("erreur: Dépassement de capacité."));
        // From the menu, by its keys: Alt+E, then S.
        const auto menu = [this](char lettre) {
            QTest::keyClick(c_, Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), lettre);
        };
        menu('s');
        QCOMPARE(Texte("ReglesLigne"), QString("80 bits"));
        QVERIFY(QString::fromStdString(bac_->TexteReglages()).contains("Regles=usuelles"));
        p_->Vide();
        entre("-2^2");
        entre("a = 3");
        entre("a^2");
        Clique("Btnpi");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        const QStringList lignes = EcranR()->toPlainText().split('\n');
        QCOMPARE(lignes.mid(lignes.size() - 9),
                 (QStringList{"-2^2", "= -4.00000000000000E+0000", "a = 3", "a =  3.00000000000000E+0000", "a^2",
                              "=  9.00000000000000E+0000", "pi", "=  3.14159265358979E+0000", ""}));
        QVERIFY(p_->journal.empty());
        // The variables window lists them and removes them.
        entre("b = a/4");
        menu('v');
        auto* liste = c_->findChild<QTableWidget*>("ListeVariables");
        QVERIFY(liste && liste->isVisible());
        QCOMPARE((QStringList{liste->item(0, 0)->text(), liste->item(1, 1)->text()}), (QStringList{"a", "0.75"}));
        liste->setCurrentCell(0, 0);
        QTest::mouseClick(liste->window()->findChild<QPushButton*>("SupprimerVariable"), Qt::LeftButton);
        QCOMPARE(liste->rowCount(), 1);
        entre("a");
        QCOMPARE(p_->Messages().back(), std::string("erreur: Variable inconnue : a."));
        // A new run reads the rules chosen.
        DetruitFenetres();
        SuiviActivation::Oublie();
        CreeFenetres();
        c_ = LesFenetres().Calculatrice;
        QVERIFY(MontreActive(c_));
        QVERIFY(Action("ReglesUsuelles")->isChecked());
    }

    void suiteDeLignesAuClavier()
    {
        Clique("SwapBtn");
        EcranR()->setFocus();
        Clique("Sinus");
        QTest::keyClicks(EcranR(), "2)");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QTest::keyClicks(EcranR(), "1/0");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        Clique("Plus"); // on the line right after the failed one
        QTest::keyClicks(EcranR(), "1");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QCOMPARE(EcranR()->toPlainText(),
                 QString("Sin(2)\n=  9.09297426825682E-0001\n1/0\n+1\n=  1.00000000000000E+0000\n"));
        QCOMPARE(c_->LigneCourante(), 5);
        QCOMPARE(p_->Messages().size(), std::size_t(1));
        // The keypad writes to the current line, not where the caret is.
        QTest::keyClicks(EcranR(), "4");
        Clique("Multiplie");
        QTest::keyClicks(EcranR(), "2");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QVERIFY(EcranR()->toPlainText().endsWith("4*2\n=  8.00000000000000E+0000\n"));
    }

    void entreeSurUneLigneAnterieure()
    {
        Clique("SwapBtn");
        QTest::keyClicks(EcranR(), "2+3");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QTest::keyClicks(EcranR(), "4*2");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        // Back on the first line: evaluated again at the end, nothing above changed.
        QTextCursor debut(EcranR()->document());
        EcranR()->setTextCursor(debut);
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QCOMPARE(EcranR()->toPlainText(), QString("2+3\n=  5.00000000000000E+0000\n4*2\n=  8.00000000000000E+0000\n"
                                                  "2+3\n=  5.00000000000000E+0000\n"));
        QCOMPARE(c_->LigneCourante(), 6);
    }

    void texteEnCoursGardeSurLigneAnterieure()
    {
        Clique("SwapBtn");
        QTest::keyClicks(EcranR(), "2+3");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QTest::keyClicks(EcranR(), "12345+1");
        // Enter with the caret on the first line: the typed line is entered.
        EcranR()->setTextCursor(QTextCursor(EcranR()->document()));
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QCOMPARE(EcranR()->toPlainText(), QString("2+3\n=  5.00000000000000E+0000\n12345+1\n=  1.23460000000000E+0004\n"));
    }

    void collageDeLignes()
    {
        Clique("SwapBtn");
        QTest::keyClicks(EcranR(), "10*");
        auto colle = [this](const QString& texte) {
            QGuiApplication::clipboard()->setText(texte);
            EcranR()->paste();
        };
        // The first line joins the typed text; empty lines are passed over.
        colle("2\n\n2+2\r\n");
        QCOMPARE(EcranR()->toPlainText(), QString("10*2\n=  2.00000000000000E+0001\n2+2\n=  4.00000000000000E+0000\n"));
        QCOMPARE(c_->LigneCourante(), 4);
        QVERIFY(p_->journal.empty());
        // A carriage return, a line or a paragraph separator ends a line too.
        colle(QString("3*3\r4*4") + QChar(0x2028) + "5*5" + QChar(0x2029));
        QVERIFY(EcranR()->toPlainText().endsWith("=  9.00000000000000E+0000\n4*4\n=  1.60000000000000E+0001\n5*5\n"
                                                 "=  2.50000000000000E+0001\n"));
        QCOMPARE(c_->LigneCourante(), 10);
        // The first failing line is told once; the rest is dropped.
        colle("1/0\n3+3\n");
        QCOMPARE(p_->journal, (std::vector<std::string>{"son: Son1.wav", "erreur: Division par zéro."}));
        QVERIFY(EcranR()->toPlainText().endsWith("1/0\n"));
        QCOMPARE(c_->LigneCourante(), 11);
        // Without a line break a paste only inserts.
        colle("7");
        QVERIFY(EcranR()->toPlainText().endsWith("1/0\n7"));
        // Only line breaks, or garbage: nothing, or one message.
        p_->Vide();
        colle("\n\n\n");
        QVERIFY(p_->journal.empty());
        colle(QString("\x01\x02\n") + QString(100000, '1'));
        QCOMPARE(p_->Messages().size(), std::size_t(1));
        // 10,000 lines: each answered under its own.
        const int avant = c_->LigneCourante();
        colle("\n" + QString("1+1\n").repeated(10000));
        QCOMPARE(c_->LigneCourante(), avant + 20000);
        QVERIFY(EcranR()->toPlainText().endsWith("1+1\n=  2.00000000000000E+0000\n"));
    }

    void astuceEtPartiesApresRC()
    {
        QTest::mouseMove(Bouton("SwapBtn"));
        Clique("SwapBtn");
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" Calculs dans R ."));
        QVERIFY(!c_->findChild<QLabel*>("Parties")->isVisible());
        Clique("SwapBtn");
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" Calculs dans C ."));
        QVERIFY(c_->findChild<QLabel*>("Parties")->isVisible()); // the field has the focus
    }

    void verificationDeLaVariableDuTraceur()
    {
        LesFenetres().Graph->Modele().Type = TypeCourbe::Carte;
        Clique("SwapBtn");
        QTest::keyClicks(EcranR(), "2x");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        LesFenetres().Graph->Modele().Type = TypeCourbe::Aucune;
        // The names step reports the misplaced x; the line runs and "2X" is no number.
        QCOMPARE(p_->Messages(), (std::vector<std::string>{"erreur: Expression incorrecte .", "erreur: Expression incorrecte."}));
    }

    void optionsChoisiesAppliqueesALaFermeture()
    {
        // The dialog is modal: it is answered from inside its own event loop.
        QTimer::singleShot(0, [] {
            auto* dialogue = static_cast<QWidget*>(LesFenetres().OptionCalc);
            QTest::mouseClick(dialogue->findChild<QRadioButton*>("CalcType0"), Qt::LeftButton);
            QTest::mouseClick(dialogue->findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
        });
        Action("Options")->trigger();
        QVERIFY(!c_->ModeComplexe());
        QCOMPARE(LitTexteOption("Options", "Type de machine", ""), std::string("classique"));
        QTimer::singleShot(0, [] {
            auto* dialogue = static_cast<QWidget*>(LesFenetres().OptionCalc);
            QTest::mouseClick(dialogue->findChild<QRadioButton*>("CalcType1"), Qt::LeftButton);
            QTest::mouseClick(dialogue->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        });
        Action("Options")->trigger();
        QVERIFY(!c_->ModeComplexe()); // cancelled: the file still says "classique"
    }

    void boiteAProposAvecLAuteur()
    {
        QString auteur;
        QTimer::singleShot(0, [&auteur] {
            auto* boite = static_cast<QWidget*>(LesFenetres().AboutBox);
            auteur = boite->findChild<QLabel*>("Copyright")->text();
            QTest::mouseClick(boite->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        });
        Action("Help2")->trigger();
        QCOMPARE(auteur, QString("Auteur : QUENTARO"));
    }

    void equationsDeDegresTroisEtQuatre()
    {
        Entre("1");
        Entre("0");
        Entre("0");
        Entre("8");
        Clique("Degre3");
        const Etendu racine3 = std::sqrt(3.0L);
        QVERIFY(Proche(c_->LaPile()[3], {1, -racine3}, 8));
        QVERIFY(Proche(c_->LaPile()[2], {-2, 0}, 8));
        QVERIFY(Proche(c_->LaPile()[1], {1, racine3}, 8));
        Clique("Effacetout");
        for (const char* k : {"1", "0", "0", "0", "-1"})
            Entre(k);
        Clique("Degre4");
        const TComplexe attendu[4] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
        for (int n = 4; n >= 1; --n)
            QVERIFY(Proche(c_->LaPile()[n], attendu[4 - n], 8));
        QCOMPARE(c_->LaPile()[5].Re, 0.0L);
    }

    void aideEtBarreDEtat()
    {
        Action("Help1")->trigger();
        Action("Help0")->trigger();
        Action("Help3")->trigger();
        QCOMPARE(p_->journal, (std::vector<std::string>{"aide: COMPLEX", "aide: ", "aide: PRESENT"}));
        QCOMPARE(Action("Help0")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(Action("Options")->shortcut(), QKeySequence(Qt::Key_F9));
        QStatusTipEvent astuce(Bouton("Divise")->statusTip());
        QApplication::sendEvent(c_, &astuce);
        QCOMPARE(Texte("BarreEtatPanneau"), QString(" (2) / (1)"));
        QCOMPARE(Bouton("SwapBtn")->statusTip(), QString("Calculs dans C ."));
    }

    // Undo and redo from the keyboard, over the stack: the same bits back.
    void annulerEtRetablirAuClavier()
    {
        Entre("1");
        Clique("Sinus");
        QWidget* ici = QApplication::focusWidget();
        QTest::keyClick(ici, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, 1.0L);
        QCOMPARE(Texte("Ligne1R"), QString(" 1.00000000000000E+0000"));
        QTest::keyClick(ici, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, std::sin(1.0L));
        QTest::keyClick(ici, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing left to replay
        QCOMPARE(c_->LaPile()[1].Re, std::sin(1.0L));
        // 5/0 drops the stack: a step; the square of 1E4000 is refused: no
        // step, so undo takes back the entry of 1E4000, whole.
        Entre("5");
        Entre("0");
        Clique("Divise");
        QVERIFY(!p_->Messages().empty());
        QCOMPARE(c_->LaPile()[2].Re, std::sin(1.0L));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, 0.0L);
        QCOMPARE(c_->LaPile()[2].Re, 5.0L);
        Entre("1E4000");
        Clique("xcarre");
        Action("Annuler")->trigger();
        QCOMPARE(c_->LaPile()[1].Re, 0.0L);
        QCOMPARE(Texte("Parties"), QString("Partie Réelle :"));
    }

    void dernierArgument()
    {
        Action("DernierArgument")->trigger();
        QCOMPARE(p_->journal, std::vector<std::string>{"bip"});
        Entre("2");
        Entre("5");
        Clique("Plus");
        Action("DernierArgument")->trigger();
        QCOMPARE(c_->LaPile()[1].Re, 5.0L);
        QCOMPARE(c_->LaPile()[2].Re, 7.0L);
        Action("Annuler")->trigger();
        QCOMPARE(c_->LaPile()[1].Re, 7.0L);
    }

    // The entry field keeps its own undo: Ctrl+Z there takes back typing
    // first; the last argument enters the number typed before it lifts.
    void annulerDansLeChampDeSaisie()
    {
        Entre("-4");
        Clique("Oppose"); // 4, and -4 as the last argument
        QTest::mouseClick(Acquisition(), Qt::LeftButton);
        QTest::keyClicks(Acquisition(), "12");
        QTest::keyClick(Acquisition(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Acquisition()->text(), QString());
        QCOMPARE(c_->LaPile()[1].Re, 4.0L);
        QTest::keyClicks(Acquisition(), "12");
        QTest::keyClick(Acquisition(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(c_->LaPile()[1].Re, -4.0L);
        QCOMPARE(c_->LaPile()[2].Re, 12.0L);
        QCOMPARE(c_->LaPile()[3].Re, 4.0L);
    }

    // Open past its 1,000 entries: the newest 1,000, the latest last.
    void historiqueOuvertAuDelaDeMille()
    {
        Entre("0.5");
        Action("Historique")->trigger();
        for (int k = 0; k < 1003; ++k)
            Clique(k % 2 ? "Cosinus" : "Sinus");
        auto* liste = c_->FenetreHistorique()->findChild<QListWidget*>("ListeHistorique");
        QCOMPARE(liste->count(), 1000);
        QCOMPARE(liste->item(999)->text().toStdString(), c_->Modele().LHistorique().Entrees().back().Texte());
        QVERIFY(liste->item(999)->text().startsWith("sin :"));
    }

    void historiqueRameneUneValeur()
    {
        Entre("1");
        Clique("Exponentielle");
        Action("Historique")->trigger();
        auto* liste = c_->FenetreHistorique()->findChild<QListWidget*>("ListeHistorique");
        QVERIFY(c_->FenetreHistorique()->isVisible());
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->text(), QString("Exp : 2.71828182845905E+0000 + 0.00000000000000E+0000 i"));
        Clique("Effaceligne");
        const QPoint ici = liste->visualItemRect(liste->item(0)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ici); // the press a double click follows
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ici);
        QCOMPARE(c_->LaPile()[1].Re, std::exp(1.0L));
        // Saved as text; a folder where nothing may be written says so.
        QTemporaryDir dossier;
        p_->reponses.push_back(dossier.filePath("h.txt").toStdString());
        c_->FenetreHistorique()->findChild<QPushButton*>("EnregistrerHistorique")->click();
        QFile f(dossier.filePath("h.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), "Exp : " + QString::fromStdString(TexteCopie(c_->LaPile()[1])) + "\n");
        QTemporaryDir ferme;
        QFile::setPermissions(ferme.path(), QFile::ReadOwner | QFile::ExeOwner);
        p_->Vide();
        p_->reponses.push_back(geteuid() == 0 ? "/sys/h.txt" : ferme.filePath("h.txt").toStdString());
        c_->FenetreHistorique()->findChild<QPushButton*>("EnregistrerHistorique")->click();
        QCOMPARE(p_->Messages(), std::vector<std::string>{"erreur: Accès au fichier refusé"});
        QFile::setPermissions(ferme.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The first row copies, alone or with the others.
        Clique("Sinus");
        QVERIFY(MontreActive(c_->FenetreHistorique(), false));
        for (const bool seule : {true, false}) {
            liste->clearSelection();
            liste->item(0)->setSelected(true);
            liste->item(1)->setSelected(!seule);
            liste->setFocus();
            QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
            QVERIFY(QGuiApplication::clipboard()->text().startsWith("2.71828182845904523"));
            QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), seule ? 0 : 1);
        }
        c_->FenetreHistorique()->findChild<QPushButton*>("EffacerHistorique")->click();
        QCOMPARE(liste->count(), 0);
    }

    void rappelEtAnnulationEnModeReel()
    {
        Clique("SwapBtn");
        QTest::keyClick(EcranR(), Qt::Key_Up, Qt::ControlModifier); // nothing to recall
        QTest::keyClicks(EcranR(), "2+3");
        QTest::keyClick(EcranR(), Qt::Key_Return);
        QTest::keyClick(EcranR(), Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(EcranR(), Qt::Key_Return);
        const QString deuxFois = "2+3\n=  5.00000000000000E+0000\n2+3\n=  5.00000000000000E+0000\n";
        QCOMPARE(EcranR()->toPlainText(), deuxFois);
        // Ctrl+Z: the typing first, then the last line entered.
        QTest::keyClicks(EcranR(), "7");
        QTest::keyClick(EcranR(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(EcranR()->toPlainText(), deuxFois);
        QTest::keyClick(EcranR(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(EcranR()->toPlainText(), QString("2+3\n=  5.00000000000000E+0000\n2+3"));
        QTest::keyClick(EcranR(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(EcranR()->toPlainText(), deuxFois);
        QCOMPARE(c_->LigneCourante(), 4);
    }

    void menusMontrentLesAutresFenetres()
    {
        Action("Graphe")->trigger();
        QVERIFY(LesFenetres().Graph->isVisible());
        Action("Mat")->trigger();
        QVERIFY(LesFenetres().Matrice->isVisible());
        Action("Solveur")->trigger();
        QVERIFY(LesFenetres().Solveur->isVisible());
    }
};

QTEST_MAIN(TestCalc)
#include "test_calc.moc"
